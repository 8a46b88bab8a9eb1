#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace trimerka {

// The whole of a file's bytes, read as every reader of the program reads them; when it cannot be read, raises
// Error with what is wrong, a phrase to follow the file's name: "нет такого файла", "это папка, а не файл",
// "нет права на чтение", "файл больше 16 МиБ — такой не читается", "не текст: это устройство или канал",
// "файл не читается".
std::string ReadFileBytesOrCause(const std::filesystem::path& path, std::uintmax_t limit);

// The whole of a file that a teacher's tool reads as text (a pupil's solution or program), its bytes as they
// are: read as ReadFileBytesOrCause reads it, and refused with "не текст: в нём есть нулевые байты" when it
// holds a NUL, as binary files do.
std::string ReadTextFile(const std::filesystem::path& path, std::uintmax_t limit);
// The same for standard input or any stream: the size and the text are checked alike.
std::string ReadTextStream(std::istream& in, std::uintmax_t limit);

// The entries of a folder whose names end in `extension` in any letter case (".txt", ".tmk"), in the order of
// their names; raises Error("папка не читается") when the folder cannot be listed.
std::vector<std::filesystem::path> FolderFilesWithExtension(const std::filesystem::path& folder,
                                                            std::string_view extension);

// "16 МиБ", "1 МиБ", "512 КиБ", "100 байт": a size limit as the messages name it.
std::string SizeText(std::uintmax_t bytes);

} // namespace trimerka
