#pragma once

#include <string>
#include <string_view>

namespace trimerka {

// Text from a file as a message may show it: control characters as visible escapes ("\t", "\x01"), bytes that
// are not UTF-8 as "\xFF", and at most `maxCharacters` characters, a longer text cut and ended with "…".
std::string VisibleText(std::string_view text, std::size_t maxCharacters = 60);

// The same in guillemets: «А - Г».
std::string QuotedText(std::string_view text);

} // namespace trimerka
