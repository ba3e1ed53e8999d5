#include "tools/assetgen/WidgetArt.h"

#include "tools/assetgen/Bidi.h"
#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Prng.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <vector>

namespace assetgen {
namespace {

const QColor kPanelLine(23, 51, 15);      // the dark line along the strip's edges
const QColor kPanelShine(154, 216, 112);  // the lit top edge
const QColor kPanelTop(78, 150, 52);
const QColor kPanelBottom(50, 112, 36);
const QColor kLabelPlate(36, 80, 26);
const QColor kLabelText(255, 233, 168);

struct ButtonColours {
    QColor light, dark, border;
};

const ButtonColours kConfirm{QColor(112, 196, 74), QColor(44, 124, 32), QColor(26, 74, 18)};
const ButtonColours kDismiss{QColor(238, 136, 96), QColor(176, 66, 40), QColor(110, 36, 20)};

// The panel background for rows `top` .. `top` + height, full width.
void PaintPanelRows(QPainter& p, qreal width, qreal top) {
    const int panelHeight = Picture(res::IDB_STATUS_PANEL).height;
    p.save();
    p.translate(0, -top);
    QLinearGradient body(0, 3, 0, 56);
    body.setColorAt(0, kPanelTop);
    body.setColorAt(1, kPanelBottom);
    p.fillRect(QRectF(0, 0, width, panelHeight), body);
    // A faint felt grain running along the strip (it only varies downwards).
    Prng grain(0x9A1E);
    for (int y = 3; y < 56; ++y) {
        const int shade = static_cast<int>(grain.Range(-1, 1) * 14);
        p.fillRect(QRectF(0, y, width, 1), shade > 0 ? QColor(255, 255, 255, shade) : QColor(0, 0, 0, -shade));
    }
    // Two engraved rails frame the plate above and below the counters.
    for (qreal y : {6.0, 53.0}) {
        p.fillRect(QRectF(0, y, width, 1), QColor(30, 70, 22, 170));
        p.fillRect(QRectF(0, y + 1, width, 1), QColor(170, 226, 130, 110));
    }
    p.fillRect(QRectF(0, 0, width, 1), kPanelLine);
    p.fillRect(QRectF(0, 1, width, 1), kPanelShine);
    p.fillRect(QRectF(0, 2, width, 1), QColor(120, 188, 84));
    p.fillRect(QRectF(0, 56, width, 4), kPanelLine);
    p.restore();
}

QPainterPath Triangle(ArrowDirection d, QPointF c) {
    const qreal s = d == ArrowDirection::Left ? -1 : 1;
    QPainterPath t;
    t.moveTo(c + QPointF(s * 6.5, 0));
    t.lineTo(c + QPointF(-s * 4.5, -7));
    t.lineTo(c + QPointF(-s * 4.5, 7));
    t.closeSubpath();
    return t;
}

// Room a word has on a plate: the inside of its rounded ends.
constexpr qreal kPlateWordInset = 2;

}  // namespace

QPainterPath WidgetArt::Word(qreal size, const QString& text, QPointF centre, qreal room, int pictureId,
                             const char* where, std::vector<Misfit>* misfits) const {
    const QString drawn = m_direction == Qt::RightToLeft ? VisualOrder(text) : text;
    const QPainterPath ref = TextPath(m_fonts.bold, size, QStringLiteral("H"));
    const QPainterPath path = TextPath(m_fonts, true, size, drawn);
    const QRectF box = path.boundingRect();
    const qreal dy = centre.y() - ref.boundingRect().center().y();
    if (box.width() <= room) return path.translated(centre.x() - box.center().x(), dy);
    const qreal squeeze = room / box.width();
    if (squeeze < kMinWordSqueeze && misfits != nullptr)
        misfits->push_back({pictureId, text, QString::fromLatin1(where)});
    QTransform t;
    t.translate(centre.x(), dy);
    t.scale(std::max(squeeze, kMinWordSqueeze), 1);
    t.translate(-box.center().x(), 0);
    return t.map(path);
}

QImage WidgetArt::Panel(const res::PictureInfo& panel) const {
    const int w = panel.width, h = panel.height;
    return Render(
        w, h,
        [w, h](QPainter& p) {
            PaintPanelRows(p, w, 0);
            // Thin side edges; stretched a little they stay thin.
            p.fillRect(QRectF(0, 0, 1, h), kPanelLine);
            p.fillRect(QRectF(1, 1, 1, h - 5), QColor(120, 188, 84, 160));
            p.fillRect(QRectF(w - 2, 1, 1, h - 5), QColor(20, 50, 14, 120));
            p.fillRect(QRectF(w - 1, 0, 1, h), kPanelLine);
        },
        kSupersample, m_scale);
}

QImage WidgetArt::Label(const res::PictureInfo& plateInfo, const QString& text, std::vector<Misfit>* misfits) const {
    const int width = plateInfo.width, height = plateInfo.height;
    return Render(
        width, height,
        [&](QPainter& p) {
            PaintPanelRows(p, width, kLabelTop);
            const QRectF plate(1.5, 5.5, width - 3, height - 11);
            // Engraved: light edge below, shade inside along the top.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(170, 226, 130, 120));
            p.drawRoundedRect(plate.translated(0, 1), 8, 8);
            p.setBrush(kLabelPlate);
            p.drawRoundedRect(plate, 8, 8);
            QLinearGradient shade(0, plate.top(), 0, plate.top() + 6);
            shade.setColorAt(0, QColor(0, 0, 0, 90));
            shade.setColorAt(1, QColor(0, 0, 0, 0));
            p.setBrush(shade);
            p.drawRoundedRect(plate, 8, 8);
            const qreal size = text.size() > 6 ? 17 : 18;
            const QPainterPath words = Word(size, text, plate.center(), plate.width() - 2 * kPlateWordInset,
                                            plateInfo.id, "plate", misfits);
            p.fillPath(words.translated(0, 1), QColor(10, 30, 6, 200));
            p.fillPath(words, kLabelText);
        },
        kSupersample, m_scale);
}

QImage WidgetArt::Button(const res::PictureInfo& button, const QString& text, ButtonKind kind, bool pressed,
                         std::vector<Misfit>* misfits) const {
    const ButtonColours& c = kind == ButtonKind::Confirm ? kConfirm : kDismiss;
    const int w = button.width, h = button.height;
    return Render(
        w, h,
        [&](QPainter& p) {
            p.fillRect(QRectF(0, 0, w, h), kDialogGreen);
            const qreal sink = pressed ? res::kButtonPressSink : 0;
            const QRectF body(res::kButtonFaceInset, res::kButtonFaceInset + sink, w - 2 * res::kButtonFaceInset,
                              res::kButtonFaceHeight);
            const qreal radius = res::kButtonFaceRadius;
            p.setPen(Qt::NoPen);
            if (!pressed) {  // a soft shadow under the raised button
                p.setBrush(QColor(60, 140, 60, 110));
                p.drawRoundedRect(body.translated(0, 4), radius, radius);
                p.setBrush(QColor(60, 140, 60, 70));
                p.drawRoundedRect(body.translated(0, 5).adjusted(-0.5, 0, 0.5, 0.5), radius, radius);
            }
            QLinearGradient fill(0, body.top(), 0, body.bottom());
            fill.setColorAt(0, pressed ? c.dark : c.light);
            fill.setColorAt(1, pressed ? c.dark.lighter(125) : c.dark);
            p.setBrush(fill);
            p.setPen(QPen(c.border, 1.6));
            p.drawRoundedRect(body, radius, radius);
            p.setPen(Qt::NoPen);
            if (pressed) {  // pushed in: the top edge throws a shadow inside
                QLinearGradient shade(0, body.top(), 0, body.top() + 9);
                shade.setColorAt(0, QColor(0, 0, 0, 110));
                shade.setColorAt(1, QColor(0, 0, 0, 0));
                p.setBrush(shade);
                p.drawRoundedRect(body.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
            } else {  // a glossy highlight on the upper half
                const QRectF gloss = body.adjusted(5, 3, -5, -body.height() / 2);
                QLinearGradient shine(0, gloss.top(), 0, gloss.bottom());
                shine.setColorAt(0, QColor(255, 255, 255, 120));
                shine.setColorAt(1, QColor(255, 255, 255, 10));
                p.setBrush(shine);
                p.drawRoundedRect(gloss, radius - 5, radius - 5);
            }
            const qreal size = text.size() > 3 ? 22 : 25;
            const QPainterPath words = Word(size, text, body.center() + QPointF(0, 0.5),
                                            body.width() - 2 * res::kButtonWordInset, button.id, "button", misfits);
            p.fillPath(words.translated(0, 1.5), QColor(c.border.red(), c.border.green(), c.border.blue(), 200));
            p.fillPath(words, pressed ? QColor(236, 236, 226) : Qt::white);
        },
        kSupersample, m_scale);
}

QImage WidgetArt::ArrowStrip(const res::PictureInfo& strip, ArrowDirection direction) const {
    const int w = strip.FrameWidth(), h = strip.height;
    std::vector<QImage> frames;
    for (int s = 0; s < strip.frameCount; ++s) {
        const auto state = static_cast<ArrowState>(s);
        frames.push_back(Render(
            w, h,
            [&](QPainter& p) {
                p.fillRect(QRectF(0, 0, w, h), kDialogGreen);
                const bool pressed = state == ArrowState::Pressed;
                const bool lit = state == ArrowState::Lit;
                const QPointF centre(15, pressed ? 15.8 : 14.6);
                const qreal r = 12.2;
                p.setPen(Qt::NoPen);
                if (lit) {  // a warm glow around the lit arrow
                    QRadialGradient glow(centre, r + 3);
                    glow.setColorAt(0.75, QColor(255, 240, 120, 230));
                    glow.setColorAt(1, QColor(255, 240, 120, 0));
                    p.setBrush(glow);
                    p.drawEllipse(centre, r + 3, r + 3);
                } else if (!pressed) {
                    p.setBrush(QColor(60, 140, 60, 110));
                    p.drawEllipse(centre + QPointF(0, 1.8), r, r);
                }
                QLinearGradient fill(0, centre.y() - r, 0, centre.y() + r);
                const QColor top = lit ? kConfirm.light.lighter(125) : pressed ? kConfirm.dark : kConfirm.light;
                const QColor bottom = lit       ? kConfirm.light.darker(115)
                                      : pressed ? kConfirm.dark.lighter(125)
                                                : kConfirm.dark;
                fill.setColorAt(0, top);
                fill.setColorAt(1, bottom);
                p.setBrush(fill);
                p.setPen(QPen(kConfirm.border, 1.3));
                p.drawEllipse(centre, r, r);
                p.setPen(Qt::NoPen);
                if (pressed) {
                    QLinearGradient shade(0, centre.y() - r, 0, centre.y() - r + 7);
                    shade.setColorAt(0, QColor(0, 0, 0, 110));
                    shade.setColorAt(1, QColor(0, 0, 0, 0));
                    p.setBrush(shade);
                    p.drawEllipse(centre, r - 0.7, r - 0.7);
                } else {
                    QLinearGradient shine(0, centre.y() - r, 0, centre.y());
                    shine.setColorAt(0, QColor(255, 255, 255, 120));
                    shine.setColorAt(1, QColor(255, 255, 255, 0));
                    p.setBrush(shine);
                    p.drawEllipse(QRectF(centre.x() - r + 3, centre.y() - r + 1.5, 2 * r - 6, r));
                }
                const QPainterPath arrow =
                    Triangle(direction, centre + QPointF(direction == ArrowDirection::Left ? -0.5 : 0.5, 0));
                p.setPen(QPen(kConfirm.border, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(Qt::NoBrush);
                p.drawPath(arrow.translated(0, 1));
                p.setPen(QPen(lit       ? QColor(255, 250, 214)
                              : pressed ? QColor(224, 236, 216)
                                        : Qt::white,
                              1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(lit ? QColor(255, 250, 214) : pressed ? QColor(224, 236, 216) : Qt::white);
                p.drawPath(arrow);
            },
            kSupersample, m_scale));
    }
    return JoinFrames(frames);
}

}  // namespace assetgen
