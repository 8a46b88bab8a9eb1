#include "core/SolutionCheck.h"

#include <algorithm>

#include "core/Program.h"
#include "core/ReplayHost.h"
#include "core/SafeText.h"
#include "core/Solver.h"
#include "core/StepLog.h"
#include "core/TextCodec.h"
#include "core/TextFile.h"

namespace trimerka {

namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

// The letters a pupil may type for each vessel: Cyrillic in either case, and Latin A, B, V.
struct VesselSpelling {
    std::string_view text;
    int vessel;
};
constexpr VesselSpelling kVesselSpellings[] = {
    {"А", VesselA}, {"а", VesselA}, {"A", VesselA}, {"a", VesselA}, {"Б", VesselB}, {"б", VesselB},
    {"B", VesselB}, {"b", VesselB}, {"В", VesselV}, {"в", VesselV}, {"V", VesselV}, {"v", VesselV},
};
// Hyphen-minus, en dash, em dash, minus sign: what editors make of a typed dash.
constexpr std::string_view kDashes[] = {"-", "–", "—", "−"};

bool skipPrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

void skipBlanks(std::string_view& text) {
    while (skipPrefix(text, " ") || skipPrefix(text, "\t") || skipPrefix(text, kNoBreakSpace)) {
    }
}

std::string_view trimmed(std::string_view text) {
    skipBlanks(text);
    for (;;) {
        if (text.ends_with(' ') || text.ends_with('\t')) {
            text.remove_suffix(1);
        } else if (text.ends_with(kNoBreakSpace)) {
            text.remove_suffix(kNoBreakSpace.size());
        } else {
            return text;
        }
    }
}

std::optional<int> readVessel(std::string_view& text) {
    for (const VesselSpelling& spelling : kVesselSpellings) {
        if (skipPrefix(text, spelling.text)) {
            return spelling.vessel;
        }
    }
    return std::nullopt;
}

bool allDigits(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// A command with or without a row number before it: "3. А - Б", "3) a-b", "А–Б".
std::optional<PourCommand> readCommand(std::string_view text) {
    if (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
            text.remove_prefix(1);
        }
        if (!skipPrefix(text, ".")) {
            skipPrefix(text, ")");
        }
        skipBlanks(text);
    }
    const auto source = readVessel(text);
    skipBlanks(text);
    bool dash = false;
    for (std::string_view d : kDashes) {
        dash = dash || skipPrefix(text, d);
    }
    skipBlanks(text);
    const auto destination = readVessel(text);
    skipBlanks(text);
    if (!source || !dash || !destination || *source == *destination || !text.empty()) {
        return std::nullopt;
    }
    return PourCommand{*source, *destination};
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> result;
    for (;;) {
        const std::size_t tab = line.find('\t');
        result.push_back(trimmed(line.substr(0, tab)));
        if (tab == std::string_view::npos) {
            return result;
        }
        line.remove_prefix(tab + 1);
    }
}

// Three vessel texts; a target text comes from the task file and is made safe.
std::string listed(const std::array<std::string, kVesselCount>& texts) {
    return SafeText(texts[0]) + ", " + SafeText(texts[1]) + ", " + SafeText(texts[2]);
}

std::string solvedText(int stepCount, const SolverResult& shortest) {
    std::string text = "Решено за " + StepsText(stepCount);
    switch (shortest.solvability) {
    case Solvability::Solvable:
        text += "; кратчайшее решение — " + StepsText(shortest.minimalSteps);
        break;
    case Solvability::OutOfRange:
        text += "; кратчайшее решение не искалось: ёмкость сосуда больше 99";
        break;
    case Solvability::Unsolvable:
        break;
    }
    return text + ".\n";
}

std::string amountsText(const VesselState& state) {
    std::array<std::string, kVesselCount> amounts;
    for (int v = 0; v < kVesselCount; ++v) {
        amounts[v] = std::to_string(state.amount[v]);
    }
    return listed(amounts);
}

std::string controlNote(const ExecutorTask& task) {
    return task.solutionControl != 1
               ? "Контроль решения в задании выключен: исполнитель не сообщит о выполнении.\n"
               : "";
}

// A report of several lines as one, for a table of tasks.
std::string oneLine(std::string report) {
    while (report.ends_with('\n')) {
        report.pop_back();
    }
    std::replace(report.begin(), report.end(), '\n', ' ');
    return report;
}

} // namespace

