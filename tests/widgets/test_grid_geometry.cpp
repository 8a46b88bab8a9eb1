#include <gtest/gtest.h>

#include <vector>

#include "widgets/GridGeometry.h"

using namespace trimerka;

namespace {

// The sheet of the input tests without a window: a 20-pixel gutter, one 18-pixel header line, four columns
// of 80 and five rows, so column 0's right edge is at client x = 100 and row 0 spans client rows 17 .. 35.
GridGeometry sheet(int rows = 5, std::vector<ColumnExtent> columns = {{80}, {80}, {80}, {80}}) {
    int body = 0;
    for (const auto& c : columns)
        body += c.visible ? c.width : 0;
    GridGeometry g(std::move(columns), rows, 18);
    g.setBands(20, 18);
    g.setBodySize(body, rows * 18);
    g.setCellBox({20, 18, 420, 200});
    return g;
}

TEST(GridGeometryHitTest, FindsTheZoneColumnAndRowAtAPoint) {
    struct Case {
        const char* name;
        QPoint p;
        GridHit hit;
    };
    const Case cases[] = {
        {"CornerAboveGutter", {5, 5}, {GridZone::Corner, -1, -1}},
        {"GutterOfRow0", {5, 30}, {GridZone::Gutter, -1, 0}},
        {"GutterOfTheLastRow", {5, 18 + 4 * 18 + 5}, {GridZone::Gutter, -1, 4}},
        {"GutterBelowLastRow", {5, 18 + 5 * 18 + 3}, {GridZone::None, -1, -1}},
        {"HeaderOfColumn0", {50, 5}, {GridZone::Header, 0, -1}},
        {"HeaderOfColumn3", {330, 5}, {GridZone::Header, 3, -1}},
        {"BodyCell", {50, 30}, {GridZone::Cell, 0, 0}},
        {"BodyCellOfRow2Column1", {150, 18 + 2 * 18 + 1}, {GridZone::Cell, 1, 2}},
        {"RightEdgeInBody", {100, 30}, {GridZone::ColumnEdge, 0, 0}},
        {"OnePixelLeftOfTheEdge", {99, 30}, {GridZone::ColumnEdge, 0, 0}},
        {"RightEdgeInHeader", {101, 5}, {GridZone::ColumnEdge, 0, -1}},
        {"RightEdgeBelowRows", {179, 150}, {GridZone::ColumnEdge, 1, -1}},
        {"TwoPixelsOffTheEdge", {102, 30}, {GridZone::Cell, 1, 0}},
        {"OnTheGutterLine", {20, 30}, {GridZone::None, -1, -1}},
        {"OnTheHeaderLine", {50, 18}, {GridZone::None, -1, -1}},
        {"BelowLastRow", {50, 18 + 5 * 18 + 3}, {GridZone::None, -1, -1}},
        {"RightOfLastColumn", {360, 30}, {GridZone::None, -1, -1}},
    };
    const GridGeometry g = sheet();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(g.hitTest(c.p, {}), c.hit);
    }
}

