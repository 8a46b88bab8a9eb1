// The step log as the pupil meets it in the main window.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/MainWindowFixture.h"
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
        for (int i = 0; i < grid()->HeaderCellsCount(); ++i) {
            const THeaderInfo cell = grid()->HeaderCells(i);
            cells.push_back(cell.Str.toStdString() + " (" + std::to_string(cell.Rc.Left) + "," +
                            std::to_string(cell.Rc.Top) + "," + std::to_string(cell.Rc.Right) + "," +
                            std::to_string(cell.Rc.Bottom) + ")");
        }
        return cells;
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

} // namespace
} // namespace trimerka
