#include "core/VisibleText.h"

#include "core/Utf8.h"

namespace trimerka {

namespace {

std::string hexEscape(const char* prefix, unsigned value, int digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = prefix;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        text += kHex[(value >> shift) & 0xF];
    }
    return text;
}

// The visible form of one character as utf8::characters() splits it.
std::string visibleCharacter(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character.front());
    if (character.size() == 1) {
        switch (lead) {
        case '\t':
            return "\\t";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        default:
            break;
        }
        if (lead < 0x20 || lead == 0x7F) {
            return hexEscape("\\x", lead, 2);
        }
        if (lead >= 0x80) {
            return hexEscape("\\x", lead, 2);
        }
        return std::string(character);
    }
    // U+0080..U+009F, the second block of control characters, is C2 80..C2 9F.
    if (character.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0) {
        return hexEscape("\\u", static_cast<unsigned char>(character[1]), 4);
    }
    return std::string(character);
}

} // namespace

std::string VisibleText(std::string_view text, std::size_t maxCharacters) {
    std::string result;
    std::size_t count = 0;
    // The first maxCharacters + 1 characters lie within four bytes each: a long line is not split whole.
    for (std::string_view character : utf8::characters(text.substr(0, (maxCharacters + 1) * 4))) {
        if (count == maxCharacters) {
            return result + "…";
        }
        result += visibleCharacter(character);
        ++count;
    }
    return result;
}

std::string QuotedText(std::string_view text) {
    return "«" + VisibleText(text) + "»";
}

} // namespace trimerka
