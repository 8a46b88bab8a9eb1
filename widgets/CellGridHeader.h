#pragma once
// The header build of the grid: column titles become the list of header cells, merged across columns and
// header lines. Plain data and text, no widget, so it can be tested and fuzzed on its own.

#include <vector>

#include <QString>
#include <QStringList>

#include "widgets/GridRects.h"

namespace trimerka {

// One header cell: its text and the columns and header lines it spans.
struct HeaderCell {
    QString text;
    CellRange cells;
};

// One column as the header build sees it.
struct HeaderColumn {
    QString title;
    bool visible = true;
};

// Splits a title into exactly headerLines levels: "|" and line breaks end a level, the last level repeats
// down.
QStringList titleLevels(const QString& title, int headerLines);
// The header cells of the visible columns' titles: equal texts merge right across adjacent visible columns
// and down a column. Every text takes part, the empty one included.
std::vector<HeaderCell> buildHeaderCells(const std::vector<HeaderColumn>& columns, int headerLines);

} // namespace trimerka
