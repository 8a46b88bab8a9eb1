// The layout pass and the grid's geometry: column positions, the rectangles of body, band and merged cells,
// the rows in view, and the scroll ranges and bars the layout decides.

#include <algorithm>

#include <QFontMetrics>
#include <QScrollBar>

#include "widgets/CellGrid.h"
#include "widgets/ScopedFlag.h"

namespace trimerka {

// ---- Header build and layout

void CellGrid::buildHeader() {
    std::vector<HeaderColumn> cols;
    cols.reserve(columns_.items_.size());
    for (const auto& c : columns_.items_)
        cols.push_back({c->title_, c->visible_});
    headerCells_ = buildHeaderCells(cols, headerLines_);
    recalculateLayout();
}

int CellGrid::clientWidth() const {
    int w = contentsRect().width();
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        w -= verticalScrollBar()->sizeHint().width();
    return std::max(w, 0);
}

int CellGrid::clientHeight() const {
    int h = contentsRect().height();
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        h -= horizontalScrollBar()->sizeHint().height();
    return std::max(h, 0);
}

void CellGrid::showScrollBars(bool horizontal, bool vertical) {
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

// Every column as wide as its widest text, and never narrower than the default width.
void CellGrid::sizeColumnsToTexts() {
    const QFontMetrics fm(font());
    for (auto& c : columns_.items_) {
        int a = 20;
        for (const auto& e : c->cells_)
            a = std::max(a, fm.horizontalAdvance(e.text) + 7);
        c->width_ = std::max(defaultColumnWidth_, a);
    }
}

// The resizable columns share the available width; returns the body's new width.
int CellGrid::fitColumnsToWidth(int available) {
    std::vector<ColumnExtent> fit;
    fit.reserve(columns_.items_.size());
    for (const auto& c : columns_.items_)
        fit.push_back({c->width_, c->visible_, c->resizable_});
    GridGeometry::fitWidths(fit, available, forcedColumn_);
    forcedColumn_ = -1;
    int body = 0;
    for (size_t i = 0; i < fit.size(); ++i) {
        columns_.items_[i]->width_ = fit[i].width;
        if (fit[i].visible)
            body += fit[i].width;
    }
    return body;
}

void CellGrid::recalculateLayout() {
    if (inLayout_)
        return;
    ScopedFlag layingOut(inLayout_);
    const int lineHeight = rowHeight_;
    applyMergedCells();

    const bool anyVisible = std::any_of(columns_.items_.begin(), columns_.items_.end(),
                                        [](const auto& c) { return c->visible_; });
    if (!anyVisible) {
        fixedWidth_ = fixedHeight_ = bodyWidth_ = bodyHeight_ = 0;
        showScrollBars(false, false);
        // Leave nothing stale behind for the painter: the whole client area is empty.
        allWidth_ = allHeight_ = 0;
        maxHorizontalOffset_ = maxVerticalOffset_ = 0;
        horizontalOffset_ = verticalOffset_ = 0;
        footerTop_ = 0;
        cellBox_ = {0, 0, clientWidth(), clientHeight()};
        return;
    }

    if (autoColumnWidth_)
        sizeColumnsToTexts();

    fixedWidth_ = gutterContent_ != GutterContent::None ? gutterWidth_ : 0;
    fixedHeight_ = headerLines_ * lineHeight;
    bodyHeight_ = rowCount_ * lineHeight;

    const int availWidth = clientWidth() - fixedWidth_;
    const int availHeight = clientHeight() - fixedHeight_ - (showFooter_ ? lineHeight : 0);

    bodyWidth_ = 0;
    for (const auto& c : columns_.items_)
        if (c->visible_)
            bodyWidth_ += c->width_;

    if (fitToWidth_)
        bodyWidth_ = fitColumnsToWidth(availWidth);

    if (bodyWidth_ < availWidth)
        horizontalOffset_ = 0;
    if (bodyHeight_ < availHeight)
        verticalOffset_ = 0;

    showScrollBars(bodyWidth_ > availWidth, bodyHeight_ > availHeight);
    const int cw = clientWidth();
    const int ch = clientHeight();

    maxHorizontalOffset_ = std::max(0, bodyWidth_ + fixedWidth_ - cw);
    maxVerticalOffset_ = std::max(0, bodyHeight_ + fixedHeight_ + (showFooter_ ? lineHeight : 0) - ch);
    maxVerticalOffset_ = (maxVerticalOffset_ + lineHeight - 1) / lineHeight * lineHeight;

    if (showFooter_) {
        if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
            footerTop_ = (ch / lineHeight - 1) * lineHeight - 1;
        else
            footerTop_ = (headerLines_ + rowCount_) * lineHeight - 1;
    }

    horizontalOffset_ = std::clamp(horizontalOffset_, 0, maxHorizontalOffset_);
    verticalOffset_ = std::clamp(verticalOffset_, 0, maxVerticalOffset_);
    updateHorizontalBar();
    updateVerticalBar();

    allWidth_ = std::min(cw, bodyWidth_ + fixedWidth_);
    allHeight_ = std::min(ch, bodyHeight_ + fixedHeight_ + (showFooter_ ? lineHeight : 0));
    cellBox_ = {fixedWidth_, fixedHeight_, cw, showFooter_ ? footerTop_ : ch};
}

// ---- Geometry

GridGeometry CellGrid::geometry() const {
    std::vector<ColumnExtent> extents;
    extents.reserve(columns_.items_.size());
    for (const auto& c : columns_.items_)
        extents.push_back({c->width_, c->visible_, c->resizable_});
    GridGeometry g(std::move(extents), rowCount_, rowHeight_);
    g.setBands(fixedWidth_, fixedHeight_);
    g.setBodySize(bodyWidth_, bodyHeight_);
    g.setScrollOffsets(horizontalOffset_, verticalOffset_);
    g.setCellBox(cellBox_);
    g.setColumnSizing(!autoColumnWidth_);
    g.setFooterTop(footerTop_);
    return g;
}

int CellGrid::columnLeft(int column) const {
    return geometry().columnLeft(column);
}

PixelRect CellGrid::cellRect(int column, int row) const {
    return geometry().cellRect(column, row);
}

PixelRect CellGrid::headerCellRect(const HeaderCell& info) const {
    return geometry().headerCellRect(info.cells);
}

PixelRect CellGrid::gutterCellRect(int row) const {
    return geometry().gutterCellRect(row, gutterWidth_);
}

PixelRect CellGrid::mergedCellRect(const MergedCell& cell) const {
    return geometry().mergedCellRect(cell.cells);
}

PixelRect CellGrid::footerCellRect(int column) const {
    return geometry().footerCellRect(column);
}

int CellGrid::firstVisibleRow() const {
    return geometry().rowsMeeting(cellBox_.top, cellBox_.bottom).first;
}

int CellGrid::lastVisibleRow() const {
    return geometry().rowsMeeting(cellBox_.top, cellBox_.bottom).last;
}

PixelRect CellGrid::selectionFrameRect() const {
    return geometry().rangeRect(selection_);
}

PixelRect CellGrid::fillHandleRect() const {
    if (!cellsEnabled_ || currentColumn_ == -1 || currentRow_ == -1 || columnCount() == 0 || rowCount_ <= 0)
        return {};
    return geometry().fillHandleRect(selection_, fillHandlePlace_);
}

GridHit CellGrid::hitTest(int x, int y) const {
    return geometry().hitTest({x, y}, fillHandleRect());
}

int CellGrid::rowAt(int y) const {
    return geometry().rowAt(y);
}

int CellGrid::columnAt(int x) const {
    return geometry().columnAt(x);
}

QPoint CellGrid::clampedCellAt(int x, int y) const {
    return geometry().clampedCellAt(x, y);
}

} // namespace trimerka
