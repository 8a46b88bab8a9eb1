#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "core/ExecutorTask.h"
#include "core/Solver.h"
#include "support/MainWindowFixture.h"
#include "ui/CompletedWindow.h"
#include "ui/MainWindow.h"
#include "ui/TargetStateWindow.h"
#include "ui/VesselView.h"
#include "widgets/CellGrid.h"

namespace trimerka {
namespace {

using testing::TaskKeys;

const QString kPlaceholder = QStringLiteral("Формулировка задания .....");

// The Windows code page that old task files were saved in: Cyrillic letters only, which is all a test needs.
std::string toWindows1251(const QString& text) {
    std::string bytes;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x0410 && u <= 0x044F) {
            bytes += static_cast<char>(0xC0 + (u - 0x0410));
        } else if (u == 0x0401) {
            bytes += static_cast<char>(0xA8);
        } else if (u == 0x0451) {
            bytes += static_cast<char>(0xB8);
        } else {
            bytes += static_cast<char>(u & 0x7F);
        }
    }
    return bytes;
}

class LifecycleTest : public testing::MainWindowFixture {
protected:
    // The state after the reset with no task open, the status line included.
    void expectNoTask() const {
        EXPECT_EQ(path(), QString());
        EXPECT_EQ(statement(), kPlaceholder);
        EXPECT_EQ(panel(), QStringLiteral("- - -"));
        EXPECT_EQ(grid()->rowCount(), 0);
        for (int v = 0; v < kVesselCount; ++v) {
            SCOPED_TRACE(v);
            EXPECT_EQ(caption(v), QStringLiteral("-/-"));
            EXPECT_FALSE(vesselButton(v)->isEnabled());
            EXPECT_FALSE(vesselButton(v)->isChecked());
            EXPECT_EQ(form->targetText()[v], "-");
            const VesselView* view = form->vesselView(v);
            EXPECT_EQ(view->capacity(), 99);
            EXPECT_EQ(view->amount(), 99);
            EXPECT_EQ(view->barHeight(), 185);
            EXPECT_EQ(view->fillColor(), QColor(186, 254, 189));
            EXPECT_EQ(view->emptyColor(), QColor(230, 230, 230));
            EXPECT_EQ(grid()->columns()[v + 1].title(),
                      QStringLiteral("Общее название столбиков|Название столбика %1").arg(v + 1));
        }
        EXPECT_EQ(grid()->columns()[0].title(), QStringLiteral("Команда"));
        for (const char* name : {"cnz", "sz", "zz", "isaef", "isasl"}) {
            EXPECT_FALSE(shown(name)) << name;
        }
        for (const char* name : {"SpeedButton1", "SpeedButton2", "vipolnit"}) {
            EXPECT_FALSE(find(name)->isEnabled()) << name;
        }
        emit find<QMenu>("N3")->aboutToShow();
        EXPECT_TRUE(form->findChild<QAction*>(QStringLiteral("N4"))->isEnabled());
    }
};

