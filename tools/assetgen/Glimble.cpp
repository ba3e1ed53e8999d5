#include "tools/assetgen/Glimble.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace assetgen {
namespace {

const QColor kInk(58, 28, 110);  // outline and mouth
const QColor kBodyLight(200, 160, 248);
const QColor kBodyMid(146, 92, 222);
const QColor kBodyDark(92, 50, 170);
const QColor kFeet(104, 62, 178);
const QColor kGlow(255, 216, 74);  // antenna tips
const QColor kGlowRim(176, 118, 16);
const QColor kPupil(29, 16, 48);
const QColor kCheek(255, 140, 180, 150);

// Maps the glimble's own unit square onto the box.
QTransform UnitToBox(const QRectF& box) {
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width(), box.height());
    return t;
}

QPainterPath Antennae() {
    QPainterPath a;
    a.moveTo(0.40, 0.26);
    a.quadTo(0.34, 0.12, 0.25, 0.09);
    a.moveTo(0.60, 0.26);
    a.quadTo(0.66, 0.12, 0.75, 0.09);
    return a;
}

}  // namespace

void DrawGlimble(QPainter& p, const QRectF& box, GlimbleDetail detail) {
    p.save();
    p.setTransform(UnitToBox(box), true);
    const qreal line = detail == GlimbleDetail::Full ? 0.035 : 0.05;

    // Antennae behind the body, tips glowing.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, line, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(Antennae());
    for (QPointF tip : {QPointF(0.25, 0.09), QPointF(0.75, 0.09)}) {
        if (detail == GlimbleDetail::Full) {
            QRadialGradient halo(tip, 0.16);
            halo.setColorAt(0, QColor(255, 236, 140, 160));
            halo.setColorAt(1, QColor(255, 236, 140, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(halo);
            p.drawEllipse(tip, 0.16, 0.16);
        }
        p.setPen(QPen(kGlowRim, line * 0.7));
        p.setBrush(kGlow);
        p.drawEllipse(tip, 0.085, 0.085);
    }

    // Feet.
    p.setPen(QPen(kInk, line));
    p.setBrush(kFeet);
    p.drawEllipse(QPointF(0.32, 0.92), 0.13, 0.07);
    p.drawEllipse(QPointF(0.68, 0.92), 0.13, 0.07);

    // Body: a soft round blob lit from the upper left.
    p.setPen(QPen(kInk, line));
    if (detail == GlimbleDetail::Flat) {
        p.setBrush(kBodyMid);
        p.drawEllipse(QPointF(0.5, 0.59), 0.43, 0.36);
        p.setPen(Qt::NoPen);
        p.setBrush(kBodyLight);
        p.drawEllipse(QPointF(0.36, 0.36), 0.12, 0.07);
    } else {
        QRadialGradient body(QPointF(0.38, 0.40), 0.55);
        body.setColorAt(0, kBodyLight);
        body.setColorAt(0.55, kBodyMid);
        body.setColorAt(1, kBodyDark);
        p.setBrush(body);
        p.drawEllipse(QPointF(0.5, 0.59), 0.43, 0.36);
    }

    if (detail == GlimbleDetail::Full) {
        p.setPen(Qt::NoPen);
        p.setBrush(kCheek);
        p.drawEllipse(QPointF(0.22, 0.70), 0.07, 0.045);
        p.drawEllipse(QPointF(0.78, 0.70), 0.07, 0.045);
    }

    // Eyes: big and white, looking slightly down and to the right.
    p.setPen(QPen(kInk, line * 0.7));
    p.setBrush(Qt::white);
    const qreal eyeRx = detail == GlimbleDetail::Full ? 0.12 : 0.135;
    const qreal eyeRy = detail == GlimbleDetail::Full ? 0.14 : 0.15;
    if (detail == GlimbleDetail::Flat) p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0.36, 0.52), eyeRx, eyeRy);
    p.drawEllipse(QPointF(0.64, 0.52), eyeRx, eyeRy);
    p.setPen(Qt::NoPen);
    p.setBrush(kPupil);
    const qreal pupil = detail == GlimbleDetail::Full ? 0.062 : 0.075;
    p.drawEllipse(QPointF(0.38, 0.555), pupil, pupil * 1.1);
    p.drawEllipse(QPointF(0.66, 0.555), pupil, pupil * 1.1);

    if (detail == GlimbleDetail::Full) {
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0.36, 0.525), 0.024, 0.024);
        p.drawEllipse(QPointF(0.64, 0.525), 0.024, 0.024);
        QPainterPath smile;
        smile.moveTo(0.43, 0.73);
        smile.quadTo(0.5, 0.80, 0.57, 0.73);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kInk, line, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(smile);
    }
    p.restore();
}

void DrawGlimbleGhost(QPainter& p, const QRectF& box, const QColor& colour) {
    p.save();
    p.setTransform(UnitToBox(box), true);
    QColor fill = colour;
    fill.setAlpha(colour.alpha() / 2);
    QPen pen(colour, 0.07, Qt::DashLine, Qt::RoundCap);
    pen.setDashPattern({1.4, 1.1});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(Antennae());
    p.setBrush(fill);
    p.drawEllipse(QPointF(0.5, 0.59), 0.43, 0.36);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(0.36, 0.54), 0.07, 0.08);
    p.drawEllipse(QPointF(0.64, 0.54), 0.07, 0.08);
    p.restore();
}

}  // namespace assetgen
