// The view's accessibility: the board as a table of tiles, the counters as
// labelled values, and the events that tell assistive tools about moves.
#include "shell/ViewAccessible.h"

#include <QAccessibleValueInterface>
#include <QWidget>

#include <algorithm>
#include <functional>

#include "engine/TileCode.h"
#include "platform/qt/Announce.h"
#include "resources/StatusStrip.h"
#include "shell/QuelmView.h"

std::string DescribeTile(int column, int row, int code) {
    std::string text = "column " + std::to_string(column + 1) + ", row " + std::to_string(row + 1) + ", ";
    if (tile::IsCovered(code)) return text + "covered";
    if (tile::IsFound(code)) text += "glimble found, ";
    return text + std::to_string(tile::Number(code)) + " on its lines";
}

namespace {

// The counters as their plates name them.
const char* const kCounterNames[] = {"Points", "Glimbles"};

QRect OnScreen(const QWidget* view, const QRect& local) {
    return view == nullptr ? QRect() : QRect(view->mapToGlobal(local.topLeft()), local.size());
}

class BoardTable;

// One tile of the board.
class TileCell final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TileCell(const ViewAccessible& view, int column, int row) : m_view(view), m_column(column), m_row(row) {}

    bool isValid() const override { return m_view.View() != nullptr && m_view.View()->Puzzle() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view.window(); }
    QAccessibleInterface* parent() const override { return m_view.Board(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        const CPuzzle& puzzle = *m_view.View()->Puzzle();
        return QString::fromStdString(DescribeTile(m_column, m_row, puzzle.GetTile(m_column, m_row)));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const int cell = m_view.View()->Puzzle()->GetCellSize();
        return OnScreen(m_view.View(), QRect(m_column * cell, m_row * cell, cell, cell));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        const CQuelmView* view = m_view.View();
        s.focused = view != nullptr && view->hasFocus() && view->Cursor().Column() == m_column &&
                    view->Cursor().Row() == m_row;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return m_view.Board(); }

private:
    const ViewAccessible& m_view;
    int m_column;
    int m_row;
};

// The board: a table of tiles, row by row.
class BoardTable final : public QAccessibleInterface, public QAccessibleTableInterface {
public:
    explicit BoardTable(ViewAccessible& view) : m_view(view) {}

    bool isValid() const override { return m_view.View() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view.window(); }
    QAccessibleInterface* parent() const override { return &m_view; }
    QAccessibleInterface* child(int index) const override {
        const int n = Columns();
        return n == 0 || index < 0 ? nullptr : m_view.Cell(index % n, index / n);
    }
    int childCount() const override { return Columns() * Rows(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell == nullptr ? -1 : cell->rowIndex() * Columns() + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!isValid() || m_view.View()->Puzzle() == nullptr) return nullptr;
        const QPoint local = m_view.View()->mapFromGlobal(QPoint(x, y));
        const int cell = m_view.View()->Puzzle()->GetCellSize();
        if (local.x() < 0 || local.y() < 0) return nullptr;
        return m_view.Cell(local.x() / cell, local.y() / cell);
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        return QStringLiteral("Board, %1 by %2 tiles").arg(Columns()).arg(Rows());
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const CPuzzle* puzzle = isValid() ? m_view.View()->Puzzle() : nullptr;
        if (puzzle == nullptr) return {};
        return OnScreen(m_view.View(), QRect(0, 0, puzzle->GetBoardWidth(), puzzle->GetBoardHeight()));
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override { return {}; }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return m_view.Cell(column, row); }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return QStringLiteral("column %1").arg(column + 1); }
    QString rowDescription(int row) const override { return QStringLiteral("row %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int rowCount() const override { return Rows(); }
    int columnCount() const override { return Columns(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    int Columns() const {
        const CPuzzle* p = isValid() ? m_view.View()->Puzzle() : nullptr;
        return p == nullptr ? 0 : p->GetColumns();
    }
    int Rows() const {
        const CPuzzle* p = isValid() ? m_view.View()->Puzzle() : nullptr;
        return p == nullptr ? 0 : p->GetRows();
    }

    ViewAccessible& m_view;
};

// A counter of the status strip: its plate's word and its number.
class CounterValue final : public QAccessibleInterface, public QAccessibleValueInterface {
public:
    CounterValue(ViewAccessible& view, int which) : m_view(view), m_which(which) {}

    bool isValid() const override { return m_view.View() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view.window(); }
    QAccessibleInterface* parent() const override { return &m_view; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QString::fromLatin1(kCounterNames[m_which]);
        if (t == QAccessible::Value) return QString::number(Value());
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const CPuzzle* puzzle = isValid() ? m_view.View()->Puzzle() : nullptr;
        if (puzzle == nullptr) return {};
        const status_strip::Layout at = status_strip::LayoutAt(puzzle->GetBoardWidth(), puzzle->GetBoardHeight());
        const int left = m_which == 0 ? at.pointsLabelX : at.glimblesLabelX;
        const int digits = m_which == 0 ? status_strip::kPointsDigits : status_strip::kGlimblesDigits;
        const int right = (m_which == 0 ? at.pointsDigitsX : at.glimblesDigitsX) + digits * status_strip::kDigitSize;
        return OnScreen(m_view.View(), QRect(left, at.labelY, right - left, status_strip::kLabelHeight));
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
    }

    QVariant currentValue() const override { return Value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override {
        const CPuzzle* p = isValid() ? m_view.View()->Puzzle() : nullptr;
        if (p == nullptr) return 0;
        return m_which == 0 ? p->GetColumns() * p->GetRows() : p->GetCount();
    }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    int Value() const {
        const CPuzzle* p = isValid() ? m_view.View()->Puzzle() : nullptr;
        if (p == nullptr) return 0;
        // Shown as the strip shows it: a score below zero reads 0.
        return m_which == 0 ? std::max(p->GetScore(), 0) : p->GetRemaining();
    }

private:
    ViewAccessible& m_view;
    int m_which;
};

QAccessibleInterface* Registered(QAccessible::Id& id, const std::function<QAccessibleInterface*()>& make) {
    if (id == 0) id = QAccessible::registerAccessibleInterface(make());
    return QAccessible::accessibleInterface(id);
}

}  // namespace

ViewAccessible::ViewAccessible(CQuelmView* view) : QAccessibleWidget(view, QAccessible::Pane) {}

ViewAccessible::~ViewAccessible() {
    ForgetCells();
    for (QAccessible::Id id : m_counters)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    if (m_board != 0) QAccessible::deleteAccessibleInterface(m_board);
}

CQuelmView* ViewAccessible::View() const { return static_cast<CQuelmView*>(widget()); }

int ViewAccessible::childCount() const { return 3; }

QAccessibleInterface* ViewAccessible::child(int index) const {
    if (index == 0) return Board();
    if (index == 1 || index == 2) return Counter(index - 1);
    return nullptr;
}

int ViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child) return i;
    return -1;
}

QAccessibleInterface* ViewAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i)
        if (QAccessibleInterface* c = child(i); c != nullptr && c->rect().contains(x, y)) return c;
    return nullptr;
}