std::optional<int> VesselOfLetter(std::string_view letter) {
    const auto vessel = readVessel(letter);
    return letter.empty() ? vessel : std::nullopt;
}

SolutionLine ReadSolutionLine(std::string_view line) {
    SolutionLine result;
    std::vector<std::string_view> parts = fields(line);
    // A spreadsheet adds empty columns before and after the cells it was given: they are not cells of the
    // row.
    while (parts.size() > 1 && parts.front().empty()) {
        parts.erase(parts.begin());
    }
    // A row number in a column of its own, as a table with numbered rows gives it.
    if (parts.size() > 1 && allDigits(parts.front())) {
        parts.erase(parts.begin());
    }
    while (parts.size() > 1 && parts.back().empty()) {
        parts.pop_back();
    }
    bool onlyBlankAfterCommand = true;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        onlyBlankAfterCommand = onlyBlankAfterCommand && parts[i].empty();
    }
    if (parts.front().empty() && onlyBlankAfterCommand) {
        return result;
    }
    result.written = std::string(parts.front());
    result.vesselColumns = onlyBlankAfterCommand ? 0 : static_cast<int>(parts.size()) - 1;
    const auto command = readCommand(parts.front());
    if (!command) {
        result.kind = SolutionLineKind::NotACommand;
        return result;
    }
    result.command = *command;
    if (result.vesselColumns != 0 && result.vesselColumns != kVesselCount) {
        result.kind = SolutionLineKind::WrongColumnCount;
        return result;
    }
    if (result.vesselColumns == kVesselCount) {
        result.vesselTexts = std::array<std::string, kVesselCount>{
            std::string(parts[1]), std::string(parts[2]), std::string(parts[3])};
    }
    result.kind = SolutionLineKind::Step;
    return result;
}

