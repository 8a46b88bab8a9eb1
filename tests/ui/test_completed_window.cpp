#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "support/WindowChecks.h"
#include "ui/CompletedWindow.h"

namespace {

using trimerka::CompletedWindow;
using namespace trimerka::testing;

const QColor kPanelGreen(186, 254, 189);

struct TForm11Window : ::testing::Test {
    FakePlatform platform;
    CompletedWindow form{platform};

    template <class T> T* child(const char* name) { return trimerka::testing::namedChild<T>(form, name); }
};

TEST_F(TForm11Window, HasItsCaptionAndFixedSize) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Задание выполнено"));
    EXPECT_EQ(form.size(), QSize(417, 160));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(TForm11Window, ControlsStandWhereTheWindowPlacesThem) {
    const Place places[] = {
        {"Panel1", {0, 0, 417, 160}}, {"Image1", {15, 15, 130, 130}},    {"Label1", {164, 18, 0, 0}},
        {"Label2", {182, 47, 0, 0}},  {"CloseForm", {315, 130, 97, 25}},
    };
    expectPlaces(form, places);
}

TEST_F(TForm11Window, TextsFontsAndColours) {
    struct Text {
        const char* name;
        int pixelSize;
        QColor colour;
    };
    const Text texts[] = {
        {"Label1", 19, QColor(0, 0, 255)},
        {"Label2", 11, QColor(0, 0, 210)},
    };
    for (const Text& t : texts) {
        auto* label = child<QLabel>(t.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->font().pixelSize(), t.pixelSize) << t.name;
        EXPECT_TRUE(label->font().bold()) << t.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), t.colour) << t.name;
    }
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("Задание выполнено"));
    auto* close = child<QToolButton>("CloseForm");
    EXPECT_EQ(close->text(), QStringLiteral("Закрыть"));
    EXPECT_TRUE(close->font().bold());
    EXPECT_EQ(close->iconSize(), QSize(16, 16));
    EXPECT_FALSE(close->icon().isNull());
    EXPECT_EQ(close->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_TRUE(close->autoRaise()) << "a flat button";
    // The emblem is read when the window is first opened, not when the program builds it at start.
    auto* emblem = child<QLabel>("Image1");
    EXPECT_TRUE(emblem->pixmap().isNull());
    form.show();
    EXPECT_FALSE(emblem->pixmap().isNull());
}

TEST_F(TForm11Window, StepCountIsTakenAtEveryShowing) {
    struct Showing {
        const char* name;
        int steps;
        const char* label;
    };
    // One window through several showings, as the program reuses it.
    const Showing showings[] = {
        {"eight_five_three_in_seven", 7, "Количество шагов:  7"},
        {"solved_by_the_first_command", 1, "Количество шагов:  1"},
        {"a_further_step_keeps_the_targets", 8, "Количество шагов:  8"},
        {"many_steps", 1234, "Количество шагов:  1234"},
    };
    int steps = 0;
    form.setStepCounter([&] { return steps; });
    for (const Showing& s : showings) {
        steps = s.steps;
        QString seenWhileShown;
        platform.onModal = [&](QDialog& dialog) {
            seenWhileShown = dialog.findChild<QLabel*>("Label2")->text();
        };
        platform.showModal(form);
        EXPECT_EQ(seenWhileShown, QString::fromUtf8(s.label)) << s.name;
    }
    EXPECT_EQ(platform.modalShown.size(), 4);
}

TEST_F(TForm11Window, CloseButtonClosesTheWindow) {
    form.show();
    QTest::mouseClick(child<QToolButton>("CloseForm"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(TForm11Window, EnterClosesTheWindowButNotTheEnterThatRanTheLastStep) {
    struct Key {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        bool closes;
    };
    const Key keys[] = {
        {"enter", Qt::Key_Return, Qt::NoModifier, false, true},
        {"keypad_enter", Qt::Key_Enter, Qt::KeypadModifier, false, true},
        {"escape", Qt::Key_Escape, Qt::NoModifier, false, true},
        // The winning step ran on Enter's press in the main window; the key held down repeats into this one.
        {"enter_held_down", Qt::Key_Return, Qt::NoModifier, true, false},
    };
    for (const Key& k : keys) {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form)) << k.name;
        QWidget* focused = QApplication::focusWidget();
        ASSERT_EQ(focused, child<QToolButton>("CloseForm")) << k.name;
        QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, QString(), k.autoRepeat);
        QApplication::sendEvent(focused, &press);
        EXPECT_EQ(form.isVisible(), !k.closes) << k.name;
        form.hide();
    }
}

TEST_F(TForm11Window, GrabbedPanelHasItsGreenAndTwoBevels) {
    form.setStepCounter([] { return 7; });
    form.show();
    const QImage image = grabWindow(form, "CompletedWindow.png");
    const QColor light = form.palette().color(QPalette::Light);
    const QColor shadow = form.palette().color(QPalette::Mid);
    ASSERT_NE(light, shadow);
    const Pixel pixels[] = {
        {"outer_top_left", 0, 0, light},
        {"outer_top", 200, 0, light},
        {"outer_left", 0, 80, light},
        {"outer_top_right_corner", 416, 0, shadow},
        {"outer_right", 416, 80, shadow},
        {"outer_bottom_left_corner", 0, 159, shadow},
        {"outer_bottom", 200, 159, shadow},
        {"inner_top_left", 1, 1, shadow},
        {"inner_top", 200, 1, shadow},
        {"inner_left", 1, 80, shadow},
        {"inner_top_right_corner", 415, 1, light},
        {"inner_right", 415, 80, light},
        {"inner_bottom", 200, 158, light},
        {"green_inside", 2, 2, kPanelGreen},
        {"green_under_the_texts", 300, 100, kPanelGreen},
        {"picture_transparent_corner", 15, 15, kPanelGreen},
    };
    expectPixels(image, pixels);
}

} // namespace
