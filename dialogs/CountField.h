#pragma once

#include <QWidget>

#include "dialogs/CountPicker.h"

// The count picker as one keyboard stop: it takes the focus as a spin button
// does, shows it by a ring around the digits, and reads out to screen readers
// as a spin button with the number and its range. It draws nothing else and
// takes no clicks: the dialog draws the picker and the arrows take the clicks
// there.
class CountField final : public QWidget {
    Q_OBJECT

public:
    // `picker` outlives the field; `dialog` is the count dialog, which places
    // the field over the picker's row with Place().
    CountField(const CountPicker& picker, QWidget* dialog);

    const CountPicker& Picker() const { return m_picker; }

    // Lies over the picker's row where it is now, ring room included.
    void Place();

    // Tells screen readers the number the picker shows now.
    void AnnounceNumber();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const CountPicker& m_picker;
};
