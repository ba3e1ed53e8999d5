#include "dialogs/GetNameDlg.h"

#include <QLineEdit>
#include <QPainter>
#include <utility>

#include "dialogs/DialogColours.h"
#include "engine/Settings.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"

CGetNameDlg::CGetNameDlg(std::string offered, platform::qt::IPictureSource& pictures, QWidget* parent)
    : CLayoutDialog(res::IDD_GET_NAME, pictures, parent), m_name(std::move(offered)) {
    if (QLineEdit* edit = NameEdit()) {
        edit->setMaxLength(static_cast<int>(game_settings::kNameChars));
        edit->setText(QString::fromStdString(m_name));
    }
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
