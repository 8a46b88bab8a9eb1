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
    g->SetVertOffset(0);
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
        {"offset setter rounds down to a row", 0, [](CellGrid& g) { g.SetVertOffset(40); }, 36},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        auto g = longLog(platform);
        g->SetVertOffset(c.startOffset);
        ASSERT_EQ(g->VertOffset(), c.startOffset) << c.name;
        c.act(*g);
        EXPECT_EQ(g->VertOffset(), c.expected) << c.name;
        EXPECT_EQ(g->verticalScrollBar()->value(), c.expected) << c.name << ": the bar shows the offset";
    }
}

TEST(GridScroll, LineAfterWheelSnapsToARow) {
    FakePlatform platform;
    auto g = longLog(platform);
    turnWheel(*g, -120);
    ASSERT_EQ(g->VertOffset(), 120);
    g->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g->VertOffset(), 126);
}

TEST(GridScroll, OffsetsStayInRange) {
    FakePlatform platform;
    auto g = longLog(platform);
    g->SetVertOffset(1000000);
    EXPECT_EQ(g->VertOffset(), g->MaxVScroll());
    EXPECT_EQ(g->MaxVScroll() % 18, 0);
    turnWheel(*g, -1200);
    EXPECT_EQ(g->VertOffset(), g->MaxVScroll());
    g->SetHorzOffset(50);
    EXPECT_EQ(g->HorzOffset(), 0) << "the log fits its width";
}

TEST(GridScroll, HorizontalLineMovesPixelsWithoutSnapping) {
    FakePlatform platform;
    CellGrid g(platform);
    g.SetColCount(5);
    g.show();
    QApplication::processEvents();
    ASSERT_GT(g.MaxHScroll(), 40);
    g.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(g.HorzOffset(), 18);
    dragThumb(*g.horizontalScrollBar(), 23);
    EXPECT_EQ(g.HorzOffset(), 23);
}

TEST(GridScroll, EnsureVisible) {
    FakePlatform platform;
    auto g = longLog(platform);
    const int ch = g->viewport()->height();
    const int span = (ch - 36) / 18 - 1;

    g->EnsureVisible(1, 20);
    EXPECT_EQ(g->VertOffset(), (20 - span) * 18) << "a row below becomes the last fully visible one";
    EXPECT_LE(g->CellRect(1, 20).Bottom, ch);
    EXPECT_GT(g->CellRect(1, 21).Bottom, ch);

    g->EnsureVisible(1, 3);
    EXPECT_EQ(g->VertOffset(), 3 * 18) << "a row above becomes the first";
    EXPECT_EQ(g->CellRect(1, 3).Top, 35);

    const int before = g->VertOffset();
    g->EnsureVisible(1, 4);
    EXPECT_EQ(g->VertOffset(), before) << "a visible row does not scroll";
    g->EnsureVisible(-1, 40);
    EXPECT_EQ(g->VertOffset(), before);
}

TEST(GridScroll, EnsureVisibleBringsAColumnIntoView) {
    FakePlatform platform;
    CellGrid g(platform);
    g.SetColCount(6);
    g.SetRowCount(3);
    g.show();
    QApplication::processEvents();
    const int cw = g.viewport()->width();
    g.EnsureVisible(4, 0);
    const int right = g.GetFixedWidth() + g.ColumnLeft(5) - g.HorzOffset();
    EXPECT_EQ(right, cw - 1);
    g.EnsureVisible(0, 0);
    EXPECT_EQ(g.HorzOffset(), 0);
}

// The painter visits only the rows between these two; they must be exactly the rows that meet CellBox.
TEST(GridScroll, VisibleRowsAreExactlyThoseMeetingTheCellBox) {
    FakePlatform platform;
    auto g = longLog(platform);
    const int offsets[] = {0, 18, 120, 126, 1000000};
    for (const int offset : offsets) {
        g->SetVertOffset(0);
        turnWheel(*g, -offset);
        const int first = g->FirstVisibleRow();
        const int last = g->LastVisibleRow();
        const GridRect box = g->GetCellBox();
        EXPECT_TRUE(g->CellRect(0, first).Intersects(box)) << "offset " << g->VertOffset();
        EXPECT_TRUE(g->CellRect(0, last).Intersects(box)) << "offset " << g->VertOffset();
        if (first > 0) {
            EXPECT_FALSE(g->CellRect(0, first - 1).Intersects(box)) << "offset " << g->VertOffset();
        }
        if (last < g->RowCount() - 1) {
            EXPECT_FALSE(g->CellRect(0, last + 1).Intersects(box)) << "offset " << g->VertOffset();
        }
    }
}
