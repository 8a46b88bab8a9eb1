#include <gtest/gtest.h>

#include "core/Pour.h"

using namespace trimerka;

namespace {

struct PourRow {
    const char* name;
    std::array<int, 3> capacity;
    std::array<int, 3> amount;
    std::uint16_t unlimited;
    std::uint16_t pourBack;
    const char* command;
    PourCase expectedCase;
    int poured;
    std::array<int, 3> after;
};

const PourRow kPourRows[] = {
    {"ordinary_destination_filled",
     {12, 8, 4},
     {12, 3, 1},
     0,
     1,
     "А - Б",
     PourCase::DestinationFilled,
     5,
     {7, 8, 1}},
    {"ordinary_source_emptied", {12, 8, 4}, {2, 3, 1}, 0, 1, "Б - А", PourCase::SourceEmptied, 3, {5, 0, 1}},
    {"limited_a_takes_what_fits_from_b",
     {12, 8, 4},
     {10, 5, 1},
     0,
     1,
     "Б - А",
     PourCase::DestinationFilled,
     2,
     {12, 3, 1}},
    {"limited_a_takes_what_fits_from_v",
     {12, 8, 4},
     {10, 5, 4},
     0,
     1,
     "В - А",
     PourCase::DestinationFilled,
     2,
     {12, 5, 2}},
    {"free_room_equal_to_source",
     {12, 8, 4},
     {5, 3, 1},
     0,
     1,
     "А - Б",
     PourCase::SourceEmptied,
     5,
     {0, 8, 1}},
    {"empty_source", {12, 8, 4}, {0, 3, 1}, 0, 1, "А - Б", PourCase::SourceEmptied, 0, {0, 3, 1}},
    {"full_destination", {12, 8, 4}, {5, 8, 1}, 0, 1, "А - Б", PourCase::DestinationFilled, 0, {5, 8, 1}},
    {"from_unlimited_pour_back_allowed",
     {99, 8, 4},
     {99, 3, 1},
     1,
     1,
     "А - Б",
     PourCase::FromUnlimited,
     5,
     {99, 8, 1}},
    {"from_unlimited_pour_back_forbidden",
     {99, 8, 4},
     {99, 3, 1},
     1,
     0,
     "А - Б",
     PourCase::FromUnlimited,
     5,
     {99, 8, 1}},
    {"from_unlimited_into_large_empty",
     {99, 8, 99},
     {99, 3, 0},
     1,
     1,
     "А - В",
     PourCase::FromUnlimited,
     99,
     {99, 3, 99}},
    {"into_unlimited_allowed", {99, 8, 4}, {99, 2, 3}, 1, 1, "В - А", PourCase::IntoUnlimited, 3, {99, 2, 0}},
    {"into_unlimited_forbidden",
     {99, 8, 4},
     {99, 2, 3},
     1,
     0,
     "В - А",
     PourCase::IntoUnlimitedForbidden,
     0,
     {99, 2, 3}},
    {"into_unlimited_odd_flag_counts_as_allowed",
     {99, 8, 4},
     {99, 2, 3},
     1,
     7,
     "Б - А",
     PourCase::IntoUnlimited,
     2,
     {99, 0, 3}},
    {"limited_a_ignores_forbidden_pour_back",
     {12, 8, 4},
     {2, 3, 1},
     0,
     0,
     "Б - А",
     PourCase::SourceEmptied,
     3,
     {5, 0, 1}},
    {"b_to_v_ignores_flags",
     {99, 8, 4},
     {99, 7, 1},
     1,
     0,
     "Б - В",
     PourCase::DestinationFilled,
     3,
     {99, 4, 4}},
    {"v_to_b_ignores_flags",
     {99, 8, 4},
     {99, 7, 4},
     1,
     0,
     "В - Б",
     PourCase::DestinationFilled,
     1,
     {99, 8, 3}},
};

class PourTable : public ::testing::TestWithParam<PourRow> {};

} // namespace

TEST_P(PourTable, GivesCaseQuantityAndAmounts) {
    const PourRow& row = GetParam();
    VesselState state{row.amount, row.capacity, row.unlimited, row.pourBack};
    const auto command = PourCommand::fromText(row.command);
    ASSERT_TRUE(command);
    const PourOutcome out = Pour(state, *command);
    EXPECT_EQ(out.pourCase, row.expectedCase);
    EXPECT_EQ(out.poured, row.poured);
    EXPECT_EQ(out.after.amount, row.after);
    EXPECT_EQ(out.before, state);
    EXPECT_EQ(out.after.capacity, state.capacity);
    EXPECT_EQ(out.after.unlimitedSource, state.unlimitedSource);
    EXPECT_EQ(out.after.pourBackAllowed, state.pourBackAllowed);
    EXPECT_EQ(out.source, command->source);
    EXPECT_EQ(out.destination, command->destination);
}