QString ViewAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return QStringLiteral("Game board");
    return QAccessibleWidget::text(t);
}

QAccessibleInterface* ViewAccessible::Board() const {
    auto* self = const_cast<ViewAccessible*>(this);
    return Registered(m_board, [self] { return new BoardTable(*self); });
}

QAccessibleInterface* ViewAccessible::Counter(int which) const {
    if (which < 0 || which > 1) return nullptr;
    auto* self = const_cast<ViewAccessible*>(this);
    return Registered(m_counters[which], [self, which] { return new CounterValue(*self, which); });
}

QAccessibleInterface* ViewAccessible::Cell(int column, int row) const {
    const CPuzzle* puzzle = View() == nullptr ? nullptr : View()->Puzzle();
    if (puzzle == nullptr || column < 0 || row < 0 || column >= puzzle->GetColumns() || row >= puzzle->GetRows())
        return nullptr;
    if (m_columns != puzzle->GetColumns()) {
        const_cast<ViewAccessible*>(this)->ForgetCells();
        m_columns = puzzle->GetColumns();
    }
    const int key = row * m_columns + column;
    auto it = m_cells.find(key);
    if (it == m_cells.end()) {
        auto* cell = new TileCell(*this, column, row);
        it = m_cells.emplace(key, QAccessible::registerAccessibleInterface(cell)).first;
        m_names[key] = cell->text(QAccessible::Name);
    }
    return QAccessible::accessibleInterface(it->second);
}

void ViewAccessible::ForgetCells() {
    for (const auto& [key, id] : m_cells) QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
    m_names.clear();
}

void ViewAccessible::AnnounceMove() {
    for (int which = 0; which < 2; ++which) {
        QAccessibleInterface* counter = Counter(which);
        QAccessibleValueChangeEvent changed(counter, counter->valueInterface()->currentValue());
        platform::qt::Announce(changed);
    }
    for (auto& [key, id] : m_cells) {
        QAccessibleInterface* cell = QAccessible::accessibleInterface(id);
        const QString name = cell->text(QAccessible::Name);
        if (name == m_names[key]) continue;
        m_names[key] = name;
        QAccessibleEvent renamed(cell, QAccessible::NameChanged);
        platform::qt::Announce(renamed);
    }
}

void ViewAccessible::AnnounceCursor() {
    const CQuelmView* view = View();
    if (view == nullptr) return;
    if (QAccessibleInterface* cell = Cell(view->Cursor().Column(), view->Cursor().Row())) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        platform::qt::Announce(focus);
    }
}

void ViewAccessible::AnnounceNewBoard() {
    const CPuzzle* puzzle = View() == nullptr ? nullptr : View()->Puzzle();
    if (puzzle != nullptr && m_columns != puzzle->GetColumns()) {
        ForgetCells();
        m_columns = puzzle->GetColumns();
        QAccessibleTableModelChangeEvent reset(Board(), QAccessibleTableModelChangeEvent::ModelReset);
        platform::qt::Announce(reset);
    }
    AnnounceMove();
}

void ViewAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (className == QLatin1String("CQuelmView") && object != nullptr && object->isWidgetType())
                return new ViewAccessible(static_cast<CQuelmView*>(object));
            return nullptr;
        });
        return true;
    }();
    static_cast<void>(installed);
}
