#include "widgets/GridGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace trimerka {

namespace {

int floorDiv(int a, int b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

} // namespace

GridGeometry::GridGeometry(std::vector<ColumnExtent> columns, int rowCount, int rowHeight)
    : columns_(std::move(columns)), rowCount_(rowCount), rowHeight_(std::max(rowHeight, 1)) {}

void GridGeometry::setBands(int gutterWidth, int headerHeight) {
    gutterWidth_ = gutterWidth;
    headerHeight_ = headerHeight;
}

void GridGeometry::setBodySize(int width, int height) {
    bodyWidth_ = width;
    bodyHeight_ = height;
}

void GridGeometry::setScrollOffsets(int horizontal, int vertical) {
    horizontalOffset_ = horizontal;
    verticalOffset_ = vertical;
}

void GridGeometry::setCellBox(const PixelRect& box) {
    cellBox_ = box;
}

int GridGeometry::columnWidth(int column) const {
    if (column < 0 || column >= columnCount())
        return 0;
    const ColumnExtent& c = columns_[static_cast<size_t>(column)];
    return c.visible ? c.width : 0;
}

int GridGeometry::columnLeft(int column) const {
    int x = 0;
    const int n = std::min(column, columnCount());
    for (int i = 0; i < n; ++i)
        x += columnWidth(i);
    return x;
}

PixelRect GridGeometry::cellRect(int column, int row) const {
    if (column == -1 || row == -1)
        return {};
    const int h = rowHeight_;
    const int left = columnLeft(column);
    const PixelRect body{left - 1, row * h - 1, left + columnWidth(column), row * h + h};
    return body.translated(gutterWidth_ - horizontalOffset_, headerHeight_ - verticalOffset_);
}

PixelRect GridGeometry::rangeRect(const CellRange& cells) const {
    const PixelRect a = cellRect(cells.left, cells.top);
    const PixelRect b = cellRect(cells.right, cells.bottom);
    return {a.left, a.top, b.right, b.bottom};
}

PixelRect GridGeometry::headerCellRect(const CellRange& cells) const {
    const int h = rowHeight_;
    const PixelRect r{columnLeft(cells.left) - 1, cells.top * h - 1, columnLeft(cells.right + 1),
                      (cells.bottom + 1) * h};
    return r.translated(gutterWidth_ - horizontalOffset_, 0);
}

PixelRect GridGeometry::mergedCellRect(const CellRange& cells) const {
    const int h = rowHeight_;
    const PixelRect r{columnLeft(cells.left) - 1, cells.top * h - 1, columnLeft(cells.right + 1),
                      cells.top * h + (cells.bottom - cells.top + 1) * h};
    return r.translated(gutterWidth_ - horizontalOffset_, headerHeight_ - verticalOffset_);
}

PixelRect GridGeometry::gutterCellRect(int row, int gutterCellWidth) const {
    const int h = rowHeight_;
    return PixelRect{-1, row * h - 1, gutterCellWidth, (row + 1) * h}.translated(0, headerHeight_ -
                                                                                        verticalOffset_);
}

PixelRect GridGeometry::footerCellRect(int column) const {
    const int bottom = footerTop_ + rowHeight_ + 1;
    return PixelRect{columnLeft(column) - 1, footerTop_, columnLeft(column + 1), bottom}.translated(
        gutterWidth_ - horizontalOffset_, 0);
}

IndexSpan GridGeometry::rowsMeeting(int top, int bottom) const {
    // Row r covers client rows r * h - 1 .. r * h + h - 1, moved by the header and the vertical offset.
    const int h = rowHeight_;
    const int shift = verticalOffset_ - headerHeight_;
    IndexSpan span;
    span.first = std::max(floorDiv(top + shift, h), 0);
    span.last = std::min(-floorDiv(-(bottom + shift + 1), h) - 1, rowCount_ - 1);
    if (bottom <= top)
        span.last = span.first - 1;
    return span;
}

IndexSpan GridGeometry::columnsMeeting(int left, int right) const {
    IndexSpan span{0, -1};
    bool found = false;
    const int dx = gutterWidth_ - horizontalOffset_;
    int x = 0;
    for (int c = 0; c < columnCount(); ++c) {
        const int w = columnWidth(c);
        const bool meets =
            columns_[static_cast<size_t>(c)].visible && x + dx - 1 < right && x + w + dx > left;
        x += w;
        if (!meets)
            continue;
        if (!found)
            span.first = c;
        found = true;
        span.last = c;
    }
    return span;
}

int GridGeometry::rowAt(int y) const {
    if (y < headerHeight_)
        return -1;
    const int r = (y + verticalOffset_ - headerHeight_) / rowHeight_;
    return r < rowCount_ ? r : -1;
}

int GridGeometry::columnAt(int x) const {
    if (x < gutterWidth_)
        return -1;
    const int bx = x + horizontalOffset_ - gutterWidth_;
    int found = -1;
    for (int i = 0; i < columnCount(); ++i)
        if (columnLeft(i) < bx)
            found = i;
    return found;
}

QPoint GridGeometry::clampedCellAt(int x, int y) const {
    const int c = std::clamp(columnAt(x), 0, std::max(columnCount() - 1, 0));
    const int r =
        std::clamp((y + verticalOffset_ - headerHeight_) / rowHeight_, 0, std::max(rowCount_ - 1, 0));
    return {c, r};
}

GridHit GridGeometry::hitTest(QPoint point, const PixelRect& fillHandle) const {
    const int x = point.x();
    const int y = point.y();
    const int bx = x + horizontalOffset_ - gutterWidth_;
    const int by = y + verticalOffset_ - headerHeight_;
    int edgeColumn = -1;
    if (columnSizing_) {
        for (int i = 0; i < columnCount(); ++i) {
            if (std::abs(columnLeft(i + 1) - bx) < 2) {
                edgeColumn = i;
                break;
            }
        }
    }
    const bool onEdge = edgeColumn >= 0 && columns_[static_cast<size_t>(edgeColumn)].resizable;
    const int row = rowAt(y);
    const int column = columnAt(x);
    if (fillHandle.contains(point))
        return {GridZone::FillHandle, column, row};
    if (onEdge)
        return {GridZone::ColumnEdge, edgeColumn, row};
    if (x < gutterWidth_ && y < headerHeight_)
        return {GridZone::Corner, -1, -1};
    if (x < gutterWidth_ && y > headerHeight_ && by < bodyHeight_)
        return {GridZone::Gutter, -1, row};
    if (y < headerHeight_ && x > gutterWidth_ && bx < bodyWidth_)
        return {GridZone::Header, column, -1};
    if (x > gutterWidth_ && y > headerHeight_ && bx < bodyWidth_ && by < bodyHeight_)
        return {GridZone::Cell, column, row};
    return {GridZone::None, -1, -1};
}

PixelRect GridGeometry::fillHandleRect(const CellRange& selection, FillHandlePlace place) const {
    const PixelRect f = rangeRect(selection);
    switch (place) {
    case FillHandlePlace::TopRight:
        return {f.right - 3, f.top + 2, f.right + 3, f.top + 8};
    case FillHandlePlace::BottomLeft:
        return {f.left + 2, f.bottom - 3, f.left + 8, f.bottom + 3};
    case FillHandlePlace::BottomRight:
        break;
    }
    return {f.right - 3, f.bottom - 3, f.right + 3, f.bottom + 3};
}

void GridGeometry::fitWidths(std::vector<ColumnExtent>& columns, int available, int forcedColumn) {
    int body = 0;
    for (const auto& c : columns)
        if (c.visible)
            body += c.width;
    const int start = body;
    const int n = static_cast<int>(columns.size());
    if (n == 0)
        return;
    // One pixel per resizable column per round; a round that changes nothing ends the fitting.
    const int step = body < available ? 1 : -1;
    for (int i = 0; body != available;) {
        ColumnExtent& c = columns[static_cast<size_t>(i)];
        if (c.visible && c.resizable && (step > 0 || i != forcedColumn)) {
            c.width += step;
            body += step;
        }
        if (++i == n) {
            if (body == start)
                break;
            i = 0;
        }
    }
}

} // namespace trimerka
