#include <array>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "support/ConstructorFixture.h"
#include "support/MainWindowFixture.h"
#include "support/NamedRows.h"
#include "ui/AboutWindow.h"
#include "ui/ConstructorWindow.h"
#include "ui/FocusMarks.h"

namespace trimerka {
namespace {

using rows::PrintTo;
using testing::classicSolution;
using testing::classicTaskKeys;

// One key as the keyboard delivers it: the key, the modifiers held and the text it types.
struct Stroke {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

const Stroke kOne{Qt::Key_1, kNone, "1"};
const Stroke kTwo{Qt::Key_2, kNone, "2"};
const Stroke kThree{Qt::Key_3, kNone, "3"};
const Stroke kEnter{Qt::Key_Return, kNone, "\r"};
const Stroke kKeypadEnter{Qt::Key_Enter, kKeypad, "\r"};
const Stroke kBackspace{Qt::Key_Backspace, kNone, "\b"};
const Stroke kEscape{Qt::Key_Escape, kNone, "\x1b"};
const Stroke kTab{Qt::Key_Tab, kNone, "\t"};
const Stroke kSpace{Qt::Key_Space, kNone, " "};

// Each vessel's keys in the forms a keyboard produces them: digit, keypad digit, Cyrillic and Latin letter in
// lower case (no Shift) and upper case (with Shift).
const std::array<std::array<Stroke, 6>, 3> kVesselStrokes = {{
    {{{Qt::Key_1, kNone, "1"},
      {Qt::Key_1, kKeypad, "1"},
      {0x0410, kNone, "а"},
      {0x0410, kShift, "А"},
      {Qt::Key_A, kNone, "a"},
      {Qt::Key_A, kShift, "A"}}},
    {{{Qt::Key_2, kNone, "2"},
      {Qt::Key_2, kKeypad, "2"},
      {0x0411, kNone, "б"},
      {0x0411, kShift, "Б"},
      {Qt::Key_B, kNone, "b"},
      {Qt::Key_B, kShift, "B"}}},
    {{{Qt::Key_3, kNone, "3"},
      {Qt::Key_3, kKeypad, "3"},
      {0x0412, kNone, "в"},
      {0x0412, kShift, "В"},
      {Qt::Key_V, kNone, "v"},
      {Qt::Key_V, kShift, "V"}}},
}};

// Counts the mouse events the application delivers, synthetic ones included.
class MouseEventCounter : public QObject {
public:
    MouseEventCounter() { qApp->installEventFilter(this); }
    ~MouseEventCounter() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            ++count;
            break;
        default:
            break;
        }
        return false;
    }
};

class KeyboardTest : public testing::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        constructor = windows.constructor;
        about = windows.about;
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }

    // A key as the pupil types it: it goes to the control with the focus, or to the window when none has it.
    void type(const Stroke& stroke) {
        QWidget* target = QApplication::focusWidget();
        QTest::sendKeyEvent(QTest::Click, target ? target : form, static_cast<Qt::Key>(stroke.key),
                            QString::fromUtf8(stroke.text), stroke.modifiers);
    }
    void type(const std::vector<Stroke>& strokes) {
        for (const Stroke& stroke : strokes) {
            type(stroke);
        }
    }
    // Ctrl+O and the typed path in the open dialog.
    void openByKeys() {
        platform.openAnswers.push_back(write(classicTaskKeys()));
        type({Qt::Key_O, kCtrl, ""});
        ASSERT_TRUE(shown("cnz"));
    }
    // The classic task with its first step done.
    void openWithOneStep() {
        openByKeys();
        type({kOne, kTwo, kEnter});
        ASSERT_EQ(grid()->rowCount(), 1);
    }
    std::array<bool, 3> pressed() const {
        return {vesselButton(VesselA)->isChecked(), vesselButton(VesselB)->isChecked(),
                vesselButton(VesselV)->isChecked()};
    }

    QDialog* constructor = nullptr;
    QDialog* about = nullptr;
};

