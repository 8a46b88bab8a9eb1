#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "ui/AboutWindow.h"
#include "ui/AuthorInfo.h"

void PrintTo(const QColor& color, std::ostream* os) {
    *os << color.name().toStdString();
}

namespace {

using trimerka::AboutWindow;
using trimerka::testing::FakePlatform;

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// The toolkit drops a move to where the pointer already is, so every move onto a link goes to a fresh spot.
QPoint freshSpot() {
    static int moves = 0;
    ++moves;
    return {3 + moves % 7, 5};
}

// The About window, shown, with its controls found by name.
class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <class T = QWidget> T* control(const char* name) {
        auto* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QToolButton* sb1() { return control<QToolButton>("sb1"); }
    QToolButton* sb2() { return control<QToolButton>("sb2"); }
    QWidget* panel() { return control("panel"); }
    QWidget* memo() { return control("Memo"); }

    // Real pointer events through the window, so the label gets its enter and leave as on a desktop.
    QPoint inWindow(QWidget* widget, QPoint local) { return widget->mapTo(&window, local); }
    void moveOnto(QLabel* link) {
        spot = freshSpot();
        QTest::mouseMove(window.windowHandle(), inWindow(link, spot));
    }
    void moveOff(QLabel* link) {
        QTest::mouseMove(window.windowHandle(), inWindow(link, spot) + QPoint(0, -14));
    }
    void press(QLabel* link, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(window.windowHandle(), button, {}, inWindow(link, spot));
    }
    void release(QLabel* link, QPoint offset = {}, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(window.windowHandle(), button, {}, inWindow(link, spot + offset));
    }
    void click(QLabel* link) {
        press(link);
        release(link);
    }
    void showAuthorPage() { QTest::mouseClick(sb2(), Qt::LeftButton); }

    FakePlatform platform;
    AboutWindow window{platform};
    QPoint spot{3, 5};
};

void expectLook(QLabel* link, const QColor& color, bool underline, const char* step) {
    EXPECT_EQ(link->palette().color(QPalette::WindowText), color) << link->objectName().toStdString() << step;
    EXPECT_TRUE(link->font().bold()) << link->objectName().toStdString() << step;
    EXPECT_EQ(link->font().underline(), underline) << link->objectName().toStdString() << step;
}

TEST_F(AboutWindowTest, DescriptionHasItsFifteenLinesExactly) {
    const QStringList expected = {
        "    ",
        "    Версия программы: 19.03.2013",
        "",
        "    Исполнитель \"Тримерка\" работает с тремя сосудами. В каждом из сосудов ",
        "    может содержаться жидкость (вещество). Исполнитель \"Тримерка\" поможет ",
        "    переливать (пересыпать) жидкость (вещество) между сосудами.",
        "",
        "    Команда исполнителя имеет вид \"А - Б\" (перелить жидкость из сосуда А в сосуд Б).",
        "",
        "    Команда формируется с помощью нажатия кнопок \"Сосуд А\", \"Сосуд Б\" и \"Сосуд В\".",
        "",
        "    Дополнительные параметры:",
        "    - Объём \"Сосуда А\" может быть ограничен или бесконечен;",
        "    - При переливании МОЖНО сливать жидкость в \"Сосуд А\";",
        "    - При переливании НЕЛЬЗЯ сливать жидкость в \"Сосуд А\".",
    };
    const QStringList shown = control<QPlainTextEdit>("Memo")->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(shown.size(), 15);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(shown[i], expected[i]) << "line " << i + 1;
    }
    EXPECT_TRUE(control<QPlainTextEdit>("Memo")->isReadOnly());
}

struct Placement {
    const char* name;
    QRect geometry;
};

TEST_F(AboutWindowTest, ControlsStandAtTheirPlaces) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(window.size(), QSize(488, 406));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const Placement placements[] = {
        {"Image1", {299, 8, 169, 173}}, {"sb1", {8, 165, 113, 22}},    {"sb2", {121, 165, 96, 22}},
        {"Memo", {7, 193, 473, 177}},   {"panel", {8, 192, 473, 177}}, {"CloseForm", {384, 376, 97, 25}},
        {"Image3", {10, 10, 113, 155}},
    };
    for (const Placement& p : placements) {
        EXPECT_EQ(control(p.name)->geometry(), p.geometry) << p.name;
    }
    const Placement labels[] = {
        {"Label1", {32, 24, 0, 0}},     {"Label2", {44, 53, 0, 0}},   {"Label10", {192, 24, 0, 0}},
        {"Label3", {202, 48, 0, 0}},    {"Label11", {192, 80, 0, 0}}, {"Label4", {241, 104, 0, 0}},
        {"Label110", {282, 104, 0, 0}}, {"Label5", {238, 128, 0, 0}}, {"Label108", {282, 128, 0, 0}},
    };
    for (const Placement& p : labels) {
        EXPECT_EQ(control(p.name)->pos(), p.geometry.topLeft()) << p.name;
    }
    EXPECT_EQ(control<QLabel>("Label2")->text(), QStringLiteral("Версия: 13.3.19 (Build 29)"));
    EXPECT_EQ(control<QToolButton>("CloseForm")->text(), QStringLiteral("Закрыть"));
}

