#include "dialogs/LayoutDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "dialogs/BitmapButton.h"
#include "dialogs/DesktopFont.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/ScreenRoom.h"
#include "platform/qt/Text.h"
#include "platform/qt/accessibility/PaintedParts.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"

namespace {

using res::ControlKind;
namespace style = res::style;

// The space kept between a control and the client area's edge when the
// area has to grow.
constexpr int kEdgeMargin = 5;

// The pictures of each picture button, by control id.
struct ButtonPictures {
    int controlId;
    int normal;
    int pressed;
};
constexpr ButtonPictures kButtonPictures[] = {
    {res::IDOK, res::IDB_OK, res::IDB_OK_PRESSED},
    {res::IDCANCEL, res::IDB_CANCEL, res::IDB_CANCEL_PRESSED},
};

const ButtonPictures* FindPictures(int controlId) {
    for (const ButtonPictures& p : kButtonPictures) {
        if (p.controlId == controlId) return &p;
    }
    return nullptr;
}

bool Has(res::StyleFlags flags, res::StyleFlags flag) { return (flags & flag) != 0; }

QWidget* MakeControl(const res::DialogControl& control, platform::qt::IPictureSource& pictures, QWidget* parent) {
    const QString text = platform::qt::Tr(control.text);
    switch (control.kind) {
        case ControlKind::StaticText: {
            auto* label = new QLabel(text, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Has(control.style, style::SS_CENTER) ? Qt::AlignHCenter | Qt::AlignTop
                                                                     : Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, parent);
            button->setAutoDefault(true);
            button->setDefault(Has(control.style, style::BS_DEFPUSHBUTTON));
            return button;
        }
        case ControlKind::PictureButton: {
            auto* button = new CBitmapButton(text, pictures, parent);
            if (const ButtonPictures* ids = FindPictures(control.id)) {
                button->LoadBitmaps(ids->normal, ids->pressed);
            }
            return button;
        }
        case ControlKind::EditBox: {
            auto* edit = new QLineEdit(parent);
            edit->setAlignment(Has(control.style, style::ES_CENTER) ? Qt::AlignCenter
                                                                    : Qt::AlignLeft | Qt::AlignVCenter);
            edit->setFrame(Has(control.style, style::WS_BORDER));
            return edit;
        }
        case ControlKind::CheckBox: return new QCheckBox(text, parent);
    }
    return new QWidget(parent);
}

}  // namespace

LayoutGeometry ComputeLayout(const res::DialogLayout& layout, QSize baseUnits, QSize defaultUnits) {
    if (defaultUnits.isEmpty()) defaultUnits = baseUnits;
    LayoutGeometry g;
    g.client = DialogUnitsToPixels(baseUnits, {0, 0, layout.width, layout.height}).size();
    for (const res::DialogControl& control : layout.controls) {
        QRect rect = DialogUnitsToPixels(baseUnits, control.rect);
        if (control.kind == ControlKind::PictureButton) {
            const QRect atDefault = DialogUnitsToPixels(defaultUnits, control.rect);
            rect = QRect(atDefault.topLeft() + rect.center() - atDefault.center(),
                         QSize(CBitmapButton::kWidth, CBitmapButton::kHeight));
        }
        g.client = g.client.expandedTo({rect.right() + 1 + kEdgeMargin, rect.bottom() + 1 + kEdgeMargin});
        g.controls.push_back(rect);
    }
    return g;
}

void FitTexts(LayoutGeometry& geometry, const std::vector<int>& neededWidths) {
    std::vector<QRect>& rects = geometry.controls;
    for (std::size_t i = 0; i < rects.size() && i < neededWidths.size(); ++i) {
        const int lacking = neededWidths[i] - rects[i].width();
        if (lacking <= 0) continue;
        const QRect before = rects[i];
        rects[i].setWidth(neededWidths[i]);
        for (std::size_t j = 0; j < rects.size(); ++j) {
            const bool sameLine = rects[j].top() <= before.bottom() && rects[j].bottom() >= before.top();
            if (j != i && sameLine && rects[j].left() > before.right()) rects[j].translate(lacking, 0);
        }
    }
    for (const QRect& rect : rects) {
        geometry.client = geometry.client.expandedTo({rect.right() + 1 + kEdgeMargin, geometry.client.height()});
    }
}

