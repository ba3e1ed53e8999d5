#pragma once

#include <QSize>

#include "dialogs/LayoutDialog.h"
#include "platform/SettingsStore.h"
#include "platform/qt/accessibility/PaintedParts.h"
#include "resources/Pictures.h"

class QCheckBox;
class QPushButton;

// Shows one of the five tip pictures, the next one each time it opens and at
// each press of Next Tip, and the check box "Do not show this dialog on the
// start.". Close and the close box store the check box; Esc does not.
class CTips final : public CLayoutDialog, public IPaintedParts {
    Q_OBJECT

public:
    // `store` must outlive the dialog. Nothing is read or written until the
    // dialog shows.
    CTips(platform::ISettingsStore& store, platform::qt::IPictureSource& pictures, QWidget* parent);

    QCheckBox* ShowCheck() const;
    QPushButton* CloseButton() const;
    QPushButton* NextButton() const;

    // The tip picture, read out as the words it shows, and a notice of the
    // same words for a screen reader to speak when Next Tip shows them.
    std::vector<PaintedPart> Parts() const override;
    // The tip shown now as it reads aloud: its title, then its words.
    QString SpokenTip() const;

    // Close: stores the check box, then ends the dialog.
    void accept() override;

    // The tip picture's place in the client area.
    static constexpr int kPictureLeft = 5;
    static constexpr int kPictureTop = 5;
    static constexpr int kPictureWidth = res::kTipWidth;
    static constexpr int kPictureHeight = res::kTipHeight;

    // The measured base units, raised where needed so that the picture fits
    // across the dialog and the controls stay below it.
    static QSize BaseUnitsClearOfPicture(QSize measured);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend struct TestAccess;
    static constexpr int kTipPart = 0;
    static constexpr int kStripPart = 1;
    static constexpr int kNoticePart = 2;
    void OnInitDialog();
    void ShowNextTip();
    void StoreCheck();

    platform::ISettingsStore& m_store;
    int m_tipBitmap = 0;         // the tip picture shown now, set before anything is drawn
    bool m_initialised = false;  // the first showing has read the settings
};
