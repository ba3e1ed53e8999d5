#pragma once

#include "tools/assetgen/Fonts.h"
#include "tools/assetgen/TileArt.h"
#include "tools/assetgen/WidgetArt.h"
#include "tools/assetgen/Words.h"

#include <QImage>

#include <utility>
#include <vector>

namespace assetgen {

// The five tip panels: an illustration drawn with the game's own tiles and
// widgets beside a short text in `words`' language. They are drawn at the
// widgets' scale, so the widget pictures they show are the ones of that
// scale. Texts that do not fit are added to `misfits` when it is given.
class TipArt {
public:
    TipArt(const FontSet& fonts, const TileArt& tiles, const WidgetArt& widgets, Words words = Words::English(),
           std::vector<Misfit>* misfits = nullptr)
        : m_fonts(fonts), m_tiles(tiles), m_widgets(widgets), m_words(std::move(words)), m_misfits(misfits) {}

    // Tip `index` 0 to 4 (shown as tips 1 to 5, pictures IDB_TIP_FIRST on),
    // at its catalogued size.
    QImage Tip(int index) const;

private:
    void Background(QPainter& p, QSizeF size) const;
    // A title on the baseline from `at` to the text column's right edge, at
    // its left end (its right end when right to left).
    void Title(QPainter& p, const res::Text& title, QPointF at) const;
    // Wraps `text` into `box`; text between asterisks is set in bold.
    void Body(QPainter& p, const res::Text& body, const QRectF& box, qreal size = 13, qreal lineHeight = 16.5) const;
    void Misfits(const QString& text, const char* where) const;

    void NumbersTip(QPainter& p) const;
    void FoundTip(QPainter& p) const;
    void StatusTip(QPainter& p) const;
    void OptionsTip(QPainter& p) const;
    void ZeroTip(QPainter& p) const;

    // A small board of `cell`-pixel tiles at `origin`, one string per row:
    // 'a' to 'f' a covered tile of look 0 to 5, '0' to '9' an empty tile.
    void MiniBoard(QPainter& p, World world, QPointF origin, qreal cell, const std::vector<const char*>& rows) const;
    // One tile frame drawn at any size.
    void TileAt(QPainter& p, QPointF at, qreal cell, World world, char code) const;
    // Draws `source`, a part of a widget picture given in that picture's
    // catalogue pixels, into `target`.
    void WidgetPart(QPainter& p, const QRectF& target, const QImage& image, const QRectF& source) const;
    // Draws a whole widget picture at its catalogue size, its corner at `at`.
    void Widget(QPainter& p, QPointF at, const QImage& image) const;

    const FontSet& m_fonts;
    const TileArt& m_tiles;
    const WidgetArt& m_widgets;
    Words m_words;
    std::vector<Misfit>* m_misfits;
    mutable int m_pictureId = 0;  // the tip being drawn
};

}  // namespace assetgen
