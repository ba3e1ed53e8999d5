#include "tools/assetgen/ContactSheet.h"

#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Prng.h"
#include "tools/assetgen/TileStrips.h"
#include "tools/assetgen/WidgetArt.h"

#include "engine/TileCode.h"
#include "resources/Pictures.h"
#include "resources/StatusStrip.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <map>

namespace assetgen {
namespace {

constexpr int kSheetWidth = 1760;
constexpr int kSheetHeight = 4200;
constexpr int kMargin = 20;
const QColor kSheetBackground(58, 62, 66);
const QColor kCaption(230, 230, 222);

constexpr int kTinyCell = 40;
constexpr int kHugeCell = 23;
constexpr int kStripHeight = status_strip::kHeight;
constexpr int kDigitSize = status_strip::kDigitSize;

// A tile on a review board: covered look, empty number or found number.
struct Cell {
    enum Kind { Covered, Empty, Found } kind;
    int value;
};

class Sheet {
public:
    Sheet(const std::vector<GeneratedFile>& files, const FontSet& fonts) : m_fonts(fonts) {
        for (const GeneratedFile& f : files) m_files[f.path] = f.bytes;
        m_image = QImage(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
        m_image.fill(kSheetBackground);
        m_painter.begin(&m_image);
        m_painter.setRenderHint(QPainter::Antialiasing);
    }

    // The sheet, cut to the `height` that was used.
    QImage Finish(int height) {
        m_painter.end();
        return m_image.copy(0, 0, kSheetWidth, height);
    }

    // The picture `id` as the generator stored it.
    QImage Stored(int id) const {
        return QImage::fromData(m_files.at(QStringLiteral("bitmaps/%1.bmp").arg(id)), "BMP");
    }

    void Caption(const QString& text, QPointF at, qreal size = 14) {
        m_painter.fillPath(TextPath(m_fonts.regular, size, text).translated(at), kCaption);
    }

    // A picture enlarged by an integer factor without smoothing, with its caption.
    void Enlarged(int id, const QString& caption, QPoint at, int factor) {
        Caption(QStringLiteral("%1  %2").arg(id).arg(caption), QPointF(at.x(), at.y() + 14));
        const QImage pic = Stored(id);
        m_painter.drawImage(QRect(at.x(), at.y() + 20, pic.width() * factor, pic.height() * factor), pic);
    }

    // Frame `frame` of a tile strip, as the game shows it at `cell` pixels.
    QImage Frame(int id, int frame, int cell, Qt::TransformationMode mode = Qt::SmoothTransformation) const {
        return Stored(id).copy(FrameRect(Picture(id), frame)).scaled(cell, cell, Qt::IgnoreAspectRatio, mode);
    }

    QImage TileImage(bool sand, const Cell& c, int cell, Qt::TransformationMode mode = Qt::SmoothTransformation) const {
        const World world = sand ? World::Sand : World::Grass;
        if (c.kind == Cell::Covered) return Frame(CoveredStripId(world), c.value, cell, mode);
        const StripFrame at = NumberFrame(world, c.kind == Cell::Found ? Uncovered::Found : Uncovered::Empty, c.value);
        return Frame(at.id, at.frame, cell, mode);
    }

    // A board with its status strip, drawn the way the game draws it.
    void Board(const std::vector<std::vector<Cell>>& cells, bool sand, int cell, QPoint at, int points, int left,
               const QString& caption) {
        Caption(caption, QPointF(at.x(), at.y() + 14));
        const int n = static_cast<int>(cells.size());
        const int w = n * cell;
        const QPoint o(at.x(), at.y() + 20);
        for (int c = 0; c < n; ++c)
            for (int r = 0; r < n; ++r)
                m_painter.drawImage(o + QPoint(c * cell, r * cell), TileImage(sand, cells[c][r], cell));
        const int top = o.y() + w;
        m_painter.save();
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
        m_painter.drawImage(QRect(o.x(), top, w, kStripHeight), Stored(res::IDB_STATUS_PANEL));
        m_painter.restore();
        const status_strip::Layout strip = status_strip::LayoutAt(w, top);
        m_painter.drawImage(QPoint(o.x() + strip.pointsLabelX, strip.labelY), Stored(res::IDB_POINTS_LABEL));
        m_painter.drawImage(QPoint(o.x() + strip.glimblesLabelX, strip.labelY), Stored(res::IDB_GLIMBLES_LABEL));
        Digits(o.x() + strip.pointsDigitsX, strip.digitsY, points, status_strip::kPointsDigits);
        Digits(o.x() + strip.glimblesDigitsX, strip.digitsY, left, status_strip::kGlimblesDigits);
    }

    void Digits(int x, int y, int value, int count) {
        for (int i = 0; i < count; ++i) {
            m_painter.drawImage(QPoint(x + (count - 1 - i) * kDigitSize, y),
                                Frame(res::IDB_DIGITS, value % 10, kDigitSize));
            value /= 10;
        }
    }

    // The picture `id` as stored drawn `scale` times finer.
    QImage Finer(int id, int scale) const { return QImage::fromData(m_files.at(FinerPicturePath(id, scale)), "PNG"); }

    // The part `part` (in catalogue pixels) of picture `id` twice: on the left
    // the bitmap enlarged 2x by nearest pixel, on the right the 2x picture at
    // its own size. Returns the width used.
    int Pair(int id, const QRect& part, QPoint at, const QString& caption) {
        constexpr int kScale = 2;
        constexpr int kGap = 6;
        Caption(QStringLiteral("%1  %2").arg(id).arg(caption), QPointF(at.x(), at.y() + 14), 13);
        const QRect target(at.x(), at.y() + 38, part.width() * kScale, part.height() * kScale);
        Caption(QStringLiteral("1x, enlarged"), QPointF(target.x(), at.y() + 32), 11);
        Caption(QStringLiteral("2x"), QPointF(target.right() + 1 + kGap, at.y() + 32), 11);
        m_painter.save();
        m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        m_painter.drawImage(target, Stored(id), part);
        m_painter.drawImage(target.translated(target.width() + kGap, 0), Finer(id, kScale),
                            QRect(part.topLeft() * kScale, part.size() * kScale));
        m_painter.restore();
        return 2 * target.width() + kGap;
    }

    QPainter& Painter() { return m_painter; }
    QByteArray File(const QString& path) const { return m_files.at(path); }

private:
    const FontSet& m_fonts;
    std::map<QString, QByteArray> m_files;
    QImage m_image;
    QPainter m_painter;
};

// A review board: numbers 0..20 along some rows, the rest a random mix.
std::vector<std::vector<Cell>> ReviewBoard(int n, std::uint64_t seed) {
    Prng rng(seed);
    std::vector<std::vector<Cell>> cells(n, std::vector<Cell>(n));
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) {
            const double roll = rng.Unit();
            const int number = rng.Below(n > 8 ? 12 : 6);
            if (roll < 0.55) cells[c][r] = {Cell::Covered, rng.Below(tile::kLooks)};
            else if (roll < 0.85) cells[c][r] = {Cell::Empty, number};
            else cells[c][r] = {Cell::Found, number};
        }
    // Every number in a band of rows: empty ones, then found ones.
    const int maxNumber = 20;
    for (int k = 0; k <= maxNumber; ++k) {
        const int slot = k % n;
        const int band = k / n;
        cells[slot][1 + 2 * band] = {Cell::Empty, k};
        cells[slot][n - 2 - 2 * band] = {Cell::Found, k};
    }
    return cells;
}

}  // namespace

QImage MakeContactSheet(const std::vector<GeneratedFile>& files, const FontSet& fonts) {
    Sheet s(files, fonts);
    int y = kMargin;
    s.Caption(QStringLiteral("2Glimbles: every picture as stored at 1x (tiles and widgets enlarged 2x), boards as "
                             "the game draws them, and at the end 1x beside 2x"),
              QPointF(kMargin, y + 16), 18);
    y += 34;

    struct StripRow {
        int id, extra;
        const char* caption;
    };
    const StripRow rows[] = {
        {res::IDB_GRASS_COVERED, res::IDB_SAND_COVERED, "Grass covered, looks 0-5"},
        {res::IDB_GRASS_EMPTY, res::IDB_GRASS_EMPTY_HIGH, "Grass empty 0-14  |  156: 15-20"},
        {res::IDB_GRASS_FOUND, res::IDB_GRASS_FOUND_HIGH, "Grass found 0-14  |  155: 15-20"},
        {res::IDB_SAND_EMPTY, res::IDB_SAND_EMPTY_HIGH, "Sand empty 0-14  |  158: 15-20"},
        {res::IDB_SAND_FOUND, res::IDB_SAND_FOUND_HIGH, "Sand found 0-14  |  157: 15-20"},
    };
    for (const StripRow& r : rows) {
        s.Enlarged(r.id, QString::fromLatin1(r.caption), QPoint(kMargin, y), 2);
        const int width = s.Stored(r.id).width() * 2;
        s.Enlarged(r.extra, r.id == res::IDB_GRASS_COVERED ? QStringLiteral("Sand covered, looks 0-5") : QString(),
                   QPoint(kMargin + width + 20, y), 2);
        y += 110;
    }

    // Widgets.
    s.Enlarged(res::IDB_ARROW_DECREASE, QStringLiteral("left arrow"), QPoint(kMargin, y), 2);
    s.Enlarged(res::IDB_ARROW_INCREASE, QStringLiteral("right arrow"), QPoint(kMargin + 200, y), 2);
    int x = kMargin + 400;
    const int buttons[] = {res::IDB_OK, res::IDB_OK_PRESSED, res::IDB_CANCEL, res::IDB_CANCEL_PRESSED};
    for (int id : buttons) {
        s.Enlarged(id, QString(), QPoint(x, y), 2);
        x += 260;
    }
    y += 130;
    s.Enlarged(res::IDB_STATUS_PANEL, QStringLiteral("status panel"), QPoint(kMargin, y), 2);
    s.Enlarged(res::IDB_POINTS_LABEL, QStringLiteral("Points"), QPoint(kMargin + 680, y), 2);
    s.Enlarged(res::IDB_GLIMBLES_LABEL, QStringLiteral("Glimbles"), QPoint(kMargin + 880, y), 2);
    // The count dialog's row, as the dialog paints it: arrows 40 x 40, digits 40 x 40.
    {
        QPainter& p = s.Painter();
        const QRect dialog(kMargin + 1120, y + 20, 300, 100);
        p.fillRect(dialog, kDialogGreen);
        const int x0 = dialog.x() + 110, dy = dialog.y() + 30;
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const int lit = static_cast<int>(ArrowState::Lit), normal = static_cast<int>(ArrowState::Normal);
        p.drawImage(QRect(x0 - 70, dy, 40, 40), s.Stored(res::IDB_ARROW_DECREASE),
                    FrameRect(Picture(res::IDB_ARROW_DECREASE), lit));
        p.drawImage(QRect(x0 + 110, dy, 40, 40), s.Stored(res::IDB_ARROW_INCREASE),
                    FrameRect(Picture(res::IDB_ARROW_INCREASE), normal));
        p.restore();
        p.drawImage(QPoint(x0, dy), s.Frame(res::IDB_DIGITS, 1, TileSize()));
        p.drawImage(QPoint(x0 + 40, dy), s.Frame(res::IDB_DIGITS, 2, TileSize()));
        s.Caption(QStringLiteral("count dialog"), QPointF(dialog.x(), y + 14));
    }
    y += 150;

    // Tips.
    for (int i = 0; i <= res::IDB_TIP_LAST - res::IDB_TIP_FIRST; ++i) {
        const QPoint at(kMargin + (i % 3) * 470, y + (i / 3) * 230);
        s.Enlarged(res::IDB_TIP_FIRST + i, QStringLiteral("tip %1").arg(i + 1), at, 1);
    }
    // Icon: the desktop renderings and the 16-colour images of the icon file.
    {
        const QPoint at(kMargin + 2 * 470, y + 230);
        s.Caption(QStringLiteral("icon: PNG 16-128 (256 in the file), ICO 32 and 16 (16 colours, 3x)"),
                  QPointF(at.x(), at.y() + 14));
        int ix = at.x();
        for (int size : res::kIconPngSizes) {
            if (size > 128) continue;
            const QImage png = QImage::fromData(s.File(QStringLiteral("icons/glimbles-%1.png").arg(size)), "PNG");
            const int top = size == 128 ? at.y() + 24 : at.y() + 24 + 64 - size;
            s.Painter().drawImage(QPoint(size == 128 ? at.x() + 300 : ix, top), png);
            ix += size + 10;
        }
        QByteArray ico = s.File(QStringLiteral("icons/glimbles.ico"));
        QBuffer buffer(&ico);
        QImageReader reader(&buffer, "ICO");
        int jx = at.x();
        for (int i = 0; i < reader.imageCount(); ++i) {
            reader.jumpToImage(i);
            const QImage img = reader.read();
            s.Painter().drawImage(QRect(jx, at.y() + 96, img.width() * 3, img.height() * 3), img);
            jx += img.width() * 3 + 12;
        }
    }
    y += 470;

    // Boards.
    const auto tiny = ReviewBoard(8, 8);
    const auto huge = ReviewBoard(20, 20);
    s.Board(tiny, false, kTinyCell, QPoint(kMargin, y), 57, 8, QStringLiteral("Tiny, Grass (40 px)"));
    s.Board(huge, false, kHugeCell, QPoint(kMargin + 340, y), 341, 12, QStringLiteral("Huge, Grass (23 px, smooth)"));
    s.Board(tiny, true, kTinyCell, QPoint(kMargin + 820, y), 64, 8, QStringLiteral("Tiny, Sand (40 px)"));
    s.Board(huge, true, kHugeCell, QPoint(kMargin + 1160, y), 400, 20, QStringLiteral("Huge, Sand (23 px, smooth)"));
    y += 20 + 460 + kStripHeight + 30;

    // Every number at 23 px, enlarged 3x so single pixels can be judged.
    const int zoom = 3;
    s.Caption(QStringLiteral("Every number at 23 px (Huge board cells), enlarged 3x: shrunk smoothly and by nearest "
                             "pixel"),
              QPointF(kMargin, y + 14));
    y += 24;
    for (int set = 0; set < 2; ++set) {
        for (int kind = 0; kind < 2; ++kind) {
            for (int mode = 0; mode < 2; ++mode) {
                const auto m = mode == 0 ? Qt::SmoothTransformation : Qt::FastTransformation;
                s.Caption(QStringLiteral("%1 %2, %3")
                              .arg(set ? QStringLiteral("Sand") : QStringLiteral("Grass"),
                                   kind ? QStringLiteral("found") : QStringLiteral("empty"),
                                   mode ? QStringLiteral("nearest") : QStringLiteral("smooth")),
                          QPointF(kMargin, y + 12), 12);
                for (int k = 0; k <= 20; ++k) {
                    const QImage t = s.TileImage(set == 1, {kind ? Cell::Found : Cell::Empty, k}, kHugeCell, m);
                    s.Painter().drawImage(
                        QRect(kMargin + 200 + k * (kHugeCell * zoom + 1), y, kHugeCell * zoom, kHugeCell * zoom), t);
                }
                y += kHugeCell * zoom + 4;
            }
        }
    }
    y += 16;

    // The same art at 1x and 2x: the bitmap's pixels doubled beside the
    // picture drawn twice as fine, as a screen at scale 2 shows them.
    s.Caption(QStringLiteral("1x and 2x: each bitmap enlarged 2x by nearest pixel, beside its 2x picture at its own "
                             "size"),
              QPointF(kMargin, y + 16), 18);
    y += 30;
    {
        const int tile = TileSize();
        auto frames = [tile](int first, int count) { return QRect(first * tile, 0, count * tile, tile); };
        auto whole = [](int id) { return QRect(0, 0, Picture(id).width, Picture(id).height); };
        struct PairCell {
            int id;
            QRect part;
            const char* caption;
        };
        const std::vector<std::vector<PairCell>> lines = {
            {{res::IDB_GRASS_COVERED, frames(0, 3), "Grass covered, looks 0-2"},
             {res::IDB_SAND_COVERED, frames(3, 3), "Sand covered, looks 3-5"},
             {res::IDB_GRASS_EMPTY, frames(7, 3), "Grass empty 7-9"}},
            {{res::IDB_GRASS_FOUND, frames(1, 3), "Grass found 1-3"},
             {res::IDB_SAND_EMPTY_HIGH, frames(3, 3), "Sand empty 18-20"},
             {res::IDB_SAND_FOUND, frames(10, 3), "Sand found 10-12"}},
            {{res::IDB_ARROW_DECREASE, QRect(0, 0, 2 * res::kArrowFrame, res::kArrowFrame),
              "left arrow, normal and lit"},
             {res::IDB_OK, whole(res::IDB_OK), "OK"},
             {res::IDB_CANCEL_PRESSED, whole(res::IDB_CANCEL_PRESSED), "Cancel, pressed"},
             {res::IDB_POINTS_LABEL, whole(res::IDB_POINTS_LABEL), "Points"}},
            {{res::IDB_TIP_FIRST, QRect(14, 44, 200, 110), "tip 1, the board"},
             {res::IDB_TIP_FIRST + 1, QRect(10, 20, 200, 110), "tip 2, a found tile"}},
            {{res::IDB_TIP_FIRST + 2, QRect(150, 30, 200, 110), "tip 3, the strip"},
             {res::IDB_TIP_FIRST + 3, QRect(226, 20, 200, 110), "tip 4, the text"}},
        };
        for (const auto& line : lines) {
            int x = kMargin;
            int height = 0;
            for (const PairCell& cell : line) {
                x += s.Pair(cell.id, cell.part, QPoint(x, y), QString::fromLatin1(cell.caption)) + 40;
                height = std::max(height, cell.part.height() * 2);
            }
            y += 38 + height + 20;
        }
    }
    return s.Finish(y + kMargin);
}

}  // namespace assetgen
