#include "dialogs/PaintedParts.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>

#include "platform/qt/Announce.h"

namespace {

QRect OnScreen(const QWidget* widget, const QRect& local) {
    return widget == nullptr ? QRect() : QRect(widget->mapToGlobal(local.topLeft()), local.size());
}

class PartAccessible;

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
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
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
    QAccessibleInterface* table() const override { return parent(); }

private:
    PartAccessible& m_table;
    int m_row;
    int m_column;
};

// A painted part: a leaf, a value, or a table of cells.
class PartAccessible final : public QAccessibleInterface,
                             public QAccessibleValueInterface,
                             public QAccessibleTableInterface {
public:
    PartAccessible(QAccessibleWidget& dialog, QWidget* widget, PaintedPart part)
        : m_dialog(dialog), m_widget(widget), m_part(std::move(part)) {}
    ~PartAccessible() override {
        for (const auto& [key, id] : m_cells) QAccessible::deleteAccessibleInterface(id);
    }

    const PaintedPart& Described() const { return m_part; }
    QWidget* Widget() const { return m_widget; }

    bool isValid() const override { return m_dialog.isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_dialog.window(); }
    QAccessibleInterface* parent() const override { return &m_dialog; }
    QAccessibleInterface* child(int index) const override {
        if (m_part.columns <= 0 || index < 0 || index >= childCount()) return nullptr;
        return cellAt(index / m_part.columns, index % m_part.columns);
    }
    int childCount() const override { return m_part.rows * m_part.columns; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell == nullptr ? -1 : cell->rowIndex() * m_part.columns + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c != nullptr && c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && m_part.name) return m_part.name();
        if (t == QAccessible::Description && m_part.description) return m_part.description();
        if (t == QAccessible::Value && m_part.value) return QString::number(m_part.value());
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return m_part.rect ? OnScreen(Widget(), m_part.rect()) : QRect(); }
    QAccessible::Role role() const override { return m_part.role; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = !m_part.value;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface && m_part.value) return static_cast<QAccessibleValueInterface*>(this);
        if (t == QAccessible::TableInterface && m_part.columns > 0)
            return static_cast<QAccessibleTableInterface*>(this);
        return nullptr;
    }

    QVariant currentValue() const override { return m_part.value ? m_part.value() : 0; }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return m_part.maximum; }
    QVariant minimumValue() const override { return m_part.minimum; }
    QVariant minimumStepSize() const override { return 1; }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || column < 0 || row >= m_part.rows || column >= m_part.columns) return nullptr;
        const int key = row * m_part.columns + column;
        auto it = m_cells.find(key);
        if (it == m_cells.end()) {
            auto* self = const_cast<PartAccessible*>(this);
            it = m_cells.emplace(key, QAccessible::registerAccessibleInterface(new CellAccessible(*self, row, column)))
                     .first;
        }
        return QAccessible::accessibleInterface(it->second);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int rowCount() const override { return m_part.rows; }
    int columnCount() const override { return m_part.columns; }
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
    QAccessibleWidget& m_dialog;
    QPointer<QWidget> m_widget;  // the dialog the part is painted on
    PaintedPart m_part;
    mutable std::map<int, QAccessible::Id> m_cells;
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

// A dialog with its widgets first, then its painted parts.
class DialogAccessible final : public QAccessibleWidget {
public:
    DialogAccessible(QWidget* dialog, const IPaintedParts& parts) : QAccessibleWidget(dialog, QAccessible::Dialog) {
        for (PaintedPart& part : parts.Parts())
            m_parts.push_back(QAccessible::registerAccessibleInterface(new PartAccessible(*this, dialog,
                                                                                          std::move(part))));
    }
    ~DialogAccessible() override {
        for (QAccessible::Id id : m_parts) QAccessible::deleteAccessibleInterface(id);
    }

    QAccessibleInterface* Part(int index) const {
        if (index < 0 || index >= static_cast<int>(m_parts.size())) return nullptr;
        return QAccessible::accessibleInterface(m_parts[static_cast<std::size_t>(index)]);
    }

    int childCount() const override { return QAccessibleWidget::childCount() + static_cast<int>(m_parts.size()); }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        return index < widgets ? QAccessibleWidget::child(index) : Part(index - widgets);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < m_parts.size(); ++i)
            if (Part(static_cast<int>(i)) == child) return QAccessibleWidget::childCount() + static_cast<int>(i);
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    std::vector<QAccessible::Id> m_parts;
};

DialogAccessible* Of(QWidget* dialog) {
    return dialog == nullptr ? nullptr : dynamic_cast<DialogAccessible*>(QAccessible::queryAccessibleInterface(dialog));
}

}  // namespace

namespace painted_parts {

void Install() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            if (object == nullptr || !object->isWidgetType()) return nullptr;
            const auto* parts = dynamic_cast<const IPaintedParts*>(object);
            return parts == nullptr ? nullptr : new DialogAccessible(static_cast<QWidget*>(object), *parts);
        });
        return true;
    }();
    static_cast<void>(installed);
}

QAccessibleInterface* Part(QWidget* dialog, int index) {
    DialogAccessible* accessible = Of(dialog);
    return accessible == nullptr ? nullptr : accessible->Part(index);
}

void AnnounceValue(QWidget* dialog, int index) {
    if (!platform::qt::AnnouncementsHeard()) return;
    if (QAccessibleInterface* part = Part(dialog, index); part != nullptr && part->valueInterface() != nullptr) {
        QAccessibleValueChangeEvent changed(part, part->valueInterface()->currentValue());
        platform::qt::Announce(changed);
    }
}

void AnnounceName(QWidget* dialog, int index) {
    if (!platform::qt::AnnouncementsHeard()) return;
    if (QAccessibleInterface* part = Part(dialog, index)) {
        QAccessibleEvent renamed(part, QAccessible::NameChanged);
        platform::qt::Announce(renamed);
    }
}

}  // namespace painted_parts
