#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trimerka {

// A value is read up to this many characters; the rest of a longer value is cut off.
constexpr std::size_t kProfileValueMaxChars = 2047;
// A file larger than this is read as an empty file: no real task comes near it.
constexpr std::uintmax_t kProfileMaxReadBytes = 1024 * 1024;

// The value of `key` in `section` of INI text (UTF-8): names match without regard to case and blanks around
// them, the value loses its surrounding blanks and one pair of surrounding quotes, the first of repeated keys
// wins; a missing section or key gives empty text.
std::string ReadProfileString(std::string_view text, std::string_view section, std::string_view key);

// A section or key name as it is compared: without surrounding blanks, ASCII letters in lower case.
std::string LowerCaseName(std::string_view name);

// An INI file held in memory as its lines (UTF-8, without line ends), for reading many keys from one parse
// and for editing before the whole file is written back at once.
class Profile {
public:
    Profile() = default;
    // Text already in UTF-8; CRLF and LF line ends are both accepted.
    static Profile fromText(std::string_view utf8Text);
    // The bytes of a file in any of the accepted encodings.
    static Profile fromBytes(std::string_view bytes);
    // A missing, unreadable or too large file gives an empty profile, in which every key is missing.
    static Profile load(const std::filesystem::path& path);

    std::string read(std::string_view section, std::string_view key) const;
    // Every key of every section of that name in file order, each with its value as read() gives it.
    std::vector<std::pair<std::string, std::string>> keysOf(std::string_view section) const;
    // Replaces the value in place when the key exists, otherwise appends the key at the end of its section,
    // appending the section at the end of the file when it is missing. Line breaks in the value become
    // blanks. A value that begins or ends with a blank, or is enclosed in a pair of quotes, is written within
    // double quotes, so that read() gives it back unchanged.
    void write(std::string_view section, std::string_view key, std::string_view value);
    // Appends a new section with these keys at the end of the file, parted from the lines before by a blank
    // line; the values are written as write() writes them.
    void appendSection(std::string_view section,
                       const std::vector<std::pair<std::string, std::string>>& keys);
    // Removes every section of that name with all its lines.
    void eraseSection(std::string_view section);

    // The whole file as written: UTF-8 without a byte order mark, every line ended by LF.
    std::string text() const;
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// Reads a whole file's bytes; a missing file, a folder, an unreadable file or one larger than `limit` gives
// false.
bool ReadFileBytes(const std::filesystem::path& path, std::uintmax_t limit, std::string& bytes);

// Replaces the file with `content` at once: a temporary file in the same folder is written, flushed and
// renamed over it, keeping the file's permissions and following a symbolic link to the file it names. On
// failure the old file stays as it was and Error "Unable to write to <path>" is raised.
void ReplaceFileContent(const std::filesystem::path& path, std::string_view content);

} // namespace trimerka