std::vector<std::string> SolutionTextLines(std::string_view bytes) {
    const std::string text = codec::decodeFileText(bytes);
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", from);
        if (end == std::string::npos) {
            lines.push_back(text.substr(from));
            break;
        }
        lines.push_back(text.substr(from, end - from));
        from = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

SolutionCheck CheckSolution(const ExecutorTask& task, std::string_view solutionBytes) {
    SolutionCheck check;
    const auto targets = task.targetTexts();
    ReplayHost host(task.initialState());
    const std::vector<std::string> lines = SolutionTextLines(solutionBytes);
    int lastLine = 0;
    auto wrong = [&](int lineNumber, const std::string& text) {
        check.errorLine = lineNumber;
        check.report = "Строка " + std::to_string(lineNumber) + ": " + text + "\n";
    };
    for (std::size_t i = 0; i < lines.size() && check.errorLine == 0; ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        const SolutionLine line = ReadSolutionLine(lines[i]);
        switch (line.kind) {
        case SolutionLineKind::Blank:
            continue;
        case SolutionLineKind::NotACommand:
            wrong(lineNumber, QuotedText(line.written) +
                                  " — не команда исполнителя; ожидается команда вида «А - Б», одна из шести: "
                                  "А - Б, А - В, Б - А, Б - В, В - Б, В - А.");
            continue;
        case SolutionLineKind::WrongColumnCount:
            wrong(lineNumber,
                  "после команды через табуляцию должны стоять три столбца сосудов или ни одного, а их " +
                      std::to_string(line.vesselColumns) + ".");
            continue;
        case SolutionLineKind::Step:
            break;
        }
        host.setPanelText(line.command.text());
        ExecuteStep(host, targets, 1);
        check.steps = host.stepCount();
        lastLine = lineNumber;
        if (host.completedOnLastStep() && check.firstReachedStep == 0) {
            check.firstReachedStep = check.steps;
        }
        if (!line.vesselTexts) {
            continue;
        }
        for (int v = 0; v < kVesselCount; ++v) {
            const std::string& written = (*line.vesselTexts)[v];
            const std::string& executed = host.lastRow().cells[v + 1];
            if (written != executed) {
                wrong(lineNumber, "шаг " + std::to_string(check.steps) + ", " + line.command.text() +
                                      ": в столбце сосуда " + kVesselLetters[v] + " записано " +
                                      QuotedText(written) + ", а исполнитель пишет " + QuotedText(executed) +
                                      "; журнал изменён.");
                break;
            }
        }
    }

    if (check.errorLine == 0) {
        if (check.steps == 0) {
            check.report = "В решении нет ни одной команды.\n";
        } else if (host.completedOnLastStep()) {
            check.solved = true;
            check.report = solvedText(check.steps, Solve(task));
            if (check.firstReachedStep < check.steps) {
                check.report +=
                    "Цель впервые достигнута на шаге " + std::to_string(check.firstReachedStep) + ".\n";
            }
        } else {
            wrong(lastLine, "после последней команды (шаг " + std::to_string(check.steps) +
                                ") в сосудах А, Б, В — " + amountsText(host.state()) + ", а нужно " +
                                listed(targets) + "; задание не решено.");
            if (check.firstReachedStep != 0) {
                check.report += "Цель была достигнута на шаге " + std::to_string(check.firstReachedStep) +
                                ", но решение на нём не закончилось.\n";
            }
        }
    }
    check.report += controlNote(task);
    return check;
}

SolutionCheck CheckProgram(const ExecutorTask& task, const Program& program) {
    SolutionCheck check;
    const ProgramOutcome outcome = RunProgram(program, task, true);
    check.steps = static_cast<int>(outcome.rows.size());
    check.firstReachedStep = outcome.reachedStep;
    if (outcome.reachedStep != 0) {
        check.solved = true;
        check.report = solvedText(outcome.reachedStep, Solve(task));
    } else if (outcome.stopLine != 0) {
        check.errorLine = outcome.stopLine;
        check.report = ProgramLimitText(outcome.state, outcome.stopLine) + " Задание не решено.\n";
    } else if (check.steps == 0) {
        check.report = "Программа не выполнила ни одной команды; задание не решено.\n";
    } else {
        check.errorLine = outcome.lastCommandLine;
        check.report = "Строка " + std::to_string(check.errorLine) + ": программа закончилась после шага " +
                       std::to_string(check.steps) + "; в сосудах А, Б, В — " +
                       amountsText(outcome.finalState) + ", а нужно " + listed(task.targetTexts()) +
                       "; задание не решено.\n";
    }
    check.report += controlNote(task);
    return check;
}

SolutionCheck CheckSolutionOrProgram(const ExecutorTask& task, std::string_view bytes) {
    const std::string text = codec::decodeFileText(bytes);
    if (!LooksLikeProgram(text)) {
        return CheckSolution(task, bytes);
    }
    try {
        return CheckProgram(task, ParseProgram(text));
    } catch (const ProgramSyntaxError& e) {
        SolutionCheck check;
        check.errorLine = e.line();
        check.report = std::string(e.what()) + "\n";
        return check;
    }
}

TaskFolderCheck CheckProgramOnTasks(const std::filesystem::path& folder, std::string_view programBytes) {
    TaskFolderCheck check;
    Program program;
    try {
        program = ParseProgram(codec::decodeFileText(programBytes));
    } catch (const ProgramSyntaxError& e) {
        check.report = std::string(e.what()) + "\n";
        return check;
    }
    std::vector<std::filesystem::path> tasks;
    try {
        tasks = FolderFilesWithExtension(folder, ".tmk");
    } catch (const Error&) {
        check.unreadable = true;
        check.report = "Папка заданий не читается.\n";
        return check;
    }
    if (tasks.empty()) {
        check.unreadable = true;
        check.report = "В папке нет файлов заданий .tmk.\n";
        return check;
    }
    for (const std::filesystem::path& path : tasks) {
        check.report += SafeText(path.filename().string(), 200) + ": ";
        try {
            const SolutionCheck result = CheckProgram(ReadExecutorTask(path), program);
            check.solvedCount += result.solved ? 1 : 0;
            check.report += oneLine(result.report) + "\n";
        } catch (const Error& e) {
            check.unreadable = true;
            check.report += "задание не читается: " + SafeText(e.what(), 200) + "\n";
        }
        ++check.taskCount;
    }
    check.report += "Решено заданий: " + std::to_string(check.solvedCount) + " из " +
                    std::to_string(check.taskCount) + ".\n";
    return check;
}

} // namespace trimerka
