#include "platform/qt/accessibility/PaintedParts.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <map>

#include "platform/qt/accessibility/Announce.h"

namespace platform::qt::painted_parts {
namespace {

QRect OnScreen(const QWidget* widget, const QRect& local) {
    return widget == nullptr ? QRect() : QRect(widget->mapToGlobal(local.topLeft()), local.size());
}

int Called(const std::function<int()>& f) { return f ? f() : 0; }

// Lets go of an interface we registered, unless the cache let go of it first
// (as it may when the program ends).
void Forget(QAccessible::Id id) {
    if (QAccessible::accessibleInterface(id) != nullptr) QAccessible::deleteAccessibleInterface(id);
}

class PartAccessible;
class PaintedWidgetAccessible;

// One text cell of a painted table.
class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(PartAccessible& table, int row, int column) : m_table(table), m_row(row), m_column(column) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
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
    QAccessibleInterface* table() const override { return parent(); }

private:
    PartAccessible& m_table;
    int m_row;
    int m_column;
};

// A painted part: a leaf, a value, a table of cells, or a group of parts.
class PartAccessible final : public QAccessibleInterface,
                             public QAccessibleValueInterface,
                             public QAccessibleTableInterface {
public:
    // Part `index` of the widget's parts.
    PartAccessible(PaintedWidgetAccessible& owner, int index, QWidget* widget, PaintedPart part)
        : m_owner(owner), m_index(index), m_widget(widget), m_part(std::move(part)),
          m_toldName(text(QAccessible::Name)) {}
    // Asks the part nothing: the widget may be half gone already.
    ~PartAccessible() override {
        for (const auto& [key, made] : m_cells) Forget(made.id);
    }

    const PaintedPart& Described() const { return m_part; }
    QWidget* Widget() const { return m_widget; }

    // What changed since the last time: see AnnounceChanges.
    void Announce() {
        if (m_part.value) {
            QAccessibleValueChangeEvent changed(this, currentValue());
            platform::qt::Announce(changed);
        }
        if (const QString name = text(QAccessible::Name); name != m_toldName) {
            m_toldName = name;
            QAccessibleEvent renamed(this, QAccessible::NameChanged);
            platform::qt::Announce(renamed);
        }
        if (!IsTable()) return;
        if (!SizeKept()) {
            QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
            platform::qt::Announce(reset);
            return;
        }
        for (auto& [key, made] : m_cells) {
            QAccessibleInterface* cell = QAccessible::accessibleInterface(made.id);
            const QString name = cell->text(QAccessible::Name);
            if (name == made.toldName) continue;
            made.toldName = name;
            QAccessibleEvent renamed(cell, QAccessible::NameChanged);
            platform::qt::Announce(renamed);
        }
    }

    bool isValid() const override { return !m_widget.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override {
        if (!IsTable()) return Within(index);
        const int columns = Called(m_part.columns);
        if (columns <= 0 || index < 0 || index >= childCount()) return nullptr;
        return cellAt(index / columns, index % columns);
    }
    int childCount() const override { return IsTable() ? Called(m_part.rows) * Called(m_part.columns) : CountWithin(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!IsTable()) return IndexWithin(child);
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell == nullptr ? -1 : cell->rowIndex() * Called(m_part.columns) + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!IsTable()) return WithinAt(x, y);
        if (!m_part.cellRect || m_widget.isNull()) return nullptr;
        for (int row = 0; row < rowCount(); ++row)
            for (int column = 0; column < columnCount(); ++column)
                if (OnScreen(m_widget, m_part.cellRect(row, column)).contains(x, y)) return cellAt(row, column);
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && m_part.name) return m_part.name();
        if (t == QAccessible::Description && m_part.description) return m_part.description();
        if (t == QAccessible::Value && m_part.value) return QString::number(m_part.value());
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return m_part.rect ? OnScreen(m_widget, m_part.rect()) : QRect(); }
    QAccessible::Role role() const override { return m_part.role; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;  // the parts change through the game, not by assistive tools
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface && m_part.value) return static_cast<QAccessibleValueInterface*>(this);
        if (t == QAccessible::TableInterface && IsTable()) return static_cast<QAccessibleTableInterface*>(this);
        return nullptr;
    }

    QVariant currentValue() const override { return Called(m_part.value); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return Called(m_part.maximum); }
    QVariant minimumValue() const override { return Called(m_part.minimum); }
    QVariant minimumStepSize() const override { return 1; }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
        auto* self = const_cast<PartAccessible*>(this);
        if (!SizeKept()) self->ForgetCells();
        const int key = row * m_columns + column;
        auto it = m_cells.find(key);
        if (it == m_cells.end()) {
            auto* cell = new CellAccessible(*self, row, column);
            const QString name = cell->text(QAccessible::Name);
            it = m_cells.emplace(key, Made{QAccessible::registerAccessibleInterface(cell), name}).first;
        }
        return QAccessible::accessibleInterface(it->second.id);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int rowCount() const override { return Called(m_part.rows); }
    int columnCount() const override { return Called(m_part.columns); }
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
    struct Made {
        QAccessible::Id id;
        QString toldName;  // its name when made or last announced
    };

    bool IsTable() const { return m_part.rows && m_part.columns; }
    // The parts within this one: the index-th, how many, where one is, which
    // is at a point on the screen.
    QAccessibleInterface* Within(int index) const;
    int CountWithin() const;
    int IndexWithin(const QAccessibleInterface* child) const;
    QAccessibleInterface* WithinAt(int x, int y) const;
    // Whether the cells made so far still fit the table; when it has another
    // size they are forgotten at the next look.
    bool SizeKept() const { return rowCount() == m_rows && columnCount() == m_columns; }
    void ForgetCells() {
        for (const auto& [key, made] : m_cells) Forget(made.id);
        m_cells.clear();
        m_rows = rowCount();
        m_columns = columnCount();
    }

    PaintedWidgetAccessible& m_owner;
    int m_index;                 // among the widget's parts
    QPointer<QWidget> m_widget;  // the widget the part is painted on
    PaintedPart m_part;
    QString m_toldName;                   // the name when made or last announced
    mutable std::map<int, Made> m_cells;  // by row * m_columns + column
    int m_rows = 0;                       // the table's size the cells were made for
    int m_columns = 0;
};

