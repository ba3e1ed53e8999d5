#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

// Parts of a widget that are painted rather than made of widgets (the board
// and its counters, the count picker's number, a tip's picture, the best
// results), described for assistive tools. A widget with such parts
// implements IPaintedParts; its accessibility then lists them after its
// child widgets. Rectangles are in the widget's own pixels.
struct PaintedPart {
    QAccessible::Role role = QAccessible::StaticText;
    std::function<QString()> name;
    std::function<QString()> description;  // may be unset
    std::function<QRect()> rect;

    // A number with its range (a spin box, a counter); unset when none.
    std::function<int()> value;
    std::function<int()> minimum;
    std::function<int()> maximum;

    // A table of text cells, rows by columns; unset when the part is none.
    std::function<int()> rows;
    std::function<int()> columns;
    std::function<QString(int row, int column)> cell;
    std::function<QRect(int row, int column)> cellRect;
    std::function<bool(int row, int column)> cellFocused;  // may be unset

    // The index of the part this one lies within (a status bar holding its
    // items), or -1: it lies directly in the widget. A part with parts
    // within it is no table.
    int within = -1;
};

class IPaintedParts {
public:
    virtual ~IPaintedParts() = default;
    virtual std::vector<PaintedPart> Parts() const = 0;
};

namespace platform::qt::painted_parts {

// Lets the painted parts of every IPaintedParts widget be read; once per
// program, before the first is asked for.
void Install();

// The accessibility of painted part `index` of `widget`, or nullptr.
QAccessibleInterface* Part(QWidget* widget, int index);

// Tells the listeners what part `index` of `widget` shows now: its new
// value, its new name, the cells that read differently, or a table of
// another size. Nothing when nobody listens.
void AnnounceChanges(QWidget* widget, int index);

// Tells the listeners that cell (row, column) of table part `index` has the
// keyboard focus.
void AnnounceFocus(QWidget* widget, int index, int row, int column);

// Tells the listeners what part `index` of `widget` shows now, then that it
// has just been shown anew, as a notification pops up: screen readers speak a
// notification wherever the focus is (within a status bar, without saying
// "notification"). Nothing when nobody listens.
void AnnounceShown(QWidget* widget, int index);

}  // namespace platform::qt::painted_parts
