#include "tools/assetgen/Fonts.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QTransform>

#include <algorithm>

namespace assetgen {
namespace {

constexpr qreal kDesignPixelSize = 100;  // faces are loaded at this size and scaled

QRawFont LoadFace(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QRawFont(file.readAll(), kDesignPixelSize, QFont::PreferNoHinting);
}

QList<QPointF> Advances(const QRawFont& font, const QList<quint32>& glyphs, qreal scale, qreal tracking) {
    QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs,
                                                           QRawFont::KernedAdvances | QRawFont::UseDesignMetrics);
    for (QPointF& a : advances) a = QPointF(a.x() * scale + tracking, 0);
    return advances;
}

// A piece of text that one face draws.
struct FaceRun {
    const QRawFont* face;
    QString text;
};

// `text` cut where it changes between the face and the fallback face: each
// character comes from the face unless only the fallback has it.
std::vector<FaceRun> FaceRuns(const FontSet& fonts, bool bold, const QString& text) {
    const QRawFont& face = fonts.Face(bold);
    std::vector<FaceRun> runs;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const uint ucs4 = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        const qsizetype length = pair ? 2 : 1;
        const bool fallback = fonts.fallback.isValid() && !face.supportsCharacter(ucs4) &&
                              fonts.fallback.supportsCharacter(ucs4);
        const QRawFont* from = fallback ? &fonts.fallback : &face;
        if (runs.empty() || runs.back().face != from) runs.push_back({from, QString()});
        runs.back().text += text.mid(i, length);
        i += length;
    }
    return runs;
}

// The fallback face has no bold: bold text from it is struck twice, this
// much of its size apart.
constexpr qreal kStrikeApart = 0.045;

QPainterPath RunPath(const FontSet& fonts, bool bold, const FaceRun& run, qreal pixelSize, qreal tracking) {
    QPainterPath path = TextPath(*run.face, pixelSize, run.text, tracking);
    if (bold && run.face == &fonts.fallback) path.addPath(path.translated(pixelSize * kStrikeApart, 0));
    return path;
}

}  // namespace

std::optional<FontSet> FontSet::Load(const QString& dir) { return Load(dir, QString::fromLatin1(kFallbackFontFile)); }

std::optional<FontSet> FontSet::Load(const QString& dir, const QString& fallbackFile) {
    FontSet set{LoadFace(QDir(dir).filePath(QString::fromLatin1(kBoldFontFile))),
                LoadFace(QDir(dir).filePath(QString::fromLatin1(kRegularFontFile))),
                fallbackFile.isEmpty() ? QRawFont() : LoadFace(fallbackFile)};
    if (!set.bold.isValid() || !set.regular.isValid()) return std::nullopt;
    return set;
}

std::optional<FontSet> FontSet::LoadWithDesktopFallback(const QString& dir) {
    std::optional<FontSet> set = Load(dir, QString());
    if (!set) return set;
    QFont desktop;  // the desktop's own family; fontconfig adds a face that writes the script
    desktop.setPixelSize(static_cast<int>(kDesignPixelSize));
    desktop.setHintingPreference(QFont::PreferNoHinting);
    // A face with kana and Han serves both languages; one with Han alone still serves Chinese.
    const uint kHan = 0x4E2D, kKana = 0x3042;
    for (const bool needKana : {true, false}) {
        for (const auto system :
             {QFontDatabase::Japanese, QFontDatabase::SimplifiedChinese, QFontDatabase::TraditionalChinese}) {
            const QRawFont face = QRawFont::fromFont(desktop, system);
            if (face.isValid() && face.supportsCharacter(kHan) && (!needKana || face.supportsCharacter(kKana))) {
                set->fallback = face;
                return set;
            }
        }
    }
    return set;
}

QPainterPath TextPath(const QRawFont& font, qreal pixelSize, const QString& text, qreal tracking) {
    const qreal scale = pixelSize / font.pixelSize();
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = Advances(font, glyphs, scale, tracking);
    QPainterPath out;
    qreal x = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        QTransform t;
        t.translate(x, 0);
        t.scale(scale, scale);
        out.addPath(t.map(font.pathForGlyph(glyphs[i])));
        x += advances[i].x();
    }
    out.setFillRule(Qt::WindingFill);
    return out;
}

qreal TextWidth(const QRawFont& font, qreal pixelSize, const QString& text, qreal tracking) {
    const qreal scale = pixelSize / font.pixelSize();
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    qreal width = 0;
    for (const QPointF& a : Advances(font, glyphs, scale, tracking)) width += a.x();
    return glyphs.isEmpty() ? 0 : width - tracking;
}

QPainterPath TextPath(const FontSet& fonts, bool bold, qreal pixelSize, const QString& text, qreal tracking) {
    const std::vector<FaceRun> runs = FaceRuns(fonts, bold, text);
    if (runs.empty()) return TextPath(fonts.Face(bold), pixelSize, text, tracking);
    if (runs.size() == 1) return RunPath(fonts, bold, runs.front(), pixelSize, tracking);
    QPainterPath out;
    qreal x = 0;
    for (const FaceRun& run : runs) {
        out.addPath(RunPath(fonts, bold, run, pixelSize, tracking).translated(x, 0));
        x += TextWidth(*run.face, pixelSize, run.text, tracking) + tracking;
    }
    out.setFillRule(Qt::WindingFill);
    return out;
}