void MirrorLayout(LayoutGeometry& geometry) {
    for (QRect& rect : geometry.controls) rect.moveLeft(geometry.client.width() - rect.left() - rect.width());
}

CLayoutDialog::CLayoutDialog(int layoutId, platform::qt::IPictureSource& pictures, QWidget* parent,
                             const BaseUnitsAdjuster& adjust)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_pictures(pictures), m_layout(res::FindDialog(layoutId)) {
    static const res::DialogLayout kNoLayout{0, 0, 0, {}, {}, 0, 0, {}};
    if (m_layout == nullptr) m_layout = &kNoLayout;
    setModal(true);
    platform::qt::painted_parts::Install();  // for the dialogs that paint parts of themselves
    setWindowTitle(platform::qt::Tr(m_layout->title));

    SetLayoutFont(1);
    const QSize defaultUnits = MeasureBaseUnits(adjust);
    for (const res::DialogControl& control : m_layout->controls) {
        m_controls.emplace_back(control.id, MakeControl(control, m_pictures, this));
    }
    // The font grows with the desktop's, as far as the screen has room.
    const QFont desktopFont = QApplication::font();
    LayoutGeometry geometry;
    screen_room::FittingScale(desktop_font::Scale(desktopFont), 1, screen_room::RoomFor(parent, desktopFont),
                              [&](qreal scale) {
                                  geometry = Arrange(scale, defaultUnits, adjust);
                                  return geometry.client;
                              });
    if (layoutDirection() == Qt::RightToLeft) MirrorLayout(geometry);
    setFixedSize(geometry.client);

    QWidget* previous = nullptr;
    QWidget* firstTabStop = nullptr;
    for (std::size_t i = 0; i < m_layout->controls.size(); ++i) {
        const res::DialogControl& control = m_layout->controls[i];
        QWidget* widget = m_controls[i].second;
        widget->setGeometry(geometry.controls[i]);
        if (Has(control.style, style::WS_TABSTOP)) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (firstTabStop == nullptr) firstTabStop = widget;
            if (previous != nullptr) QWidget::setTabOrder(previous, widget);
            previous = widget;
        } else if (widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocusPolicy(Qt::ClickFocus);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (control.id == res::IDOK) connect(button, &QAbstractButton::clicked, this, &QDialog::accept);
            if (control.id == res::IDCANCEL) connect(button, &QAbstractButton::clicked, this, &QDialog::reject);
        }
    }
    // Enter means OK unless the layout names another default button.
    const bool hasDefault = std::any_of(m_layout->controls.begin(), m_layout->controls.end(),
                                        [](const res::DialogControl& c) {
                                            return Has(c.style, style::BS_DEFPUSHBUTTON);
                                        });
    if (auto* ok = ControlAs<QPushButton>(res::IDOK); ok != nullptr && !hasDefault) ok->setDefault(true);
    if (firstTabStop != nullptr) firstTabStop->setFocus();
}

void CLayoutDialog::SetLayoutFont(qreal scale) {
    if (m_layout->fontName.empty()) return;
    setFont(desktop_font::Scaled(QFont(platform::qt::ToQString(m_layout->fontName), m_layout->fontPoints), scale));
}

QSize CLayoutDialog::MeasureBaseUnits(const BaseUnitsAdjuster& adjust) const {
    const QSize measured = DialogBaseUnits(QFontMetrics(font()));
    return adjust ? adjust(measured) : measured;
}

LayoutGeometry CLayoutDialog::Arrange(qreal scale, QSize defaultUnits, const BaseUnitsAdjuster& adjust) {
    SetLayoutFont(scale);
    m_baseUnits = MeasureBaseUnits(adjust);
    LayoutGeometry geometry = ComputeLayout(*m_layout, m_baseUnits, defaultUnits);
    std::vector<int> neededWidths;
    for (std::size_t i = 0; i < m_layout->controls.size(); ++i) {
        const ControlKind kind = m_layout->controls[i].kind;
        // A picture button's words are drawn to fit its picture.
        const bool hasText = kind != ControlKind::PictureButton && kind != ControlKind::EditBox;
        neededWidths.push_back(hasText ? m_controls[i].second->sizeHint().width() : 0);
    }
    FitTexts(geometry, neededWidths);
    return geometry;
}

QWidget* CLayoutDialog::Control(int id) const {
    for (const auto& [controlId, widget] : m_controls) {
        if (controlId == id) return widget;
    }
    return nullptr;
}
