#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/Error.h"
#include "core/ExecutorTask.h"

namespace trimerka {

// Readable failures for whole vessels.
void PrintTo(const ExecutorVessel& v, std::ostream* out) {
    *out << "{capacity " << v.capacity << ", amount " << v.amount << ", height " << v.height << ", colours "
         << (v.fillColor ? std::to_string(*v.fillColor) : "none") << "/"
         << (v.emptyColor ? std::to_string(*v.emptyColor) : "none") << ", caption \"" << v.caption
         << "\", target \"" << v.targetText << "\"}";
}

namespace {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// The classic 8/5/3 task as a save writes it, with distinct bar heights so a mix-up of keys shows.
const KeyValues kClassic = {
    {"ksz", "1"},           {"zs0", "Отмерьте 4 литра"},
    {"zs1", "за 7 шагов."}, {"ns", "Сосуды"},
    {"ns1", "А"},           {"ns2", "Б"},
    {"ns3", "В"},           {"krres", "1"},
    {"sac1", "BAFEBD"},     {"sac2", "E6E6E6"},
    {"saef", "0"},          {"sasl", "1"},
    {"sah", "185"},         {"saem", "8"},
    {"saet", "8"},          {"saer", "4"},
    {"sbc1", "0000FF"},     {"sbc2", "00FF00"},
    {"sbh", "120"},         {"sbem", "5"},
    {"sbet", "0"},          {"sber", "4"},
    {"svc1", "112233"},     {"svc2", "445566"},
    {"svh", "80"},          {"svem", "3"},
    {"svet", "0"},          {"sver", "0"},
};

// One change to the classic file: a new value for a key, or the key removed (no value).
struct Edit {
    std::string key;
    std::optional<std::string> value;
};

std::string fileText(const std::vector<Edit>& edits) {
    KeyValues pairs = kClassic;
    for (const Edit& edit : edits) {
        std::erase_if(pairs, [&](const auto& p) { return p.first == edit.key; });
        if (edit.value) {
            pairs.emplace_back(edit.key, *edit.value);
        }
    }
    std::string text = "[trimerka]\n";
    for (const auto& [key, value] : pairs) {
        text += key + "=" + value + "\n";
    }
    return text;
}

class TaskFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        std::replace(name.begin(), name.end(), '/', '_');
        folder_ = std::filesystem::temp_directory_path() / ("trimerka_executor_" + name);
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path write(const std::string& bytes) {
        const auto path = folder_ / "task.tmk";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::filesystem::path folder_;
};

struct FailingFile {
    const char* name;
    std::vector<Edit> edits;
    const char* message;
};

class MalformedFile : public TaskFolder, public ::testing::WithParamInterface<FailingFile> {};

TEST_P(MalformedFile, StopsWithTheMessageOfTheFirstBadKey) {
    const auto path = write(fileText(GetParam().edits));
    try {
        ReadExecutorTask(path);
        FAIL() << "the file was accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Executor, MalformedFile,
    ::testing::Values(
        FailingFile{"MissingKsz", {{"ksz", std::nullopt}}, "'''' is not a valid integer value"},
        FailingFile{"KszNotANumber", {{"ksz", "two"}}, "''two'' is not a valid integer value"},
        FailingFile{"KrresYes", {{"krres", "yes"}}, "''yes'' is not a valid integer value"},
        FailingFile{"FillColourNotHex", {{"sac1", "GGGGGG"}}, "''$00GGGGGG'' is not a valid integer value"},
        FailingFile{
            "EmptyColourOfBNotHex", {{"sbc2", "12345Z"}}, "''$005Z3412'' is not a valid integer value"},
        FailingFile{"MissingSasl", {{"sasl", std::nullopt}}, "'''' is not a valid integer value"},
        FailingFile{"MissingSasl_UnlimitedA",
                    {{"saef", "1"}, {"sasl", std::nullopt}},
                    "'''' is not a valid integer value"},
        FailingFile{"CapacityOfANotANumber", {{"saem", "8.5"}}, "''8.5'' is not a valid integer value"},
        FailingFile{"NegativeCapacityOfA", {{"saem", "-5"}}, "Value must be between 1 and 2147483647"},
        FailingFile{"NegativeCapacityOfV", {{"svem", "-1"}}, "Value must be between 1 and 2147483647"},
        FailingFile{"MissingHeightOfB", {{"sbh", std::nullopt}}, "'''' is not a valid integer value"},
        FailingFile{
            "AmountOfVTooLarge", {{"svet", "99999999999"}}, "''99999999999'' is not a valid integer value"},
        FailingFile{"SaefTwoReadsABarLikeALimitedVessel",
                    {{"saef", "2"}, {"sah", "high"}},
                    "''high'' is not a valid integer value"},
        // The first failing key in reading order wins, wherever the keys stand in the file.
        FailingFile{
            "KrresBeforeColours", {{"sac1", "GGGGGG"}, {"krres", "x"}}, "''x'' is not a valid integer value"},
        FailingFile{
            "SaslBeforeCapacityOfA", {{"saem", "-3"}, {"sasl", "no"}}, "''no'' is not a valid integer value"},
        FailingFile{"CapacityBeforeAmount",
                    {{"sbet", "q"}, {"sbem", "-2"}},
                    "Value must be between 1 and 2147483647"},
        FailingFile{
            "AmountBeforeHeight", {{"sbh", "h"}, {"sbet", "a"}}, "''a'' is not a valid integer value"},
        // A value is file text: quoted safe, so it can neither steer a terminal nor flood the report.
        FailingFile{"EscapeSequenceInAValueShownSafely",
                    {{"krres", "\x1B[2J\x1B]0;x\x07"
                               "1\xE2\x80\xAE"}},
                    "''\\x1B[2J\\x1B]0;x\\x07"
                    "1\\u202E'' is not a valid integer value"},
        FailingFile{
            "LongValueCutWithAnEllipsis",
            {{"sbh", "ababababababababababababababababababababababababababababababababababab"}},
            "''abababababababababababababababababababababababababababababa…'' is not a valid integer value"}),
    [](const auto& info) { return std::string(info.param.name); });

struct AcceptedFile {
    const char* name;
    std::vector<Edit> edits;
    std::function<void(const ExecutorTask&)> check;
};

class AcceptedTaskFile : public TaskFolder, public ::testing::WithParamInterface<AcceptedFile> {};

TEST_P(AcceptedTaskFile, IsInterpretedAsTheWindowShowsIt) {
    GetParam().check(ReadExecutorTask(write(fileText(GetParam().edits))));
}

INSTANTIATE_TEST_SUITE_P(
    Executor, AcceptedTaskFile,
    ::testing::Values(
        AcceptedFile{"KszMinusOneGivesEmptyStatement",
                     {{"ksz", "-1"}},
                     [](const ExecutorTask& t) { EXPECT_EQ(t.statement, ""); }},
        AcceptedFile{"KszZeroReadsOneLine",
                     {{"ksz", "0"}},
                     [](const ExecutorTask& t) { EXPECT_EQ(t.statement, " Отмерьте 4 литра"); }},
        AcceptedFile{
            "MissingLineKeysAddOnlyTheirBlanks",
            {{"ksz", "3"}},
            [](const ExecutorTask& t) { EXPECT_EQ(t.statement, " Отмерьте 4 литра за 7 шагов.  "); }},
        AcceptedFile{
            "TitlesJoinCommonAndOwn",
            {{"ns2", ""}},
            [](const ExecutorTask& t) {
                EXPECT_EQ(t.columnTitles, (std::array<std::string, 3>{"Сосуды|А", "Сосуды|", "Сосуды|В"}));
            }},
        AcceptedFile{
            "LimitedAKeepsItsFileValues",
            {{"sasl", "1"}},
            [](const ExecutorTask& t) {
                EXPECT_EQ(t.vessels[VesselA], (ExecutorVessel{8, 8, 185, 12451514, 15132390, "8/8", "4"}));
                EXPECT_EQ(t.unlimitedSource, 0);
                EXPECT_FALSE(t.unlimitedArrowShown());
                EXPECT_FALSE(t.pourBackArrowShown());
            }},
        AcceptedFile{"UnlimitedAWithPourBack",
                     {{"saef", "1"}, {"sasl", "1"}, {"saem", "bad"}, {"saet", ""}, {"sah", "-"}},
                     [](const ExecutorTask& t) {
                         EXPECT_EQ(t.vessels[VesselA],
                                   (ExecutorVessel{99, 99, 185, 12451514, 15132390, "99/99", "99"}));
                         EXPECT_EQ(t.unlimitedSource, 1);
                         EXPECT_EQ(t.pourBackAllowed, 1);
                         EXPECT_TRUE(t.unlimitedArrowShown());
                         EXPECT_TRUE(t.pourBackArrowShown());
                     }},
        AcceptedFile{"UnlimitedAWithoutPourBack",
                     {{"saef", "1"}, {"sasl", "0"}},
                     [](const ExecutorTask& t) {
                         EXPECT_EQ(t.pourBackAllowed, 0);
                         EXPECT_TRUE(t.unlimitedArrowShown());
                         EXPECT_FALSE(t.pourBackArrowShown());
                     }},
        AcceptedFile{"SaefTwoCountsAsLimited",
                     {{"saef", "2"}, {"saem", "7"}, {"saet", "6"}},
                     [](const ExecutorTask& t) {
                         EXPECT_EQ(t.unlimitedSource, 0);
                         EXPECT_EQ(t.vessels[VesselA].capacity, 7);
                         EXPECT_EQ(t.vessels[VesselA].caption, "6/7");
                         EXPECT_FALSE(t.unlimitedArrowShown());
                     }},
        AcceptedFile{"AmountAboveCapacityFillsTheBarButCaptionKeepsTheFileTexts",
                     {{"sbet", "15"}, {"sbem", "12"}},
                     [](const ExecutorTask& t) {
                         EXPECT_EQ(t.vessels[VesselB].capacity, 12);
                         EXPECT_EQ(t.vessels[VesselB].amount, 12);
                         EXPECT_EQ(t.vessels[VesselB].caption, "15/12");
                     }},
        AcceptedFile{"LeadingZeroStaysInCaptionAndTarget",
                     {{"sbet", "05"}, {"sbem", "12"}, {"sber", "07"}},
                     [](const ExecutorTask& t) {
                         EXPECT_EQ(t.vessels[VesselB].amount, 5);
                         EXPECT_EQ(t.vessels[VesselB].caption, "05/12");
                         EXPECT_EQ(t.vessels[VesselB].targetText, "07");
                     }},
        AcceptedFile{"NegativeAmountEmptiesTheBar",
                     {{"svet", "-4"}},
                     [](const ExecutorTask& t) {
                         EXPECT_EQ(t.vessels[VesselV].amount, 0);
                         EXPECT_EQ(t.vessels[VesselV].caption, "-4/3");
                     }},
        AcceptedFile{"CapacityZeroIsAccepted",
                     {{"svem", "0"}, {"svet", "2"}},
                     [](const ExecutorTask& t) {
                         EXPECT_EQ(t.vessels[VesselV].capacity, 0);
                         EXPECT_EQ(t.vessels[VesselV].amount, 0);
                     }},
        AcceptedFile{"ColoursRedGreenBlue",
                     {},
                     [](const ExecutorTask& t) {
                         EXPECT_EQ(t.vessels[VesselA].fillColor, std::optional<Color>(12451514));
                         EXPECT_EQ(t.vessels[VesselB].fillColor, std::optional<Color>(rgb(0, 0, 255)));
                         EXPECT_EQ(t.vessels[VesselB].emptyColor, std::optional<Color>(rgb(0, 255, 0)));
                         EXPECT_EQ(t.vessels[VesselV].fillColor, std::optional<Color>(rgb(0x11, 0x22, 0x33)));
                     }},
        AcceptedFile{"ShortColourTextKeepsTheResetColour",
                     {{"sbc1", "BAF"}, {"svc2", std::nullopt}},
                     [](const ExecutorTask& t) {
                         EXPECT_EQ(t.vessels[VesselB].fillColor, std::nullopt);
                         EXPECT_EQ(t.vessels[VesselB].emptyColor, std::optional<Color>(rgb(0, 255, 0)));
                         EXPECT_EQ(t.vessels[VesselV].emptyColor, std::nullopt);
                     }},
        AcceptedFile{"FlagsKeepTheLow16Bits",
                     {{"krres", "65537"}, {"sasl", "65536"}, {"saef", "1"}},
                     [](const ExecutorTask& t) {
                         EXPECT_EQ(t.solutionControl, 1);
                         EXPECT_EQ(t.pourBackAllowed, 0);
                         EXPECT_FALSE(t.pourBackArrowShown());
                     }},
        AcceptedFile{"PourBackOtherThanZeroAllows",
                     {{"sasl", "2"}, {"saef", "1"}},
                     [](const ExecutorTask& t) {
                         EXPECT_EQ(t.pourBackAllowed, 2);
                         EXPECT_TRUE(t.pourBackArrowShown());
                     }},
        AcceptedFile{"KrresZeroSwitchesControlOff",
                     {{"krres", "0"}},
                     [](const ExecutorTask& t) { EXPECT_EQ(t.solutionControl, 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExecutorTaskKeys, AreReadInTheWindowsOrderAndOnlyThose) {
    struct Row {
        const char* name;
        const char* saef;
        std::vector<std::string> keys;
    };
    const std::vector<std::string> head = {"ksz", "zs0", "zs1", "krres", "ns",   "ns1",  "ns",
                                           "ns2", "ns",  "ns3", "sac1",  "sac2", "sasl", "saef"};
    const std::vector<std::string> tail = {"sbc1", "sbc2", "sbem", "sbet", "sbh", "sber",
                                           "svc1", "svc2", "svem", "svet", "svh", "sver"};
    const Row rows[] = {
        {"Limited", "0", {"saem", "saet", "sah", "saer"}},
        {"Unlimited", "1", {}},
        {"NeitherZeroNorOne", "yes", {"saem", "saet", "sah", "saer"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> read;
        const TaskValueSource source = [&](const std::string& key) {
            read.push_back(key);
            if (key == "saef") {
                return std::string(row.saef);
            }
            for (const auto& [k, v] : kClassic) {
                if (k == key) {
                    return v;
                }
            }
            return std::string();
        };
        ReadExecutorTask(source);
        std::vector<std::string> expected = head;
        expected.insert(expected.end(), row.keys.begin(), row.keys.end());
        expected.insert(expected.end(), tail.begin(), tail.end());
        EXPECT_EQ(read, expected);
    }
}

TEST(ExecutorTaskKeys, HugeKszReadsAtMostAThousandLines) {
    int lineReads = 0;
    const TaskValueSource source = [&](const std::string& key) -> std::string {
        if (key == "ksz") {
            return "2147483647";
        }
        if (key.rfind("zs", 0) == 0) {
            ++lineReads;
            return "x";
        }
        return "";
    };
    EXPECT_THROW(ReadExecutorTask(source), Error); // stops later at krres, which is empty
    EXPECT_EQ(lineReads, 1000);
}

// A key written twice in the task's section, or once more in a later section of the same name, keeps the
// value it has where it first stands, as every other reader of task files has it.
TEST_F(TaskFolder, RepeatedKeyKeepsItsFirstValue) {
    struct Row {
        const char* name;
        std::string text;
    };
    const std::string classic = fileText({});
    const Row rows[] = {
        {"same line again", classic + "saem=12\n"},
        {"other letter case", classic + "SAEM=12\n"},
        {"blanks around the name", classic + " saem =12\n"},
        {"later section of the same name", classic + "[other]\nsaem=11\n[TriMerka]\nsaem=12\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ExecutorTask task = ReadExecutorTask(write(row.text));
        EXPECT_EQ(task.vessels[VesselA].capacity, 8);
        EXPECT_EQ(task.vessels[VesselA].caption, "8/8");
    }
}

TEST(ExecutorTaskFile, MissingFileStopsAtKsz) {
    try {
        ReadExecutorTask(std::filesystem::path("/nonexistent/folder/task.tmk"));
        FAIL() << "a missing file was accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'''' is not a valid integer value");
    }
}

TEST(ExecutorTaskFile, Windows1251FileReadsCyrillicStatementAndTitles) {
    const ExecutorTask task =
        ReadExecutorTask(std::filesystem::path(TRIMERKA_SOURCE_DIR) / "tests/data/task_cp1251.tmk");
    EXPECT_EQ(task.statement, " Отмерьте 4 литра, пользуясь сосудами в 8, 5 и 3 литра.");
    EXPECT_EQ(task.columnTitles, (std::array<std::string, 3>{"Сосуды|А", "Сосуды|Б", "Сосуды|В"}));
    EXPECT_EQ(task.vessels[VesselB].caption, "0/5");
    EXPECT_EQ(task.targetTexts(), (std::array<std::string, 3>{"4", "4", "0"}));
}

} // namespace
} // namespace trimerka
