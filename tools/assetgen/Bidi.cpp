#include "tools/assetgen/Bidi.h"

#include <algorithm>
#include <cstddef>

namespace assetgen {
namespace {

bool IsRightToLeft(QChar c) { return c.direction() == QChar::DirR || c.direction() == QChar::DirAL; }

// The character classes the implicit rules tell apart; N is every neutral.
enum class BidiClass { R, L, EN, ES, ET, CS, NSM, N };

BidiClass ClassOf(QChar c) {
    switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL: return BidiClass::R;
        case QChar::DirL: return BidiClass::L;
        case QChar::DirEN:
        case QChar::DirAN: return BidiClass::EN;
        case QChar::DirES: return BidiClass::ES;
        case QChar::DirET: return BidiClass::ET;
        case QChar::DirCS: return BidiClass::CS;
        case QChar::DirNSM: return BidiClass::NSM;
        default: return BidiClass::N;
    }
}

// The end of the stretch of `kind` that starts at `from`.
std::size_t StretchEnd(const std::vector<BidiClass>& k, std::size_t from, BidiClass kind) {
    while (from < k.size() && k[from] == kind) ++from;
    return from;
}

// Resolves each character of a line in a right-to-left paragraph to
// right to left (true) or left to right (false).
std::vector<bool> ResolveRightToLeft(const QString& text) {
    std::vector<BidiClass> k;
    for (QChar c : text) k.push_back(ClassOf(c));
    const std::size_t n = k.size();
    using enum BidiClass;
    for (std::size_t i = 0; i < n; ++i)  // a mark takes the class of what it marks
        if (k[i] == NSM) k[i] = i > 0 ? k[i - 1] : R;
    for (std::size_t i = 1; i + 1 < n; ++i)  // one separator between two digits joins the number
        if ((k[i] == ES || k[i] == CS) && k[i - 1] == EN && k[i + 1] == EN) k[i] = EN;
    for (std::size_t i = 0; i < n;) {  // signs such as % and ° next to a number join it
        if (k[i] != ET) {
            ++i;
            continue;
        }
        const std::size_t end = StretchEnd(k, i, ET);
        const bool byNumber = (i > 0 && k[i - 1] == EN) || (end < n && k[end] == EN);
        std::fill(k.begin() + static_cast<std::ptrdiff_t>(i), k.begin() + static_cast<std::ptrdiff_t>(end),
                  byNumber ? EN : N);
        i = end;
    }
    BidiClass strong = R;
    for (BidiClass& c : k) {
        if (c == ES || c == CS) c = N;
        if (c == L || c == R) strong = c;
        if (c == EN && strong == L) c = L;  // a number after Latin text reads with it
    }
    // Neutrals between two of one direction take it (numbers count as right
    // to left here); any other takes the paragraph's.
    for (std::size_t i = 0; i < n;) {
        if (k[i] != N) {
            ++i;
            continue;
        }
        const std::size_t end = StretchEnd(k, i, N);
        const BidiClass before = i > 0 && k[i - 1] == L ? L : R;
        const BidiClass after = end < n && k[end] == L ? L : R;
        std::fill(k.begin() + static_cast<std::ptrdiff_t>(i), k.begin() + static_cast<std::ptrdiff_t>(end),
                  before == after ? before : R);
        i = end;
    }
    std::vector<bool> rtl(n);
    std::transform(k.begin(), k.end(), rtl.begin(), [](BidiClass c) { return c == R; });
    return rtl;
}

struct Letter {
    QChar ch;
    bool bold;
};

}  // namespace

bool HasRightToLeftLetters(const QString& text) { return std::any_of(text.begin(), text.end(), IsRightToLeft); }

std::vector<TextRun> VisualOrder(const std::vector<TextRun>& line) {
    QString text;
    std::vector<Letter> letters;
    for (const TextRun& run : line)
        for (QChar ch : run.text) {
            text += ch;
            letters.push_back({ch, run.bold});
        }
    const std::vector<bool> rtl = ResolveRightToLeft(text);
    for (std::size_t i = 0; i < letters.size(); ++i)
        if (rtl[i]) letters[i].ch = letters[i].ch.mirroredChar();
    // The whole line turned round, then each left-to-right stretch back.
    std::vector<std::size_t> order(letters.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = order.size() - 1 - i;
    for (auto it = order.begin(); it != order.end();) {
        auto end = std::find_if(it, order.end(), [&](std::size_t i) { return rtl[i]; });
        std::reverse(it, end);
        it = end == order.end() ? end : end + 1;
    }
    std::vector<TextRun> out;
    for (std::size_t i : order) {
        const Letter& l = letters[i];
        if (out.empty() || out.back().bold != l.bold) out.push_back({QString(), l.bold});
        out.back().text += l.ch;
    }
    return out;
}

QString VisualOrder(const QString& line) {
    QString out;
    for (const TextRun& run : VisualOrder(std::vector<TextRun>{{line, false}})) out += run.text;
    return out;
}

}  // namespace assetgen