bool CellAccessible::isValid() const { return m_table.isValid(); }
QWindow* CellAccessible::window() const { return m_table.window(); }
QAccessibleInterface* CellAccessible::parent() const { return &m_table; }
QString CellAccessible::text(QAccessible::Text t) const {
    const PaintedPart& part = m_table.Described();
    return t == QAccessible::Name && part.cell ? part.cell(m_row, m_column) : QString();
}
QRect CellAccessible::rect() const {
    const PaintedPart& part = m_table.Described();
    return part.cellRect ? OnScreen(m_table.Widget(), part.cellRect(m_row, m_column)) : QRect();
}
QAccessible::State CellAccessible::state() const {
    const PaintedPart& part = m_table.Described();
    QAccessible::State s;
    s.readOnly = true;
    s.focusable = static_cast<bool>(part.cellFocused);
    s.focused = part.cellFocused && part.cellFocused(m_row, m_column);
    return s;
}

// A widget with its child widgets first, then its painted parts: a dialog,
// or a pane within a window.
class PaintedWidgetAccessible final : public QAccessibleWidget {
public:
    PaintedWidgetAccessible(QWidget* widget, const IPaintedParts& parts) : QAccessibleWidget(widget) {
        for (PaintedPart& part : parts.Parts()) {
            const int index = static_cast<int>(m_parts.size());
            m_parts.push_back(QAccessible::registerAccessibleInterface(new PartAccessible(*this, index, widget,
                                                                                          std::move(part))));
        }
    }
    ~PaintedWidgetAccessible() override {
        for (QAccessible::Id id : m_parts) Forget(id);
    }

