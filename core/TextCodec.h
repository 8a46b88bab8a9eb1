#pragma once

#include <string>
#include <string_view>

namespace trimerka::codec {

// The text of a file's bytes as UTF-8: UTF-8 with or without a byte order mark, UTF-16 LE or BE with a byte
// order mark; bytes that are not valid UTF-8 are read as Windows-1251, the 8-bit Cyrillic code page of task
// files made on older systems.
std::string decodeFileText(std::string_view bytes);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);
// Windows-1251 bytes as UTF-8.
std::string windows1251ToUtf8(std::string_view bytes);
// UTF-16 code units (without the byte order mark) as UTF-8; a lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian);
// Appends one code point in UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace trimerka::codec
