// The step log as the pupil meets it in the main window: its header built from the task's titles, copying
// its rows, and the newest row kept in view.
#include <string>
#include <vector>

#include <QDialog>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include "support/GridInputSupport.h"
#include "support/MainWindowFixture.h"
#include "support/WindowChecks.h"
#include "widgets/CellGrid.h"

namespace trimerka {
namespace {

using testing::setKey;

// A text that looks like a marker an implementation might use for "no title above".
const char* const kMarkerLikeTitle = "^%%%%%^******^";

class StepLogInWindow : public testing::MainWindowFixture {
protected:
    // The header cells as "text (left,top,right,bottom)".
    std::vector<std::string> headerCells() const {
        std::vector<std::string> cells;
        for (int i = 0; i < grid()->headerCellCount(); ++i) {
            const HeaderCell cell = grid()->headerCell(i);
            cells.push_back(cell.text.toStdString() + " (" + std::to_string(cell.cells.left) + "," +
                            std::to_string(cell.cells.top) + "," + std::to_string(cell.cells.right) + "," +
                            std::to_string(cell.cells.bottom) + ")");
        }
        return cells;
    }
    void playClassicSteps(int count) {
        const auto solution = testing::classicSolution();
        for (int i = 0; i < count; ++i) {
            step(solution[static_cast<size_t>(i)].source, solution[static_cast<size_t>(i)].destination);
        }
    }
    // The row lies wholly in the body area of the grid's client area, below the header band.
    bool rowInView(int row) const {
        const PixelRect r = grid()->cellRect(0, row);
        return r.top >= grid()->fixedHeight() - 1 && r.bottom <= grid()->viewport()->height();
    }
};

TEST_F(StepLogInWindow, ATaskWhoseTitlesHoldAnyTextOpensWithItsHeader) {
    struct Case {
        const char* name;
        const char* key;
        std::vector<std::string> cells;
    };
    const std::string marker = kMarkerLikeTitle;
    const Case cases[] = {
        {"first own title",
         "ns1",
         {"Команда (0,0,0,1)", "Литры (1,0,3,0)", marker + " (1,1,1,1)", "5 л (2,1,2,1)", "3 л (3,1,3,1)"}},
        {"common title",
         "ns",
         {"Команда (0,0,0,1)", marker + " (1,0,3,0)", "8 л (1,1,1,1)", "5 л (2,1,2,1)", "3 л (3,1,3,1)"}},
        {"last own title",
         "ns3",
         {"Команда (0,0,0,1)", "Литры (1,0,3,0)", "8 л (1,1,1,1)", "5 л (2,1,2,1)", marker + " (3,1,3,1)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TaskKeys keys = testing::classicTaskKeys();
        setKey(keys, c.key, kMarkerLikeTitle);
        openKeys(keys);
        EXPECT_EQ(errorMessages(), QStringList());
        EXPECT_EQ(headerCells(), c.cells);
        // The header is painted from those cells.
        (void)grid()->grab();
    }
}

// Ctrl+C places the selected rows on the clipboard: the four cells of a row joined by TABs, each row ending
// with CR LF.
TEST_F(StepLogInWindow, CtrlCCopiesTheSelectedRows) {
    openKeys(testing::classicTaskKeys());
    playClassicSteps(2);
    CellGrid* log = grid();
    const QString row1 = QStringLiteral("А - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\t0\r\n");
    const QString row2 = QStringLiteral("Б - В\t3\t2 ( 5 - 3 )\t3 ( 0 + 3 )\r\n");

    QTest::mouseClick(log->viewport(), Qt::LeftButton, Qt::NoModifier,
                      log->cellRect(2, 0).toQRect().center());
    ASSERT_EQ(log->selection(), (CellRange{0, 0, 3, 0}));
    QTest::keyClick(log, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform.clipboard, row1);

    // Shift+Down widens the selection in the grid, and the window narrows it back to the current row.
    platform.clipboard.clear();
    QTest::keyClick(log, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(log, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform.clipboard, row1);

    // A drag down the row numbers that ends outside the grid keeps both rows selected.
    const QPoint number1 = log->gutterCellRect(0).toQRect().center();
    const QPoint number2 = log->gutterCellRect(1).toQRect().center();
    testing::hover(*log, number1);
    QTest::mousePress(log->viewport(), Qt::LeftButton, Qt::NoModifier, number1);
    testing::dragMove(*log, number2);
    QTest::mouseRelease(log->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(number2.x(), -20));
    ASSERT_EQ(log->selection(), (CellRange{0, 0, 3, 1}));
    QTest::keyClick(log, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform.clipboard, row1 + row2);
    EXPECT_EQ(errorMessages(), QStringList());
}

TEST_F(StepLogInWindow, EachStepBringsItsRowWhollyIntoView) {
    testing::TaskKeys keys = testing::classicTaskKeys();
    setKey(keys, "krres", "0");
    openKeys(keys);
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i + 1);
        step(i % 2 == 0 ? VesselA : VesselB, i % 2 == 0 ? VesselB : VesselA);
        ASSERT_EQ(grid()->rowCount(), i + 1);
        EXPECT_TRUE(rowInView(i));
    }
}

// When the completed window shows, the pupil sees the winning step's row, current and framed.
TEST_F(StepLogInWindow, TheWinningRowIsInViewWhenTheCompletedWindowShows) {
    QImage shown;
    bool inView = false;
    platform.onModal = [&](QDialog&) {
        inView = rowInView(6);
        shown = testing::grabWindow(*grid()->viewport(), "step_log_at_completion.png");
    };
    openKeys(testing::classicTaskKeys());
    playClassicSteps(7);
    ASSERT_EQ(platform.modalShown.size(), 1u);
    EXPECT_TRUE(inView);
    EXPECT_EQ(grid()->currentRow(), 6);
    const PixelRect frame = grid()->selectionFrameRect();
    const QColor pen = grid()->hasFocus() ? QColor(Qt::black) : grid()->gridColor();
    ASSERT_LT(frame.bottom, shown.height());
    testing::expectPixels(shown,
                          {
                              {"frame above row 7", frame.left + 40, frame.top, pen},
                              {"frame below row 7", frame.left + 40, frame.bottom - 1, pen},
                              {"row 7 inside the frame", frame.left + 40, frame.top + 4, grid()->color()},
                          });
}

} // namespace
} // namespace trimerka
