#include <functional>
#include <vector>

#include <QAction>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "platform/Fonts.h"
#include "support/MainWindowFixture.h"
#include "support/WindowChecks.h"
#include "ui/CompletedWindow.h"
#include "ui/MainWindow.h"
#include "ui/VesselView.h"
#include "widgets/CellGrid.h"

namespace trimerka {
namespace {

using testing::TaskKeys;

class MainWindowTest : public testing::MainWindowFixture {
protected:
    void openTask(const TaskKeys& keys) {
        openKeys(keys);
        ASSERT_EQ(errorMessages(), QStringList());
    }
};

TEST_F(MainWindowTest, ClientAreaIsFixedBelowTheMenuBar) {
    QWidget* client = form->centralWidget();
    EXPECT_EQ(client->size(), QSize(714, 460));
    EXPECT_EQ(client->y(), form->menuBar()->height());
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Исполнитель \"Тримерка\""));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    const QPoint offCentre = form->frameGeometry().center() - form->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1);
}

struct Placement {
    const char* name;
    int x, y, w, h; // within the parent; -1 for a size the control takes from its text
};

TEST_F(MainWindowTest, EveryControlStandsAtItsPlace) {
    const Placement table[] = {
        {"Panel2", 0, 0, 714, 34},
        {"Bevel1", 0, 0, 714, 2},
        {"Bevel6", 0, 32, 714, 2},
        {"vz", 1, 2, 129, 30},
        {"cnz", 130, 2, 153, 30},
        {"sz", 283, 2, 128, 30},
        {"zz", 411, 2, 142, 30},
        {"help", 612, 2, 30, 30},
        {"CloseProg", 642, 2, 71, 30},
        {"Label1", 24, 45, -1, 13},
        {"esa", 81, 45, -1, 13},
        {"Label2", 144, 45, -1, 13},
        {"esb", 201, 45, -1, 13},
        {"Label3", 264, 45, -1, 13},
        {"esv", 321, 45, -1, 13},
        {"Label13", 385, 45, -1, 13},
        {"Panel4", 24, 64, 97, 185},
        {"Panel5", 144, 64, 97, 185},
        {"Panel10", 264, 64, 97, 185},
        {"sa", 0, 0, 97, 185},
        {"sb", 0, 0, 97, 185},
        {"sv", 0, 0, 97, 185},
        {"isaef", 12, 130, 46, 50},
        {"isasl", 40, 120, 46, 50},
        {"fz", 384, 64, 320, 185},
        {"SpeedButton2", 646, 40, 23, 22},
        {"SpeedButton1", 675, 40, 23, 22},
        {"vsa", 24, 255, 97, 43},
        {"vsb", 144, 255, 97, 43},
        {"vsv", 264, 255, 97, 43},
        {"kmd", 393, 255, 142, 43},
        {"vipolnit", 541, 255, 157, 43},
        {"ng", 8, 306, 696, 133},
        {"Panel9", 0, 443, 714, 17},
        {"put_tmk", 5, 2, -1, 13},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        const QWidget* widget = find(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->pos(), QPoint(row.x, row.y));
        if (row.w >= 0) {
            EXPECT_EQ(widget->width(), row.w);
        }
        EXPECT_EQ(widget->height(), row.h);
    }
}

