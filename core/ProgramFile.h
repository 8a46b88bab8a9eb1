#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace trimerka {

// A pupil's program file as the window «Программа» opens it: UTF-8 with or without a byte order mark,
// UTF-16 with one, or Windows-1251, as solution files are read. The text comes back in UTF-8, its lines
// parted by LF, without a line end after the last one.

// The text of a program file's bytes; throws Error when the bytes are not text (a control character other
// than TAB and the line ends, after decoding). `name` is the file's name for the message.
std::string ProgramFileText(std::string_view bytes, const std::string& name);

// Reads and decodes a program file; throws Error with a Russian message when it cannot be read, is larger
// than kMaxProgramBytes or is not text.
std::string ReadProgramFile(const std::filesystem::path& path);

} // namespace trimerka
