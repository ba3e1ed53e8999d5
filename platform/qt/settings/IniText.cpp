#include "platform/qt/settings/IniText.h"

#include <QLatin1StringView>
#include <QStringDecoder>
#include <QStringView>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::qt::ini {
namespace {

// The section of the keys without a group, and its spelling for a group
// that happens to bear that name.
constexpr QByteArrayView kGeneral = "general";
constexpr QByteArrayView kEscapedGeneral = "%general";
constexpr QByteArrayView kGeneralHeader = "[General]";
constexpr QByteArrayView kByteOrderMark = "\xef\xbb\xbf";
constexpr char16_t kHexBase = 16;
constexpr char16_t kOctalBase = 8;
constexpr int kWideEscapeDigits = 4;    // "%U0101"
constexpr int kNarrowEscapeDigits = 2;  // "%2F"
constexpr char16_t kLatin1End = 0x100;
constexpr char16_t kLastControl = 0x1f;
constexpr char16_t kDelete = 0x7f;

// Texts that begin with "@" mark a value of another type; a text of our
// own that begins so is written with "@@". A text holding a NUL is written
// as "@String(...)".
constexpr QLatin1StringView kTypeMark("@");
constexpr QLatin1StringView kEscapedTypeMark("@@");
constexpr QLatin1StringView kStringType("@String(");
constexpr QLatin1StringView kInvalidValue("@Invalid()");
struct TypedValue {
    QLatin1StringView opening;
    int arguments;  // the space-separated arguments a valid one has; 0: any
};
constexpr TypedValue kTypedValues[] = {
    {QLatin1StringView("@ByteArray("), 0}, {QLatin1StringView("@Variant("), 0}, {QLatin1StringView("@DateTime("), 0},
    {QLatin1StringView("@Rect("), 4},      {QLatin1StringView("@Size("), 2},    {QLatin1StringView("@Point("), 2},
};

bool IsLineSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
char16_t HexValue(char c) {
    if (c >= 'a') return static_cast<char16_t>(c - 'a' + 10);
    if (c >= 'A') return static_cast<char16_t>(c - 'A' + 10);
    return static_cast<char16_t>(c - '0');
}
bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

// The character a one-letter escape such as "\n" stands for, or 0.
char SimpleEscape(char letter) {
    switch (letter) {
        case 'a': return '\a';
        case 'b': return '\b';
        case 'f': return '\f';
        case 'n': return '\n';
        case 'r': return '\r';
        case 't': return '\t';
        case 'v': return '\v';
        case '"': return '"';
        case '?': return '?';
        case '\'': return '\'';
        case '\\': return '\\';
        default: return 0;
    }
}

// ---- Reading ----------------------------------------------------------------

// One logical line: it ends at a line break or ";" outside quotes; a
// backslash carries it over a line break. `equals` is the first "=" outside
// quotes, counted from the line's start, or -1.
struct Line {
    QByteArrayView text;
    qsizetype equals = -1;
};

// The next logical line from `pos` on, skipping blank and comment lines;
// false at the end of the data.
bool NextLine(QByteArrayView data, qsizetype& pos, Line& line) {
    const qsizetype size = data.size();
    qsizetype start = pos;
    while (start < size && IsLineSpace(data[start])) ++start;
    qsizetype equals = -1;
    bool inQuotes = false;
    qsizetype i = start;
    bool ended = false;
    while (i < size && !ended) {
        const char c = data[i++];
        switch (c) {
            case '=':
                if (!inQuotes && equals < 0) equals = i - 1 - start;
                break;
            case '\n':
            case '\r':
                if (!inQuotes) ended = true;
                break;
            case '\\':
                if (i < size) {
                    const char escaped = data[i++];
                    if (i < size && ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n'))) {
                        ++i;
                    }
                }
                break;
            case '"': inQuotes = !inQuotes; break;
            case ';':
                if (i == start + 1) {  // a comment line: the line starts after it
                    while (i < size && data[i] != '\n' && data[i] != '\r') ++i;
                    while (i < size && IsLineSpace(data[i])) ++i;
                    start = i;
                } else if (!inQuotes) {
                    ended = true;
                }
                break;
            default: break;
        }
    }
    if (ended) --i;  // the line break or ";" is not part of the line
    pos = i;
    line = {data.sliced(start, i - start), equals};
    return i > start;
}

// A name as the file spells it: "\" stands for "/", "%XX" and "%UXXXX" for
// the character of that code.
QString UnescapeName(QByteArrayView escaped) {
    const QString decoded = QString::fromUtf8(escaped);
    QString name;
    name.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size();) {
        const QChar c = decoded[i];
        if (c == u'\\') {
            name += u'/';
            ++i;
            continue;
        }
        if (c == u'%' && i + 1 < decoded.size()) {
            const bool wide = decoded[i + 1] == u'U';
            const qsizetype first = i + (wide ? 2 : 1);
            const qsizetype digits = wide ? kWideEscapeDigits : kNarrowEscapeDigits;
            bool ok = first + digits <= decoded.size();
            const ushort code = ok ? QStringView(decoded).sliced(first, digits).toUShort(&ok, kHexBase) : 0;
            if (ok) {
                name += QChar(code);
                i = first + digits;
                continue;
            }
        }
        name += c;
        ++i;
    }
    return name;
}

