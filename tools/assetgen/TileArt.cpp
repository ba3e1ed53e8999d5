#include "tools/assetgen/TileArt.h"

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Glimble.h"
#include "tools/assetgen/Prng.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstddef>
#include <iterator>
#include <numbers>

namespace assetgen {
namespace {

constexpr qreal kEdge = kTileUnits;
constexpr qreal kBevel = 2;  // width of the raised rim of a covered tile

struct Colours {
    // covered
    QColor outline, top, bottom, bevelLight, bevelDark, texLight, texDark;
    // uncovered
    QColor soilOutline, soilTop, soil, soilShadow, soilHighlight, fleckLight, fleckDark;
    QColor ink, halo, glow;
};

const Colours& ColoursOf(World w) {
    static const Colours grass{QColor(30, 72, 22),    QColor(112, 194, 70),  QColor(72, 152, 46), QColor(186, 240, 138),
                               QColor(36, 96, 26),    QColor(150, 222, 100), QColor(44, 118, 34), QColor(110, 80, 44),
                               QColor(214, 186, 138), QColor(228, 205, 160), QColor(130, 96, 52), QColor(246, 232, 200),
                               QColor(245, 228, 192), QColor(176, 142, 96),  QColor(52, 30, 14),  QColor(238, 220, 182),
                               QColor(255, 236, 150)};
    static const Colours sand{QColor(150, 96, 34),   QColor(246, 204, 120), QColor(228, 166, 80), QColor(255, 238, 190),
                              QColor(176, 116, 44),  QColor(255, 234, 176), QColor(196, 134, 58), QColor(160, 128, 80),
                              QColor(236, 222, 192), QColor(248, 240, 222), QColor(176, 146, 98), QColor(255, 252, 240),
                              QColor(255, 255, 248), QColor(200, 178, 136), QColor(22, 52, 100),  QColor(250, 244, 230),
                              QColor(255, 226, 140)};
    return w == World::Grass ? grass : sand;
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QRectF Inner() { return QRectF(1, 1, kEdge - 2, kEdge - 2); }

// --- covered tiles -------------------------------------------------------

void Blade(QPainter& p, QPointF base, qreal length, qreal lean, qreal width, const QColor& c) {
    const QPointF tip = base + QPointF(std::sin(lean) * length, -std::cos(lean) * length);
    const QPointF side(std::cos(lean) * width / 2, std::sin(lean) * width / 2);
    QPainterPath blade;
    blade.moveTo(base - side);
    blade.quadTo((base + tip) / 2 - side * 0.6, tip);
    blade.quadTo((base + tip) / 2 + side * 0.6, base + side);
    blade.closeSubpath();
    p.fillPath(blade, c);
}

void GrassTexture(QPainter& p, const Colours& c, Prng& rng) {
    // Soft darker clumps first, then a lawn of short blades.
    for (int i = 0; i < 7; ++i) {
        const QPointF at(rng.Range(2, 38), rng.Range(2, 38));
        QRadialGradient clump(at, rng.Range(5, 9));
        clump.setColorAt(0, WithAlpha(c.texDark, 60));
        clump.setColorAt(1, WithAlpha(c.texDark, 0));
        p.fillRect(Inner(), clump);
    }
    for (int i = 0; i < 120; ++i) {
        const QPointF base(rng.Range(0, 40), rng.Range(4, 42));
        const bool light = rng.Unit() < 0.5;
        Blade(p, base, rng.Range(2.5, 5.5), rng.Range(-0.45, 0.45), rng.Range(0.8, 1.3),
              WithAlpha(light ? c.texLight : c.texDark, static_cast<int>(rng.Range(110, 200))));
    }
}

void SandTexture(QPainter& p, const Colours& c, Prng& rng, qreal tilt) {
    const qreal wave = rng.Range(20, 28);
    for (int i = 0; i < 5; ++i) {
        const qreal y0 = 4 + i * 8.2 + rng.Range(-1, 1);
        const qreal phase = rng.Range(0, 2 * std::numbers::pi);
        QPainterPath ripple;
        for (int x = -2; x <= 42; ++x) {
            const qreal y = y0 + tilt * (x - 20) + 1.3 * std::sin(2 * std::numbers::pi * x / wave + phase);
            if (x == -2) ripple.moveTo(x, y);
            else ripple.lineTo(x, y);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(WithAlpha(c.texDark, 120), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(ripple);
        p.setPen(QPen(WithAlpha(c.texLight, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(ripple.translated(0, -1.1));
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const bool light = rng.Unit() < 0.5;
        p.setBrush(WithAlpha(light ? c.texLight : c.texDark, static_cast<int>(rng.Range(90, 190))));
        const qreal r = rng.Range(0.3, 0.6);
        p.drawEllipse(QPointF(rng.Range(1, 39), rng.Range(1, 39)), r, r);
    }
}

void Daisy(QPainter& p, QPointF at, qreal size, const QColor& petals, const QColor& heart) {
    p.setPen(QPen(WithAlpha(QColor(60, 90, 40), 120), 0.3));
    p.setBrush(petals);
    for (int k = 0; k < 5; ++k) {
        const qreal a = 2 * std::numbers::pi * k / 5 - std::numbers::pi / 2;
        p.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * size * 0.55, size * 0.42, size * 0.42);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(heart);
    p.drawEllipse(at, size * 0.38, size * 0.38);
}

void Pebble(QPainter& p, QPointF at, qreal w, qreal h, const QColor& stone) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(at + QPointF(0.5, 0.8), w / 2, h / 2);
    QRadialGradient g(at - QPointF(w * 0.2, h * 0.25), w * 0.7);
    g.setColorAt(0, stone.lighter(135));
    g.setColorAt(1, stone.darker(115));
    p.setBrush(g);
    p.setPen(QPen(stone.darker(150), 0.4));
    p.drawEllipse(at, w / 2, h / 2);
}

void GrassDecoration(QPainter& p, int look, const Colours& c) {
    switch (look) {
        case 1: Daisy(p, QPointF(27, 13), 4.2, QColor(255, 255, 250), QColor(250, 196, 40)); break;
        case 2: {  // clover
            const QPointF at(13, 25);
            p.setPen(QPen(QColor(30, 92, 24), 0.9, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at, at + QPointF(1.5, 5));
            p.setPen(QPen(QColor(20, 64, 16), 0.5));
            p.setBrush(QColor(38, 116, 30));
            for (int k = 0; k < 3; ++k) {
                const qreal a = 2 * std::numbers::pi * k / 3 - std::numbers::pi / 2;
                p.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * 2.5, 2.8, 2.8);
            }
            p.setPen(QPen(QColor(150, 214, 120), 0.5));
            for (int k = 0; k < 3; ++k) {
                const qreal a = 2 * std::numbers::pi * k / 3 - std::numbers::pi / 2;
                p.drawLine(at, at + QPointF(std::cos(a), std::sin(a)) * 3.2);
            }
            break;
        }
        case 3: Pebble(p, QPointF(26, 27), 7.5, 5.2, QColor(176, 172, 162)); break;
        case 4:
            Daisy(p, QPointF(11, 12), 2.8, QColor(255, 224, 40), QColor(232, 140, 20));
            Daisy(p, QPointF(17.5, 17.5), 2.4, QColor(255, 224, 40), QColor(232, 140, 20));
            break;
        case 5: {  // a tuft of taller, sunlit blades
            Prng rng(0x7F7F);
            for (int i = 0; i < 9; ++i) {
                const qreal lean = -0.75 + 1.5 * i / 8;
                Blade(p, QPointF(24 + rng.Range(-1, 1), 31), rng.Range(8, 11), lean, 1.7,
                      i % 2 ? c.texDark : c.bevelLight);
            }
            break;
        }
        default: break;
    }
}

void Shell(QPainter& p, QPointF at, qreal size) {
    QPainterPath fan;
    fan.moveTo(at + QPointF(0, size * 0.45));
    fan.arcTo(QRectF(at.x() - size / 2, at.y() - size / 2, size, size), 200, -220);
    fan.closeSubpath();
    QLinearGradient g(at - QPointF(0, size / 2), at + QPointF(0, size / 2));
    g.setColorAt(0, QColor(255, 236, 228));
    g.setColorAt(1, QColor(240, 176, 160));
    p.setPen(QPen(QColor(176, 110, 92), 0.5));
    p.setBrush(g);
    p.drawPath(fan);
    p.setPen(QPen(QColor(200, 130, 110), 0.4));
    for (int k = -2; k <= 2; ++k) {
        const qreal a = std::numbers::pi / 2 + k * 0.42;
        p.drawLine(at + QPointF(0, size * 0.42), at + QPointF(std::cos(a) * size * 0.42, -std::sin(a) * size * 0.42));
    }
}

void Starfish(QPainter& p, QPointF at, qreal size) {
    QPainterPath star;
    for (int k = 0; k < 10; ++k) {
        const qreal a = std::numbers::pi * k / 5 - std::numbers::pi / 2 + 0.2;
        const qreal r = (k % 2 == 0) ? size / 2 : size * 0.2;
        const QPointF pt = at + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (k == 0) star.moveTo(pt);
        else star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(160, 64, 44), 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(232, 112, 84));
    p.drawPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 196, 170));
    p.drawEllipse(at, 0.7, 0.7);
}

void SandDecoration(QPainter& p, int look) {
    switch (look) {
        case 1: Shell(p, QPointF(26, 14), 9.5); break;
        case 2: Pebble(p, QPointF(13, 27), 6.2, 4.4, QColor(150, 160, 172)); break;
        case 4: Starfish(p, QPointF(25, 25), 9); break;
        case 5: {  // a bit of sea glass
            QPainterPath glass;
            glass.moveTo(11, 12);
            glass.lineTo(16.5, 10.5);
            glass.lineTo(18, 15);
            glass.lineTo(13, 17.5);
            glass.closeSubpath();
            p.setPen(QPen(QColor(40, 130, 124), 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(104, 206, 192, 230));
            p.drawPath(glass);
            p.setPen(QPen(QColor(220, 255, 250), 0.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(13, 12.5), QPointF(15.5, 11.8));
            break;
        }
        default: break;
    }
}

// Light on the top and left edge, shade on the bottom and right: raised.
void Bevel(QPainter& p, const Colours& c) {
    const qreal a = 1, b = kEdge - 1;
    QPolygonF light{{a, a}, {b, a}, {b - kBevel, a + kBevel}, {a + kBevel, a + kBevel}, {a + kBevel, b - kBevel},
                    {a, b}};
    QPolygonF dark{
        {b, a}, {b, b}, {a, b}, {a + kBevel, b - kBevel}, {b - kBevel, b - kBevel}, {b - kBevel, a + kBevel}};
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(c.bevelLight, 215));
    p.drawPolygon(light);
    p.setBrush(WithAlpha(c.bevelDark, 200));
    p.drawPolygon(dark);
}

// --- uncovered tiles -----------------------------------------------------

void SoilBackground(QPainter& p, World world, const Colours& c) {
    p.fillRect(QRectF(0, 0, kEdge, kEdge), c.soilOutline);
    QLinearGradient base(0, 1, 0, kEdge - 1);
    base.setColorAt(0, c.soilTop);
    base.setColorAt(0.35, c.soil);
    base.setColorAt(1, c.soil);
    p.fillRect(Inner(), base);
    // Fine grains: the same on every frame, so only the number changes.
    Prng rng(world == World::Grass ? 0x501L : 0x5A4DL);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        const bool light = rng.Unit() < 0.5;
        p.setBrush(WithAlpha(light ? c.fleckLight : c.fleckDark, static_cast<int>(rng.Range(70, 150))));
        const qreal r = rng.Range(0.35, 0.7);
        p.drawEllipse(QPointF(rng.Range(2, 38), rng.Range(2, 38)), r, r);
    }
    // Sunken: shadow falls from the top and left rim, light catches the lower right.
    QLinearGradient top(0, 1, 0, 6);
    top.setColorAt(0, WithAlpha(c.soilShadow, 190));
    top.setColorAt(1, WithAlpha(c.soilShadow, 0));
    p.fillRect(QRectF(1, 1, kEdge - 2, 5), top);
    QLinearGradient left(1, 0, 6, 0);
    left.setColorAt(0, WithAlpha(c.soilShadow, 150));
    left.setColorAt(1, WithAlpha(c.soilShadow, 0));
    p.fillRect(QRectF(1, 1, 5, kEdge - 2), left);
    p.fillRect(QRectF(1, kEdge - 2, kEdge - 2, 1), WithAlpha(c.soilHighlight, 200));
    p.fillRect(QRectF(kEdge - 2, 1, 1, kEdge - 2), WithAlpha(c.soilHighlight, 160));
}

QString NumberText(int n) { return QString::number(n); }

}  // namespace

QImage TileArt::RenderTile(const PaintFn& paint) const {
    const int size = TileSize();
    return Render(
        size, size,
        [&](QPainter& p) {
            p.scale(size / kTileUnits, size / kTileUnits);
            paint(p);
        },
        kSupersample, m_scale);
}

void TileArt::PaintCovered(QPainter& p, World world, int look) const {
    const Colours& c = ColoursOf(world);
    p.save();
    p.fillRect(QRectF(0, 0, kEdge, kEdge), c.outline);
    QPainterPath inner;
    inner.addRoundedRect(Inner(), 2.5, 2.5);
    QLinearGradient g(0, 1, 0, kEdge - 1);
    g.setColorAt(0, c.top);
    g.setColorAt(1, c.bottom);
    p.fillPath(inner, g);
    p.setClipPath(inner);
    Prng rng(0xC0FFEEULL * (static_cast<unsigned>(look) + 1) + (world == World::Sand ? 77 : 0));
    if (world == World::Grass) {
        GrassTexture(p, c, rng);
        GrassDecoration(p, look, c);
    } else {
        constexpr qreal kTilt[] = {0.0, 0.05, -0.06, 0.16, -0.03, 0.08};  // of the ripples, per look
        SandTexture(p, c, rng, kTilt[static_cast<std::size_t>(look) % std::size(kTilt)]);
        SandDecoration(p, look);
    }
    Bevel(p, c);
    p.restore();
}

void TileArt::PaintNumber(QPainter& p, World world, Uncovered kind, int number) const {
    const Colours& c = ColoursOf(world);
    const QString text = NumberText(number);
    const bool twoDigits = text.size() > 1;
    const QPainterPath reference = TextPath(m_fonts.bold, 100, QStringLiteral("0"));
    const QPainterPath raw = TextPath(m_fonts.bold, 100, text, twoDigits ? -1 : 0);
    QPainterPath digits;
    if (kind == Uncovered::Empty) {
        digits = twoDigits ? FitPath(raw, reference.boundingRect(), {22, 35.5, 0.55}, QPointF(20, 20.5))
                           : FitPath(raw, reference.boundingRect(), {26, 30}, QPointF(20.5, 20.5));
    } else {
        digits = twoDigits ? FitPath(raw, reference.boundingRect(), {19.5, 30, 0.55}, QPointF(23.5, 14))
                           : FitPath(raw, reference.boundingRect(), {22, 22}, QPointF(26.5, 17));
    }
    p.save();
    p.setPen(QPen(c.halo, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(digits);
    p.fillPath(digits, c.ink);
    p.restore();
}

void TileArt::PaintOpen(QPainter& p, World world, Uncovered kind, int number) const {
    const Colours& c = ColoursOf(world);
    p.save();
    SoilBackground(p, world, c);
    if (kind == Uncovered::Found) {
        QRadialGradient glow(QPointF(11, 29), 15);
        glow.setColorAt(0, WithAlpha(c.glow, 220));
        glow.setColorAt(1, WithAlpha(c.glow, 0));
        p.fillRect(Inner(), glow);
        DrawGlimble(p, QRectF(1.5, 19.5, 18.5, 18.5), GlimbleDetail::Small);
    }
    PaintNumber(p, world, kind, number);
    p.restore();
}

QImage TileArt::Covered(World world, int look) const {
    return RenderTile([&](QPainter& p) { PaintCovered(p, world, look); });
}

QImage TileArt::Open(World world, Uncovered kind, int number) const {
    return RenderTile([&](QPainter& p) { PaintOpen(p, world, kind, number); });
}

QImage TileArt::CoveredStrip(World world, int looks) const {
    std::vector<QImage> frames;
    frames.reserve(static_cast<std::size_t>(looks));
    for (int look = 0; look < looks; ++look) frames.push_back(Covered(world, look));
    return JoinFrames(frames);
}

QImage TileArt::NumberStrip(World world, Uncovered kind, int firstNumber, int count) const {
    std::vector<QImage> frames;
    frames.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) frames.push_back(Open(world, kind, firstNumber + k));
    return JoinFrames(frames);
}

}  // namespace assetgen
