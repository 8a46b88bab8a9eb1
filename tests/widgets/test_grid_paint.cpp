#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "support/FakePlatform.h"
#include "support/WindowChecks.h"
#include "widgets/StepLogGrid.h"

using namespace trimerka;
using namespace trimerka::testing;

namespace {

// The step log with six rows, scrolled to the top, current cell (0, 3) inside the selected row 3.
std::unique_ptr<CellGrid> selectedRowLog(Platform& platform) {
    auto g = makeStepLog(platform, 6);
    g->show();
    g->setVerticalOffset(0);
    g->setCurrentRow(3);
    g->setCurrentColumn(0);
    g->setSelection({0, 3, 3, 3});
    QApplication::processEvents();
    g->clearFocus();
    return g;
}

QImage shot(CellGrid& g) {
    QApplication::processEvents();
    return g.viewport()->grab().toImage();
}

} // namespace

// Body cell (c, r) of the log spans x 19 + 160 c .. 180 + 160 c and y 35 + 18 r .. 54 + 18 r; the frame
// around row 3 is F = (19, 89, 660, 108), painted three pixels wide on its outline.
TEST(GridPaint, StepLogWithSelectedRowWithoutFocus) {
    FakePlatform platform;
    auto g = selectedRowLog(platform);
    ASSERT_FALSE(g->hasFocus());
    const QImage img = shot(*g);
    const QColor dark = g->headerDarkColor();
    const QColor light = g->headerLightColor();
    const QColor face = g->headerColor();
    expectPixels(img, {
                          {"row 0 plain", 30, 44, kLogColor},
                          {"row 1 alternate", 190, 62, kLogAlternate},
                          {"row 2 plain", 350, 80, kLogColor},
                          {"row 3 current cell keeps its alternate colour", 30, 98, kLogAlternate},
                          {"row 3 column 1 selected", 190, 98, kLogSelection},
                          {"row 3 column 3 selected", 510, 98, kLogSelection},
                          {"row 4 plain", 510, 116, kLogColor},
                          {"row 5 alternate", 190, 128, kLogAlternate},
                          {"cell border between columns 1 and 2", 339, 62, kLogGridColor},
                          {"cell border between rows 0 and 1", 300, 53, kLogGridColor},
                          {"frame outer row above the selection", 300, 88, kLogGridColor},
                          {"frame inner row inside the selection", 300, 90, kLogGridColor},
                          {"selection just inside the frame", 300, 91, kLogSelection},
                          {"frame lower inner row", 300, 106, kLogGridColor},
                          {"frame lower outer row", 300, 108, kLogGridColor},
                          {"row 4 below the frame", 300, 109, kLogColor},
                          {"fill handle white border left", 657, 107, Qt::white},
                          {"fill handle white border right", 662, 107, Qt::white},
                          {"fill handle white border bottom", 659, 110, Qt::white},
                          {"fill handle fill", 659, 108, kLogGridColor},
                          {"empty area right of the last column", 670, 60, kLogColor},
                          {"empty area right of the header", 670, 10, kLogColor},
                          {"header cell left border", 19, 10, dark},
                          {"header cell right border", 179, 10, dark},
                          {"header cell bottom border", 100, 35, dark},
                          {"flat header cell light left edge", 20, 10, light},
                          {"flat header cell light top edge", 100, 0, light},
                          {"flat header cell has no inner shadow", 178, 10, face},
                          {"upper header cell spans columns 1 to 3", 339, 8, face},
                          {"lower header cells are split", 339, 26, dark},
                          {"gutter covers the body's left border", 19, 44, dark},
                          {"corner cell light edge", 0, 10, light},
                      });
}

TEST(GridPaint, FrameAndFillHandleTurnBlackWithFocus) {
    FakePlatform platform;
    auto g = selectedRowLog(platform);
    g->activateWindow();
    g->setFocus();
    QApplication::processEvents();
    if (!g->hasFocus())
        GTEST_SKIP() << "the platform gives no focus";
    const QImage img = shot(*g);
    expectPixels(img, {
                          {"frame top", 300, 89, Qt::black},
                          {"frame outer row", 300, 88, Qt::black},
                          {"fill handle fill", 659, 108, Qt::black},
                          {"fill handle border stays white", 657, 107, Qt::white},
                      });
}

TEST(GridPaint, SingleCellSelectionShowsNoSelectionColour) {
    FakePlatform platform;
    auto g = selectedRowLog(platform);
    g->setSelection({1, 2, 1, 2});
    g->setCurrentColumn(1);
    g->setCurrentRow(2);
    const QImage img = shot(*g);
    expectPixels(img, {
                          {"current cell plain", 200, 80, kLogColor},
                          {"left neighbour plain", 100, 80, kLogColor},
                          {"frame around the cell", 179, 80, kLogGridColor},
                          {"row 3 no longer selected", 300, 98, kLogAlternate},
                      });
}

