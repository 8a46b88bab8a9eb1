#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/Error.h"
#include "core/Profile.h"
#include "core/TaskEditor.h"
#include "core/TaskFile.h"
#include "support/NamedRows.h"

namespace trimerka {
namespace {

using rows::PrintTo;
using N = VesselNumber;

// Replaces an editor's whole text keystroke by keystroke, as typing over its selected text does: every
// intermediate text runs the rule. An empty text stands for deleting it.
void typeOver(TaskEditor& editor, int vessel, N field, const std::string& text) {
    if (text.empty()) {
        editor.editNumber(vessel, field, "");
        return;
    }
    for (std::size_t length = 1; length <= text.size(); ++length) {
        editor.editNumber(vessel, field, text.substr(0, length));
    }
}

std::string text(const TaskEditor& editor, int vessel, N field) {
    return editor.number(vessel, field).text;
}

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return {};
}

// The keys of the default task with some values replaced; an empty optional leaves the key out.
TaskFileValues fileWith(const std::map<std::string, std::optional<std::string>>& overrides) {
    std::string text = "[trimerka]\n";
    for (const auto& [key, value] : TaskKeyValues(TaskDefinition{})) {
        const auto replaced = overrides.find(key);
        if (replaced == overrides.end()) {
            text += key + "=" + value + "\n";
        } else if (replaced->second) {
            text += key + "=" + *replaced->second + "\n";
        }
    }
    return TaskFileValues(Profile::fromText(text));
}

// A current file, as right after a save as: saving disabled until the next edit.
TaskEditor withCurrentFile() {
    TaskEditor editor;
    editor.savedAs("/tmp/current.tmk");
    return editor;
}

struct CapacityCase {
    const char* name;
    int amount;
    int target;
    std::vector<std::string> capacityTexts; // the texts the capacity editor passes through, in order
    std::vector<std::string> amountTexts;   // the amount editor's texts after each of them
    std::string target_;
};

class CapacityRule : public testing::TestWithParam<CapacityCase> {};

TEST_P(CapacityRule, LowersAmountAndTargetForEveryIntermediateValue) {
    const CapacityCase& c = GetParam();
    TaskEditor editor;
    editor.setNumber(VesselB, N::Amount, c.amount);
    editor.setNumber(VesselB, N::Target, c.target);
    std::vector<std::string> amounts;
    for (const std::string& capacity : c.capacityTexts) {
        editor.editNumber(VesselB, N::Capacity, capacity);
        amounts.push_back(text(editor, VesselB, N::Amount));
    }
    EXPECT_EQ(amounts, c.amountTexts);
    EXPECT_EQ(text(editor, VesselB, N::Target), c.target_);
    const int capacity = editor.number(VesselB, N::Capacity).value();
    EXPECT_EQ(editor.number(VesselB, N::Amount).maximum, capacity);
    EXPECT_EQ(editor.number(VesselB, N::Target).maximum, capacity);
    EXPECT_EQ(editor.bar(VesselB).capacity, capacity);
    EXPECT_EQ(editor.bar(VesselB).amount, editor.number(VesselB, N::Amount).value());
}

INSTANTIATE_TEST_SUITE_P(
    Edits, CapacityRule,
    testing::Values(
        CapacityCase{
            "SteppingDownFrom99To95", 97, 40, {"98", "97", "96", "95"}, {"97", "97", "96", "95"}, "40"},
        CapacityCase{"Typing50OverASelected99", 99, 99, {"5", "50"}, {"5", "5"}, "5"},
        CapacityCase{"BackspacingBothDigitsOf99", 99, 99, {"9", ""}, {"9", "1"}, "1"},
        CapacityCase{"ALoneMinusCountsAsOne", 60, 60, {"-"}, {"1"}, "1"},
        CapacityCase{"AnAmountEqualToTheNewCapacityIsLeftAlone", 50, 50, {"50"}, {"50"}, "50"},
        CapacityCase{"RaisingTheCapacityLowersNothing", 30, 20, {"40", "60"}, {"30", "30"}, "20"},
        CapacityCase{"Typing150LowersAtItsFirstDigitOnly", 99, 99, {"1", "15", "150"}, {"1", "1", "1"}, "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaskEditorRules, NegativeCapacityIsRefusedByTheBarAndTheRestOfTheRuleDoesNotRun) {
    TaskEditor editor;
    editor.editNumber(VesselA, N::Capacity, "-");
    EXPECT_EQ(errorOf([&] { editor.editNumber(VesselA, N::Capacity, "-5"); }),
              "Value must be between 1 and 2147483647");
    EXPECT_EQ(text(editor, VesselA, N::Capacity), "-5");
    EXPECT_EQ(editor.bar(VesselA).capacity, 1);
    EXPECT_EQ(text(editor, VesselA, N::Amount), "1");
    EXPECT_EQ(editor.number(VesselA, N::Amount).maximum, 1);
}

TEST(TaskEditorRules, HeightIsAppliedAsTypedAndNeverLeftEmpty) {
    struct Row {
        const char* name;
        std::string typed;
        std::string shown;
        int bar;
    };
    const Row rows[] = {{"in range", "30", "30", 30},
                        {"above the range applies as typed", "300", "300", 300},
                        {"emptied puts 185 back at once", "", "185", 185}};
    for (const Row& row : rows) {
        TaskEditor editor;
        typeOver(editor, VesselV, N::Height, row.typed);
        EXPECT_EQ(text(editor, VesselV, N::Height), row.shown) << row.name;
        EXPECT_EQ(editor.bar(VesselV).height, row.bar) << row.name;
    }
}

TEST(TaskEditorRules, AmountIsPreviewedWithinTheCapacityAndTheTargetIsNot) {
    TaskEditor editor;
    editor.setNumber(VesselB, N::Capacity, 12);
    typeOver(editor, VesselB, N::Amount, "30");
    EXPECT_EQ(text(editor, VesselB, N::Amount), "30") << "typing may leave the range";
    EXPECT_EQ(editor.bar(VesselB).amount, 12);
    editor.setNumber(VesselB, N::Target, 50);
    EXPECT_EQ(text(editor, VesselB, N::Target), "12");
    EXPECT_EQ(editor.bar(VesselB).amount, 12);
}

TEST(TaskEditorRules, UnlimitedSourceTakesOverVesselAsBarAndEnablesTheRadioPair) {
    TaskEditor editor;
    editor.setNumber(VesselA, N::Capacity, 12);
    editor.setNumber(VesselA, N::Amount, 5);
    editor.setNumber(VesselA, N::Height, 50);
    editor.setNumber(VesselA, N::Target, 3);

    editor.setUnlimited(true);
    EXPECT_EQ(editor.bar(VesselA), (PreviewBar{99, 99, 185}));
    for (N field : kVesselNumbers) {
        EXPECT_FALSE(editor.number(VesselA, field).enabled);
    }
    EXPECT_EQ(text(editor, VesselA, N::Capacity), "12");
    EXPECT_TRUE(editor.pourBackChoiceEnabled());
    EXPECT_TRUE(editor.unlimitedArrowShown());
    EXPECT_TRUE(editor.pourBackArrowShown());

    editor.selectPourBack(false);
    EXPECT_FALSE(editor.pourBackArrowShown());
    editor.selectPourBack(true);
    EXPECT_TRUE(editor.pourBackArrowShown());
    editor.selectPourBack(false);

    editor.setUnlimited(false);
    EXPECT_EQ(editor.bar(VesselA), (PreviewBar{12, 5, 50}));
    for (N field : kVesselNumbers) {
        EXPECT_TRUE(editor.number(VesselA, field).enabled);
    }
    EXPECT_FALSE(editor.pourBackChoiceEnabled());
    EXPECT_FALSE(editor.pourBackAllowed()) << "the pair keeps its selection while disabled";
    EXPECT_FALSE(editor.unlimitedArrowShown());
    EXPECT_FALSE(editor.pourBackArrowShown());
}

// Every kind of edit, applied once without and once with a current file.
TEST(TaskEditorRules, SaveIsEnabledByAnEditOnlyWithACurrentFileAndNeverDisabledByOne) {
    struct Row {
        const char* name;
        std::function<void(TaskEditor&)> edit;
    };
    const Row rows[] = {
        {"capacity typed", [](TaskEditor& e) { typeOver(e, VesselV, N::Capacity, "7"); }},
        {"amount set", [](TaskEditor& e) { e.setNumber(VesselB, N::Amount, 3); }},
        {"target typed", [](TaskEditor& e) { typeOver(e, VesselV, N::Target, "4"); }},
        {"height typed", [](TaskEditor& e) { typeOver(e, VesselB, N::Height, "100"); }},
        {"colour chosen", [](TaskEditor& e) { e.chooseColor(VesselB, true, rgb(1, 2, 3)); }},
        {"the same colour chosen again",
         [](TaskEditor& e) { e.chooseColor(VesselB, false, kDefaultEmptyColor); }},
        {"unlimited ticked", [](TaskEditor& e) { e.setUnlimited(true); }},
        {"pour-back forbidden", [](TaskEditor& e) { e.selectPourBack(false); }},
        {"solution control ticked", [](TaskEditor& e) { e.setSolutionControl(true); }},
        {"statement typed", [](TaskEditor& e) { e.setStatement("x"); }},
        {"common title typed", [](TaskEditor& e) { e.setCommonTitle("x"); }},
        {"column title typed", [](TaskEditor& e) { e.setColumnTitle(VesselV, "x"); }},
    };
    for (const Row& row : rows) {
        TaskEditor noFile;
        row.edit(noFile);
        EXPECT_FALSE(noFile.saveEnabled()) << row.name << " without a current file";

        TaskEditor withFile = withCurrentFile();
        ASSERT_FALSE(withFile.saveEnabled());
        row.edit(withFile);
        EXPECT_TRUE(withFile.saveEnabled()) << row.name << " with a current file";
    }
    TaskEditor editor = withCurrentFile();
    editor.selectPourBack(true);
    EXPECT_FALSE(editor.saveEnabled()) << "selecting the button already selected is no edit";
}

TEST(TaskEditorRules, ResetBringsBackTheDefaultTaskWithNoCurrentFile) {
    TaskEditor editor = withCurrentFile();
    typeOver(editor, VesselA, N::Capacity, "8");
    editor.setNumber(VesselB, N::Height, 40);
    editor.setUnlimited(true);
    editor.selectPourBack(false);
    editor.setSolutionControl(true);
    editor.setStatement("другое");
    editor.setColumnTitle(VesselB, "другое");
    editor.chooseColor(VesselV, true, rgb(1, 2, 3));
    const int revision = editor.textRevision();

    editor.reset();
    EXPECT_EQ(editor.task({"Формулировка задания ....."}), TaskDefinition());
    EXPECT_EQ(editor.statement(), "Формулировка задания .....");
    EXPECT_TRUE(editor.currentFile().empty());
    EXPECT_FALSE(editor.saveEnabled());
    EXPECT_FALSE(editor.pourBackChoiceEnabled());
    EXPECT_FALSE(editor.unlimitedArrowShown());
    EXPECT_FALSE(editor.pourBackArrowShown());
    EXPECT_GT(editor.textRevision(), revision);
    for (int v = 0; v < kVesselCount; ++v) {
        EXPECT_EQ(editor.bar(v), PreviewBar{}) << v;
        for (N field : kVesselNumbers) {
            EXPECT_TRUE(editor.number(v, field).enabled);
        }
        EXPECT_EQ(editor.number(v, N::Amount).maximum, 99);
        EXPECT_EQ(editor.number(v, N::Target).maximum, 99);
    }
}

// Settling: what a save does to the editor being typed in before it writes anything.
struct SettleCase {
    const char* name;
    int vessel;
    N field;
    std::string typed;
    std::vector<std::pair<N, std::string>> settled; // texts of the vessel's editors afterwards
    PreviewBar bar;
};

class Settling : public testing::TestWithParam<SettleCase> {};

TEST_P(Settling, PullsTheTypedValueIntoItsRangeAndAppliesItsRule) {
    const SettleCase& c = GetParam();
    TaskEditor editor = withCurrentFile();
    typeOver(editor, c.vessel, c.field, c.typed);
    ASSERT_TRUE(editor.saveEnabled());
    TaskDefinition expected = editor.settledTask();
    expected.statementLines = {"Формулировка задания ....."};

    ASSERT_TRUE(editor.beginSave());
    EXPECT_FALSE(editor.saveEnabled());
    for (const auto& [field, settled] : c.settled) {
        EXPECT_EQ(text(editor, c.vessel, field), settled);
    }
    EXPECT_EQ(editor.bar(c.vessel), c.bar);
    EXPECT_EQ(editor.task({"Формулировка задания ....."}), expected);
    for (int v = 0; v < kVesselCount; ++v) {
        for (N field : kVesselNumbers) {
            const NumberField& number = editor.number(v, field);
            EXPECT_EQ(number.text, number.settledText()) << v;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Typed, Settling,
    testing::Values(
        SettleCase{"CapacityAbove99",
                   VesselA,
                   N::Capacity,
                   "150",
                   {{N::Capacity, "99"}, {N::Amount, "1"}, {N::Target, "1"}},
                   {99, 1, 185}},
        SettleCase{"CapacityZero",
                   VesselB,
                   N::Capacity,
                   "0",
                   {{N::Capacity, "1"}, {N::Amount, "0"}, {N::Target, "0"}},
                   {1, 0, 185}},
        SettleCase{"CapacityEmptied",
                   VesselV,
                   N::Capacity,
                   "",
                   {{N::Capacity, "1"}, {N::Amount, "1"}, {N::Target, "1"}},
                   {1, 1, 185}},
        SettleCase{"CapacityALoneMinus", VesselV, N::Capacity, "-", {{N::Capacity, "1"}}, {1, 1, 185}},
        SettleCase{"AmountAboveTheCapacity", VesselB, N::Amount, "150", {{N::Amount, "99"}}, {99, 99, 185}},
        SettleCase{"AmountNegative", VesselB, N::Amount, "-5", {{N::Amount, "0"}}, {99, 0, 185}},
        SettleCase{"TargetNegative", VesselV, N::Target, "-3", {{N::Target, "0"}}, {99, 99, 185}},
        SettleCase{"HeightAbove185", VesselA, N::Height, "999", {{N::Height, "185"}}, {99, 99, 185}},
        SettleCase{"HeightBelow25", VesselA, N::Height, "10", {{N::Height, "25"}}, {99, 99, 25}},
        SettleCase{"HeightALoneMinus", VesselB, N::Height, "-", {{N::Height, "25"}}, {99, 99, 25}},
        SettleCase{"InRangeStaysAsTyped", VesselB, N::Capacity, "50", {{N::Capacity, "50"}}, {50, 5, 185}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaskEditorSave, NegativeCapacityIsSettledToOneWithoutAnError) {
    TaskEditor editor = withCurrentFile();
    editor.editNumber(VesselA, N::Capacity, "-");
    ASSERT_FALSE(errorOf([&] { editor.editNumber(VesselA, N::Capacity, "-5"); }).empty());
    ASSERT_TRUE(editor.beginSave());
    EXPECT_EQ(text(editor, VesselA, N::Capacity), "1");
    EXPECT_EQ(editor.bar(VesselA).capacity, 1);
}

TEST(TaskEditorSave, WithoutACurrentFileNothingHappens) {
    TaskEditor editor;
    typeOver(editor, VesselA, N::Capacity, "150");
    EXPECT_FALSE(editor.beginSave());
    EXPECT_EQ(text(editor, VesselA, N::Capacity), "150");

    editor.savedAs("/tmp/a.tmk");
    EXPECT_EQ(editor.currentFile(), "/tmp/a.tmk");
    EXPECT_FALSE(editor.saveEnabled());
}

struct LoadCase {
    const char* name;
    std::map<std::string, std::optional<std::string>> keys;
    std::vector<std::tuple<int, N, std::string>> shown;
};

class Loading : public testing::TestWithParam<LoadCase> {};

TEST_P(Loading, BringsValuesIntoTheEditorsRanges) {
    const LoadCase& c = GetParam();
    TaskEditor editor;
    editor.load("/tmp/t.tmk", fileWith(c.keys));
    EXPECT_EQ(editor.currentFile(), "/tmp/t.tmk");
    EXPECT_TRUE(editor.saveEnabled());
    for (const auto& [vessel, field, shown] : c.shown) {
        EXPECT_EQ(text(editor, vessel, field), shown) << vessel;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, Loading,
    testing::Values(LoadCase{"Capacity150Amount120",
                             {{"saem", "150"}, {"saet", "120"}},
                             {{VesselA, N::Capacity, "99"}, {VesselA, N::Amount, "99"}}},
                    LoadCase{"Height10", {{"sah", "10"}}, {{VesselA, N::Height, "25"}}},
                    LoadCase{
                        "Capacity5Amount9Target7",
                        {{"sbem", "5"}, {"sbet", "9"}, {"sber", "7"}},
                        {{VesselB, N::Capacity, "5"}, {VesselB, N::Amount, "5"}, {VesselB, N::Target, "5"}}},
                    LoadCase{"NegativeCapacityAndAmount",
                             {{"svem", "-4"}, {"svet", "-2"}},
                             {{VesselV, N::Capacity, "1"}, {VesselV, N::Amount, "0"}}},
                    LoadCase{"UnlimitedKeepsVesselAsValues",
                             {{"saef", "1"}, {"sasl", "0"}, {"saem", "12"}, {"saet", "7"}},
                             {{VesselA, N::Capacity, "12"}, {VesselA, N::Amount, "7"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaskEditorLoad, UnlimitedSourceWithoutPourBack) {
    TaskEditor editor;
    editor.load("/tmp/t.tmk", fileWith({{"saef", "1"}, {"sasl", "0"}, {"saem", "12"}, {"sah", "60"}}));
    EXPECT_TRUE(editor.unlimited());
    EXPECT_FALSE(editor.pourBackAllowed());
    EXPECT_TRUE(editor.pourBackChoiceEnabled());
    EXPECT_EQ(editor.bar(VesselA), PreviewBar{});
    EXPECT_FALSE(editor.number(VesselA, N::Height).enabled);
    EXPECT_EQ(text(editor, VesselA, N::Height), "60");
    EXPECT_TRUE(editor.unlimitedArrowShown());
    EXPECT_FALSE(editor.pourBackArrowShown());
}

TEST(TaskEditorLoad, FlagsOtherThanOneAndZeroLeaveTheirOptionsClear) {
    TaskEditor editor;
    editor.load("/tmp/t.tmk", fileWith({{"krres", "yes"}, {"saef", "2"}, {"sasl", std::nullopt}}));
    EXPECT_FALSE(editor.solutionControl());
    EXPECT_FALSE(editor.unlimited());
    EXPECT_FALSE(editor.pourBackChoiceEnabled());
    EXPECT_TRUE(editor.pourBackAllowed());
}

TEST(TaskEditorLoad, ARefusedValueKeepsWhatWasReadAndDisarmsSaving) {
    TaskEditor editor = withCurrentFile();
    const std::string error = errorOf([&] {
        editor.load("/tmp/t.tmk", fileWith({{"saem", "12"}, {"sbh", "abc"}}));
    });
    EXPECT_EQ(error, "''abc'' is not a valid integer value");
    EXPECT_EQ(text(editor, VesselA, N::Capacity), "12");
    EXPECT_EQ(text(editor, VesselB, N::Height), "185");
    EXPECT_TRUE(editor.currentFile().empty());
    EXPECT_FALSE(editor.saveEnabled());

    EXPECT_FALSE(errorOf([&] { editor.load("/tmp/t.tmk", fileWith({{"ksz", std::nullopt}})); }).empty());
    EXPECT_EQ(editor.statement(), "") << "the statement holds what was read of it";
}

// The label searches the task as a save would write it, so a value being typed is searched as settled.
TEST(TaskEditorSolution, SearchesTheSettledTaskAndNotesWhenSolutionControlIsOff) {
    struct Row {
        const char* name;
        std::function<void(TaskEditor&)> edit;
        const char* text;
    };
    const auto classic = [](TaskEditor& e) {
        const int capacity[] = {8, 5, 3};
        const int amount[] = {8, 0, 0};
        const int target[] = {4, 4, 0};
        for (int v = 0; v < kVesselCount; ++v) {
            e.setNumber(v, N::Capacity, capacity[v]);
            e.setNumber(v, N::Amount, amount[v]);
            e.setNumber(v, N::Target, target[v]);
        }
        e.setSolutionControl(true);
    };
    const Row rows[] = {
        {"classic 8/5/3", classic, "Кратчайшее решение: 7 шагов"},
        {"solution control off",
         [&](TaskEditor& e) {
             classic(e);
             e.setSolutionControl(false);
         },
         "Кратчайшее решение: 7 шагов (контроль решения выключен)"},
        {"unsolvable with solution control off",
         [&](TaskEditor& e) {
             classic(e);
             e.setNumber(VesselV, N::Target, 1);
             e.setSolutionControl(false);
         },
         "Задание не имеет решения (контроль решения выключен)"},
        {"capacity typed above 99 is searched as 99",
         [](TaskEditor& e) {
             e.setSolutionControl(true);
             typeOver(e, VesselA, N::Capacity, "150");
         },
         "Кратчайшее решение: 1 шаг"},
        {"capacity typed as zero is searched as one",
         [&](TaskEditor& e) {
             classic(e);
             typeOver(e, VesselB, N::Capacity, "0");
         },
         "Задание не имеет решения"},
        {"negative capacity is searched as one",
         [&](TaskEditor& e) {
             classic(e);
             e.editNumber(VesselB, N::Capacity, "-");
             errorOf([&] { e.editNumber(VesselB, N::Capacity, "-5"); });
         },
         "Задание не имеет решения"},
    };
    for (const Row& row : rows) {
        TaskEditor editor;
        row.edit(editor);
        EXPECT_EQ(editor.solutionText(), row.text) << row.name;
    }
}

struct StatementLinesCase {
    const char* name;
    std::vector<ScreenLine> screen;
    std::vector<std::string> file;
    // One paragraph that begins with a blank, as a load leaves it, reads back as the editor shows it.
    bool readsBackAsShown;
};

class StatementLinesToFile : public testing::TestWithParam<StatementLinesCase> {};

TEST_P(StatementLinesToFile, LeaveOutTheBlanksTheReadersPutBack) {
    const StatementLinesCase& c = GetParam();
    EXPECT_EQ(FileStatementLines(c.screen), c.file);
    if (c.readsBackAsShown) {
        std::string shown;
        for (const ScreenLine& line : c.screen) {
            shown += line.text;
        }
        TaskDefinition task;
        task.statementLines = c.file;
        EXPECT_EQ(TaskFileValues(Profile::fromText(ComposeTaskFileText("", task))).statement(), shown);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StatementLinesToFile,
    testing::Values(
        StatementLinesCase{"TypedLines", {{"abc", false}, {"def", false}}, {"abc", "def"}, false},
        StatementLinesCase{"WrappedAtABlank", {{"abc ", true}, {"def", false}}, {"abc", "def"}, false},
        StatementLinesCase{"WrappedInsideAWord", {{"abcdef", true}, {"gh", false}}, {"abcdef", "gh"}, false},
        StatementLinesCase{"LoadedParagraph",
                           {{" Отмерьте четыре ", true}, {"литра  ", true}, {"сосудом", false}},
                           {"Отмерьте четыре", "литра ", "сосудом"},
                           true},
        StatementLinesCase{"LoadedParagraphThatBeganWithTwoBlanks",
                           {{"  Отмерьте ", true}, {"литр", false}},
                           {" Отмерьте", "литр"},
                           true},
        StatementLinesCase{"IndentedTypedLineKeepsItsBlanks",
                           {{"abc", false}, {"  def  ", false}},
                           {"abc", "  def  "},
                           false},
        StatementLinesCase{"FirstLineOnlyABlank", {{" ", false}}, {""}, true},
        StatementLinesCase{"NoLines", {}, {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace trimerka