// True when a name as the file spells it is the name itself: plain ASCII
// without "%" or "\\".
bool IsPlainName(QByteArrayView escaped) {
    return std::all_of(escaped.begin(), escaped.end(),
                       [](char c) { return static_cast<uchar>(c) < 0x80 && c != '%' && c != '\\'; });
}

// What precedes the keys of the section a header line opens: "" for the
// keys without a group, otherwise the group's name and "/".
QString SectionPrefix(QByteArrayView header) {
    const qsizetype close = header.indexOf(']');
    const QByteArrayView name = header.sliced(1, (close < 0 ? header.size() : close) - 1).trimmed();
    if (name.compare(kGeneral, Qt::CaseInsensitive) == 0) return {};
    if (name.compare(kEscapedGeneral, Qt::CaseInsensitive) == 0) {
        return QString::fromLatin1(name.sliced(1)) + u'/';
    }
    if (IsPlainName(name)) {  // most are: made in one piece
        QString prefix;
        prefix.reserve(name.size() + 1);
        prefix += QLatin1StringView(name);
        prefix += u'/';
        return prefix;
    }
    return UnescapeName(name) + u'/';
}

// The value part of a line decoded: one text, or a list when an unquoted
// comma splits it (then only that it is one matters).
struct Value {
    QString text;
    bool isList = false;
};

Value UnescapeValue(QByteArrayView raw) {
    Value value;
    QString& text = value.text;
    const qsizetype size = raw.size();
    qsizetype i = 0;
    qsizetype keep = 0;   // blanks before this point were escaped or quoted: never trimmed
    bool quoted = false;  // the current item had quotes: its blanks stay
    bool inQuotes = false;
    // One decoder for the whole value: a byte order mark counts only at its start.
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    const auto skipBlanks = [&] {
        while (i < size && IsBlank(raw[i])) ++i;
        keep = text.size();
    };
    const auto trimBlanks = [&] {
        while (text.size() > keep && IsBlank(text.back())) text.chop(1);
    };
    skipBlanks();
    while (i < size) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= size) return value;  // a lone backslash at the end: nothing more, nothing trimmed
            const char letter = raw[i++];
            if (const char simple = SimpleEscape(letter); simple != 0) {
                text += QLatin1Char(simple);
            } else if (letter == 'x') {
                if (i >= size) return value;
                if (IsHexDigit(raw[i])) {
                    char16_t code = 0;
                    while (i < size && IsHexDigit(raw[i])) {
                        code = static_cast<char16_t>(code * kHexBase + HexValue(raw[i++]));
                    }
                    text += QChar(code);
                }
            } else if (IsOctalDigit(letter)) {
                auto code = static_cast<char16_t>(letter - '0');
                while (i < size && IsOctalDigit(raw[i])) {
                    code = static_cast<char16_t>(code * kOctalBase + (raw[i++] - '0'));
                }
                text += QChar(code);
            } else if ((letter == '\n' || letter == '\r') && i < size && (raw[i] == '\n' || raw[i] == '\r') &&
                       raw[i] != letter) {
                ++i;  // a line carried over with "\r\n" or "\n\r"
            }         // any other escaped character is dropped
            keep = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks();
        } else if (c == ',' && !inQuotes) {
            if (!quoted) trimBlanks();
            value.isList = true;
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype end = i + 1;
            while (end < size && raw[end] != '\\' && raw[end] != '"' && raw[end] != ',') ++end;
            text += fromUtf8(raw.sliced(i, end - i));
            i = end;
        }
    }
    if (!quoted) trimBlanks();
    return value;
}

// How many arguments a typed value such as "@Rect(1 2 3 4)" has, counted as
// QSettings splits them: at each space and at the closing parenthesis.
qsizetype ArgumentCount(QStringView text, qsizetype opening) {
    qsizetype count = 0;
    for (const QChar c : text.sliced(opening)) {
        if (c == u' ' || c == u')') ++count;
    }
    return count;
}

