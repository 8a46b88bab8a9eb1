#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include "support/FakePlatform.h"
#include "widgets/StepLogGrid.h"

using namespace trimerka;
using namespace trimerka::testing;

namespace {

void turnWheel(CellGrid& g, int delta) {
    const QPointF at(100, 60);
    QWheelEvent e(at, g.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(g.viewport(), &e);
}

void dragThumb(QScrollBar& bar, int position) {
    bar.setSliderDown(true);
    bar.setSliderPosition(position);
    bar.setSliderDown(false);
}

std::unique_ptr<CellGrid> longLog(Platform& platform) {
    auto g = makeStepLog(platform, 50);
    g->show();
    QApplication::processEvents();
    g->setVerticalOffset(0);
    return g;
}

} // namespace

TEST(GridScroll, VerticalBarAndWheel) {
    struct Case {
        const char* name;
        int startOffset;
        std::function<void(CellGrid&)> act;
        int expected;
    };
    const std::vector<Case> cases = {
        {"line down moves one row", 0,
         [](CellGrid& g) { g.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); }, 18},
        {"line up moves one row", 90,
         [](CellGrid& g) { g.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub); }, 72},
        {"page down moves five rows", 0,
         [](CellGrid& g) { g.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd); }, 90},
        {"thumb drag snaps down to a row", 0, [](CellGrid& g) { dragThumb(*g.verticalScrollBar(), 100); },
         90},
        {"wheel notch down moves 120 pixels", 0, [](CellGrid& g) { turnWheel(g, -120); }, 120},
        {"wheel notch up stops at the top", 36, [](CellGrid& g) { turnWheel(g, 120); }, 0},
        {"offset setter rounds down to a row", 0, [](CellGrid& g) { g.setVerticalOffset(40); }, 36},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        auto g = longLog(platform);
        g->setVerticalOffset(c.startOffset);
        ASSERT_EQ(g->verticalOffset(), c.startOffset) << c.name;
        c.act(*g);
        EXPECT_EQ(g->verticalOffset(), c.expected) << c.name;
        EXPECT_EQ(g->verticalScrollBar()->value(), c.expected) << c.name << ": the bar shows the offset";
    }
}

TEST(GridScroll, LineAfterWheelSnapsToARow) {
    FakePlatform platform;
    auto g = longLog(platform);
    turnWheel(*g, -120);
    ASSERT_EQ(g->verticalOffset(), 120);
    g->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g->verticalOffset(), 126);
}

TEST(GridScroll, OffsetsStayInRange) {
    FakePlatform platform;
    auto g = longLog(platform);
    g->setVerticalOffset(1000000);
    EXPECT_EQ(g->verticalOffset(), g->maxVerticalOffset());
    EXPECT_EQ(g->maxVerticalOffset() % 18, 0);
    turnWheel(*g, -1200);
    EXPECT_EQ(g->verticalOffset(), g->maxVerticalOffset());
    g->setHorizontalOffset(50);
    EXPECT_EQ(g->horizontalOffset(), 0) << "the log fits its width";
}

TEST(GridScroll, HorizontalLineMovesPixelsWithoutSnapping) {
    FakePlatform platform;
    CellGrid g(platform);
    g.setColumnCount(5);
    g.show();
    QApplication::processEvents();
    ASSERT_GT(g.maxHorizontalOffset(), 40);
    g.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g.horizontalOffset(), 18);
    dragThumb(*g.horizontalScrollBar(), 23);
    EXPECT_EQ(g.horizontalOffset(), 23);
}

TEST(GridScroll, ensureVisible) {
    FakePlatform platform;
    auto g = longLog(platform);
    const int ch = g->viewport()->height();
    const int span = (ch - 36) / 18 - 1;

    g->ensureVisible(1, 20);
    EXPECT_EQ(g->verticalOffset(), (20 - span) * 18) << "a row below becomes the last fully visible one";
    EXPECT_LE(g->cellRect(1, 20).bottom, ch);
    EXPECT_GT(g->cellRect(1, 21).bottom, ch);

    g->ensureVisible(1, 3);
    EXPECT_EQ(g->verticalOffset(), 3 * 18) << "a row above becomes the first";
    EXPECT_EQ(g->cellRect(1, 3).top, 35);

    const int before = g->verticalOffset();
    g->ensureVisible(1, 4);
    EXPECT_EQ(g->verticalOffset(), before) << "a visible row does not scroll";
    g->ensureVisible(-1, 40);
    EXPECT_EQ(g->verticalOffset(), before);
}

TEST(GridScroll, EnsureVisibleBringsAColumnIntoView) {
    FakePlatform platform;
    CellGrid g(platform);
    g.setColumnCount(6);
    g.setRowCount(3);
    g.show();
    QApplication::processEvents();
    const int cw = g.viewport()->width();
    g.ensureVisible(4, 0);
    const int right = g.fixedWidth() + g.columnLeft(5) - g.horizontalOffset();
    EXPECT_EQ(right, cw - 1);
    g.ensureVisible(0, 0);
    EXPECT_EQ(g.horizontalOffset(), 0);
}

// The painter visits only the rows between these two; they must be exactly the rows that meet cellBox_.
TEST(GridScroll, VisibleRowsAreExactlyThoseMeetingTheCellBox) {
    FakePlatform platform;
    auto g = longLog(platform);
    const int offsets[] = {0, 18, 120, 126, 1000000};
    for (const int offset : offsets) {
        g->setVerticalOffset(0);
        turnWheel(*g, -offset);
        const int first = g->firstVisibleRow();
        const int last = g->lastVisibleRow();
        const PixelRect box = g->cellBox();
        EXPECT_TRUE(g->cellRect(0, first).intersects(box)) << "offset " << g->verticalOffset();
        EXPECT_TRUE(g->cellRect(0, last).intersects(box)) << "offset " << g->verticalOffset();
        if (first > 0) {
            EXPECT_FALSE(g->cellRect(0, first - 1).intersects(box)) << "offset " << g->verticalOffset();
        }
        if (last < g->rowCount() - 1) {
            EXPECT_FALSE(g->cellRect(0, last + 1).intersects(box)) << "offset " << g->verticalOffset();
        }
    }
}
