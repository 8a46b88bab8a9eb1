#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/ExecutorTask.h"
#include "core/Program.h"
#include "core/ReplayHost.h"
#include "core/SolutionCheck.h"

namespace trimerka {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(TRIMERKA_SOURCE_DIR) / "examples";

// The error a text gives, or "" when it parses.
std::string syntaxError(const std::string& text) {
    try {
        ParseProgram(text);
    } catch (const ProgramSyntaxError& e) {
        return e.what();
    }
    return "";
}

// The commands a run gives, as "line:А - Б", with the amounts held fixed.
std::vector<std::string> commandsOf(const std::string& text,
                                    std::array<int, kVesselCount> amounts = {0, 0, 0}) {
    ProgramRun run(ParseProgram(text));
    std::vector<std::string> result;
    while (const auto next = run.next(amounts)) {
        result.push_back(std::to_string(next->line) + ":" + next->command.text());
    }
    return result;
}

// `depth` levels of `open` around `middle`, closed by as many `close`.
std::string nested(const std::string& open, const std::string& close, int depth,
                   const std::string& middle = "") {
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += open;
    }
    text += middle;
    for (int i = 0; i < depth; ++i) {
        text += close;
    }
    return text;
}

struct ParseCase {
    const char* name;
    std::string text;
    // The commands it runs with all vessels holding `amounts`.
    std::array<int, kVesselCount> amounts;
    std::vector<std::string> commands;
};

class ProgramParsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ProgramParsing, RunsTheCommandsItsConstructsMean) {
    const ParseCase& row = GetParam();
    EXPECT_EQ(syntaxError(row.text), "");
    EXPECT_EQ(commandsOf(row.text, row.amounts), row.commands);
}

