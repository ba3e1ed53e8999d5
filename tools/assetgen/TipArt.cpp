#include "tools/assetgen/TipArt.h"

#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "resources/Menu.h"
#include "resources/StatusStrip.h"
#include "resources/TipTexts.h"

#include "tools/assetgen/Bidi.h"
#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Glimble.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <numbers>
#include <span>
#include <vector>

namespace assetgen {
namespace {

using res::kTipTexts;

// The menu bar's pop-ups from Options on.
std::span<const res::MenuItem> MenuBarFromOptions() {
    const std::span<const res::MenuItem> bar = res::MainMenu();
    for (std::size_t i = 0; i < bar.size(); ++i) {
        if (bar[i].text.English() == "Options") return bar.subspan(i);
    }
    return {};
}

const QColor kPaper(252, 247, 230);
const QColor kPaperEdge(240, 230, 200);
const QColor kFrame(46, 100, 32);
const QColor kTitle(40, 92, 26);
const QColor kText(52, 38, 22);
const QColor kMark(214, 96, 28);  // arrows and pointers in the illustrations
const QColor kLineWash(255, 226, 80, 110);

constexpr qreal kTextLeft = 214;
constexpr qreal kTextMargin = 14;  // between the text column and the right edge
// The Options tip's menus may grow with their words until the menu reaches the
// picker's right edge and the sub-menu leaves the text this much room.
constexpr qreal kMenuRight = 184;
constexpr qreal kMinTextColumn = 150;
constexpr qreal kBarWordRoom = 75;  // each word of the menu bar

// Right edge of the text column; the tips share one size.
qreal TextRight() { return Picture(res::IDB_TIP_FIRST).width - kTextMargin; }

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width = 2.2) {
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const qreal head = 3 * width;
    QPainterPath shaft;
    shaft.moveTo(from);
    shaft.lineTo(to - u * head * 0.8);
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to - u * head * 1.4 + n * head * 0.75);
    tip.lineTo(to - u * head * 1.4 - n * head * 0.75);
    tip.closeSubpath();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 220), width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shaft);
    p.drawPath(tip);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shaft);
    p.setBrush(colour);
    p.setPen(QPen(colour, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tip);
    p.restore();
}

// A plain mouse pointer with its hot spot at `tip`.
void Pointer(QPainter& p, QPointF tip, qreal size) {
    QPainterPath a;
    const QPointF pts[] = {{0, 0}, {0, 16}, {4, 12.5}, {7, 19}, {9.5, 18}, {6.6, 11.6}, {11.5, 11.5}};
    for (int i = 0; i < 7; ++i) {
        const QPointF pt = tip + pts[i] * (size / 19);
        if (i == 0) a.moveTo(pt);
        else a.lineTo(pt);
    }
    a.closeSubpath();
    p.save();
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(a);
    p.restore();
}

void Sparkle(QPainter& p, QPointF at, qreal r, const QColor& c) {
    QPainterPath s;
    s.moveTo(at + QPointF(0, -r));
    s.quadTo(at, at + QPointF(r, 0));
    s.quadTo(at, at + QPointF(0, r));
    s.quadTo(at, at + QPointF(-r, 0));
    s.quadTo(at, at + QPointF(0, -r));
    p.fillPath(s, c);
}

}  // namespace

void TipArt::Background(QPainter& p, QSizeF size) const {
    const qreal w = size.width(), h = size.height();
    QLinearGradient paper(0, 0, 0, h);
    paper.setColorAt(0, kPaper);
    paper.setColorAt(1, kPaperEdge);
    p.fillRect(QRectF(0, 0, w, h), paper);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFrame, 2));
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.drawRect(QRectF(2.5, 2.5, w - 5, h - 5));
}

void TipArt::Misfits(const QString& text, const char* where) const {
    if (m_misfits != nullptr) m_misfits->push_back({m_pictureId, text, QString::fromLatin1(where)});
}

void TipArt::Title(QPainter& p, const res::Text& title, QPointF at) const {
    const QString text = m_words.text(title);
    const qreal size = 17;
    const qreal width = TextWidth(m_fonts, true, size, text);
    if (width > TextRight() - at.x()) Misfits(text, "tip title");
    if (m_words.RightToLeft()) at.setX(TextRight() - width);
    p.fillPath(TextPath(m_fonts, true, size, m_words.RightToLeft() ? VisualOrder(text) : text).translated(at), kTitle);
}