TEST_F(KeyboardTest, PupilSolvesTheClassicTaskByKeysAlone) {
    const MouseEventCounter mouse;
    QString completedText;
    QString completedDescription;
    bool completedMarked = false;
    platform.onModal = [&](QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("Form11")) {
            completedText = dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text();
            completedDescription = dialog.accessibleDescription();
            completedMarked = dialog.testAttribute(Qt::WA_KeyboardFocusChange);
        }
    };

    openByKeys();
    const auto solution = classicSolution();
    for (std::size_t i = 0; i < solution.size(); ++i) {
        // Every form of the keys takes its turn: digits, keypad, Cyrillic and Latin letters in both cases.
        type(kVesselStrokes[solution[i].source][i % 6]);
        type(kVesselStrokes[solution[i].destination][(i + 3) % 6]);
        type(i % 2 == 0 ? kEnter : kKeypadEnter);
    }

    ASSERT_EQ(grid()->rowCount(), 7);
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(grid()->cellText(column, row), QString::fromUtf8(solution[row].cells[column]))
                << row << ", " << column;
        }
    }
    EXPECT_EQ(platform.modalShown, QStringList{QStringLiteral("Form11")});
    EXPECT_EQ(completedText, QStringLiteral("Количество шагов:  7"));
    EXPECT_EQ(completedDescription, QStringLiteral("Задание выполнено. Количество шагов: 7"));
    EXPECT_TRUE(completedMarked) << "a window the keyboard opened shows its focus marks";
    EXPECT_EQ(mouse.count, 0);
}

struct VesselKeyRow {
    const char* name;
    std::vector<Stroke> strokes;
    const char* panel;
    std::array<bool, 3> pressed;
    int rows;
};

const VesselKeyRow kVesselKeyRows[] = {
    {"digit_presses_its_vessel", {kOne}, "А - -", {true, false, false}, 0},
    {"digits_compose_a_command", {kOne, kTwo}, "А - Б", {true, true, false}, 0},
    {"cyrillic_letters_in_either_case",
     {{0x0411, kNone, "б"}, {0x0412, kShift, "В"}},
     "Б - В",
     {false, true, true},
     0},
    {"latin_letters_in_either_case",
     {{Qt::Key_V, kNone, "v"}, {Qt::Key_A, kShift, "A"}},
     "В - А",
     {true, false, true},
     0},
    {"keypad_digits",
     {{Qt::Key_3, kKeypad, "3"}, {Qt::Key_1, kKeypad, "1"}},
     "В - А",
     {true, false, true},
     0},
    {"second_stroke_releases", {kOne, kOne}, "- - -", {false, false, false}, 0},
    {"third_press_is_refused", {kOne, kTwo, kThree}, "А - Б", {true, true, false}, 0},
    {"backspace_releases_the_vessel_pressed_last",
     {kTwo, kOne, kBackspace},
     "Б - -",
     {false, true, false},
     0},
    {"backspace_follows_the_presses_not_the_slots",
     {kOne, kTwo, kOne, kThree, kBackspace},
     "- - Б",
     {false, true, false},
     0},
    {"backspace_twice_releases_both",
     {kOne, kTwo, kBackspace, kBackspace},
     "- - -",
     {false, false, false},
     0},
    {"escape_releases_all", {kThree, kOne, kEscape}, "- - -", {false, false, false}, 0},
    {"enter_runs_a_complete_command", {kOne, kTwo, kEnter}, "- - -", {false, false, false}, 1},
    {"keypad_enter_runs_it_as_well", {kOne, kTwo, kKeypadEnter}, "- - -", {false, false, false}, 1},
    {"enter_waits_for_a_complete_command", {kOne, kEnter}, "А - -", {true, false, false}, 0},
};

class VesselKeys : public KeyboardTest, public ::testing::WithParamInterface<VesselKeyRow> {};

