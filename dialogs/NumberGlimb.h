#pragma once

#include <QImage>

#include <functional>

#include "dialogs/CountPicker.h"
#include "dialogs/LayoutDialog.h"

class CountField;

// Picks the number of glimbles for the next games: two large digits between
// a decrease and an increase arrow, which light under the pointer and step
// the number on a click, or on a step key which presses its arrow as a
// click does; OK and Cancel picture buttons below. The keyboard starts on
// the number, which reads out as a spin button.
class CNumberGlimb final : public CLayoutDialog {
    Q_OBJECT

public:
    // The range and the starting number, which may lie outside the range.
    CNumberGlimb(int smallest, int largest, int number, platform::qt::IPictureSource& pictures, QWidget* parent);

    // The number chosen; read after OK.
    int GetNumber() const { return m_picker.GetNumber(); }

    // How long a click or a step key shows the pressed arrow, holding the
    // user-interface thread.
    static constexpr unsigned long kPressMilliseconds = 100;

    qreal WindowScale() const { return m_scale; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Left, Down and minus lower the number, Right, Up and plus raise it,
    // whichever button has the focus.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct TestAccess;
    class WindowSurface;

    // Shows the part of the retained picture inside `rect` on screen now.
    void Present(const QRect& rect);
    // Makes the retained picture the client area's device size, cleared,
    // when the size or the screen's scale changed.
    void FitPicture();
    // Steps the number for a step key; false for any other key.
    bool StepKey(const QKeyEvent& key);

    CountPicker m_picker;
    CountField* m_field;        // the number's keyboard stop, over the picker's row
    QImage m_window;            // the client area as drawn, kept between paints, in device pixels
    qreal m_scale = 1;          // device pixels per logical pixel of m_window
    bool m_presenting = false;  // a paint that only shows m_window, not a paint request
    std::function<void()>
        m_pressWait;  // runs while a press shows the pressed arrow: by default waits kPressMilliseconds
};
