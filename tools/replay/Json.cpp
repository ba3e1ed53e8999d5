#include "tools/replay/Json.h"

#include <charconv>

namespace replay::json {

namespace {

constexpr char kHex[] = "0123456789abcdef";
constexpr std::string_view kReplacement = "\\ufffd";

// The length of the valid UTF-8 sequence at the start of `s`, or 0 if its
// first byte does not start one (overlong forms, surrogates and values
// beyond U+10FFFF are not valid).
std::size_t Utf8Length(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (s.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

}  // namespace

void AppendString(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = Utf8Length(text.substr(i));
            if (length == 0) {
                out += kReplacement;
                ++i;
            } else {
                out.append(text.substr(i, length));
                i += length;
            }
            continue;
        }
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    out += "\\u00";
                    out += kHex[c >> 4];
                    out += kHex[c & 0xF];
                } else {
                    out += static_cast<char>(c);
                }
        }
        ++i;
    }
    out += '"';
}

void AppendInt(std::string& out, long long value) {
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    out.append(digits, result.ptr);
}

void AppendEvents(std::string& out, const std::vector<platform::fake::Event>& events) {
    using platform::fake::Event;
    out += '[';
    bool first = true;
    for (const Event& e : events) {
        if (!first) out += ',';
        first = false;
        if (e.kind == Event::Kind::Sound) {
            out += "[\"sound\",";
            AppendString(out, e.sound);
            out += ']';
            continue;
        }
        const int fields[] = {e.bitmap, e.src.x, e.src.y, e.src.w, e.src.h, e.dst.x, e.dst.y, e.dst.w, e.dst.h};
        out += '[';
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            if (i > 0) out += ',';
            AppendInt(out, fields[i]);
        }
        out += ']';
    }
    out += ']';
}

}  // namespace replay::json
