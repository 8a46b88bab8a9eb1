#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/SolutionCheck.h"
#include "core/Solver.h"
#include "support/NamedRows.h"

namespace trimerka {
namespace {

using rows::PrintTo;
using Texts = std::array<std::string, kVesselCount>;

// ---- One line of a solution

struct LineCase {
    const char* name;
    std::string line;
    SolutionLineKind kind;
    PourCommand command;
    std::optional<Texts> vesselTexts;
};

class SolutionLineTable : public ::testing::TestWithParam<LineCase> {};

TEST_P(SolutionLineTable, ReadsTheClipboardAndTheRetypedForms) {
    const LineCase& c = GetParam();
    const SolutionLine line = ReadSolutionLine(c.line);
    EXPECT_EQ(line.kind, c.kind);
    if (c.kind == SolutionLineKind::Step) {
        EXPECT_EQ(line.command, c.command);
        EXPECT_EQ(line.vesselTexts, c.vesselTexts);
    }
}

constexpr PourCommand AB{VesselA, VesselB};
constexpr PourCommand BV{VesselB, VesselV};
constexpr PourCommand VA{VesselV, VesselA};
constexpr auto Step = SolutionLineKind::Step;
constexpr auto Blank = SolutionLineKind::Blank;
constexpr auto NotACommand = SolutionLineKind::NotACommand;
constexpr auto WrongColumns = SolutionLineKind::WrongColumnCount;

INSTANTIATE_TEST_SUITE_P(
    SolutionLines, SolutionLineTable,
    ::testing::Values(LineCase{"ClipboardRow", "А - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\t0", Step, AB,
                               Texts{"3 ( 8 - 5 )", "5 ( 0 + 5 )", "0"}},
                      LineCase{"ClipboardRowWithRowNumberColumn", "1\tА - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\t0",
                               Step, AB, Texts{"3 ( 8 - 5 )", "5 ( 0 + 5 )", "0"}},
                      LineCase{"CommandAlone", "А - Б", Step, AB, std::nullopt},
                      LineCase{"WithoutBlanks", "Б-В", Step, BV, std::nullopt},
                      LineCase{"LowerCase", "в - а", Step, VA, std::nullopt},
                      LineCase{"LatinUpperCase", "A-B", Step, AB, std::nullopt},
                      LineCase{"LatinLowerCaseVForV", "b - v", Step, BV, std::nullopt},
                      LineCase{"LatinAndCyrillicMixed", "V-а", Step, VA, std::nullopt},
                      LineCase{"EnDash", "А – Б", Step, AB, std::nullopt},
                      LineCase{"EmDash", "А—Б", Step, AB, std::nullopt},
                      LineCase{"MinusSign", "А − Б", Step, AB, std::nullopt},
                      LineCase{"RowNumber", "3 Б - В", Step, BV, std::nullopt},
                      LineCase{"RowNumberWithFullStop", "3. Б-В", Step, BV, std::nullopt},
                      LineCase{"RowNumberWithBracket", "12) в-а", Step, VA, std::nullopt},
                      LineCase{"BlanksAroundAndNoBreakSpace", "  \xC2\xA0А  -  Б \t", Step, AB, std::nullopt},
                      LineCase{"EmptyVesselColumnsAreNone", "А - Б\t\t\t", Step, AB, std::nullopt},
                      // A row that went through a spreadsheet gains empty columns at either end.
                      LineCase{"SpreadsheetColumnsBefore", "\t\tА - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\t0", Step, AB,
                               Texts{"3 ( 8 - 5 )", "5 ( 0 + 5 )", "0"}},
                      LineCase{"SpreadsheetColumnsAfter", "А - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\t0\t\t\t", Step,
                               AB, Texts{"3 ( 8 - 5 )", "5 ( 0 + 5 )", "0"}},
                      LineCase{"SpreadsheetColumnsAroundANumberedRow",
                               "\t1\tА - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\t0\t\t", Step, AB,
                               Texts{"3 ( 8 - 5 )", "5 ( 0 + 5 )", "0"}},
                      LineCase{"EmptyFirstColumnBeforeACommand", "\tБ - В", Step, BV, std::nullopt},
                      LineCase{"RetypedRowNumberColumnAndCommand", "3\tА - Б", Step, AB, std::nullopt},
                      LineCase{"RowNumberColumnAlone", "3\t", Blank, AB, std::nullopt},
                      LineCase{"EmptyLine", "", Blank, AB, std::nullopt},
                      LineCase{"BlanksOnly", " \t ", Blank, AB, std::nullopt},
                      LineCase{"UnknownVessel", "А - Г", NotACommand, AB, std::nullopt},
                      LineCase{"SameVesselTwice", "Б - Б", NotACommand, AB, std::nullopt},
                      LineCase{"NoDash", "А Б", NotACommand, AB, std::nullopt},
                      LineCase{"ArrowIsNoDash", "А -> Б", NotACommand, AB, std::nullopt},
                      LineCase{"ThreeVessels", "А - Б - В", NotACommand, AB, std::nullopt},
                      LineCase{"NumberAlone", "12", NotACommand, AB, std::nullopt},
                      LineCase{"Words", "Перелить из А в Б", NotACommand, AB, std::nullopt},
                      LineCase{"OneVesselColumn", "А - Б\t3 ( 8 - 5 )", WrongColumns, AB, std::nullopt},
                      LineCase{"FourVesselColumns", "А - Б\t1\t2\t3\t4", WrongColumns, AB, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Encodings and line ends of a solution file

std::string utf16(const std::string& utf8, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    // The tests' texts hold nothing beyond two-byte UTF-8.
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const unsigned unit =
            lead < 0x80 ? lead : (lead & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// А, Б, В are the only letters of the tests' solutions.
std::string windows1251(const std::string& utf8) {
    std::string text = utf8;
    for (const auto& [from, to] : {std::pair{"А", "\xC0"}, {"Б", "\xC1"}, {"В", "\xC2"}}) {
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from)) {
            text.replace(at, std::string(from).size(), to);
        }
    }
    return text;
}

struct EncodingCase {
    const char* name;
    std::string (*encode)(const std::string& utf8);
    const char* lineEnd;
};

// Lines joined by the row's line end and encoded, the last line ended too.
std::string fileBytes(const EncodingCase& c, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + c.lineEnd;
    }
    return c.encode(text);
}

class SolutionEncoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(SolutionEncoding, GivesTheSameLines) {
    const std::vector<std::string> lines{"А - Б", "", "Б - В\t3 ( 5 - 2 )"};
    EXPECT_EQ(SolutionTextLines(fileBytes(GetParam(), lines)), lines);
}

INSTANTIATE_TEST_SUITE_P(
    SolutionFiles, SolutionEncoding,
    ::testing::Values(
        EncodingCase{"Utf8CrLf", [](const std::string& t) { return t; }, "\r\n"},
        EncodingCase{"Utf8Lf", [](const std::string& t) { return t; }, "\n"},
        EncodingCase{"Utf8Cr", [](const std::string& t) { return t; }, "\r"},
        EncodingCase{"Utf8WithByteOrderMark", [](const std::string& t) { return "\xEF\xBB\xBF" + t; },
                     "\r\n"},
        EncodingCase{"Windows1251", windows1251, "\r\n"},
        EncodingCase{"Utf16LittleEndian", [](const std::string& t) { return utf16(t, false); }, "\r\n"},
        EncodingCase{"Utf16BigEndian", [](const std::string& t) { return utf16(t, true); }, "\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Checking a whole solution

// Vessels 8, 5, 3 holding 8, 0, 0; the targets 4, 4, 0; as the main window reads them from a file.
ExecutorTask classicTask(std::uint16_t solutionControl = 1, const std::string& targetA = "4") {
    ExecutorTask task;
    const std::array<int, kVesselCount> capacity{8, 5, 3};
    const std::array<int, kVesselCount> amount{8, 0, 0};
    const Texts targets{targetA, "4", "0"};
    for (int v = 0; v < kVesselCount; ++v) {
        task.vessels[v].capacity = capacity[v];
        task.vessels[v].amount = amount[v];
        task.vessels[v].targetText = targets[v];
    }
    task.solutionControl = solutionControl;
    return task;
}

const std::string kShortest = "А - Б\nБ - В\nВ - А\nБ - В\nА - Б\nБ - В\nВ - А\n";

// The rows the executor writes for the seven steps, copied as Ctrl+C copies them.
std::string clipboardOf(const std::vector<PourCommand>& commands) {
    std::string text;
    for (const StepRow& row : SolutionRows(classicTask().initialState(), commands)) {
        text += row.cells[0] + "\t" + row.cells[1] + "\t" + row.cells[2] + "\t" + row.cells[3] + "\r\n";
    }
    return text;
}

std::vector<PourCommand> shortestCommands() {
    return {{VesselA, VesselB}, {VesselB, VesselV}, {VesselV, VesselA}, {VesselB, VesselV},
            {VesselA, VesselB}, {VesselB, VesselV}, {VesselV, VesselA}};
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

// The rows pasted into a spreadsheet and copied back: an empty column before them and two after.
std::string throughASpreadsheet(const std::string& clipboard) {
    std::string text;
    for (std::size_t from = 0, end; (end = clipboard.find("\r\n", from)) != std::string::npos;
         from = end + 2) {
        text += "\t" + clipboard.substr(from, end - from) + "\t\t\r\n";
    }
    return text;
}

struct CheckCase {
    const char* name;
    ExecutorTask task;
    std::string solution;
    bool solved;
    int steps;
    int firstReachedStep;
    int errorLine;
    std::string report;
};

class SolutionCheckTable : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SolutionCheckTable, ReportsTheVerdictOrTheFirstFault) {
    const CheckCase& c = GetParam();
    const SolutionCheck check = CheckSolution(c.task, c.solution);
    EXPECT_EQ(check.solved, c.solved);
    EXPECT_EQ(check.steps, c.steps);
    EXPECT_EQ(check.firstReachedStep, c.firstReachedStep);
    EXPECT_EQ(check.errorLine, c.errorLine);
    EXPECT_EQ(check.report, c.report);
}

INSTANTIATE_TEST_SUITE_P(
    Solutions, SolutionCheckTable,
    ::testing::Values(
        CheckCase{"ShortestRetyped", classicTask(), kShortest, true, 7, 7, 0,
                  "Решено за 7 шагов; кратчайшее решение — 7 шагов.\n"},
        CheckCase{"CopiedFromTheStepLog", classicTask(), clipboardOf(shortestCommands()), true, 7, 7, 0,
                  "Решено за 7 шагов; кратчайшее решение — 7 шагов.\n"},
        // В - Б with В empty moves nothing and still counts.
        CheckCase{"LongerWithAStepThatMovesNothing", classicTask(), "В - Б\n" + kShortest, true, 8, 8, 0,
                  "Решено за 8 шагов; кратчайшее решение — 7 шагов.\n"},
        CheckCase{"GoesOnAfterSuccessAndStaysOnTheTargets", classicTask(), kShortest + "В - Б\n", true, 8, 7,
                  0,
                  "Решено за 8 шагов; кратчайшее решение — 7 шагов.\nЦель впервые достигнута на шаге 7.\n"},
        CheckCase{"GoesOnAfterSuccessAndLeavesTheTargets", classicTask(), kShortest + "\nА - Б\n", false, 8,
                  7, 9,
                  "Строка 9: после последней команды (шаг 8) в сосудах А, Б, В — 3, 5, 0, а нужно 4, 4, 0; "
                  "задание не решено.\nЦель была достигнута на шаге 7, но решение на нём не закончилось.\n"},
        CheckCase{"TargetsNotReached", classicTask(), "А - Б\n\nБ - В\n\n", false, 2, 0, 3,
                  "Строка 3: после последней команды (шаг 2) в сосудах А, Б, В — 3, 2, 3, а нужно 4, 4, 0; "
                  "задание не решено.\n"},
        CheckCase{"NotACommandWithItsLineNumber", classicTask(), "А - Б\n\nА - Г\nБ - В\n", false, 1, 0, 3,
                  "Строка 3: «А - Г» — не команда исполнителя; ожидается команда вида «А - Б», "
                  "одна из шести: А - Б, А - В, Б - А, Б - В, В - Б, В - А.\n"},
        CheckCase{
            "VesselColumnsMissing", classicTask(), "А - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\n", false, 0, 0, 1,
            "Строка 1: после команды через табуляцию должны стоять три столбца сосудов или ни одного, а "
            "их 2.\n"},
        CheckCase{"EditedLog", classicTask(),
                  replaced(clipboardOf(shortestCommands()), "2 ( 5 - 3 )", "4 ( 5 - 1 )"), false, 2, 0, 2,
                  "Строка 2: шаг 2, Б - В: в столбце сосуда Б записано «4 ( 5 - 1 )», а исполнитель пишет "
                  "«2 ( 5 - 3 )»; журнал изменён.\n"},
        // Blanks around a copied text are no edit: the fault is the command on line 5.
        CheckCase{"BlanksAroundACopiedTextAreNoEdit", classicTask(),
                  replaced(clipboardOf({{VesselA, VesselB}, {VesselB, VesselV}, {VesselV, VesselA}}), "\t2\t",
                           "\t 2 \t") +
                      "\nА - А\n",
                  false, 3, 0, 5,
                  "Строка 5: «А - А» — не команда исполнителя; ожидается команда вида «А - Б», "
                  "одна из шести: А - Б, А - В, Б - А, Б - В, В - Б, В - А.\n"},
        CheckCase{"FirstFaultWinsOverALaterOne", classicTask(),
                  replaced(clipboardOf({{VesselA, VesselB}, {VesselB, VesselV}, {VesselV, VesselA}}), "\t2\t",
                           "\t3\t") +
                      "\nА - А\n",
                  false, 3, 0, 3,
                  "Строка 3: шаг 3, В - А: в столбце сосуда Б записано «3», а исполнитель пишет «2»; журнал "
                  "изменён.\n"},
        CheckCase{"CopiedThroughASpreadsheet", classicTask(),
                  throughASpreadsheet(clipboardOf(shortestCommands())), true, 7, 7, 0,
                  "Решено за 7 шагов; кратчайшее решение — 7 шагов.\n"},
        // The escape sequence would erase the line on a terminal and print a verdict over it.
        CheckCase{
            "ALineOfControlsIsQuotedSafeAndShort", classicTask(),
            "\x1B[2K\x1B[1GРешено за 7 шагов" + std::string(100, 'x') + "\n", false, 0, 0, 1,
            "Строка 1: «\\x1B[2K\\x1B[1GРешено за 7 шагов" + std::string(28, 'x') +
                "…» — не команда исполнителя; ожидается команда вида «А - Б», одна из шести: А - Б, А - В, "
                "Б - А, Б - В, В - Б, В - А.\n"},
        CheckCase{
            "AForgedVesselTextIsQuotedSafe", classicTask(),
            replaced(clipboardOf(shortestCommands()), "2 ( 5 - 3 )",
                     "\xE2\x80\xAE"
                     "2 ( 5 - 3 )\x7F"),
            false, 2, 0, 2,
            "Строка 2: шаг 2, Б - В: в столбце сосуда Б записано «\\u202E2 ( 5 - 3 )\\x7F», а исполнитель "
            "пишет «2 ( 5 - 3 )»; журнал изменён.\n"},
        CheckCase{"NoCommand", classicTask(), "\r\n \r\n", false, 0, 0, 0,
                  "В решении нет ни одной команды.\n"},
        CheckCase{"EmptyFile", classicTask(), "", false, 0, 0, 0, "В решении нет ни одной команды.\n"},
        CheckCase{"SolutionControlOffIsMentioned", classicTask(0), kShortest, true, 7, 7, 0,
                  "Решено за 7 шагов; кратчайшее решение — 7 шагов.\nКонтроль решения в задании выключен: "
                  "исполнитель не сообщит о выполнении.\n"},
        // Targets compare as texts, as the executor's completion check compares them.
        CheckCase{"TargetWithALeadingZeroIsNeverMet", classicTask(1, "04"), kShortest, false, 7, 0, 7,
                  "Строка 7: после последней команды (шаг 7) в сосудах А, Б, В — 4, 4, 0, а нужно 04, 4, 0; "
                  "задание не решено.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The seven rows the executor writes, copied and saved in any encoding, check as solved.
TEST_P(SolutionEncoding, TheCopiedLogChecksAsSolved) {
    std::vector<std::string> lines;
    for (const StepRow& row : SolutionRows(classicTask().initialState(), shortestCommands())) {
        lines.push_back(row.cells[0] + "\t" + row.cells[1] + "\t" + row.cells[2] + "\t" + row.cells[3]);
    }
    const SolutionCheck check = CheckSolution(classicTask(), fileBytes(GetParam(), lines));
    EXPECT_TRUE(check.solved) << check.report;
    EXPECT_EQ(check.steps, 7);
}

} // namespace
} // namespace trimerka
