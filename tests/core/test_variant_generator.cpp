#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/Error.h"
#include "core/ExecutorTask.h"
#include "core/Solver.h"
#include "core/TaskFile.h"
#include "core/Utf8.h"
#include "core/VariantFiles.h"
#include "support/NamedRows.h"
#include "support/TemporaryFolder.h"

namespace trimerka {
namespace {

using rows::PrintTo;
namespace fs = std::filesystem;
using Amounts = std::array<int, kVesselCount>;

VariantLimits limited(int steps, int maxCapacity) {
    return {steps, maxCapacity, false, true};
}

VariantLimits unlimited(int steps, int maxCapacity, bool pourBack) {
    return {steps, maxCapacity, true, pourBack};
}

fs::path utf8Path(const std::string& name) {
    return fs::path(std::u8string(name.begin(), name.end()));
}

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every entry under a folder with its bytes ("/" for a folder): what "left untouched" compares.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    if (!fs::exists(folder)) {
        return entries;
    }
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::u8string name = fs::relative(entry.path(), folder).u8string();
        entries[std::string(name.begin(), name.end())] =
            entry.is_directory() ? std::string("/") : bytesOf(entry.path());
    }
    return entries;
}

class VariantFolder : public testing::TemporaryFolder {
protected:
    VariantFolder() : TemporaryFolder("trimerka-variants-") {}
};

// ---- The texts and heights of one variant

struct StatementCase {
    const char* name;
    Amounts capacity, start, target;
    VariantLimits limits;
    std::vector<std::string> lines;
};

class VariantStatementTable : public ::testing::TestWithParam<StatementCase> {};

