// A teacher's set of variants in the pupil's and the teacher's windows, and a pupil's step log copied with
// Ctrl+A, Ctrl+C and checked.

#include <filesystem>
#include <string>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include "core/ExecutorTask.h"
#include "core/SolutionCheck.h"
#include "core/VariantFiles.h"
#include "support/ConstructorFixture.h"
#include "support/GridInputSupport.h"
#include "support/MainWindowFixture.h"
#include "ui/Controls.h"

namespace trimerka {
namespace {

QString variantPath(const QString& folder, const std::string& name) {
    return folder + QLatin1Char('/') + QString::fromStdString(name);
}

using StepLogCopy = testing::MainWindowFixture;

TEST_F(StepLogCopy, CtrlAThenCtrlCCopiesTheWholeLogWhichChecksAsSolved) {
    openKeys(testing::classicTaskKeys());
    for (const auto& played : testing::classicSolution()) {
        step(played.source, played.destination);
    }
    ASSERT_EQ(grid()->rowCount(), 7);
    // A click on a row selects that row; Ctrl+A then selects them all, and the main window keeps it so.
    testing::click(*grid(), testing::cellCentre(*grid(), 1, 2));
    ASSERT_EQ(grid()->selection(), (CellRange{0, 2, 3, 2}));
    QTest::keyClick(grid(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid()->selection(), (CellRange{0, 0, 3, 6}));
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);

    QString expected;
    for (const auto& played : testing::classicSolution()) {
        expected +=
            QStringList{played.cells[0], played.cells[1], played.cells[2], played.cells[3]}.join('\t') +
            QStringLiteral("\r\n");
    }
    EXPECT_EQ(platform.clipboard, expected);

    const QByteArray copied = platform.clipboard.toUtf8();
    const SolutionCheck check = CheckSolution(ReadExecutorTask(toFilePath(path())),
                                              std::string_view(copied.constData(), copied.size()));
    EXPECT_TRUE(check.solved) << check.report;
    EXPECT_EQ(check.report, "Решено за 7 шагов; кратчайшее решение — 7 шагов.\n");
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(StepLogCopy, CtrlAOnAnEmptyLogChangesNothing) {
    openKeys(testing::classicTaskKeys());
    grid()->setFocus();
    platform.clipboard = QStringLiteral("kept");
    QTest::keyClick(grid(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_EQ(platform.clipboard, QStringLiteral("kept"));
    EXPECT_TRUE(platform.errors.empty());
}

using VariantInMainWindow = testing::MainWindowFixture;

// The file opens under its Cyrillic name, shows its statement, and the key's solution solves it in K steps.
TEST_F(VariantInMainWindow, AGeneratedVariantOpensAndTheKeysSolutionSolvesIt) {
    const VariantSet set = MakeVariantSet(toFilePath(folder.path()) / "класс", 3, {6, 12, false, true}, 5);
    ASSERT_EQ(set.outcome, VariantSetOutcome::Written) << set.message;
    const Variant& variant = set.variants[1];
    open(variantPath(folder.path() + QStringLiteral("/класс"), set.fileNames[1]));
    ASSERT_TRUE(platform.errors.empty()) << errorMessages().join('\n').toStdString();
    EXPECT_TRUE(statement().startsWith(QStringLiteral(" Сосуд А вмещает ")));
    EXPECT_EQ(caption(VesselB),
              QString::number(variant.start[1]) + '/' + QString::number(variant.capacity[1]));

    for (const PourCommand& command : variant.solution) {
        EXPECT_TRUE(platform.modalShown.isEmpty()); // not solved before the last step
        step(command.source, command.destination);
    }
    EXPECT_EQ(grid()->rowCount(), 6);
    EXPECT_EQ(platform.modalShown, QStringList{completed->objectName()});
}

using VariantInConstructor = testing::ConstructorFixture;

TEST_F(VariantInConstructor, AGeneratedVariantLoadsAndTheLabelShowsItsSteps) {
    const VariantSet set = MakeVariantSet(toFilePath(folder.path()) / "класс", 2, {9, 15, true, false}, 8);
    ASSERT_EQ(set.outcome, VariantSetOutcome::Written) << set.message;
    platform.openAnswers.push_back(variantPath(folder.path() + QStringLiteral("/класс"), set.fileNames[0]));
    QTest::mouseClick(get("SpeedButton7"), Qt::LeftButton);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(get<QLabel>("reshenie")->text(), QStringLiteral("Кратчайшее решение: 9 шагов"));
    EXPECT_EQ(spin("sbem")->value(), set.variants[0].capacity[1]);
    EXPECT_EQ(spin("svh")->value(), set.variants[0].task.vessels[2].height);
}

} // namespace
} // namespace trimerka
