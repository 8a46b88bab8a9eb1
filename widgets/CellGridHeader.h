#pragma once
// The header build of the grid: column titles become the list of header cells, merged across columns and
// header lines. Plain data and text, no widget, so it can be tested and fuzzed on its own.

#include <vector>

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

namespace trimerka {

// A rectangle with the window-system convention: Right and Bottom lie one past the last pixel. The same
// record holds inclusive index rectangles (SelectArea, header and merged cells), where all bounds are inside.
struct GridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Intersects(const GridRect& o) const {
        return Left < o.Right && o.Left < Right && Top < o.Bottom && o.Top < Bottom;
    }
    bool Contains(QPoint p) const { return p.x() >= Left && p.x() < Right && p.y() >= Top && p.y() < Bottom; }
    // Bounds inclusive, for index rectangles.
    bool ContainsCell(int c, int r) const { return c >= Left && c <= Right && r >= Top && r <= Bottom; }
    GridRect Adjusted(int dl, int dt, int dr, int db) const {
        return {Left + dl, Top + dt, Right + dr, Bottom + db};
    }
    GridRect Translated(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static GridRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }
    friend bool operator==(const GridRect&, const GridRect&) = default;
};

// One header cell: its text and its span in columns (Left..Right) and header lines (Top..Bottom), inclusive.
struct HeaderInfo {
    QString Str;
    GridRect Rc;
};

// One column as the header build sees it.
struct HeaderColumn {
    QString Title;
    bool Visible = true;
};

// Splits a title into exactly HeaderLine levels: "|" and line breaks end a level, the last level repeats
// down.
QStringList TitleLevels(const QString& Title, int HeaderLine);
// The header cells of the visible columns' titles: equal texts merge right across adjacent visible columns
// and down a column. Every text takes part, the empty one included.
std::vector<HeaderInfo> BuildHeaderCells(const std::vector<HeaderColumn>& Columns, int HeaderLine);

} // namespace trimerka