TEST_F(LifecycleTest, OpenDialogStartsInTheProgramFolder) {
    open(write(testing::classicTaskKeys()));
    ASSERT_EQ(platform.openRequests.size(), 1u);
    const FileDialogRequest& request = platform.openRequests.front();
    EXPECT_EQ(request.title, QStringLiteral("Выбрать задание для исполнителя \"Тримерка\""));
    EXPECT_EQ(request.filter, QStringLiteral("Задание для исполнителя \"Тримерка\" (*.tmk)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("tmk"));
    EXPECT_EQ(request.directory, folder.path());
}

TEST_F(LifecycleTest, OpeningAppliesTheFile) {
    TaskKeys keys = testing::classicTaskKeys();
    testing::setKey(keys, "sbc1", "0080FF");
    testing::setKey(keys, "sbc2", "102030");
    // The status line shows a path as it stands, markup included.
    const QString file = write(keys, QStringLiteral("<b>task<br>.tmk"));
    open(file);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(path(), file);
    EXPECT_EQ(find<QLabel>("put_tmk")->textFormat(), Qt::PlainText);
    EXPECT_EQ(statement(), QStringLiteral(" Разделите 8 литров поровну, пользуясь сосудами 5 и 3 литра."));
    EXPECT_EQ(grid()->columns()[1].title(), QStringLiteral("Литры|8 л"));
    EXPECT_EQ(grid()->columns()[3].title(), QStringLiteral("Литры|3 л"));
    EXPECT_EQ(form->solutionControl(), 1);
    EXPECT_EQ(form->unlimitedSource(), 0);
    const int capacities[] = {8, 5, 3};
    const int amounts[] = {8, 0, 0};
    const int heights[] = {185, 120, 80};
    const char* targets[] = {"4", "4", "0"};
    for (int v = 0; v < kVesselCount; ++v) {
        SCOPED_TRACE(v);
        EXPECT_EQ(form->vesselView(v)->capacity(), capacities[v]);
        EXPECT_EQ(form->vesselView(v)->amount(), amounts[v]);
        EXPECT_EQ(form->vesselView(v)->barHeight(), heights[v]);
        EXPECT_EQ(form->targetText()[v], targets[v]);
        EXPECT_TRUE(vesselButton(v)->isEnabled());
    }
    EXPECT_EQ(form->vesselView(VesselB)->fillColor(), QColor(0, 128, 255));
    EXPECT_EQ(form->vesselView(VesselB)->emptyColor(), QColor(16, 32, 48));
    for (const char* name : {"cnz", "sz", "zz"}) {
        EXPECT_TRUE(shown(name)) << name;
    }
}

TEST_F(LifecycleTest, ChosenNameGetsTheExtensionUnlessItEndsInItInAnyLetterCase) {
    struct Row {
        const char* name;
        const char* chosen;
        const char* looked;
    };
    const Row table[] = {
        {"exact extension", "task.tmk", "task.tmk"},
        {"no extension", "task", "task.tmk"},
        {"upper-case extension", "TASK.TMK", "TASK.TMK"},
        {"mixed-case extension", "task.Tmk", "task.Tmk"},
        {"other extension", "task.ini", "task.ini.tmk"},
        {"extension inside the name", "task.tmk.bak", "task.tmk.bak.tmk"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        const QString looked = write(testing::classicTaskKeys(), QString::fromUtf8(row.looked));
        open(QDir(folder.path()).filePath(QString::fromUtf8(row.chosen)));
        EXPECT_TRUE(platform.errors.empty());
        EXPECT_EQ(path(), looked);
        EXPECT_TRUE(shown("cnz"));
        QFile::remove(looked);
    }
}

TEST_F(LifecycleTest, CancellingTheDialogLeavesTheOpenTaskUntouched) {
    const QString file = write(testing::classicTaskKeys());
    open(file);
    step(VesselA, VesselB);
    step(VesselB, VesselV);
    QTest::mouseClick(vesselButton(VesselA), Qt::LeftButton);

    find<QToolButton>("vz")->click(); // no answer queued: the dialog is cancelled
    EXPECT_EQ(platform.openRequests.size(), 2u);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(path(), file);
    EXPECT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(grid()->cellText(2, 1), QStringLiteral("2 ( 5 - 3 )"));
    EXPECT_EQ(panel(), QStringLiteral("А - -"));
    EXPECT_TRUE(vesselButton(VesselA)->isChecked());
    EXPECT_EQ(caption(VesselB), QStringLiteral("2 / 5"));
    EXPECT_EQ(form->vesselView(VesselV)->amount(), 3);
    EXPECT_TRUE(shown("cnz"));
}

// A file that differs from the classic task in a few keys, and what opening it gives.
struct FileCase {
    const char* name;
    std::function<void(TaskKeys&)> change;
    const char* error; // the message of the error report, or nullptr when the file loads
    std::function<void(const MainWindow&)> check;
};

QString textOf(const MainWindow& form, const char* name) {
    if (const auto* label = form.findChild<QLabel*>(QLatin1String(name))) {
        return label->text();
    }
    return form.statement()->toPlainText();
}

TEST_F(LifecycleTest, FilesAreReadKeyByKey) {
    using testing::removeKey;
    using testing::setKey;
    const FileCase table[] = {
        {"missing ksz", [](TaskKeys& k) { removeKey(k, "ksz"); }, "'''' is not a valid integer value.",
         nullptr},
        {"ksz -1 leaves the statement empty", [](TaskKeys& k) { setKey(k, "ksz", "-1"); }, nullptr,
         [](const MainWindow& f) { EXPECT_EQ(f.statement()->toPlainText(), QString()); }},
        {"ksz 0 reads one line after a blank", [](TaskKeys& k) { setKey(k, "ksz", "0"); }, nullptr,
         [](const MainWindow& f) {
             EXPECT_EQ(f.statement()->toPlainText(), QStringLiteral(" Разделите 8 литров поровну,"));
         }},
        {"missing line keys add their blanks",
         [](TaskKeys& k) {
             setKey(k, "ksz", "2");
             setKey(k, "zs0", "x");
             removeKey(k, "zs1");
         },
         nullptr,
         [](const MainWindow& f) { EXPECT_EQ(f.statement()->toPlainText(), QStringLiteral(" x  ")); }},
        {"krres yes", [](TaskKeys& k) { setKey(k, "krres", "yes"); }, "''yes'' is not a valid integer value.",
         nullptr},
        {"bad colour", [](TaskKeys& k) { setKey(k, "sac1", "GGGGGG"); },
         "''$00GGGGGG'' is not a valid integer value.", nullptr},
        {"short colour keeps the reset's colour", [](TaskKeys& k) { setKey(k, "sbc1", "ABC"); }, nullptr,
         [](const MainWindow& f) { EXPECT_EQ(f.vesselView(VesselB)->fillColor(), QColor(186, 254, 189)); }},
        {"missing sasl", [](TaskKeys& k) { removeKey(k, "sasl"); }, "'''' is not a valid integer value.",
         nullptr},
        {"unlimited with pouring back",
         [](TaskKeys& k) {
             setKey(k, "saef", "1");
             setKey(k, "sasl", "1");
         },
         nullptr,
         [](const MainWindow& f) {
             EXPECT_FALSE(f.arrowUnlimited()->isHidden());
             EXPECT_FALSE(f.arrowPourBack()->isHidden());
             EXPECT_EQ(textOf(f, "esa"), QStringLiteral("99/99"));
             EXPECT_EQ(f.targetText()[VesselA], "99");
             EXPECT_EQ(f.unlimitedSource(), 1);
             EXPECT_EQ(f.vesselView(VesselA)->capacity(), 99);
             EXPECT_EQ(f.vesselView(VesselA)->amount(), 99);
         }},
        {"unlimited without pouring back",
         [](TaskKeys& k) {
             setKey(k, "saef", "1");
             setKey(k, "sasl", "0");
         },
         nullptr,
         [](const MainWindow& f) {
             EXPECT_FALSE(f.arrowUnlimited()->isHidden());
             EXPECT_TRUE(f.arrowPourBack()->isHidden());
             EXPECT_EQ(f.pourBackAllowed(), 0);
         }},
        {"limited shows no arrow whatever sasl holds", [](TaskKeys& k) { setKey(k, "sasl", "1"); }, nullptr,
         [](const MainWindow& f) {
             EXPECT_TRUE(f.arrowUnlimited()->isHidden());
             EXPECT_TRUE(f.arrowPourBack()->isHidden());
         }},
        {"saef 2 counts as limited", [](TaskKeys& k) { setKey(k, "saef", "2"); }, nullptr,
         [](const MainWindow& f) {
             EXPECT_EQ(f.unlimitedSource(), 0);
             EXPECT_EQ(textOf(f, "esa"), QStringLiteral("8/8"));
             EXPECT_EQ(f.targetText()[VesselA], "4");
             EXPECT_TRUE(f.arrowUnlimited()->isHidden());
         }},
        {"amount above the capacity",
         [](TaskKeys& k) {
             setKey(k, "sbet", "15");
             setKey(k, "sbem", "12");
         },
         nullptr,
         [](const MainWindow& f) {
             EXPECT_EQ(f.vesselView(VesselB)->amount(), 12);
             EXPECT_EQ(textOf(f, "esb"), QStringLiteral("15/12"));
         }},
        {"captions keep the file's texts",
         [](TaskKeys& k) {
             setKey(k, "sbet", "05");
             setKey(k, "sbem", "12");
         },
         nullptr,
         [](const MainWindow& f) {
             EXPECT_EQ(f.vesselView(VesselB)->amount(), 5);
             EXPECT_EQ(textOf(f, "esb"), QStringLiteral("05/12"));
         }},
        {"target kept as text", [](TaskKeys& k) { setKey(k, "sber", "07"); }, nullptr,
         [](const MainWindow& f) { EXPECT_EQ(f.targetText()[VesselB], "07"); }},
        {"flags keep their low 16 bits",
         [](TaskKeys& k) {
             setKey(k, "krres", "65537");
             setKey(k, "sasl", "65536");
         },
         nullptr,
         [](const MainWindow& f) {
             EXPECT_EQ(f.solutionControl(), 1);
             EXPECT_EQ(f.pourBackAllowed(), 0);
         }},
        {"negative capacity", [](TaskKeys& k) { setKey(k, "svem", "-1"); },
         "Value must be between 1 and 2147483647.", nullptr},
        {"missing height", [](TaskKeys& k) { removeKey(k, "svh"); }, "'''' is not a valid integer value.",
         nullptr},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        // Every file is opened over a task in progress, which it replaces.
        platform.errors.clear();
        openKeys(testing::classicTaskKeys());
        step(VesselA, VesselB);
        TaskKeys keys = testing::classicTaskKeys();
        row.change(keys);
        const QString file = write(keys, QStringLiteral("changed.tmk"));
        open(file);
        if (row.error) {
            EXPECT_EQ(errorMessages(), QStringList{QString::fromUtf8(row.error)});
            // Nothing of the broken task stays on screen: the window has no task.
            expectNoTask();
        } else {
            EXPECT_EQ(errorMessages(), QStringList());
            EXPECT_EQ(path(), file);
            EXPECT_EQ(grid()->rowCount(), 0);
            EXPECT_TRUE(shown("cnz"));
            row.check(*form);
        }
    }
}

TEST_F(LifecycleTest, OldFilesInTheWindowsCodePageKeepTheirCyrillic) {
    const std::string text = "[trimerka]\r\nksz=0\r\nzs0=" + toWindows1251(QStringLiteral("Налейте воды")) +
                             "\r\nns=" + toWindows1251(QStringLiteral("Ёмкости")) +
                             "\r\nns1=" + toWindows1251(QStringLiteral("Бочка")) + "\r\n";
    TaskKeys rest = testing::classicTaskKeys();
    for (const char* key : {"ksz", "zs0", "zs1", "ns", "ns1"}) {
        testing::removeKey(rest, key);
    }
    const std::string all = text + testing::taskFileText(rest).substr(std::string("[trimerka]\r\n").size());
    open(testing::writeFile(QDir(folder.path()), QStringLiteral("old.tmk"), all));
    EXPECT_EQ(errorMessages(), QStringList());
    EXPECT_EQ(statement(), QStringLiteral(" Налейте воды"));
    EXPECT_EQ(grid()->columns()[1].title(), QStringLiteral("Ёмкости|Бочка"));
}

struct Session {
    const char* name;
    TaskKeys keys;
    std::vector<testing::PlayedStep> steps;
    QStringList announced; // the completed window's texts, in order
};

TEST_F(LifecycleTest, PupilPlaysTasksFromFiles) {
    const QString six = QStringLiteral("Количество шагов:  6");
    TaskKeys neverSolved = testing::classicTaskKeys();
    testing::setKey(neverSolved, "sber", "04");
    const Session sessions[] = {
        {"unlimited vessel with pouring back",
         testing::unlimitedTaskKeys(true),
         {
             {VesselA, VesselB, {"А - Б", "99 ( 99 - 5 )", "5 ( 0 + 5 )", "0"}, {"99 / 99", "5 / 5", "0/3"}},
             {VesselB, VesselV, {"Б - В", "99", "2 ( 5 - 3 )", "3 ( 0 + 3 )"}, {"99 / 99", "2 / 5", "3 / 3"}},
             {VesselV,
              VesselA,
              {"В - А", "99 ( 99 + 3 )", "2", "0 ( 3 - 3 )"},
              {"99 / 99", "2 / 5", "0 / 3"}},
             {VesselB, VesselV, {"Б - В", "99", "0 ( 2 - 2 )", "2 ( 0 + 2 )"}, {"99 / 99", "0 / 5", "2 / 3"}},
             {VesselA,
              VesselB,
              {"А - Б", "99 ( 99 - 5 )", "5 ( 0 + 5 )", "2"},
              {"99 / 99", "5 / 5", "2 / 3"}},
             {VesselB, VesselV, {"Б - В", "99", "4 ( 5 - 1 )", "3 ( 2 + 1 )"}, {"99 / 99", "4 / 5", "3 / 3"}},
         },
         {six}},
        {"unlimited vessel without pouring back",
         testing::unlimitedTaskKeys(false),
         {
             {VesselA, VesselB, {"А - Б", "99 ( 99 - 5 )", "5 ( 0 + 5 )", "0"}, {"99 / 99", "5 / 5", "0/3"}},
             {VesselB, VesselV, {"Б - В", "99", "2 ( 5 - 3 )", "3 ( 0 + 3 )"}, {"99 / 99", "2 / 5", "3 / 3"}},
             {VesselV,
              VesselA,
              {"В - А", "99 ( 99 + 0 )", "2", "3 ( 3 - 0 )"},
              {"99 / 99", "2 / 5", "3 / 3"}},
             {VesselB,
              VesselA,
              {"Б - А", "99 ( 99 + 0 )", "2 ( 2 - 0 )", "3"},
              {"99 / 99", "2 / 5", "3 / 3"}},
         },
         {}},
        {"target written 07 is never reached", neverSolved, testing::classicSolution(), {}},
    };
    QStringList announced;
    platform.onModal = [&](QDialog& dialog) {
        announced << dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text();
    };
    for (const auto& session : sessions) {
        SCOPED_TRACE(session.name);
        announced.clear();
        openKeys(session.keys);
        ASSERT_EQ(errorMessages(), QStringList());
        int number = 0;
        for (const auto& played : session.steps) {
            SCOPED_TRACE(++number);
            step(played.source, played.destination);
            ASSERT_EQ(grid()->rowCount(), number);
            for (int c = 0; c < 4; ++c) {
                EXPECT_EQ(grid()->cellText(c, number - 1), QString::fromUtf8(played.cells[c])) << c;
            }
            for (int v = 0; v < kVesselCount; ++v) {
                EXPECT_EQ(caption(v), QString::fromUtf8(played.captions[v])) << v;
            }
        }
        EXPECT_EQ(announced, session.announced);
    }
}

TEST_F(LifecycleTest, RestartRereadsTheFileAndKeepsTheTextSize) {
    TaskKeys keys = testing::classicTaskKeys();
    const QString file = write(keys);
    open(file);
    find<QToolButton>("SpeedButton2")->click();
    find<QToolButton>("SpeedButton2")->click();
    step(VesselA, VesselB);
    step(VesselB, VesselV);
    step(VesselV, VesselA);
    QTest::mouseClick(vesselButton(VesselB), Qt::LeftButton);

    find<QToolButton>("sz")->click();
    EXPECT_EQ(errorMessages(), QStringList());
    EXPECT_EQ(path(), file);
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_EQ(panel(), QStringLiteral("- - -"));
    EXPECT_FALSE(find("vipolnit")->isEnabled());
    const char* captions[] = {"8/8", "0/5", "0/3"};
    const int amounts[] = {8, 0, 0};
    for (int v = 0; v < kVesselCount; ++v) {
        SCOPED_TRACE(v);
        EXPECT_FALSE(vesselButton(v)->isChecked());
        EXPECT_TRUE(vesselButton(v)->isEnabled());
        EXPECT_EQ(caption(v), QString::fromUtf8(captions[v]));
        EXPECT_EQ(form->vesselView(v)->amount(), amounts[v]);
    }
    EXPECT_EQ(form->textPoints(), 10);

    // What the file holds now is what a restart applies.
    testing::setKey(keys, "sbet", "2");
    write(keys);
    action("N11")->trigger();
    EXPECT_EQ(caption(VesselB), QStringLiteral("2/5"));
    EXPECT_EQ(form->vesselView(VesselB)->amount(), 2);

    // A file gone since the open fails at its first key; the window is then without a task.
    QFile::remove(file);
    find<QToolButton>("sz")->click();
    EXPECT_EQ(errorMessages(), QStringList{QStringLiteral("'''' is not a valid integer value.")});
    expectNoTask();
    EXPECT_EQ(form->textPoints(), 10);
}

TEST_F(LifecycleTest, CloseReturnsToTheEmptyWindow) {
    open(write(testing::unlimitedTaskKeys(true)));
    step(VesselA, VesselB);
    step(VesselB, VesselV);
    find<QToolButton>("zz")->click();
    expectNoTask();
    EXPECT_TRUE(platform.errors.empty());
    // The flags are not part of the reset.
    EXPECT_EQ(form->unlimitedSource(), 1);
}

TEST_F(LifecycleTest, TargetStateWindowShowsTheTargets) {
    TaskKeys keys = testing::classicTaskKeys();
    testing::setKey(keys, "sbh", "120");
    testing::setKey(keys, "sbem", "8");
    open(write(keys));
    step(VesselA, VesselB);
    QString targetCaption;
    int targetAmount = -1;
    platform.onModal = [&](QDialog& dialog) {
        targetCaption = dialog.findChild<QLabel*>(QStringLiteral("esb"))->text();
        targetAmount = dialog.findChild<VesselView*>(QStringLiteral("sb"))->amount();
    };
    find<QToolButton>("cnz")->click();
    EXPECT_EQ(platform.modalShown, QStringList{targetState->objectName()});
    EXPECT_EQ(targetCaption, QStringLiteral("4/8"));
    EXPECT_EQ(targetAmount, 4);
    // The main window keeps its own state.
    EXPECT_EQ(grid()->rowCount(), 1);
    EXPECT_EQ(form->vesselView(VesselB)->amount(), 8);
}

TEST_F(LifecycleTest, TargetThatIsNoNumberShowsNoTargetWindow) {
    TaskKeys keys = testing::classicTaskKeys();
    testing::setKey(keys, "sber", "abc");
    open(write(keys));
    ASSERT_EQ(errorMessages(), QStringList());
    find<QToolButton>("cnz")->click();
    EXPECT_EQ(errorMessages(), QStringList{QStringLiteral("''abc'' is not a valid integer value.")});
    EXPECT_TRUE(platform.modalShown.isEmpty());
    EXPECT_TRUE(shown("cnz"));
}

TEST_F(LifecycleTest, EveryExampleTaskCanBeSolvedInTheWindow) {
    const QDir examples(QStringLiteral(TRIMERKA_SOURCE_DIR "/examples"));
    const QStringList files = examples.entryList({QStringLiteral("*.tmk")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 5);
    QStringList announced;
    platform.onModal = [&](QDialog& dialog) {
        announced << dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text();
    };
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        announced.clear();
        const QString file = examples.filePath(name);
        open(file);
        ASSERT_EQ(errorMessages(), QStringList());
        EXPECT_EQ(form->solutionControl(), 1);
        const SolverResult result = Solve(ReadExecutorTask(toFilePath(file)));
        ASSERT_TRUE(result.solvable());
        for (const PourCommand& command : result.solution) {
            step(command.source, command.destination);
        }
        EXPECT_EQ(grid()->rowCount(), result.minimalSteps);
        EXPECT_EQ(announced, QStringList{QStringLiteral("Количество шагов:  %1").arg(result.minimalSteps)});
    }
}

} // namespace
} // namespace trimerka
