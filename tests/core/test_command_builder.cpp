#include <gtest/gtest.h>

#include "core/CommandBuilder.h"

using namespace trimerka;

namespace {

struct Click {
    int vessel;
    bool press; // the button's state after the pupil's click flipped it
};

struct BuilderRow {
    const char* name;
    std::vector<Click> clicks;
    const char* panel;
    bool executeEnabled;
    std::array<bool, 3> pressed;
};

const BuilderRow kRows[] = {
    {"press_a", {{VesselA, true}}, "А - -", false, {true, false, false}},
    {"press_a_then_b", {{VesselA, true}, {VesselB, true}}, "А - Б", true, {true, true, false}},
    {"press_b_then_a", {{VesselB, true}, {VesselA, true}}, "Б - А", true, {true, true, false}},
    {"third_press_refused",
     {{VesselA, true}, {VesselB, true}, {VesselV, true}},
     "А - Б",
     true,
     {true, true, false}},
    {"release_source",
     {{VesselA, true}, {VesselB, true}, {VesselA, false}},
     "- - Б",
     false,
     {false, true, false}},
    {"release_source_then_press_v",
     {{VesselA, true}, {VesselB, true}, {VesselA, false}, {VesselV, true}},
     "В - Б",
     true,
     {false, true, true}},
    {"release_destination",
     {{VesselA, true}, {VesselB, true}, {VesselB, false}},
     "А - -",
     false,
     {true, false, false}},
    {"release_destination_then_press_v",
     {{VesselA, true}, {VesselB, true}, {VesselB, false}, {VesselV, true}},
     "А - В",
     true,
     {true, false, true}},
    {"press_and_release", {{VesselA, true}, {VesselA, false}}, "- - -", false, {false, false, false}},
    {"destination_only_release",
     {{VesselA, true}, {VesselB, true}, {VesselA, false}, {VesselB, false}},
     "- - -",
     false,
     {false, false, false}},
};

class BuilderTable : public ::testing::TestWithParam<BuilderRow> {};

} // namespace

TEST_P(BuilderTable, PanelButtonsAndExecute) {
    const BuilderRow& row = GetParam();
    CommandBuilderState state;
    for (const Click& click : row.clicks) {
        ToggleVessel(state, click.vessel, click.press);
    }
    EXPECT_EQ(state.panel, row.panel);
    EXPECT_EQ(state.executeEnabled, row.executeEnabled);
    EXPECT_EQ(state.pressed, row.pressed);
}

INSTANTIATE_TEST_SUITE_P(Transitions, BuilderTable, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });
