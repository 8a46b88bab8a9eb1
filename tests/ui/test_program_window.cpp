#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTextBlock>

#include "support/AccessibilityEvents.h"
#include "support/MainWindowFixture.h"
#include "support/NamedRows.h"
#include "support/WindowChecks.h"
#include "ui/ProgramEditor.h"
#include "ui/ProgramWindow.h"

namespace trimerka {
namespace {

using rows::PrintTo;
using testing::AccessibilityEvents;
using testing::classicSolution;
using testing::classicTaskKeys;
using testing::namedChild;
using RunState = ProgramWindow::RunState;
using Mark = ProgramEditor::Mark;

// The classic 8/5/3 task solved by a general rule rather than a list: it pours the seven commands of the
// solution by hand, and the targets are reached on the seventh.
const char* const kClassicLoop = "| 8, 5, 3: по 4 литра в А и Б\n"
                                 "нц пока Б <> 4\n"
                                 "  если Б = 0 то А - Б все\n"
                                 "  Б - В\n"
                                 "  если В = 3 то В - А все\n"
                                 "кц\n";
// A loop that never ends by itself and executes a command on every turn.
const char* const kEndlessLoop = "нц пока А = А\n"
                                 "  А - Б\n"
                                 "  Б - А\n"
                                 "кц\n";

// The assembled program with the classic task open and the window «Программа» opened by F4.
class ProgramWindowFixture : public testing::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        openKeys(task());
        program = windows.program;
        ASSERT_NE(program, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_F4);
        ASSERT_TRUE(program->isVisible());
        // A dialog counts as active while its owner is; the keys of the window need it active itself.
        program->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == program; }));
        editor = namedChild<ProgramEditor>(*program, "programText");
        choosePace(0);
    }
    virtual testing::TaskKeys task() const { return classicTaskKeys(); }

    QPushButton* button(const char* name) const { return namedChild<QPushButton>(*program, name); }
    QString status() const { return namedChild<QLabel>(*program, "statusLine")->text(); }
    // The pupil's text, as if typed.
    void setText(const QString& text) const {
        editor->setPlainText(text);
        editor->document()->setModified(true);
    }
    // A key pressed in the window «Программа», wherever its focus is.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QWidget* focused = program->focusWidget();
        QTest::keyClick(focused != nullptr ? focused : program, static_cast<Qt::Key>(key), modifiers);
    }
    void choosePace(int milliseconds) const {
        auto* chooser = namedChild<QComboBox>(*program, "paceChooser");
        chooser->setCurrentIndex(chooser->findData(milliseconds));
        ASSERT_EQ(chooser->currentData().toInt(), milliseconds);
    }
    void press(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    // Runs the program with «Пуск» and waits for its end.
    void runToEnd() const {
        press("runButton");
        EXPECT_TRUE(waitForEnd()) << status().toStdString();
    }
    // Lets the program run (without the pauses QTest::qWait makes between its turns) until its end.
    bool waitForEnd() const {
        QElapsedTimer clock;
        clock.start();
        while (program->runState() != RunState::Idle && clock.elapsed() < 60000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
        }
        return program->runState() == RunState::Idle;
    }
    bool waitForRows(int rows) const {
        return QTest::qWaitFor([&] { return grid()->rowCount() >= rows; }, 5000);
    }
    // The step log, one row a line with TAB-separated cells.
    QStringList log() const {
        QStringList rows;
        for (int r = 0; r < grid()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 4; ++c) {
                cells << grid()->cellText(c, r);
            }
            rows << cells.join(QLatin1Char('\t'));
        }
        return rows;
    }
    static QStringList classicLog() {
        QStringList rows;
        for (const auto& step : classicSolution()) {
            QStringList cells;
            for (const char* cell : step.cells) {
                cells << QString::fromUtf8(cell);
            }
            rows << cells.join(QLatin1Char('\t'));
        }
        return rows;
    }
    // The pupil's own controls in the main window, which a running program locks.
    bool pupilControlsEnabled() const {
        return vesselButton(VesselA)->isEnabled() && vesselButton(VesselB)->isEnabled() &&
               vesselButton(VesselV)->isEnabled();
    }
    QString programFile(const char* name, const std::string& bytes) const {
        return testing::writeFile(QDir(folder.path()), QString::fromUtf8(name), bytes);
    }

    ProgramWindow* program = nullptr;
    ProgramEditor* editor = nullptr;
};

