#pragma once

#include <QPainterPath>
#include <QRawFont>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

namespace assetgen {

// Where Debian's fonts-dejavu-core puts its faces; loaded by path so the
// output never depends on which fonts fontconfig would pick.
inline constexpr const char* kDefaultFontDir = "/usr/share/fonts/truetype/dejavu";
inline constexpr const char* kBoldFontFile = "DejaVuSans-Bold.ttf";
inline constexpr const char* kRegularFontFile = "DejaVuSans.ttf";
// Debian's fonts-droid-fallback: one face with the Chinese and Japanese
// characters the DejaVu faces lack.
inline constexpr const char* kFallbackFontFile = "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf";

struct FontSet {
    QRawFont bold;
    QRawFont regular;
    QRawFont fallback;  // for characters the DejaVu faces lack (Chinese, Japanese); may be invalid

    // Both faces from `dir`, or nothing when either is missing, with the
    // fallback face of kFallbackFontFile when it is installed.
    static std::optional<FontSet> Load(const QString& dir);
    // The same with the fallback face from `fallbackFile` (none when empty or missing).
    static std::optional<FontSet> Load(const QString& dir, const QString& fallbackFile);
    // The DejaVu faces from `dir` and, for the characters they lack, a face
    // the desktop offers for Chinese or Japanese writing: for the running game.
    static std::optional<FontSet> LoadWithDesktopFallback(const QString& dir);

    // The face `text` is set in, bold or regular.
    const QRawFont& Face(bool isBold) const { return isBold ? bold : regular; }
};

// The outline of `text` at `pixelSize`, its baseline on y = 0 starting at x = 0,
// kerned, with `tracking` extra pixels between letters.
QPainterPath TextPath(const QRawFont& font, qreal pixelSize, const QString& text, qreal tracking = 0);

// The advance width of `text` at `pixelSize`.
qreal TextWidth(const QRawFont& font, qreal pixelSize, const QString& text, qreal tracking = 0);

// The same in the bold or regular face of `fonts`, each character the face
// lacks taken from the fallback face at the same pixel size.
QPainterPath TextPath(const FontSet& fonts, bool bold, qreal pixelSize, const QString& text, qreal tracking = 0);
qreal TextWidth(const FontSet& fonts, bool bold, qreal pixelSize, const QString& text, qreal tracking = 0);

// How a text outline is placed into a box.
struct FitRule {
    qreal height;            // height that the reference outline ("0" for numbers) is scaled to
    qreal maxWidth;          // widest it may become; narrower text is squeezed sideways
    qreal minSqueeze = 0.6;  // horizontal squeeze never goes below this
};

// `path` scaled by the rule and centred on `centre`; `reference` fixes the
// vertical size and centre so every number of a strip has the same height.
QPainterPath FitPath(const QPainterPath& path, const QRectF& reference, const FitRule& rule, QPointF centre);

}  // namespace assetgen

namespace assetgen {

// A piece of text in one face.
struct TextRun {
    QString text;
    bool bold = false;
};

// Lines of word runs no wider than `width`; a '*' in `text` switches bold on
// and off, a '\n' starts a new line. Lines break at spaces and between two
// Chinese or Japanese characters, never before closing punctuation nor after
// opening; a word wider than `width` gets a line of its own.
std::vector<std::vector<TextRun>> WrapText(const FontSet& fonts, qreal size, const QString& text, qreal width);

}  // namespace assetgen
