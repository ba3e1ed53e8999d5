#include "tools/screenshot/HelpPictures.h"

#include <QPainter>

#include <array>

#include "engine/Puzzle.h"
#include "platform/qt/pictures/DeviceScale.h"
#include "resources/StatusStrip.h"
#include "shell/QuelmView.h"
#include "tools/screenshot/GameAtPlay.h"

namespace {

// The worked example: a Tiny board with 8 glimbles, seeded by this tick
// count, where the player uncovered a tile (it shows 1 now), a tile with 0 on
// its lines, and a glimble on the first tile's row, in that order.
constexpr int kSize = 8;
constexpr int kCount = 8;
constexpr std::uint32_t kTicks = 3;
constexpr TileAt kRead{2, 2};   // the tile the manual reads
constexpr TileAt kZero{4, 3};   // no glimble left on its lines
constexpr TileAt kFound{7, 2};  // its one glimble collected
constexpr TileAt kCovered{0, 0};
constexpr std::array kClicks{kRead, kZero, kFound};

constexpr int kTileGap = 16;                // between the tiles of a tile-set picture
const QColor kLineTint(255, 236, 96, 110);  // over the tiles of the four lines
const QColor kFrame(255, 214, 0);           // around the tile read
constexpr int kFrameWidth = 3;

bool OnLines(TileAt tile, TileAt of) {
    return tile.column == of.column || tile.row == of.row || tile.column - tile.row == of.column - of.row ||
           tile.column + tile.row == of.column + of.row;
}

QRect TileRect(const CPuzzle& puzzle, TileAt at) {
    const int cell = puzzle.GetCellSize();
    return {puzzle.PixelFromTile(at.column), puzzle.PixelFromTile(at.row), cell, cell};
}

// The covered, the uncovered and the found tile, left to right, from the
// view's picture kept in device pixels at `scale`.
QImage TilesOf(const CPuzzle& puzzle, const QImage& picture, qreal scale) {
    const int cell = puzzle.GetCellSize();
    QImage out(platform::qt::ToDevice(QSize(3 * cell + 2 * kTileGap, cell), scale), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    int x = 0;
    for (const TileAt& at : {kCovered, kRead, kFound}) {
        const QPoint to = platform::qt::ToDevice(QRect(x, 0, cell, cell), scale).topLeft();
        painter.drawImage(to, picture, platform::qt::ToDevice(TileRect(puzzle, at), scale));
        x += cell + kTileGap;
    }
    return out;
}

QImage Example(const CPuzzle& puzzle, const QImage& picture, qreal scale) {
    const QRect board(0, 0, puzzle.GetBoardWidth(), puzzle.GetBoardHeight());
    QImage out = picture.copy(platform::qt::ToDevice(board, scale));
    QPainter painter(&out);
    for (int column = 0; column < puzzle.GetColumns(); ++column) {
        for (int row = 0; row < puzzle.GetRows(); ++row) {
            const TileAt at{column, row};
            if (at != kRead && OnLines(at, kRead)) {
                painter.fillRect(platform::qt::ToDevice(TileRect(puzzle, at), scale), kLineTint);
            }
        }
    }
    // The frame lies inside the tile, four bars of whole device pixels.
    const QRect tile = platform::qt::ToDevice(TileRect(puzzle, kRead), scale);
    const int width = qRound(kFrameWidth * scale);
    painter.fillRect(tile.x(), tile.y(), tile.width(), width, kFrame);
    painter.fillRect(tile.x(), tile.bottom() + 1 - width, tile.width(), width, kFrame);
    painter.fillRect(tile.x(), tile.y(), width, tile.height(), kFrame);
    painter.fillRect(tile.right() + 1 - width, tile.y(), width, tile.height(), kFrame);
    return out;
}

}  // namespace

QString HelpPictureFile(const QString& name, qreal scale) {
    const QString suffix = scale == 1.0 ? QString() : QStringLiteral("@%1x").arg(scale);
    return name + suffix + QStringLiteral(".png");
}

std::vector<HelpPicture> RenderHelpPictures() {
    std::vector<HelpPicture> out;
    const struct {
        game_settings::Skin skin;
        const char* tiles;
    } sets[] = {{game_settings::Skin::Grass, "help-tiles-grass"}, {game_settings::Skin::Sand, "help-tiles-sand"}};
    for (const auto& set : sets) {
        GameAtPlay game(kSize, kCount, set.skin, kTicks);
        if (!game.Started()) return {};
        for (const TileAt& at : kClicks) game.Click(at);
        const CPuzzle& puzzle = game.Puzzle();
        const QImage picture = game.Picture();
        const qreal scale = game.View().devicePixelRatioF();
        out.push_back({set.tiles, TilesOf(puzzle, picture, scale)});
        if (set.skin != game_settings::Skin::Grass) continue;
        const QRect strip(0, puzzle.GetBoardHeight(), puzzle.GetBoardWidth(), status_strip::kHeight);
        out.push_back({"help-strip", picture.copy(platform::qt::ToDevice(strip, scale)), true});
        out.push_back({"help-example", Example(puzzle, picture, scale)});
    }
    return out;
}