// True when a single text marks a value of a type other than text.
bool IsTypedValue(const QString& text) {
    if (!text.startsWith(kTypeMark) || !text.endsWith(u')')) return false;
    if (text == kInvalidValue) return true;
    for (const TypedValue& typed : kTypedValues) {
        if (!text.startsWith(typed.opening)) continue;
        return typed.arguments == 0 || ArgumentCount(text, typed.opening.size()) == typed.arguments;
    }
    return false;
}

// The text a key's value part reads as.
QString TextOf(QByteArrayView raw) {
    // Most values are plain ASCII with no escape, quote, comma or type mark:
    // they read as they stand, without the blanks around them.
    const bool plain = std::all_of(raw.begin(), raw.end(), [](char c) {
        return static_cast<uchar>(c) < 0x80 && c != '\\' && c != '"' && c != ',';
    });
    if (plain) {
        qsizetype begin = 0;
        qsizetype end = raw.size();
        while (begin < end && IsBlank(raw[begin])) ++begin;
        while (end > begin && IsBlank(raw[end - 1])) --end;
        if (begin == end || raw[begin] != '@') return QString::fromLatin1(raw.sliced(begin, end - begin));
    }
    const Value value = UnescapeValue(raw);
    if (value.isList || IsTypedValue(value.text)) return QString::fromUtf8(raw.trimmed());
    if (value.text.startsWith(kStringType) && value.text.endsWith(u')')) {
        return value.text.sliced(kStringType.size()).chopped(1);
    }
    if (value.text.startsWith(kEscapedTypeMark)) return value.text.sliced(1);
    return value.text;
}

// Calls `visit(prefix, escapedName, rawValue)` for every key line of the
// file, in order; the key is the prefix of its section and the unescaped name.
template <typename Visit>
void ForEachKey(QByteArrayView contents, Visit visit) {
    // Sections are looked for after a byte order mark, but the keys before
    // the first section are read with it, as QSettings does: the mark itself
    // drops out of the first name, blanks after it stay.
    qsizetype pos = contents.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    Line line;
    qsizetype firstSection = contents.size();
    while (NextLine(contents, pos, line)) {
        if (line.text.startsWith('[')) {
            firstSection = line.text.data() - contents.data();
            break;
        }
    }
    const QByteArrayView topLevel = contents.first(firstSection);
    pos = 0;
    while (NextLine(topLevel, pos, line)) {
        if (line.equals >= 0) {
            visit(QString(), line.text.first(line.equals).trimmed(), line.text.sliced(line.equals + 1));
        }
    }

    QString prefix;
    pos = firstSection;
    while (NextLine(contents, pos, line)) {
        if (line.text.startsWith('[')) {
            prefix = SectionPrefix(line.text);
        } else if (line.equals >= 0) {
            visit(prefix, line.text.first(line.equals).trimmed(), line.text.sliced(line.equals + 1));
        }
    }
}

// ---- Writing ----------------------------------------------------------------

// True when every part of `key` between its slashes holds something.
bool IsWellFormedKey(QStringView key) {
    return !key.isEmpty() && !key.startsWith(u'/') && !key.endsWith(u'/') && !key.contains(u"//");
}

void AppendHex(QByteArray& out, uint code) { out += QByteArray::number(code, kHexBase); }

// A name as the file spells it; the inverse of UnescapeName.
void AppendEscapedName(QByteArray& out, QStringView name) {
    for (const QChar c : name) {
        const char16_t code = c.unicode();
        if (code == u'/') {
            out += '\\';
        } else if ((code >= u'a' && code <= u'z') || (code >= u'A' && code <= u'Z') || (code >= u'0' && code <= u'9') ||
                   code == u'_' || code == u'-' || code == u'.') {
            out += static_cast<char>(code);
        } else {
            const bool wide = code >= kLatin1End;
            out += wide ? "%U" : "%";
            out += QByteArray::number(code, kHexBase)
                       .toUpper()
                       .rightJustified(wide ? kWideEscapeDigits : kNarrowEscapeDigits, '0');
        }
    }
}

// The characters of a text, for the standard library.
std::u16string_view View(QStringView text) { return {text.utf16(), static_cast<std::size_t>(text.size())}; }

// Whether a text is written in quotes: when it holds ";", "," or "=", or
// begins or ends with a space. Spaces are written as they are, so the text
// begins or ends with one exactly when its escaped form does.
template <typename Char>
bool NeedsQuotes(std::basic_string_view<Char> text) {
    const bool special = std::any_of(text.begin(), text.end(), [](Char c) { return c == ';' || c == ',' || c == '='; });
    return special || (!text.empty() && (text.front() == ' ' || text.back() == ' '));
}

