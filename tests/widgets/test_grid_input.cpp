#include <vector>

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "core/Error.h"
#include "support/GridInputSupport.h"
#include "widgets/CellEditor.h"
#include "widgets/StepLogGrid.h"

namespace trimerka {
namespace {

using testing::area;
using testing::cellCentre;
using testing::click;
using testing::drag;
using testing::dragMove;
using testing::FakePlatform;
using testing::hover;
using testing::makeSheet;
using testing::makeStepLog;
using testing::ScriptedDelegate;
using testing::showFocused;
using testing::typeText;

// ---- The read-only step log

class StepLogInput : public ::testing::Test {
protected:
    void SetUp() override {
        grid = makeStepLog(platform, 15);
        // The main window widens every click and key to the whole current row.
        QObject::connect(grid.get(), &CellGrid::clicked, grid.get(), [this, g = grid.get()]() {
            clicks.push_back({g->currentColumn(), g->currentRow(), g->selection()});
            g->setSelection({0, g->currentRow(), g->columnCount() - 1, g->currentRow()});
        });
        QObject::connect(grid.get(), &CellGrid::keyPressed, grid.get(),
                         [this, g = grid.get()](int, Qt::KeyboardModifiers) {
                             ++keyDowns;
                             g->setSelection({0, g->currentRow(), g->columnCount() - 1, g->currentRow()});
                         });
        showFocused(*grid, *grid);
        grid->setCurrentRow(0);
        grid->setVerticalOffset(0);
    }

    struct Click {
        int col;
        int row;
        CellRange areaAtClick;
    };
    FakePlatform platform;
    std::unique_ptr<CellGrid> grid;
    std::vector<Click> clicks;
    int keyDowns = 0;
};

TEST_F(StepLogInput, ClickOnRowThreeSelectsTheCellThenTheClickWidensToTheRow) {
    click(*grid, cellCentre(*grid, 2, 3));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].col, 2);
    EXPECT_EQ(clicks[0].row, 3);
    EXPECT_EQ(clicks[0].areaAtClick, area(2, 3, 2, 3));
    EXPECT_EQ(grid->selection(), area(0, 3, 3, 3));
}

TEST_F(StepLogInput, ClickOnTheCurrentCellOpensNoEditor) {
    click(*grid, cellCentre(*grid, 1, 3));
    click(*grid, cellCentre(*grid, 1, 3));
    EXPECT_FALSE(grid->isEditing());
    EXPECT_EQ(grid->findChild<CellEditor*>(), nullptr) << "a read-only grid never makes its editor";
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(StepLogInput, PageKeysJumpToFirstAndLastRow) {
    struct Case {
        const char* name;
        int startRow;
        int key;
        int expectedRow;
    };
    const Case cases[] = {
        {"PageDownFromRow2Of15", 2, Qt::Key_PageDown, 14}, {"PageUpFromRow2", 2, Qt::Key_PageUp, 0},
        {"PageUpFromLastRow", 14, Qt::Key_PageUp, 0},      {"DownOnLastRowStays", 14, Qt::Key_Down, 14},
        {"UpOnFirstRowStays", 0, Qt::Key_Up, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->setCurrentRow(c.startRow);
        QTest::keyClick(grid.get(), static_cast<Qt::Key>(c.key));
        EXPECT_EQ(grid->currentRow(), c.expectedRow);
        EXPECT_EQ(grid->selection(), area(0, c.expectedRow, 3, c.expectedRow));
    }
}

TEST_F(StepLogInput, DownOnTheLastRowWithAutoAddRowAddsNothingWhenReadOnly) {
    grid->setAutoAddRow(true);
    grid->setCurrentRow(14);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->rowCount(), 15);
    EXPECT_EQ(grid->currentRow(), 14);
}

TEST_F(StepLogInput, WithoutRowsNoKeyActsAndOnKeyDownStaysSilent) {
    grid->setRowCount(0);
    for (int key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Insert, Qt::Key_Return, Qt::Key_C, Qt::Key_A}) {
        QTest::keyClick(grid.get(), static_cast<Qt::Key>(key),
                        key == Qt::Key_C || key == Qt::Key_A ? Qt::ControlModifier : Qt::NoModifier);
    }
    EXPECT_EQ(keyDowns, 0);
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_EQ(grid->currentRow(), -1);
    EXPECT_TRUE(platform.clipboard.isEmpty());
}

TEST_F(StepLogInput, OnKeyDownComesAfterTheGridMoved) {
    int rowSeen = -1;
    QObject::connect(grid.get(), &CellGrid::keyPressed, grid.get(),
                     [&, g = grid.get()](int, Qt::KeyboardModifiers) { rowSeen = g->currentRow(); });
    grid->setCurrentRow(4);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(rowSeen, 5);
}

TEST_F(StepLogInput, CtrlCOnAWholeRowCopiesItsFourTextsWithTabs) {
    grid->setCurrentRow(2);
    grid->setSelection({0, 2, 3, 2});
    QTest::keyClick(grid.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform.clipboard, QStringLiteral("А -> Б\t10\t2\t0\r\n"));
}