TEST(GridPaint, NoRowsFillsTheBodyAndStillPaintsTheBands) {
    FakePlatform platform;
    auto g = makeStepLog(platform, 0);
    g->show();
    const QImage img = shot(*g);
    const QColor dark = g->headerDarkColor();
    expectPixels(img, {
                          {"body area", 100, 60, kLogColor},
                          {"where a frame would be", 19, 36, kLogColor},
                          {"header border", 179, 10, dark},
                          {"corner border", 19, 10, dark},
                      });
}

TEST(GridPaint, RaisedHeaderHasBlackBorderAndInnerShadow) {
    FakePlatform platform;
    auto g = selectedRowLog(platform);
    g->setFlat(false);
    const QImage img = shot(*g);
    expectPixels(img, {
                          {"black right border", 179, 10, Qt::black},
                          {"black bottom border", 100, 35, Qt::black},
                          {"shadow inside the right border", 178, 10, g->headerDarkColor()},
                          {"shadow above the bottom border", 100, 34, g->headerDarkColor()},
                          {"light left edge", 20, 10, g->headerLightColor()},
                      });
}

// The partial row at the bottom is blanked once the body is scrolled to its end.
TEST(GridPaint, PartialRowBlankedAtTheEnd) {
    FakePlatform platform;
    auto g = makeStepLog(platform, 20);
    g->show();
    g->setVerticalOffset(g->maxVerticalOffset());
    const QImage img = shot(*g);
    const int ch = g->viewport()->height();
    const int blankTop = (ch - 36) / 18 * 18 + 36;
    ASSERT_LT(blankTop, ch);
    expectPixels(img, {
                          {"blanked partial row", 190, blankTop, kLogColor},
                          {"last full row border", 339, blankTop - 1, kLogGridColor},
                      });
}

TEST(GridPaint, ImmediateRepaintReturnsTheCaretPoint) {
    FakePlatform platform;
    auto g = makeStepLog(platform, 3);
    g->show();
    g->setVerticalOffset(0);
    const PixelRect r = g->cellRect(1, 1);
    const QPoint p = g->repaintCell(1, 1);
    EXPECT_EQ(p.y(), r.top + 2 - 1);
    EXPECT_GT(p.x(), r.left + 4);
    EXPECT_LE(p.x(), r.right - 4);
    g->setRowCount(40);
    EXPECT_EQ(g->repaintCell(1, 39), QPoint(-1, -1)) << "a cell out of view is skipped";
}

// A cell text written by the program shows at once, without waiting for a full paint.
TEST(GridPaint, StoredTextIsDrawnInsideTheCell) {
    FakePlatform platform;
    auto g = makeStepLog(platform, 2);
    g->show();
    g->setVerticalOffset(0);
    auto inkIn = [&](const QImage& img, const PixelRect& rect) {
        int dark = 0;
        for (int y = rect.top + 2; y < rect.bottom - 2; ++y)
            for (int x = rect.left + 4; x < rect.right - 4; ++x)
                if (qGray(img.pixel(x, y)) < 100)
                    ++dark;
        return dark;
    };
    g->setCellText(2, 0, QString());
    EXPECT_EQ(inkIn(shot(*g), g->cellRect(2, 0)), 0);
    g->setCellText(2, 0, QStringLiteral("12345"));
    EXPECT_GT(inkIn(shot(*g), g->cellRect(2, 0)), 10);
}

TEST(GridPaint, LookAtTheStepLog) {
    FakePlatform platform;
    auto g = selectedRowLog(platform);
    const QString path = QStringLiteral(TRIMERKA_BINARY_DIR "/grid_step_log.png");
    EXPECT_TRUE(g->grab().save(path));
}

// Pictures to look at: the bands, a merged cell and the raised look together.
TEST(GridPaint, LookAtTheOtherParts) {
    FakePlatform platform;
    CellGrid g(platform);
    g.resize(420, 200);
    g.setColumnCount(4);
    g.setRowCount(12);
    g.setHeaderLines(2);
    g.setRowHeight(20);
    g.setGutterContent(GutterContent::Pointer);
    g.setShowFooter(true);
    g.setFlat(false);
    g.setAlternateColor(QColor(240, 240, 255));
    g.columns()[0].setTitle(QStringLiteral("Итого;за день"));
    g.columns()[1].setTitle(QStringLiteral("Общий|a"));
    g.columns()[2].setTitle(QStringLiteral("Общий|b"));
    g.columns()[3].setTitle(QStringLiteral("Очень длинный заголовок"));
    g.columns()[3].setHorizontalAlignment(HorizontalAlignment::Right);
    g.columns()[1].setFooter(QStringLiteral("сумма"));
    for (int r = 0; r < 12; ++r)
        g.setCellText(3, r, QStringLiteral("текст шире своей ячейки %1").arg(r));
    g.mergeCells(1, 2, 2, 3, QStringLiteral("объединено"));
    g.setCurrentRow(1);
    g.setSelection({0, 1, 2, 4});
    g.show();
    QApplication::processEvents();
    EXPECT_TRUE(g.grab().save(QStringLiteral(TRIMERKA_BINARY_DIR "/grid_parts.png")));
}

