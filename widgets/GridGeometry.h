#pragma once
// Where the grid's parts lie: column positions, the rectangles of body, band and merged cells, the rows and
// columns in view, the zone under a point and the fill handle. Plain values, no widget, so every answer can
// be checked without a window.

#include <vector>

#include <QPoint>

#include "widgets/GridRects.h"

namespace trimerka {

// The part of the grid under a client point: what a press there acts on.
enum class GridZone { None, Corner, Gutter, Header, Cell, ColumnEdge, FillHandle };

// Where the fill handle sits on the selection frame: at its bottom right corner, or, after a press on a
// band, at the corner where the band's selection ends (the top right after a header press, the bottom left
// after a gutter press).
enum class FillHandlePlace { BottomRight, TopRight, BottomLeft };

// One column as geometry sees it.
struct ColumnExtent {
    int width = 0;
    bool visible = true;
    bool resizable = true;
};

// What lies under a client point: the zone, and the column and row it names (-1 where none). Over a column
// edge the column is the one whose right edge it is.
struct GridHit {
    GridZone zone = GridZone::None;
    int column = -1;
    int row = -1;
    friend bool operator==(const GridHit&, const GridHit&) = default;
};

// The first and last row (or column) meeting a band of pixels; last < first when none does.
struct IndexSpan {
    int first = 0;
    int last = -1;
    friend bool operator==(const IndexSpan&, const IndexSpan&) = default;
};

// The grid's geometry after a layout pass. Body coordinates start at the top left of the first body cell;
// client coordinates are the viewport's, where the body is moved by the bands and the scroll offsets.
class GridGeometry {
public:
    GridGeometry() = default;
    GridGeometry(std::vector<ColumnExtent> columns, int rowCount, int rowHeight);

    // The bands (the gutter's width and the header's height, zero when the grid shows no column) and the
    // body's size, as the layout pass settled them.
    void setBands(int gutterWidth, int headerHeight);
    void setBodySize(int width, int height);
    void setScrollOffsets(int horizontal, int vertical);
    // Where body cells show, in client pixels.
    void setCellBox(const PixelRect& box);
    // Whether a column edge can be taken to size the column (off while columns fit their texts).
    void setColumnSizing(bool allowed) { columnSizing_ = allowed; }
    void setFooterTop(int top) { footerTop_ = top; }

    int columnCount() const { return static_cast<int>(columns_.size()); }
    int rowCount() const { return rowCount_; }
    int rowHeight() const { return rowHeight_; }
    int gutterWidth() const { return gutterWidth_; }
    int headerHeight() const { return headerHeight_; }
    int bodyWidth() const { return bodyWidth_; }
    int bodyHeight() const { return bodyHeight_; }
    int horizontalOffset() const { return horizontalOffset_; }
    int verticalOffset() const { return verticalOffset_; }
    const PixelRect& cellBox() const { return cellBox_; }

    // The body x where column `column` starts: the widths of the visible columns before it.
    int columnLeft(int column) const;
    // Client rectangles, one pixel wider on the left and the top so that neighbours share their border.
    PixelRect cellRect(int column, int row) const;
    PixelRect rangeRect(const CellRange& cells) const;
    PixelRect headerCellRect(const CellRange& cells) const;
    PixelRect mergedCellRect(const CellRange& cells) const;
    PixelRect gutterCellRect(int row, int gutterCellWidth) const;
    PixelRect footerCellRect(int column) const;
    // The rows whose client rectangles meet the client rows top .. bottom - 1, limited to the grid.
    IndexSpan rowsMeeting(int top, int bottom) const;
    // The visible columns whose client rectangles meet the client columns left .. right - 1.
    IndexSpan columnsMeeting(int left, int right) const;
    // Positions of a client point: -1 outside the body; the clamped cell always names a cell.
    int rowAt(int y) const;
    int columnAt(int x) const;
    QPoint clampedCellAt(int x, int y) const;
    // The zone under a client point, given where the fill handle is drawn.
    GridHit hitTest(QPoint point, const PixelRect& fillHandle) const;
    // The fill handle's box: six pixels square on a corner of the selection's frame.
    PixelRect fillHandleRect(const CellRange& selection, FillHandlePlace place) const;

    // Grows or shrinks the resizable columns one pixel at a time, round-robin, towards `available`; the
    // forced column (the one just shown) keeps its width when columns shrink.
    static void fitWidths(std::vector<ColumnExtent>& columns, int available, int forcedColumn);

private:
    int columnWidth(int column) const;

    std::vector<ColumnExtent> columns_;
    int rowCount_ = 0;
    int rowHeight_ = 1;
    int gutterWidth_ = 0;
    int headerHeight_ = 0;
    int bodyWidth_ = 0;
    int bodyHeight_ = 0;
    int horizontalOffset_ = 0;
    int verticalOffset_ = 0;
    int footerTop_ = 0;
    bool columnSizing_ = true;
    PixelRect cellBox_;
};

} // namespace trimerka
