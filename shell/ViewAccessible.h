#pragma once

#include <QAccessibleWidget>
#include <QPointer>

#include <map>
#include <string>

class CQuelmView;

// What a tile says to a screen reader: "column 3, row 5, covered",
// "column 3, row 5, 2 on its lines", "column 3, row 5, glimble found, 1 on
// its lines"; column and row counted from 1.
std::string DescribeTile(int column, int row, int code);

// The view as assistive tools see it: a pane holding the board, a table of
// one cell per tile, and the two counters, each a labelled value. The cells
// and counters are made when first asked for and kept while the board keeps
// its size.
class ViewAccessible final : public QAccessibleWidget {
public:
    explicit ViewAccessible(CQuelmView* view);
    ~ViewAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    CQuelmView* View() const;
    // The board's table, and its cell for a tile (null off the board).
    QAccessibleInterface* Board() const;
    QAccessibleInterface* Cell(int column, int row) const;
    // The interfaces of the "Points" (0) and "Glimbles" (1) counters.
    QAccessibleInterface* Counter(int which) const;

    // Tells the listeners what a move changed: the counters' values and the
    // names of the cells that now read differently.
    void AnnounceMove();
    // The cursor's cell has the focus.
    void AnnounceCursor();
    // A new board or one of another size: every cell reads anew.
    void AnnounceNewBoard();

    // Opens the view to assistive tools; once per program.
    static void Install();

private:
    void ForgetCells();

    mutable QAccessible::Id m_board = 0;
    mutable QAccessible::Id m_counters[2] = {0, 0};
    mutable std::map<int, QAccessible::Id> m_cells;  // by row * columns + column
    mutable std::map<int, QString> m_names;          // each made cell's name as last told
    mutable int m_columns = 0;                       // the board the cells were made for
};
