#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

// Parts of a dialog that are painted rather than made of widgets (the count
// picker's number, a tip's picture, the best-results table), described for
// assistive tools. A dialog that has such parts implements IPaintedParts; its
// accessibility then lists them after its widgets.
struct PaintedPart {
    QAccessible::Role role = QAccessible::StaticText;
    std::function<QString()> name;
    std::function<QString()> description;  // may be empty
    std::function<QRect()> rect;           // in the dialog's own pixels

    // A number with its range (for a spin box); unset when the part has none.
    std::function<int()> value;
    int minimum = 0;
    int maximum = 0;

    // A table: rows by columns of text cells (for the best results).
    int rows = 0;
    int columns = 0;
    std::function<QString(int row, int column)> cell;
    std::function<QRect(int row, int column)> cellRect;
};

class IPaintedParts {
public:
    virtual ~IPaintedParts() = default;
    virtual std::vector<PaintedPart> Parts() const = 0;
};

namespace painted_parts {

// Lets the dialogs' painted parts be read; once per program.
void Install();

// The accessibility of painted part `index` of `dialog`, or nullptr.
QAccessibleInterface* Part(QWidget* dialog, int index);

// Tells the listeners that part `index` of `dialog` shows a new value, or
// reads differently; nothing when nobody listens.
void AnnounceValue(QWidget* dialog, int index);
void AnnounceName(QWidget* dialog, int index);

}  // namespace painted_parts