void TipArt::Body(QPainter& p, const res::Text& body, const QRectF& box, qreal size, qreal lineHeight) const {
    const QString text = m_words.text(body);
    qreal y = box.top() + size;
    qreal lastBaseline = y;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n"))) {
        for (auto line : WrapText(m_fonts, size, paragraph, box.width())) {
            qreal width = 0;
            for (const TextRun& run : line) width += TextWidth(m_fonts, run.bold, size, run.text);
            if (width > box.width()) {  // a word alone on its line, and wider still
                QString words;
                for (const TextRun& run : line) words += run.text;
                Misfits(words, "tip body");
            }
            qreal x = box.left();
            if (m_words.RightToLeft()) {
                line = VisualOrder(line);
                x = box.right() - width;
            }
            for (const TextRun& run : line) {
                p.fillPath(TextPath(m_fonts, run.bold, size, run.text).translated(x, y), kText);
                x += TextWidth(m_fonts, run.bold, size, run.text);
            }
            lastBaseline = y;
            y += lineHeight;
        }
        y += lineHeight * 0.45;
    }
    const qreal descent = m_fonts.regular.descent() * size / m_fonts.regular.pixelSize();
    if (lastBaseline + descent > box.bottom()) Misfits(text, "tip body");
}

void TipArt::TileAt(QPainter& p, QPointF at, qreal cell, World world, char code) const {
    p.save();
    p.translate(at);
    p.scale(cell / kTileUnits, cell / kTileUnits);
    if (code >= 'a' && code <= 'f') m_tiles.PaintCovered(p, world, code - 'a');
    else m_tiles.PaintOpen(p, world, Uncovered::Empty, code - '0');
    p.restore();
}

void TipArt::WidgetPart(QPainter& p, const QRectF& target, const QImage& image, const QRectF& source) const {
    const qreal scale = m_widgets.Scale();
    p.drawImage(target, image, QRectF(source.topLeft() * scale, source.size() * scale));
}

void TipArt::Widget(QPainter& p, QPointF at, const QImage& image) const {
    const QRectF whole(QPointF(0, 0), QSizeF(image.size()) / m_widgets.Scale());
    WidgetPart(p, whole.translated(at), image, whole);
}

void TipArt::MiniBoard(QPainter& p, World world, QPointF origin, qreal cell,
                       const std::vector<const char*>& rows) const {
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; rows[r][c] != '\0'; ++c)
            TileAt(p, origin + QPointF(c * cell, static_cast<qreal>(r) * cell), cell, world, rows[r][c]);
    p.setPen(QPen(QColor(40, 30, 20, 160), 1));
    p.setBrush(Qt::NoBrush);
    const int n = static_cast<int>(std::strlen(rows.front()));
    p.drawRect(QRectF(origin, QSizeF(n * cell, static_cast<qreal>(rows.size()) * cell)).adjusted(-0.5, -0.5, 0.5, 0.5));
}

// Tip 1: the number on an uncovered tile counts the glimbles on its four lines.
void TipArt::NumbersTip(QPainter& p) const {
    const qreal cell = 34;
    const QPointF o(18, 14);
    MiniBoard(p, World::Grass, o, cell, {"bacfd", "edbae", "ca3db", "fbeac", "adcbf"});
    // Wash the four lines through the 3.
    p.setPen(Qt::NoPen);
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r) {
            const bool onLine = (c == 2) != (r == 2) || (c != 2 && (c - r == 0 || c + r == 4));
            if (onLine) p.fillRect(QRectF(o.x() + c * cell, o.y() + r * cell, cell, cell), kLineWash);
        }
    // The three glimbles it sees, hiding under covered tiles.
    for (QPoint at : {QPoint(0, 2), QPoint(2, 4), QPoint(4, 0)})
        DrawGlimbleGhost(p, QRectF(o.x() + at.x() * cell + 4, o.y() + at.y() * cell + 4, cell - 8, cell - 8),
                         QColor(58, 28, 110, 220));
    const QPointF centre = o + QPointF(2.5 * cell, 2.5 * cell);
    for (int k = 0; k < 8; ++k) {
        const qreal a = k * std::numbers::pi / 4;
        const QPointF u(std::cos(a), std::sin(a));
        const qreal reach = (k % 2 == 0) ? 1.75 * cell : 2.35 * cell;
        Arrow(p, centre + u * (k % 2 == 0 ? 0.62 : 0.85) * cell, centre + u * reach, kMark, 1.8);
    }
    Title(p, kTipTexts[0].title, {kTextLeft, 34});
    Body(p, kTipTexts[0].body, QRectF(kTextLeft, 46, TextRight() - kTextLeft, 140));
}

