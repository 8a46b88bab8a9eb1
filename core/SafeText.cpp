#include "core/SafeText.h"

#include <cstdint>
#include <cstdio>

namespace trimerka {

namespace {

constexpr std::string_view kEllipsis = "…";

// The length of the well-formed UTF-8 sequence at the start of `text` and its code point; 0 when the first
// byte does not begin one (a stray continuation byte, an overlong form, a surrogate, beyond U+10FFFF, cut
// off).
std::size_t decodeOne(std::string_view text, char32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = codePoint << 6 | (byte(i) & 0x3F);
    }
    if (codePoint < least || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return length;
}

bool shownAsEscape(char32_t c) {
    return (c < 0x20 && c != '\t') || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::string escaped(const char* format, unsigned value) {
    char text[12];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::string SafeText(std::string_view text, std::size_t maxCharacters) {
    std::string result;
    std::size_t characters = 0;
    // Where the result stood when it last had room for the ellipsis after it.
    std::size_t cutAt = 0;
    while (!text.empty()) {
        char32_t c = 0;
        const std::size_t length = decodeOne(text, c);
        std::string piece;
        std::size_t width = 1;
        if (length == 0) {
            piece = escaped("\\x%02X", static_cast<unsigned char>(text.front()));
            width = piece.size();
        } else if (shownAsEscape(c)) {
            piece = c < 0x80 ? escaped("\\x%02X", static_cast<unsigned>(c)) : escaped("\\u%04X", c);
            width = piece.size();
        } else {
            piece = text.substr(0, length);
        }
        text.remove_prefix(length == 0 ? 1 : length);
        if (characters + width > maxCharacters) {
            result.resize(cutAt);
            return result + std::string(kEllipsis);
        }
        characters += width;
        result += piece;
        if (characters + 1 <= maxCharacters) {
            cutAt = result.size();
        }
    }
    return result;
}

std::string QuotedText(std::string_view text) {
    return "«" + SafeText(text) + "»";
}

} // namespace trimerka
