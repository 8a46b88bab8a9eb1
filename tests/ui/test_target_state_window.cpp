#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/ErrorReport.h"
#include "platform/Fonts.h"
#include "support/FakePlatform.h"
#include "support/WindowChecks.h"
#include "ui/TargetStateWindow.h"
#include "ui/VesselView.h"

namespace {

using trimerka::TargetState;
using trimerka::TargetStateWindow;
using trimerka::TargetVessel;
using trimerka::VesselView;
using namespace trimerka::testing;

const QColor kFill(186, 254, 189);
const QColor kEmpty(230, 230, 230);

// The 8-5-3 task: А of 8 wants 4, Б of 5 wants 4, В of 3 wants nothing.
TargetState eightFiveThree() {
    TargetState state;
    state.statement = QStringLiteral("Разделите 8 литров пополам.");
    state.vessels = {TargetVessel{kFill, kEmpty, 8, 185, QStringLiteral("4")},
                     TargetVessel{kFill, kEmpty, 5, 185, QStringLiteral("4")},
                     TargetVessel{kFill, kEmpty, 3, 185, QStringLiteral("0")}};
    return state;
}

struct Fixture : ::testing::Test {
    FakePlatform platform;
    TargetStateWindow form{platform};

    template <class T> T* child(const char* name) { return trimerka::testing::namedChild<T>(form, name); }
    QString caption(const char* name) { return child<QLabel>(name)->text(); }
    // Fills and shows the window the way the main window does, with the error report around it.
    void open(const TargetState& state) {
        trimerka::guarded(platform, nullptr, [&] {
            form.fill(state);
            platform.showModal(form);
        });
    }
};

using TForm3Window = Fixture;

TEST_F(TForm3Window, HasItsCaptionSizeAndNames) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Что нужно сделать"));
    EXPECT_EQ(form.size(), QSize(586, 397));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window is not resizable";
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(TForm3Window, ControlsStandWhereTheWindowPlacesThem) {
    const Place places[] = {
        {"Label13", {17, 8, 0, 0}},
        {"fz", {17, 27, 560, 102}},
        {"Label1", {17, 135, 0, 0}},
        {"Label2", {137, 135, 0, 0}},
        {"Label3", {257, 135, 0, 0}},
        {"esa", {74, 135, 0, 0}},
        {"esb", {194, 135, 0, 0}},
        {"esv", {314, 135, 0, 0}},
        {"Panel4", {17, 154, 97, 185}},
        {"Panel5", {137, 154, 97, 185}},
        {"Panel10", {257, 154, 97, 185}},
        {"sa", {17, 154, 97, 185}},
        {"sb", {137, 154, 97, 185}},
        {"sv", {257, 154, 97, 185}},
        {"isaef", {17 + 12, 154 + 130, 46, 50}},
        {"isasl", {17 + 40, 154 + 120, 46, 50}},
        {"vsa", {17, 345, 97, 43}},
        {"vsb", {137, 345, 97, 43}},
        {"vsv", {257, 345, 97, 43}},
        {"SpeedButton1", {388, 135, 189, 42}},
        {"SpeedButton2", {388, 183, 189, 42}},
        {"SpeedButton3", {388, 349, 189, 40}},
    };
    expectPlaces(form, places);
}

TEST_F(TForm3Window, ButtonsCarryTheirTextsAndVesselButtonsStayDisabled) {
    struct Button {
        const char* name;
        const char* text;
        bool bold;
        bool enabled;
    };
    const Button buttons[] = {
        {"vsa", "Сосуд \"А\"", true, false},
        {"vsb", "Сосуд \"Б\"", true, false},
        {"vsv", "Сосуд \"В\"", true, false},
        {"SpeedButton1", "Увеличить размер текста", false, true},
        {"SpeedButton2", "Уменьшить размер текста", false, true},
        {"SpeedButton3", "Закрыть", true, true},
    };
    open(eightFiveThree());
    for (const Button& b : buttons) {
        auto* button = child<QPushButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(b.text)) << b.name;
        EXPECT_EQ(button->font().bold(), b.bold) << b.name;
        EXPECT_EQ(button->isEnabled(), b.enabled) << b.name;
    }
}

struct VesselCase {
    const char* name;
    int vessel;
    TargetVessel given;
    int amount;
    int percent;
    const char* caption;
};

void PrintTo(const VesselCase& c, std::ostream* os) {
    *os << c.name;
}

class TForm3Vessels : public Fixture, public ::testing::WithParamInterface<VesselCase> {};

