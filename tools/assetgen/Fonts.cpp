#include "tools/assetgen/Fonts.h"

#include <QDir>
#include <QFile>
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

}  // namespace

std::optional<FontSet> FontSet::Load(const QString& dir) {
    FontSet set{LoadFace(QDir(dir).filePath(QString::fromLatin1(kBoldFontFile))),
                LoadFace(QDir(dir).filePath(QString::fromLatin1(kRegularFontFile)))};
    if (!set.bold.isValid() || !set.regular.isValid()) return std::nullopt;
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

std::vector<std::vector<TextRun>> WrapText(const FontSet& fonts, qreal size, const QString& text, qreal width) {
    // Split into words, each a list of runs, and remember forced breaks.
    struct Word {
        std::vector<TextRun> runs;
        bool breakBefore = false;
    };
    std::vector<Word> words;
    bool bold = false;
    bool pendingBreak = false;
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
            if (ch == u'\n') pendingBreak = true;
        } else {
            if (current.runs.empty()) {
                current.breakBefore = pendingBreak;
                pendingBreak = false;
            }
            if (current.runs.empty() || current.runs.back().bold != bold) current.runs.push_back({QString(), bold});
            current.runs.back().text += ch;
        }
    }
    flush();

    auto runWidth = [&](const TextRun& r) { return TextWidth(r.bold ? fonts.bold : fonts.regular, size, r.text); };
    const qreal space = TextWidth(fonts.regular, size, QStringLiteral(" "));
    std::vector<std::vector<TextRun>> lines(1);
    qreal x = 0;
    for (const Word& w : words) {
        qreal ww = 0;
        for (const TextRun& r : w.runs) ww += runWidth(r);
        const bool fresh = lines.back().empty();
        if (w.breakBefore || (!fresh && x + space + ww > width)) {
            lines.emplace_back();
            x = 0;
        } else if (!fresh) {
            lines.back().push_back({QStringLiteral(" "), false});
            x += space;
        }
        for (const TextRun& r : w.runs) lines.back().push_back(r);
        x += ww;
    }
    return lines;
}

}  // namespace assetgen
