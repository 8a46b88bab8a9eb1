#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/Error.h"
#include "core/Program.h"
#include "core/ProgramFile.h"
#include "support/NamedRows.h"

namespace trimerka {
namespace {

using rows::PrintTo;

struct TextCase {
    const char* name;
    std::string bytes;
    std::string text; // empty with `refused`
    bool refused = false;
};

class ProgramFileTextTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(ProgramFileTextTable, DecodesTextAndRefusesWhatIsNot) {
    const TextCase& c = GetParam();
    if (c.refused) {
        try {
            (void)ProgramFileText(c.bytes, "прог.txt");
            FAIL() << "accepted";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Файл «прог.txt» — не текст. Программа для исполнителя — это обычный "
                                   "текстовый файл.");
        }
        return;
    }
    EXPECT_EQ(ProgramFileText(c.bytes, "прог.txt"), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramFiles, ProgramFileTextTable,
    ::testing::Values(TextCase{"Utf8LinesKeepTheirIndentation", "нц 2 раз\n  А - Б\nкц\n",
                               "нц 2 раз\n  А - Б\nкц"},
                      TextCase{"WindowsLineEndsBecomeLf", "А - Б\r\nБ - В\r\n", "А - Б\nБ - В"},
                      TextCase{"ByteOrderMarkDropped",
                               "\xEF\xBB\xBF"
                               "А - Б",
                               "А - Б"},
                      TextCase{"Windows1251", "\xC0 - \xC1\n", "А - Б"},
                      TextCase{"Utf16LittleEndianWithMark",
                               std::string("\xFF\xFE\x10\x04\x20\x00\x2D\x00\x20\x00\x11\x04", 12), "А - Б"},
                      TextCase{"TabsAndBlankLinesAreText", "\tА - Б\n\n| всё\n", "\tА - Б\n\n| всё"},
                      TextCase{"EmptyFileIsEmptyProgram", "", ""},
                      TextCase{"NulByteIsNotText", std::string("А - Б\0\x01\x02", 10), "", true},
                      TextCase{"Utf16WithoutMarkIsNotText", std::string("\x10\x04\x20\x00", 4), "", true},
                      TextCase{"EscapeCharacterIsNotText", "А - Б\x1B[2J", "", true}),
    [](const auto& info) { return std::string(info.param.name); });

class ProgramFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            std::filesystem::temp_directory_path() /
            ("trimerka-program-file-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string refusal(const std::filesystem::path& path) {
        try {
            (void)ReadProgramFile(path);
        } catch (const Error& e) {
            return e.what();
        }
        return "accepted";
    }

    std::filesystem::path folder;
};

TEST_F(ProgramFileOnDisk, ReadsAFileUpToTheLimitAndRefusesALargerOne) {
    const std::string line = "А - Б\n";
    std::string bytes;
    while (bytes.size() + line.size() <= kMaxProgramBytes) {
        bytes += line;
    }
    bytes.append(kMaxProgramBytes - bytes.size(), ' ');
    ASSERT_EQ(bytes.size(), kMaxProgramBytes);
    EXPECT_EQ(ReadProgramFile(write("limit.txt", bytes)).substr(0, 10), "А - Б\nА");
    EXPECT_EQ(refusal(write("larger.txt", bytes + "\n")),
              "Файл «larger.txt»: файл больше 1 МиБ — такой не читается.");
}

TEST_F(ProgramFileOnDisk, MissingFileOrFolderIsNotRead) {
    EXPECT_EQ(refusal(folder / "нет.txt"), "Файл «нет.txt»: нет такого файла.");
    std::filesystem::create_directories(folder / "папка.txt");
    EXPECT_EQ(refusal(folder / "папка.txt"), "Файл «папка.txt»: это папка, а не файл.");
}

} // namespace
} // namespace trimerka