qreal TextWidth(const FontSet& fonts, bool bold, qreal pixelSize, const QString& text, qreal tracking) {
    const std::vector<FaceRun> runs = FaceRuns(fonts, bold, text);
    if (runs.size() <= 1)
        return TextWidth(runs.empty() ? fonts.Face(bold) : *runs.front().face, pixelSize, text, tracking);
    qreal width = 0;
    for (const FaceRun& run : runs) width += TextWidth(*run.face, pixelSize, run.text, tracking) + tracking;
    return width - tracking;
}

QPainterPath FitPath(const QPainterPath& path, const QRectF& reference, const FitRule& rule, QPointF centre) {
    const QRectF box = path.boundingRect();
    const qreal scale = rule.height / reference.height();
    const qreal squeeze = std::clamp(rule.maxWidth / (box.width() * scale), rule.minSqueeze, 1.0);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(scale * squeeze, scale);
    t.translate(-box.center().x(), -reference.center().y());
    return t.map(path);
}

}  // namespace assetgen

namespace assetgen {
namespace {

// Han, kana and the Chinese and Japanese punctuation and full-width forms:
// a line may break between two of these.
bool IsCjk(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) ||
           (u >= 0xFF00 && u <= 0xFFEF);
}

// Marks that never start a line: closing brackets and punctuation, small
// kana and the prolonged sound mark.
bool ClosesCjk(QChar c) {
    static const QString kClosing = QStringLiteral(
        "\u3001\u3002\uFF0C\uFF0E\uFF1A\uFF1B\uFF1F\uFF01\uFF09\u300D\u300F\u3011\u3015\u3009\u300B"
        "\uFF5D\uFF3D\u30FC\u30FB\u3005\u3041\u3043\u3045\u3047\u3049\u3063\u3083\u3085\u3087\u308E"
        "\u30A1\u30A3\u30A5\u30A7\u30A9\u30C3\u30E3\u30E5\u30E7\u30EE\u30F5\u30F6\u2026\u2025"
        ",.:;!?)]}%");
    return kClosing.contains(c);
}

// Marks that never end a line: opening brackets.
bool OpensCjk(QChar c) {
    static const QString kOpening = QStringLiteral("\uFF08\u300C\u300E\u3010\u3014\u3008\u300A\uFF5B\uFF3B([{");
    return kOpening.contains(c);
}

// Whether a line may break between `before` and `after`, which no space parts.
bool CanBreakBetween(QChar before, QChar after) {
    return (IsCjk(before) || IsCjk(after)) && !ClosesCjk(after) && !OpensCjk(before);
}

}  // namespace

std::vector<std::vector<TextRun>> WrapText(const FontSet& fonts, qreal size, const QString& text, qreal width) {
    // Split into words, each a list of runs, and remember forced breaks and
    // which words follow a space (Chinese and Japanese words do not).
    struct Word {
        std::vector<TextRun> runs;
        bool breakBefore = false;
        bool spaceBefore = true;
    };
    std::vector<Word> words;
    bool bold = false;
    bool pendingBreak = false;
    bool glued = false;  // the next word follows the last without a space
    QChar last;          // the last character of the current word
    Word current;
    auto flush = [&] {
        if (!current.runs.empty()) words.push_back(current);
        current = Word{};
    };
    for (QChar ch : text) {
        if (ch == u'*') {
            bold = !bold;
        } else if (ch == u' ' || ch == u'\n') {
            flush();
            glued = false;
            if (ch == u'\n') pendingBreak = true;
        } else {
            if (!current.runs.empty() && CanBreakBetween(last, ch)) {
                flush();
                glued = true;
            }
            if (current.runs.empty()) {
                current.breakBefore = pendingBreak;
                current.spaceBefore = !glued;
                pendingBreak = false;
            }
            if (current.runs.empty() || current.runs.back().bold != bold) current.runs.push_back({QString(), bold});
            current.runs.back().text += ch;
            last = ch;
        }
    }
    flush();

    auto runWidth = [&](const TextRun& r) { return TextWidth(fonts, r.bold, size, r.text); };
    const qreal space = TextWidth(fonts.regular, size, QStringLiteral(" "));
    std::vector<std::vector<TextRun>> lines(1);
    qreal x = 0;
    for (const Word& w : words) {
        qreal ww = 0;
        for (const TextRun& r : w.runs) ww += runWidth(r);
        const bool fresh = lines.back().empty();
        const qreal gap = w.spaceBefore ? space : 0;
        if (w.breakBefore || (!fresh && x + gap + ww > width)) {
            lines.emplace_back();
            x = 0;
        } else if (!fresh && w.spaceBefore) {
            lines.back().push_back({QStringLiteral(" "), false});
            x += space;
        }
        for (const TextRun& r : w.runs) lines.back().push_back(r);
        x += ww;
    }
    return lines;
}

}  // namespace assetgen