TEST_F(MainWindowTest, ControlsCarryTheirCaptionsAndFonts) {
    struct Row {
        const char* name;
        const char* text;
        int pixelSize;
        bool bold;
    };
    const Row table[] = {
        {"vz", "Выбор задания", 11, true},
        {"cnz", "Что нужно сделать", 11, true},
        {"sz", "Начать заново", 11, true},
        {"zz", "Закрыть задание", 11, true},
        {"help", "", 11, false},
        {"CloseProg", "Выход", 11, false},
        {"Label1", "Ёмкость:", 11, true},
        {"esa", "-/-", 11, true},
        {"Label13", "Формулировка задания:", 11, true},
        {"SpeedButton2", "+", 11, false},
        {"SpeedButton1", "-", 11, false},
        {"vsa", "Сосуд \"А\"", 11, true},
        {"vsb", "Сосуд \"Б\"", 11, true},
        {"vsv", "Сосуд \"В\"", 11, true},
        {"kmd", "- - -", 32, true},
        {"vipolnit", "Выполнить", 11, true},
        {"put_tmk", "", 11, false},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        const QWidget* widget = find(row.name);
        ASSERT_NE(widget, nullptr);
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
        }
        EXPECT_EQ(text, QString::fromUtf8(row.text));
        EXPECT_EQ(widget->font().pixelSize(), row.pixelSize);
        EXPECT_EQ(widget->font().bold(), row.bold);
    }
    EXPECT_EQ(find<QLabel>("esa")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(find("kmd")->palette().color(QPalette::Window), QColor(148, 186, 243));
    EXPECT_EQ(find("Panel2")->palette().color(QPalette::Window), QColor(218, 218, 218));
}

TEST_F(MainWindowTest, ClientAreaShowsItsColours) {
    const QColor face = form->centralWidget()->palette().color(QPalette::Button);
    const testing::Pixel table[] = {
        {"toolbar strip between the buttons", 580, 16, QColor(218, 218, 218)},
        {"upper etched line, shadow row", 580, 0, form->palette().color(QPalette::Mid)},
        {"upper etched line, light row", 580, 1, form->palette().color(QPalette::Light)},
        {"lower etched line, shadow row", 580, 32, form->palette().color(QPalette::Mid)},
        {"window background", 10, 200, face},
        {"vessel bar outline", 24, 64, Qt::black},
        {"full vessel bar", 72, 150, QColor(186, 254, 189)},
        {"command panel", 400, 290, QColor(148, 186, 243)},
        {"statement memo", 500, 240, Qt::white},
        {"empty step log", 300, 420, QColor(217, 233, 255)},
    };
    testing::expectPixels(form->centralWidget()->grab().toImage(), table);
}

