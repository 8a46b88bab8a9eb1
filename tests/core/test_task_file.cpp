#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#endif

#include "core/Error.h"
#include "core/TaskFile.h"
#include "support/NamedRows.h"

namespace trimerka {
namespace {

using rows::PrintTo;

namespace fs = std::filesystem;

// The file a save of the default task writes, line by line.
const char* const kDefaultTaskFile = "[trimerka]\n"
                                     "ksz=0\n"
                                     "zs0=Формулировка задания .....\n"
                                     "ns=Общее название столбиков\n"
                                     "ns1=Название столбика 1\n"
                                     "ns2=Название столбика 2\n"
                                     "ns3=Название столбика 3\n"
                                     "krres=0\n"
                                     "sac1=BAFEBD\n"
                                     "sac2=E6E6E6\n"
                                     "saef=0\n"
                                     "sasl=1\n"
                                     "sah=185\n"
                                     "saem=99\n"
                                     "saet=99\n"
                                     "saer=99\n"
                                     "sbc1=BAFEBD\n"
                                     "sbc2=E6E6E6\n"
                                     "sbh=185\n"
                                     "sbem=99\n"
                                     "sbet=99\n"
                                     "sber=99\n"
                                     "svc1=BAFEBD\n"
                                     "svc2=E6E6E6\n"
                                     "svh=185\n"
                                     "svem=99\n"
                                     "svet=99\n"
                                     "sver=99\n";

std::string errorOf(const auto& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

// The result of a read, or the message of the error that stopped it.
std::string outcome(const auto& read) {
    std::string result;
    const std::string error = errorOf([&] { result = read(); });
    return error == "no error" ? result : error;
}

// A string literal with the NUL characters inside it.
template <std::size_t N> std::string withNuls(const char (&text)[N]) {
    return std::string(text, N - 1);
}

// A fresh folder per test, removed afterwards even when a test left it read-only.
class TaskFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("trimerka-task-file-" + std::to_string(seed()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        for (const auto& entry : fs::recursive_directory_iterator(folder_, ec)) {
            if (entry.is_directory(ec)) {
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
            }
        }
        fs::remove_all(folder_, ec);
    }

    fs::path path(const std::string& name) const { return folder_ / name; }

    fs::path put(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }

    static std::string bytesOf(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::vector<std::string> folderListing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder_;
};

TEST_F(TaskFileTest, DefaultTaskWritesTheExampleFile) {
    WriteTaskFile(path("default.tmk"), TaskDefinition{});
    EXPECT_EQ(bytesOf(path("default.tmk")), kDefaultTaskFile);
}

TEST_F(TaskFileTest, EveryKeyReadsBackAsWritten) {
    TaskDefinition task;
    task.unlimitedSource = true; // vessel А's numbers and the pour-back flag are written all the same
    task.pourBackAllowed = false;
    task.solutionControl = true;
    task.statementLines = {"Налейте в сосуд Б", "ровно 4 литра."};
    task.commonTitle = "Сосуды";
    task.columnTitles = {"Ёмкость «А»", "Б", "В"};
    task.vessels[VesselA] = {7, 0, 3, 25, rgb(1, 2, 3), rgb(255, 254, 253)};
    task.vessels[VesselV] = {5, 5, 0, 100, rgb(0, 0, 0), rgb(16, 32, 48)};
    WriteTaskFile(path("task.tmk"), task);

    const TaskFileValues file(path("task.tmk"));
    for (const auto& [key, value] : TaskKeyValues(task)) {
        EXPECT_EQ(ReadTaskValue(path("task.tmk"), key), value) << key;
        EXPECT_EQ(file.value(key), value) << key;
    }
    EXPECT_EQ(ReadTaskValue(path("task.tmk"), "saem"), "7");
    EXPECT_EQ(ReadTaskValue(path("task.tmk"), "sasl"), "0");
    EXPECT_EQ(ReadTaskValue(path("task.tmk"), "sac2"), "FFFEFD");
}

struct StatementCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::string> linesInFile; // "key=value" lines of the statement, in order
    std::string loaded;
};

class StatementRoundTrip : public TaskFileTest, public testing::WithParamInterface<StatementCase> {};

TEST_P(StatementRoundTrip, WritesLineKeysAndLoadsOneParagraph) {
    const StatementCase& c = GetParam();
    TaskDefinition task;
    task.statementLines = c.lines;
    WriteTaskFile(path("s.tmk"), task);

    std::string expectedStart = "[trimerka]\n";
    for (const std::string& line : c.linesInFile) {
        expectedStart += line + "\n";
    }
    expectedStart += "ns=";
    EXPECT_EQ(bytesOf(path("s.tmk")).substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(ReadStatement(path("s.tmk")), c.loaded);
}

INSTANTIATE_TEST_SUITE_P(
    Statements, StatementRoundTrip,
    testing::Values(StatementCase{"TwoLines", {"abc", "def"}, {"ksz=1", "zs0=abc", "zs1=def"}, " abc def"},
                    StatementCase{"Empty", {}, {"ksz=-1"}, ""},
                    StatementCase{
                        "EmptyLineInside", {"a", "", "b"}, {"ksz=2", "zs0=a", "zs1=", "zs2=b"}, " a  b"},
                    StatementCase{"Cyrillic", {"Тримерка"}, {"ksz=0", "zs0=Тримерка"}, " Тримерка"},
                    StatementCase{"LineWithLeadingBlankKeepsIt", {" x"}, {"ksz=0", "zs0=\" x\""}, "  x"}),
    [](const auto& info) { return std::string(info.param.name); });

struct StatementFileCase {
    const char* name;
    std::string file;
    std::string statement; // or the error message
};

class StatementFromFile : public TaskFileTest, public testing::WithParamInterface<StatementFileCase> {};

TEST_P(StatementFromFile, RebuildsOrStopsAtKsz) {
    const fs::path file = put("f.tmk", GetParam().file);
    EXPECT_EQ(outcome([&] { return ReadStatement(file); }), GetParam().statement);
    EXPECT_EQ(outcome([&] { return TaskFileValues(file).statement(); }), GetParam().statement);
}

INSTANTIATE_TEST_SUITE_P(
    Statements, StatementFromFile,
    testing::Values(
        StatementFileCase{"MissingLineKeysAddTheirBlanks", "[trimerka]\nksz=2\nzs0=x\n", " x  "},
        StatementFileCase{"NegativeKszGivesEmptyStatement", "[trimerka]\nksz=-7\nzs0=x\n", ""},
        StatementFileCase{"KszWithLeadingBlanksAndSign", "[trimerka]\nksz=\" +0\"\nzs0=x\n", " x"},
        StatementFileCase{"HugeKszReadsAtMost1000Lines",
                          "[trimerka]\nksz=2000000000\nzs0=a\nzs999=z\nzs1000=never\n",
                          " a" + std::string(998, ' ') + " z"},
        StatementFileCase{"MissingKszStops", "[trimerka]\nzs0=x\n", "'''' is not a valid integer value"},
        StatementFileCase{"OnlySectionHeaderStops", "[trimerka]", "'''' is not a valid integer value"},
        StatementFileCase{"TextKszStops", "[trimerka]\nksz=two\n", "''two'' is not a valid integer value"},
        StatementFileCase{"KszOutOfRangeStops", "[trimerka]\nksz=99999999999\n",
                          "''99999999999'' is not a valid integer value"},
        StatementFileCase{"KszInOtherSectionStops", "[other]\nksz=0\n", "'''' is not a valid integer value"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TaskFileTest, UnreadableFilesReadAsEveryKeyMissing) {
    std::string big = "[trimerka]\nksz=0\nzs0=x\n";
    big.resize(kProfileMaxReadBytes + 1, ';');
    const std::vector<std::pair<const char*, fs::path>> files{
        {"missing", path("missing.tmk")},
        {"folder",
         [&] {
             fs::create_directory(path("folder.tmk"));
             return path("folder.tmk");
         }()},
        {"larger than 1 MiB", put("big.tmk", big)},
    };
    for (const auto& entry : files) {
        // A named reference, since clang 14 lets no lambda capture a structured binding.
        const fs::path& file = entry.second;
        EXPECT_EQ(ReadTaskValue(file, "ksz"), "") << entry.first;
        EXPECT_EQ(errorOf([&] { ReadStatement(file); }), "'''' is not a valid integer value") << entry.first;
    }
}

// Each of these returns at once with the value or error of the rules; a hang here ends in the test's timeout.
TEST_F(TaskFileTest, HostileFilesGiveTheirValueOrError) {
    std::mt19937 random(12345);
    std::string noise(5 * 1024 * 1024, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    const fs::path randomFile = put("random.tmk", noise);
    EXPECT_EQ(ReadTaskValue(randomFile, "ksz"), "");
    EXPECT_EQ(outcome([&] { return ReadStatement(randomFile); }), "'''' is not a valid integer value");

    // A NUL character ends a value, not the line or the file.
    const fs::path nulFile = put("nul.tmk", withNuls("[trimerka]\nksz=1\0 junk\nzs0=a\0b\n\0\0\nzs1=c\n"));
    EXPECT_EQ(outcome([&] { return ReadStatement(nulFile); }), " a c");

    // Just under the size limit, with a line key for every index the statement may reach and far beyond.
    std::string crowded = "[trimerka]\nksz=2000000000\n";
    for (int i = 0; crowded.size() < kProfileMaxReadBytes - 32; ++i) {
        crowded += StatementLineKey(i) + "=w\n";
    }
    const fs::path crowdedFile = put("crowded.tmk", crowded);
    std::string expected;
    for (int i = 0; i < kMaxStatementLines; ++i) {
        expected += " w";
    }
    EXPECT_EQ(outcome([&] { return ReadStatement(crowdedFile); }), expected);
}

struct EncodingCase {
    const char* name;
    std::string bytes;
};

class TaskFileEncoding : public TaskFileTest, public testing::WithParamInterface<EncodingCase> {};

std::string utf16LittleEndian(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST_P(TaskFileEncoding, ReadsTheSameValues) {
    const fs::path file = put("enc.tmk", GetParam().bytes);
    EXPECT_EQ(ReadTaskValue(file, "ns"), "Ёмкость");
    EXPECT_EQ(ReadTaskValue(file, "ns1"), "Задача");
    EXPECT_EQ(ReadStatement(file), " Задача №1");
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, TaskFileEncoding,
    testing::Values(
        EncodingCase{"Utf8", "[trimerka]\nksz=0\nzs0=Задача №1\nns=Ёмкость\nns1=Задача\n"},
        EncodingCase{"Utf8WithByteOrderMark",
                     "\xEF\xBB\xBF[trimerka]\r\nksz=0\r\nzs0=Задача №1\r\nns=Ёмкость\r\n"
                     "ns1=Задача\r\n"},
        EncodingCase{"Windows1251", "[trimerka]\r\nksz=0\r\nzs0=\xC7\xE0\xE4\xE0\xF7\xE0 \xB9"
                                    "1\r\n"
                                    "ns=\xA8\xEC\xEA\xEE\xF1\xF2\xFC\r\nns1=\xC7\xE0\xE4\xE0\xF7\xE0\r\n"},
        EncodingCase{
            "Utf16LittleEndian",
            utf16LittleEndian(u"[trimerka]\r\nksz=0\r\nzs0=Задача №1\r\nns=Ёмкость\r\nns1=Задача\r\n")}),
    [](const auto& info) { return std::string(info.param.name); });

struct ColorCase {
    const char* name;
    const char* text;
    std::optional<Color> color;
    const char* error;
};

class ColorText : public testing::TestWithParam<ColorCase> {};

TEST_P(ColorText, ReadsRedGreenBlue) {
    const ColorCase& c = GetParam();
    std::optional<Color> color;
    // Assigned only after the call returns: GCC 12 at -O2 leaves the optional engaged when the assignment's
    // own right-hand call throws inside the lambda.
    EXPECT_EQ(errorOf([&] {
                  const auto read = TextToColor(c.text);
                  color = read;
              }),
              c.error);
    EXPECT_EQ(color, c.color);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ColorText,
    testing::Values(ColorCase{"UpperCase", "BAFEBD", 12451514u, "no error"},
                    ColorCase{"LowerCase", "bafebd", 12451514u, "no error"},
                    ColorCase{"CharactersAfterSixthIgnored", "BAFEBD99", 12451514u, "no error"},
                    ColorCase{"Grey", "E6E6E6", 15132390u, "no error"},
                    ColorCase{"RedInLowestByte", "010203", rgb(1, 2, 3), "no error"},
                    ColorCase{"NotHexadecimal", "GGGGGG", std::nullopt,
                              "''$00GGGGGG'' is not a valid integer value"},
                    ColorCase{"MessageQuotesReorderedDigits", "12345Z", std::nullopt,
                              "''$005Z3412'' is not a valid integer value"},
                    ColorCase{"CyrillicCountsAsCharacters", "АБВГДЕ", std::nullopt,
                              "''$00ДЕВГАБ'' is not a valid integer value"},
                    ColorCase{"EmptyIsNoColour", "", std::nullopt, "no error"},
                    ColorCase{"ThreeCharactersIsNoColour", "ABC", std::nullopt, "no error"},
                    ColorCase{"FiveCharactersIsNoColour", "GGGGG", std::nullopt, "no error"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColorTextWriting, SixUpperCaseDigitsThatReadBack) {
    EXPECT_EQ(ColorToText(kDefaultFillColor), "BAFEBD");
    EXPECT_EQ(ColorToText(kDefaultEmptyColor), "E6E6E6");
    EXPECT_EQ(ColorToText(rgb(0, 10, 255)), "000AFF");
    for (Color c : {Color{0}, Color{0xFFFFFF}, rgb(18, 52, 86), kDefaultFillColor}) {
        EXPECT_EQ(TextToColor(ColorToText(c)), c);
    }
}

struct IntegerCase {
    const char* name;
    const char* text;
    std::optional<int> value; // none: the conversion error quoting the text
};

class IntegerText : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerText, ConvertsOrQuotesTheText) {
    const IntegerCase& c = GetParam();
    if (c.value) {
        EXPECT_EQ(TextToInt(c.text), *c.value);
    } else {
        EXPECT_EQ(errorOf([&] { TextToInt(c.text); }),
                  "''" + std::string(c.text) + "'' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Integers, IntegerText,
    testing::Values(
        IntegerCase{"Zero", "0", 0}, IntegerCase{"Positive", "99", 99}, IntegerCase{"Negative", "-1", -1},
        IntegerCase{"PlusSign", "+7", 7}, IntegerCase{"LeadingBlanks", "  12", 12},
        IntegerCase{"LeadingZeros", "007", 7}, IntegerCase{"Largest", "2147483647", 2147483647},
        IntegerCase{"Smallest", "-2147483648", -2147483647 - 1}, IntegerCase{"Empty", "", std::nullopt},
        IntegerCase{"OnlyBlank", " ", std::nullopt}, IntegerCase{"OnlySign", "-", std::nullopt},
        IntegerCase{"TrailingBlank", "12 ", std::nullopt}, IntegerCase{"Fraction", "1.5", std::nullopt},
        IntegerCase{"Word", "yes", std::nullopt}, IntegerCase{"TooLarge", "2147483648", std::nullopt},
        IntegerCase{"TooSmall", "-2147483649", std::nullopt},
        IntegerCase{"ManyDigits", "123456789012345678901234567890", std::nullopt},
        IntegerCase{"Hexadecimal", "$10", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TaskFileTest, SaveKeepsOtherSectionsAndDropsStaleKeys) {
    const fs::path file =
        put("other.tmk", "; made by hand\r\n[trimerka]\r\nksz=5\r\nzs5=old\r\nextra=1\r\n\r\n"
                         "[notes]\r\nauthor=\xC8\xE2\xE0\xED\r\n");
    WriteTaskFile(file, TaskDefinition{});
    EXPECT_EQ(bytesOf(file), std::string("; made by hand\n[notes]\nauthor=Иван\n\n") + kDefaultTaskFile);
    EXPECT_EQ(ReadTaskValue(file, "zs5"), "");
    EXPECT_EQ(ReadTaskValue(file, "extra"), "");

    const std::string first = bytesOf(file);
    WriteTaskFile(file, TaskDefinition{});
    EXPECT_EQ(bytesOf(file), first);
}

TEST_F(TaskFileTest, SaveWritesThroughSymbolicLinkAndKeepsPermissions) {
    const fs::path target = put("target.tmk", "[notes]\nk=v\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("target.tmk", path("link.tmk"));

    WriteTaskFile(path("link.tmk"), TaskDefinition{});

    EXPECT_TRUE(fs::is_symlink(path("link.tmk")));
    EXPECT_EQ(bytesOf(target), std::string("[notes]\nk=v\n\n") + kDefaultTaskFile);
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(folderListing(), (std::vector<std::string>{"link.tmk", "target.tmk"}));
}

#if defined(__unix__)
// Files may grow no larger than `bytes` while it lives, so a write fails halfway even for the superuser.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};
#endif

struct FailedSaveCase {
    const char* name;
    const char* file; // relative to the test folder
    // Prepares the failure; false when it cannot be arranged here (permissions do not bind the superuser).
    bool (*arrange)(const fs::path& folder);
    bool underFileSizeLimit;
};

const std::string kOldTask = "[trimerka]\r\nksz=0\r\nzs0=old\r\n";

class FailedSave : public TaskFileTest, public testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSave, RaisesWriteErrorAndLeavesTheFileAsItWas) {
    const FailedSaveCase& c = GetParam();
    const fs::path file = path(c.file);
    if (!c.arrange(folder_)) {
        GTEST_SKIP() << "permissions do not stop this user from writing";
    }
    const bool existed = fs::is_regular_file(file);
    const std::vector<std::string> before = folderListing();

    std::string error;
    if (c.underFileSizeLimit) {
#if defined(__unix__)
        const FileSizeLimit limit(64);
        error = errorOf([&] { WriteTaskFile(file, TaskDefinition{}); });
#else
        GTEST_SKIP() << "no file size limit here";
#endif
    } else {
        error = errorOf([&] { WriteTaskFile(file, TaskDefinition{}); });
    }

    EXPECT_EQ(error, "Unable to write to " + file.string());
    if (existed) {
        EXPECT_EQ(bytesOf(file), kOldTask);
    }
    EXPECT_EQ(folderListing(), before); // no temporary file left behind
}

bool canWrite(const fs::path& where) {
    const fs::path probe = where / "probe";
    const bool created = static_cast<bool>(std::ofstream(probe));
    fs::remove(probe);
    return created;
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedSave,
    testing::Values(
        FailedSaveCase{"WriteFailsHalfway", "task.tmk",
                       [](const fs::path& folder) {
                           std::ofstream(folder / "task.tmk", std::ios::binary) << kOldTask;
                           return true;
                       },
                       true},
        FailedSaveCase{"ReadOnlyFolder", "locked/task.tmk",
                       [](const fs::path& folder) {
                           fs::create_directory(folder / "locked");
                           std::ofstream(folder / "locked/task.tmk", std::ios::binary) << kOldTask;
                           fs::permissions(folder / "locked", fs::perms::owner_read | fs::perms::owner_exec);
                           return !canWrite(folder / "locked");
                       },
                       false},
        FailedSaveCase{"ReadOnlyFile", "readonly.tmk",
                       [](const fs::path& folder) {
                           std::ofstream(folder / "readonly.tmk", std::ios::binary) << kOldTask;
                           fs::permissions(folder / "readonly.tmk", fs::perms::owner_read);
                           return !std::ofstream(folder / "readonly.tmk", std::ios::app);
                       },
                       false},
        FailedSaveCase{"PathIsFolder", "folder.tmk",
                       [](const fs::path& folder) { return fs::create_directory(folder / "folder.tmk"); },
                       false},
        FailedSaveCase{"MissingFolder", "no/such/task.tmk", [](const fs::path&) { return true; }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TaskFileTest, ValuesAreCutAfter2047Characters) {
    TaskDefinition task;
    task.commonTitle = std::string(3000, 'w');
    WriteTaskFile(path("long.tmk"), task);
    EXPECT_EQ(ReadTaskValue(path("long.tmk"), "ns"), std::string(kProfileValueMaxChars, 'w'));
}

// Values that a plain "key=value" line would not give back, since the reader drops the blanks around a value
// and one pair of enclosing quotes, and values that need no protection and are written as they stand.
struct ProtectedValueCase {
    const char* name;
    std::string value;
    std::string line; // what follows "ns=" in the file
};

class ProtectedValue : public TaskFileTest, public testing::WithParamInterface<ProtectedValueCase> {};

TEST_P(ProtectedValue, ReadsBackAsWrittenForTitlesAndStatementLines) {
    const ProtectedValueCase& c = GetParam();
    TaskDefinition task;
    task.commonTitle = c.value;
    task.columnTitles[VesselB] = c.value;
    task.statementLines = {c.value, "между", c.value};
    WriteTaskFile(path("p.tmk"), task);

    const std::string bytes = bytesOf(path("p.tmk"));
    EXPECT_NE(bytes.find("\nns=" + c.line + "\n"), std::string::npos) << bytes;
    const TaskFileValues file(path("p.tmk"));
    for (const char* key : {"ns", "ns2", "zs0", "zs2"}) {
        EXPECT_EQ(ReadTaskValue(path("p.tmk"), key), c.value) << key;
        EXPECT_EQ(file.value(key), c.value) << key;
    }
    EXPECT_EQ(file.statement(), " " + c.value + " между " + c.value);
}

INSTANTIATE_TEST_SUITE_P(Values, ProtectedValue,
                         testing::Values(ProtectedValueCase{"BlanksAroundATitle", "  Кран  ", "\"  Кран  \""},
                                         ProtectedValueCase{"DoubleQuotedTitle", "\"quoted\"",
                                                            "\"\"quoted\"\""},
                                         ProtectedValueCase{"SingleQuotedTitle", "'a'", "\"'a'\""},
                                         ProtectedValueCase{"LeadingBlankOnly", " x", "\" x\""},
                                         ProtectedValueCase{"TrailingTab", "x\t", "\"x\t\""},
                                         ProtectedValueCase{"OnlyBlanks", "   ", "\"   \""},
                                         ProtectedValueCase{"PairOfQuotesAlone", "\"\"", "\"\"\"\""},
                                         ProtectedValueCase{"LoneQuoteAsItStands", "\"", "\""},
                                         ProtectedValueCase{"QuoteAtOneEndAsItStands", "\"x", "\"x"},
                                         ProtectedValueCase{"MismatchedQuotesAsTheyStand", "\"x'", "\"x'"},
                                         ProtectedValueCase{"BlanksInsideAsTheyStand", "a  b", "a  b"},
                                         ProtectedValueCase{"EmptyAsItStands", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// Any value of up to 2047 characters without line breaks survives a save and a read, as a title and as a
// statement line. The characters are drawn from those the reader treats specially.
TEST(TaskFileValues, AnyValueWithoutLineBreaksReadsBackAsWritten) {
    const std::vector<std::string> alphabet = {" ", "\t", "\"", "'", "=", ";", "[", "]", "a", "Я", "ё", "\\"};
    std::mt19937 random(20140512);
    for (int round = 0; round < 400; ++round) {
        const std::size_t length = round % 40 == 0
                                       ? kProfileValueMaxChars
                                       : std::uniform_int_distribution<std::size_t>(0, 12)(random);
        std::string value;
        for (std::size_t i = 0; i < length; ++i) {
            value += alphabet[random() % alphabet.size()];
        }
        TaskDefinition task;
        task.commonTitle = value;
        task.columnTitles[VesselA] = value;
        task.statementLines = {value, value};
        const std::string text = ComposeTaskFileText("", task);
        const TaskFileValues file(Profile::fromText(text));
        for (const char* key : {"ns", "ns1", "zs0", "zs1"}) {
            ASSERT_EQ(ReadProfileString(text, kTaskSection, key), value) << key << " of <" << value << ">";
            ASSERT_EQ(file.value(key), value) << key << " of <" << value << ">";
        }
    }
}

struct ExtensionCase {
    const char* name;
    const char* chosen;
    const char* path;
};

class TaskExtension : public testing::TestWithParam<ExtensionCase> {};

TEST_P(TaskExtension, IsAppendedUnlessTheNameEndsInItInAnyLetterCase) {
    const ExtensionCase& c = GetParam();
    EXPECT_EQ(WithTaskExtension(c.chosen), c.path);
    EXPECT_EQ(HasTaskExtension(c.chosen), std::string(c.chosen) == c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Names, TaskExtension,
    testing::Values(ExtensionCase{"NoExtension", "a", "a.tmk"}, ExtensionCase{"LowerCase", "a.tmk", "a.tmk"},
                    ExtensionCase{"UpperCase", "a.TMK", "a.TMK"},
                    ExtensionCase{"MixedCase", "a.Tmk", "a.Tmk"},
                    ExtensionCase{"OtherExtension", "a.txt", "a.txt.tmk"},
                    ExtensionCase{"ExtensionInsideTheName", "a.tmk.bak", "a.tmk.bak.tmk"},
                    ExtensionCase{"NoFullStop", "atmk", "atmk.tmk"},
                    ExtensionCase{"CyrillicFolderAndName", "/папка/Задание.TMK", "/папка/Задание.TMK"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaskKeys, NamesPerVessel) {
    EXPECT_EQ(VesselKey(VesselA, "c1"), "sac1");
    EXPECT_EQ(VesselKey(VesselB, "em"), "sbem");
    EXPECT_EQ(VesselKey(VesselV, "er"), "sver");
    EXPECT_EQ(ColumnTitleKey(VesselV), "ns3");
    EXPECT_EQ(StatementLineKey(999), "zs999");
}

} // namespace
} // namespace trimerka