// The main window widens only moves to the current row, so Ctrl+A keeps every row for Ctrl+C.
TEST_F(StepLogInput, CtrlAThenCtrlCCopiesEveryRowAndShiftUpShrinksFromTheBottom) {
    int lastKey = 0;
    QObject::disconnect(grid.get(), &CellGrid::keyPressed, nullptr, nullptr);
    QObject::connect(grid.get(), &CellGrid::keyPressed, grid.get(),
                     [&](int key, Qt::KeyboardModifiers) { lastKey = key; });
    grid->setRowCount(3);
    grid->setCurrentRow(1);
    grid->setSelection({0, 1, 3, 1});
    QTest::keyClick(grid.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid->selection(), area(0, 0, 3, 2));
    EXPECT_EQ(lastKey, Qt::Key_A);
    QTest::keyClick(grid.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform.clipboard,
              QStringLiteral("А -> Б\t12\t0\t0\r\nА -> Б\t11\t1\t0\r\nА -> Б\t10\t2\t0\r\n"));
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->cellText(1, 2), QStringLiteral("10"));
    QTest::keyClick(grid.get(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(grid->selection(), area(0, 0, 3, 1));
}

// Whatever shortcut a window binds to Ctrl+A, the focused grid takes the key.
TEST_F(StepLogInput, CtrlAWinsOverAWindowShortcut) {
    QObject::disconnect(grid.get(), &CellGrid::keyPressed, nullptr, nullptr);
    QWidget window;
    auto* shortcut = new QAction(&window);
    shortcut->setShortcut(QKeySequence::SelectAll);
    int triggered = 0;
    QObject::connect(shortcut, &QAction::triggered, &window, [&] { ++triggered; });
    window.addAction(shortcut);
    grid->setParent(&window);
    window.show();
    showFocused(window, *grid);
    QTest::keyClick(grid.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid->selection(), area(0, 0, 3, 14));
    EXPECT_EQ(triggered, 0);
    grid->setParent(nullptr);
}

TEST_F(StepLogInput, EditingKeysAreRefusedButMovingWorks) {
    platform.clipboard = QStringLiteral("x\r\n");
    grid->setCurrentRow(5);
    grid->setSelection({0, 5, 3, 5});
    QTest::keyClick(grid.get(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(grid.get(), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(grid.get(), Qt::Key_Delete);
    QTest::keyClick(grid.get(), Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(grid.get(), Qt::Key_Insert);
    typeText(*grid, QStringLiteral("9"));
    EXPECT_EQ(grid->rowCount(), 15);
    EXPECT_EQ(grid->cellText(0, 5), QStringLiteral("А -> Б"));
    EXPECT_EQ(grid->cellText(1, 5), QStringLiteral("7"));
    EXPECT_EQ(platform.clipboard, QStringLiteral("x\r\n"));
    QTest::keyClick(grid.get(), Qt::Key_Up);
    EXPECT_EQ(grid->currentRow(), 4);
}

// ---- Hit test and cursors

class SheetInput : public ::testing::Test {
protected:
    void SetUp() override {
        grid = makeSheet(platform);
        grid->setDelegate(&rules);
        showFocused(*grid, *grid);
    }
    FakePlatform platform;
    ScriptedDelegate rules;
    std::unique_ptr<CellGrid> grid;
};

// The geometry's own tests hold the table of zones; the grid hands it the columns, the offsets and the fill
// handle it shows.
TEST_F(SheetInput, TheGridsHitTestIsItsGeometrys) {
    grid->setRowCount(5);
    const QPoint points[] = {{5, 5}, {5, 30}, {50, 5}, {50, 30}, {100, 30}, {179, 150}, {360, 30}};
    for (const QPoint p : points) {
        SCOPED_TRACE(p.x() * 1000 + p.y());
        EXPECT_EQ(grid->hitTest(p.x(), p.y()), grid->geometry().hitTest(p, grid->fillHandleRect()));
    }
    EXPECT_EQ(grid->hitTest(100, 30), (GridHit{GridZone::ColumnEdge, 0, 0}));
    grid->setAutoColumnWidth(true);
    EXPECT_NE(grid->hitTest(grid->fixedWidth() + grid->columns()[0].width(), 30).zone, GridZone::ColumnEdge);
}

TEST_F(SheetInput, TheFillHandleWinsOverTheEdgeBeneathIt) {
    (void)grid->grab();
    const PixelRect box = grid->fillHandleRect();
    ASSERT_FALSE(box.isEmpty());
    EXPECT_EQ(grid->hitTest(box.left + 3, box.top + 3).zone, GridZone::FillHandle);
}

TEST_F(SheetInput, TheCursorShowsTheZoneUnderThePointer) {
    struct Case {
        const char* name;
        QPoint p;
        Qt::CursorShape shape;
        QPoint hotSpot;
    };
    const Case cases[] = {
        {"CornerArrowUpLeft", {5, 5}, Qt::BitmapCursor, {1, 1}},
        {"GutterArrowRight", {5, 30}, Qt::BitmapCursor, {17, 15}},
        {"HeaderArrowDown", {50, 5}, Qt::BitmapCursor, {15, 17}},
        {"CellThickPlus", {50, 30}, Qt::BitmapCursor, {15, 15}},
        {"EdgeSplit", {100, 30}, Qt::SplitHCursor, {}},
        {"OutsideArrow", {400, 30}, Qt::ArrowCursor, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hover(*grid, c.p);
        const QCursor cursor = grid->viewport()->cursor();
        EXPECT_EQ(cursor.shape(), c.shape);
        if (c.shape == Qt::BitmapCursor) {
            EXPECT_FALSE(cursor.pixmap().isNull());
            EXPECT_EQ(cursor.hotSpot(), c.hotSpot);
        }
    }
    grid->setCellsEnabled(false);
    hover(*grid, {50, 30});
    EXPECT_EQ(grid->viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(SheetInput, APressActsOnTheZoneShownAtTheLastMove) {
    hover(*grid, {5, 30 + 18});
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(*grid, 2, 3));
    EXPECT_EQ(grid->selection(), area(0, 3, 3, 3));
}

// ---- Pointer selection

TEST_F(SheetInput, PressesSelectCellsRowsColumnsAndEverything) {
    struct Case {
        const char* name;
        QPoint p;
        int col;
        int row;
        CellRange selected;
    };
    const int rowTop = 18;
    const Case cases[] = {
        {"CellSelectsItself", {150, rowTop + 2 * 18 + 9}, 1, 2, {1, 2, 1, 2}},
        {"GutterSelectsTheRow", {8, rowTop + 4 * 18 + 9}, 0, 4, {0, 4, 3, 4}},
        {"HeaderSelectsTheColumn", {230, 9}, 2, 0, {2, 0, 2, 14}},
        {"CornerSelectsEverything", {8, 9}, 0, 0, {0, 0, 3, 14}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->setCurrentColumn(3);
        grid->setCurrentRow(6);
        click(*grid, c.p);
        EXPECT_EQ(grid->currentColumn(), c.col);
        EXPECT_EQ(grid->currentRow(), c.row);
        EXPECT_EQ(grid->selection(), c.selected);
    }
}

TEST_F(SheetInput, BandPressesReportTheirRowOrColumn) {
    std::vector<int> gutter;
    std::vector<int> header;
    QObject::connect(grid.get(), &CellGrid::gutterClicked, grid.get(),
                     [&](int r, Qt::MouseButton, Qt::KeyboardModifiers) { gutter.push_back(r); });
    QObject::connect(grid.get(), &CellGrid::headerClicked, grid.get(),
                     [&](int c, Qt::MouseButton, Qt::KeyboardModifiers) { header.push_back(c); });
    click(*grid, {8, 18 + 2 * 18 + 9});
    click(*grid, {100 + 80 + 40, 9});
    EXPECT_EQ(gutter, std::vector<int>{2});
    EXPECT_EQ(header, std::vector<int>{2});
}

TEST_F(SheetInput, DragsExtendFromTheAnchor) {
    struct Case {
        const char* name;
        QPoint from;
        QPoint to;
        int col;
        int row;
        CellRange selected;
    };
    const Case cases[] = {
        {"CellsDownRight", {60, 18 + 18 + 9}, {230, 18 + 3 * 18 + 9}, 0, 1, {0, 1, 2, 3}},
        {"CellsUpLeft", {230, 18 + 3 * 18 + 9}, {140, 18 + 9}, 2, 3, {1, 0, 2, 3}},
        {"CellsBeyondTheBodyClamp", {60, 18 + 9}, {500, 18 + 5 * 18 + 9}, 0, 0, {0, 0, 3, 5}},
        {"GutterRows", {8, 18 + 4 * 18 + 9}, {8, 18 + 2 * 18 + 9}, 0, 4, {0, 2, 3, 4}},
        {"HeaderColumns", {60, 9}, {230, 9}, 0, 0, {0, 0, 2, 14}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->setVerticalOffset(0);
        drag(*grid, c.from, c.to);
        EXPECT_EQ(grid->currentColumn(), c.col);
        EXPECT_EQ(grid->currentRow(), c.row);
        EXPECT_EQ(grid->selection(), c.selected);
    }
}

TEST_F(SheetInput, ClickNotificationsFollowTheGridsHandling) {
    QStringList order;
    QObject::connect(grid.get(), &CellGrid::mousePressed, grid.get(),
                     [&, g = grid.get()](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
                         order << QStringLiteral("down %1").arg(g->currentRow());
                     });
    QObject::connect(grid.get(), &CellGrid::mouseReleased, grid.get(),
                     [&](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { order << "up"; });
    QObject::connect(grid.get(), &CellGrid::clicked, grid.get(), [&]() { order << "click"; });
    click(*grid, cellCentre(*grid, 1, 4));
    EXPECT_EQ(order.join(QLatin1Char(',')), QStringLiteral("down 4,up,click"));
}

// Without rows the corner and the header select nothing, since there is no cell to make current; the
// header still reports its column.
TEST_F(SheetInput, BandPressesWithoutRowsSelectNothing) {
    grid->setRowCount(0);
    std::vector<int> header;
    QObject::connect(grid.get(), &CellGrid::headerClicked, grid.get(),
                     [&](int c, Qt::MouseButton, Qt::KeyboardModifiers) { header.push_back(c); });
    click(*grid, {8, 9});
    click(*grid, {140, 9});
    EXPECT_EQ(grid->currentColumn(), -1);
    EXPECT_EQ(grid->currentRow(), -1);
    EXPECT_EQ(header, std::vector<int>{1});
    grid->setRowCount(3);
    EXPECT_EQ(grid->currentRow(), 0);
}

TEST_F(SheetInput, ADisabledGridIgnoresPressesDragsAndKeys) {
    grid->setCellsEnabled(false);
    int keyDowns = 0;
    QObject::connect(grid.get(), &CellGrid::keyPressed, grid.get(),
                     [&](int, Qt::KeyboardModifiers) { ++keyDowns; });
    click(*grid, cellCentre(*grid, 2, 2));
    drag(*grid, cellCentre(*grid, 2, 2), cellCentre(*grid, 3, 4));
    QTest::keyClick(grid.get(), Qt::Key_Down);
    typeText(*grid, QStringLiteral("9"));
    EXPECT_EQ(grid->currentColumn(), 0);
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(grid->selection(), area(0, 0, 0, 0));
    EXPECT_EQ(grid->cellText(0, 0), QStringLiteral("0:0"));
    EXPECT_EQ(keyDowns, 0);
}

// ---- Column sizing

TEST_F(SheetInput, DraggingAColumnEdgeResizesItWithAMinimumOfFive) {
    struct Case {
        const char* name;
        int toX;
        int width;
    };
    // Column 1 spans x = 100..180 on the screen.
    const Case cases[] = {
        {"Wider", 230, 130},
        {"Narrower", 140, 40},
        {"TwoPixelsGiveFive", 102, 5},
        {"LeftOfItsStartGivesFive", 60, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid->columns()[1].setWidth(80);
        drag(*grid, {180, 30}, {c.toX, 30});
        EXPECT_EQ(grid->columns()[1].width(), c.width);
        EXPECT_EQ(grid->columns()[0].width(), 80);
    }
}

TEST_F(SheetInput, WithFitToWidthTheRightNeighbourGivesWay) {
    grid->setFitToWidth(true);
    std::vector<int> before;
    for (int c = 0; c < 4; ++c)
        before.push_back(grid->columns()[c].width());
    const int edge = grid->fixedWidth() + before[0];
    drag(*grid, {edge, 30}, {edge - 30, 30});
    EXPECT_EQ(grid->columns()[0].width(), before[0] - 30);
    EXPECT_EQ(grid->columns()[1].width(), before[1] + 30);
    EXPECT_EQ(grid->columns()[2].width(), before[2]);
    // The neighbour never gets narrower than 5: the column takes what is left.
    const int edge1 = grid->fixedWidth() + grid->columns()[0].width() + grid->columns()[1].width();
    const int shared = grid->columns()[1].width() + grid->columns()[2].width();
    drag(*grid, {edge1, 30}, {edge1 + 400, 30});
    EXPECT_EQ(grid->columns()[2].width(), 5);
    EXPECT_EQ(grid->columns()[1].width(), shared - 5);
    const int lastEdge = grid->fixedWidth() + grid->bodyWidth();
    const int lastWidth = grid->columns()[3].width();
    drag(*grid, {lastEdge - 1, 30}, {lastEdge - 40, 30});
    EXPECT_EQ(grid->columns()[3].width(), lastWidth);
}

// ---- Fill handle

TEST_F(SheetInput, TheFillHandleRepeatsTheBlockOverTheTarget) {
    grid->setCellText(0, 0, QStringLiteral("1"));
    grid->setCellText(0, 1, QStringLiteral("2"));
    drag(*grid, cellCentre(*grid, 0, 0), cellCentre(*grid, 0, 1));
    ASSERT_EQ(grid->selection(), area(0, 0, 0, 1));
    (void)grid->grab();
    const PixelRect box = grid->fillHandleRect();
    drag(*grid, {box.left + 3, box.top + 3}, cellCentre(*grid, 0, 5));
    EXPECT_EQ(grid->selection(), area(0, 0, 0, 5));
    QStringList texts;
    for (int r = 0; r < 7; ++r)
        texts << grid->cellText(0, r);
    EXPECT_EQ(texts.join(','), QStringLiteral("1,2,1,2,1,2,0:6"));
}

TEST_F(SheetInput, TheFillHandleRepeatsLeftAndUpFromTheBlock) {
    grid->setCellText(2, 3, QStringLiteral("a"));
    grid->setCellText(3, 3, QStringLiteral("b"));
    grid->setCurrentColumn(2);
    grid->setCurrentRow(3);
    grid->setSelection({2, 3, 3, 3});
    (void)grid->grab();
    const PixelRect box = grid->fillHandleRect();
    drag(*grid, {box.left + 3, box.top + 3}, cellCentre(*grid, 0, 2));
    EXPECT_EQ(grid->selection(), area(0, 2, 3, 3));
    QStringList row2;
    QStringList row3;
    for (int c = 0; c < 4; ++c) {
        row2 << grid->cellText(c, 2);
        row3 << grid->cellText(c, 3);
    }
    EXPECT_EQ(row2.join(','), QStringLiteral("a,b,a,b"));
    EXPECT_EQ(row3.join(','), QStringLiteral("a,b,a,b"));
}

// Where the fill handle is, and what a press there takes, follows from the selection alone: no paint is
// needed first, and repaints do not move it.
TEST_F(SheetInput, TheFillHandleDependsOnTheSelectionNotOnPainting) {
    struct Case {
        const char* name;
        QPoint press;
        FillHandlePlace place;
    };
    const Case cases[] = {
        {"AGutterPressPutsItBottomLeft", {5, 18 + 2 * 18 + 5}, FillHandlePlace::BottomLeft},
        {"AHeaderPressPutsItTopRight", {130, 5}, FillHandlePlace::TopRight},
        {"ACellPressPutsItBottomRight", {130, 18 + 2 * 18 + 5}, FillHandlePlace::BottomRight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click(*grid, c.press);
        const PixelRect expected = grid->geometry().fillHandleRect(grid->selection(), c.place);
        EXPECT_EQ(grid->fillHandleRect(), expected);
        (void)grid->grab();
        (void)grid->grab();
        EXPECT_EQ(grid->fillHandleRect(), expected);
        EXPECT_EQ(grid->hitTest(expected.left + 3, expected.top + 3).zone, GridZone::FillHandle);
    }
}

TEST_F(SheetInput, AReadOnlyGridExtendsByTheFillHandleButFillsNothing) {
    grid->setReadOnly(true);
    (void)grid->grab();
    const PixelRect box = grid->fillHandleRect();
    drag(*grid, {box.left + 3, box.top + 3}, cellCentre(*grid, 0, 4));
    EXPECT_EQ(grid->selection(), area(0, 0, 0, 4));
    EXPECT_EQ(grid->cellText(0, 4), QStringLiteral("0:4"));
}

// ---- Keys

TEST_F(SheetInput, KeysMoveAndExtend) {
    struct Case {
        const char* name;
        int col;
        int row;
        int hidden;
        int key;
        Qt::KeyboardModifiers mods;
        int expCol;
        int expRow;
        CellRange expArea;
    };
    const auto none = Qt::NoModifier;
    const auto shift = Qt::ShiftModifier;
    const auto ctrl = Qt::ControlModifier;
    const Case cases[] = {
        {"RightMoves", 1, 2, -1, Qt::Key_Right, none, 2, 2, {2, 2, 2, 2}},
        {"RightStopsAtLastColumn", 3, 2, -1, Qt::Key_Right, none, 3, 2, {3, 2, 3, 2}},
        {"RightSkipsAHiddenColumn", 1, 2, 2, Qt::Key_Right, none, 3, 2, {3, 2, 3, 2}},
        {"LeftStopsAtFirstVisible", 1, 2, 0, Qt::Key_Left, none, 1, 2, {1, 2, 1, 2}},
        {"HomeGoesToFirstVisible", 3, 2, 0, Qt::Key_Home, none, 1, 2, {1, 2, 1, 2}},
        {"EndGoesToLastVisible", 0, 2, 3, Qt::Key_End, none, 2, 2, {2, 2, 2, 2}},
        {"UpMoves", 1, 2, -1, Qt::Key_Up, none, 1, 1, {1, 1, 1, 1}},
        {"UpStopsAtRow0", 1, 0, -1, Qt::Key_Up, none, 1, 0, {1, 0, 1, 0}},
        {"DownStopsAtLastRow", 1, 14, -1, Qt::Key_Down, none, 1, 14, {1, 14, 1, 14}},
        {"PageDownGoesToLastRow", 1, 2, -1, Qt::Key_PageDown, none, 1, 14, {1, 14, 1, 14}},
        {"PageUpGoesToRow0", 1, 9, -1, Qt::Key_PageUp, none, 1, 0, {1, 0, 1, 0}},
        {"CtrlHomeGoesToTopLeft", 2, 9, -1, Qt::Key_Home, ctrl, 0, 0, {0, 0, 0, 0}},
        {"CtrlEndGoesToBottomRight", 1, 2, -1, Qt::Key_End, ctrl, 3, 14, {3, 14, 3, 14}},
        {"CtrlArrowDoesNothing", 1, 2, -1, Qt::Key_Right, ctrl, 1, 2, {1, 2, 1, 2}},
        {"ShiftDownExtends", 1, 2, -1, Qt::Key_Down, shift, 1, 2, {1, 2, 1, 3}},
        {"ShiftUpExtends", 1, 2, -1, Qt::Key_Up, shift, 1, 2, {1, 1, 1, 2}},
        {"ShiftLeftExtends", 1, 2, -1, Qt::Key_Left, shift, 1, 2, {0, 2, 1, 2}},
        {"ShiftRightSkipsHidden", 1, 2, 2, Qt::Key_Right, shift, 1, 2, {1, 2, 3, 2}},
        {"ShiftUpStopsAtRow0", 1, 0, -1, Qt::Key_Up, shift, 1, 0, {1, 0, 1, 0}},
        {"CtrlASelectsEveryRowFromTheFirstCell", 2, 9, -1, Qt::Key_A, ctrl, 0, 0, {0, 0, 3, 14}},
        {"CtrlAAnchorsAtTheFirstVisibleColumn", 2, 9, 0, Qt::Key_A, ctrl, 1, 0, {0, 0, 3, 14}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = makeSheet(platform);
        if (c.hidden >= 0)
            g->columns()[c.hidden].setVisible(false);
        g->setCurrentColumn(c.col);
        g->setCurrentRow(c.row);
        QTest::keyClick(g.get(), static_cast<Qt::Key>(c.key), c.mods);
        EXPECT_EQ(g->currentColumn(), c.expCol);
        EXPECT_EQ(g->currentRow(), c.expRow);
        EXPECT_EQ(g->selection(), c.expArea);
    }
}

TEST_F(SheetInput, ShiftArrowsGrowFromTheMovingCorner) {
    grid->setCurrentColumn(1);
    grid->setCurrentRow(1);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(grid.get(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(grid->selection(), area(1, 1, 2, 3));
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(grid->currentRow(), 1);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->selection(), area(1, 2, 1, 2));
}

TEST_F(SheetInput, EnterStepsInsideTheSelectionBothWays) {
    struct Case {
        const char* name;
        int col;
        int row;
        Qt::KeyboardModifiers mods;
        int expCol;
        int expRow;
    };
    // The selection is columns 1..2, rows 1..3.
    const Case cases[] = {
        {"ForwardDown", 1, 1, Qt::NoModifier, 1, 2},
        {"ForwardToTheNextColumnTop", 1, 3, Qt::NoModifier, 2, 1},
        {"ForwardWrapsToTopLeft", 2, 3, Qt::NoModifier, 1, 1},
        {"BackwardUp", 1, 2, Qt::ShiftModifier, 1, 1},
        {"BackwardToThePreviousColumnBottom", 2, 1, Qt::ShiftModifier, 1, 3},
        {"BackwardWrapsToBottomRight", 1, 1, Qt::ShiftModifier, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int notified = 0;
        QObject listener;
        QObject::connect(grid.get(), &CellGrid::currentCellChanged, &listener, [&](int, int) { ++notified; });
        grid->setCurrentColumn(c.col);
        grid->setCurrentRow(c.row);
        grid->setSelection({1, 1, 2, 3});
        notified = 0;
        QTest::keyClick(grid.get(), Qt::Key_Return, c.mods);
        EXPECT_EQ(grid->currentColumn(), c.expCol);
        EXPECT_EQ(grid->currentRow(), c.expRow);
        EXPECT_EQ(grid->selection(), area(1, 1, 2, 3));
        EXPECT_EQ(notified, 1);
    }
}

TEST_F(SheetInput, EnterOnASingleCellMovesDownAndShiftEnterUp) {
    grid->setCurrentColumn(2);
    grid->setCurrentRow(5);
    QTest::keyClick(grid.get(), Qt::Key_Return);
    EXPECT_EQ(grid->currentRow(), 6);
    QTest::keyClick(grid.get(), Qt::Key_Enter, Qt::ShiftModifier);
    QTest::keyClick(grid.get(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(grid->currentRow(), 4);
    EXPECT_EQ(grid->currentColumn(), 2);
}

TEST_F(SheetInput, EnterCommitsThroughOnCellAssignmentAndFills) {
    struct Case {
        const char* name;
        bool readOnly;
        bool fillDown;
        bool fillRight;
        QString typed;
        CellRange selection; // empty: the single current cell (1, 11)
        QString column1;     // rows 10..14 of column 1
        QString row11;       // columns 0..3 of row 11
        int rowAfter;
    };
    const Case cases[] = {
        {"PlainCommitUpperCases",
         false,
         false,
         false,
         "x",
         {},
         "1:10,X,1:12,1:13,1:14",
         "0:11,X,2:11,3:11",
         12},
        {"FillDownToTheLastRow", false, true, false, "v*", {}, "1:10,V,V,V,V", "0:11,V,2:11,3:11", 11},
        {"FillRightToTheLastColumn", false, false, true, "w>", {}, "1:10,W,1:12,1:13,1:14", "0:11,W,W,W", 11},
        {"FillDownWinsOverRight", false, true, true, "q>*", {}, "1:10,Q>,Q>,Q>,Q>", "0:11,Q>,2:11,3:11", 11},
        {"FillDownStopsAtTheSelection",
         false,
         true,
         false,
         "v*",
         {0, 11, 2, 12},
         "1:10,V,V,1:13,1:14",
         "0:11,V,2:11,3:11",
         11},
        {"StarWithoutFillIsKept",
         false,
         false,
         false,
         "s*",
         {},
         "1:10,S*,1:12,1:13,1:14",
         "0:11,S*,2:11,3:11",
         12},
        {"ReadOnlyStillCommitsAndFills",
         true,
         true,
         false,
         "",
         {},
         "1:10,1:11,1:11,1:11,1:11",
         "0:11,1:11,2:11,3:11",
         11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = makeSheet(platform);
        g->setAutoFillDown(c.fillDown);
        g->setAutoFillRight(c.fillRight);
        ScriptedDelegate entering;
        entering.entered = [&](int, int, const QString& s) {
            return c.readOnly ? s + QStringLiteral("*") : s.toUpper();
        };
        g->setDelegate(&entering);
        g->setCurrentColumn(1);
        g->setCurrentRow(11);
        if (c.selection.right > 0)
            g->setSelection(c.selection);
        if (c.readOnly)
            g->setReadOnly(true);
        typeText(*g, c.typed);
        QTest::keyClick(g.get(), Qt::Key_Return);
        QStringList column;
        QStringList row;
        for (int r = 10; r < 15; ++r)
            column << g->cellText(1, r);
        for (int col = 0; col < 4; ++col)
            row << g->cellText(col, 11);
        EXPECT_EQ(column.join(','), c.column1);
        EXPECT_EQ(row.join(','), c.row11);
        EXPECT_EQ(g->currentRow(), c.rowAfter);
    }
}

TEST_F(SheetInput, RowKeysInsertDeleteAndClear) {
    struct Case {
        const char* name;
        bool readOnly;
        bool autoAddRow;
        int startRow;
        CellRange selection; // applied when not empty
        QString typedFirst;
        int key;
        Qt::KeyboardModifiers mods;
        int rowCount;
        int row;
        QString column0; // rows 1..4 of column 0
        QString inserted;
        QString deleted;
    };
    const auto none = Qt::NoModifier;
    const Case cases[] = {
        {"InsertMakesAnEmptyCurrentRow",
         false,
         false,
         2,
         {},
         "",
         Qt::Key_Insert,
         none,
         16,
         2,
         "0:1,,0:2,0:3",
         "2",
         ""},
        {"CtrlDeleteRemovesTheRow",
         false,
         false,
         2,
         {},
         "",
         Qt::Key_Delete,
         Qt::ControlModifier,
         14,
         2,
         "0:1,0:3,0:4,0:5",
         "",
         "2"},
        {"DeleteEmptiesTheSelection",
         false,
         false,
         2,
         {0, 2, 1, 3},
         "",
         Qt::Key_Delete,
         none,
         15,
         2,
         "0:1,,,0:4",
         "",
         ""},
        {"DeleteAfterTypingDoesNothing",
         false,
         false,
         2,
         {},
         "7",
         Qt::Key_Delete,
         none,
         15,
         2,
         "0:1,7,0:3,0:4",
         "",
         ""},
        {"ReadOnlyRefusesInsert",
         true,
         false,
         2,
         {},
         "",
         Qt::Key_Insert,
         none,
         15,
         2,
         "0:1,0:2,0:3,0:4",
         "",
         ""},
        {"ReadOnlyRefusesCtrlDelete",
         true,
         false,
         2,
         {},
         "",
         Qt::Key_Delete,
         Qt::ControlModifier,
         15,
         2,
         "0:1,0:2,0:3,0:4",
         "",
         ""},
        {"ReadOnlyRefusesDelete",
         true,
         false,
         2,
         {},
         "",
         Qt::Key_Delete,
         none,
         15,
         2,
         "0:1,0:2,0:3,0:4",
         "",
         ""},
        {"DownOnTheLastRowAddsOne",
         false,
         true,
         14,
         {},
         "",
         Qt::Key_Down,
         none,
         16,
         15,
         "0:1,0:2,0:3,0:4",
         "15",
         ""},
        {"DownOnTheLastRowOfAReadOnlyGridAddsNone",
         true,
         true,
         14,
         {},
         "",
         Qt::Key_Down,
         none,
         15,
         14,
         "0:1,0:2,0:3,0:4",
         "",
         ""},
        {"UpFromAFilledLastRowMoves",
         false,
         true,
         14,
         {},
         "",
         Qt::Key_Up,
         none,
         15,
         13,
         "0:1,0:2,0:3,0:4",
         "",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = makeSheet(platform);
        g->setAutoAddRow(c.autoAddRow);
        QStringList inserted;
        QStringList deleted;
        QObject::connect(g.get(), &CellGrid::rowInserted, g.get(),
                         [&](int r) { inserted << QString::number(r); });
        QObject::connect(g.get(), &CellGrid::rowRemoved, g.get(),
                         [&](int r) { deleted << QString::number(r); });
        g->setCurrentRow(c.startRow);
        if (c.selection.right > 0)
            g->setSelection(c.selection);
        typeText(*g, c.typedFirst);
        g->setReadOnly(c.readOnly);
        QTest::keyClick(g.get(), static_cast<Qt::Key>(c.key), c.mods);
        EXPECT_EQ(g->rowCount(), c.rowCount);
        EXPECT_EQ(g->currentRow(), c.row);
        QStringList column;
        for (int r = 1; r < 5; ++r)
            column << g->cellText(0, r);
        EXPECT_EQ(column.join(','), c.column0);
        EXPECT_EQ(inserted.join(','), c.inserted);
        EXPECT_EQ(deleted.join(','), c.deleted);
    }
}

TEST_F(SheetInput, UpFromAnEmptyAddedRowDropsIt) {
    grid->setAutoAddRow(true);
    std::vector<int> deleted;
    QObject::connect(grid.get(), &CellGrid::rowRemoved, grid.get(), [&](int r) { deleted.push_back(r); });
    grid->setCurrentRow(14);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    ASSERT_EQ(grid->rowCount(), 16);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(grid->cellText(c, 15), QString());
    QTest::keyClick(grid.get(), Qt::Key_Up);
    EXPECT_EQ(grid->rowCount(), 15);
    EXPECT_EQ(grid->currentRow(), 14);
    EXPECT_EQ(deleted, std::vector<int>{15});
}

TEST_F(SheetInput, CtrlDeleteKeepsTheLastRow) {
    auto g = makeSheet(platform, 4, 1);
    QTest::keyClick(g.get(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(g->rowCount(), 1);
}

// The grid keeps the arrows even where it cannot move: they never reach the window to move the focus.
TEST(GridFocus, ArrowsStayWithTheGrid) {
    class Host : public QWidget {
    public:
        int keys = 0;

    protected:
        void keyPressEvent(QKeyEvent*) override { ++keys; }
    };
    FakePlatform platform;
    Host host;
    auto* layout = new QVBoxLayout(&host);
    auto* grid = new CellGrid(platform);
    auto* other = new QLineEdit;
    layout->addWidget(grid);
    layout->addWidget(other);
    grid->setColumnCount(2);
    grid->setRowCount(1);
    showFocused(host, *grid);
    ASSERT_TRUE(grid->hasFocus());
    for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), static_cast<Qt::Key>(key));
        EXPECT_TRUE(grid->hasFocus());
    }
    EXPECT_EQ(host.keys, 0);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus());
}

// ---- Typing

TEST_F(SheetInput, TypingReplacesTheCellTextWithTheBuffer) {
    struct Case {
        const char* name;
        QString typed;
        bool readOnly;
        bool readOnlyColumn;
        bool refuseDigits;
        QString expected;
        bool caret;
    };
    const Case cases[] = {
        {"DigitReplaces", "5", false, false, false, "5", true},
        {"CharactersAppend", "57a", false, false, false, "57a", true},
        {"CyrillicZheIsNotTaken", QStringLiteral("Ж"), false, false, false, "1:2", false},
        {"LatinOneIsTaken", QStringLiteral("é"), false, false, false, QStringLiteral("é"), true},
        {"BackspaceDropsTheLast", "57\b", false, false, false, "5", true},
        {"BackspaceAloneEmpties", "\b", false, false, false, "", true},
        {"ReadOnlyGridTakesNothing", "5", true, false, false, "1:2", false},
        {"ReadOnlyColumnKeepsItsText", "5", false, true, false, "1:2", true},
        {"RefusedByTheFilter", "5x", false, false, true, "x", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDelegate filter;
        if (c.refuseDigits)
            filter.accepts = [](QWidget&, int, int, QChar ch) { return !ch.isDigit(); };
        auto g = makeSheet(platform);
        g->setDelegate(&filter);
        showFocused(*g, *g);
        g->setReadOnly(c.readOnly);
        g->columns()[1].setReadOnly(c.readOnlyColumn);
        g->setCurrentColumn(1);
        g->setCurrentRow(2);
        typeText(*g, c.typed);
        EXPECT_EQ(g->cellText(1, 2), c.expected);
        EXPECT_EQ(g->isCaretVisible(), c.caret);
    }
}

TEST_F(SheetInput, AKeyPressHandlerThatClearsTheCharacterStopsTheTyping) {
    rules.typed = [](QChar key) { return key == QLatin1Char('x') ? QChar() : key; };
    grid->setCurrentColumn(1);
    grid->setCurrentRow(2);
    typeText(*grid, QStringLiteral("1x2"));
    EXPECT_EQ(grid->cellText(1, 2), QStringLiteral("12"));
}

TEST_F(SheetInput, TheCaretStandsAfterTheTypedText) {
    grid->setCurrentColumn(1);
    grid->setCurrentRow(2);
    typeText(*grid, QStringLiteral("12"));
    const PixelRect r = grid->cellRect(1, 2);
    const int textWidth = QFontMetrics(grid->columns()[1].font()).horizontalAdvance(QStringLiteral("12"));
    EXPECT_TRUE(grid->isCaretVisible());
    EXPECT_EQ(grid->caretPoint(), QPoint(r.left + 4 + textWidth + 1, r.top + 2 - 1));
    QTest::keyClick(grid.get(), Qt::Key_Right);
    EXPECT_FALSE(grid->isCaretVisible());
}

TEST_F(SheetInput, AMoveStartsAFreshBuffer) {
    grid->setCurrentColumn(1);
    grid->setCurrentRow(2);
    typeText(*grid, QStringLiteral("12"));
    QTest::keyClick(grid.get(), Qt::Key_Right);
    QTest::keyClick(grid.get(), Qt::Key_Left);
    typeText(*grid, QStringLiteral("3"));
    EXPECT_EQ(grid->cellText(1, 2), QStringLiteral("3"));
    EXPECT_EQ(grid->typedText(), QStringLiteral("3"));
}

TEST_F(SheetInput, TypedEditsPassTheChangeEvents) {
    rules.allowsChange = [](int, int r) { return r != 3; };
    rules.changed = [](int, int, const QString& s) { return s + QStringLiteral("!"); };
    grid->setCurrentColumn(0);
    grid->setCurrentRow(2);
    typeText(*grid, QStringLiteral("a"));
    QTest::keyClick(grid.get(), Qt::Key_Down);
    typeText(*grid, QStringLiteral("b"));
    EXPECT_EQ(grid->cellText(0, 2), QStringLiteral("a!"));
    EXPECT_EQ(grid->cellText(0, 3), QStringLiteral("0:3"));
}

// ---- In-place editor

TEST_F(SheetInput, TheSecondClickOpensTheEditorWhereTheGridAllows) {
    struct Case {
        const char* name;
        bool readOnly;
        bool readOnlyColumn;
        bool opens;
    };
    const Case cases[] = {
        {"Editable", false, false, true},
        {"ReadOnlyGrid", true, false, false},
        {"ReadOnlyColumn", false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = makeSheet(platform);
        showFocused(*g, *g);
        g->setReadOnly(c.readOnly);
        g->columns()[2].setReadOnly(c.readOnlyColumn);
        click(*g, cellCentre(*g, 2, 3));
        EXPECT_FALSE(g->isEditing());
        click(*g, cellCentre(*g, 2, 3));
        EXPECT_EQ(g->isEditing(), c.opens);
        EXPECT_EQ(g->editor()->isVisible(), c.opens);
        EXPECT_TRUE(g->hasFocus());
    }
}

TEST_F(SheetInput, ADoubleClickOnACellOpensTheEditor) {
    click(*grid, cellCentre(*grid, 1, 1));
    EXPECT_FALSE(grid->isEditing());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(*grid, 1, 1));
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_TRUE(grid->isEditing());
}

TEST_F(SheetInput, TheEditorLiesOverTheCellAndStoresEveryChange) {
    grid->columns()[1].setHorizontalAlignment(HorizontalAlignment::Right);
    click(*grid, cellCentre(*grid, 1, 2));
    click(*grid, cellCentre(*grid, 1, 2));
    CellEditor* editor = grid->editor();
    ASSERT_TRUE(editor->isVisible());
    const PixelRect r = grid->cellRect(1, 2);
    const int th = QFontMetrics(grid->columns()[1].font()).height();
    EXPECT_EQ(editor->geometry().left(), r.left + 4);
    EXPECT_EQ(editor->geometry().width(), r.width() + 1 - 8);
    EXPECT_EQ(editor->geometry().height(), th);
    EXPECT_EQ(editor->geometry().top(), r.top + 3 + (r.height() - 6 - th) / 2);
    EXPECT_EQ(editor->text(), QStringLiteral("1:2"));
    EXPECT_TRUE(editor->alignment() & Qt::AlignRight);
    EXPECT_EQ(editor->column(), 1);
    EXPECT_EQ(editor->row(), 2);

    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_End);
    typeText(*editor, QStringLiteral("Жx"));
    EXPECT_EQ(grid->cellText(1, 2), QStringLiteral("1:2Жx"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(grid->isEditing());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->cellText(1, 2), QStringLiteral("1:2Жx"));
}

// Opening the editor and leaving it without typing changes nothing, however long the cell's text.
TEST_F(SheetInput, TheEditorKeepsALongTextWhole) {
    const QString longText = QString(40000, QLatin1Char('x')) + QStringLiteral("end");
    grid->setCellText(1, 2, longText);
    int edits = 0;
    rules.allowsChange = [&](int, int) {
        ++edits;
        return true;
    };
    click(*grid, cellCentre(*grid, 1, 2));
    click(*grid, cellCentre(*grid, 1, 2));
    ASSERT_TRUE(grid->isEditing());
    EXPECT_EQ(grid->editor()->text(), longText);
    click(*grid, cellCentre(*grid, 2, 3));
    EXPECT_FALSE(grid->isEditing());
    EXPECT_EQ(grid->cellText(1, 2), longText);
    EXPECT_EQ(edits, 0);
}

TEST_F(SheetInput, TheEditorClosesOnItsKeysAndOnMoves) {
    struct Case {
        const char* name;
        int key;
        bool inEditor;
    };
    const Case cases[] = {
        {"Enter", Qt::Key_Return, true}, {"Escape", Qt::Key_Escape, true},   {"Up", Qt::Key_Up, true},
        {"Down", Qt::Key_Down, true},    {"GridMove", Qt::Key_Right, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click(*grid, cellCentre(*grid, 1, 2));
        click(*grid, cellCentre(*grid, 1, 2));
        ASSERT_TRUE(grid->isEditing());
        QWidget* target = c.inEditor ? static_cast<QWidget*>(grid->editor()) : grid.get();
        if (c.inEditor)
            grid->editor()->setFocus();
        QTest::keyClick(target, static_cast<Qt::Key>(c.key));
        EXPECT_FALSE(grid->isEditing());
        EXPECT_FALSE(grid->editor()->isVisible());
        EXPECT_EQ(grid->currentRow(), 2);
    }
}

TEST_F(SheetInput, TheEditorFiltersTypedCharacters) {
    QWidget* sender = nullptr;
    rules.accepts = [&](QWidget& s, int, int, QChar ch) {
        sender = &s;
        return !ch.isDigit();
    };
    click(*grid, cellCentre(*grid, 3, 1));
    click(*grid, cellCentre(*grid, 3, 1));
    CellEditor* editor = grid->editor();
    editor->setFocus();
    editor->selectAll();
    typeText(*editor, QStringLiteral("a1b2"));
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(grid->cellText(3, 1), QStringLiteral("a"));
    EXPECT_EQ(sender, editor);
}

TEST_F(SheetInput, FocusElsewhereEndsTheEditing) {
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    auto g = makeSheet(platform);
    auto* other = new QLineEdit;
    layout->addWidget(g.get());
    layout->addWidget(other);
    showFocused(host, *g);
    click(*g, cellCentre(*g, 1, 1));
    click(*g, cellCentre(*g, 1, 1));
    g->editor()->setFocus();
    ASSERT_TRUE(g->isEditing());
    other->setFocus();
    EXPECT_FALSE(g->isEditing());
}

// ---- Clipboard

TEST_F(SheetInput, CopyWritesTabbedLinesOfTheVisibleColumns) {
    struct Case {
        const char* name;
        CellRange selection;
        int hidden;
        QString expected;
    };
    const Case cases[] = {
        {"OneCell", {2, 3, 2, 3}, -1, "2:3\r\n"},
        {"Block", {1, 1, 2, 2}, -1, "1:1\t2:1\r\n1:2\t2:2\r\n"},
        {"HiddenColumnLeftOut", {0, 0, 2, 0}, 1, "0:0\t2:0\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int col = 0; col < 4; ++col)
            grid->columns()[col].setVisible(col != c.hidden);
        grid->setSelection(c.selection);
        QTest::keyClick(grid.get(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(platform.clipboard, c.expected);
    }
}

TEST_F(SheetInput, CutEmptiesTheCellsThatMayChange) {
    grid->columns()[1].setReadOnly(true);
    rules.allowsChange = [](int c, int r) { return !(c == 0 && r == 2); };
    grid->setSelection({0, 1, 1, 2});
    QTest::keyClick(grid.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(platform.clipboard, QStringLiteral("0:1\t1:1\r\n0:2\t1:2\r\n"));
    EXPECT_EQ(grid->cellText(0, 1), QString());
    EXPECT_EQ(grid->cellText(1, 1), QStringLiteral("1:1"));
    EXPECT_EQ(grid->cellText(0, 2), QStringLiteral("0:2"));
    EXPECT_EQ(grid->cellText(1, 2), QStringLiteral("1:2"));
    EXPECT_FALSE(grid->isUpdating());
}

TEST_F(SheetInput, PasteFillsFromTheCurrentCellOrRepeatsOverTheSelection) {
    struct Case {
        const char* name;
        QString clipboard;
        int col;
        int row;
        CellRange selection; // applied when not a single cell
        int hidden;
        QString rows0to3; // "|"-separated rows of columns 0..3
    };
    const QString untouched = "0:0,1:0,2:0,3:0|0:1,1:1,2:1,3:1|0:2,1:2,2:2,3:2|0:3,1:3,2:3,3:3";
    const Case cases[] = {
        {"TwoFieldsAtTheLastColumnKeepTheFirst",
         "a\tb\r\n",
         3,
         0,
         {3, 0, 3, 0},
         -1,
         "0:0,1:0,2:0,a|0:1,1:1,2:1,3:1|0:2,1:2,2:2,3:2|0:3,1:3,2:3,3:3"},
        {"BlockGoesRightAndDown",
         "a\tb\r\nc\r\n",
         1,
         1,
         {1, 1, 1, 1},
         -1,
         "0:0,1:0,2:0,3:0|0:1,a,b,3:1|0:2,c,,3:2|0:3,1:3,2:3,3:3"},
        {"WithoutAFinalBreak",
         "a\tb",
         0,
         0,
         {0, 0, 0, 0},
         -1,
         "a,b,2:0,3:0|0:1,1:1,2:1,3:1|0:2,1:2,2:2,3:2|0:3,1:3,2:3,3:3"},
        {"HiddenColumnSkipped",
         "a\tb\r\n",
         0,
         0,
         {0, 0, 0, 0},
         1,
         "a,1:0,b,3:0|0:1,1:1,2:1,3:1|0:2,1:2,2:2,3:2|0:3,1:3,2:3,3:3"},
        {"BlockRepeatedOverALargerSelection",
         "1\t2\r\n3\r\n",
         0,
         0,
         {0, 0, 3, 2},
         -1,
         "1,2,1,2|3,,3,|1,2,1,2|0:3,1:3,2:3,3:3"},
        {"EmptyClipboardChangesNothing", "", 1, 1, {0, 0, 3, 3}, -1, untouched},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = makeSheet(platform);
        platform.clipboard = c.clipboard;
        if (c.hidden >= 0)
            g->columns()[c.hidden].setVisible(false);
        g->setCurrentColumn(c.col);
        g->setCurrentRow(c.row);
        g->setSelection(c.selection);
        QTest::keyClick(g.get(), Qt::Key_V, Qt::ControlModifier);
        QStringList rows;
        for (int r = 0; r < 4; ++r) {
            QStringList cells;
            for (int col = 0; col < 4; ++col)
                cells << g->cellText(col, r);
            rows << cells.join(',');
        }
        EXPECT_EQ(rows.join('|'), c.rows0to3);
        EXPECT_FALSE(g->isUpdating());
    }
}

TEST_F(SheetInput, APasteBelowTheLastRowIsCutToTheGrid) {
    platform.clipboard = QStringLiteral("a\r\nb\r\nc\r\n");
    grid->setCurrentRow(13);
    QTest::keyClick(grid.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid->cellText(0, 13), QStringLiteral("a"));
    EXPECT_EQ(grid->cellText(0, 14), QStringLiteral("b"));
    EXPECT_EQ(grid->rowCount(), 15);
}

// An error raised by an application's handler ends the operation, reaches the error report, and leaves the
// grid painting.
TEST_F(SheetInput, AnErrorInAHandlerIsReportedAndTheGridGoesOn) {
    rules.changed = [](int, int r, const QString& s) {
        if (r == 1)
            throw Error("boom");
        return s;
    };
    platform.clipboard = QStringLiteral("x\r\n");
    grid->setSelection({0, 0, 0, 2});
    QTest::keyClick(grid.get(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_EQ(platform.errors[0].message, QStringLiteral("boom."));
    EXPECT_EQ(grid->cellText(0, 0), QStringLiteral("x"));
    EXPECT_EQ(grid->cellText(0, 2), QStringLiteral("0:2"));
    EXPECT_FALSE(grid->isUpdating());
}

} // namespace
} // namespace trimerka
