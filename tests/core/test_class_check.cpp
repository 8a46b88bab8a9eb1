#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/ClassCheck.h"
#include "core/Error.h"
#include "core/TextFile.h"
#include "support/NamedRows.h"
#include "support/TemporaryFolder.h"

namespace trimerka {
namespace {

using rows::PrintTo;
namespace fs = std::filesystem;

fs::path putFile(const fs::path& folder, const std::string& name, const std::string& bytes) {
    const fs::path path = folder / fs::path(std::u8string(name.begin(), name.end()));
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

class SolutionFolder : public testing::TemporaryFolder {
protected:
    SolutionFolder() : TemporaryFolder("trimerka-class-") {}

    fs::path put(const std::string& name, const std::string& bytes) { return putFile(folder_, name, bytes); }
    std::string causeOf(const fs::path& path, std::uintmax_t limit) {
        try {
            (void)ReadTextFile(path, limit);
        } catch (const Error& e) {
            return e.what();
        }
        return "read";
    }
};

// ---- Why a file cannot be read

struct CauseCase {
    const char* name;
    // Makes the file under the folder and gives its path.
    fs::path (*arrange)(const fs::path& folder);
    std::string cause;
};

class UnreadableCause : public SolutionFolder, public ::testing::WithParamInterface<CauseCase> {};

TEST_P(UnreadableCause, HasASentenceOfItsOwn) {
    const CauseCase& c = GetParam();
    EXPECT_EQ(causeOf(c.arrange(folder_), 1024), c.cause);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableCause,
    ::testing::Values(
        CauseCase{"Missing", [](const fs::path& f) { return f / "none.txt"; }, "нет такого файла"},
        CauseCase{"MissingFolderOnTheWay", [](const fs::path& f) { return f / "no" / "a.txt"; },
                  "нет такого файла"},
        CauseCase{"AFolder",
                  [](const fs::path& f) {
                      fs::create_directory(f / "dir.txt");
                      return f / "dir.txt";
                  },
                  "это папка, а не файл"},
        CauseCase{"ADevice", [](const fs::path&) { return fs::path("/dev/null"); },
                  "не текст: это устройство или канал"},
        CauseCase{"OverTheLimit",
                  [](const fs::path& f) { return putFile(f, "big.txt", std::string(1025, 'a')); },
                  "файл больше 1 КиБ — такой не читается"},
        CauseCase{"BinaryWithNulBytes",
                  [](const fs::path& f) { return putFile(f, "x.txt", std::string("\x89PNG\0\0\0\x0D", 8)); },
                  "не текст: в нём есть нулевые байты"},
        CauseCase{"ExactlyAtTheLimitIsRead",
                  [](const fs::path& f) { return putFile(f, "edge.txt", std::string(1024, 'a')); }, "read"},
        CauseCase{"Utf16WithItsMarkIsText",
                  [](const fs::path& f) {
                      return putFile(f, "u.txt",
                                     std::string("\xFF\xFE"
                                                 "A\0-\0B\0",
                                                 8));
                  },
                  "read"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolutionFolder, AFileWithoutPermissionIsSaidSo) {
    const fs::path locked = put("locked.txt", "А - Б\n");
    fs::permissions(locked, fs::perms::none);
    if (std::ifstream(locked).good()) {
        GTEST_SKIP() << "this user reads any file";
    }
    EXPECT_EQ(causeOf(locked, 1024), "нет права на чтение");
}

TEST(TextStream, StandardInputIsLimitedAndCheckedAlike) {
    std::istringstream big(std::string(2000, 'a'));
    EXPECT_THROW((void)ReadTextStream(big, 1999), Error);
    std::istringstream exact(std::string(2000, 'a'));
    EXPECT_EQ(ReadTextStream(exact, 2000).size(), 2000u);
    std::istringstream binary(std::string("a\0b", 3));
    EXPECT_THROW((void)ReadTextStream(binary, 100), Error);
}

TEST(SizeText, NamesTheLimitInItsLargestWholeUnit) {
    EXPECT_EQ(SizeText(16 * 1024 * 1024), "16 МиБ");
    EXPECT_EQ(SizeText(1024 * 1024), "1 МиБ");
    EXPECT_EQ(SizeText(1536), "1536 байт");
    EXPECT_EQ(SizeText(3072), "3 КиБ");
    EXPECT_EQ(SizeText(100), "100 байт");
}

// ---- A whole class against one task

// Vessels 8, 5, 3 holding 8, 0, 0; the targets 4, 4, 0.
ExecutorTask classicTask() {
    ExecutorTask task;
    const std::array<int, kVesselCount> capacity{8, 5, 3};
    const std::array<int, kVesselCount> amount{8, 0, 0};
    const std::array<std::string, kVesselCount> targets{"4", "4", "0"};
    for (int v = 0; v < kVesselCount; ++v) {
        task.vessels[v].capacity = capacity[v];
        task.vessels[v].amount = amount[v];
        task.vessels[v].targetText = targets[v];
    }
    task.solutionControl = 1;
    return task;
}

const std::string kShortest = "А - Б\nБ - В\nВ - А\nБ - В\nА - Б\nБ - В\nВ - А\n";

// Cells of RFC 4180 CSV text, read back as a spreadsheet reads them.
std::vector<std::vector<std::string>> readCsv(std::string_view text) {
    std::vector<std::vector<std::string>> rows(1);
    std::string cell;
    bool inQuotes = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                inQuotes = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            inQuotes = true;
        } else if (c == ',') {
            rows.back().push_back(cell);
            cell.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.back().push_back(cell);
            cell.clear();
            rows.emplace_back();
            ++i;
        } else {
            cell += c;
        }
    }
    rows.pop_back(); // after the last CR LF
    return rows;
}

TEST_F(SolutionFolder, AFolderGivesARowPerFileAndTheCsvReadsBackTheSame) {
    put("01 Иванов.txt", kShortest);
    put("02 Петров.TXT", "В - Б\n" + kShortest);
    put("03 Сидоров.txt", "А - Б\nБ - В\n");
    put("04 пустой.txt", "");
    put("05 картинка.txt", std::string("\x89PNG\0\0", 6));
    put("06 \x1B[2K, \"хитрый\".txt", "А - Г\n");
    put("=HYPERLINK(1).txt", kShortest);
    put("notes.md", "not a solution");
    fs::create_directory(folder_ / "sub");

    std::vector<SolutionFileCheck> checks;
    for (const ClassFile& file : ClassSolutionFiles({folder_})) {
        checks.push_back(CheckSolutionFile(classicTask(), file.path, file.name));
    }
    const std::vector<std::vector<std::string>> expected{
        {"Файл", "Итог", "Шагов", "Кратчайшее", "Первая ошибка"},
        {"01 Иванов.txt", "решено", "7", "7", ""},
        {"02 Петров.TXT", "решено", "8", "7", ""},
        {"03 Сидоров.txt", "не решено", "2", "7",
         "Строка 2: после последней команды (шаг 2) в сосудах А, Б, В — 3, 2, 3, а нужно 4, 4, 0; задание не "
         "решено."},
        {"04 пустой.txt", "не решено", "0", "7", "В решении нет ни одной команды."},
        {"05 картинка.txt", "не читается", "—", "7", "не текст: в нём есть нулевые байты"},
        {"06 \\x1B[2K, \"хитрый\".txt", "не решено", "0", "7",
         "Строка 1: «А - Г» — не команда исполнителя; ожидается команда вида «А - Б», одна из шести: А - Б, "
         "А - В, Б - …"},
        {"=HYPERLINK(1).txt", "решено", "7", "7", ""},
    };
    const auto table = ClassTable(checks, "7");
    EXPECT_EQ(table, expected);
    EXPECT_EQ(ClassSummary(checks), "3 решено, 3 не решено, 1 не читается");

    const std::string csv = CsvText(table);
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
    auto readBack = readCsv(std::string_view(csv).substr(3));
    // The one change: a cell a spreadsheet would run as a formula is kept as text.
    EXPECT_EQ(readBack[7][0], "'=HYPERLINK(1).txt");
    readBack[7][0] = expected[7][0];
    EXPECT_EQ(readBack, expected);
}

TEST_F(SolutionFolder, FilesGivenOneByOneKeepTheirOrderAndAMissingOneIsUnreadable) {
    const fs::path b = put("b.txt", kShortest);
    const fs::path a = put("a.txt", kShortest);
    const auto files = ClassSolutionFiles({b, folder_ / "missing.txt", a});
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].path, b);
    const std::u8string given = b.u8string();
    EXPECT_EQ(files[0].name, std::string(given.begin(), given.end()));
    const SolutionFileCheck missing = CheckSolutionFile(classicTask(), files[1].path, files[1].name);
    EXPECT_EQ(missing.verdict, SolutionVerdict::Unreadable);
    EXPECT_EQ(missing.cause, "нет такого файла");
}

TEST_F(SolutionFolder, AFolderWithoutSolutionsIsRefused) {
    put("readme.md", "");
    try {
        (void)ClassSolutionFiles({folder_});
        FAIL() << "a folder without .txt files was taken";
    } catch (const Error& e) {
        const std::u8string folder = folder_.u8string();
        EXPECT_EQ(std::string(e.what()),
                  "«" + std::string(folder.begin(), folder.end()) + "»: в папке нет файлов .txt.");
    }
}

} // namespace
} // namespace trimerka
