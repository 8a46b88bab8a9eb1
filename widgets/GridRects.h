#pragma once
// The two rectangles of the grid: a rectangle of pixels and a range of cells. They look alike and mean
// different things, so they are different types.

#include <QPoint>
#include <QRect>

namespace trimerka {

// A rectangle of client pixels with the window-system convention: right and bottom lie one past the last
// pixel.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool intersects(const PixelRect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    bool contains(QPoint p) const { return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom; }
    PixelRect adjusted(int dl, int dt, int dr, int db) const {
        return {left + dl, top + dt, right + dr, bottom + db};
    }
    PixelRect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    static PixelRect fromQRect(const QRect& r) { return {r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A block of cells, every bound inclusive: columns left .. right and rows (or header lines) top .. bottom.
struct CellRange {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(int column, int row) const {
        return column >= left && column <= right && row >= top && row <= bottom;
    }
    bool isSingleCell() const { return left == right && top == bottom; }
    friend bool operator==(const CellRange&, const CellRange&) = default;
};

// The mark of a stored cell that a merged cell covers: the cell itself is neither painted nor edited.
constexpr int kCoveredCellMark = -2;

} // namespace trimerka