// A 200 by 200 grid of two columns and three rows: footer line at 71 .. 89, the rest of the band below it.
TEST(GridPaint, FooterBand) {
    FakePlatform platform;
    CellGrid g(platform);
    g.setColumnCount(2);
    g.setRowCount(3);
    g.setShowFooter(true);
    g.columns()[0].setFooter(QStringLiteral("Σ"));
    g.show();
    ASSERT_EQ(g.footerTop(), 71);
    const QImage img = shot(g);
    const QColor dark = g.headerDarkColor();
    const QColor face = g.headerColor();
    expectPixels(img, {
                          {"footer top border over the last row's border", 50, 71, dark},
                          {"footer cell face", 30, 80, face},
                          {"footer cell light edge", 20, 80, g.headerLightColor()},
                          {"footer cell right border", 99, 80, dark},
                          {"footer corner border", 19, 80, dark},
                          {"rest of the band", 100, 150, face},
                          {"rest of the band right border", 179, 150, dark},
                          {"empty area right of the columns", 190, 150, g.color()},
                      });
}

// The pointer triangle of the current row: x0 = 6, d = 5 in a 20-pixel gutter with 18-pixel rows.
TEST(GridPaint, PointerTriangleMarksTheCurrentRow) {
    FakePlatform platform;
    CellGrid g(platform);
    g.setColumnCount(1);
    g.setRowCount(3);
    g.setGutterContent(GutterContent::Pointer);
    g.show();
    const QImage img = shot(g);
    const QColor dark = g.headerDarkColor();
    expectPixels(img, {
                          {"upright edge", 6, 27, dark},
                          {"upright edge top", 6, 23, dark},
                          {"upper edge next to the tip", 13, 26, dark},
                          {"tip starts the light edge", 14, 26, g.headerLightColor()},
                          {"inside the triangle", 8, 26, g.headerColor()},
                          {"next row has no triangle", 6, 45, g.headerColor()},
                      });
    EXPECT_EQ(QColor(img.pixel(10, 29)).name(), g.headerLightColor().name())
        << "lower edge in the light colour";
}

// "Итого;за день" is two lines, each centred by its own width; the ";" is not drawn.
TEST(GridPaint, SemicolonBreaksABandText) {
    FakePlatform platform;
    CellGrid g(platform);
    g.setColumnCount(1);
    g.setRowCount(1);
    g.setRowHeight(40);
    g.columns()[0].setWidth(120);
    g.columns()[0].setTitle(QStringLiteral("Итого;за день"));
    g.show();
    const QImage img = shot(g);
    const PixelRect rect = g.headerCellRect(g.headerCell(0));
    std::vector<std::pair<int, int>> lines; // inked rows as runs: first row, extent centre * 2
    int runStart = -1;
    int minX = 0;
    int maxX = 0;
    for (int y = rect.top + 2; y < rect.bottom - 3; ++y) {
        int lo = rect.right;
        int hi = -1;
        for (int x = rect.left + 2; x < rect.right - 3; ++x)
            if (qGray(img.pixel(x, y)) < 120) {
                lo = std::min(lo, x);
                hi = std::max(hi, x);
            }
        if (hi >= 0) {
            if (runStart < 0) {
                runStart = y;
                minX = lo;
                maxX = hi;
            }
            minX = std::min(minX, lo);
            maxX = std::max(maxX, hi);
        } else if (runStart >= 0) {
            lines.emplace_back(runStart, minX + maxX);
            runStart = -1;
        }
    }
    ASSERT_EQ(lines.size(), 2u) << "two separate lines of text";
    const int centre2 = rect.left + 2 + rect.right - 3; // twice the centre of the text rectangle
    for (const auto& [top, c2] : lines)
        EXPECT_NEAR(c2, centre2, 4) << "line at " << top << " is centred";
}

// With the grid's own Enabled off there is no selection colour and no frame, and texts turn gridColor.
TEST(GridPaint, DisabledGridShowsNoSelection) {
    FakePlatform platform;
    auto g = selectedRowLog(platform);
    g->setCellsEnabled(false);
    const QImage img = shot(*g);
    expectPixels(img, {
                          {"selected row in its alternate colour", 190, 98, kLogAlternate},
                          {"no frame above the row", 300, 88, kLogColor},
                          {"no fill handle", 661, 108, kLogColor},
                      });
    const PixelRect rect = g->cellRect(1, 0);
    bool inkInGridColour = false;
    for (int y = rect.top + 2; y < rect.bottom - 2 && !inkInGridColour; ++y)
        for (int x = rect.left + 4; x < rect.right - 4; ++x)
            // Blended over the cell colour, gridColor ink is redder than green; black ink never is.
            if (qRed(img.pixel(x, y)) > qGreen(img.pixel(x, y)) + 10) {
                inkInGridColour = true;
                break;
            }
    EXPECT_TRUE(inkInGridColour) << "the text of cell (1, 0) is drawn in GridColor";
}
