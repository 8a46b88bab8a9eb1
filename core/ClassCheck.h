#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/ExecutorTask.h"
#include "core/SolutionCheck.h"

namespace trimerka {

// The first error in a cell of the class table: long enough for the amounts a solution ended with and the
// targets.
constexpr std::size_t kFirstErrorMaxCharacters = 110;

enum class SolutionVerdict {
    Solved,
    NotSolved,
    // The file cannot be read: missing, a folder, no permission, too large, not text.
    Unreadable,
};

// One pupil's file of a class checked against the task.
struct SolutionFileCheck {
    // The file's name as the table shows it.
    std::string file;
    SolutionVerdict verdict = SolutionVerdict::Unreadable;
    // The check of a file that was read.
    SolutionCheck check;
    // Why a file is unreadable, as ReadTextFile says it.
    std::string cause;
};

// A solution file of a class and the name the table gives it.
struct ClassFile {
    std::filesystem::path path;
    std::string name;
};

// The solution files of a class: a file given stays as it is, named by its path as given; a folder gives
// every file in it whose name ends in ".txt" (any letter case), sorted and named by its own name. Raises
// Error with one Russian sentence for a folder without such files.
std::vector<ClassFile> ClassSolutionFiles(const std::vector<std::filesystem::path>& given);

// Reads one solution file (at most kMaxSolutionBytes) and checks it; `file` names it in the table.
SolutionFileCheck CheckSolutionFile(const ExecutorTask& task, const std::filesystem::path& path,
                                    std::string file);

// The class table: a title row, then one row per file: file, verdict («решено», «не решено», «не читается»),
// steps, the least number of steps of the task (`shortest`, "—" when it has no solution), and the first
// error in short (at most kFirstErrorMaxCharacters). Every text from a file is made safe.
std::vector<std::vector<std::string>> ClassTable(const std::vector<SolutionFileCheck>& checks,
                                                 const std::string& shortest);
// "24 решено, 3 не решено, 1 не читается".
std::string ClassSummary(const std::vector<SolutionFileCheck>& checks);

// A table as CSV for a spreadsheet: UTF-8 with a byte order mark (so the Cyrillic opens intact), fields
// separated by commas, quoted when they hold a comma, a quotation mark (doubled), a line break or blanks at
// an end; rows ended by CR LF. A cell that a spreadsheet would take for a formula (beginning with =, +, - or
// @) gets an apostrophe before it, so that a file name cannot run anything.
std::string CsvText(const std::vector<std::vector<std::string>>& table);

} // namespace trimerka