INSTANTIATE_TEST_SUITE_P(Cases, PourTable, ::testing::ValuesIn(kPourRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PourCommand, TextsAndKeys) {
    const char* texts[] = {"А - Б", "А - В", "Б - А", "Б - В", "В - Б", "В - А"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(PourCommand::all[i].text(), texts[i]);
        EXPECT_EQ(PourCommand::fromText(texts[i]), PourCommand::all[i]) << texts[i];
        EXPECT_EQ(PourCommand::all[i].third(),
                  3 - PourCommand::all[i].source - PourCommand::all[i].destination);
    }
    // Only characters 1 and 5 identify the command.
    EXPECT_EQ(PourCommand::fromText("А_x_Б"), (PourCommand{VesselA, VesselB}));
    for (const char* bad : {"- - -", "А - -", "- - Б", "А - А", "А - ", "", "A - B"}) {
        EXPECT_FALSE(PourCommand::fromText(bad)) << bad;
    }
}

// Every state of small capacities, under every flag: amounts stay in range, an ordinary pour keeps the total,
// an unlimited vessel А stays at 99 and the third vessel is never touched.
TEST(PourProperty, InvariantsHoldOverAllSmallStates) {
    for (std::uint16_t unlimited : {0, 1}) {
        for (std::uint16_t pourBack : {0, 1}) {
            for (int ca = 1; ca <= 6; ++ca) {
                for (int cb = 1; cb <= 6; ++cb) {
                    for (int cv = 1; cv <= 6; ++cv) {
                        const int capA = unlimited ? 99 : ca;
                        for (int a = 0; a <= capA; a += unlimited ? 99 : 1) {
                            for (int b = 0; b <= cb; ++b) {
                                for (int v = 0; v <= cv; ++v) {
                                    const VesselState s{
                                        {unlimited ? 99 : a, b, v}, {capA, cb, cv}, unlimited, pourBack};
                                    for (const auto& cmd : PourCommand::all) {
                                        const auto out = Pour(s, cmd);
                                        for (int i = 0; i < 3; ++i) {
                                            ASSERT_GE(out.after.amount[i], 0);
                                            ASSERT_LE(out.after.amount[i], s.capacity[i]);
                                        }
                                        ASSERT_EQ(out.after.amount[cmd.third()], s.amount[cmd.third()]);
                                        const bool ordinary = out.pourCase == PourCase::SourceEmptied ||
                                                              out.pourCase == PourCase::DestinationFilled;
                                        if (ordinary) {
                                            ASSERT_EQ(out.after.amount[0] + out.after.amount[1] +
                                                          out.after.amount[2],
                                                      s.amount[0] + s.amount[1] + s.amount[2]);
                                        }
                                        if (unlimited) {
                                            ASSERT_EQ(out.after.amount[VesselA], 99);
                                        }
                                        ASSERT_EQ(out.after.amount[cmd.source],
                                                  s.amount[cmd.source] -
                                                      (cmd.source == VesselA && unlimited ? 0 : out.poured));
                                    }
                                }
                            }
                        }
                    }
                }
                if (unlimited) {
                    break;
                }
            }
        }
    }
}

TEST(TaskDefinition, DefaultsOfTheRecord) {
    const TaskDefinition task;
    for (const Vessel& v : task.vessels) {
        EXPECT_EQ(v.capacity, 99);
        EXPECT_EQ(v.initialAmount, 99);
        EXPECT_EQ(v.targetAmount, 99);
        EXPECT_EQ(v.height, 185);
        EXPECT_EQ(v.fillColor, 12451514u);
        EXPECT_EQ(v.emptyColor, 15132390u);
    }
    EXPECT_EQ(redOf(task.vessels[0].fillColor), 186);
    EXPECT_EQ(greenOf(task.vessels[0].fillColor), 254);
    EXPECT_EQ(blueOf(task.vessels[0].fillColor), 189);
    EXPECT_EQ(rgb(186, 254, 189), kDefaultFillColor);
    EXPECT_FALSE(task.unlimitedSource);
    EXPECT_TRUE(task.pourBackAllowed);
    EXPECT_FALSE(task.solutionControl);
    EXPECT_EQ(task.statementLines, std::vector<std::string>{"Формулировка задания ....."});
    EXPECT_EQ(task.commonTitle, "Общее название столбиков");
    EXPECT_EQ(task.columnTitles[2], "Название столбика 3");
}
