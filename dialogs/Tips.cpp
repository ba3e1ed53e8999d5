#include "dialogs/Tips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPainter>

#include <QPushButton>
#include "platform/qt/Text.h"
#include "platform/qt/pictures/DeviceScale.h"
#include "resources/TipTexts.h"

#include <algorithm>

#include "dialogs/TipCycle.h"
#include "engine/Settings.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"

namespace {

// Free space kept between the picture and the controls or the dialog's edge.
constexpr int kPictureMargin = 5;

constexpr QRect kPictureArea{CTips::kPictureLeft, CTips::kPictureTop, CTips::kPictureWidth, CTips::kPictureHeight};

LayoutGeometry TipsLayout(QSize base) {
    const res::DialogLayout* layout = res::FindDialog(res::IDD_TIPS);
    return layout != nullptr ? ComputeLayout(*layout, base) : LayoutGeometry{};
}

bool WideEnough(const LayoutGeometry& geometry) {
    return geometry.client.width() >= kPictureArea.right() + 1 + kPictureMargin;
}

bool ControlsBelowPicture(const LayoutGeometry& geometry) {
    return std::all_of(geometry.controls.begin(), geometry.controls.end(), [](const QRect& control) {
        return control.top() >= kPictureArea.bottom() + 1 + kPictureMargin;
    });
}

}  // namespace

QSize CTips::BaseUnitsClearOfPicture(QSize measured) {
    // The units only grow, one pixel at a time, until the layout fits.
    QSize base = measured.expandedTo({1, 1});
    if (res::FindDialog(res::IDD_TIPS) == nullptr) return base;
    while (!WideEnough(TipsLayout(base))) base.rwidth() += 1;
    while (!ControlsBelowPicture(TipsLayout(base))) base.rheight() += 1;
    return base;
}

CTips::CTips(platform::ISettingsStore& store, platform::qt::IPictureSource& pictures, QWidget* parent)
    : CLayoutDialog(res::IDD_TIPS, pictures, parent, &CTips::BaseUnitsClearOfPicture), m_store(store) {
    if (QPushButton* next = NextButton()) {
        connect(next, &QPushButton::clicked, this, [this] {
            ShowNextTip();
            // The focus stays on Next Tip: a screen reader hears the new tip
            // with the notice that pops up.
            platform::qt::painted_parts::AnnounceShown(this, kNoticePart);
        });
    }
}

QCheckBox* CTips::ShowCheck() const { return ControlAs<QCheckBox>(res::IDC_DONT_SHOW_TIPS); }
QPushButton* CTips::CloseButton() const { return ControlAs<QPushButton>(res::IDOK); }
QPushButton* CTips::NextButton() const { return ControlAs<QPushButton>(res::IDC_NEXT_TIP); }

void CTips::showEvent(QShowEvent* event) {
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    CLayoutDialog::showEvent(event);
}

void CTips::OnInitDialog() {
    if (QCheckBox* check = ShowCheck()) {
        check->setChecked(game_settings::Read(m_store, game_settings::kTipsHidden));
    }
    ShowNextTip();
}

void CTips::ShowNextTip() {
    m_tipBitmap = tips::ShowNextTip(m_store);
    platform::qt::painted_parts::AnnounceChanges(this, kTipPart);
    update(kPictureArea);
}

void CTips::StoreCheck() {
    const QCheckBox* check = ShowCheck();
    game_settings::Write(m_store, game_settings::kTipsHidden, check != nullptr && check->isChecked());
}

void CTips::accept() {
    StoreCheck();
    CLayoutDialog::accept();
}

void CTips::closeEvent(QCloseEvent* event) {
    // The close box and the window menu's Close store the box like Close;
    // Esc ends the dialog without coming here.
    StoreCheck();
    CLayoutDialog::closeEvent(event);
}

void CTips::paintEvent(QPaintEvent*) {
    // The tip pictures are exactly the picture area's size.
    QPainter painter(this);
    platform::qt::DrawWholePicture(painter, Pictures(), m_tipBitmap, kPictureArea.topLeft());
}

namespace {

// A tip's words as they read aloud: without the bold marks, paragraphs on
// lines of their own.
QString Spoken(const res::Text& text) {
    QString spoken = platform::qt::Tr(text);
    spoken.remove(QLatin1Char('*'));
    return spoken.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
}

}  // namespace

QString CTips::SpokenTip() const {
    const int index = m_tipBitmap - res::IDB_TIP_FIRST;
    if (index < 0 || index >= static_cast<int>(std::size(res::kTipTexts))) return {};
    const res::TipText& tip = res::kTipTexts[static_cast<std::size_t>(index)];
    QString words = Spoken(tip.title) + QLatin1Char('\n') + Spoken(tip.body);
    if (!tip.aside.English().empty()) words += QLatin1Char('\n') + Spoken(tip.aside);
    return words;
}

std::vector<PaintedPart> CTips::Parts() const {
    // The picture is words: it reads as a label, which a screen reader reads
    // with the dialog as it opens.
    PaintedPart tip;
    tip.role = QAccessible::StaticText;
    tip.name = [this] { return SpokenTip(); };
    tip.rect = [] { return kPictureArea; };

    // A notice within a strip of no size, which pops up when Next Tip shows
    // a tip: a screen reader speaks it with the window it is in, and the
    // window with its labels, the new tip. Words of its own would be heard
    // twice.
    PaintedPart strip;
    strip.role = QAccessible::StatusBar;
    strip.rect = [] { return QRect(); };
    PaintedPart notice;
    notice.role = QAccessible::Notification;
    notice.within = kStripPart;
    notice.name = [] { return QString(); };
    notice.rect = strip.rect;
    return {tip, strip, notice};
}
