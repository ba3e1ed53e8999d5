#pragma once

#include <string_view>

#include "engine/BoardSize.h"
#include "engine/Random.h"
#include "engine/TileCode.h"
#include "platform/DrawSurface.h"
#include "platform/SoundOutput.h"
#include "platform/TickSource.h"
#include "resources/TileSets.h"

// One game of glimble hunting: the board, the rule of a click, the drawing of
// tiles and the sounds. It knows no toolkit: it draws on an IDrawSurface,
// plays through an ISoundOutput and seeds each board from an ITickSource.
class CPuzzle {
public:
    // Both services must outlive the engine.
    CPuzzle(platform::ISoundOutput& sound, platform::ITickSource& ticks);
    virtual ~CPuzzle() = default;

    CPuzzle(const CPuzzle&) = delete;
    CPuzzle& operator=(const CPuzzle&) = delete;

    // Board model and generation.
    void Init(int count, int columns, int rows);
    void NewGame(int count);
    void SetSize(int columns, int rows);
    void ClearBoard();

    int GetCount() const { return m_count; }
    int GetColumns() const { return m_columns; }
    int GetRows() const { return m_rows; }
    int GetScore() const { return m_score; }
    int GetBoardWidth() const { return m_cellSize * m_columns; }
    int GetBoardHeight() const { return m_cellSize * m_rows; }
    int GetCellSize() const { return m_cellSize; }

    // Read-only views of the two arrays, for tests and tools. Outside the
    // 25 x 25 capacity the tile reads -1 and the hidden count 0.
    int GetTile(int column, int row) const;
    int GetHidden(int column, int row) const;
    // Sets the glimbles hidden under one board tile (negative counts read as
    // 0), for tests and tools that set up a position by hand.
    void SetHidden(int column, int row, int count);
    // Sets the code of one board tile, for tests and tools that need a tile
    // the game itself would not deal (any code; off the board nothing).
    void SetTile(int column, int row, int code);

    // The move rule and line counts.
    void Click(platform::IDrawSurface& surface, int x, int y);
    int CountLines(int column, int row) const;
    void UpdateLines(platform::IDrawSurface& surface, int column, int row);
    void DecrementTile(platform::IDrawSurface& surface, int column, int row);
    int GetRemaining() const;

    // Drawing.
    void DrawBoard(platform::IDrawSurface& surface) const;
    void DrawTile(platform::IDrawSurface& surface, int column, int row) const;
    void SetFoundBitmap(int id) { m_foundBitmap = id; }
    void SetEmptyBitmap(int id) { m_emptyBitmap = id; }
    void SetCoveredBitmap(int id) { m_coveredBitmap = id; }
    // All three strips of a tile set; its high strips follow from its number strips.
    void SetTileSet(const res::TileSet& set) {
        SetFoundBitmap(set.found);
        SetEmptyBitmap(set.empty);
        SetCoveredBitmap(set.covered);
    }
    int GetFoundBitmap() const { return m_foundBitmap; }

    // Sounds.
    void PlayWave(std::string_view name) const;
    void SetSoundOff(int flag) { m_soundOff = flag; }

    // Pixel <-> tile conversions, the only place they are made.
    int TileFromPixel(int pixel) const { return pixel / m_cellSize; }
    int PixelFromTile(int tileIndex) const { return tileIndex * m_cellSize; }

    // The most glimbles one game places. A found tile shows the glimbles
    // left on its lines after collecting one, at most kMaxCount - 1, which
    // must stay inside the found band; more could only come from a damaged
    // settings store or a replay, and would read as an empty tile.
    static constexpr int kMaxCount = tile::kEmptyBase - tile::kFoundBase;
    static_assert(board::CountRange(res::kLargestBoard.n).largest <= kMaxCount,
                  "the largest board's glimbles must fit the found band");
    static_assert(kMaxCount <= res::kNumberFrames + res::kHighNumberFrames - 1,
                  "every number a tile can show must have its picture");

private:
    bool OnBoard(int column, int row) const { return column >= 0 && row >= 0 && column < m_columns && row < m_rows; }

    // [column][row]: the code of every tile (see TileCode.h); -1 off the board.
    int m_tile[board::kCapacity][board::kCapacity];
    // [column][row]: glimbles still hidden under each tile; never negative,
    // 0 off the board. Several glimbles may share a tile.
    int m_hidden[board::kCapacity][board::kCapacity];
    int m_count = 0;                                 // glimbles placed by a new game
    int m_columns = -1;                              // tiles across; -1 until Init
    int m_rows = -1;                                 // tiles down; -1 until Init
    int m_cellSize = res::kTileFrame;                // edge of one tile on screen, in pixels
    int m_score = 0;                                 // columns x rows at the start, one less per accepted click
    int m_foundBitmap = res::kGrassTiles.found;      // strip of found tiles, numbers 0 .. 14
    int m_emptyBitmap = res::kGrassTiles.empty;      // strip of empty tiles, numbers 0 .. 14
    int m_coveredBitmap = res::kGrassTiles.covered;  // strip of the six covered looks
    int m_soundOff = 0;                              // nonzero: PlayWave does nothing

    CRandom m_random;
    platform::ISoundOutput& m_sound;
    platform::ITickSource& m_ticks;
};