struct PixelCase {
    const char* name;
    QPoint at;
    bool (*looksRight)(const QColor&);
};

// The pictures come from the compiled-in resources; a missing one leaves the bare background.
TEST_F(AboutWindowTest, PicturesAreDrawnCentredInTheirFrames) {
    showAuthorPage();
    const QImage shot = window.grab().toImage();
    const QColor face = window.palette().color(QPalette::Button);
    const PixelCase pixels[] = {
        {"emblem_drop_is_blue", {299 + 84, 8 + 95}, [](const QColor& c) { return c.blue() > c.red() + 80; }},
        {"emblem_swirl_is_green",
         {299 + 19 + 18, 8 + 21 + 75},
         [](const QColor& c) { return c.green() > c.red() + 40; }},
        {"author_figure_is_grey_blue",
         {8 + 10 + 56, 192 + 10 + 120},
         [](const QColor& c) { return c.blue() < 140 && c.blue() >= c.red(); }},
    };
    for (const PixelCase& p : pixels) {
        EXPECT_TRUE(p.looksRight(shot.pixelColor(p.at)))
            << p.name << " " << shot.pixelColor(p.at).name().toStdString();
    }
    // The emblem keeps its own size: the frame's corner shows the window's face.
    EXPECT_EQ(shot.pixelColor(300, 9), face);
}

TEST_F(AboutWindowTest, ConfiguredAuthorAppearsOnTheAuthorPage) {
    EXPECT_EQ(control<QLabel>("Label3")->text(), QString::fromUtf8(trimerka::author::kName));
    EXPECT_EQ(control<QLabel>("Label110")->text(), QString::fromUtf8(trimerka::author::kSite));
    EXPECT_EQ(control<QLabel>("Label108")->text(), QString::fromUtf8(trimerka::author::kEmail));
    // A long configured address is shown whole.
    for (const char* link : {"Label110", "Label108"}) {
        auto* label = control<QLabel>(link);
        EXPECT_GE(label->width(), label->sizeHint().width()) << link;
    }
}

TEST_F(AboutWindowTest, StartsOnTheDescriptionWithBlackLinks) {
    EXPECT_TRUE(sb1()->isChecked());
    EXPECT_FALSE(sb2()->isChecked());
    EXPECT_TRUE(memo()->isVisible());
    EXPECT_FALSE(panel()->isVisible());
    expectLook(control<QLabel>("Label110"), kBlack, false, " at start");
    expectLook(control<QLabel>("Label108"), kBlack, false, " at start");
}

struct PageCase {
    const char* name;
    std::vector<const char*> clicks;
    bool authorPage;
};

void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.name;
}

class AboutPages : public AboutWindowTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(AboutPages, ExactlyOnePageShowsAndItsButtonStaysDown) {
    for (const char* button : GetParam().clicks) {
        QTest::mouseClick(control<QToolButton>(button), Qt::LeftButton);
    }
    const bool author = GetParam().authorPage;
    EXPECT_EQ(panel()->isVisible(), author);
    EXPECT_EQ(memo()->isVisible(), !author);
    EXPECT_EQ(sb2()->isChecked(), author);
    EXPECT_EQ(sb1()->isChecked(), !author);
}