// Tip 2: the found tile.
void TipArt::FoundTip(QPainter& p) const {
    const qreal big = 92;
    p.save();
    p.translate(16, 30);
    p.scale(big / kTileUnits, big / kTileUnits);
    m_tiles.PaintOpen(p, World::Grass, Uncovered::Found, 2);
    p.restore();
    p.save();
    p.translate(112, 78);
    p.scale(76.0 / kTileUnits, 76.0 / kTileUnits);
    m_tiles.PaintOpen(p, World::Sand, Uncovered::Found, 1);
    p.restore();
    Sparkle(p, QPointF(22, 24), 7, QColor(255, 206, 40));
    Sparkle(p, QPointF(108, 34), 5, QColor(255, 206, 40));
    Sparkle(p, QPointF(186, 74), 6, QColor(255, 206, 40));
    Sparkle(p, QPointF(110, 160), 4, QColor(255, 206, 40));
    Pointer(p, QPointF(80, 112), 24);
    const qreal textLeft = 204;
    Title(p, kTipTexts[1].title, {textLeft, 34});
    Body(p, kTipTexts[1].body, QRectF(textLeft, 46, TextRight() - textLeft, 150));
}

// Tip 3: the status strip under the board.
void TipArt::StatusTip(QPainter& p) const {
    const qreal width = 422;
    const QPointF o(14, 40);
    const res::PictureInfo& panel = Picture(res::IDB_STATUS_PANEL);
    WidgetPart(p, QRectF(o, QSizeF(width, panel.height - 2)), m_widgets.Panel(panel),
               QRectF(0, 0, panel.width, panel.height - 2));
    const status_strip::Layout at = status_strip::LayoutAt(static_cast<int>(width), 0);
    const qreal x0 = o.x() + at.pointsLabelX;
    Widget(p, QPointF(x0, o.y() + at.labelY),
           m_widgets.Label(Picture(res::IDB_POINTS_LABEL), m_words.text(res::kPointsWord)));
    Widget(p, QPointF(o.x() + at.glimblesLabelX, o.y() + at.labelY),
           m_widgets.Label(Picture(res::IDB_GLIMBLES_LABEL), m_words.text(res::kGlimblesWord)));
    constexpr int kDigit = status_strip::kDigitSize;
    auto digits = [&](int x, const char* text) {
        for (int i = 0; text[i] != '\0'; ++i)
            TileAt(p, QPointF(o.x() + x + kDigit * i, o.y() + at.digitsY), kDigit, World::Grass, text[i]);
    };
    digits(at.pointsDigitsX, "187");
    digits(at.glimblesDigitsX, "04");
    Title(p, kTipTexts[2].title, {16, 28});
    Arrow(p, QPointF(x0 + 60, 118), QPointF(x0 + 100, 96), kMark);
    Arrow(p, QPointF(x0 + 300, 118), QPointF(x0 + 285, 96), kMark);
    Body(p, kTipTexts[2].body, QRectF(16, 116, 200, 80));
    Body(p, kTipTexts[2].aside, QRectF(236, 116, 200, 80));
}