TEST_F(MainWindowTest, StepLogIsConfiguredAsTheLog) {
    CellGrid* ng = grid();
    ASSERT_EQ(ng->columnCount(), 4);
    EXPECT_EQ(ng->rowCount(), 0);
    EXPECT_EQ(ng->headerLines(), 2);
    EXPECT_EQ(ng->gutterContent(), GutterContent::Numbers);
    EXPECT_FALSE(ng->showFooter());
    EXPECT_TRUE(ng->isReadOnly());
    EXPECT_EQ(ng->color(), QColor(217, 233, 255));
    EXPECT_EQ(ng->alternateColor(), QColor(255, 234, 213));
    EXPECT_EQ(ng->gridColor(), QColor(64, 0, 0));
    EXPECT_EQ(ng->selectionColor(), QColor(186, 254, 189));
    EXPECT_TRUE(ng->font().bold());
    EXPECT_FALSE(ng->headerFont().bold());
    EXPECT_FALSE(ng->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(ng->columns()[0].title(), QStringLiteral("Команда"));
    for (int c = 0; c < 4; ++c) {
        SCOPED_TRACE(c);
        const CellColumn& column = ng->columns()[c];
        EXPECT_EQ(column.width(), 160);
        EXPECT_EQ(column.horizontalAlignment(), HorizontalAlignment::Center);
        EXPECT_FALSE(column.isResizable());
        EXPECT_TRUE(column.isReadOnly());
        EXPECT_EQ(column.color(), QColor(217, 233, 255));
    }
}

TEST_F(MainWindowTest, StatementMemoIsReadOnlyWrappedAndSkippedByTab) {
    auto* fz = find<QPlainTextEdit>("fz");
    EXPECT_TRUE(fz->isReadOnly());
    EXPECT_EQ(fz->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(fz->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(fz->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(fz->toPlainText(), QStringLiteral("Формулировка задания ....."));
    EXPECT_EQ(fz->font().pixelSize(), 11);
}

// The two states of the window: which controls show and which take input.
struct StateRow {
    const char* name;
    bool visibleWithoutTask, enabledWithoutTask;
    bool visibleWithTask, enabledWithTask;
};

TEST_F(MainWindowTest, ControlsFollowTheTaskState) {
    const StateRow table[] = {
        {"vz", true, true, true, true},
        {"help", true, true, true, true},
        {"CloseProg", true, true, true, true},
        {"cnz", false, true, true, true},
        {"sz", false, true, true, true},
        {"zz", false, true, true, true},
        {"SpeedButton2", true, false, true, true},
        {"SpeedButton1", true, false, true, true},
        {"vsa", true, false, true, true},
        {"vsb", true, false, true, true},
        {"vsv", true, false, true, true},
        {"vipolnit", true, false, true, false},
    };
    auto check = [&](bool withTask) {
        for (const auto& row : table) {
            SCOPED_TRACE(row.name);
            const QWidget* widget = find(row.name);
            EXPECT_EQ(widget->isVisible(), withTask ? row.visibleWithTask : row.visibleWithoutTask);
            EXPECT_EQ(widget->isEnabled(), withTask ? row.enabledWithTask : row.enabledWithoutTask);
        }
    };
    {
        SCOPED_TRACE("no task");
        check(false);
    }
    openTask(testing::classicTaskKeys());
    {
        SCOPED_TRACE("task open");
        check(true);
    }
    find<QToolButton>("zz")->click();
    {
        SCOPED_TRACE("closed again");
        check(false);
    }
}

TEST_F(MainWindowTest, TaskMenuFollowsTheToolbarWhenItOpens) {
    struct Row {
        const char* item;
        bool withoutTask, withTask;
    };
    const Row table[] = {
        {"N6", true, true},   {"N5", false, true},  {"N11", false, true}, {"N10", false, true},
        {"N12", false, true}, {"N13", false, true}, {"N4", true, false},
    };
    auto check = [&](bool withTask) {
        openTaskMenu();
        for (const auto& row : table) {
            SCOPED_TRACE(row.item);
            EXPECT_EQ(action(row.item)->isEnabled(), withTask ? row.withTask : row.withoutTask);
        }
    };
    check(false);
    openTask(testing::classicTaskKeys());
    check(true);
    // The items are updated only when the menu opens.
    find<QToolButton>("zz")->click();
    EXPECT_FALSE(action("N4")->isEnabled());
    check(false);
    for (const char* item : {"N2", "N9"}) {
        EXPECT_TRUE(action(item)->isEnabled()) << item;
    }
}

TEST_F(MainWindowTest, MenuItemsHaveTheirTextsAndNoShortcuts) {
    struct Row {
        const char* name;
        const char* text;
        bool icon;
    };
    const Row table[] = {
        {"N2", "Выход", true},
        {"N6", "Выбор задания", true},
        {"N5", "Что нужно сделать", true},
        {"N11", "Начать задание заново", true},
        {"N10", "Закрыть задание", true},
        {"N12", "Увеличить размер текста", false},
        {"N13", "Уменьшить размер текста", false},
        {"N4", "Конструктор заданий", true},
        {"N9", "О программе", true},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        QAction* item = action(row.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(!item->icon().isNull(), row.icon);
        EXPECT_TRUE(item->shortcut().isEmpty());
    }
    const QList<QAction*> menus = form->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("Файл"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("Задание"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("Справка"));
}

// Every menu item reaches what its button or its window does, in the program as it is assembled.
TEST_F(MainWindowTest, EveryMenuItemActsThroughItsButtonOrShowsItsWindow) {
    struct Row {
        const char* item;
        bool withTask;
        std::function<void()> before;
        std::function<void()> check;
    };
    int pointsBefore = 0;
    const auto modal = [this](const char* window) {
        EXPECT_EQ(platform.modalShown, QStringList{QLatin1String(window)});
    };
    const Row table[] = {
        {"N6", false, {}, [this] { EXPECT_EQ(platform.openRequests.size(), 1u); }},
        {"N5", true, {}, [&] { modal("Form3"); }},
        {"N11", true, [this] { step(VesselA, VesselB); }, [this] { EXPECT_EQ(grid()->rowCount(), 0); }},
        {"N10", true, {}, [this] { EXPECT_EQ(path(), QString()); }},
        {"N12", true, {}, [&] { EXPECT_EQ(form->textPoints(), pointsBefore + 1); }},
        {"N13", true, [this] { find<QToolButton>("SpeedButton2")->click(); },
         [&] { EXPECT_EQ(form->textPoints(), pointsBefore - 1); }},
        {"N4", false, {}, [&] { modal("Form2"); }},
        {"N9", false, {}, [&] { modal("Form10"); }},
        {"N2", false, {}, [this] { EXPECT_FALSE(form->isVisible()); }},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.item);
        find<QToolButton>("zz")->click();
        if (row.withTask) {
            openTask(testing::classicTaskKeys());
            ASSERT_FALSE(path().isEmpty());
        }
        if (row.before) {
            row.before();
        }
        platform.modalShown.clear();
        platform.openRequests.clear();
        pointsBefore = form->textPoints();
        action(row.item)->trigger();
        row.check();
    }
}

TEST_F(MainWindowTest, MenuItemOfADisabledButtonDoesNothing) {
    openTask(testing::classicTaskKeys());
    // A disabled button ignores the press and release that its menu item delivers.
    find<QToolButton>("SpeedButton2")->setEnabled(false);
    action("N12")->trigger();
    EXPECT_EQ(form->textPoints(), 8);
    find<QToolButton>("SpeedButton2")->setEnabled(true);
    action("N12")->trigger();
    EXPECT_EQ(form->textPoints(), 9);
}

TEST_F(MainWindowTest, TextSizeStaysWithinEightToNineteenPoints) {
    openTask(testing::classicTaskKeys());
    auto* plus = find<QToolButton>("SpeedButton2");
    auto* minus = find<QToolButton>("SpeedButton1");
    auto* fz = find<QPlainTextEdit>("fz");
    for (int i = 0; i < 15; ++i) {
        plus->click();
    }
    EXPECT_EQ(form->textPoints(), 19);
    EXPECT_EQ(fz->font().pixelSize(), pointsToPixels(19));
    openTaskMenu();
    EXPECT_TRUE(action("N12")->isEnabled());
    action("N12")->trigger();
    EXPECT_EQ(form->textPoints(), 19);

    for (int i = 0; i < 15; ++i) {
        minus->click();
    }
    EXPECT_EQ(form->textPoints(), 8);
    EXPECT_EQ(fz->font().pixelSize(), 11);
    action("N13")->trigger();
    EXPECT_EQ(form->textPoints(), 8);

    plus->click();
    plus->click();
    // Closing and reopening a task keeps the size.
    find<QToolButton>("zz")->click();
    openTask(testing::classicTaskKeys());
    EXPECT_EQ(form->textPoints(), 10);
}

TEST_F(MainWindowTest, HelpAndExitStayAtTheStripsRightEnd) {
    struct Row {
        const char* name;
        int stripWidth;
        int helpLeft;
        int exitLeft;
    };
    const Row table[] = {
        {"wider strip", 800, 698, 728},
        {"narrower strip", 600, 498, 528},
        {"own width", 714, 612, 642},
    };
    QWidget* strip = find("Panel2");
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        strip->resize(row.stripWidth, strip->height());
        EXPECT_EQ(find("help")->x(), row.helpLeft);
        EXPECT_EQ(find("CloseProg")->x(), row.exitLeft);
    }
}

TEST_F(MainWindowTest, VesselButtonsComposeTheCommand) {
    struct Row {
        const char* name;
        std::vector<int> clicks;
        const char* panel;
        std::array<bool, 3> pressed;
        bool execute;
    };
    const Row table[] = {
        {"first press fills the source", {VesselA}, "А - -", {true, false, false}, false},
        {"second press completes", {VesselA, VesselB}, "А - Б", {true, true, false}, true},
        {"order of presses gives the direction", {VesselB, VesselA}, "Б - А", {true, true, false}, true},
        {"third press is refused", {VesselA, VesselB, VesselV}, "А - Б", {true, true, false}, true},
        {"releasing the source", {VesselA, VesselB, VesselA}, "- - Б", {false, true, false}, false},
        {"new source after a release",
         {VesselA, VesselB, VesselA, VesselV},
         "В - Б",
         {false, true, true},
         true},
        {"press and release again", {VesselV, VesselV}, "- - -", {false, false, false}, false},
    };
    openTask(testing::classicTaskKeys());
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        find<QToolButton>("sz")->click();
        for (int vessel : row.clicks) {
            click(vessel);
        }
        EXPECT_EQ(panel(), QString::fromUtf8(row.panel));
        for (int v = 0; v < 3; ++v) {
            EXPECT_EQ(vesselButton(v)->isChecked(), row.pressed[v]) << v;
        }
        EXPECT_EQ(executeEnabled(), row.execute);
    }
}

TEST_F(MainWindowTest, PupilSolvesTheClassicTaskInSevenSteps) {
    const std::vector<testing::PlayedStep> steps = testing::classicSolution();
    QStringList countsShown;
    platform.onModal = [&](QDialog& dialog) {
        countsShown << dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text();
    };
    openTask(testing::classicTaskKeys());
    EXPECT_EQ(find<QLabel>("esa")->text(), QStringLiteral("8/8"));
    EXPECT_EQ(find<QLabel>("esb")->text(), QStringLiteral("0/5"));
    EXPECT_EQ(find<QLabel>("esv")->text(), QStringLiteral("0/3"));

    int number = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(++number);
        click(step.source);
        click(step.destination);
        ASSERT_TRUE(executeEnabled());
        execute();
        ASSERT_EQ(grid()->rowCount(), number);
        EXPECT_EQ(grid()->currentRow(), number - 1);
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(grid()->cellText(c, number - 1), QString::fromUtf8(step.cells[c])) << c;
        }
        const char* captionNames[] = {"esa", "esb", "esv"};
        for (int v = 0; v < 3; ++v) {
            EXPECT_EQ(find<QLabel>(captionNames[v])->text(), QString::fromUtf8(step.captions[v])) << v;
            EXPECT_FALSE(vesselButton(v)->isChecked());
        }
        EXPECT_EQ(panel(), QStringLiteral("- - -"));
        EXPECT_FALSE(executeEnabled());
        EXPECT_EQ(platform.modalShown.size(), number == 7 ? 1 : 0);
    }
    EXPECT_EQ(platform.modalShown, QStringList{completed->objectName()});
    EXPECT_EQ(countsShown, QStringList{QStringLiteral("Количество шагов:  7")});
    EXPECT_EQ(form->vesselView(VesselA)->amount(), 4);
    EXPECT_EQ(form->vesselView(VesselB)->amount(), 4);
    EXPECT_EQ(form->vesselView(VesselV)->amount(), 0);

    // Reaching the targets ends nothing: a step that keeps them announces again with the larger count.
    click(VesselV);
    click(VesselA);
    execute();
    EXPECT_EQ(grid()->cellText(1, 7), QStringLiteral("4 ( 4 + 0 )"));
    EXPECT_EQ(countsShown,
              (QStringList{QStringLiteral("Количество шагов:  7"), QStringLiteral("Количество шагов:  8")}));
}

TEST_F(MainWindowTest, ClickOrArrowSelectsTheWholeRow) {
    openTask(testing::classicTaskKeys());
    for (int i = 0; i < 3; ++i) {
        click(VesselA);
        click(VesselB);
        execute();
    }
    CellGrid* ng = grid();
    const QRect cell = ng->cellRect(2, 1).toQRect();
    QTest::mouseClick(ng->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(ng->currentRow(), 1);
    EXPECT_EQ(ng->selection(), (CellRange{0, 1, 3, 1}));

    QTest::keyClick(ng, Qt::Key_Down);
    EXPECT_EQ(ng->currentRow(), 2);
    EXPECT_EQ(ng->selection(), (CellRange{0, 2, 3, 2}));

    QTest::keyClick(ng, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(ng->selection(), (CellRange{0, ng->currentRow(), 3, ng->currentRow()}));
}

} // namespace
} // namespace trimerka
