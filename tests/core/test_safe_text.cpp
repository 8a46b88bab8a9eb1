#include <gtest/gtest.h>

#include <string>

#include "core/SafeText.h"
#include "core/Utf8.h"
#include "support/NamedRows.h"

namespace trimerka {
namespace {

using rows::PrintTo;

struct SafeCase {
    const char* name;
    std::string text;
    std::string shown;
};

class SafeTextTable : public ::testing::TestWithParam<SafeCase> {};

TEST_P(SafeTextTable, ShowsControlsAsEscapesAndCutsLongText) {
    const SafeCase& c = GetParam();
    EXPECT_EQ(SafeText(c.text), c.shown);
}

const std::string k60(60, 'x');

std::string repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SafeTextTable,
    ::testing::Values(
        SafeCase{"PlainAsciiUntouched", "''yes'' 12 $00GGGGGG", "''yes'' 12 $00GGGGGG"},
        SafeCase{"CyrillicUntouched", "Отмерьте 4 литра: сосуды А, Б, В — ёмкость",
                 "Отмерьте 4 литра: сосуды А, Б, В — ёмкость"},
        SafeCase{"TabKept", "А - Б\t3", "А - Б\t3"}, SafeCase{"EmptyStaysEmpty", "", ""},
        SafeCase{"NulAndLineBreaks", std::string("a\0b\nc\rd", 7), "a\\x00b\\x0Ac\\x0Dd"},
        SafeCase{"EscapeSequenceLosesItsEsc", "\x1B[2K\x1B]0;title\x07", "\\x1B[2K\\x1B]0;title\\x07"},
        SafeCase{"Delete", "a\x7F", "a\\x7F"},
        SafeCase{"C1ControlsAndCsi",
                 "\xC2\x85\xC2\x9B"
                 "31m",
                 "\\u0085\\u009B31m"},
        SafeCase{"BidiOverridesAndIsolates",
                 "\xE2\x80\xAE"
                 "cba\xE2\x80\xAC\xE2\x81\xA6x\xE2\x81\xA9",
                 "\\u202Ecba\\u202C\\u2066x\\u2069"},
        SafeCase{"DirectionMarksAndLineSeparators", "\xE2\x80\x8F\xD8\x9C\xE2\x80\xA8\xE2\x80\xA9",
                 "\\u200F\\u061C\\u2028\\u2029"},
        SafeCase{"InvalidUtf8BytesOneByOne", "\xC0\xAF\xFF\xED\xA0\x80 ok",
                 "\\xC0\\xAF\\xFF\\xED\\xA0\\x80 ok"},
        SafeCase{"CutOffSequenceAtTheEnd", "Б\xD0", "Б\\xD0"}, SafeCase{"ExactlySixtyKept", k60, k60},
        SafeCase{"SixtyOneCutWithEllipsis", k60 + "y", std::string(59, 'x') + "…"},
        SafeCase{"LongCyrillicCountedInCharacters", std::string(40, 'a') + repeated("Я", 25),
                 std::string(40, 'a') + repeated("Я", 19) + "…"},
        SafeCase{"AnEscapeIsNeverParted", std::string(57, 'x') + "\x1B" + "zz", std::string(57, 'x') + "…"}),
    [](const auto& info) { return std::string(info.param.name); });

// However long, and whatever bytes, the result is short and holds no control character.
TEST(SafeText, ASixteenMebibyteLineOfControlsGivesAShortSafeText) {
    std::string text;
    for (int i = 0; i < (16 << 20) / 4; ++i) {
        text += "\x1B[A";
        text += static_cast<char>(0x80 + i % 64);
    }
    const std::string shown = SafeText(text);
    EXPECT_LE(utf8::length(shown), kSafeTextMaxCharacters);
    EXPECT_EQ(shown.find('\x1B'), std::string::npos);
    EXPECT_EQ(SafeText(shown, std::string::npos), shown) << "the safe text is safe as it is";
}

TEST(SafeText, WithoutALimitNothingIsCut) {
    const std::string statement(5000, 'z');
    EXPECT_EQ(SafeText(statement, std::string::npos), statement);
}

TEST(QuotedText, PutsTheSafeTextInGuillemets) {
    EXPECT_EQ(QuotedText("Г - А\x1B"), "«Г - А\\x1B»");
}

} // namespace
} // namespace trimerka
