#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>

#include <functional>
#include <utility>
#include <vector>

#include "platform/qt/pictures/PictureSource.h"
#include "resources/DialogLayouts.h"

// Where a layout's controls land in pixels for given dialog base units.
struct LayoutGeometry {
    QSize client;                 // the dialog's client area
    std::vector<QRect> controls;  // one per control, in layout order
};

// Converts a layout from dialog units. A picture button takes its picture's
// size, 120 x 50, at its rectangle's corner for `defaultUnits`, the base
// units of the layout's font at the desktop's default size; with larger
// units its picture, which does not grow, moves with its rectangle's centre.
// Without default units they are `baseUnits`. The client area grows where
// needed so that every control stays inside it with a small margin, which
// only happens with fonts much smaller than the layout was made for.
LayoutGeometry ComputeLayout(const res::DialogLayout& layout, QSize baseUnits, QSize defaultUnits = {});

// Makes room for texts longer than their layout allows, as translations may
// be: a control whose text needs more than its width (neededWidths, one per
// control, 0 for no text) grows to the right by what it lacks, the controls
// that stand to its right on the same line move over by as much, and the
// client area grows with them. Where every text fits nothing changes.
void FitTexts(LayoutGeometry& geometry, const std::vector<int>& neededWidths);

// Places every control at its mirrored position, for a language written
// right to left.
void MirrorLayout(LayoutGeometry& geometry);

// A modal dialog built from one of the catalogue's layouts: its title, its
// font, its size and its controls in layout order, which is also the Tab
// order. The font grows with the desktop's (see DesktopFont.h) and the whole
// layout with it, though no further than the screen has room for; pictures
// keep their size. The first control that takes Tab has the focus when it
// opens. OK (id 1) accepts and Cancel (id 2) rejects, like Esc; the close
// box rejects.
class CLayoutDialog : public QDialog {
    Q_OBJECT

public:
    // Lets a dialog raise the base units measured from its font, before
    // anything is placed.
    using BaseUnitsAdjuster = std::function<QSize(QSize measured)>;

    // The picture buttons and the dialog's own drawing take their pictures from `pictures`.
    CLayoutDialog(int layoutId, platform::qt::IPictureSource& pictures, QWidget* parent,
                  const BaseUnitsAdjuster& adjust = {});

    const res::DialogLayout& Layout() const { return *m_layout; }
    platform::qt::IPictureSource& Pictures() const { return m_pictures; }
    // The control with `id` (the first one for -1), or nullptr.
    QWidget* Control(int id) const;

    template <class T>
    T* ControlAs(int id) const {
        return qobject_cast<T*>(Control(id));
    }

private:
    friend struct TestAccess;
    // The layout's font at `scale` times its size.
    void SetLayoutFont(qreal scale);
    // The base units of the dialog's font, as `adjust` raises them.
    QSize MeasureBaseUnits(const BaseUnitsAdjuster& adjust) const;
    // Sets the font at `scale` and works out where everything goes with it.
    LayoutGeometry Arrange(qreal scale, QSize defaultUnits, const BaseUnitsAdjuster& adjust);

    platform::qt::IPictureSource& m_pictures;
    const res::DialogLayout* m_layout;
    QSize m_baseUnits;                                 // the base units the layout was converted with
    std::vector<std::pair<int, QWidget*>> m_controls;  // id and widget, in layout order; owned by Qt
};
