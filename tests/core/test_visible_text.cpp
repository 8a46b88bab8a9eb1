#include <gtest/gtest.h>

#include <string>

#include "core/VisibleText.h"

namespace trimerka {
namespace {

std::string repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

struct VisibleCase {
    const char* name;
    std::string text;
    std::string shown;
};

class VisibleTextOf : public ::testing::TestWithParam<VisibleCase> {};

TEST_P(VisibleTextOf, ShowsControlsAsEscapesAndCutsLongText) {
    EXPECT_EQ(VisibleText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, VisibleTextOf,
    ::testing::Values(VisibleCase{"PlainCyrillic", "нц 3 раз", "нц 3 раз"},
                      VisibleCase{"TabsAndLineBreaks", "А\tБ\r\n", "А\\tБ\\r\\n"},
                      VisibleCase{"TerminalEscape", "\x1B[2J\x7F", "\\x1B[2J\\x7F"},
                      VisibleCase{"NulByte", std::string("a\0b", 3), "a\\x00b"},
                      VisibleCase{"SecondBlockOfControls", "a\xC2\x85z", "a\\u0085z"},
                      VisibleCase{"NotUtf8", "\xFF\xD0", "\\xFF\\xD0"},
                      VisibleCase{"SixtyCharactersKept", repeated("x", 60), repeated("x", 60)},
                      VisibleCase{"ControlsCountAsOneCharacter", repeated("x", 30) + repeated("\x01", 40),
                                  repeated("x", 30) + repeated("\\x01", 30) + "…"},
                      VisibleCase{"CyrillicCountedByCharacters", repeated("ж", 61), repeated("ж", 60) + "…"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuotedText, PutsTheVisibleTextInGuillemets) {
    EXPECT_EQ(QuotedText("Г - А\t"), "«Г - А\\t»");
}

} // namespace
} // namespace trimerka
