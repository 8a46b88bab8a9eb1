#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/Profile.h"
#include "core/Task.h"

namespace trimerka {

// The one section of a task file that holds all task keys.
inline constexpr std::string_view kTaskSection = "trimerka";
// The key of the last statement line's index.
inline constexpr std::string_view kStatementLastIndexKey = "ksz";
// The readers read at most this many statement lines (zs0..zs999): a huge ksz must not hang the program.
constexpr int kMaxStatementLines = 1000;

// The extension of task files, ".tmk".
inline constexpr std::string_view kTaskExtension = ".tmk";
// Whether a path ends in the task extension, in any letter case: "a.tmk", "a.TMK" and "a.Tmk" do.
bool HasTaskExtension(std::string_view path);
// The path a chosen name stands for: the name itself when it ends in the task extension, otherwise the name
// with ".tmk" appended ("a.txt" gives "a.txt.tmk").
std::string WithTaskExtension(std::string_view path);

// "zs" followed by the line's index: the key of one statement line.
std::string StatementLineKey(int index);
// "s", the vessel's key letter, then the field: VesselKey(VesselB, "em") is "sbem".
std::string VesselKey(int vessel, std::string_view field);
// "ns1", "ns2", "ns3": the key of a vessel's step-log column title.
std::string ColumnTitleKey(int vessel);

// Six upper-case hexadecimal digits: red, green, blue. 12451514 gives "BAFEBD".
std::string ColorToText(Color color);
// The colour of a colour text ("BAFEBD", "bafebd"; characters after the sixth ignored). Fewer than six
// characters, a missing key included, give no colour: the reader then keeps the colour it had. A text that is
// not hexadecimal raises the integer conversion error quoting "$00" and the reordered digits.
std::optional<Color> TextToColor(std::string_view text);
// A decimal integer (leading blanks and a sign allowed) or Error "''<text>'' is not a valid integer value".
int TextToInt(std::string_view text);

// The keys of a task with their values, in the order in which a save writes them.
std::vector<std::pair<std::string, std::string>> TaskKeyValues(const TaskDefinition& task);
// The text of a task file after saving `task` into a file that held `existingText` (UTF-8): the section
// "trimerka" is erased and written again key by key, every other line is kept.
std::string ComposeTaskFileText(std::string_view existingText, const TaskDefinition& task);
// Saves the task into the file, creating it when missing and keeping its other sections. The file is replaced
// at once, so a failed save leaves it unchanged; raises Error "Unable to write to <path>".
void WriteTaskFile(const std::filesystem::path& path, const TaskDefinition& task);

// Creates a new file holding only the task, never replacing anything: the name is claimed exclusively, so a
// file, folder or link that stands there, or appears at the last moment, is left alone and false is returned.
// Raises Error "Unable to write to <path>" when the file cannot be created or written (a part written is
// removed again).
bool CreateTaskFile(const std::filesystem::path& path, const TaskDefinition& task);

// The value of a key in the section "trimerka"; empty for a missing key or file, at most 2047 characters.
std::string ReadTaskValue(const std::filesystem::path& path, std::string_view key);

// The statement as both readers load it: a blank and the text of each line key zs0..zsN, N read from ksz
// (at most kMaxStatementLines - 1; negative gives empty text). `readValue(key)` gives a key's value. A ksz
// that is not an integer raises the integer conversion error.
template <typename ReadValue> std::string RebuildStatement(ReadValue&& readValue);
// The statement of a task file, from one reading of the file.
std::string ReadStatement(const std::filesystem::path& path);

// The section "trimerka" of one task file read once, for a reader that reads many keys in its own order.
class TaskFileValues {
public:
    explicit TaskFileValues(const std::filesystem::path& path);
    explicit TaskFileValues(const Profile& profile);

    // The same text as ReadTaskValue gives, found in an index instead of a scan of the file.
    std::string value(std::string_view key) const;
    std::string statement() const;

private:
    // Keys in lower case; the first of repeated keys is the one kept.
    std::unordered_map<std::string, std::string> values_;
};

template <typename ReadValue> std::string RebuildStatement(ReadValue&& readValue) {
    int last = TextToInt(readValue(std::string(kStatementLastIndexKey)));
    if (last > kMaxStatementLines - 1) {
        last = kMaxStatementLines - 1;
    }
    std::string statement;
    for (int i = 0; i <= last; ++i) {
        statement += ' ';
        statement += readValue(StatementLineKey(i));
    }
    return statement;
}

} // namespace trimerka
