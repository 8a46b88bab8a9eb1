#include <gtest/gtest.h>

#include "core/ScreenReaderText.h"
#include "support/NamedRows.h"

using namespace trimerka;

namespace {

using rows::PrintTo;

struct LitresRow {
    const char* name;
    int amount;
    const char* text;
};

const LitresRow kLitresRows[] = {
    {"zero", 0, "0 литров"},
    {"one", 1, "1 литр"},
    {"two", 2, "2 литра"},
    {"four", 4, "4 литра"},
    {"five", 5, "5 литров"},
    {"eleven", 11, "11 литров"},
    {"twelve", 12, "12 литров"},
    {"fourteen", 14, "14 литров"},
    {"twenty_one", 21, "21 литр"},
    {"twenty_two", 22, "22 литра"},
    {"ninety_nine", 99, "99 литров"},
    {"hundred_eleven", 111, "111 литров"},
    {"hundred_one", 101, "101 литр"},
    {"hundred_twelve", 112, "112 литров"},
};

class LitresTable : public ::testing::TestWithParam<LitresRow> {};

TEST_P(LitresTable, NounAgreesWithTheNumber) {
    EXPECT_EQ(LitresText(GetParam().amount), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Amounts, LitresTable, ::testing::ValuesIn(kLitresRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct PanelRow {
    const char* name;
    const char* panel;
    const char* spoken;
};

const PanelRow kPanelRows[] = {
    {"empty", "- - -", "Команда не составлена"},
    {"source_only", "А - -", "Команда: из сосуда А"},
    {"destination_only", "- - Б", "Команда: в сосуд Б"},
    {"complete", "В - А", "Команда: В - А"},
};

class PanelTable : public ::testing::TestWithParam<PanelRow> {};

TEST_P(PanelTable, SaysWhatTheCommandHolds) {
    EXPECT_EQ(CommandSpokenName(GetParam().panel), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(Panels, PanelTable, ::testing::ValuesIn(kPanelRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenReaderText, NamesVesselsColoursAndTheCompletedTask) {
    EXPECT_EQ(VesselSpokenName(VesselA, 3, 8), "Сосуд А: 3 литра из 8");
    EXPECT_EQ(VesselSpokenName(VesselB, 5, 5), "Сосуд Б: 5 литров из 5");
    EXPECT_EQ(VesselSpokenName(VesselV, 1, 3), "Сосуд В: 1 литр из 3");
    EXPECT_EQ(ColorSpokenName(VesselA, true, kDefaultFillColor), "Цвет жидкости сосуда А: #BAFEBD");
    EXPECT_EQ(ColorSpokenName(VesselV, false, kDefaultEmptyColor), "Цвет пустой части сосуда В: #E6E6E6");
    EXPECT_EQ(CompletedSpokenText(7), "Задание выполнено. Количество шагов: 7");
}

} // namespace
