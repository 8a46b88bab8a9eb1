#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ExecutorTask.h"
#include "core/Pour.h"

namespace trimerka {

class Program;

// A solution file larger than this is not read; a log of a hundred thousand steps stays far below it.
constexpr std::uintmax_t kMaxSolutionBytes = 16 * 1024 * 1024;

enum class SolutionLineKind {
    // Empty, or blanks only.
    Blank,
    Step,
    // Not one of the six commands.
    NotACommand,
    // A command followed by TAB-separated vessel texts, but not three of them.
    WrongColumnCount,
};

// One line of a pupil's solution as read.
struct SolutionLine {
    SolutionLineKind kind = SolutionLineKind::Blank;
    PourCommand command;
    // The three vessel texts of a row copied from the step log; none for a command typed alone.
    std::optional<std::array<std::string, kVesselCount>> vesselTexts;
    // The command as written (without blanks around it), for a report.
    std::string written;
    // The number of vessel texts after the command.
    int vesselColumns = 0;
};

// Reads a line as the step log's clipboard gives it (the command and three vessel texts separated by TABs)
// or as people retype it: the command alone, with or without blanks around the dash (also an en or em
// dash or a minus sign), Latin A, B, V for А, Б, В, either case, after a row number ("3", "3.", "3)" or a
// column of its own).
SolutionLine ReadSolutionLine(std::string_view line);

// The vessel a letter names as a pupil may type it: А, Б, В in either case, or Latin A, B, V.
std::optional<int> VesselOfLetter(std::string_view letter);

// The lines of a solution file in any encoding a task file may have (UTF-8 with or without a byte order
// mark, UTF-16 with one, Windows-1251), as UTF-8; CR LF, LF and CR all end a line.
std::vector<std::string> SolutionTextLines(std::string_view bytes);

struct SolutionCheck {
    bool solved = false;
    // The steps replayed before the check ended.
    int steps = 0;
    // The step after which the targets were first reached; 0 when never.
    int firstReachedStep = 0;
    // The line of the first thing that is wrong; 0 when the solution is correct or has no command.
    int errorLine = 0;
    // In Russian: that the task is solved, in how many steps and the least possible, or the first thing
    // that is wrong; one sentence a line, each ended by a line feed.
    std::string report;
};

// Replays the pupil's solution from the task's start with the executor's own step and compares every
// vessel text the solution carries with the one the executor writes. The targets are compared as the
// completion check compares them, whatever the task's solution-control setting; the report mentions when
// that setting is off.
SolutionCheck CheckSolution(const ExecutorTask& task, std::string_view solutionBytes);

// Runs a pupil's program from the task's start with the executor's own step until the targets are first
// reached (compared as CheckSolution compares them), its end or a limit, and reports as CheckSolution does:
// solved in how many steps and the least possible, or why not with the line (targets not reached after the
// last command, a limit).
SolutionCheck CheckProgram(const ExecutorTask& task, const Program& program);

// A pupil's file in any encoding a solution may have: a program when LooksLikeProgram() says so (a syntax
// error is reported with its line), a list of commands checked by CheckSolution() otherwise.
SolutionCheck CheckSolutionOrProgram(const ExecutorTask& task, std::string_view bytes);

// One program tried on every task of a folder.
struct TaskFolderCheck {
    // One line a task ("вариант-01.tmk: Решено за 9 шагов; …"), then the count solved; or the program's
    // syntax error alone.
    std::string report;
    int taskCount = 0;
    int solvedCount = 0;
    // The folder or a task file in it could not be read, or it holds no task file.
    bool unreadable = false;
};

// Runs the program (bytes in any encoding a solution may have) on every ".tmk" file of the folder in the
// order of their names.
TaskFolderCheck CheckProgramOnTasks(const std::filesystem::path& folder, std::string_view programBytes);

} // namespace trimerka
