#include "printable_text.h"

#include <algorithm>
#include <cstdint>

namespace veltra {

namespace {

// The length of the UTF-8 sequence at `at` and its code point; 0 when the
// bytes there are no valid sequence.
size_t Decode(std::string_view text, size_t at, uint32_t& point) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    size_t length;
    uint32_t min;
    if (lead < 0x80) {
        point = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, point = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, point = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, point = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        point = point << 6 | (byte(i) & 0x3F);
    }
    if (point < min || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return 0;
    return length;
}

bool Unsafe(uint32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) || point == 0x2028 || point == 0x2029 ||
           (point >= 0x202A && point <= 0x202E) || (point >= 0x2066 && point <= 0x2069) ||
           point == 0x200E || point == 0x200F || point == 0x061C;
}

std::string Filtered(std::string_view text, size_t characters, bool keepLayout) {
    std::string out;
    out.reserve(characters < text.size() ? characters * 4 + 3 : text.size());
    size_t at = 0, kept = 0;
    while (at < text.size()) {
        if (kept == characters) return out + "\u2026";
        uint32_t point = 0;
        const size_t length = Decode(text, at, point);
        if (length == 0) {
            out += kReplacementMark;
            ++at;
        } else {
            const bool layout = keepLayout && (point == '\n' || point == '\t');
            if (Unsafe(point) && !layout) {
                out += kReplacementMark;
            } else {
                out.append(text.substr(at, length));
            }
            at += length;
        }
        ++kept;
    }
    return out;
}

}  // namespace

std::string PrintableText(std::string_view text) {
    return Filtered(text, std::string_view::npos, false);
}

std::string Excerpt(std::string_view text, size_t characters) {
    return Filtered(text, characters, false);
}

std::string TerminalText(std::string_view message) {
    return Filtered(message, std::string_view::npos, true);
}

}  // namespace veltra