TEST_P(TForm3Vessels, ShowTheTargetAgainstTheCapacity) {
    const VesselCase& c = GetParam();
    TargetState state = eightFiveThree();
    state.vessels[c.vessel] = c.given;
    open(state);
    static const char* const bars[] = {"sa", "sb", "sv"};
    static const char* const captions[] = {"esa", "esb", "esv"};
    auto* view = child<VesselView>(bars[c.vessel]);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->capacity(), c.given.capacity);
    EXPECT_EQ(view->amount(), c.amount);
    EXPECT_EQ(view->percent(), c.percent);
    EXPECT_EQ(view->barHeight(), c.given.barHeight);
    EXPECT_EQ(view->fillColor(), c.given.fillColor);
    EXPECT_EQ(view->emptyColor(), c.given.emptyColor);
    EXPECT_EQ(caption(captions[c.vessel]), QString::fromUtf8(c.caption));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TForm3Vessels,
    ::testing::Values(
        VesselCase{"b_half_of_eight_at_120", 1, {kFill, kEmpty, 8, 120, QStringLiteral("4")}, 4, 50, "4/8"},
        VesselCase{"target_above_capacity_is_full_with_text_kept",
                   1,
                   {kFill, kEmpty, 12, 185, QStringLiteral("15")},
                   12,
                   100,
                   "15/12"},
        VesselCase{
            "leading_zero_kept_in_caption", 2, {kFill, kEmpty, 3, 60, QStringLiteral("07")}, 3, 100, "07/3"},
        VesselCase{
            "unlimited_a_is_full", 0, {kFill, kEmpty, 99, 185, QStringLiteral("99")}, 99, 100, "99/99"},
        VesselCase{"own_colours_and_empty_target",
                   0,
                   {QColor(255, 0, 0), QColor(0, 0, 128), 10, 25, QStringLiteral("0")},
                   0,
                   0,
                   "0/10"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TForm3Window, ArrowsFollowTheMainWindow) {
    struct Arrows {
        const char* name;
        bool unlimited;
        bool pourBack;
    };
    const Arrows rows[] = {
        {"unlimited_with_pour_back", true, true},
        {"unlimited_without_pour_back", true, false},
        {"limited", false, false},
    };
    for (const Arrows& row : rows) {
        TargetState state = eightFiveThree();
        state.unlimitedArrowShown = row.unlimited;
        state.pourBackArrowShown = row.pourBack;
        bool shownUnlimited = false;
        bool shownPourBack = false;
        platform.onModal = [&](QDialog&) {
            shownUnlimited = child<QLabel>("isaef")->isVisible();
            shownPourBack = child<QLabel>("isasl")->isVisible();
        };
        open(state);
        EXPECT_EQ(shownUnlimited, row.unlimited) << row.name;
        EXPECT_EQ(shownPourBack, row.pourBack) << row.name;
    }
}

TEST_F(TForm3Window, StatementReplacesThePreviousOne) {
    open(eightFiveThree());
    TargetState state = eightFiveThree();
    state.statement = QStringLiteral("Вторая задача\nв две строки");
    open(state);
    EXPECT_EQ(child<QPlainTextEdit>("fz")->toPlainText(), state.statement);
    EXPECT_TRUE(child<QPlainTextEdit>("fz")->isReadOnly());
}

TEST_F(TForm3Window, TargetThatIsNotANumberIsReportedAndNothingIsShown) {
    struct BadTarget {
        const char* name;
        std::array<const char*, 3> targets;
        const char* message;
    };
    const BadTarget rows[] = {
        {"letters_in_b", {"4", "abc", "0"}, "''abc'' is not a valid integer value."},
        {"missing_key_is_empty", {"", "4", "0"}, "'''' is not a valid integer value."},
        {"first_bad_vessel_wins", {"4", "x", "y"}, "''x'' is not a valid integer value."},
    };
    for (const BadTarget& row : rows) {
        FakePlatform fresh;
        TargetStateWindow window(fresh);
        window.fill(eightFiveThree());
        TargetState state = eightFiveThree();
        state.statement = QStringLiteral("другая");
        state.unlimitedArrowShown = true;
        for (int v = 0; v < 3; ++v) {
            state.vessels[v].targetText = QString::fromUtf8(row.targets[v]);
            state.vessels[v].capacity = 20;
        }
        trimerka::guarded(fresh, nullptr, [&] {
            window.fill(state);
            fresh.showModal(window);
        });
        EXPECT_TRUE(fresh.modalShown.isEmpty()) << row.name;
        ASSERT_EQ(fresh.errors.size(), 1u) << row.name;
        EXPECT_EQ(fresh.errors[0].message, QString::fromUtf8(row.message)) << row.name;
        // The window keeps what it showed before.
        EXPECT_EQ(window.findChild<QPlainTextEdit*>("fz")->toPlainText(), eightFiveThree().statement)
            << row.name;
        EXPECT_EQ(window.findChild<QLabel*>("esa")->text(), QStringLiteral("4/8")) << row.name;
        EXPECT_EQ(window.findChild<VesselView*>("sa")->capacity(), 8) << row.name;
    }
}

TEST_F(TForm3Window, TextSizeStaysWithinLimitsAndPersistsBetweenShowings) {
    struct Clicks {
        const char* name;
        int up;
        int down;
        int points;
    };
    const Clicks rows[] = {
        {"three_up", 3, 0, 11},
        {"up_stops_at_19", 20, 0, 19},
        {"down_stops_at_8", 0, 5, 8},
        {"up_then_down", 5, 2, 11},
    };
    for (const Clicks& row : rows) {
        FakePlatform fresh;
        TargetStateWindow window(fresh);
        fresh.onModal = [&](QDialog& dialog) {
            for (int i = 0; i < row.up; ++i) {
                QTest::mouseClick(dialog.findChild<QPushButton*>("SpeedButton1"), Qt::LeftButton);
            }
            for (int i = 0; i < row.down; ++i) {
                QTest::mouseClick(dialog.findChild<QPushButton*>("SpeedButton2"), Qt::LeftButton);
            }
        };
        window.fill(eightFiveThree());
        fresh.showModal(window);
        fresh.onModal = nullptr;
        window.fill(eightFiveThree());
        fresh.showModal(window);
        auto* memo = window.findChild<QPlainTextEdit*>("fz");
        EXPECT_EQ(window.textPoints(), row.points) << row.name;
        EXPECT_EQ(memo->font().pixelSize(), trimerka::pointsToPixels(row.points)) << row.name;
    }
}

TEST_F(TForm3Window, MemoStartsAtEightPointsTahoma) {
    auto* memo = child<QPlainTextEdit>("fz");
    EXPECT_EQ(form.textPoints(), 8);
    EXPECT_EQ(memo->font().pixelSize(), 11);
    EXPECT_FALSE(memo->font().bold());
    EXPECT_EQ(memo->focusPolicy(), Qt::ClickFocus) << "the Tab key passes the memo by";
}

TEST_F(TForm3Window, CloseButtonAndCloseBoxBothCloseTheWindow) {
    form.fill(eightFiveThree());
    form.show();
    QTest::mouseClick(child<QPushButton>("SpeedButton3"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    form.show();
    form.close();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(TForm3Window, GrabbedWindowShowsTheBarsAtTheirHeights) {
    TargetState state = eightFiveThree();
    state.vessels[0] = TargetVessel{kFill, kEmpty, 99, 185, QStringLiteral("99")};
    state.vessels[1] = TargetVessel{kFill, kEmpty, 8, 120, QStringLiteral("4")};
    state.unlimitedArrowShown = true;
    state.pourBackArrowShown = true;
    form.fill(state);
    form.show();
    const QImage image = grabWindow(form, "TargetStateWindow.png");
    const QColor face = form.palette().color(QPalette::Button);
    // Б's bar: 120 high, its top at 154 + 65; half full: 59 of its 118 inner rows filled.
    const Pixel pixels[] = {
        {"b_area_above_bar", 180, 154 + 64, face},
        {"b_bar_top_edge", 180, 154 + 65, Qt::black},
        {"b_last_empty_row", 180, 154 + 65 + 59, kEmpty},
        {"b_first_filled_row", 180, 154 + 65 + 60, kFill},
        {"b_bar_bottom_edge", 180, 154 + 184, Qt::black},
        {"a_full_to_the_top", 20, 154 + 1, kFill},
        {"a_outline_under_the_arrows", 60, 154 + 184, Qt::black},
        {"v_empty_bar", 300, 154 + 183, kEmpty},
    };
    expectPixels(image, pixels);
    // The arrows lie over the full bar: the middle of each one's curve is blue, not the liquid's green.
    const QPoint arrowMiddles[] = {{17 + 12 + 12, 154 + 130 + 22}, {17 + 40 + 46 - 13, 154 + 120 + 50 - 23}};
    for (const QPoint& at : arrowMiddles) {
        const QColor c(image.pixel(at));
        EXPECT_GT(c.blue(), c.red() + 100) << at.x() << ", " << at.y();
        EXPECT_GT(c.blue(), c.green()) << at.x() << ", " << at.y();
    }
}

} // namespace
