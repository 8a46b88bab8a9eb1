#include "widgets/CellGridHeader.h"

#include <algorithm>
#include <optional>

namespace trimerka {

QStringList TitleLevels(const QString& Title, int HeaderLine) {
    QStringList levels;
    if (!Title.isEmpty()) {
        QString t = Title;
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
        for (int i = 0; i < HeaderLine; ++i)
            levels << QString();
        return levels;
    }
    while (levels.size() < HeaderLine)
        levels << levels.last();
    while (levels.size() > std::max(HeaderLine, 0))
        levels.removeLast();
    return levels;
}

std::vector<HeaderInfo> BuildHeaderCells(const std::vector<HeaderColumn>& Columns, int HeaderLine) {
    std::vector<HeaderInfo> cells;
    const int lines = std::max(HeaderLine, 0);
    // The cell each line may still grow to the right, and the cell just built above in the same column; none
    // at the start and after a hidden column. "None" is kept apart from every text, so that no title,
    // whatever it reads, is taken for it.
    using CellIndex = std::optional<size_t>;
    std::vector<CellIndex> open(static_cast<size_t>(lines));
    auto matches = [&](const CellIndex& cell, const QString& text) {
        return cell && cells[*cell].Str == text;
    };
    for (size_t c = 0; c < Columns.size(); ++c) {
        if (!Columns[c].Visible) {
            std::fill(open.begin(), open.end(), std::nullopt);
            continue;
        }
        const QStringList levels = TitleLevels(Columns[c].Title, lines);
        CellIndex above;
        for (int L = 0; L < lines; ++L) {
            const QString& t = levels[L];
            CellIndex& openCell = open[static_cast<size_t>(L)];
            if (matches(above, t)) {
                HeaderInfo& a = cells[*above];
                a.Rc.Bottom = std::min(std::max(a.Rc.Bottom, L), lines - 1);
            } else if (matches(openCell, t)) {
                above = openCell;
                ++cells[*above].Rc.Right;
            } else {
                const int col = static_cast<int>(c);
                cells.push_back({t, {col, L, col, L}});
                above = cells.size() - 1;
                openCell = above;
            }
        }
    }
    return cells;
}

} // namespace trimerka
