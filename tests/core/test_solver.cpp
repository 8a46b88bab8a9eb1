#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "core/Solver.h"

namespace trimerka {
namespace {

using Amounts = std::array<int, kVesselCount>;
using Targets = std::array<std::string, kVesselCount>;

VesselState limited(Amounts capacity, Amounts amount) {
    VesselState state;
    state.capacity = capacity;
    state.amount = amount;
    state.unlimitedSource = 0;
    return state;
}

// Vessel А is the endless tap: 99 of 99 whatever the file said.
VesselState unlimited(int capacityB, int capacityV, bool pourBack, Amounts amount = {99, 0, 0}) {
    VesselState state;
    state.capacity = {99, capacityB, capacityV};
    state.amount = amount;
    state.unlimitedSource = 1;
    state.pourBackAllowed = pourBack ? 1 : 0;
    return state;
}

struct SolverCase {
    const char* name;
    VesselState start;
    Targets targets;
    Solvability solvability;
    int minimalSteps;
    int reachableStates;
};

class SolverTable : public ::testing::TestWithParam<SolverCase> {};

TEST_P(SolverTable, FindsTheLeastNumberOfSteps) {
    const SolverCase& c = GetParam();
    const SolverResult result = Solve(c.start, c.targets);
    EXPECT_EQ(result.solvability, c.solvability);
    EXPECT_EQ(result.minimalSteps, c.minimalSteps);
    EXPECT_EQ(static_cast<int>(result.reachable.size()), c.reachableStates);
    ASSERT_EQ(static_cast<int>(result.solution.size()), c.minimalSteps);

    // Played on the engine, the solution ends on the targets, and not earlier.
    VesselState state = c.start;
    for (std::size_t i = 0; i < result.solution.size(); ++i) {
        state = Pour(state, result.solution[i]).after;
        EXPECT_EQ(CompletionReached(state.amount, c.targets, 1), i + 1 == result.solution.size())
            << "step " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Solver, SolverTable,
    ::testing::Values(
        SolverCase{
            "Classic_8_5_3", limited({8, 5, 3}, {8, 0, 0}), {"4", "4", "0"}, Solvability::Solvable, 7, 16},
        SolverCase{
            "Classic_12_8_5", limited({12, 8, 5}, {12, 0, 0}), {"6", "6", "0"}, Solvability::Solvable, 7, 25},
        SolverCase{
            "Classic_10_7_3", limited({10, 7, 3}, {10, 0, 0}), {"5", "5", "0"}, Solvability::Solvable, 9, 20},
        SolverCase{
            "UnlimitedWithPourBack", unlimited(5, 3, true), {"99", "4", "3"}, Solvability::Solvable, 6, 16},
        SolverCase{"UnlimitedWithoutPourBackCannotReachFour",
                   unlimited(5, 3, false),
                   {"99", "4", "3"},
                   Solvability::Unsolvable,
                   0,
                   8},
        SolverCase{"UnlimitedWithoutPourBackFillsAndTransfers",
                   unlimited(5, 3, false),
                   {"99", "5", "1"},
                   Solvability::Solvable,
                   4,
                   8},
        SolverCase{"PourBackForbiddenNeverLowersTheTotal",
                   unlimited(5, 3, false),
                   {"99", "1", "0"},
                   Solvability::Unsolvable,
                   0,
                   8},
        SolverCase{"PourBackAllowedReachesTheSameTarget",
                   unlimited(5, 3, true),
                   {"99", "1", "0"},
                   Solvability::Solvable,
                   6,
                   16},
        SolverCase{"UnlimitedAIsNeverBelow99",
                   unlimited(5, 3, true),
                   {"5", "0", "0"},
                   Solvability::Unsolvable,
                   0,
                   16},
        SolverCase{"TotalDiffersFromTheInitialTotal",
                   limited({8, 5, 3}, {8, 0, 0}),
                   {"4", "4", "1"},
                   Solvability::Unsolvable,
                   0,
                   16},
        SolverCase{"EvenCapacitiesNeverGiveAnOddAmount",
                   limited({6, 4, 2}, {6, 0, 0}),
                   {"3", "3", "0"},
                   Solvability::Unsolvable,
                   0,
                   6},
        SolverCase{"TargetWithLeadingZeroIsNeverMet",
                   limited({8, 5, 3}, {8, 0, 0}),
                   {"4", "4", "00"},
                   Solvability::Unsolvable,
                   0,
                   16},
        SolverCase{"TargetSevenWrittenAs07",
                   limited({8, 5, 3}, {8, 0, 0}),
                   {"07", "1", "0"},
                   Solvability::Unsolvable,
                   0,
                   16},
        SolverCase{"TargetSevenWrittenPlain",
                   limited({8, 5, 3}, {8, 0, 0}),
                   {"7", "1", "0"},
                   Solvability::Solvable,
                   6,
                   16},
        SolverCase{"StartOnTargetsStillNeedsAStep",
                   limited({8, 5, 3}, {4, 4, 0}),
                   {"4", "4", "0"},
                   Solvability::Solvable,
                   1,
                   16},
        SolverCase{"StartOnTargetsThatNoStepReturnsTo",
                   limited({8, 5, 3}, {4, 2, 2}),
                   {"4", "2", "2"},
                   Solvability::Unsolvable,
                   0,
                   17},
        SolverCase{"DefaultTaskAllFull",
                   limited({99, 99, 99}, {99, 99, 99}),
                   {"99", "99", "99"},
                   Solvability::Solvable,
                   1,
                   1},
        SolverCase{"CapacityZeroVessel",
                   limited({8, 0, 3}, {8, 0, 0}),
                   {"5", "0", "3"},
                   Solvability::Solvable,
                   1,
                   2},
        SolverCase{"CapacityAbove99IsNotSearched",
                   limited({120, 5, 3}, {120, 0, 0}),
                   {"4", "4", "0"},
                   Solvability::OutOfRange,
                   0,
                   0},
        SolverCase{"AmountAboveCapacityIsNotSearched",
                   limited({8, 5, 3}, {8, 6, 0}),
                   {"4", "4", "0"},
                   Solvability::OutOfRange,
                   0,
                   0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Solver, ClassicSolutionWritesTheKnownStepLog) {
    const VesselState start = limited({8, 5, 3}, {8, 0, 0});
    const SolverResult result = Solve(start, {"4", "4", "0"});
    const std::vector<StepRow> expected = {
        {{"А - Б", "3 ( 8 - 5 )", "5 ( 0 + 5 )", "0"}}, {{"Б - В", "3", "2 ( 5 - 3 )", "3 ( 0 + 3 )"}},
        {{"В - А", "6 ( 3 + 3 )", "2", "0 ( 3 - 3 )"}}, {{"Б - В", "6", "0 ( 2 - 2 )", "2 ( 0 + 2 )"}},
        {{"А - Б", "1 ( 6 - 5 )", "5 ( 0 + 5 )", "2"}}, {{"Б - В", "1", "4 ( 5 - 1 )", "3 ( 2 + 1 )"}},
        {{"В - А", "4 ( 1 + 3 )", "4", "0 ( 3 - 3 )"}},
    };
    EXPECT_EQ(SolutionRows(start, result.solution), expected);
}

TEST(Solver, ReachableStatesAreDistinctAndInOrderOfDistance) {
    const SolverResult result = Solve(limited({8, 5, 3}, {8, 0, 0}), {"4", "4", "0"});
    ASSERT_FALSE(result.reachable.empty());
    EXPECT_EQ(result.reachable.front(), (ReachedState{{8, 0, 0}, 0}));
    std::set<Amounts> seen;
    int previous = 0;
    for (const ReachedState& s : result.reachable) {
        EXPECT_TRUE(seen.insert(s.amount).second);
        EXPECT_GE(s.distance, previous);
        EXPECT_LE(s.distance, previous + 1);
        EXPECT_EQ(s.amount[0] + s.amount[1] + s.amount[2], 8);
        previous = s.distance;
    }
    EXPECT_TRUE(seen.contains(Amounts{4, 4, 0}));
}

TEST(SolverTask, UnlimitedAIgnoresItsOwnFieldsAndTargets) {
    TaskDefinition task;
    task.unlimitedSource = true;
    task.pourBackAllowed = true;
    task.vessels[VesselA] = {5, 2, 1, 100};
    task.vessels[VesselB].capacity = 5;
    task.vessels[VesselB].initialAmount = 0;
    task.vessels[VesselB].targetAmount = 4;
    task.vessels[VesselV].capacity = 3;
    task.vessels[VesselV].initialAmount = 0;
    task.vessels[VesselV].targetAmount = 3;
    EXPECT_EQ(Solve(task).minimalSteps, 6);
    task.pourBackAllowed = false;
    EXPECT_EQ(Solve(task).solvability, Solvability::Unsolvable);
}

TEST(SolverTask, DefaultTaskIsSolvedByAnyStepThatMovesNothing) {
    const SolverResult result = Solve(TaskDefinition{});
    EXPECT_EQ(SolutionText(result), "Кратчайшее решение: 1 шаг");
}

TEST(SolverText, RussianPluralOfSteps) {
    struct Row {
        int count;
        const char* word;
    };
    const Row rows[] = {{0, "шагов"},  {1, "шаг"},    {2, "шага"},    {4, "шага"},    {5, "шагов"},
                        {11, "шагов"}, {12, "шагов"}, {14, "шагов"},  {21, "шаг"},    {22, "шага"},
                        {25, "шагов"}, {101, "шаг"},  {111, "шагов"}, {112, "шагов"}, {1004, "шага"}};
    for (const Row& row : rows) {
        EXPECT_EQ(StepsWord(row.count), row.word) << row.count;
    }
}

TEST(SolverText, LabelTexts) {
    EXPECT_EQ(SolutionText(Solve(limited({8, 5, 3}, {8, 0, 0}), {"4", "4", "0"})),
              "Кратчайшее решение: 7 шагов");
    EXPECT_EQ(SolutionText(Solve(unlimited(5, 3, true), {"99", "4", "3"})), "Кратчайшее решение: 6 шагов");
    EXPECT_EQ(SolutionText(Solve(limited({6, 4, 2}, {6, 0, 0}), {"3", "3", "0"})),
              "Задание не имеет решения");
    EXPECT_EQ(SolutionText(Solve(limited({12, 8, 5}, {12, 0, 0}), {"4", "3", "5"})),
              "Кратчайшее решение: 2 шага");
}

} // namespace
} // namespace trimerka
