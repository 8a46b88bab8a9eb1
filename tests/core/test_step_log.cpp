#include <gtest/gtest.h>

#include "core/StepLog.h"

using namespace trimerka;

namespace {

// The step on a plain list: the step log is a vector of rows, the captions and the panel are plain texts.
class ListHost : public StepHost {
public:
    ListHost(VesselState s, std::array<std::string, 3> initialCaptions)
        : state(s), captions(initialCaptions) {}

    VesselState state;
    std::array<std::string, 3> captions;
    StepLog log;
    std::string panel = "- - -";
    bool executeEnabled = true;
    bool buttonsReleased = false;
    std::vector<int> completedShown;
    std::vector<std::string> calls;

    std::string panelText() const override { return panel; }
    void setPanelText(const std::string& text) override {
        calls.push_back("panel");
        panel = text;
    }
    void disableExecute() override {
        calls.push_back("disable");
        executeEnabled = false;
    }
    int appendRow() override {
        calls.push_back("append");
        log.emplace_back();
        return static_cast<int>(log.size()) - 1;
    }
    void setCell(int row, int column, const std::string& text) override {
        calls.push_back("cell" + std::to_string(column));
        log.at(row).cells.at(column) = text;
    }
    VesselState vesselState() const override { return state; }
    void setAmount(int vessel, int amount) override {
        calls.push_back("amount");
        state.amount[vessel] = amount;
    }
    void setCaption(int vessel, const std::string& caption) override {
        calls.push_back("caption");
        captions[vessel] = caption;
    }
    void releaseVesselButtons() override {
        calls.push_back("release");
        buttonsReleased = true;
    }
    int stepCount() const override { return static_cast<int>(log.size()); }
    void showCompleted(int count) override {
        calls.push_back("completed");
        completedShown.push_back(count);
    }
};

struct StepExpectation {
    const char* command;
    std::array<const char*, 3> cells;
    std::array<const char*, 3> captions;
};

struct Session {
    const char* name;
    VesselState start;
    std::array<std::string, 3> initialCaptions;
    std::array<std::string, 3> targets;
    std::vector<StepExpectation> steps;
    int completedAfter; // the step (1-based) after which the task-completed window opens, 0 for never
};

const Session kSessions[] = {
    {"classic_8_5_3",
     {{8, 0, 0}, {8, 5, 3}, 0, 1},
     {"8/8", "0/5", "0/3"},
     {"4", "4", "0"},
     {
         {"А - Б", {"3 ( 8 - 5 )", "5 ( 0 + 5 )", "0"}, {"3 / 8", "5 / 5", "0/3"}},
         {"Б - В", {"3", "2 ( 5 - 3 )", "3 ( 0 + 3 )"}, {"3 / 8", "2 / 5", "3 / 3"}},
         {"В - А", {"6 ( 3 + 3 )", "2", "0 ( 3 - 3 )"}, {"6 / 8", "2 / 5", "0 / 3"}},
         {"Б - В", {"6", "0 ( 2 - 2 )", "2 ( 0 + 2 )"}, {"6 / 8", "0 / 5", "2 / 3"}},
         {"А - Б", {"1 ( 6 - 5 )", "5 ( 0 + 5 )", "2"}, {"1 / 8", "5 / 5", "2 / 3"}},
         {"Б - В", {"1", "4 ( 5 - 1 )", "3 ( 2 + 1 )"}, {"1 / 8", "4 / 5", "3 / 3"}},
         {"В - А", {"4 ( 1 + 3 )", "4", "0 ( 3 - 3 )"}, {"4 / 8", "4 / 5", "0 / 3"}},
     },
     7},
    {"unlimited_with_pour_back",
     {{99, 0, 0}, {99, 5, 3}, 1, 1},
     {"99/99", "0/5", "0/3"},
     {"99", "4", "3"},
     {
         {"А - Б", {"99 ( 99 - 5 )", "5 ( 0 + 5 )", "0"}, {"99 / 99", "5 / 5", "0/3"}},
         {"Б - В", {"99", "2 ( 5 - 3 )", "3 ( 0 + 3 )"}, {"99 / 99", "2 / 5", "3 / 3"}},
         {"В - А", {"99 ( 99 + 3 )", "2", "0 ( 3 - 3 )"}, {"99 / 99", "2 / 5", "0 / 3"}},
         {"Б - В", {"99", "0 ( 2 - 2 )", "2 ( 0 + 2 )"}, {"99 / 99", "0 / 5", "2 / 3"}},
         {"А - Б", {"99 ( 99 - 5 )", "5 ( 0 + 5 )", "2"}, {"99 / 99", "5 / 5", "2 / 3"}},
         {"Б - В", {"99", "4 ( 5 - 1 )", "3 ( 2 + 1 )"}, {"99 / 99", "4 / 5", "3 / 3"}},
     },
     6},
    {"unlimited_without_pour_back",
     {{99, 0, 0}, {99, 5, 3}, 1, 0},
     {"99/99", "0/5", "0/3"},
     {"99", "4", "3"},
     {
         {"А - Б", {"99 ( 99 - 5 )", "5 ( 0 + 5 )", "0"}, {"99 / 99", "5 / 5", "0/3"}},
         {"Б - В", {"99", "2 ( 5 - 3 )", "3 ( 0 + 3 )"}, {"99 / 99", "2 / 5", "3 / 3"}},
         {"В - А", {"99 ( 99 + 0 )", "2", "3 ( 3 - 0 )"}, {"99 / 99", "2 / 5", "3 / 3"}},
         {"Б - А", {"99 ( 99 + 0 )", "2 ( 2 - 0 )", "3"}, {"99 / 99", "2 / 5", "3 / 3"}},
     },
     0},
    {"no_control_never_completes",
     {{8, 0, 0}, {8, 5, 3}, 0, 1},
     {"8/8", "0/5", "0/3"},
     {"3", "5", "0"},
     {
         {"А - Б", {"3 ( 8 - 5 )", "5 ( 0 + 5 )", "0"}, {"3 / 8", "5 / 5", "0/3"}},
     },
     0},
};

class StepSession : public ::testing::TestWithParam<Session> {};

} // namespace