// A text as QSettings writes a text: "@" doubled, a NUL inside wrapped in
// "@String(...)", control characters escaped, quotes around it when it holds
// ";", "," or "=" or begins or ends with a space.
void AppendEscapedText(QByteArray& out, const QString& text) {
    // Printable ASCII with no quote, backslash or type mark is written as it
    // stands.
    const bool plain = !text.startsWith(kTypeMark) && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= u' ' && c.unicode() < kDelete && c != u'"' && c != u'\\';
    });
    if (plain) {
        const bool needsQuotes = NeedsQuotes(View(text));
        if (needsQuotes) out += '"';
        for (const QChar c : text) out += static_cast<char>(c.unicode());
        if (needsQuotes) out += '"';
        return;
    }
    QString marked = text;
    if (text.contains(QChar(u'\0'))) {
        marked = QString(kStringType) + text + u')';
    } else if (text.startsWith(kTypeMark)) {
        marked.prepend(kTypeMark);
    }
    const QByteArray utf8 = marked.toUtf8();
    // The opening quote goes first: an insert into `out` afterwards would
    // move the whole file written so far.
    const bool needsQuotes = NeedsQuotes(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (needsQuotes) out += '"';
    bool escapeHexDigit = false;  // after "\x.." or "\0" a hex digit would join the escape
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        // A byte-order mark would be taken for one and dropped when the first
        // run of non-ASCII characters of a text begins with it: escaped, it
        // reads back as itself.
        if (QByteArrayView(utf8).sliced(i).startsWith(kByteOrderMark)) {
            out += "\\xfeff";
            i += kByteOrderMark.size() - 1;
            escapeHexDigit = true;
            continue;
        }
        if (escapeHexDigit && IsHexDigit(c)) {
            out += "\\x";
            AppendHex(out, static_cast<uchar>(c));
            continue;
        }
        escapeHexDigit = false;
        switch (c) {
            case '\0':
                out += "\\0";
                escapeHexDigit = true;
                break;
            case '\a': out += "\\a"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\v': out += "\\v"; break;
            case '"':
            case '\\':
                out += '\\';
                out += c;
                break;
            default:
                if (static_cast<uchar>(c) <= kLastControl) {
                    out += "\\x";
                    AppendHex(out, static_cast<uchar>(c));
                    escapeHexDigit = true;
                } else {
                    out += c;
                }
        }
    }
    if (needsQuotes) out += '"';
}

// The line that opens the section of the keys in group `section`, or of the
// keys without a group when it is empty.
void AppendHeader(QByteArray& out, QStringView section) {
    if (section.isEmpty()) {
        out += kGeneralHeader;
    } else {
        // Escaping keeps letters as they are: a group named "general", in any
        // case, is spelt so, and is written "[%general]" in its own case.
        const bool general = section.compare(QLatin1StringView(kGeneral.data(), kGeneral.size()),
                                             Qt::CaseInsensitive) == 0;
        out += general ? "[%" : "[";
        AppendEscapedName(out, section);
        out += ']';
    }
    out += '\n';
}

// Places in a list by name: an open table of at least twice as many slots
// as names, so that most lookups touch one slot and adding takes no
// allocation of its own. The names' characters must outlive the index.
class NameIndex {
public:
    explicit NameIndex(std::size_t count) { Resize(count); }

    // The place of `name`; when it is new, `place`, which it is given.
    // Whether it was new.
    std::pair<std::size_t, bool> FindOrAdd(std::u16string_view name, std::size_t place) {
        if (2 * (m_count + 1) > m_slots.size()) Resize(2 * m_count + 1);
        Slot& slot = SlotOf(name);
        if (slot.place != kNone) return {slot.place, false};
        slot = {name.data(), static_cast<std::uint32_t>(name.size()), static_cast<std::uint32_t>(place)};
        ++m_count;
        return {place, true};
    }

private:
    // Sixteen bytes a slot: a file holds far fewer than 2^32 names, each far
    // shorter, and a small table is quicker to fill.
    static constexpr std::uint32_t kNone = UINT32_MAX;
    static constexpr std::size_t kMinSlots = 16;
    struct Slot {
        const char16_t* name = nullptr;
        std::uint32_t size = 0;
        std::uint32_t place = kNone;
        std::u16string_view Name() const { return {name, size}; }
    };