// The same points read differently once the grid scrolls, a column is fixed or hidden, sizing is off or the
// fill handle lies over them.
TEST(GridGeometryHitTest, FollowsScrollingColumnsAndTheFillHandle) {
    struct Case {
        const char* name;
        std::vector<ColumnExtent> columns;
        bool sizing;
        int horizontalOffset;
        int verticalOffset;
        PixelRect fillHandle;
        QPoint p;
        GridHit hit;
    };
    const std::vector<ColumnExtent> four = {{80}, {80}, {80}, {80}};
    const Case cases[] = {
        {"ScrolledBodyCell", four, true, 40, 36, {}, {50, 30}, {GridZone::Cell, 0, 2}},
        {"ScrolledEdge", four, true, 40, 0, {}, {60, 30}, {GridZone::ColumnEdge, 0, 0}},
        {"ScrolledHeaderShowsColumn1", four, true, 80, 0, {}, {50, 5}, {GridZone::Header, 1, -1}},
        {"AFixedColumnsEdgeIsPartOfTheCell",
         {{80, true, false}, {80}},
         true,
         0,
         0,
         {},
         {100, 30},
         {GridZone::Cell, 0, 0}},
        {"NoSizingWhileColumnsFitTheirTexts", four, false, 0, 0, {}, {100, 30}, {GridZone::Cell, 0, 0}},
        {"AHiddenColumnLeavesTheEdgeToItsNeighbour",
         {{80}, {80, false}, {80}},
         true,
         0,
         0,
         {},
         {100, 30},
         {GridZone::ColumnEdge, 0, 0}},
        {"TheColumnAfterAHiddenOne",
         {{80}, {80, false}, {80}},
         true,
         0,
         0,
         {},
         {150, 30},
         {GridZone::Cell, 2, 0}},
        {"TheFillHandleWinsOverTheEdge",
         four,
         true,
         0,
         0,
         {97, 33, 103, 39},
         {100, 35},
         {GridZone::FillHandle, 0, 0}},
        {"TheFillHandleBelowTheRows",
         four,
         true,
         0,
         0,
         {97, 105, 103, 111},
         {100, 110},
         {GridZone::FillHandle, 0, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridGeometry g = sheet(5, c.columns);
        g.setColumnSizing(c.sizing);
        g.setScrollOffsets(c.horizontalOffset, c.verticalOffset);
        EXPECT_EQ(g.hitTest(c.p, c.fillHandle), c.hit);
    }
}

TEST(GridGeometryRects, CellBandAndRangeRectanglesShareTheirBorders) {
    struct Case {
        const char* name;
        int horizontalOffset;
        int verticalOffset;
        PixelRect actual;
        PixelRect expected;
    };
    auto at = [](int h, int v) {
        GridGeometry g = sheet(8);
        g.setScrollOffsets(h, v);
        return g;
    };
    const Case cases[] = {
        {"FirstCell", 0, 0, at(0, 0).cellRect(0, 0), {19, 17, 100, 36}},
        {"SecondRowThirdColumn", 0, 0, at(0, 0).cellRect(2, 1), {179, 35, 260, 54}},
        {"ScrolledCell", 30, 36, at(30, 36).cellRect(1, 3), {69, 35, 150, 54}},
        {"NoColumnIsNoRectangle", 0, 0, at(0, 0).cellRect(-1, 0), {}},
        {"RangeFromCornerToCorner", 0, 0, at(0, 0).rangeRect({1, 1, 2, 3}), {99, 35, 260, 90}},
        {"HeaderCellOverTwoColumns", 0, 0, at(0, 0).headerCellRect({1, 0, 2, 0}), {99, -1, 260, 18}},
        {"HeaderIgnoresTheVerticalOffset", 10, 54, at(10, 54).headerCellRect({0, 0, 0, 0}), {9, -1, 90, 18}},
        {"MergedCellOverTwoRows", 0, 0, at(0, 0).mergedCellRect({0, 1, 1, 2}), {19, 35, 180, 72}},
        {"GutterCell", 0, 18, at(0, 18).gutterCellRect(2, 20), {-1, 35, 20, 54}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(GridGeometryRects, TheFillHandleSitsOnTheCornerOfItsPlace) {
    struct Case {
        const char* name;
        FillHandlePlace place;
        PixelRect expected;
    };
    // The frame of cells (1, 1) .. (2, 3) is 99, 35 .. 260, 90.
    const Case cases[] = {
        {"BottomRight", FillHandlePlace::BottomRight, {257, 87, 263, 93}},
        {"TopRightAfterAHeaderPress", FillHandlePlace::TopRight, {257, 37, 263, 43}},
        {"BottomLeftAfterAGutterPress", FillHandlePlace::BottomLeft, {101, 87, 107, 93}},
    };
    const GridGeometry g = sheet();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(g.fillHandleRect({1, 1, 2, 3}, c.place), c.expected);
    }
}

TEST(GridGeometrySpans, RowsAndColumnsMeetingABand) {
    struct Case {
        const char* name;
        int verticalOffset;
        int horizontalOffset;
        bool rows;
        int from;
        int to;
        IndexSpan expected;
    };
    const Case cases[] = {
        {"TheWholeBody", 0, 0, true, 18, 200, {0, 7}},
        {"TheSharedBorderBelongsToBothRows", 0, 0, true, 35, 36, {0, 1}},
        {"InsideOneRow", 0, 0, true, 40, 50, {1, 1}},
        {"ScrolledByTwoRows", 36, 0, true, 18, 37, {2, 3}},
        {"AnEmptyBandMeetsNothing", 0, 0, true, 50, 50, {1, 0}},
        {"BelowTheLastRow", 0, 0, true, 300, 400, {15, 7}},
        {"EveryColumn", 0, 0, false, 0, 420, {0, 3}},
        {"TheSecondColumnAlone", 0, 0, false, 110, 170, {1, 1}},
        {"TheBorderBetweenTwoColumns", 0, 0, false, 99, 100, {0, 1}},
        {"ScrolledColumns", 0, 100, false, 20, 120, {1, 2}},
        {"RightOfEveryColumn", 0, 0, false, 400, 420, {0, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridGeometry g = sheet(8);
        g.setScrollOffsets(c.horizontalOffset, c.verticalOffset);
        EXPECT_EQ(c.rows ? g.rowsMeeting(c.from, c.to) : g.columnsMeeting(c.from, c.to), c.expected);
    }
}

TEST(GridGeometrySpans, PositionsOfAPoint) {
    struct Case {
        const char* name;
        QPoint p;
        int column;
        int row;
        QPoint clamped;
    };
    const Case cases[] = {
        {"InTheBody", {150, 60}, 1, 2, {1, 2}},         {"InTheGutter", {10, 60}, -1, 2, {0, 2}},
        {"InTheHeader", {150, 10}, 1, -1, {1, 0}},      {"BelowTheRows", {150, 150}, 1, -1, {1, 4}},
        {"RightOfTheColumns", {400, 60}, 3, 2, {3, 2}},
    };
    const GridGeometry g = sheet();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(g.columnAt(c.p.x()), c.column);
        EXPECT_EQ(g.rowAt(c.p.y()), c.row);
        EXPECT_EQ(g.clampedCellAt(c.p.x(), c.p.y()), c.clamped);
    }
}

TEST(GridGeometryFit, ResizableColumnsTakeTheWidthRoundRobin) {
    using Columns = std::vector<ColumnExtent>;
    struct Case {
        const char* name;
        Columns columns;
        int available;
        int forced;
        std::vector<int> widths;
    };
    const std::vector<Case> cases = {
        {"GrowsFromTheFirstColumn", {{50}, {50}, {50}}, 155, -1, {52, 52, 51}},
        {"ShrinksFromTheFirstColumn", {{50}, {50}, {50}}, 146, -1, {48, 49, 49}},
        {"FixedColumnsKeepTheirWidths", {{50, true, false}, {50, true, false}}, 300, -1, {50, 50}},
        {"OnlyResizableColumnsGrow", {{50, true, false}, {50}}, 110, -1, {50, 60}},
        {"HiddenColumnsStay", {{50, false}, {50}}, 60, -1, {50, 60}},
        {"TheForcedColumnDoesNotShrink", {{50}, {50}}, 90, 0, {50, 40}},
        {"TheForcedColumnStillGrows", {{50}, {50}}, 102, 0, {51, 51}},
        {"NoColumnsNothingToDo", {}, 100, -1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Columns columns = c.columns;
        GridGeometry::fitWidths(columns, c.available, c.forced);
        std::vector<int> widths;
        for (const auto& column : columns)
            widths.push_back(column.width);
        EXPECT_EQ(widths, c.widths);
    }
}

} // namespace