TEST_P(StepSession, RowsCaptionsAndCompletion) {
    const Session& session = GetParam();
    ListHost host(session.start, session.initialCaptions);
    const std::uint16_t control = std::string(session.name) == "no_control_never_completes" ? 0 : 1;
    for (std::size_t i = 0; i < session.steps.size(); ++i) {
        const StepExpectation& step = session.steps[i];
        SCOPED_TRACE("step " + std::to_string(i + 1));
        host.panel = step.command;
        host.executeEnabled = true;
        host.buttonsReleased = false;
        ExecuteStep(host, session.targets, control);
        ASSERT_EQ(host.log.size(), i + 1);
        const StepRow& row = host.log.back();
        EXPECT_EQ(row.cells[0], step.command);
        for (int v = 0; v < 3; ++v) {
            EXPECT_EQ(row.cells[v + 1], step.cells[v]) << "vessel " << v;
            EXPECT_EQ(host.captions[v], step.captions[v]) << "caption " << v;
        }
        EXPECT_EQ(host.panel, "- - -");
        EXPECT_FALSE(host.executeEnabled);
        EXPECT_TRUE(host.buttonsReleased);
        const bool completes = session.completedAfter == static_cast<int>(i + 1);
        ASSERT_EQ(host.completedShown.size(), completes ? 1u : 0u);
        if (completes) {
            EXPECT_EQ(host.completedShown.front(), session.completedAfter);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sessions, StepSession, ::testing::ValuesIn(kSessions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExecuteStep, RunsItsStepsInOrder) {
    ListHost host({{8, 0, 0}, {8, 5, 3}, 0, 1}, {"8/8", "0/5", "0/3"});
    host.panel = "А - Б";
    ExecuteStep(host, {"3", "5", "0"}, 1);
    const std::vector<std::string> expected{"disable", "append", "cell0",    "cell1",   "cell2",
                                            "cell3",   "amount", "amount",   "caption", "caption",
                                            "release", "panel",  "completed"};
    EXPECT_EQ(host.calls, expected);
}

TEST(ExecuteStep, KeepsTargetsReachedAndCountsAgain) {
    // Already on the targets: a step that moves nothing still counts and announces again with a larger count.
    ListHost host({{4, 4, 0}, {8, 5, 3}, 0, 1}, {"4/8", "4/5", "0/3"});
    for (int i = 0; i < 2; ++i) {
        host.panel = "В - А";
        ExecuteStep(host, {"4", "4", "0"}, 1);
    }
    EXPECT_EQ(host.log[0].cells, (std::array<std::string, 4>{"В - А", "4 ( 4 + 0 )", "4", "0 ( 0 - 0 )"}));
    EXPECT_EQ(host.completedShown, (std::vector<int>{1, 2}));
}

TEST(ExecuteStep, IgnoresAPanelWithoutCommand) {
    ListHost host({{8, 0, 0}, {8, 5, 3}, 0, 1}, {"8/8", "0/5", "0/3"});
    host.panel = "А - -";
    ExecuteStep(host, {"4", "4", "0"}, 1);
    EXPECT_TRUE(host.calls.empty());
}

TEST(CompletionReached, ComparesTextsVesselByVessel) {
    struct Row {
        const char* name;
        std::array<int, 3> amounts;
        std::array<std::string, 3> targets;
        std::uint16_t control;
        bool expected;
    };
    const Row rows[] = {
        {"equal", {4, 4, 0}, {"4", "4", "0"}, 1, true},
        {"leading_zero_never_equal", {7, 0, 0}, {"07", "0", "0"}, 1, false},
        {"each_vessel_its_own_target", {11, 0, 0}, {"1", "10", "0"}, 1, false},
        {"control_off", {4, 4, 0}, {"4", "4", "0"}, 0, false},
        {"control_other_than_one", {4, 4, 0}, {"4", "4", "0"}, 2, false},
        {"unlimited_a_matches_99", {99, 4, 3}, {"99", "4", "3"}, 1, true},
        {"plus_sign_never_equal", {4, 4, 0}, {"+4", "4", "0"}, 1, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CompletionReached(row.amounts, row.targets, row.control), row.expected) << row.name;
    }
}

TEST(CapacityCaption, AmountSpacedSlashCapacity) {
    EXPECT_EQ(CapacityCaption(3, 8), "3 / 8");
    EXPECT_EQ(CapacityCaption(0, 99), "0 / 99");
}
