#include <functional>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "support/ConstructorFixture.h"
#include "support/QtPrinters.h"
#include "ui/ConstructorWindow.h"
#include "ui/SpinEdit.h"
#include "ui/VesselView.h"

// Every editor, colour square, option and title of the constructor is tied to its rules: after an edit the
// preview shows it, the solution label is brought up to date, and "Сохранить настройки" is offered for the
// current file. One row per control, so a control of one vessel that lost its connection shows although the
// same control of another vessel still works.

namespace trimerka {
namespace {

constexpr char kSevenSteps[] = "Кратчайшее решение: 7 шагов";
constexpr char kSixSteps[] = "Кратчайшее решение: 6 шагов";
constexpr char kNoSolution[] = "Задание не имеет решения";
constexpr char kSevenStepsUncontrolled[] = "Кратчайшее решение: 7 шагов (контроль решения выключен)";

// The task every row starts from.
enum class Start {
    Classic,                 // 8/5/3 from 8, 0, 0 to 4, 4, 0
    LimitedSource,           // А of 99, 5 and 3 from empty to 4 and 3: unsolvable while А is limited
    UnlimitedSource,         // the same with an unlimited А that may be poured back into
    UnlimitedSourceNoReturn, // the same with pouring back into А forbidden
};

const char* solutionAtStart(Start start) {
    switch (start) {
    case Start::Classic:
        return kSevenSteps;
    case Start::UnlimitedSource:
        return kSixSteps;
    case Start::LimitedSource:
    case Start::UnlimitedSourceNoReturn:
        break;
    }
    return kNoSolution;
}

struct Row {
    std::string control;
    Start start;
    std::function<void()> edit;
    std::function<void()> previewShowsIt; // nothing for a control that the preview does not show
    const char* solution;                 // the solution label after the edit
};

class ConstructorWiringTest : public testing::ConstructorFixture {
protected:
    void begin(Start start) {
        form.resetToDefaultTask();
        const int capacity[2][3] = {{8, 5, 3}, {99, 5, 3}};
        const int amount[2][3] = {{8, 0, 0}, {99, 0, 0}};
        const int target[2][3] = {{4, 4, 0}, {99, 4, 3}};
        const int k = start == Start::Classic ? 0 : 1;
        for (int v = 0; v < kVesselCount; ++v) {
            spin(key(v, "em"))->setValue(capacity[k][v]);
            spin(key(v, "et"))->setValue(amount[k][v]);
            spin(key(v, "er"))->setValue(target[k][v]);
        }
        get<QCheckBox>("saef")->setChecked(start == Start::UnlimitedSource ||
                                           start == Start::UnlimitedSourceNoReturn);
        get<QRadioButton>(start == Start::UnlimitedSourceNoReturn ? "rb2" : "rb1")->setChecked(true);
        // Solution control on, so that the label names the solution alone.
        get<QCheckBox>("krres")->setChecked(true);
        // A current file, as right after "Сохранить настройки как ...": saving disabled until the next edit.
        platform.saveAnswers.push_back(folder.filePath(QStringLiteral("current.tmk")));
        QTest::mouseClick(saveButtonAs(), Qt::LeftButton);
    }

    static std::string key(int vessel, const char* field) {
        return std::string("s") + kVesselKeyLetters[vessel] + field;
    }
    SpinEdit* spin(const std::string& name) { return get<SpinEdit>(name.c_str()); }
    VesselView* barOf(int vessel) { return bar(("s" + std::string(1, kVesselKeyLetters[vessel])).c_str()); }
    QPushButton* saveButtonAs() { return get<QPushButton>("SpeedButton8"); }
    QString solution() { return get<QLabel>("reshenie")->text(); }

    // Replaces the editor's text by typing, as a teacher does.
    void typeOver(const std::string& name, const QString& text) {
        SpinEdit* editor = spin(name);
        editor->selectAll();
        QTest::keyClicks(editor, text);
    }
    void chooseColour(const std::string& square, const QColor& colour) {
        platform.colorAnswers.push_back(colour);
        QTest::mouseClick(get(square.c_str()), Qt::LeftButton);
    }