// Tip 4: the Options menu.
void TipArt::OptionsTip(QPainter& p) const {
    const QColor menuFace(246, 246, 242), menuEdge(150, 150, 140), select(52, 112, 196);
    const qreal font = 11;
    const qreal item = 16;
    auto width = [&](const QString& s) { return TextWidth(m_fonts, false, font, s); };
    // A menu's words, squeezed sideways into `room` when wider.
    auto text = [&](const QString& s, QPointF at, const QColor& c, qreal room) {
        const QPainterPath path = TextPath(m_fonts, false, font, m_words.RightToLeft() ? VisualOrder(s) : s);
        const qreal w = width(s);
        QTransform t;
        t.translate(at.x(), at.y());
        if (w > room) t.scale(room / w, 1);
        p.fillPath(w > room ? t.map(path) : path.translated(at), c);
    };
    auto mark = [&](const QString& s, QPointF at, const QColor& c) {
        p.fillPath(TextPath(m_fonts.regular, font, s).translated(at), c);
    };
    // The words of a menu, recording those wider than `room`; returns the widest that fits.
    auto widestIn = [&](const std::vector<QString>& words, qreal room, const char* where) {
        qreal widest = 0;
        for (const QString& w : words) {
            if (width(w) > room) Misfits(w, where);
            widest = std::max(widest, std::min(width(w), room));
        }
        return widest;
    };
    auto panel = [&](const QRectF& r) {
        p.setPen(QPen(menuEdge, 1));
        p.setBrush(menuFace);
        p.drawRect(r);
    };
    const QString subMark = QStringLiteral("\u25B8"), check = QStringLiteral("\u2713");
    // The menu bar from Options on, with Options open.
    const std::span<const res::MenuItem> bar = MenuBarFromOptions();
    const QString optionsWord = MenuWords(m_words.text(bar[0].text));
    const QString helpWord = bar.size() > 1 ? MenuWords(m_words.text(bar[1].text)) : QString();
    const qreal barLeft = 12, barTop = 14;
    const qreal optionsLeft = barLeft + 2;
    const qreal optionsWidth = widestIn({optionsWord}, kBarWordRoom, "options menu") + 12;
    panel(QRectF(barLeft, barTop, optionsWidth + widestIn({helpWord}, kBarWordRoom, "options menu") + 26, item + 2));
    p.fillRect(QRectF(optionsLeft, barTop + 1, optionsWidth, item), select);
    text(optionsWord, {optionsLeft + 6, barTop + 13}, Qt::white, kBarWordRoom);
    text(helpWord, {optionsLeft + optionsWidth + 6, barTop + 13}, Qt::black, kBarWordRoom);
    // The Options menu as the menu table has it, its first item (Set Size)
    // highlighted and Sound checked, as it is until the player turns it off.
    const std::span<const res::MenuItem> options = bar[0].items;
    const int optionCount = static_cast<int>(options.size());
    std::vector<QString> optionWords;
    for (const res::MenuItem& option : options) optionWords.push_back(MenuWords(m_words.text(option.text)));
    const qreal optionRoom = kMenuRight - optionsLeft - 34;
    const QRectF menu(optionsLeft, barTop + item + 2, widestIn(optionWords, optionRoom, "options menu") + 34,
                      optionCount * item + 6);
    panel(menu);
    for (int i = 0; i < optionCount; ++i) {
        const qreal y = menu.top() + 3 + i * item;
        const bool hot = i == 0;
        const QColor ink = hot ? Qt::white : Qt::black;
        if (hot) p.fillRect(QRectF(menu.left() + 2, y, menu.width() - 4, item), select);
        text(optionWords[static_cast<std::size_t>(i)], {menu.left() + 16, y + 12}, ink, optionRoom);
        if (options[i].IsPopup()) mark(subMark, {menu.right() - 11, y + 12}, ink);
        if (options[i].command == res::ID_SOUND) mark(check, {menu.left() + 4, y + 12}, ink);
    }
    // The Set Size sub-menu, one item a board size, the middle one checked.
    const int sizeCount = static_cast<int>(std::size(res::kBoardSizes));
    std::vector<QString> sizeWords;
    for (const res::BoardSize& size : res::kBoardSizes) sizeWords.push_back(MenuWords(m_words.text(size.name)));
    const qreal subLeft = menu.right() - 3;
    const qreal sizeRoom = TextRight() - kTextMargin - kMinTextColumn - subLeft - 26;
    const QRectF sub(subLeft, menu.top() + 2, widestIn(sizeWords, sizeRoom, "size menu") + 26, sizeCount * item + 6);
    panel(sub);
    for (int i = 0; i < sizeCount; ++i) {
        const qreal y = sub.top() + 3 + i * item;
        text(sizeWords[static_cast<std::size_t>(i)], {sub.left() + 16, y + 12}, Qt::black, sizeRoom);
        if (i == sizeCount / 2) mark(check, {sub.left() + 4, y + 12}, Qt::black);
    }
    // The glimble-count picker.
    const QRectF picker(14, 130, 170, 56);
    p.setPen(QPen(QColor(60, 130, 60), 1));
    p.setBrush(kDialogGreen);
    p.drawRoundedRect(picker, 5, 5);
    const res::PictureInfo& leftStrip = Picture(res::IDB_ARROW_DECREASE);
    const res::PictureInfo& rightStrip = Picture(res::IDB_ARROW_INCREASE);
    const QImage left = m_widgets.ArrowStrip(leftStrip, ArrowDirection::Left);
    const QImage right = m_widgets.ArrowStrip(rightStrip, ArrowDirection::Right);
    const qreal d = 36;
    const qreal cx = picker.center().x();
    const qreal top = picker.top() + (picker.height() - d) / 2;
    const int normal = static_cast<int>(ArrowState::Normal), lit = static_cast<int>(ArrowState::Lit);
    WidgetPart(p, QRectF(cx - d - 12 - d, top, d, d), left, FrameRect(leftStrip, normal));
    WidgetPart(p, QRectF(cx + d + 12, top, d, d), right, FrameRect(rightStrip, lit));
    TileAt(p, QPointF(cx - d, top), d, World::Grass, '1');
    TileAt(p, QPointF(cx, top), d, World::Grass, '2');
    Pointer(p, QPointF(cx + d + 30, top + 22), 20);

    const qreal textLeft = sub.right() + 14;
    Title(p, kTipTexts[3].title, {textLeft, 34});
    Body(p, kTipTexts[3].body, QRectF(textLeft, 46, TextRight() - textLeft, 150));
}

