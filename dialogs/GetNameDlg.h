#pragma once

#include <string>

#include "dialogs/LayoutDialog.h"

class QLineEdit;

// Asks for the player's name when a result earns a place in the best
// results. It offers a name to start from; OK (or Enter) returns the edited
// text exactly as typed, Esc and the close box return the offered name. It
// writes nothing itself. The focus starts on OK, so Enter or Space accepts
// the offered name at once; typing a character other than a space there
// starts a new name in the edit box instead of losing the keys.
class CGetNameDlg final : public CLayoutDialog {
    Q_OBJECT

public:
    // `offered`: the last name entered, or four spaces when there is none;
    // `points`: the result the name goes with, which a screen reader hears
    // with the prompt.
    CGetNameDlg(std::string offered, int points, platform::qt::IPictureSource& pictures, QWidget* parent);

    // The name to record, valid after the dialog has closed.
    const std::string& Name() const { return m_name; }
    QLineEdit* NameEdit() const;

    // OK: takes the edit box's text as the name.
    void accept() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Letters typed while OK has the focus start a new name in the edit box.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string m_name;  // the offered name until OK takes the edited one
};
