#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trimerka {

// A text quoted in a message is cut to about this many characters.
constexpr std::size_t kSafeTextMaxCharacters = 60;

// Text from a file (a task, a pupil's solution, a file name) made fit to stand in a message on a terminal or
// in a message box: a control character (C0 but TAB, DEL, C1), a mark that turns the direction of the text
// (U+061C, U+200E, U+200F, U+202A..U+202E, U+2066..U+2069) or a line separator (U+2028, U+2029) is shown as
// an escape ("\x1B", "\u202E"), and so is every byte that is not valid UTF-8; an escape sequence thus loses
// its ESC and prints as plain text. A result longer than `maxCharacters` characters is cut, with «…» as its
// last character and no escape parted. Other text, Cyrillic included, stays byte for byte as it was.
std::string SafeText(std::string_view text, std::size_t maxCharacters = kSafeTextMaxCharacters);

// The same in guillemets, as a message quotes it: «А - Г».
std::string QuotedText(std::string_view text);

} // namespace trimerka
