#include "dialogs/GetNameDlg.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <utility>

#include "dialogs/DialogColours.h"
#include "engine/Settings.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"

CGetNameDlg::CGetNameDlg(std::string offered, int points, platform::qt::IPictureSource& pictures, QWidget* parent)
    : CLayoutDialog(res::IDD_GET_NAME, pictures, parent), m_name(std::move(offered)) {
    setAccessibleDescription(
        QCoreApplication::translate("Name dialog", "Points %1, a place among the best results").arg(points));
    if (QLineEdit* edit = NameEdit()) {
        edit->setMaxLength(static_cast<int>(game_settings::kNameChars));
        edit->setText(QString::fromStdString(m_name));
        // A screen reader names the box by the prompt's words.
        edit->setAccessibleName(windowTitle());
    }
    if (QWidget* ok = Control(res::IDOK)) ok->installEventFilter(this);
}

bool CGetNameDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        const bool printable = !typed.isEmpty() && typed.at(0).isPrint() && typed != QStringLiteral(" ");
        const bool command = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
        QLineEdit* edit = NameEdit();
        if (printable && !command && edit != nullptr) {
            // The typed character replaces the offered name, and typing goes
            // on in the edit box.
            edit->setFocus(Qt::OtherFocusReason);
            edit->setText(typed.left(edit->maxLength()));
            return true;
        }
    }
    return CLayoutDialog::eventFilter(watched, event);
}

QLineEdit* CGetNameDlg::NameEdit() const { return ControlAs<QLineEdit>(res::IDC_NAME_EDIT); }

void CGetNameDlg::accept() {
    if (QLineEdit* edit = NameEdit()) m_name = edit->text().toStdString();
    CLayoutDialog::accept();
}

void CGetNameDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), dialog_colours::kBackground);
}