    // The slot that holds `name`, or the empty one where it belongs.
    Slot& SlotOf(std::u16string_view name) {
        const std::size_t mask = m_slots.size() - 1;  // the size is a power of two
        for (std::size_t i = std::hash<std::u16string_view>()(name) & mask;; i = (i + 1) & mask) {
            if (m_slots[i].place == kNone || m_slots[i].Name() == name) return m_slots[i];
        }
    }

    // Room for `count` names, keeping those held.
    void Resize(std::size_t count) {
        std::vector<Slot> old = std::exchange(m_slots,
                                              std::vector<Slot>(std::bit_ceil(std::max(2 * count, kMinSlots))));
        for (const Slot& slot : old) {
            if (slot.place != kNone) SlotOf(slot.Name()) = slot;
        }
    }

    std::vector<Slot> m_slots;
    std::size_t m_count = 0;
};

// The keys of a file in their order, each with the text it reads as.
class KeyList {
public:
    // Room for about `count` keys.
    explicit KeyList(std::size_t count) : m_index(count) { m_keys.reserve(count); }

    void Set(QString key, QString text) {
        const auto [place, added] = m_index.FindOrAdd(View(key), m_keys.size());
        if (!added) {
            m_keys[place].text = std::move(text);
            return;
        }
        // The view in the index points into the key's characters, which stay
        // where they are when the list grows and moves its keys.
        m_keys.push_back({std::move(key), std::move(text)});
    }

    // Sections in the order of their first key, keys in their order.
    QByteArray Serialize() const {
        // Each section's keys are chained in one pass, so a save stays linear
        // in the number of keys however many sections there are.
        constexpr std::size_t kNone = SIZE_MAX;
        std::vector<std::size_t> next(m_keys.size(), kNone);  // the next key of the same section
        std::vector<std::size_t> first;                       // each section's first key, in order
        std::vector<std::size_t> last;
        NameIndex sectionIndex(m_keys.size());
        for (std::size_t i = 0; i < m_keys.size(); ++i) {
            const auto [section, added] = sectionIndex.FindOrAdd(View(SectionOf(m_keys[i].key)), first.size());
            if (added) {
                first.push_back(i);
                last.push_back(i);
            } else {
                next[std::exchange(last[section], i)] = i;
            }
        }
        QByteArray out;
        for (const std::size_t head : first) {
            if (!out.isEmpty()) out += '\n';
            AppendHeader(out, SectionOf(m_keys[head].key));
            for (std::size_t i = head; i != kNone; i = next[i]) {
                AppendEscapedName(out, NameInSection(m_keys[i].key));
                out += '=';
                AppendEscapedText(out, m_keys[i].text);
                out += '\n';
            }
        }
        return out;
    }

private:
    static QStringView SectionOf(const QString& key) {
        const qsizetype slash = key.indexOf(u'/');
        return slash < 0 ? QStringView() : QStringView(key).first(slash);
    }
    static QStringView NameInSection(const QString& key) {
        const qsizetype slash = key.indexOf(u'/');
        return slash < 0 ? QStringView(key) : QStringView(key).sliced(slash + 1);
    }

    std::vector<Change> m_keys;
    NameIndex m_index;
};

}  // namespace

std::optional<std::string> FindText(QByteArrayView contents, const QString& key) {
    std::optional<QByteArrayView> found;
    ForEachKey(contents, [&](const QString& prefix, QByteArrayView escapedName, QByteArrayView raw) {
        if (!key.startsWith(prefix)) return;
        const QStringView name = QStringView(key).sliced(prefix.size());
        if (IsPlainName(escapedName) ? QLatin1StringView(escapedName) == name : UnescapeName(escapedName) == name) {
            found = raw;
        }
    });
    if (!found) return std::nullopt;
    return TextOf(*found).toStdString();
}

QByteArray Merge(QByteArrayView contents, std::span<const Change> changes) {
    // Every key line holds an "=": counting them first spares the list its growing.
    KeyList keys(static_cast<std::size_t>(std::count(contents.begin(), contents.end(), '=')) + changes.size());
    ForEachKey(contents, [&](const QString& prefix, QByteArrayView escapedName, QByteArrayView raw) {
        // A key with an empty part (a damaged header or name such as "[\x]"
        // or "a\\b") names nothing anyone can read, and could not be written
        // back as itself: it is dropped.
        QString key = IsPlainName(escapedName) ? prefix + QLatin1StringView(escapedName)
                                               : prefix + UnescapeName(escapedName);
        if (IsWellFormedKey(key)) keys.Set(std::move(key), TextOf(raw));
    });
    for (const Change& change : changes) keys.Set(change.key, change.text);
    return keys.Serialize();
}

}  // namespace platform::qt::ini