TEST_F(ProgramWindowFixture, ProgramSolvesTheTaskWithTheRowsOfTheSolutionByHand) {
    setText(QString::fromUtf8(kClassicLoop));
    runToEnd();
    EXPECT_EQ(log(), classicLog());
    EXPECT_EQ(platform.modalShown, QStringList{QStringLiteral("Form11")});
    EXPECT_EQ(status(), QStringLiteral("Цель достигнута на шаге 7 — задание выполнено."));
    EXPECT_EQ(caption(VesselA), QStringLiteral("4 / 8"));
    // After the run the pupil may go on by hand.
    EXPECT_TRUE(pupilControlsEnabled());
    EXPECT_FALSE(editor->isReadOnly());
    step(VesselA, VesselV);
    EXPECT_EQ(grid()->rowCount(), 8);
}

TEST_F(ProgramWindowFixture, ProgramStartsAsRestartDoes) {
    step(VesselA, VesselB);
    step(VesselB, VesselV);
    click(VesselA);
    setText(QStringLiteral("А - В"));
    runToEnd();
    EXPECT_EQ(log(), QStringList{QStringLiteral("А - В\t5 ( 8 - 3 )\t0\t3 ( 0 + 3 )")});
    EXPECT_EQ(panel(), QStringLiteral("- - -"));
    EXPECT_FALSE(vesselButton(VesselA)->isChecked());
}

struct EndingCase {
    const char* name;
    const char* program;
    const char* solutionControl;
    int rows;
    bool completed;
    const char* status;
    int markedLine; // 0: no mark
    Mark mark = Mark::Executing;
};

class ProgramEndings : public ProgramWindowFixture, public ::testing::WithParamInterface<EndingCase> {
protected:
    testing::TaskKeys task() const override {
        auto keys = classicTaskKeys();
        testing::setKey(keys, "krres", GetParam().solutionControl);
        return keys;
    }
};