TEST_P(VesselKeys, ActAsTheButtonsDo) {
    const VesselKeyRow& row = GetParam();
    openByKeys();
    type(row.strokes);
    EXPECT_EQ(panel(), QString::fromUtf8(row.panel));
    EXPECT_EQ(pressed(), row.pressed);
    EXPECT_EQ(grid()->rowCount(), row.rows);
}

INSTANTIATE_TEST_SUITE_P(Strokes, VesselKeys, ::testing::ValuesIn(kVesselKeyRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardTest, VesselKeysDoNothingWithoutATask) {
    type({kOne, kTwo, kEnter, kBackspace, kEscape});
    EXPECT_EQ(panel(), QStringLiteral("- - -"));
    EXPECT_EQ(pressed(), (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(grid()->rowCount(), 0);
}

struct ShortcutRow {
    const char* name;
    bool taskOpen; // with a task open and one step done
    std::vector<Stroke> strokes;
    QStringList modal;    // the windows shown
    int openDialogs;      // open dialogs asked for by the strokes
    int textPoints;       // the statement's size after the strokes
    int rows;             // step-log rows after the strokes
    bool taskOpenAfter;   // "Что нужно сделать" offered afterwards
    bool windowOpenAfter; // the main window still shown
};

const ShortcutRow kShortcutRows[] = {
    {"ctrl_o_chooses_a_task", false, {{Qt::Key_O, kCtrl, ""}}, {}, 1, 8, 0, false, true},
    {"ctrl_o_chooses_another_task", true, {{Qt::Key_O, kCtrl, ""}}, {}, 1, 8, 1, true, true},
    {"f5_restarts_the_task", true, {{Qt::Key_F5, kNone, ""}}, {}, 0, 8, 0, true, true},
    {"f5_without_a_task_does_nothing", false, {{Qt::Key_F5, kNone, ""}}, {}, 0, 8, 0, false, true},
    {"ctrl_w_closes_the_task", true, {{Qt::Key_W, kCtrl, ""}}, {}, 0, 8, 0, false, true},
    {"f2_shows_the_target_state",
     true,
     {{Qt::Key_F2, kNone, ""}},
     {QStringLiteral("Form3")},
     0,
     8,
     1,
     true,
     true},
    {"f2_without_a_task_does_nothing", false, {{Qt::Key_F2, kNone, ""}}, {}, 0, 8, 0, false, true},
    {"ctrl_n_opens_the_constructor",
     false,
     {{Qt::Key_N, kCtrl, ""}},
     {QStringLiteral("Form2")},
     0,
     8,
     0,
     false,
     true},
    {"ctrl_n_with_a_task_does_nothing", true, {{Qt::Key_N, kCtrl, ""}}, {}, 0, 8, 1, true, true},
    {"f1_shows_about", true, {{Qt::Key_F1, kNone, ""}}, {QStringLiteral("Form10")}, 0, 8, 1, true, true},
    {"ctrl_q_ends_the_program", false, {{Qt::Key_Q, kCtrl, ""}}, {}, 0, 8, 0, false, false},
    {"ctrl_plus_enlarges_the_statement", true, {{Qt::Key_Plus, kCtrl, "+"}}, {}, 0, 9, 1, true, true},
    {"ctrl_equal_and_ctrl_shift_plus_as_well",
     true,
     {{Qt::Key_Equal, kCtrl, "="}, {Qt::Key_Plus, kCtrl | kShift, "+"}, {Qt::Key_Plus, kCtrl | kKeypad, "+"}},
     {},
     0,
     11,
     1,
     true,
     true},
    {"ctrl_minus_reduces_the_statement",
     true,
     {{Qt::Key_Plus, kCtrl, "+"}, {Qt::Key_Plus, kCtrl, "+"}, {Qt::Key_Minus, kCtrl, "-"}},
     {},
     0,
     9,
     1,
     true,
     true},
    {"ctrl_minus_stops_at_eight_points",
     true,
     {{Qt::Key_Minus, kCtrl | kKeypad, "-"}},
     {},
     0,
     8,
     1,
     true,
     true},
    {"text_size_keys_wait_for_a_task", false, {{Qt::Key_Plus, kCtrl, "+"}}, {}, 0, 8, 0, false, true},
};

class Shortcuts : public KeyboardTest, public ::testing::WithParamInterface<ShortcutRow> {};

TEST_P(Shortcuts, FollowTheirMenuItems) {
    const ShortcutRow& row = GetParam();
    if (row.taskOpen) {
        openWithOneStep();
    }
    const std::size_t dialogsBefore = platform.openRequests.size();
    type(row.strokes);
    EXPECT_EQ(platform.modalShown, row.modal);
    EXPECT_EQ(static_cast<int>(platform.openRequests.size() - dialogsBefore), row.openDialogs);
    EXPECT_EQ(form->textPoints(), row.textPoints);
    EXPECT_EQ(grid()->rowCount(), row.rows);
    EXPECT_EQ(shown("cnz"), row.taskOpenAfter);
    EXPECT_EQ(form->isVisible(), row.windowOpenAfter);
    EXPECT_EQ(errorMessages(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Keys, Shortcuts, ::testing::ValuesIn(kShortcutRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct OpeningRow {
    const char* name;
    bool restart;             // the task is open with one step done, and is restarted
    const char* focusedFirst; // the control with the focus before the strokes, or none
    std::vector<Stroke> strokes;
};

const OpeningRow kOpeningRows[] = {
    {"ctrl_o", false, nullptr, {{Qt::Key_O, kCtrl, ""}}},
    {"space_on_the_open_button", false, "vz", {kSpace}},
    {"f5", true, nullptr, {{Qt::Key_F5, kNone, ""}}},
    {"space_on_the_restart_button", true, "sz", {kSpace}},
    {"f5_with_the_focus_on_a_vessel_button", true, "vsa", {{Qt::Key_F5, kNone, ""}}},
};

class FocusAfterOpening : public KeyboardTest, public ::testing::WithParamInterface<OpeningRow> {};

// A pupil who solves by keys may press Space or Enter once too often: the task stays as it is.
TEST_P(FocusAfterOpening, RestsWhereSpaceAndEnterChangeNothing) {
    const OpeningRow& row = GetParam();
    if (row.restart) {
        openWithOneStep();
    } else {
        platform.openAnswers.push_back(write(classicTaskKeys()));
    }
    if (row.focusedFirst) {
        find(row.focusedFirst)->setFocus(Qt::TabFocusReason);
    }
    type(row.strokes);
    ASSERT_TRUE(shown("cnz"));
    ASSERT_EQ(grid()->rowCount(), 0);
    EXPECT_EQ(QApplication::focusWidget(), find("fz")) << "the statement, which a screen reader reads";

    const std::size_t dialogs = platform.openRequests.size();
    type({kSpace, kEnter, kSpace});
    EXPECT_EQ(platform.openRequests.size(), dialogs) << "no task was chosen";
    EXPECT_EQ(pressed(), (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_TRUE(shown("cnz"));

    type({kOne, kTwo, kEnter});
    EXPECT_EQ(grid()->rowCount(), 1) << "the vessel keys and Enter still work";
    EXPECT_EQ(errorMessages(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Openings, FocusAfterOpening, ::testing::ValuesIn(kOpeningRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardTest, StatementLooksTheSameWithTheFocus) {
    open(write(classicTaskKeys()));
    QWidget* statement = find("fz");
    ASSERT_TRUE(statement->hasFocus());
    const QImage focused = statement->grab().toImage();
    type({Qt::Key_F5, kNone, ""}); // the keyboard is used: the focus marks show from now on
    ASSERT_TRUE(statement->hasFocus());
    const QImage marked = statement->grab().toImage();
    vesselButton(VesselA)->setFocus(Qt::OtherFocusReason);
    const QImage unfocused = statement->grab().toImage();
    EXPECT_EQ(focused, unfocused);
    EXPECT_EQ(marked, unfocused);
}

TEST_F(KeyboardTest, ToolbarTooltipsNameTheKeys) {
    const std::pair<const char*, const char*> tips[] = {
        {"vz", "Выбор задания (Ctrl+O)"}, {"cnz", "Что нужно сделать (F2)"},
        {"sz", "Начать заново (F5)"},     {"zz", "Закрыть задание (Ctrl+W)"},
        {"help", "О программе (F1)"},     {"CloseProg", "Выход (Ctrl+Q)"},
    };
    for (const auto& [name, tip] : tips) {
        EXPECT_EQ(find<QToolButton>(name)->toolTip(), QString::fromUtf8(tip)) << name;
    }
}

TEST_F(KeyboardTest, F10OpensTheFirstMenu) {
    type({Qt::Key_F10, kNone, ""});
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->objectName(), QStringLiteral("N1"));
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(KeyboardTest, TabVisitsToolbarTextSizeVesselsAndExecuteButNeverTheStepLog) {
    openByKeys();
    type({kOne, kTwo});
    find("vz")->setFocus(Qt::OtherFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 12; ++i) {
        type(kTab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"vz", "cnz", "sz", "zz", "help", "CloseProg", "SpeedButton2",
                                    "SpeedButton1", "vsa", "vsb", "vsv", "vipolnit", "vz"}));

    // A click on a toolbar or text-size button leaves the focus where it was.
    vesselButton(VesselV)->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(find("SpeedButton2"), Qt::LeftButton);
    QTest::mouseClick(find("help"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), vesselButton(VesselV));
}

TEST_F(KeyboardTest, StepLogKeepsItsOwnKeysAndF6ReachesIt) {
    openByKeys();
    type({kOne, kTwo, kEnter, kTwo, kThree, kEnter, kThree, kOne, kEnter});
    type({kOne, kTwo});

    type({Qt::Key_F6, kNone, ""});
    ASSERT_EQ(QApplication::focusWidget(), grid());
    EXPECT_EQ(grid()->selection(), (CellRange{0, 2, 3, 2})) << "the current row is selected whole";

    type({Qt::Key_Up, kNone, ""});
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(grid()->selection(), (CellRange{0, 1, 3, 1}));
    EXPECT_EQ(panel(), QStringLiteral("А - Б")) << "arrows belong to the step log";

    // Enter walks through the selected row, as the step log does with it.
    type(kEnter);
    EXPECT_EQ(grid()->currentColumn(), 1);
    EXPECT_EQ(grid()->rowCount(), 3) << "Enter ran no command";

    // The read-only log takes no typing, so the vessel keys and Escape work there.
    type(kThree);
    EXPECT_EQ(panel(), QStringLiteral("А - Б"));
    type(kEscape);
    EXPECT_EQ(panel(), QStringLiteral("- - -"));
    type(kOne);
    EXPECT_EQ(panel(), QStringLiteral("А - -"));

    type({Qt::Key_F6, kNone, ""});
    EXPECT_NE(QApplication::focusWidget(), grid());
}

TEST_F(KeyboardTest, EditorKeepsTheCharactersTypedIntoIt) {
    openByKeys();
    auto* editor = new QLineEdit(form->centralWidget());
    editor->setGeometry(0, 0, 50, 20);
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    type({kOne, {0x0412, kNone, "в"}, kBackspace, kTwo});
    EXPECT_EQ(editor->text(), QStringLiteral("12"));
    EXPECT_EQ(panel(), QStringLiteral("- - -"));
}

// The mark: every other pixel of the rectangle's outline, from its top-left corner, in the button text
// colour.
void expectMark(const QImage& marked, const QImage& plain, const QWidget& button) {
    ASSERT_EQ(marked.size(), plain.size());
    const QRect r = focusMarkRect(button);
    const QRgb ink = button.palette().color(QPalette::ButtonText).rgb();
    int dots = 0;
    for (int y = 0; y < marked.height(); ++y) {
        for (int x = 0; x < marked.width(); ++x) {
            const bool onOutline =
                r.contains(x, y) && (x == r.left() || x == r.right() || y == r.top() || y == r.bottom());
            const bool dot = onOutline && (x - r.left() + y - r.top()) % 2 == 0;
            if (dot) {
                EXPECT_EQ(marked.pixel(x, y), ink)
                    << button.objectName().toStdString() << " " << x << "," << y;
                ++dots;
            } else {
                EXPECT_EQ(marked.pixel(x, y), plain.pixel(x, y))
                    << button.objectName().toStdString() << " " << x << "," << y;
            }
        }
    }
    EXPECT_GT(dots, 0);
}

TEST_F(KeyboardTest, MouseLeavesNoMarkAndTabShowsIt) {
    open(write(classicTaskKeys()));
    QPushButton* a = vesselButton(VesselA);
    QPushButton* b = vesselButton(VesselB);
    QTest::mouseClick(a, Qt::LeftButton);
    ASSERT_TRUE(a->hasFocus());
    const QImage clicked = a->grab().toImage();
    b->setFocus(Qt::MouseFocusReason);
    const QImage unfocused = a->grab().toImage();
    EXPECT_EQ(clicked, unfocused) << "a click shows no focus mark";

    type({Qt::Key_Backtab, kShift, ""});
    ASSERT_TRUE(a->hasFocus());
    expectMark(a->grab().toImage(), unfocused, *a);

    // Once the keyboard was used, the mark follows the focus, to the toolbar as well.
    QToolButton* vz = find<QToolButton>("vz");
    const QImage vzPlain = vz->grab().toImage();
    vz->setFocus(Qt::TabFocusReason);
    expectMark(vz->grab().toImage(), vzPlain, *vz);
}

TEST_F(KeyboardTest, WindowKeysShowTheMarkToo) {
    open(write(classicTaskKeys()));
    QPushButton* execute = find<QPushButton>("vipolnit");
    QTest::mouseClick(vesselButton(VesselA), Qt::LeftButton);
    QTest::mouseClick(vesselButton(VesselB), Qt::LeftButton);
    QTest::mouseClick(execute, Qt::LeftButton);
    ASSERT_EQ(grid()->rowCount(), 1);
    // The executed command disabled "Выполнить", and the focus went on to the next control.
    auto* focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    ASSERT_NE(focused, nullptr);
    const QImage plain = focused->grab().toImage();

    type({kThree, kThree});
    expectMark(focused->grab().toImage(), plain, *focused);
}

TEST_F(KeyboardTest, WindowOpenedByAKeyStartsWithItsMarks) {
    std::vector<bool> marked;
    platform.onModal = [&](QDialog& dialog) {
        marked.push_back(dialog.testAttribute(Qt::WA_KeyboardFocusChange));
    };
    action("N4")->trigger();
    type({Qt::Key_N, kCtrl, ""});
    action("N4")->trigger();
    EXPECT_EQ(marked, (std::vector<bool>{false, true, false})) << "each showing starts anew";
}

class ConstructorKeyboard : public testing::ConstructorFixture {};

TEST_F(ConstructorKeyboard, CheckBoxShowsItsMarkOnlyAfterTab) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* unlimited = get<QCheckBox>("saef");
    ASSERT_TRUE(unlimited->hasFocus()) << "every showing starts at the unlimited box";
    const QImage focused = unlimited->grab().toImage();
    spin("sah")->setFocus(Qt::MouseFocusReason);
    const QImage unfocused = unlimited->grab().toImage();
    EXPECT_EQ(focused, unfocused) << "no mark before the keyboard is used";

    QTest::keyClick(spin("sah"), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(unlimited->hasFocus());
    EXPECT_NE(unlimited->grab().toImage(), unfocused);
}

} // namespace
} // namespace trimerka
