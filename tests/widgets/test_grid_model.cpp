#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>

#include "core/Error.h"
#include "support/FakePlatform.h"
#include "support/GridInputSupport.h"
#include "widgets/StepLogGrid.h"

using namespace trimerka;
using namespace trimerka::testing;

namespace {

struct Cell {
    const char* str;
    CellRange rc;
};

struct HeaderCase {
    const char* name;
    std::vector<HeaderColumn> columns;
    int headerLine;
    std::vector<Cell> expected;
};

std::vector<HeaderColumn> logTitles(const char* second) {
    return {{QStringLiteral("Команда")},
            {QString::fromUtf8(second)},
            {QStringLiteral("Емкость|8 литров")},
            {QStringLiteral("Емкость|4 литра")}};
}

std::string describe(const std::vector<HeaderCell>& cells) {
    std::string s;
    for (const auto& c : cells)
        s += "'" + c.text.toStdString() + "' (" + std::to_string(c.cells.left) + "," +
             std::to_string(c.cells.top) + "," + std::to_string(c.cells.right) + "," +
             std::to_string(c.cells.bottom) + ") ";
    return s;
}

void expectHeaderCells(const std::vector<HeaderCase>& cases) {
    for (const auto& c : cases) {
        const auto cells = buildHeaderCells(c.columns, c.headerLine);
        std::vector<HeaderCell> expected;
        for (const auto& e : c.expected)
            expected.push_back({QString::fromUtf8(e.str), e.rc});
        EXPECT_EQ(describe(cells), describe(expected)) << c.name;
    }
}

// Counts the paints of the grid's client area.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

TEST(GridHeader, BuildsMergedCellsFromTitles) {
    const std::vector<HeaderCase> cases = {
        {"step log titles",
         logTitles("Емкость|12 литров"),
         2,
         {{"Команда", {0, 0, 0, 1}},
          {"Емкость", {1, 0, 3, 0}},
          {"12 литров", {1, 1, 1, 1}},
          {"8 литров", {2, 1, 2, 1}},
          {"4 литра", {3, 1, 3, 1}}}},
        {"another upper title splits the top cell",
         logTitles("Объём|12 литров"),
         2,
         {{"Команда", {0, 0, 0, 1}},
          {"Объём", {1, 0, 1, 0}},
          {"12 литров", {1, 1, 1, 1}},
          {"Емкость", {2, 0, 3, 0}},
          {"8 литров", {2, 1, 2, 1}},
          {"4 литра", {3, 1, 3, 1}}}},
        {"a hidden middle column breaks the merge",
         {{QStringLiteral("X|a")}, {QStringLiteral("X|b"), false}, {QStringLiteral("X|c")}},
         2,
         {{"X", {0, 0, 0, 0}}, {"a", {0, 1, 0, 1}}, {"X", {2, 0, 2, 0}}, {"c", {2, 1, 2, 1}}}},
        {"empty titles merge on one line", {{QString()}, {QString()}}, 1, {{"", {0, 0, 1, 0}}}},
        {"empty titles merge on two lines", {{QString()}, {QString()}}, 2, {{"", {0, 0, 1, 1}}}},
        {"A|B on one line shows A", {{QStringLiteral("A|B")}}, 1, {{"A", {0, 0, 0, 0}}}},
        {"A|B on three lines stretches B down",
         {{QStringLiteral("A|B")}},
         3,
         {{"A", {0, 0, 0, 0}}, {"B", {0, 1, 0, 2}}}},
        {"a break at the end adds no level", {{QStringLiteral("A\r\n")}}, 2, {{"A", {0, 0, 0, 1}}}},
        {"equal texts are compared case-sensitively",
         {{QStringLiteral("a")}, {QStringLiteral("A")}},
         1,
         {{"a", {0, 0, 0, 0}}, {"A", {1, 0, 1, 0}}}},
    };
    expectHeaderCells(cases);
}

// No title text is special: not even one that looks like a marker, and not the empty one.
TEST(GridHeader, EveryTitleTextBuildsItsCells) {
    const QString odd = QStringLiteral("^%%%%%^******^");
    const std::string o = odd.toStdString();
    auto with = [&](const char* pattern) {
        return QString::fromUtf8(pattern).replace(QLatin1Char('@'), odd);
    };
    const std::vector<HeaderCase> cases = {
        {"as the lower title after a full-height column",
         {{QStringLiteral("Команда")}, {with("Литры|@")}, {with("Литры|5 л")}, {with("Литры|3 л")}},
         2,
         {{"Команда", {0, 0, 0, 1}},
          {"Литры", {1, 0, 3, 0}},
          {o.c_str(), {1, 1, 1, 1}},
          {"5 л", {2, 1, 2, 1}},
          {"3 л", {3, 1, 3, 1}}}},
        {"as the common upper title",
         {{QStringLiteral("Команда")}, {with("@|8 л")}, {with("@|5 л")}, {with("@|3 л")}},
         2,
         {{"Команда", {0, 0, 0, 1}},
          {o.c_str(), {1, 0, 3, 0}},
          {"8 л", {1, 1, 1, 1}},
          {"5 л", {2, 1, 2, 1}},
          {"3 л", {3, 1, 3, 1}}}},
        {"as the first level of the first column",
         {{with("@|x")}},
         2,
         {{o.c_str(), {0, 0, 0, 0}}, {"x", {0, 1, 0, 1}}}},
        {"as a whole title fills its column", {{odd}}, 3, {{o.c_str(), {0, 0, 0, 2}}}},
        {"equal to itself merges right", {{odd}, {odd}}, 1, {{o.c_str(), {0, 0, 1, 0}}}},
        {"beside empty titles",
         {{QString()}, {odd}, {QString()}},
         2,
         {{"", {0, 0, 0, 1}}, {o.c_str(), {1, 0, 1, 1}}, {"", {2, 0, 2, 1}}}},
        {"split by a hidden column",
         {{with("@|a")}, {with("@|b"), false}, {with("@|c")}},
         2,
         {{o.c_str(), {0, 0, 0, 0}}, {"a", {0, 1, 0, 1}}, {o.c_str(), {2, 0, 2, 0}}, {"c", {2, 1, 2, 1}}}},
        {"an empty upper title over ordinary lower ones",
         {{QStringLiteral("|a")}, {QStringLiteral("|b")}},
         2,
         {{"", {0, 0, 1, 0}}, {"a", {0, 1, 0, 1}}, {"b", {1, 1, 1, 1}}}},
    };
    expectHeaderCells(cases);
}

TEST(GridHeader, StepLogGeometry) {
    FakePlatform platform;
    auto g = makeStepLog(platform, 0);
    const std::vector<PixelRect> clientRects = {
        {19, -1, 180, 36}, {179, -1, 660, 18}, {179, 17, 340, 36}, {339, 17, 500, 36}, {499, 17, 660, 36}};
    ASSERT_EQ(g->headerCellCount(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(g->headerCellRect(g->headerCell(i)), clientRects[static_cast<size_t>(i)])
            << "header cell " << i;
    EXPECT_EQ(g->cornerRect(), (PixelRect{-1, -1, 20, 36}));
    EXPECT_EQ(g->fixedHeight(), 36);
    g->setRowCount(1);
    EXPECT_EQ(g->cellRect(0, 0), (PixelRect{19, 35, 180, 54}));
    EXPECT_EQ(g->cellRect(-1, 0), PixelRect{});

    g->columns()[1].setTitle(QStringLiteral("Объём|12 литров"));
    ASSERT_EQ(g->headerCellCount(), 6) << "a title change rebuilds the header";
    EXPECT_EQ(g->headerCell(1).text, QStringLiteral("Объём"));
    EXPECT_EQ(g->headerCell(3).text, QStringLiteral("Емкость"));
    EXPECT_EQ(g->headerCell(3).cells, (CellRange{2, 0, 3, 0}));
}

TEST(GridRows, ShrinkToZeroAndGrowBackKeepsTheTexts) {
    FakePlatform platform;
    auto g = makeStepLog(platform, 3);
    g->show();
    g->setRowCount(20);
    QApplication::processEvents();
    EXPECT_TRUE(g->verticalScrollBar()->isVisible());
    int notifications = 0;
    QObject::connect(g.get(), &CellGrid::currentCellChanged, g.get(), [&](int, int) { ++notifications; });

    g->setRowCount(0);
    EXPECT_EQ(g->currentColumn(), -1);
    EXPECT_EQ(g->currentRow(), -1);
    EXPECT_EQ(g->selection(), (CellRange{-1, -1, -1, -1}));
    QApplication::processEvents();
    EXPECT_FALSE(g->verticalScrollBar()->isVisible());

    g->setRowCount(1);
    EXPECT_EQ(g->currentColumn(), 0);
    EXPECT_EQ(g->currentRow(), 0);
    EXPECT_EQ(g->cellText(1, 0), QStringLiteral("12")) << "the old text of row 0 shows again";
    g->setRowCount(3);
    EXPECT_EQ(g->cellText(2, 2), QStringLiteral("2"));
    EXPECT_EQ(notifications, 3);
}

TEST(GridRows, AddInsertDelete) {
    FakePlatform platform;
    auto g = makeStepLog(platform, 3); // column 2 holds 0, 1, 2
    g->insertRow(1);
    ASSERT_EQ(g->rowCount(), 4);
    EXPECT_EQ(g->cellText(2, 1), QString());
    EXPECT_EQ(g->cellText(2, 2), QStringLiteral("1"));
    g->insertRow(4);
    EXPECT_EQ(g->rowCount(), 4) << "inserting past the last row does nothing";

    g->setCurrentRow(3);
    g->removeRow(0);
    EXPECT_EQ(g->rowCount(), 3);
    EXPECT_EQ(g->currentRow(), 2) << "the current last row follows the deletion";
    EXPECT_EQ(g->cellText(2, 0), QString());
    EXPECT_EQ(g->cellText(2, 1), QStringLiteral("1"));
    EXPECT_EQ(g->columns()[2].cells().size(), 4u) << "the list keeps its length";
    EXPECT_EQ(g->columns()[2].cells().back().text, QString());

    const int added = g->addRow();
    EXPECT_EQ(added, 3);
    EXPECT_EQ(g->cellText(2, 3), QString())
        << "a new row starts empty even when an old text was stored there";
}

TEST(GridCells, CheckedAccessorsRaiseOutOfBound) {
    FakePlatform platform;
    auto g = makeStepLog(platform, 0);
    g->setRowCount(20);
    struct Case {
        const char* name;
        std::function<void()> call;
    };
    const std::vector<Case> cases = {
        {"read past the last column", [&] { (void)g->cellText(4, 0); }},
        {"read a negative column", [&] { (void)g->cellText(-1, 0); }},
        {"read past the last row", [&] { (void)g->cellText(0, 20); }},
        {"write past the last row", [&] { g->setCellText(0, 20, QStringLiteral("x")); }},
        {"write a negative row", [&] { g->setCellText(0, -1, QStringLiteral("x")); }},
        {"read a mark past the last column", [&] { (void)g->cellMark(4, 0); }},
        {"write a mark past the last row", [&] { g->setCellMark(0, 20, 1); }},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.name << ": no error";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Cell Index out of bound.") << c.name;
        }
    }
    EXPECT_TRUE(g->columns()[0].cells().empty()) << "a failed write changes nothing";
    g->setCellText(0, 19, QStringLiteral("x"));
    EXPECT_EQ(g->columns()[0].cells().size(), 20u);
    EXPECT_EQ(g->cellText(0, 19), QStringLiteral("x"));
    EXPECT_EQ(g->cellText(0, 5), QString());
    EXPECT_EQ(g->cellMark(1, 5), 0);
}

TEST(GridCells, UserEditsGoThroughTheEvents) {
    struct Case {
        const char* name;
        bool columnReadOnly;
        bool canChange;
        QString changedTo; // what the delegate makes of the text; empty keeps it
        QString expected;
        int changingCalls;
    };
    const std::vector<Case> cases = {
        {"plain edit", false, true, {}, QStringLiteral("new"), 1},
        {"read-only column refuses", true, true, {}, QStringLiteral("old"), 0},
        {"TheDelegateRefuses", false, false, {}, QStringLiteral("old"), 1},
        {"TheDelegateRewrites", false, true, QStringLiteral("NEW"), QStringLiteral("NEW"), 1},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        CellGrid g(platform);
        g.setColumnCount(2);
        g.setCellText(1, 2, QStringLiteral("old"));
        g.columns()[1].setReadOnly(c.columnReadOnly);
        int changing = 0;
        ScriptedDelegate rules;
        rules.allowsChange = [&](int col, int row) {
            ++changing;
            EXPECT_EQ(col, 1);
            EXPECT_EQ(row, 2);
            return c.canChange;
        };
        rules.changed = [&](int, int, const QString& s) { return c.changedTo.isEmpty() ? s : c.changedTo; };
        g.setDelegate(&rules);
        g.storeCell(1, 2, true, QStringLiteral("new"));
        EXPECT_EQ(g.cellText(1, 2), c.expected) << c.name;
        EXPECT_EQ(changing, c.changingCalls) << c.name;
    }
}

TEST(GridCells, UnchangedTextFiresAndRepaintsNothing) {
    FakePlatform platform;
    auto g = makeStepLog(platform, 2);
    g->show();
    QApplication::processEvents();
    PaintCounter counter;
    g->viewport()->installEventFilter(&counter);
    int events = 0;
    ScriptedDelegate rules;
    rules.allowsChange = [&](int, int) {
        ++events;
        return true;
    };
    rules.changed = [&](int, int, const QString& s) {
        ++events;
        return s;
    };
    g->setDelegate(&rules);

    g->storeCell(2, 1, true, g->cellText(2, 1));
    g->setCellText(2, 1, g->cellText(2, 1));
    QApplication::processEvents();
    EXPECT_EQ(events, 0);
    EXPECT_EQ(counter.paints, 0);

    g->setCellText(2, 1, QStringLiteral("7"));
    EXPECT_EQ(counter.paints, 1) << "a changed text is drawn at once";
    g->viewport()->removeEventFilter(&counter);
}

TEST(GridCells, MergedCellsMarkTheCellsTheyCover) {
    FakePlatform platform;
    CellGrid g(platform);
    g.setColumnCount(3);
    g.setRowCount(4);
    g.setCellText(1, 1, QStringLiteral("hidden"));
    MergedCell& m = g.mergeCells(2, 2, 1, 1, QStringLiteral("joined"));
    EXPECT_EQ(m.cells, (CellRange{1, 1, 2, 2}));
    EXPECT_EQ(m.horizontalAlignment, HorizontalAlignment::Center);
    EXPECT_EQ(g.cellText(1, 1), QString());
    EXPECT_EQ(g.cellMark(2, 2), -2);
    EXPECT_EQ(g.cellMark(0, 1), 0);
    // A merged cell that no longer fits the rows is cut to them instead of failing every layout pass.
    g.mergeCells(0, 3, 0, 9, QString());
    EXPECT_NO_THROW(g.setRowCount(2));
    g.clearMergedCells();
    EXPECT_EQ(g.cellMark(2, 1), 0);
    EXPECT_TRUE(g.mergedCells().empty());
}

TEST(GridCells, ClearEmptiesTheTextsButKeepsTheShape) {
    FakePlatform platform;
    auto g = makeStepLog(platform, 3);
    g->clear();
    EXPECT_EQ(g->rowCount(), 3);
    EXPECT_EQ(g->columnCount(), 4);
    EXPECT_EQ(g->cellText(1, 0), QString());
    EXPECT_EQ(g->headerCellCount(), 5);
}

TEST(GridCells, GutterTexts) {
    FakePlatform platform;
    CellGrid g(platform);
    g.setGutterContent(GutterContent::Numbers);
    EXPECT_EQ(g.gutterText(0), QStringLiteral("1"));
    EXPECT_EQ(g.gutterText(14), QStringLiteral("15"));
    g.setGutterContent(GutterContent::Texts);
    g.setGutterTexts({QStringLiteral("a")});
    EXPECT_EQ(g.gutterText(0), QStringLiteral("a"));
    EXPECT_EQ(g.gutterText(1), QString());
    g.setGutterContent(GutterContent::Pointer);
    EXPECT_EQ(g.gutterText(0), QString());
}

TEST(GridCells, CurrentCellSettersNotify) {
    FakePlatform platform;
    auto g = makeStepLog(platform, 5);
    std::vector<std::pair<int, int>> seen;
    QObject::connect(g.get(), &CellGrid::currentCellChanged, g.get(),
                     [&](int c, int r) { seen.emplace_back(c, r); });
    g->setSelection({0, 1, 3, 1});
    g->setCurrentRow(2);
    EXPECT_EQ(g->selection(), (CellRange{g->currentColumn(), 2, g->currentColumn(), 2}))
        << "moving the row collapses the selection";
    g->setCurrentColumn(3);
    g->setCurrentColumn(3);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 2}, {3, 2}}));
    g->setColumnCount(2);
    EXPECT_EQ(g->currentColumn(), 1) << "the current column is limited to the columns left";
    EXPECT_EQ(seen.back(), (std::pair<int, int>{1, 2}));
}

