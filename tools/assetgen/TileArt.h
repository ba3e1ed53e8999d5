#pragma once

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Fonts.h"

#include <QImage>
#include <QPainter>

namespace assetgen {

// The two tile sets.
enum class World { Grass, Sand };

// How an uncovered tile is drawn.
enum class Uncovered {
    Empty,  // nothing was found: just the number
    Found,  // a glimble was collected here: the glimble and the number
};

// The tile art is laid out on a square of this many units; a frame of the
// catalogue's tile size is painted at that size, scaled to fit.
inline constexpr qreal kTileUnits = 40;

// Draws the tile frames of both worlds, `scale` times finer than the
// catalogue's sizes (1: exactly those sizes).
class TileArt {
public:
    explicit TileArt(const FontSet& fonts, int scale = 1) : m_fonts(fonts), m_scale(scale) {}

    int Scale() const { return m_scale; }

    // A covered tile; the looks are variations of the same turf or sand.
    QImage Covered(World world, int look) const;

    // An uncovered tile showing `number`.
    QImage Open(World world, Uncovered kind, int number) const;

    // Paints a covered or uncovered tile into the square of kTileUnits at the
    // painter's origin (for illustrations that are drawn as vectors).
    void PaintCovered(QPainter& p, World world, int look) const;
    void PaintOpen(QPainter& p, World world, Uncovered kind, int number) const;

    // Strips of frames, left to right.
    QImage CoveredStrip(World world, int looks) const;
    QImage NumberStrip(World world, Uncovered kind, int firstNumber, int count) const;

private:
    void PaintNumber(QPainter& p, World world, Uncovered kind, int number) const;
    // One frame of the catalogue's tile size, the art scaled from its units.
    QImage RenderTile(const PaintFn& paint) const;

    const FontSet& m_fonts;
    int m_scale;
};

}  // namespace assetgen