TEST_P(ProgramEndings, StatusLineSaysHowTheRunEnded) {
    const EndingCase& c = GetParam();
    setText(QString::fromUtf8(c.program));
    runToEnd();
    EXPECT_EQ(grid()->rowCount(), c.rows);
    EXPECT_EQ(platform.modalShown.contains(QStringLiteral("Form11")), c.completed);
    EXPECT_EQ(status(), QString::fromUtf8(c.status));
    EXPECT_EQ(editor->markedLine(), c.markedLine);
    if (c.markedLine != 0) {
        EXPECT_EQ(editor->mark(), c.mark);
    }
    EXPECT_TRUE(pupilControlsEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ProgramEndings,
    ::testing::Values(
        EndingCase{"FinishedWithTheStepCount", "А - Б\nБ - В\n", "1", 2, false,
                   "Программа выполнена до конца: 2 шага.", 0},
        EndingCase{"TargetsReachedEndTheRun", kClassicLoop, "1", 7, true,
                   "Цель достигнута на шаге 7 — задание выполнено.", 5},
        EndingCase{"WithoutSolutionControlTheRunGoesOn",
                   "нц пока Б <> 4\n  если Б = 0 то А - Б все\n"
                   "  Б - В\n  если В = 3 то В - А все\nкц\nА - В\n",
                   "0", 8, false, "Программа выполнена до конца: 8 шагов.", 0},
        EndingCase{"CommandLimit", kEndlessLoop, "1", kMaxProgramCommands, false,
                   "Строка 2: выполнено 10 000 команд, а программа не закончилась; возможно, цикл никогда не "
                   "кончится.",
                   2, Mark::Error},
        EndingCase{"CommentsAloneRunNothing", "| пока пусто\n\n", "1", 0, false,
                   "В программе нет ни одной команды. Команда пишется так: А - Б.", 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct SyntaxCase {
    const char* name;
    const char* program;
    int line;
    const char* status;
};

class ProgramSyntaxErrors : public ProgramWindowFixture, public ::testing::WithParamInterface<SyntaxCase> {};

TEST_P(ProgramSyntaxErrors, MarkTheirLineAndRunNothing) {
    const SyntaxCase& c = GetParam();
    step(VesselA, VesselB);
    const QStringList before = log();
    setText(QString::fromUtf8(c.program));
    press("runButton");
    EXPECT_EQ(program->runState(), RunState::Idle);
    EXPECT_EQ(log(), before) << "the task was not restarted";
    EXPECT_EQ(status(), QString::fromUtf8(c.status));
    EXPECT_EQ(editor->markedLine(), c.line);
    EXPECT_EQ(editor->mark(), Mark::Error);
    EXPECT_EQ(editor->textCursor().blockNumber() + 1, c.line);
    EXPECT_TRUE(pupilControlsEnabled());
    // The mark goes when the pupil edits the text.
    QTest::keyClick(editor, Qt::Key_Space);
    EXPECT_EQ(editor->markedLine(), 0);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramSyntaxErrors,
                         ::testing::Values(SyntaxCase{"NoSuchVessel", "А - Б\nБ - В\nГ - А\n", 3,
                                                      "Строка 3: «Г - А» — нет такого сосуда"},
                                           SyntaxCase{"LoopNotClosed", "нц 3 раз\n  А - Б\n  Б - В\n", 3,
                                                      "Строка 3: нет «кц» для «нц» из строки 1"},
                                           SyntaxCase{"ConditionCutShort", "А - Б\nнц пока А >\nкц\n", 2,
                                                      "Строка 2: в условии ожидается сосуд (А, Б, В) или "
                                                      "число, а здесь конец строки"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramWindowFixture, StepRunsToTheNextCommandAndMarksTheLineToRunNext) {
    setText(QStringLiteral("нц 2 раз\n  А - Б\n  Б - В\nкц\n"));
    press("stepButton");
    EXPECT_EQ(program->runState(), RunState::Paused);
    EXPECT_EQ(log(), QStringList{QStringLiteral("А - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\t0")});
    EXPECT_EQ(editor->markedLine(), 3);
    EXPECT_EQ(editor->mark(), Mark::Next);
    // Paused mid-way, the program holds the vessels.
    EXPECT_FALSE(pupilControlsEnabled());
    EXPECT_FALSE(executeEnabled());
    EXPECT_TRUE(editor->isReadOnly());
    EXPECT_TRUE(button("stopButton")->isEnabled());
    EXPECT_FALSE(button("openButton")->isEnabled());

    key(Qt::Key_F8);
    EXPECT_EQ(grid()->rowCount(), 2);
    const int loopHead = editor->markedLine();
    EXPECT_TRUE(loopHead == 1 || loopHead == 4) << loopHead;
    key(Qt::Key_F8);
    EXPECT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(editor->markedLine(), 3);

    // «Пуск» goes on from there.
    key(Qt::Key_F9);
    EXPECT_TRUE(waitForEnd());
    EXPECT_EQ(grid()->rowCount(), 4);
    EXPECT_EQ(status(), QStringLiteral("Программа выполнена до конца: 4 шага."));
}

TEST_F(ProgramWindowFixture, StopHaltsALongLoopAfterTheCurrentStep) {
    choosePace(100);
    setText(QString::fromUtf8(kEndlessLoop));
    press("runButton");
    EXPECT_EQ(program->runState(), RunState::Running);
    ASSERT_TRUE(waitForRows(3));
    // While the program runs, the pupil's controls and its text are locked.
    EXPECT_FALSE(pupilControlsEnabled());
    EXPECT_FALSE(executeEnabled());
    EXPECT_TRUE(editor->isReadOnly());
    EXPECT_FALSE(button("runButton")->isEnabled());
    EXPECT_FALSE(button("stepButton")->isEnabled());
    EXPECT_EQ(editor->mark(), Mark::Executing);
    EXPECT_TRUE(status().startsWith(QStringLiteral("Выполняется строка "))) << status().toStdString();

    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(program->runState(), RunState::Idle);
    const int rows = grid()->rowCount();
    QTest::qWait(300);
    EXPECT_EQ(grid()->rowCount(), rows);
    // The loop pours А - Б on its odd steps (line 2) and Б - А on its even ones (line 3).
    const int line = rows % 2 == 1 ? 2 : 3;
    EXPECT_TRUE(status().startsWith(
        QStringLiteral("Программа остановлена кнопкой «Стоп» на строке %1; сделано %2 ").arg(line).arg(rows)))
        << status().toStdString();
    EXPECT_TRUE(pupilControlsEnabled());
    EXPECT_TRUE(program->isVisible()) << "Esc stopped the run and left the window open";
}

struct InterruptionCase {
    const char* name;
    void (*interrupt)(ProgramWindowFixture&);
};

class ProgramInterruptions : public ProgramWindowFixture,
                             public ::testing::WithParamInterface<InterruptionCase> {
public:
    void clickToolbar(const char* name) { find<QToolButton>(name)->click(); }
    void openAgain() { open(write(classicTaskKeys(), QStringLiteral("other.tmk"))); }
    void closeProgramWindow() { program->close(); }
};

TEST_P(ProgramInterruptions, EndTheRun) {
    choosePace(100);
    setText(QString::fromUtf8(kEndlessLoop));
    press("runButton");
    ASSERT_TRUE(waitForRows(2));
    GetParam().interrupt(*this);
    EXPECT_EQ(program->runState(), RunState::Idle);
    const int rows = grid()->rowCount();
    QTest::qWait(300);
    EXPECT_EQ(grid()->rowCount(), rows);
    EXPECT_FALSE(editor->isReadOnly());
}

INSTANTIATE_TEST_SUITE_P(
    TaskAndWindow, ProgramInterruptions,
    ::testing::Values(InterruptionCase{"Restart",
                                       [](ProgramWindowFixture& f) {
                                           static_cast<ProgramInterruptions&>(f).clickToolbar("sz");
                                       }},
                      InterruptionCase{"CloseTask",
                                       [](ProgramWindowFixture& f) {
                                           static_cast<ProgramInterruptions&>(f).clickToolbar("zz");
                                       }},
                      InterruptionCase{
                          "OpenAnotherTask",
                          [](ProgramWindowFixture& f) { static_cast<ProgramInterruptions&>(f).openAgain(); }},
                      InterruptionCase{"CloseTheProgramWindow",
                                       [](ProgramWindowFixture& f) {
                                           static_cast<ProgramInterruptions&>(f).closeProgramWindow();
                                       }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramWindowFixture, MenuItemFollowsCloseTaskAndIsOfferedWhileATaskIsOpen) {
    const QList<QAction*> items = find<QMenu>("N3")->actions();
    const auto at = [&](const char* name) { return items.indexOf(action(name)); };
    EXPECT_EQ(at("programItem"), at("N10") + 1);
    EXPECT_EQ(action("programItem")->text(), QStringLiteral("Программа…"));
    openTaskMenu();
    EXPECT_TRUE(action("programItem")->isEnabled());

    program->close();
    find<QToolButton>("zz")->click();
    openTaskMenu();
    EXPECT_FALSE(action("programItem")->isEnabled());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_F4);
    EXPECT_FALSE(program->isVisible()) << "F4 without a task";

    openKeys(classicTaskKeys());
    openTaskMenu();
    action("programItem")->trigger();
    EXPECT_TRUE(program->isVisible());
}

TEST_F(ProgramWindowFixture, TextStaysAcrossShowingsAndTasks) {
    setText(QStringLiteral("А - Б"));
    program->close();
    openKeys(classicTaskKeys());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_F4);
    ASSERT_TRUE(program->isVisible());
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("А - Б"));
}

TEST_F(ProgramWindowFixture, SavesUtf8TextInTheTaskSaveFolder) {
    platform.saveDirectory = folder.filePath(QStringLiteral("saved"));
    setText(QStringLiteral("нц 2 раз\n  А - Б\nкц"));
    const QString path = folder.filePath(QStringLiteral("решение.txt"));
    platform.saveAnswers.push_back(path);
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].directory, platform.saveDirectory);
    EXPECT_EQ(platform.saveRequests[0].defaultSuffix, QStringLiteral("txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("нц 2 раз\n  А - Б\nкц\n"));
    EXPECT_FALSE(editor->document()->isModified());
    EXPECT_EQ(status(), QStringLiteral("Программа сохранена в файл «решение.txt»."));
}

TEST_F(ProgramWindowFixture, OpensAProgramFileAndRefusesOneThatIsNotText) {
    platform.openAnswers.push_back(programFile("win.txt", "\xC0 - \xC1\r\n\xC1 - \xC2\r\n"));
    press("openButton");
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("А - Б\nБ - В"));
    EXPECT_FALSE(editor->document()->isModified());

    platform.openAnswers.push_back(programFile("picture.txt", std::string("\x89PNG\r\n\x1A\n\0\0", 10)));
    press("openButton");
    EXPECT_EQ(errorMessages(),
              QStringList{QStringLiteral("Файл «picture.txt»: не текст: в нём есть нулевые байты.")});
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("А - Б\nБ - В"));
}

TEST_F(ProgramWindowFixture, OpeningOverUnsavedTextAsksFirst) {
    setText(QStringLiteral("А - Б"));
    platform.saveQuestionAnswers.push_back(SaveAnswer::Cancel);
    const std::size_t dialogs = platform.openRequests.size();
    press("openButton");
    EXPECT_EQ(platform.saveQuestions.size(), 1);
    EXPECT_EQ(platform.openRequests.size(), dialogs) << "no open dialog after «Отмена»";
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("А - Б"));
}

struct QuitCase {
    const char* name;
    const char* text;
    std::optional<SaveAnswer> answer; // none: no question is asked
    bool saveDialogChoosesFile;
    bool quits;
};

class QuittingWithAProgram : public ProgramWindowFixture, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(QuittingWithAProgram, AsksAboutUnsavedText) {
    const QuitCase& c = GetParam();
    setText(QString::fromUtf8(c.text));
    if (c.answer) {
        platform.saveQuestionAnswers.push_back(*c.answer);
    }
    const QString path = folder.filePath(QStringLiteral("при выходе.txt"));
    if (c.saveDialogChoosesFile) {
        platform.saveAnswers.push_back(path);
    }
    find<QToolButton>("CloseProg")->click();
    EXPECT_EQ(platform.saveQuestions.size(), c.answer ? 1 : 0);
    EXPECT_EQ(form->isVisible(), !c.quits);
    EXPECT_EQ(QFile::exists(path), c.saveDialogChoosesFile);
}

INSTANTIATE_TEST_SUITE_P(
    Exit, QuittingWithAProgram,
    ::testing::Values(QuitCase{"EmptyTextQuitsAtOnce", "", std::nullopt, false, true},
                      QuitCase{"BlankTextQuitsAtOnce", "  \n\n", std::nullopt, false, true},
                      QuitCase{"CancelStays", "А - Б", SaveAnswer::Cancel, false, false},
                      QuitCase{"DiscardQuits", "А - Б", SaveAnswer::Discard, false, true},
                      QuitCase{"SaveWritesAndQuits", "А - Б", SaveAnswer::Save, true, true},
                      QuitCase{"SaveDialogCancelledStays", "А - Б", SaveAnswer::Save, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramWindowFixture, SavedTextQuitsWithoutAQuestion) {
    setText(QStringLiteral("А - Б"));
    platform.saveAnswers.push_back(folder.filePath(QStringLiteral("p.txt")));
    press("saveButton");
    find<QToolButton>("CloseProg")->click();
    EXPECT_TRUE(platform.saveQuestions.isEmpty());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ProgramWindowFixture, ScreenReaderHearsTheEditorsNameAndEveryStatus) {
    const AccessibilityEvents recorder;
    EXPECT_EQ(editor->accessibleName(), QStringLiteral("Программа"));
    EXPECT_EQ(namedChild<QComboBox>(*program, "paceChooser")->accessibleName(), QStringLiteral("Скорость"));
    choosePace(100);
    setText(QStringLiteral("А - Б\nБ - В"));
    runToEnd();
    QStringList said;
    for (const auto& event : recorder.ofType(QAccessible::NameChanged)) {
        if (event.object == namedChild<QLabel>(*program, "statusLine")) {
            said << event.name;
        }
    }
    EXPECT_EQ(said,
              (QStringList{QStringLiteral("Выполняется строка 1"), QStringLiteral("Выполняется строка 2"),
                           QStringLiteral("Программа выполнена до конца: 2 шага.")}));
}

TEST_F(ProgramWindowFixture, EveryControlIsReachedByTab) {
    QStringList reached;
    editor->setFocus();
    QWidget* at = editor;
    for (int i = 0; i < 8 && at != nullptr; ++i) {
        reached << at->objectName();
        at = at->nextInFocusChain();
        while (at != nullptr && at != editor && !(at->focusPolicy() & Qt::TabFocus)) {
            at = at->nextInFocusChain();
        }
    }
    for (const char* name : {"programText", "runButton", "stepButton", "stopButton", "paceChooser",
                             "openButton", "saveButton"}) {
        EXPECT_TRUE(reached.contains(QLatin1String(name))) << name;
    }
}

TEST_F(ProgramWindowFixture, WindowIsOwnedByTheMainWindowBesideItAndResizable) {
    EXPECT_EQ(program->parentWidget(), form);
    EXPECT_FALSE(program->isModal());
    EXPECT_EQ(program->windowType(), Qt::Dialog);
    EXPECT_NE(program->minimumSize(), program->maximumSize());
    const QRect screen = program->screen()->availableGeometry();
    const QRect main = form->frameGeometry();
    const QRect placed = program->frameGeometry();
    EXPECT_TRUE(screen.contains(placed)) << "on the screen";
    if (screen.right() - main.right() >= placed.width()) {
        EXPECT_EQ(placed.left(), main.right() + 1) << "at the right of the main window";
    }
}

} // namespace
} // namespace trimerka