// Tip 5: a zero clears its four lines.
void TipArt::ZeroTip(QPainter& p) const {
    const qreal cell = 34;
    const QPointF o(18, 14);
    MiniBoard(p, World::Sand, o, cell, {"bacfd", "edbae", "ca0db", "fbeac", "adcbf"});
    p.setPen(Qt::NoPen);
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r) {
            const bool self = c == 2 && r == 2;
            const bool onLine = c == 2 || r == 2 || c - r == 0 || c + r == 4;
            const QRectF cellRect(o.x() + c * cell, o.y() + r * cell, cell, cell);
            if (onLine && !self) {
                p.fillRect(cellRect, QColor(255, 255, 255, 150));
                // A small cross: nothing to find here.
                p.setPen(QPen(QColor(150, 110, 70, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
                const QPointF m = cellRect.center();
                p.drawLine(m + QPointF(-5, -5), m + QPointF(5, 5));
                p.drawLine(m + QPointF(5, -5), m + QPointF(-5, 5));
                p.setPen(Qt::NoPen);
            } else if (!self) {
                p.setPen(QPen(QColor(214, 96, 28), 2));
                p.setBrush(Qt::NoBrush);
                p.drawRect(cellRect.adjusted(2, 2, -2, -2));
                p.setPen(Qt::NoPen);
            }
        }
    Title(p, kTipTexts[4].title, {kTextLeft, 34});
    Body(p, kTipTexts[4].body, QRectF(kTextLeft, 46, TextRight() - kTextLeft, 150));
}

QImage TipArt::Tip(int index) const {
    m_pictureId = res::IDB_TIP_FIRST + index;
    const res::PictureInfo& tip = Picture(m_pictureId);
    return Render(
        tip.width, tip.height,
        [&](QPainter& p) {
            Background(p, QSizeF(tip.width, tip.height));
            switch (index) {
                case 0: NumbersTip(p); break;
                case 1: FoundTip(p); break;
                case 2: StatusTip(p); break;
                case 3: OptionsTip(p); break;
                default: ZeroTip(p); break;
            }
        },
        kSupersample, m_widgets.Scale());
}

}  // namespace assetgen