INSTANTIATE_TEST_SUITE_P(Table, AboutPages,
                         ::testing::Values(PageCase{"author_once", {"sb2"}, true},
                                           PageCase{"author_twice_stays", {"sb2", "sb2"}, true},
                                           PageCase{"back_to_description", {"sb2", "sb1"}, false},
                                           PageCase{"description_pressed_again_stays", {"sb1"}, false},
                                           PageCase{"there_and_back_twice", {"sb2", "sb1", "sb2"}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Pointer { Move, Press, Leave };

struct LookCase {
    const char* name;
    std::vector<Pointer> steps;
    QColor color;
    bool underline;
};

void PrintTo(const LookCase& c, std::ostream* os) {
    *os << c.name;
}

class AboutLinkLooks : public AboutWindowTest,
                       public ::testing::WithParamInterface<std::tuple<const char*, LookCase>> {};

TEST_P(AboutLinkLooks, PointerSetsColourAndUnderline) {
    const auto& [linkName, c] = GetParam();
    showAuthorPage();
    auto* link = control<QLabel>(linkName);
    for (Pointer step : c.steps) {
        switch (step) {
        case Pointer::Move:
            moveOnto(link);
            break;
        case Pointer::Press:
            press(link, Qt::RightButton);
            release(link, {}, Qt::RightButton);
            break;
        case Pointer::Leave:
            moveOff(link);
            break;
        }
    }
    expectLook(link, c.color, c.underline, "");
    EXPECT_TRUE(platform.shellOpened.isEmpty());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AboutLinkLooks,
    ::testing::Combine(
        ::testing::Values("Label110", "Label108"),
        ::testing::Values(
            LookCase{"hover_is_blue_underlined", {Pointer::Move}, kBlue, true},
            LookCase{"press_turns_red_keeps_underline", {Pointer::Move, Pointer::Press}, kRed, true},
            LookCase{"leave_after_press_is_black_plain",
                     {Pointer::Move, Pointer::Press, Pointer::Leave},
                     kBlack,
                     false},
            LookCase{"leave_after_hover_is_black_plain", {Pointer::Move, Pointer::Leave}, kBlack, false},
            LookCase{"move_after_press_is_blue_again",
                     {Pointer::Move, Pointer::Press, Pointer::Move},
                     kBlue,
                     true})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
    });

struct LinkCase {
    const char* name;
    const char* link;
    QString opened;
};

void PrintTo(const LinkCase& c, std::ostream* os) {
    *os << c.name;
}

class AboutLinkActions : public AboutWindowTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(AboutLinkActions, ClickOpensTheAddressThroughTheShell) {
    showAuthorPage();
    click(control<QLabel>(GetParam().link));
    EXPECT_EQ(platform.shellOpened, QStringList{GetParam().opened});
}

INSTANTIATE_TEST_SUITE_P(Table, AboutLinkActions,
                         ::testing::Values(LinkCase{"site", "Label110",
                                                    QString::fromUtf8(trimerka::author::kSite)},
                                           LinkCase{"mail", "Label108",
                                                    "mailto:" + QString::fromUtf8(trimerka::author::kEmail) +
                                                        "?Subject=Trimerka 13.3.19 build 29 (19.03.2013)"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutWindowTest, ReleaseAwayFromTheLinkOpensNothing) {
    showAuthorPage();
    auto* link = control<QLabel>("Label108");
    press(link);
    release(link, {0, 40});
    EXPECT_TRUE(platform.shellOpened.isEmpty());
}

TEST_F(AboutWindowTest, CloseButtonHidesTheWindow) {
    QTest::mouseClick(control<QToolButton>("CloseForm"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(AboutWindowShowings, PageAndLinkLooksSurviveClosingAndShowingAgain) {
    FakePlatform platform;
    AboutWindow window{platform};
    platform.onModal = [&](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QToolButton*>("sb2"), Qt::LeftButton);
        auto* link = dialog.findChild<QLabel*>("Label110");
        QTest::mouseMove(dialog.windowHandle(), link->mapTo(&dialog, freshSpot()));
        QTest::mouseClick(dialog.findChild<QToolButton*>("CloseForm"), Qt::LeftButton);
    };
    platform.showModal(window);

    bool authorPageShown = false;
    QColor linkColor;
    bool underlined = false;
    platform.onModal = [&](QDialog& dialog) {
        authorPageShown = dialog.findChild<QWidget*>("panel")->isVisible();
        auto* link = dialog.findChild<QLabel*>("Label110");
        linkColor = link->palette().color(QPalette::WindowText);
        underlined = link->font().underline();
    };
    platform.showModal(window);
    EXPECT_TRUE(authorPageShown);
    EXPECT_TRUE(window.findChild<QToolButton*>("sb2")->isChecked());
    EXPECT_EQ(linkColor, kBlue);
    EXPECT_TRUE(underlined);
    EXPECT_EQ(platform.modalShown, (QStringList{"Form10", "Form10"}));
}

} // namespace
