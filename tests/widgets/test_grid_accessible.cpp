#include <memory>

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

#include "StepLogGrid.h"
#include "support/AccessibilityEvents.h"
#include "support/FakePlatform.h"
#include "widgets/CellGrid.h"

namespace trimerka {
namespace {

using testing::makeStepLog;

QString nameOf(QAccessibleInterface* iface) {
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

// The platform services every grid of these tests is given; nothing here reaches them.
Platform& platform() {
    static testing::FakePlatform fake;
    return fake;
}

QAccessibleTableInterface* tableOf(CellGrid& grid) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&grid);
    return iface ? iface->tableInterface() : nullptr;
}

// A grid of three columns and four rows without a gutter, its cells named by place ("c1r2").
std::unique_ptr<CellGrid> plainGrid() {
    auto grid = std::make_unique<CellGrid>(platform());
    grid->resize(300, 200);
    grid->setGutterContent(GutterContent::None);
    grid->setColumnCount(3);
    grid->setRowCount(4);
    for (int c = 0; c < 3; ++c) {
        grid->columns()[c].setTitle(QStringLiteral("T%1").arg(c));
        for (int r = 0; r < 4; ++r) {
            grid->setCellText(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
        }
    }
    grid->show();
    return grid;
}

TEST(GridAccessible, WithoutAGutterChildrenAreHeadersThenCellsRowByRow) {
    auto grid = plainGrid();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(grid.get());
    ASSERT_EQ(iface->childCount(), 3 + 4 * 3);
    EXPECT_EQ(nameOf(iface->child(0)), QStringLiteral("T0"));
    EXPECT_EQ(nameOf(iface->child(3)), QStringLiteral("c0r0"));
    EXPECT_EQ(nameOf(iface->child(3 + 3 * 2 + 1)), QStringLiteral("c1r2"));
    QAccessibleTableCellInterface* cell = tableOf(*grid)->cellAt(2, 1)->tableCellInterface();
    EXPECT_TRUE(cell->rowHeaderCells().isEmpty());
    EXPECT_EQ(tableOf(*grid)->rowDescription(2), QString());

    // Headers are found by position too.
    QAccessibleInterface* header = iface->child(1);
    EXPECT_EQ(iface->childAt(header->rect().center().x(), header->rect().center().y()), header);
}

// A lower title may merge across columns whose upper titles differ; each column still reads its headers from
// the top line down, and its cells name their own title first.
TEST(GridAccessible, AColumnsHeadersReadFromTheTopLineDown) {
    auto grid = plainGrid();
    grid->columns()[0].setTitle(QStringLiteral("X|Итого"));
    grid->columns()[1].setTitle(QStringLiteral("Z|Итого"));
    grid->setHeaderLines(2);
    QAccessibleTableInterface* table = tableOf(*grid);
    EXPECT_EQ(table->columnDescription(0), QStringLiteral("X, Итого"));
    EXPECT_EQ(table->columnDescription(1), QStringLiteral("Z, Итого"));
    QStringList names;
    for (QAccessibleInterface* header : table->cellAt(0, 1)->tableCellInterface()->columnHeaderCells()) {
        names << nameOf(header);
    }
    EXPECT_EQ(names, QStringList({QStringLiteral("Итого"), QStringLiteral("Z")}));
}

TEST(GridAccessible, SelectionReportsWholeRowsAndWholeColumns) {
    auto grid = plainGrid();
    QAccessibleTableInterface* table = tableOf(*grid);
    grid->setSelection(CellRange{1, 0, 1, 3});
    EXPECT_EQ(table->selectedColumns(), QList<int>{1});
    EXPECT_EQ(table->selectedRows(), QList<int>());
    EXPECT_EQ(table->selectedCellCount(), 4);
    grid->setSelection(CellRange{0, 1, 2, 2});
    EXPECT_EQ(table->selectedRows(), QList<int>({1, 2}));
    EXPECT_EQ(table->selectedColumns(), QList<int>());
    EXPECT_EQ(table->selectedCellCount(), 6);
    // An area reaching past the grid counts only the cells the grid has.
    grid->setSelection(CellRange{2, 3, 5, 9});
    EXPECT_EQ(table->selectedCellCount(), 1);
    EXPECT_FALSE(table->selectRow(0)) << "the selection is the grid's own";
}

TEST(GridAccessible, CellsFollowTheGridsContent) {
    auto grid = plainGrid();
    QAccessibleTableInterface* table = tableOf(*grid);
    QAccessibleInterface* last = table->cellAt(3, 0);
    ASSERT_NE(last, nullptr);

    grid->columns()[2].setVisible(false);
    EXPECT_TRUE(table->cellAt(0, 2)->state().invisible);
    EXPECT_FALSE(table->cellAt(0, 1)->state().invisible);

    grid->mergeCells(0, 0, 1, 1, QStringLiteral("merged"));
    EXPECT_EQ(nameOf(table->cellAt(1, 1)), QStringLiteral("merged"));

    grid->setRowCount(2);
    EXPECT_EQ(table->cellAt(3, 0), nullptr);
    grid->setRowCount(4);
    EXPECT_EQ(nameOf(table->cellAt(3, 0)), QStringLiteral("c0r3"));
    EXPECT_EQ(table->rowCount(), 4);

    grid->setRowCount(0);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(grid.get());
    EXPECT_EQ(iface->childCount(), grid->headerCellCount()) << "only the headers are left";
    EXPECT_EQ(iface->focusChild(), nullptr);
}

TEST(GridAccessible, RowCountChangesAreReportedOnlyWhenTheyHappen) {
    testing::AccessibilityEvents recorder;
    auto grid = makeStepLog(platform(), 0);
    recorder.events.clear();
    grid->addRow();
    grid->addRow();
    grid->setRowCount(2);
    grid->setRowCount(0);
    const auto changes = recorder.ofType(QAccessible::TableModelChanged);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].change, QAccessibleTableModelChangeEvent::RowsInserted);
    EXPECT_EQ(changes[1].change, QAccessibleTableModelChangeEvent::RowsInserted);
    EXPECT_EQ(changes[1].firstRow, 1);
    EXPECT_EQ(changes[1].lastRow, 1);
    EXPECT_EQ(changes[2].change, QAccessibleTableModelChangeEvent::RowsRemoved);
    EXPECT_EQ(changes[2].firstRow, 0);
    EXPECT_EQ(changes[2].lastRow, 1);
}

} // namespace
} // namespace trimerka
