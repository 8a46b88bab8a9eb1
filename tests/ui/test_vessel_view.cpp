#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <gtest/gtest.h>

#include "core/Error.h"
#include "support/WindowChecks.h"
#include "ui/VesselView.h"

namespace {

using trimerka::VesselView;

const QColor kBlack(0, 0, 0);
const QColor kDefaultFill(186, 254, 189);
const QColor kDefaultEmpty(230, 230, 230);

struct FillCase {
    const char* name;
    int capacity;
    int amount;
    int height;
    int expectedAmount;
    int expectedPercent;
    int expectedFillRows;
};

void PrintTo(const FillCase& c, std::ostream* os) {
    *os << c.name;
}

class VesselFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(VesselFill, AmountPercentAndFillRowsFollowTheSetValues) {
    const FillCase& c = GetParam();
    VesselView view;
    view.setBarHeight(c.height);
    view.setCapacity(c.capacity);
    view.setAmount(c.amount);
    EXPECT_EQ(view.amount(), c.expectedAmount);
    EXPECT_EQ(view.percent(), c.expectedPercent);
    EXPECT_EQ(view.fillRows(), c.expectedFillRows);
}

INSTANTIATE_TEST_SUITE_P(Table, VesselFill,
                         ::testing::Values(FillCase{"half_of_twelve", 12, 6, 185, 6, 50, 92},
                                           FillCase{"five_of_twelve", 12, 5, 185, 5, 41, 75},
                                           FillCase{"above_capacity_is_full", 12, 15, 185, 12, 100, 183},
                                           FillCase{"below_zero_is_empty", 12, -3, 185, 0, 0, 0},
                                           FillCase{"capacity_zero_shows_no_fill", 0, 7, 185, 0, 0, 0},
                                           FillCase{"full_at_lowest_height", 12, 12, 25, 12, 100, 23},
                                           FillCase{"half_at_lowest_height", 8, 4, 25, 4, 50, 12},
                                           FillCase{"one_percent_fills_one_row", 100, 1, 185, 1, 1, 1},
                                           FillCase{"exact_product_keeps_its_row", 100, 29, 101, 29, 29, 29},
                                           FillCase{"large_values_do_not_overflow", 2147483647, 2147483646,
                                                    185, 2147483646, 99, 182},
                                           FillCase{"height_of_one_has_no_inside", 5, 5, 1, 5, 100, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VesselView, StartsInTheLookOfNoTaskOpen) {
    VesselView view;
    EXPECT_EQ(view.capacity(), 99);
    EXPECT_EQ(view.amount(), 99);
    EXPECT_EQ(view.barHeight(), 185);
    EXPECT_EQ(view.fillColor(), kDefaultFill);
    EXPECT_EQ(view.emptyColor(), kDefaultEmpty);
    EXPECT_EQ(view.size(), QSize(97, 185));
}

TEST(VesselView, NegativeCapacityIsRefusedAndChangesNothing) {
    VesselView view;
    view.setCapacity(12);
    view.setAmount(7);
    try {
        view.setCapacity(-1);
        FAIL() << "a negative capacity was taken";
    } catch (const trimerka::Error& e) {
        EXPECT_STREQ(e.what(), "Value must be between 1 and 2147483647");
    }
    EXPECT_EQ(view.capacity(), 12);
    EXPECT_EQ(view.amount(), 7);
}

TEST(VesselView, LoweringTheCapacityLowersTheAmount) {
    VesselView view;
    view.setCapacity(12);
    view.setAmount(10);
    view.setCapacity(8);
    EXPECT_EQ(view.amount(), 8);
    view.setCapacity(20);
    EXPECT_EQ(view.amount(), 8) << "raising the capacity leaves the amount alone";
    view.setCapacity(0);
    EXPECT_EQ(view.amount(), 0);
}

// The view inside a parent of a known colour, so the background above a low bar can be checked.
struct Scene {
    QWidget parent;
    VesselView* view;
    static inline const QColor kBackground{12, 34, 56};

    Scene() : view(new VesselView(&parent)) {
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, kBackground);
        parent.setPalette(palette);
        parent.setAutoFillBackground(true);
        parent.resize(VesselView::kAreaWidth, VesselView::kAreaHeight);
    }
    QImage grab() { return parent.grab().toImage(); }
};

using trimerka::testing::expectPixels;

TEST(VesselViewPixels, HalfVesselAtFullHeight) {
    Scene scene;
    scene.view->setCapacity(12);
    scene.view->setAmount(6); // F = 92: rows 92 ... 183 filled, rows 1 ... 91 empty
    const QImage image = scene.grab();
    ASSERT_EQ(image.size(), QSize(97, 185));
    expectPixels(image, {
                            {"top_left_corner", 0, 0, kBlack},
                            {"top_edge", 48, 0, kBlack},
                            {"bottom_right_corner", 96, 184, kBlack},
                            {"left_edge", 0, 100, kBlack},
                            {"right_edge", 96, 100, kBlack},
                            {"first_inner_pixel_empty", 1, 1, kDefaultEmpty},
                            {"last_empty_row", 95, 91, kDefaultEmpty},
                            {"first_filled_row", 1, 92, kDefaultFill},
                            {"last_inner_pixel_filled", 95, 183, kDefaultFill},
                        });
}

TEST(VesselViewPixels, LowBarStandsOnTheBottomWithBackgroundAbove) {
    Scene scene;
    scene.view->setBarHeight(25);
    scene.view->setCapacity(8);
    scene.view->setAmount(4); // F = 12 of the 23 inner rows
    scene.view->setFillColor(QColor(255, 0, 0));
    scene.view->setEmptyColor(QColor(0, 0, 255));
    const QImage image = scene.grab();
    expectPixels(image, {
                            {"background_at_top", 10, 0, Scene::kBackground},
                            {"background_just_above_bar", 50, 159, Scene::kBackground},
                            {"bar_top_edge", 50, 160, kBlack},
                            {"bar_bottom_edge", 50, 184, kBlack},
                            {"inner_top_empty", 1, 161, QColor(0, 0, 255)},
                            {"last_empty_row", 95, 171, QColor(0, 0, 255)},
                            {"first_filled_row", 95, 172, QColor(255, 0, 0)},
                            {"bottom_inner_filled", 1, 183, QColor(255, 0, 0)},
                        });
}

TEST(VesselViewPixels, FullAndEmptyBars) {
    Scene scene;
    expectPixels(scene.grab(),
                 {{"full_top_inner_row", 50, 1, kDefaultFill}, {"full_outline_kept", 50, 0, kBlack}});
    scene.view->setAmount(0);
    expectPixels(scene.grab(), {{"empty_bottom_inner_row", 50, 183, kDefaultEmpty},
                                {"empty_outline_kept", 50, 184, kBlack}});
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

TEST(VesselView, RedrawsOnlyWhenThePercentageChanges) {
    Scene scene;
    scene.view->setCapacity(1000);
    scene.view->setAmount(500);
    scene.parent.show();
    QApplication::processEvents();
    PaintCounter counter;
    scene.view->installEventFilter(&counter);

    scene.view->setAmount(505); // still 50 %
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    scene.view->setAmount(510); // 51 %
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}

} // namespace
