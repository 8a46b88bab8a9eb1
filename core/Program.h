#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/Error.h"
#include "core/ExecutorTask.h"
#include "core/Pour.h"
#include "core/StepLog.h"

namespace trimerka {

// A pupil's program: commands such as "А - Б", loops "нц N раз … кц" and "нц пока УСЛОВИЕ … кц", and
// "если УСЛОВИЕ то … иначе … все", one statement a line or several separated by ";", "|" starting a comment.

// A program file larger than this is not opened.
constexpr std::uintmax_t kMaxProgramBytes = 1024 * 1024;
// Loops and branches nest at most this deep; deeper nesting is a syntax error.
constexpr int kMaxProgramDepth = 100;
// The largest N of "нц N раз".
constexpr std::int64_t kMaxRepeatCount = 1'000'000;
// A run stops after this many executed commands ...
constexpr int kMaxProgramCommands = 10'000;
// ... or after this many loop turns in a row that executed no command.
constexpr std::int64_t kMaxTurnsWithoutCommand = 1'000'000;

// The first thing wrong with a program's text. what() is the whole sentence the pupil sees, with the line:
// "Строка 7: нет «кц» для «нц» из строки 2".
class ProgramSyntaxError : public Error {
public:
    ProgramSyntaxError(int line, const std::string& message);
    // The line (from 1) the error is on.
    int line() const { return line_; }

private:
    int line_;
};

struct ProgramNode;

// A parsed program: a tree of statements, each with the line it stands on. Cheap to copy (shares the tree).
class Program {
public:
    Program();
    // Whether the program has no statement at all (blank lines and comments only).
    bool empty() const;

private:
    friend class ProgramRun;
    friend Program ParseProgram(std::string_view text);
    std::shared_ptr<const ProgramNode> root_;
};

// Parses UTF-8 text; throws ProgramSyntaxError with the first error. A line that is not UTF-8 and a text
// longer than kMaxProgramBytes are errors too.
Program ParseProgram(std::string_view text);

// Whether a text is meant as a program rather than a plain list of commands: some line holds a keyword of
// the language or a comment.
bool LooksLikeProgram(std::string_view text);

// One command a run has reached: what to execute, and the line it stands on.
struct ProgramCommand {
    PourCommand command;
    int line = 0;
};

// The limits of one run; the defaults are the ones every run of the program has.
struct ProgramLimits {
    std::int64_t commands = kMaxProgramCommands;
    std::int64_t turnsWithoutCommand = kMaxTurnsWithoutCommand;
};

enum class ProgramRunState {
    // More commands may follow: call next().
    Running,
    // The last statement has run.
    Finished,
    // kMaxProgramCommands commands were executed and the program wants another one.
    CommandLimit,
    // kMaxTurnsWithoutCommand loop turns in a row executed no command: the loop may never end.
    TurnLimit,
};

// A run of a program that is advanced one command at a time, so a window can pace it: next() evaluates
// conditions and loop heads up to the next command and returns it; the caller executes the command and calls
// next() again with the amounts after it.
class ProgramRun {
public:
    explicit ProgramRun(Program program);
    ProgramRun(Program program, ProgramLimits limits);
    ~ProgramRun();
    ProgramRun(ProgramRun&&) noexcept;
    ProgramRun& operator=(ProgramRun&&) noexcept;

    // The next command, given the vessels' amounts as conditions read them (an unlimited А holds 99);
    // nothing when the run has ended (see state()).
    std::optional<ProgramCommand> next(const std::array<int, kVesselCount>& amounts);
    ProgramRunState state() const;
    // The commands returned by next() so far.
    int commandCount() const;
    // The line of the statement that runs next (a command, a condition or a loop head), without evaluating
    // anything; after the run has ended, the line it stopped on (0 when it finished).
    int nextLine() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// How a whole run on a task ended, for the command line and tests.
struct ProgramOutcome {
    ProgramRunState state = ProgramRunState::Finished;
    // Every executed command's step-log row, as the window writes it.
    StepLog rows;
    VesselState finalState;
    // The step after which the targets were first reached; 0 when never. The run stops there when
    // `stopAtTargets` is set.
    int reachedStep = 0;
    // The line the run stopped on for a limit; 0 otherwise.
    int stopLine = 0;
    // The line of the last executed command; 0 when none ran.
    int lastCommandLine = 0;
};

// Runs the program from the task's start with the executor's own step, to its end or a limit. The targets
// are compared as the completion check does, whatever the task's solution-control setting. A run stopped at
// the targets keeps the state Running: the program had more to do.
ProgramOutcome RunProgram(const Program& program, const ExecutorTask& task, bool stopAtTargets);

// The sentence for a run stopped by a limit, with its line: "Строка 4: выполнено 10000 команд, а программа
// не закончилась; возможно, цикл никогда не кончится." Empty for Running and Finished.
std::string ProgramLimitText(ProgramRunState state, int line);

} // namespace trimerka