TEST_P(VariantStatementTable, TellsCapacitiesStartAndTargetInLinesOfTheExamplesWidth) {
    const StatementCase& c = GetParam();
    const auto lines = VariantStatement(c.capacity, c.start, c.target, c.limits);
    EXPECT_EQ(lines, c.lines);
    for (const std::string& line : lines) {
        EXPECT_LE(utf8::length(line), 55u) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Variants, VariantStatementTable,
    ::testing::Values(StatementCase{"ClassicEightFiveThree",
                                    {8, 5, 3},
                                    {8, 0, 0},
                                    {4, 4, 0},
                                    limited(7, 20),
                                    {"Сосуд А вмещает 8 литров, сосуд Б — 5 литров,",
                                     "сосуд В — 3 литра. Сосуд А полон воды, сосуды Б и В",
                                     "пусты. Нужно получить: в сосуде А — 4 литра,",
                                     "в сосуде Б — 4 литра, в сосуде В — пусто."}},
                      StatementCase{"TwoFullAndOneLitre",
                                    {1, 21, 2},
                                    {1, 21, 0},
                                    {0, 21, 1},
                                    limited(3, 30),
                                    {"Сосуд А вмещает 1 литр, сосуд Б — 21 литр,",
                                     "сосуд В — 2 литра. Сосуды А и Б полны воды, сосуд В",
                                     "пуст. Нужно получить: в сосуде А — пусто,",
                                     "в сосуде Б — 21 литр, в сосуде В — 1 литр."}},
                      StatementCase{"UnlimitedWithPourBack",
                                    {99, 5, 3},
                                    {99, 0, 0},
                                    {99, 4, 3},
                                    unlimited(6, 20, true),
                                    {"Сосуд А — бесконечный источник воды, сливать воду",
                                     "обратно в него можно. Сосуд Б вмещает 5 литров,",
                                     "сосуд В — 3 литра. Сосуды Б и В пусты. Нужно получить:",
                                     "в сосуде Б — 4 литра, в сосуде В — 3 литра."}},
                      StatementCase{"UnlimitedWithoutPourBack",
                                    {99, 5, 3},
                                    {99, 5, 0},
                                    {99, 5, 1},
                                    unlimited(4, 20, false),
                                    {"Сосуд А — бесконечный источник воды, но сливать воду",
                                     "обратно в него нельзя. Сосуд Б вмещает 5 литров,",
                                     "сосуд В — 3 литра. Сосуд Б полон воды, сосуд В пуст.",
                                     "Нужно получить: в сосуде Б — 5 литров,", "в сосуде В — 1 литр."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VariantBarHeights, LargestIs185OthersInProportionNoneBelow25) {
    struct Row {
        Amounts capacity;
        bool unlimitedSource;
        Amounts height;
    };
    const Row rows[] = {
        {{16, 11, 6}, false, {185, 127, 69}}, // as the milk example has them
        {{8, 5, 3}, false, {185, 116, 69}},   {{3, 8, 5}, false, {69, 185, 116}},
        {{99, 1, 13}, false, {185, 25, 25}},  {{7, 7, 7}, false, {185, 185, 185}},
        {{99, 5, 3}, true, {185, 185, 111}},  {{99, 2, 20}, true, {185, 25, 185}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(VariantBarHeights(row.capacity, row.unlimitedSource), row.height)
            << row.capacity[0] << " " << row.capacity[1] << " " << row.capacity[2];
    }
}

TEST(VariantFileNames, SortInOrderWithAtLeastTwoDigits) {
    EXPECT_EQ(VariantFileName(1, 1), "вариант-01.tmk");
    EXPECT_EQ(VariantFileName(7, 30), "вариант-07.tmk");
    EXPECT_EQ(VariantFileName(30, 30), "вариант-30.tmk");
    EXPECT_EQ(VariantFileName(7, 100), "вариант-007.tmk");
    EXPECT_EQ(VariantFileName(100, 100), "вариант-100.tmk");
}

// ---- A generated set

struct SetCase {
    const char* name;
    int count;
    VariantLimits limits;
};

class GeneratedSet : public VariantFolder, public ::testing::WithParamInterface<SetCase> {};

// Every file is the writer's own text, opens in the main window's reader, and takes exactly K steps there.
TEST_P(GeneratedSet, FilesReadBackAndSolveInExactlyTheAskedSteps) {
    const SetCase& c = GetParam();
    const VariantSet set = MakeVariantSet(folder_ / "класс", c.count, c.limits, 2024);
    ASSERT_EQ(set.outcome, VariantSetOutcome::Written) << set.message;
    ASSERT_EQ(set.variants.size(), static_cast<std::size_t>(c.count));

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_ / "класс")) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, set.fileNames);

    std::set<std::tuple<Amounts, Amounts, Amounts>> distinct;
    for (int i = 0; i < c.count; ++i) {
        SCOPED_TRACE(set.fileNames[i]);
        const Variant& variant = set.variants[i];
        EXPECT_EQ(set.fileNames[i], VariantFileName(i + 1, c.count));
        const fs::path file = folder_ / "класс" / utf8Path(set.fileNames[i]);

        WriteTaskFile(folder_ / "again.tmk", variant.task);
        EXPECT_EQ(bytesOf(file), bytesOf(folder_ / "again.tmk"));

        const ExecutorTask opened = ReadExecutorTask(file);
        const SolverResult result = Solve(opened);
        EXPECT_TRUE(result.solvable());
        EXPECT_EQ(result.minimalSteps, c.limits.steps);
        EXPECT_EQ(opened.solutionControl, 1);
        EXPECT_EQ(opened.unlimitedSource, c.limits.unlimitedSource ? 1 : 0);

        // The key's solution, played on the executor from the file's start, ends on the file's targets.
        ASSERT_EQ(static_cast<int>(variant.solution.size()), c.limits.steps);
        VesselState state = opened.initialState();
        for (const PourCommand& command : variant.solution) {
            state = Pour(state, command).after;
        }
        EXPECT_TRUE(CompletionReached(state.amount, opened.targetTexts(), 1));
        EXPECT_EQ(state.amount, variant.target);

        for (int v = 0; v < kVesselCount; ++v) {
            EXPECT_GE(variant.capacity[v], 1);
            if (v != VesselA || !c.limits.unlimitedSource) {
                EXPECT_LE(variant.capacity[v], c.limits.maxCapacity);
                EXPECT_TRUE(variant.start[v] == 0 || variant.start[v] == variant.capacity[v]);
            }
            EXPECT_GE(variant.task.vessels[v].height, kMinHeight);
            EXPECT_LE(variant.task.vessels[v].height, kMaxHeight);
        }
        distinct.insert({variant.capacity, variant.start, variant.target});
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(c.count));
}

INSTANTIATE_TEST_SUITE_P(
    Sets, GeneratedSet,
    ::testing::Values(SetCase{"HundredOfTenStepsUpToTwenty", 100, limited(10, 20)},
                      SetCase{"ThirtyOfThreeStepsUpToNine", 30, limited(3, 9)},
                      // Capacities up to 1 allow exactly twelve one-step tasks: the set takes them all.
                      SetCase{"EveryTaskThereIs", 12, limited(1, 1)},
                      SetCase{"UnlimitedWithPourBack", 20, unlimited(6, 10, true)},
                      SetCase{"UnlimitedWithoutPourBack", 10, unlimited(4, 8, false)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VariantFolder, TheSameSeedGivesTheSameBytesAndAnotherSeedAnotherSet) {
    const VariantLimits limits = limited(8, 20);
    ASSERT_EQ(MakeVariantSet(folder_ / "a", 25, limits, 7).outcome, VariantSetOutcome::Written);
    ASSERT_EQ(MakeVariantSet(folder_ / "b", 25, limits, 7).outcome, VariantSetOutcome::Written);
    ASSERT_EQ(MakeVariantSet(folder_ / "c", 25, limits, 8).outcome, VariantSetOutcome::Written);
    EXPECT_EQ(snapshot(folder_ / "a"), snapshot(folder_ / "b"));
    EXPECT_NE(snapshot(folder_ / "a"), snapshot(folder_ / "c"));
}

// ---- Refusals

struct RefusalCase {
    const char* name;
    const char* out; // relative to the test folder
    int count;
    VariantLimits limits;
    // Puts what the folder holds before the call.
    void (*arrange)(const fs::path& folder);
    VariantSetOutcome outcome;
    std::string message; // with <folder> for the test folder
};

class Refusal : public VariantFolder, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, SaysWhyAndLeavesTheFolderUntouched) {
    const RefusalCase& c = GetParam();
    c.arrange(folder_);
    const auto before = snapshot(folder_);
    const VariantSet set = MakeVariantSet(folder_ / c.out, c.count, c.limits, 1);
    EXPECT_EQ(set.outcome, c.outcome);
    std::string message = c.message;
    if (const auto at = message.find("<folder>"); at != std::string::npos) {
        const std::u8string folder = folder_.u8string();
        message.replace(at, 8, std::string(folder.begin(), folder.end()));
    }
    EXPECT_EQ(set.message, message);
    EXPECT_TRUE(set.variants.empty());
    EXPECT_EQ(snapshot(folder_), before);
}

void nothing(const fs::path&) {}

INSTANTIATE_TEST_SUITE_P(
    Variants, Refusal,
    ::testing::Values(
        RefusalCase{"NameTaken", "set", 5, limited(5, 20),
                    [](const fs::path& folder) {
                        fs::create_directories(folder / "set");
                        std::ofstream(folder / "set" / utf8Path("вариант-02.tmk")) << "[trimerka]\nksz=-1\n";
                        std::ofstream(folder / "set" / utf8Path("вариант-05.tmk")) << "mine";
                        std::ofstream(folder / "set" / "notes.txt") << "kept";
                    },
                    VariantSetOutcome::NamesTaken,
                    "В папке «<folder>/set» уже есть вариант-02.tmk, вариант-05.tmk; ничего не записано."},
        RefusalCase{"NameTakenByAFolder", "set", 2, limited(5, 20),
                    [](const fs::path& folder) {
                        fs::create_directories(folder / "set" / utf8Path("вариант-01.tmk"));
                    },
                    VariantSetOutcome::NamesTaken,
                    "В папке «<folder>/set» уже есть вариант-01.tmk; ничего не записано."},
        RefusalCase{
            "MoreStepsThanTheLimitsAllow", "new/set", 3, limited(11, 10), nothing,
            VariantSetOutcome::NotEnoughTasks,
            "При ёмкостях до 10 литров нет задач с кратчайшим решением ровно в 11 шагов; самое длинное "
            "кратчайшее решение здесь — 10 шагов."},
        RefusalCase{
            "MoreStepsThanAnUnlimitedSourceAllows", "set", 3, unlimited(19, 10, false), nothing,
            VariantSetOutcome::NotEnoughTasks,
            "При ёмкостях до 10 литров и бесконечном сосуде А, в который нельзя сливать воду, нет задач с "
            "кратчайшим решением ровно в 19 шагов; самое длинное кратчайшее решение здесь — 18 шагов."},
        RefusalCase{
            "FewerTasksThanAsked", "set", 13, limited(1, 1), nothing, VariantSetOutcome::NotEnoughTasks,
            "При ёмкостях до 1 литра есть всего 12 задач с кратчайшим решением ровно в 1 шаг, а нужно 13; "
            "самое длинное кратчайшее решение здесь — 1 шаг."},
        RefusalCase{"FolderIsAFile", "file/set", 2, limited(2, 5),
                    [](const fs::path& folder) { std::ofstream(folder / "file") << "plain"; },
                    VariantSetOutcome::FolderUnwritable,
                    "«<folder>/file» — файл, а не папка; ничего не записано."},
        RefusalCase{"OutIsAFile", "file", 2, limited(2, 5),
                    [](const fs::path& folder) { std::ofstream(folder / "file") << "plain"; },
                    VariantSetOutcome::FolderUnwritable,
                    "«<folder>/file» — файл, а не папка; ничего не записано."}),
    [](const auto& info) { return std::string(info.param.name); });

// A write that fails halfway takes back the files written before it, a part of its own and the folders made.
TEST_F(VariantFolder, AFailedWriteTakesBackTheWholeSet) {
    const auto before = snapshot(folder_);
    int writes = 0;
    const auto failOnThird = [&](const fs::path& path, const TaskDefinition& task) {
        if (++writes == 3) {
            std::ofstream(path) << "[trimerka]\nksz=";
            throw Error("Unable to write to " + path.string());
        }
        return CreateTaskFile(path, task);
    };
    const VariantSet set = MakeVariantSet(folder_ / "new" / "set", 5, limited(4, 12), 3, failOnThird);
    EXPECT_EQ(set.outcome, VariantSetOutcome::FolderUnwritable);
    EXPECT_EQ(writes, 3);
    EXPECT_EQ(snapshot(folder_), before);
}

// A file that appears between the check of the names and the writing is neither replaced nor taken away, and
// the files of the set written before it are.
TEST_F(VariantFolder, AFileThatAppearsDuringTheWritingIsNeverReplaced) {
    int creations = 0;
    const fs::path planted = folder_ / "set" / utf8Path("вариант-02.tmk");
    const auto raced = [&](const fs::path& path, const TaskDefinition& task) {
        if (++creations == 2) {
            std::ofstream(planted) << "a pupil's own file";
        }
        return CreateTaskFile(path, task);
    };
    const VariantSet set = MakeVariantSet(folder_ / "set", 3, limited(4, 12), 3, raced);
    EXPECT_EQ(set.outcome, VariantSetOutcome::NamesTaken);
    EXPECT_EQ(set.message,
              "В папке «" + std::string(reinterpret_cast<const char*>((folder_ / "set").u8string().c_str())) +
                  "» уже есть вариант-02.tmk; ничего не записано.");
    EXPECT_EQ(creations, 2);
    const std::map<std::string, std::string> left{{"вариант-02.tmk", "a pupil's own file"}};
    EXPECT_EQ(snapshot(folder_ / "set"), left);
}

TEST_F(VariantFolder, CreatingATaskFileNeverReplacesWhatStandsThere) {
    std::ofstream(folder_ / "taken.tmk") << "kept";
    fs::create_directory(folder_ / "folder.tmk");
    fs::create_symlink(folder_ / "nowhere.tmk", folder_ / "dangling.tmk");
    EXPECT_FALSE(CreateTaskFile(folder_ / "taken.tmk", TaskDefinition{}));
    EXPECT_FALSE(CreateTaskFile(folder_ / "folder.tmk", TaskDefinition{}));
    EXPECT_FALSE(CreateTaskFile(folder_ / "dangling.tmk", TaskDefinition{}));
    EXPECT_EQ(bytesOf(folder_ / "taken.tmk"), "kept");
    EXPECT_FALSE(fs::exists(folder_ / "nowhere.tmk"));
    EXPECT_TRUE(CreateTaskFile(folder_ / "new.tmk", TaskDefinition{}));
    EXPECT_EQ(bytesOf(folder_ / "new.tmk"), ComposeTaskFileText({}, TaskDefinition{}));
    EXPECT_THROW(CreateTaskFile(folder_ / "missing" / "a.tmk", TaskDefinition{}), Error);
}

// ---- How many tasks there are

// Every task of the generator's form within the limits, counted by its shortest solution without the
// generator's shortcuts: each capacity triple in every order, each start of full and empty vessels, each
// state the solver reaches, each distinct (capacities, start, target) once.
std::vector<int> countedBySolver(const VariantLimits& limits) {
    std::set<std::tuple<Amounts, Amounts, Amounts>> seen;
    std::vector<int> count(1, 0);
    const int first = limits.unlimitedSource ? 1 : 0;
    for (int a = first == 1 ? 99 : 1; a <= (first == 1 ? 99 : limits.maxCapacity); ++a) {
        for (int b = 1; b <= limits.maxCapacity; ++b) {
            for (int c = 1; c <= limits.maxCapacity; ++c) {
                for (int full = 0; full < 8; ++full) {
                    const Amounts capacity{a, b, c};
                    Amounts start{};
                    for (int v = 0; v < kVesselCount; ++v) {
                        start[v] = (full >> v & 1) != 0 ? capacity[v] : 0;
                    }
                    if ((first == 1 && start[0] != 99) || (first == 0 && (full == 0 || full == 7))) {
                        continue;
                    }
                    ExecutorTask task;
                    for (int v = 0; v < kVesselCount; ++v) {
                        task.vessels[v].capacity = capacity[v];
                        task.vessels[v].amount = start[v];
                        task.vessels[v].targetText = "0";
                    }
                    task.unlimitedSource = limits.unlimitedSource ? 1 : 0;
                    task.pourBackAllowed = limits.pourBackAllowed ? 1 : 0;
                    for (const auto& state : Solve(task).reachable) {
                        if (state.distance == 0 || !seen.insert({capacity, start, state.amount}).second) {
                            continue;
                        }
                        if (count.size() <= static_cast<std::size_t>(state.distance)) {
                            count.resize(static_cast<std::size_t>(state.distance) + 1);
                        }
                        ++count[static_cast<std::size_t>(state.distance)];
                    }
                }
            }
        }
    }
    return count;
}

struct CensusCase {
    const char* name;
    bool unlimitedSource;
    bool pourBackAllowed;
};

class Census : public ::testing::TestWithParam<CensusCase> {};

// The walk the table was made with agrees with the solver for small capacities, where every task can be
// counted one by one; it is what keeps equal capacities from counting a task twice.
TEST_P(Census, CountsEveryTaskOnceAsTheSolverFindsThem) {
    const CensusCase& c = GetParam();
    const auto census = CountVariants(4, c.unlimitedSource, c.pourBackAllowed);
    for (int capacity = 1; capacity <= 4; ++capacity) {
        SCOPED_TRACE(capacity);
        const std::vector<int> solver = countedBySolver({1, capacity, c.unlimitedSource, c.pourBackAllowed});
        const VariantCensus& counted = census[static_cast<std::size_t>(capacity)];
        EXPECT_EQ(counted.longest, static_cast<int>(solver.size()) - 1);
        for (int k = 1; k < static_cast<int>(solver.size()); ++k) {
            EXPECT_EQ(counted.count(k), std::min(solver[static_cast<std::size_t>(k)], kMaxVariantCount)) << k;
        }
    }
}

// The stored table is the walk's result: recomputed here for the capacities a test can afford.
TEST_P(Census, TheStoredTableIsWhatTheWalkCounts) {
    const CensusCase& c = GetParam();
    const auto census = CountVariants(14, c.unlimitedSource, c.pourBackAllowed);
    for (int capacity = 1; capacity <= 14; ++capacity) {
        SCOPED_TRACE(capacity);
        const VariantCensus stored = StoredVariantCensus({1, capacity, c.unlimitedSource, c.pourBackAllowed});
        EXPECT_EQ(stored.longest, census[static_cast<std::size_t>(capacity)].longest);
        EXPECT_EQ(stored.countBySteps, census[static_cast<std::size_t>(capacity)].countBySteps);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, Census,
                         ::testing::Values(CensusCase{"Ordinary", false, true},
                                           CensusCase{"Unlimited", true, true},
                                           CensusCase{"UnlimitedWithoutPourBack", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Asking for every task there is gives each of them once.
TEST(VariantGenerator, EveryTaskOfTwoStepsUpToThreeLitresIsDistinct) {
    const VariantLimits limits = limited(2, 3);
    const int all = StoredVariantCensus(limits).count(2);
    const std::vector<Variant> variants = GenerateVariants(all, limits, 5);
    std::set<std::tuple<Amounts, Amounts, Amounts>> distinct;
    for (const Variant& v : variants) {
        distinct.insert({v.capacity, v.start, v.target});
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(all));
    EXPECT_THROW(GenerateVariants(all + 1, limits, 5), Error);
}

TEST(VariantGenerator, RefusesCountsStepsAndCapacitiesOutsideTheirRanges) {
    EXPECT_THROW(GenerateVariants(0, limited(3, 20), 1), std::invalid_argument);
    EXPECT_THROW(GenerateVariants(kMaxVariantCount + 1, limited(3, 20), 1), std::invalid_argument);
    EXPECT_THROW(GenerateVariants(1, limited(0, 20), 1), std::invalid_argument);
    EXPECT_THROW(GenerateVariants(1, limited(3, 0), 1), std::invalid_argument);
    EXPECT_THROW(GenerateVariants(1, limited(3, 100), 1), std::invalid_argument);
}

// ---- The answer key

TEST_F(VariantFolder, TheAnswerKeyListsEveryFileWithItsShortestSolution) {
    const VariantSet set = MakeVariantSet(folder_, 2, unlimited(4, 8, false), 11);
    ASSERT_EQ(set.outcome, VariantSetOutcome::Written);
    const auto key = AnswerKey(set);
    ASSERT_EQ(key.size(), 3u);
    EXPECT_EQ(key[0],
              (std::vector<std::string>{"Файл", "Ёмкости А, Б, В", "Начало", "Цель", "Шагов", "Решение"}));
    for (std::size_t i = 1; i < key.size(); ++i) {
        const Variant& v = set.variants[i - 1];
        std::string commands;
        for (const PourCommand& command : v.solution) {
            commands += (commands.empty() ? "" : ", ") + command.text();
        }
        EXPECT_EQ(key[i], (std::vector<std::string>{
                              set.fileNames[i - 1],
                              "∞, " + std::to_string(v.capacity[1]) + ", " + std::to_string(v.capacity[2]),
                              "∞, " + std::to_string(v.start[1]) + ", " + std::to_string(v.start[2]),
                              "∞, " + std::to_string(v.target[1]) + ", " + std::to_string(v.target[2]), "4",
                              commands}));
    }
    EXPECT_EQ(VariantSetSummary(2, unlimited(4, 8, false)),
              "2 варианта; у каждого кратчайшее решение — 4 шага; ёмкости до 8 литров; сосуд А бесконечный, "
              "сливать в него нельзя");
    EXPECT_EQ(VariantSetSummary(21, limited(11, 21)),
              "21 вариант; у каждого кратчайшее решение — 11 шагов; ёмкости до 21 литра");
}

} // namespace
} // namespace trimerka
