#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "core/Profile.h"
#include "core/TextCodec.h"
#include "support/NamedRows.h"

namespace trimerka {
namespace {

using rows::PrintTo;

struct ReadCase {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    std::string expected;
};

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, GivesTheValueAReaderExpects) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ReadProfileString(c.text, c.section, c.key), c.expected);
    EXPECT_EQ(Profile::fromText(c.text).read(c.section, c.key), c.expected);

    // The index of a task file reader is built from keysOf: its first match must be the same value.
    const auto keys = Profile::fromText(c.text).keysOf(c.section);
    const auto first = std::find_if(keys.begin(), keys.end(), [&](const auto& entry) {
        return LowerCaseName(entry.first) == LowerCaseName(c.key);
    });
    EXPECT_EQ(first == keys.end() ? std::string() : first->second, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileRead,
    testing::Values(ReadCase{"Plain", "[trimerka]\nksz=0\n", "trimerka", "ksz", "0"},
                    ReadCase{"NamesIgnoreLetterCase", "[TriMerka]\nKSZ=4\n", "trimerka", "ksz", "4"},
                    ReadCase{"BlanksAroundNamesIgnored", " [ trimerka ] \n \tksz \t= 5\n", "trimerka", "ksz",
                             "5"},
                    ReadCase{"ValueLosesBlanksAndTabs", "[t]\nk= \t a b \t \n", "t", "k", "a b"},
                    ReadCase{"LeadingBlankOfStatementLineDropped", "[t]\nzs0= Текст\n", "t", "zs0", "Текст"},
                    ReadCase{"DoubleQuotesStripped", "[t]\nk=\" a \"\n", "t", "k", " a "},
                    ReadCase{"SingleQuotesStripped", "[t]\nk='a'\n", "t", "k", "a"},
                    ReadCase{"OnlyOnePairOfQuotesStripped", "[t]\nk=\"\"a\"\"\n", "t", "k", "\"a\""},
                    ReadCase{"MismatchedQuotesKept", "[t]\nk=\"a'\n", "t", "k", "\"a'"},
                    ReadCase{"LoneQuoteKept", "[t]\nk=\"\n", "t", "k", "\""},
                    ReadCase{"EqualsInsideValueKept", "[t]\nk=a=b\n", "t", "k", "a=b"},
                    ReadCase{"EmptyValue", "[t]\nk=\nk=late\n", "t", "k", ""},
                    ReadCase{"CommentLineSkipped", "[t]\n;k=1\n  ;k=2\nk=3\n", "t", "k", "3"},
                    ReadCase{"LineWithoutEqualsIgnored", "[t]\nk\nk=6\n", "t", "k", "6"},
                    ReadCase{"FirstOfRepeatedKeysWins", "[t]\nk=first\nk=second\n", "t", "k", "first"},
                    ReadCase{"CrLfLineEnds", "[t]\r\nk=v\r\nm=w\r\n", "t", "k", "v"},
                    ReadCase{"EveryCarriageReturnBeforeLineEndDropped", "[t]\r\r\nk=v\r\r\n", "t", "k", "v"},
                    ReadCase{"LastLineWithoutLineEnd", "[t]\nk=v", "t", "k", "v"},
                    ReadCase{"KeyOfAnotherSectionNotRead", "[other]\nk=1\n[t]\nm=2\n", "t", "k", ""},
                    ReadCase{"KeyAfterSectionEndsNotRead", "[t]\nm=2\n[other]\nk=1\n", "t", "k", ""},
                    ReadCase{"KeyBeforeAnySectionNotRead", "k=1\n[t]\n", "t", "k", ""},
                    ReadCase{"SecondSectionOfSameNameSearched", "[t]\nm=1\n[x]\n[t]\nk=2\n", "t", "k", "2"},
                    ReadCase{"HeaderWithoutBracketIsNoHeader", "[t]\n[other\nk=7\n", "t", "k", "7"},
                    ReadCase{"MissingSection", "[other]\nk=1\n", "t", "k", ""},
                    ReadCase{"MissingKey", "[t]\nm=1\n", "t", "k", ""},
                    ReadCase{"EmptyText", "", "t", "k", ""},
                    ReadCase{"ValueEndsAtNulCharacter", std::string("[t]\nk=ab\0cd\n", 12), "t", "k", "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileReadLength, CutsLongValuesAfter2047Characters) {
    const std::string cyrillic = [] {
        std::string text;
        for (int i = 0; i < 3000; ++i) {
            text += "я";
        }
        return text;
    }();
    const std::string value = Profile::fromText("[t]\nk=" + cyrillic + "\n").read("t", "k");
    EXPECT_EQ(value, cyrillic.substr(0, 2 * kProfileValueMaxChars)); // two bytes per character, none split

    const std::string exact(kProfileValueMaxChars, 'x');
    EXPECT_EQ(ReadProfileString("[t]\nk=" + exact + "\n", "t", "k"), exact);
    EXPECT_EQ(ReadProfileString("[t]\nk=" + exact + "yz\n", "t", "k"), exact);
}

struct WriteCase {
    const char* name;
    std::string before;
    const char* key;
    const char* value;
    std::string after;
};

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyItsKey) {
    const WriteCase& c = GetParam();
    Profile profile = Profile::fromText(c.before);
    profile.write("t", c.key, c.value);
    EXPECT_EQ(profile.text(), c.after);

    // A reader then finds the written value, line breaks turned into blanks.
    std::string expected = c.value;
    std::replace(expected.begin(), expected.end(), '\r', ' ');
    std::replace(expected.begin(), expected.end(), '\n', ' ');
    EXPECT_EQ(Profile::fromText(profile.text()).read("t", c.key), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileWrite,
    testing::Values(
        WriteCase{"IntoEmptyFile", "", "k", "v", "[t]\nk=v\n"},
        WriteCase{"ReplacesInPlace", ";note\n[t]\na=1\nk=old\nb=2\n", "k", "new",
                  ";note\n[t]\na=1\nk=new\nb=2\n"},
        WriteCase{"ReplacesKeyOfOtherCaseKeepingItsName", "[T]\nKey = old\n", "key", "new", "[T]\nKey=new\n"},
        WriteCase{"ReplacesOnlyTheFirstOfRepeatedKeys", "[t]\nk=1\nk=2\n", "k", "3", "[t]\nk=3\nk=2\n"},
        WriteCase{"AppendsAtEndOfSectionBeforeBlankLines", "[t]\na=1\n\n[u]\nb=2\n", "k", "v",
                  "[t]\na=1\nk=v\n\n[u]\nb=2\n"},
        WriteCase{"AppendsIntoEmptySection", "[t]\n[u]\n", "k", "v", "[t]\nk=v\n[u]\n"},
        WriteCase{"AppendsMissingSectionAtEnd", "[u]\nb=2\n", "k", "v", "[u]\nb=2\n\n[t]\nk=v\n"},
        // A repeated section is searched as readers search it: the key is replaced where it first stands,
        // and a missing key goes into the first section of the name, where readers look first.
        WriteCase{"ReplacesKeyInALaterSectionOfTheSameName", "[t]\na=1\n[u]\nk=u\n[T]\nk=old\n", "k", "new",
                  "[t]\na=1\n[u]\nk=u\n[T]\nk=new\n"},
        WriteCase{"ReplacesOnlyInTheFirstOfRepeatedSections", "[t]\nk=1\n[t]\nk=2\n", "k", "3",
                  "[t]\nk=3\n[t]\nk=2\n"},
        WriteCase{"AppendsMissingKeyToTheFirstOfRepeatedSections", "[t]\na=1\n\n[t]\nb=2\n", "k", "v",
                  "[t]\na=1\nk=v\n\n[t]\nb=2\n"},
        WriteCase{"KeepsUnknownLinesAndComments", "[t]\nnoise\n;c\n", "k", "v", "[t]\nnoise\n;c\nk=v\n"},
        WriteCase{"LineBreaksInValueBecomeBlanks", "", "k", "a\r\nb\n[x]", "[t]\nk=a  b [x]\n"},
        WriteCase{"BlanksAroundValueKeptWithinQuotes", "[t]\nk=old\n", "k", " v ", "[t]\nk=\" v \"\n"},
        WriteCase{"LineBreakThatEndsValueKeptAsBlankWithinQuotes", "", "k", "v\n", "[t]\nk=\"v \"\n"},
        WriteCase{"QuotedValueKeepsItsQuotesWithinQuotes", "", "k", "'v'", "[t]\nk=\"'v'\"\n"},
        WriteCase{"NormalisesCrLfToLf", "[u]\r\nb=2\r\n", "k", "v", "[u]\nb=2\n\n[t]\nk=v\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct EraseCase {
    const char* name;
    std::string before;
    std::string after;
};

class ProfileErase : public testing::TestWithParam<EraseCase> {};

TEST_P(ProfileErase, RemovesTheWholeSection) {
    Profile profile = Profile::fromText(GetParam().before);
    profile.eraseSection("t");
    EXPECT_EQ(profile.text(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileErase,
    testing::Values(EraseCase{"MiddleSection", ";top\n[a]\nx=1\n\n[T]\nk=1\n;c\n\n[b]\ny=2\n",
                              ";top\n[a]\nx=1\n\n[b]\ny=2\n"},
                    EraseCase{"EveryRepeatedSection", "[t]\nk=1\n[a]\nx=1\n[ t ]\nk=2\n", "[a]\nx=1\n"},
                    EraseCase{"MissingSectionChangesNothing", "[a]\nx=1\n", "[a]\nx=1\n"},
                    EraseCase{"OnlySection", "[t]\nk=1\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string text;
};

class FileTextDecoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(FileTextDecoding, GivesUtf8) {
    EXPECT_EQ(codec::decodeFileText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, FileTextDecoding,
    testing::Values(
        DecodeCase{"Utf8", "ns=Жёлтый", "ns=Жёлтый"},
        DecodeCase{"Utf8ByteOrderMarkDropped", "\xEF\xBB\xBFns=Ж", "ns=Ж"},
        DecodeCase{"Utf16LittleEndian", std::string("\xFF\xFEn\0=\0\x16\x04\r\0\n\0", 12), "n=Ж\r\n"},
        DecodeCase{"Utf16BigEndian", std::string("\xFE\xFF\0n\0=\x04\x16", 8), "n=Ж"},
        DecodeCase{"Utf16SurrogatePair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"},
        DecodeCase{"Utf16LoneSurrogate", std::string("\xFF\xFE\x3D\xD8x\0", 6), "\xEF\xBF\xBDx"},
        DecodeCase{"Utf16OddLastByte", std::string("\xFF\xFEx\0y", 5), "x\xEF\xBF\xBD"},
        DecodeCase{"Windows1251Cyrillic", "\xD4\xEE\xF0\xEC\xF3\xEB\xE8\xF0\xEE\xE2\xEA\xE0", "Формулировка"},
        DecodeCase{"Windows1251YoAndSigns", "\xA8\xB8\xB9\x88\xAB\xBB\x96", "Ёё№€«»–"},
        DecodeCase{"Windows1251UkrainianAndSerbian", "\xAA\xBA\xAF\xBF\xB2\xB3\xA5\xB4\x80\x90",
                   "ЄєЇїІіҐґЂђ"},
        DecodeCase{"OverlongUtf8ReadAs1251", "\xC0\xAF", "АЇ"},
        DecodeCase{"OverlongThreeByteUtf8ReadAs1251", "\xE0\x80\xAF", "аЂЇ"},
        DecodeCase{"OverlongThreeByteUtf8AtTheLimitReadAs1251", "\xE0\x9F\xBF", "аџї"},
        DecodeCase{"ShortestThreeByteUtf8Kept", "\xE0\xA0\x80", "\xE0\xA0\x80"},
        DecodeCase{"OverlongFourByteUtf8ReadAs1251", "\xF0\x8F\xBF\xBF", "рЏїї"},
        DecodeCase{"BeyondUnicodeReadAs1251", "\xF4\x90\x80\x80", "фђЂЂ"},
        DecodeCase{"EncodedSurrogateReadAs1251", "\xED\xA0\x80", "н\xC2\xA0Ђ"},
        DecodeCase{"TruncatedSequenceReadAs1251", "ab\xD0", "abР"},
        DecodeCase{"InvalidAfterByteOrderMarkReadAs1251", "\xEF\xBB\xBF\xC0", "А"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileTextDecodingTable, EveryHighByteGivesOneCharacter) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string text = codec::windows1251ToUtf8(std::string(1, static_cast<char>(b)));
        EXPECT_TRUE(codec::isValidUtf8(text)) << b;
        EXPECT_TRUE(text.size() == 2 || text.size() == 3) << b;
    }
    // Letters А..я occupy 0xC0..0xFF in alphabetical order.
    EXPECT_EQ(codec::windows1251ToUtf8("\xC0\xDF\xE0\xFF"), "АЯая");
}

} // namespace
} // namespace trimerka
