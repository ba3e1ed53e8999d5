#include "tools/screenshot/HelpPictures.h"

#include <QPainter>

#include <array>

#include "engine/Puzzle.h"
#include "resources/StatusStrip.h"
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

// The covered, the uncovered and the found tile, left to right.
QImage TilesOf(const CPuzzle& puzzle, const QImage& board) {
    const int cell = puzzle.GetCellSize();
    QImage out(3 * cell + 2 * kTileGap, cell, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    int x = 0;
    for (const TileAt& at : {kCovered, kRead, kFound}) {
        painter.drawImage(QPoint(x, 0), board, TileRect(puzzle, at));
        x += cell + kTileGap;
    }
    return out;
}

QImage Example(const CPuzzle& puzzle, QImage board) {
    QPainter painter(&board);
    for (int column = 0; column < puzzle.GetColumns(); ++column) {
        for (int row = 0; row < puzzle.GetRows(); ++row) {
            const TileAt at{column, row};
            if (at != kRead && OnLines(at, kRead)) painter.fillRect(TileRect(puzzle, at), kLineTint);
        }
    }
    painter.setPen(QPen(kFrame, kFrameWidth));
    const int inset = kFrameWidth / 2;
    painter.drawRect(TileRect(puzzle, kRead).adjusted(inset, inset, -inset - 1, -inset - 1));
    return board;
}

}  // namespace

std::vector<HelpPicture> RenderHelpPictures() {
    std::vector<HelpPicture> out;
    const struct {
        game_settings::Skin skin;
        const char* tiles;
    } sets[] = {{game_settings::Skin::Grass, "help-tiles-grass.png"},
                {game_settings::Skin::Sand, "help-tiles-sand.png"}};
    for (const auto& set : sets) {
        GameAtPlay game(kSize, kCount, set.skin, kTicks);
        if (!game.Started()) return {};
        for (const TileAt& at : kClicks) game.Click(at);
        const CPuzzle& puzzle = game.Puzzle();
        const QImage picture = game.Picture();
        const int boardHeight = puzzle.GetBoardHeight();
        out.push_back({set.tiles, TilesOf(puzzle, picture)});
        if (set.skin != game_settings::Skin::Grass) continue;
        out.push_back({"help-strip.png", picture.copy(0, boardHeight, picture.width(), status_strip::kHeight)});
        out.push_back({"help-example.png", Example(puzzle, picture.copy(0, 0, picture.width(), boardHeight))});
    }
    return out;
}
