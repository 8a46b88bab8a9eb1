#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "support/GridInputSupport.h"
#include "widgets/CompanionGrid.h"

namespace trimerka {
namespace {

using testing::makeSheet;
using testing::showFocused;

// Two grids side by side: the companion (one column of notes) follows the sheet's rows and scrolling.
class GridSync : public ::testing::Test {
protected:
    void SetUp() override {
        sheet = makeSheet(platform, 4, 10);
        companion = std::make_unique<CompanionGrid>(platform);
        companion->resize(120, 200);
        companion->setColumnCount(1);
        companion->setRowCount(30);
        companion->setGrid(sheet.get());
        sheet->show();
        companion->show();
    }

    testing::FakePlatform platform;
    std::unique_ptr<CellGrid> sheet;
    std::unique_ptr<CompanionGrid> companion;
};

TEST_F(GridSync, LinkingGivesTheFollowedGridTheCompanionsRowCount) {
    EXPECT_EQ(sheet->rowCount(), 30);
    EXPECT_EQ(companion->grid(), sheet.get());
}

TEST_F(GridSync, RowsFollowBothWays) {
    struct Case {
        const char* name;
        bool fromCompanion;
        int row;
    };
    const Case cases[] = {
        {"SheetRowMovesCompanion", false, 7},
        {"CompanionRowMovesSheet", true, 12},
        {"SheetBackToTop", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        (c.fromCompanion ? static_cast<CellGrid*>(companion.get()) : sheet.get())->setCurrentRow(c.row);
        EXPECT_EQ(sheet->currentRow(), c.row);
        EXPECT_EQ(companion->currentRow(), c.row);
    }
    QTest::keyClick(sheet.get(), Qt::Key_PageDown);
    EXPECT_EQ(companion->currentRow(), 29);
    QTest::keyClick(companion.get(), Qt::Key_PageUp);
    EXPECT_EQ(sheet->currentRow(), 0);
}

TEST_F(GridSync, ScrollingFollowsBothWays) {
    ASSERT_GT(sheet->maxVerticalOffset(), 0);
    sheet->setVerticalOffset(5 * 18);
    EXPECT_EQ(companion->verticalOffset(), 5 * 18);
    EXPECT_EQ(companion->maxVerticalOffset(), sheet->maxVerticalOffset());

    QWheelEvent wheel(QPointF(20, 60), companion->viewport()->mapToGlobal(QPointF(20, 60)), QPoint(),
                      QPoint(0, -36), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(companion->viewport(), &wheel);
    EXPECT_EQ(companion->verticalOffset(), 7 * 18);
    EXPECT_EQ(sheet->verticalOffset(), 7 * 18);

    sheet->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(sheet->verticalOffset(), 8 * 18);
    EXPECT_EQ(companion->verticalOffset(), 8 * 18);
}

TEST_F(GridSync, TheCompanionShowsOnlyADisabledHorizontalBar) {
    EXPECT_EQ(companion->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(companion->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(companion->horizontalScrollBar()->isEnabled());
}

TEST_F(GridSync, RowsTheCompanionsKeysAddOrRemoveFollow) {
    struct Case {
        const char* name;
        int startRow;
        int key;
        Qt::KeyboardModifiers mods;
        int rowCount;
        QString sheetRow5;
    };
    const Case cases[] = {
        {"InsertInsertsThere", 5, Qt::Key_Insert, Qt::NoModifier, 31, ""},
        {"CtrlDeleteDeletesThere", 5, Qt::Key_Delete, Qt::ControlModifier, 29, "0:6"},
        {"DownOnTheLastRowAddsThere", 29, Qt::Key_Down, Qt::NoModifier, 31, "0:5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        companion->setAutoAddRow(true);
        companion->setCurrentRow(c.startRow);
        QTest::keyClick(companion.get(), static_cast<Qt::Key>(c.key), c.mods);
        EXPECT_EQ(companion->rowCount(), c.rowCount);
        EXPECT_EQ(sheet->rowCount(), c.rowCount);
        EXPECT_EQ(sheet->cellText(0, 5), c.sheetRow5);
    }
}

// A row either grid's keys add or remove is added or removed in the other too, and both end on the same
// current row, so the other's current row always names one of its rows and its keys keep working.
TEST_F(GridSync, RowsEitherGridsKeysAddOrRemoveFollowWithTheCurrentRow) {
    struct Case {
        const char* name;
        bool fromCompanion;
        int startRow;
        int key;
        Qt::KeyboardModifiers mods;
        int rowCount;
        int row;
    };
    const Case cases[] = {
        {"SheetDownOnTheLastRowAdds", false, 29, Qt::Key_Down, Qt::NoModifier, 31, 30},
        {"SheetInsertInserts", false, 5, Qt::Key_Insert, Qt::NoModifier, 31, 5},
        {"SheetCtrlDeleteDeletes", false, 29, Qt::Key_Delete, Qt::ControlModifier, 29, 28},
        {"SheetUpDropsAnEmptyLastRow", false, -1, Qt::Key_Up, Qt::NoModifier, 30, 29},
        {"CompanionDownOnTheLastRowAdds", true, 29, Qt::Key_Down, Qt::NoModifier, 31, 30},
        {"CompanionInsertInserts", true, 5, Qt::Key_Insert, Qt::NoModifier, 31, 5},
        {"CompanionUpDropsAnEmptyLastRow", true, -1, Qt::Key_Up, Qt::NoModifier, 30, 29},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        platform.errors.clear();
        CellGrid& typed = c.fromCompanion ? *companion : *sheet;
        CellGrid& other = c.fromCompanion ? *sheet : *companion;
        typed.setAutoAddRow(true);
        if (c.startRow < 0) {
            // An empty last row, as Down on the last row leaves it.
            typed.setCurrentRow(29);
            QTest::keyClick(&typed, Qt::Key_Down);
        } else {
            typed.setCurrentRow(c.startRow);
        }
        QTest::keyClick(&typed, static_cast<Qt::Key>(c.key), c.mods);
        EXPECT_EQ(typed.rowCount(), c.rowCount);
        EXPECT_EQ(other.rowCount(), c.rowCount);
        EXPECT_EQ(typed.currentRow(), c.row);
        EXPECT_EQ(other.currentRow(), c.row);
        QTest::keyClick(&other, Qt::Key_Return);
        EXPECT_TRUE(platform.errors.empty());
        EXPECT_LT(other.currentRow(), other.rowCount());
    }
}

// A sheet the program gave more rows than the companion has does not take the companion past its last row.
TEST_F(GridSync, TheCompanionsRowStaysInsideItsRows) {
    sheet->setRowCount(40);
    sheet->setCurrentRow(35);
    EXPECT_EQ(companion->currentRow(), 29);
    QTest::keyClick(companion.get(), Qt::Key_Return);
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(GridSync, EitherForgetsTheOtherWhenItGoes) {
    sheet.reset();
    EXPECT_EQ(companion->grid(), nullptr);
    companion->setCurrentRow(3);
    companion->setVerticalOffset(36);

    auto other = makeSheet(platform);
    auto follower = std::make_unique<CompanionGrid>(platform);
    follower->setGrid(other.get());
    follower.reset();
    other->setCurrentRow(4);
    other->setVerticalOffset(18);
    EXPECT_EQ(other->currentRow(), 4);
}

} // namespace
} // namespace trimerka
