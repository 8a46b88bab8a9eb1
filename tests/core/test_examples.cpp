// The example tasks in examples/ are written by the program's own writer from the definitions below.
// After changing a definition, run this test once with TRIMERKA_UPDATE_EXAMPLES=1 to write the files anew,
// then commit them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/ExecutorTask.h"
#include "core/Solver.h"
#include "core/StepLog.h"
#include "core/TaskFile.h"

namespace trimerka {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(TRIMERKA_SOURCE_DIR) / "examples";

struct Example {
    std::string file;
    TaskDefinition task;
    int minimalSteps;
};

Vessel vessel(int capacity, int initial, int target, int height = 185, Color fill = kDefaultFillColor,
              Color empty = kDefaultEmptyColor) {
    return Vessel{capacity, initial, target, height, fill, empty};
}

TaskDefinition task(std::vector<std::string> statement, Vessel a, Vessel b, Vessel v) {
    TaskDefinition t;
    t.vessels = {a, b, v};
    t.solutionControl = true;
    t.statementLines = std::move(statement);
    t.commonTitle = "Сосуды";
    t.columnTitles = {"Сосуд А", "Сосуд Б", "Сосуд В"};
    return t;
}

TaskDefinition unlimitedTask(std::vector<std::string> statement, bool pourBack, Vessel b, Vessel v) {
    TaskDefinition t = task(std::move(statement), vessel(99, 99, 99), b, v);
    t.unlimitedSource = true;
    t.pourBackAllowed = pourBack;
    return t;
}

std::vector<Example> examples() {
    std::vector<Example> list = {
        {"01_8-5-3.tmk",
         task({"Сосуд А на 8 литров полон воды, сосуды Б на 5 литров",
               "и В на 3 литра пусты. Разделите воду поровну:", "по 4 литра в сосудах А и Б.",
               "Наименьшее число шагов — 7."},
              vessel(8, 8, 4), vessel(5, 0, 4), vessel(3, 0, 0)),
         7},
        {"02_unlimited-5-3.tmk",
         unlimitedTask({"Сосуд А — бесконечный источник воды, сливать воду",
                        "обратно в него можно. Сосуды Б на 5 литров и В на 3 литра",
                        "пусты. Получите 4 литра в сосуде Б, а сосуд В", "оставьте полным.",
                        "Наименьшее число шагов — 6."},
                       true, vessel(5, 0, 4), vessel(3, 0, 3)),
         6},
        {"03_unlimited-5-3-no-pour-back.tmk",
         unlimitedTask({"Сосуд А — бесконечный источник воды, но сливать воду",
                        "обратно в него нельзя. Сосуды Б на 5 литров и В на 3 литра",
                        "пусты. Получите ровно 1 литр в сосуде В, а сосуд Б", "наполните доверху.",
                        "Наименьшее число шагов — 4."},
                       false, vessel(5, 0, 5), vessel(3, 0, 1)),
         4},
        {"04_12-8-5.tmk",
         task({"Сосуд А на 12 литров полон воды, сосуды Б на 8 литров",
               "и В на 5 литров пусты. Разделите воду поровну:", "по 6 литров в сосудах А и Б.",
               "Наименьшее число шагов — 7."},
              vessel(12, 12, 6), vessel(8, 0, 6), vessel(5, 0, 0)),
         7},
        {"05_10-7-3.tmk",
         task({"Сосуд А на 10 литров полон воды, сосуды Б на 7 литров",
               "и В на 3 литра пусты. Разделите воду поровну:", "по 5 литров в сосудах А и Б.",
               "Наименьшее число шагов — 9."},
              vessel(10, 10, 5), vessel(7, 0, 5), vessel(3, 0, 0)),
         9},
    };
    // Milk in a churn and two jugs: cream-white milk, bars as tall as the vessels are large.
    const Color milk = rgb(255, 253, 240);
    const Color glass = rgb(200, 215, 230);
    TaskDefinition milkTask = task({"Молочник принёс 16 литров молока в бидоне А. У хозяйки",
                                    "есть пустые кувшины Б на 11 литров и В на 6 литров.",
                                    "Разделите молоко поровну: по 8 литров в бидоне А", "и в кувшине Б.",
                                    "Наименьшее число шагов — 14."},
                                   vessel(16, 16, 8, 185, milk, glass), vessel(11, 0, 8, 127, milk, glass),
                                   vessel(6, 0, 0, 69, milk, glass));
    milkTask.commonTitle = "Молоко, литров";
    milkTask.columnTitles = {"Бидон А", "Кувшин Б", "Кувшин В"};
    list.push_back({"06_milk-16-11-6.tmk", milkTask, 14});
    return list;
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Plays commands through the executor's own step, as the main window does on "Выполнить".
class PlayedTask : public StepHost {
public:
    explicit PlayedTask(VesselState state) : state_(state) {}

    std::string panelText() const override { return panel_; }
    void setPanelText(const std::string& text) override { panel_ = text; }
    void disableExecute() override {}
    int appendRow() override {
        log_.emplace_back();
        return static_cast<int>(log_.size()) - 1;
    }
    void setCell(int row, int column, const std::string& text) override {
        log_.at(row).cells.at(column) = text;
    }
    VesselState vesselState() const override { return state_; }
    void setAmount(int v, int amount) override { state_.amount.at(v) = amount; }
    void setCaption(int, const std::string&) override {}
    void releaseVesselButtons() override {}
    int stepCount() const override { return static_cast<int>(log_.size()); }
    void showCompleted(int count) override { completedAt.push_back(count); }

    std::vector<int> completedAt;

private:
    VesselState state_;
    std::string panel_ = "- - -";
    StepLog log_;
};

class ExampleTask : public ::testing::TestWithParam<Example> {};

TEST_P(ExampleTask, FileIsWhatTheWriterWrites) {
    const Example& example = GetParam();
    const auto committed = kExamples / example.file;
    if (std::getenv("TRIMERKA_UPDATE_EXAMPLES") != nullptr) {
        std::filesystem::remove(committed);
        WriteTaskFile(committed, example.task);
    }
    const auto fresh = std::filesystem::temp_directory_path() / ("trimerka_example_" + example.file);
    std::filesystem::remove(fresh);
    WriteTaskFile(fresh, example.task);
    EXPECT_EQ(fileBytes(committed), fileBytes(fresh));
    std::filesystem::remove(fresh);
}

TEST_P(ExampleTask, IsSolvedInItsStatedNumberOfSteps) {
    const Example& example = GetParam();
    const ExecutorTask loaded = ReadExecutorTask(kExamples / example.file);
    ASSERT_EQ(loaded.solutionControl, 1);
    const SolverResult result = Solve(loaded);
    ASSERT_TRUE(result.solvable());
    EXPECT_EQ(result.minimalSteps, example.minimalSteps);
    EXPECT_EQ(Solve(example.task).minimalSteps, example.minimalSteps)
        << "the constructor would show another count";
    EXPECT_NE(loaded.statement.find("Наименьшее число шагов — " + std::to_string(example.minimalSteps) + "."),
              std::string::npos);

    PlayedTask play(loaded.initialState());
    for (const PourCommand& command : result.solution) {
        play.setPanelText(command.text());
        ExecuteStep(play, loaded.targetTexts(), loaded.solutionControl);
    }
    EXPECT_EQ(play.completedAt, std::vector<int>{example.minimalSteps});
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleTask, ::testing::ValuesIn(examples()), [](const auto& info) {
    std::string name = info.param.file.substr(0, info.param.file.find('.'));
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
});

TEST(Examples, EveryTaskFileInTheFolderIsChecked) {
    std::set<std::string> listed;
    for (const Example& example : examples()) {
        listed.insert(example.file);
    }
    std::set<std::string> present;
    for (const auto& entry : std::filesystem::directory_iterator(kExamples)) {
        if (entry.path().extension() == ".tmk") {
            present.insert(entry.path().filename().string());
        }
    }
    EXPECT_EQ(present, listed);
}

} // namespace
} // namespace trimerka