INSTANTIATE_TEST_SUITE_P(
    Constructs, ProgramParsing,
    ::testing::Values(
        ParseCase{"Empty", "", {0, 0, 0}, {}},
        ParseCase{"CommentsAndBlankLines", "| a comment\n\n   \n| А - Б\n", {0, 0, 0}, {}},
        ParseCase{"Commands",
                  "А - Б\nБ-В\nв — а\nA-b\n3. В - Б\n",
                  {0, 0, 0},
                  {"1:А - Б", "2:Б - В", "3:В - А", "4:А - Б", "5:В - Б"}},
        ParseCase{"CopiedStepLogRow", "А - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\t0\n", {0, 0, 0}, {"1:А - Б"}},
        ParseCase{"CommentAfterCommand", "А - Б | pour\n", {0, 0, 0}, {"1:А - Б"}},
        ParseCase{"ByteOrderMark",
                  "\xEF\xBB\xBF"
                  "А - Б",
                  {0, 0, 0},
                  {"1:А - Б"}},
        ParseCase{"CarriageReturns", "А - Б\r\nБ - В\rВ - А", {0, 0, 0}, {"1:А - Б", "2:Б - В", "3:В - А"}},
        ParseCase{"Semicolons", "А - Б; Б - В;;В - А", {0, 0, 0}, {"1:А - Б", "1:Б - В", "1:В - А"}},
        ParseCase{"Repeat",
                  "нц 2 раз\n  А - Б\n  Б - В\nкц\n",
                  {0, 0, 0},
                  {"2:А - Б", "3:Б - В", "2:А - Б", "3:Б - В"}},
        ParseCase{"RepeatZeroTimes", "нц 0 раз А - Б кц; В - А", {0, 0, 0}, {"1:В - А"}},
        ParseCase{"RepeatOnOneLine", "нц 3 раз А - Б кц", {0, 0, 0}, {"1:А - Б", "1:А - Б", "1:А - Б"}},
        ParseCase{"KeywordsInAnyCase",
                  "НЦ 1 РАЗ\nА - Б\nКц\nЕСЛИ А = 0 ТО Б - В ИНАЧЕ В - Б ВСЕ\n",
                  {0, 0, 0},
                  {"2:А - Б", "4:Б - В"}},
        ParseCase{"WhileFalseAtOnce", "нц пока Б > 0\nА - Б\nкц\n", {0, 0, 0}, {}},
        ParseCase{"IfThen", "если Б = 0 то А - Б все", {0, 0, 0}, {"1:А - Б"}},
        ParseCase{"IfElse", "если Б <> 0 то\nА - Б\nиначе\nБ - А\nвсе", {0, 0, 0}, {"4:Б - А"}},
        ParseCase{"ThenOnItsOwnLine", "если А = 5\n  то А - Б\n  иначе Б - А\nвсе", {5, 0, 0}, {"2:А - Б"}},
        ParseCase{"ElseSpelledWithYo", "если А = 1 то А - Б всё", {1, 0, 0}, {"1:А - Б"}},
        ParseCase{"AllComparisons",
                  "если А = 5 то А - Б все; если А <> 5 то А - В все\n"
                  "если Б < 3 то Б - А все; если Б > 3 то Б - В все\n"
                  "если В <= 7 то В - А все; если В >= 8 то В - Б все\n"
                  "если А ≠ 4 то А - Б все; если Б ≤ 2 то Б - А все; если В ≥ 7 то В - А все",
                  {5, 2, 7},
                  {"1:А - Б", "2:Б - А", "3:В - А", "4:А - Б", "4:Б - А", "4:В - А"}},
        ParseCase{
            "LatinVesselsInConditions", "если a = 1 и b = 2 и V = 3 то А - Б все", {1, 2, 3}, {"1:А - Б"}},
        ParseCase{"NumberOnTheLeft", "если 4 = Б то А - Б все", {0, 4, 0}, {"1:А - Б"}},
        ParseCase{
            "AndBindsTighterThanOr", "если А = 1 или А = 0 и Б = 1 то А - Б все", {1, 0, 0}, {"1:А - Б"}},
        ParseCase{"NotBindsTighterThanAnd",
                  "если не А = 1 и Б = 0 то А - Б иначе Б - А все",
                  {1, 1, 0},
                  {"1:Б - А"}},
        ParseCase{
            "Parentheses", "если (А = 1 или А = 0) и Б = 1 то А - Б иначе Б - А все", {1, 0, 0}, {"1:Б - А"}},
        ParseCase{"DoubleNegation", "если не не (А = 1) то А - Б все", {1, 0, 0}, {"1:А - Б"}},
        ParseCase{"NestedLoops",
                  "нц 2 раз\n нц 2 раз\n  А - Б\n кц\n В - А\nкц",
                  {0, 0, 0},
                  {"3:А - Б", "3:А - Б", "5:В - А", "3:А - Б", "3:А - Б", "5:В - А"}},
        ParseCase{"HundredLevels", nested("нц 1 раз\n", "кц\n", 100, "А - Б\n"), {0, 0, 0}, {"101:А - Б"}},
        ParseCase{"MillionTurnsWithoutCommandFinish", "нц 1000000 раз кц\nА - Б", {0, 0, 0}, {"2:А - Б"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    std::string text;
    std::string message;
};

class ProgramErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ProgramErrors, NameTheFirstErrorWithItsLine) {
    EXPECT_EQ(syntaxError(GetParam().text), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ProgramErrors,
    ::testing::Values(
        ErrorCase{"UnclosedLoop", "\nнц 3 раз\nА - Б\n\nБ - В\n\nВ - А\n",
                  "Строка 7: нет «кц» для «нц» из строки 2"},
        ErrorCase{"UnclosedIf", "если А = 1 то\nА - Б", "Строка 2: нет «все» для «если» из строки 1"},
        ErrorCase{"UnknownVessel", "А - Б\nБ - В\nГ - А\n", "Строка 3: «Г - А» — нет такого сосуда"},
        ErrorCase{"SameVessel", "Б-б", "Строка 1: «Б-б» — переливать из сосуда в тот же сосуд нельзя"},
        ErrorCase{"NotACommand", "А - Б\nналить воды",
                  "Строка 2: «налить воды» — не команда; ожидается команда вида «А - Б»"},
        ErrorCase{"CommandWithoutDash", "АБ", "Строка 1: «АБ» — не команда; ожидается команда вида «А - Б»"},
        ErrorCase{"RowWithTwoColumns", "А - Б\t1\t2",
                  "Строка 1: «А - Б\t1\t2» — после команды через табуляцию "
                  "должны стоять три столбца сосудов или ни одного"},
        ErrorCase{"LoopEndAlone", "А - Б\nкц", "Строка 2: «кц» без «нц»"},
        ErrorCase{"IfEndAlone", "все", "Строка 1: «все» без «если»"},
        ErrorCase{"ElseAlone", "иначе", "Строка 1: «иначе» без «если»"},
        ErrorCase{"ElseInLoop", "нц 2 раз\nиначе", "Строка 2: нет «кц» для «нц» из строки 1"},
        ErrorCase{"SecondElse", "если А = 1 то\nиначе\nиначе\nвсе",
                  "Строка 3: второе «иначе» для «если» из строки 1"},
        ErrorCase{"LoopEndClosingIf", "нц 2 раз\nесли А = 1 то А - Б\nкц",
                  "Строка 3: нет «все» для «если» из строки 2"},
        ErrorCase{"IfEndClosingLoop", "если А = 1 то\nнц 2 раз А - Б\nвсе",
                  "Строка 3: нет «кц» для «нц» из строки 2"},
        ErrorCase{"MissingThen", "если А = 1\nА - Б\nвсе", "Строка 1: нет «то» после условия «если»"},
        ErrorCase{"MissingTimes", "нц 3\nА - Б\nкц", "Строка 1: после «нц 3» нет «раз»"},
        ErrorCase{"LoopWithoutHead", "нц\nА - Б\nкц",
                  "Строка 1: после «нц» ожидается число повторений и «раз» (нц 3 раз) или «пока» и условие "
                  "(нц пока Б < 4), а здесь конец строки"},
        ErrorCase{"WordOutOfPlace", "А - Б\nраз", "Строка 2: «раз» здесь не к месту"},
        ErrorCase{"ConditionWithoutSign", "если А 1 то все",
                  "Строка 1: в условии ожидается знак сравнения (=, <>, <, >, <=, >=), а здесь «1»"},
        ErrorCase{"ConditionWithUnknownTerm", "нц пока Г > 0 кц",
                  "Строка 1: в условии ожидается сосуд (А, Б, В) или число, а здесь «Г»"},
        ErrorCase{"EmptyCondition", "если то все",
                  "Строка 1: в условии ожидается сосуд (А, Б, В) или число, а здесь «то»"},
        ErrorCase{"ConditionCutShort", "нц пока А >\nкц",
                  "Строка 1: в условии ожидается сосуд (А, Б, В) или число, а здесь конец строки"},
        ErrorCase{"MissingParenthesis", "если (А = 1 то все",
                  "Строка 1: в условии нет «)» для «(», а здесь «то»"},
        ErrorCase{
            "RepeatCountTooLarge", "нц 1000001 раз кц",
            "Строка 1: число повторений «1000001» больше 1 000 000; в «нц N раз» N — от 0 до 1 000 000"},
        ErrorCase{"RepeatCountBeyond64Bits", "нц 99999999999999999999999 раз кц",
                  "Строка 1: число повторений «99999999999999999999999» больше 1 000 000; в «нц N раз» N — "
                  "от 0 до 1 000 000"},
        ErrorCase{"NumberBeyond64Bits", "если А = 99999999999999999999 то все",
                  "Строка 1: число «99999999999999999999» слишком большое"},
        ErrorCase{"KeywordCutInHalf", "н ц 3 раз",
                  "Строка 1: «н ц 3 раз» — не команда; ожидается команда вида «А - Б»"},
        ErrorCase{"KeywordCutAtTheEnd", "нц 3 ра\nкц", "Строка 1: после «нц 3» нет «раз»"},
        ErrorCase{"TooDeep", nested("нц 1 раз\n", "кц\n", 101),
                  "Строка 101: вложенность глубже 100 уровней — так глубоко вкладывать нельзя"},
        ErrorCase{"TenThousandNestedLoops", nested("нц 1 раз\n", "кц\n", 10'000),
                  "Строка 101: вложенность глубже 100 уровней — так глубоко вкладывать нельзя"},
        ErrorCase{"DeepCondition", "если " + std::string(300'000, '(') + "А = 1 то все",
                  "Строка 1: условие: вложенность глубже 100 уровней — так глубоко вкладывать нельзя"},
        ErrorCase{"ManyNots", "если " + nested("не ", "", 5'000) + "А = 1 то все",
                  "Строка 1: условие: вложенность глубже 100 уровней — так глубоко вкладывать нельзя"},
        ErrorCase{"InvalidUtf8", "А - Б\nБ - В\n\xFF\xFE - А",
                  "Строка 3: в строке есть байты не в кодировке UTF-8; сохраните программу как текст UTF-8"},
        ErrorCase{"ControlCharactersShownAsEscapes", std::string("А\x01\x1B[2J - Б"),
                  "Строка 1: «А\\x01\\x1B[2J - Б» — не команда; ожидается команда вида «А - Б»"},
        ErrorCase{"LongLineShortened", "А - Б " + std::string(1000 * 1000, 'x'),
                  "Строка 1: «А - Б " + std::string(53, 'x') +
                      "…» — не команда; ожидается команда вида «А - Б»"},
        ErrorCase{"LongerThanAMebibyte", std::string(1000, '\n') + std::string(1024 * 1024, 'x'),
                  "Строка 1001: программа длиннее 1 МиБ — такую программу не выполнить"},
        ErrorCase{"ErrorAfterManyLines", std::string(100'000, '\n') + "кц", "Строка 100001: «кц» без «нц»"}),
    [](const auto& info) { return std::string(info.param.name); });

// The executor's own step on a task, given commands one by one as the pupil gives them by hand.
StepLog rowsByHand(const ExecutorTask& task, const std::vector<PourCommand>& commands) {
    ReplayHost host(task.initialState());
    for (const PourCommand& command : commands) {
        host.setPanelText(command.text());
        ExecuteStep(host, task.targetTexts(), 1);
    }
    return host.rows();
}

struct RunCase {
    const char* name;
    const char* task;
    std::string program;
    // The same commands by hand.
    std::vector<PourCommand> commands;
    std::array<int, kVesselCount> finalAmounts;
    int reachedStep;
};

constexpr PourCommand AB{VesselA, VesselB};
constexpr PourCommand BV{VesselB, VesselV};
constexpr PourCommand VA{VesselV, VesselA};
constexpr PourCommand AV{VesselA, VesselV};
constexpr PourCommand VB{VesselV, VesselB};

class ProgramOnTask : public ::testing::TestWithParam<RunCase> {};

TEST_P(ProgramOnTask, WritesTheRowsOfTheSameCommandsByHand) {
    const RunCase& row = GetParam();
    const ExecutorTask task = ReadExecutorTask(kExamples / row.task);
    const ProgramOutcome outcome = RunProgram(ParseProgram(row.program), task, false);
    EXPECT_EQ(outcome.state, ProgramRunState::Finished);
    EXPECT_EQ(outcome.rows, rowsByHand(task, row.commands));
    EXPECT_EQ(outcome.finalState.amount, row.finalAmounts);
    EXPECT_EQ(outcome.reachedStep, row.reachedStep);
    EXPECT_EQ(outcome.stopLine, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tasks, ProgramOnTask,
    ::testing::Values(RunCase{"StraightCommands", "01_8-5-3.tmk", "А - Б\nБ - В\n", {AB, BV}, {3, 2, 3}, 0},
                      // Fill Б from А when empty, pour Б into В, empty a full В into А, until Б holds 4.
                      RunCase{"LoopUntilFour",
                              "01_8-5-3.tmk",
                              "нц пока Б <> 4\n"
                              "  если Б = 0 то А - Б все\n"
                              "  Б - В\n"
                              "  если В = 3 то В - А все\n"
                              "кц\n",
                              {AB, BV, VA, BV, AB, BV, VA},
                              {4, 4, 0},
                              7},
                      RunCase{"UnlimitedSource",
                              "02_unlimited-5-3.tmk",
                              "нц 2 раз А - В; В - Б кц",
                              {AV, VB, AV, VB},
                              {99, 5, 1},
                              0},
                      RunCase{"ConditionReadsTheAmountsAfterEachStep",
                              "01_8-5-3.tmk",
                              "нц пока А > 0 А - В; В - Б кц",
                              {AV, VB, AV, VB, AV, VB},
                              {0, 5, 3},
                              0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramRunOnTask, StopsAtTheTargetsWhenAsked) {
    const ExecutorTask task = ReadExecutorTask(kExamples / "01_8-5-3.tmk");
    const Program program = ParseProgram("нц 3 раз\nА - Б; Б - В; В - А; Б - В; А - Б; Б - В; В - А\nкц");
    const ProgramOutcome stopped = RunProgram(program, task, true);
    EXPECT_EQ(stopped.reachedStep, 7);
    EXPECT_EQ(stopped.rows.size(), 7u);
    EXPECT_EQ(stopped.state, ProgramRunState::Running);
    EXPECT_EQ(stopped.lastCommandLine, 2);
    const ProgramOutcome whole = RunProgram(program, task, false);
    EXPECT_EQ(whole.reachedStep, 7);
    EXPECT_EQ(whole.rows.size(), 21u);
    EXPECT_EQ(whole.state, ProgramRunState::Finished);
}

struct LimitCase {
    const char* name;
    std::string program;
    ProgramRunState state;
    int commands;
    int stopLine;
};

class ProgramLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ProgramLimit, EndsTheRunOnTheLineItStoppedOn) {
    const LimitCase& row = GetParam();
    ProgramRun run(ParseProgram(row.program));
    int commands = 0;
    while (run.next({8, 0, 0})) {
        ++commands;
    }
    EXPECT_EQ(run.state(), row.state);
    EXPECT_EQ(commands, row.commands);
    EXPECT_EQ(run.commandCount(), row.commands);
    EXPECT_EQ(run.nextLine(), row.stopLine);
    EXPECT_FALSE(run.next({8, 0, 0}));
    EXPECT_EQ(run.state(), row.state);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ProgramLimit,
    ::testing::Values(LimitCase{"EndlessLoopOfCommands", "нц пока 1 = 1\n  А - Б\nкц",
                                ProgramRunState::CommandLimit, kMaxProgramCommands, 2},
                      LimitCase{"LastAllowedCommandStillRuns", "нц 10000 раз А - Б кц",
                                ProgramRunState::Finished, kMaxProgramCommands, 0},
                      LimitCase{"EmptyEndlessLoop", "А - Б\nнц пока 1=1 кц", ProgramRunState::TurnLimit, 1,
                                2},
                      LimitCase{"EmptyNestedMillionLoops", "нц 1000000 раз\n нц 1000000 раз кц\nкц",
                                ProgramRunState::TurnLimit, 0, 2},
                      LimitCase{"LoopWhoseConditionNeverHolds",
                                "нц пока Б > 100\nА - Б\nкц\nнц 1000000 раз\nесли Б > 100 то А - Б "
                                "все\nкц",
                                ProgramRunState::Finished, 0, 0},
                      LimitCase{"MillionAndOneTurnsOfNestedLoops",
                                "нц 1000 раз\nнц 1001 раз\nесли Б > 100 то А - Б все\nкц\nкц",
                                ProgramRunState::TurnLimit, 0, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramRunLines, NextLineNamesTheStatementThatRunsNext) {
    ProgramRun run(ParseProgram("| start\nнц 2 раз\n  если А = 0 то\n    А - Б\n  все\nкц\nБ - В"));
    EXPECT_EQ(run.nextLine(), 2);
    std::vector<int> lines;
    std::vector<int> nextLines;
    while (const auto next = run.next({0, 0, 0})) {
        lines.push_back(next->line);
        nextLines.push_back(run.nextLine());
    }
    EXPECT_EQ(lines, (std::vector<int>{4, 4, 7}));
    // After a command in a loop's body comes its head again; after the last, nothing.
    EXPECT_EQ(nextLines, (std::vector<int>{2, 2, 0}));
    EXPECT_EQ(run.state(), ProgramRunState::Finished);
}

TEST(ProgramRunLimits, CanBeRaisedForALongRun) {
    ProgramRun run(ParseProgram("нц 1000000 раз А - Б кц"),
                   ProgramLimits{2'000'000, kMaxTurnsWithoutCommand});
    while (run.next({0, 0, 0})) {
    }
    EXPECT_EQ(run.state(), ProgramRunState::Finished);
    EXPECT_EQ(run.commandCount(), 1'000'000);
}

TEST(ProgramLimitText, SaysTheLoopMayNeverEnd) {
    EXPECT_EQ(
        ProgramLimitText(ProgramRunState::CommandLimit, 4),
        "Строка 4: выполнено 10 000 команд, а программа не закончилась; возможно, цикл никогда не кончится.");
    EXPECT_EQ(ProgramLimitText(ProgramRunState::TurnLimit, 2),
              "Строка 2: цикл повторился 1 000 000 раз подряд без единой команды; возможно, он никогда не "
              "кончится.");
    EXPECT_EQ(ProgramLimitText(ProgramRunState::Finished, 0), "");
}

TEST(ProgramBadInput, BinaryBytesAndHugeTextsGiveAMessageOrRun) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 131 + 7) % 256);
    }
    const std::string manyLines = [] {
        std::string text;
        for (int i = 0; i < 100'000; ++i) {
            text += i % 2 == 0 ? "А - Б\n" : "| comment\n";
        }
        return text;
    }();
    for (const std::string& text : {binary, std::string(1024 * 1024, '('), std::string(1024 * 1024, '\0'),
                                    std::string("\0А - Б", 7), manyLines}) {
        try {
            ProgramRun run(ParseProgram(text));
            while (run.next({0, 0, 0})) {
            }
        } catch (const ProgramSyntaxError& e) {
            EXPECT_GE(e.line(), 1);
            EXPECT_LT(std::string(e.what()).size(), 400u);
        }
    }
    // Fifty thousand commands, of which a run executes its limit.
    EXPECT_EQ(commandsOf(manyLines).size(), static_cast<std::size_t>(kMaxProgramCommands));
}

TEST(LooksLikeProgram, TellsAProgramFromAListOfCommands) {
    EXPECT_FALSE(LooksLikeProgram("А - Б\nБ - В\n3. В - А\n"));
    EXPECT_FALSE(LooksLikeProgram("А - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\t0\n"));
    EXPECT_FALSE(LooksLikeProgram("А - Б\nи\n"));
    EXPECT_TRUE(LooksLikeProgram("А - Б\n| then the loop\n"));
    EXPECT_TRUE(LooksLikeProgram("Нц 3 Раз\nА - Б\nКЦ"));
    EXPECT_TRUE(LooksLikeProgram("если А = 1 то А - Б все"));
    EXPECT_FALSE(LooksLikeProgram(std::string("\xFF\xD0", 2)));
    EXPECT_FALSE(LooksLikeProgram(std::string(16 * 1024 * 1024, '(')));
    EXPECT_TRUE(LooksLikeProgram(std::string(1024 * 1024, 'x') + " кц"));
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct CheckCase {
    const char* name;
    const char* task;
    std::string program;
    bool solved;
    int errorLine;
    std::string report;
};

class ProgramCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ProgramCheck, ReportsLikeASolutionCheck) {
    const CheckCase& row = GetParam();
    const SolutionCheck check = CheckSolutionOrProgram(ReadExecutorTask(kExamples / row.task), row.program);
    EXPECT_EQ(check.report, row.report);
    EXPECT_EQ(check.solved, row.solved);
    EXPECT_EQ(check.errorLine, row.errorLine);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ProgramCheck,
    ::testing::Values(
        CheckCase{"ExampleWithALoop", "01_8-5-3.tmk", fileBytes(kExamples / "01_8-5-3.program.txt"), true, 0,
                  "Решено за 7 шагов; кратчайшее решение — 7 шагов.\n"},
        CheckCase{"ExampleForAnUnlimitedSource", "02_unlimited-5-3.tmk",
                  fileBytes(kExamples / "02_unlimited-5-3.program.txt"), true, 0,
                  "Решено за 6 шагов; кратчайшее решение — 6 шагов.\n"},
        CheckCase{"SyntaxError", "01_8-5-3.tmk", "| loop\nнц 3 раз\nА - Б\n", false, 3,
                  "Строка 3: нет «кц» для «нц» из строки 2\n"},
        CheckCase{
            "TargetsNotReached", "01_8-5-3.tmk", "| two steps\nА - Б\nБ - В\n", false, 3,
            "Строка 3: программа закончилась после шага 2; в сосудах А, Б, В — 3, 2, 3, а нужно 4, 4, 0; "
            "задание не решено.\n"},
        CheckCase{"CommandLimit", "01_8-5-3.tmk", "| forever\nнц пока 1 = 1\n  А - Б\nкц", false, 3,
                  "Строка 3: выполнено 10 000 команд, а программа не закончилась; возможно, цикл никогда не "
                  "кончится. Задание не решено.\n"},
        CheckCase{"NoCommandRan", "01_8-5-3.tmk", "| nothing\nесли А = 0 то А - Б все", false, 0,
                  "Программа не выполнила ни одной команды; задание не решено.\n"},
        CheckCase{
            "Windows1251Program", "01_8-5-3.tmk", "|\n\xED\xF6 1 \xF0\xE0\xE7 \xC0 - \xC1 \xEA\xF6", false, 2,
            "Строка 2: программа закончилась после шага 1; в сосудах А, Б, В — 3, 5, 0, а нужно 4, 4, 0; "
            "задание не решено.\n"},
        CheckCase{"ListOfCommandsReadAsBefore", "01_8-5-3.tmk", "А - Б\nБ - В\n", false, 2,
                  "Строка 2: после последней команды (шаг 2) в сосудах А, Б, В — 3, 2, 3, а нужно 4, 4, 0; "
                  "задание не решено.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

class ProgramOnTaskFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("trimerka-program-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
    void copyExample(const char* name) { std::filesystem::copy_file(kExamples / name, folder_ / name); }

    std::filesystem::path folder_;
    const std::string program_ = fileBytes(kExamples / "01_8-5-3.program.txt");
};

TEST_F(ProgramOnTaskFolder, ReportsEveryTaskInTheOrderOfNames) {
    for (const char* name : {"05_10-7-3.tmk", "01_8-5-3.tmk"}) {
        copyExample(name);
    }
    // The extension counts in any letter case, as the windows take it.
    std::filesystem::copy_file(kExamples / "02_unlimited-5-3.tmk", folder_ / "02_unlimited-5-3.TMK");
    std::ofstream(folder_ / "notes.txt") << "not a task";
    const TaskFolderCheck check = CheckProgramOnTasks(folder_, program_);
    EXPECT_EQ(check.report,
              "01_8-5-3.tmk: Решено за 7 шагов; кратчайшее решение — 7 шагов.\n"
              "02_unlimited-5-3.TMK: Решено за 6 шагов; кратчайшее решение — 6 шагов.\n"
              "05_10-7-3.tmk: Строка 10: программа закончилась после шага 3; в сосудах А, Б, В — 6, 4, "
              "0, а нужно 5, 5, 0; задание не решено.\n"
              "Решено заданий: 2 из 3.\n");
    EXPECT_EQ(check.taskCount, 3);
    EXPECT_EQ(check.solvedCount, 2);
    EXPECT_FALSE(check.unreadable);
}

TEST_F(ProgramOnTaskFolder, NamesWhatCannotBeRead) {
    copyExample("01_8-5-3.tmk");
    std::ofstream(folder_ / "00_\x1B[2Jbroken.tmk") << "[trimerka]\r\nksz=yes\r\n";
    const TaskFolderCheck broken = CheckProgramOnTasks(folder_, program_);
    EXPECT_TRUE(broken.unreadable);
    EXPECT_EQ(broken.report.substr(0, broken.report.find('\n')),
              "00_\\x1B[2Jbroken.tmk: задание не читается: ''yes'' is not a valid integer value");
    EXPECT_EQ(broken.solvedCount, 1);

    const TaskFolderCheck syntax = CheckProgramOnTasks(folder_, "кц");
    EXPECT_EQ(syntax.report, "Строка 1: «кц» без «нц»\n");
    EXPECT_EQ(syntax.taskCount, 0);

    const TaskFolderCheck empty = CheckProgramOnTasks(folder_ / "missing", program_);
    EXPECT_TRUE(empty.unreadable);
}

} // namespace
} // namespace trimerka