    std::vector<Row> rows() {
        std::vector<Row> table;
        // Per vessel: a capacity, an amount and a target that each change the task's solution.
        const struct {
            int capacity;
            const char* capacitySolution;
            int amount;
            const char* amountSolution;
            int target;
            const char* targetSolution;
        } perVessel[kVesselCount] = {
            {7, kNoSolution, 7, kNoSolution, 3, kNoSolution},
            {7, "Кратчайшее решение: 3 шага", 1, kNoSolution, 5, kNoSolution},
            {4, "Кратчайшее решение: 2 шага", 1, kNoSolution, 1, kNoSolution},
        };
        const QColor fill(200, 30, 40);
        const QColor empty(20, 40, 220);
        for (int v = 0; v < kVesselCount; ++v) {
            const auto& edit = perVessel[v];
            table.push_back({key(v, "em"), Start::Classic,
                             [=, this] { typeOver(key(v, "em"), QString::number(edit.capacity)); },
                             [=, this] { EXPECT_EQ(barOf(v)->capacity(), edit.capacity); },
                             edit.capacitySolution});
            table.push_back({key(v, "et"), Start::Classic,
                             [=, this] { typeOver(key(v, "et"), QString::number(edit.amount)); },
                             [=, this] { EXPECT_EQ(barOf(v)->amount(), edit.amount); }, edit.amountSolution});
            table.push_back({key(v, "er"), Start::Classic,
                             [=, this] { typeOver(key(v, "er"), QString::number(edit.target)); }, nullptr,
                             edit.targetSolution});
            table.push_back({key(v, "h"), Start::Classic,
                             [=, this] { typeOver(key(v, "h"), QStringLiteral("60")); },
                             [=, this] { EXPECT_EQ(barOf(v)->barHeight(), 60); }, kSevenSteps});
            table.push_back({key(v, "c1"), Start::Classic, [=, this] { chooseColour(key(v, "c1"), fill); },
                             [=, this] { EXPECT_EQ(barOf(v)->fillColor(), fill); }, kSevenSteps});
            table.push_back({key(v, "c2"), Start::Classic, [=, this] { chooseColour(key(v, "c2"), empty); },
                             [=, this] { EXPECT_EQ(barOf(v)->emptyColor(), empty); }, kSevenSteps});
        }
        for (const char* title : {"ns", "ns1", "ns2", "ns3"}) {
            table.push_back({title, Start::Classic,
                             [=, this] { QTest::keyClicks(get(title), QStringLiteral("x")); }, nullptr,
                             kSevenSteps});
        }
        table.push_back({"fz", Start::Classic, [this] { QTest::keyClicks(get("fz"), QStringLiteral("x")); },
                         nullptr, kSevenSteps});
        table.push_back({"krres", Start::Classic, [this] { QTest::mouseClick(get("krres"), Qt::LeftButton); },
                         nullptr, kSevenStepsUncontrolled});
        table.push_back({"saef", Start::LimitedSource,
                         [this] { QTest::mouseClick(get("saef"), Qt::LeftButton); },
                         [this] {
                             EXPECT_FALSE(get("isaef")->isHidden());
                             EXPECT_FALSE(get("isasl")->isHidden());
                         },
                         kSixSteps});
        table.push_back({"rb2", Start::UnlimitedSource,
                         [this] { QTest::mouseClick(get("rb2"), Qt::LeftButton); },
                         [this] { EXPECT_TRUE(get("isasl")->isHidden()); }, kNoSolution});
        table.push_back({"rb1", Start::UnlimitedSourceNoReturn,
                         [this] { QTest::mouseClick(get("rb1"), Qt::LeftButton); },
                         [this] { EXPECT_FALSE(get("isasl")->isHidden()); }, kSixSteps});
        return table;
    }
};

TEST_F(ConstructorWiringTest, EveryControlUpdatesThePreviewTheSolutionAndSaving) {
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.control);
        begin(row.start);
        ASSERT_FALSE(currentFile().isEmpty());
        ASSERT_FALSE(saveButton()->isEnabled());
        ASSERT_EQ(solution(), QString::fromUtf8(solutionAtStart(row.start)));

        row.edit();
        EXPECT_TRUE(saveButton()->isEnabled()) << "saving is offered for the current file";
        if (row.previewShowsIt) {
            row.previewShowsIt();
        }
        EXPECT_EQ(solution(), QString::fromUtf8(row.solution));
        EXPECT_TRUE(platform.errors.empty());
    }
}

} // namespace
} // namespace trimerka
