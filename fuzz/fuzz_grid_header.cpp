// Feeds arbitrary column titles and header line counts to the grid's header build and checks what must hold
// for every input: each title splits into exactly as many levels as there are header lines, and every header
// cell stays inside the columns and lines, covers only visible columns and carries the level it was made
// from, and every line of the first visible column has a cell that starts in that column.
//
// Input: the first byte gives the header line count (-2 .. 29); then one column per NUL-ended chunk, whose
// first byte hides the column when odd and whose other bytes are the title in UTF-8. Seeds are in
// fuzz/grid_header_corpus, title pieces in fuzz/grid_header.dict:
//   build/fuzz/fuzz_grid_header -dict=fuzz/grid_header.dict <a copy of fuzz/grid_header_corpus>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include <QByteArray>

#include "widgets/CellGridHeader.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trimerka;
    if (size == 0) {
        return 0;
    }
    const int headerLine = static_cast<int>(data[0] % 32) - 2;
    std::vector<HeaderColumn> columns;
    std::size_t at = 1;
    while (at < size && columns.size() < 64) {
        std::size_t end = at;
        while (end < size && data[end] != 0) {
            ++end;
        }
        HeaderColumn column;
        column.visible = (data[at] & 1) == 0;
        const auto* title = reinterpret_cast<const char*>(data + at + 1);
        column.title = QString::fromUtf8(title, end > at ? static_cast<qsizetype>(end - at - 1) : 0);
        columns.push_back(column);
        at = end + 1;
    }

    const int lines = headerLine > 0 ? headerLine : 0;
    std::vector<QStringList> levels;
    for (const HeaderColumn& column : columns) {
        levels.push_back(titleLevels(column.title, headerLine));
        check(levels.back().size() == lines);
    }

    const std::vector<HeaderCell> cells = buildHeaderCells(columns, headerLine);
    const int count = static_cast<int>(columns.size());
    int firstVisible = -1;
    int visible = 0;
    for (int c = 0; c < count; ++c) {
        if (columns[static_cast<std::size_t>(c)].visible) {
            ++visible;
            if (firstVisible < 0) {
                firstVisible = c;
            }
        }
    }
    check(cells.size() <= static_cast<std::size_t>(visible) * static_cast<std::size_t>(lines));

    std::vector<int> firstColumnCover(static_cast<std::size_t>(lines), 0);
    for (const HeaderCell& cell : cells) {
        const CellRange& r = cell.cells;
        check(0 <= r.left && r.left <= r.right && r.right < count);
        check(0 <= r.top && r.top <= r.bottom && r.bottom < lines);
        for (int c = r.left; c <= r.right; ++c) {
            check(columns[static_cast<std::size_t>(c)].visible);
        }
        check(cell.text == levels[static_cast<std::size_t>(r.left)][r.top]);
        if (r.left == firstVisible) {
            for (int line = r.top; line <= r.bottom; ++line) {
                ++firstColumnCover[static_cast<std::size_t>(line)];
            }
        }
    }
    if (firstVisible >= 0) {
        for (int cover : firstColumnCover) {
            check(cover >= 1);
        }
    }
    return 0;
}