    PartAccessible* Part(int index) const {
        if (index < 0 || index >= static_cast<int>(m_parts.size())) return nullptr;
        return static_cast<PartAccessible*>(QAccessible::accessibleInterface(m_parts[static_cast<std::size_t>(index)]));
    }
    // The parts that lie within part `within` (-1: directly in the widget),
    // in their order.
    std::vector<PartAccessible*> PartsWithin(int within) const {
        std::vector<PartAccessible*> found;
        for (std::size_t i = 0; i < m_parts.size(); ++i)
            if (PartAccessible* part = Part(static_cast<int>(i)); part != nullptr && part->Described().within == within)
                found.push_back(part);
        return found;
    }
    // Part `index` among `parts`, or nullptr.
    static PartAccessible* Nth(const std::vector<PartAccessible*>& parts, int index) {
        return index < 0 || index >= static_cast<int>(parts.size()) ? nullptr : parts[static_cast<std::size_t>(index)];
    }
    static int IndexAmong(const std::vector<PartAccessible*>& parts, const QAccessibleInterface* child) {
        const auto found = std::find(parts.begin(), parts.end(), child);
        return found == parts.end() ? -1 : static_cast<int>(found - parts.begin());
    }
    static PartAccessible* At(const std::vector<PartAccessible*>& parts, int x, int y) {
        for (PartAccessible* part : parts)
            if (part->rect().contains(x, y)) return part;
        return nullptr;
    }

    // Asked each time: a widget made on its own and placed in a window later
    // is a pane there, not a dialog.
    QAccessible::Role role() const override { return widget()->isWindow() ? QAccessible::Dialog : QAccessible::Pane; }

    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(PartsWithin(-1).size());
    }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        return index < widgets ? QAccessibleWidget::child(index) : Nth(PartsWithin(-1), index - widgets);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (const int part = IndexAmong(PartsWithin(-1), child); part >= 0)
            return QAccessibleWidget::childCount() + part;
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (PartAccessible* part = At(PartsWithin(-1), x, y)) return part;
        return QAccessibleWidget::childAt(x, y);
    }

private:
    std::vector<QAccessible::Id> m_parts;
};

QWindow* PartAccessible::window() const { return m_owner.window(); }
QAccessibleInterface* PartAccessible::parent() const {
    return m_part.within < 0 ? static_cast<QAccessibleInterface*>(&m_owner) : m_owner.Part(m_part.within);
}
QAccessibleInterface* PartAccessible::Within(int index) const {
    return PaintedWidgetAccessible::Nth(m_owner.PartsWithin(m_index), index);
}
int PartAccessible::CountWithin() const { return static_cast<int>(m_owner.PartsWithin(m_index).size()); }
int PartAccessible::IndexWithin(const QAccessibleInterface* child) const {
    return PaintedWidgetAccessible::IndexAmong(m_owner.PartsWithin(m_index), child);
}
QAccessibleInterface* PartAccessible::WithinAt(int x, int y) const {
    return PaintedWidgetAccessible::At(m_owner.PartsWithin(m_index), x, y);
}

PartAccessible* PartOf(QWidget* widget, int index) {
    if (widget == nullptr) return nullptr;
    auto* accessible = dynamic_cast<PaintedWidgetAccessible*>(QAccessible::queryAccessibleInterface(widget));
    return accessible == nullptr ? nullptr : accessible->Part(index);
}

}  // namespace

void Install() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            if (object == nullptr || !object->isWidgetType()) return nullptr;
            const auto* parts = dynamic_cast<const IPaintedParts*>(object);
            return parts == nullptr ? nullptr : new PaintedWidgetAccessible(static_cast<QWidget*>(object), *parts);
        });
        return true;
    }();
    static_cast<void>(installed);
}

QAccessibleInterface* Part(QWidget* widget, int index) { return PartOf(widget, index); }

void AnnounceChanges(QWidget* widget, int index) {
    if (!AnnouncementsHeard()) return;
    if (PartAccessible* part = PartOf(widget, index)) part->Announce();
}

void AnnounceShown(QWidget* widget, int index) {
    if (!AnnouncementsHeard()) return;
    PartAccessible* part = PartOf(widget, index);
    if (part == nullptr) return;
    part->Announce();
    QAccessibleEvent shown(part, QAccessible::ObjectShow);
    Announce(shown);
}

void AnnounceFocus(QWidget* widget, int index, int row, int column) {
    if (!AnnouncementsHeard()) return;
    PartAccessible* part = PartOf(widget, index);
    QAccessibleInterface* cell = part == nullptr ? nullptr : part->cellAt(row, column);
    if (cell == nullptr) return;
    QAccessibleEvent focus(cell, QAccessible::Focus);
    Announce(focus);
}

}  // namespace platform::qt::painted_parts