TEST(GridLayout, MaxVScrollIsRoundedUpToWholeRows) {
    FakePlatform platform;
    CellGrid g(platform);
    g.setColumnCount(1);
    g.setRowCount(10);
    // Header 18 + body 180 in a client area 158 high: 40 pixels of overflow.
    g.resize(200, 160);
    g.show();
    QApplication::processEvents();
    ASSERT_EQ(g.viewport()->height(), 158);
    EXPECT_EQ(g.maxVerticalOffset(), 54);
}

TEST(GridLayout, ScrollBarsShowOnlyWhenTheBodyOverflows) {
    struct Case {
        const char* name;
        int rows;
        int width;
        bool horz;
        bool vert;
    };
    const std::vector<Case> cases = {
        {"everything fits", 5, 80, false, false},
        {"too many rows", 30, 80, false, true},
        {"too wide", 5, 400, true, false},
        {"both", 30, 400, true, true},
    };
    for (const auto& c : cases) {
        FakePlatform platform;
        CellGrid g(platform);
        g.setColumnCount(1);
        g.columns()[0].setWidth(c.width);
        g.setRowCount(c.rows);
        g.show();
        QApplication::processEvents();
        EXPECT_EQ(g.horizontalScrollBar()->isVisible(), c.horz) << c.name;
        EXPECT_EQ(g.verticalScrollBar()->isVisible(), c.vert) << c.name;
        EXPECT_EQ(g.cellBox(), (PixelRect{20, 18, g.viewport()->width(), g.viewport()->height()})) << c.name;
    }
}

TEST(GridLayout, FitToWidthFillsTheClientArea) {
    FakePlatform platform;
    CellGrid g(platform);
    g.setColumnCount(3);
    g.columns()[2].setResizable(false);
    g.setFitToWidth(true);
    g.show();
    QApplication::processEvents();
    const int available = g.viewport()->width() - g.fixedWidth();
    EXPECT_EQ(g.columns()[0].width() + g.columns()[1].width() + 80, available);
    EXPECT_EQ(g.columns()[2].width(), 80);
}
