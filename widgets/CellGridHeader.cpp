#include "widgets/CellGridHeader.h"

#include <algorithm>
#include <optional>

namespace trimerka {

QStringList titleLevels(const QString& title, int headerLines) {
    QStringList levels;
    if (!title.isEmpty()) {
        QString t = title;
        t.replace(QLatin1Char('|'), QLatin1Char('\n'));
        // CR, LF or CR LF end a line; a break at the very end adds no level.
        qsizetype start = 0;
        for (qsizetype i = 0; i < t.size(); ++i) {
            const QChar ch = t[i];
            if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
                levels << t.mid(start, i - start);
                if (ch == QLatin1Char('\r') && i + 1 < t.size() && t[i + 1] == QLatin1Char('\n'))
                    ++i;
                start = i + 1;
            }
        }
        if (start < t.size())
            levels << t.mid(start);
    }
    if (levels.isEmpty()) {
        for (int i = 0; i < headerLines; ++i)
            levels << QString();
        return levels;
    }
    while (levels.size() < headerLines)
        levels << levels.last();
    while (levels.size() > std::max(headerLines, 0))
        levels.removeLast();
    return levels;
}

std::vector<HeaderCell> buildHeaderCells(const std::vector<HeaderColumn>& columns, int headerLines) {
    std::vector<HeaderCell> cells;
    const int lines = std::max(headerLines, 0);
    // The cell each line may still grow to the right, and the cell just built above in the same column; none
    // at the start and after a hidden column. "None" is kept apart from every text, so that no title,
    // whatever it reads, is taken for it.
    using CellIndex = std::optional<size_t>;
    std::vector<CellIndex> open(static_cast<size_t>(lines));
    auto matches = [&](const CellIndex& cell, const QString& text) {
        return cell && cells[*cell].text == text;
    };
    for (size_t c = 0; c < columns.size(); ++c) {
        if (!columns[c].visible) {
            std::fill(open.begin(), open.end(), std::nullopt);
            continue;
        }
        const QStringList levels = titleLevels(columns[c].title, lines);
        CellIndex above;
        for (int line = 0; line < lines; ++line) {
            const QString& t = levels[line];
            CellIndex& openCell = open[static_cast<size_t>(line)];
            if (matches(above, t)) {
                HeaderCell& a = cells[*above];
                a.cells.bottom = std::min(std::max(a.cells.bottom, line), lines - 1);
            } else if (matches(openCell, t)) {
                above = openCell;
                ++cells[*above].cells.right;
            } else {
                const int col = static_cast<int>(c);
                cells.push_back({t, {col, line, col, line}});
                above = cells.size() - 1;
                openCell = above;
            }
        }
    }
    return cells;
}

} // namespace trimerka
