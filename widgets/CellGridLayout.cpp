// The layout pass and the grid's geometry: column positions, the rectangles of body, band and merged cells,
// the rows in view, and the scroll ranges and bars the layout decides.

#include <algorithm>

#include <QFontMetrics>
#include <QScrollBar>

#include "widgets/CellGrid.h"

namespace trimerka {

namespace {

// Restores a flag when the scope ends, so an error cannot leave the grid stuck.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : f(flag), old(flag) { f = true; }
    ~FlagGuard() { f = old; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& f;
    bool old;
};

} // namespace

// ---- Header build and layout

void CellGrid::buildHeader() {
    std::vector<HeaderColumn> cols;
    cols.reserve(columns_.items_.size());
    for (const auto& c : columns_.items_)
        cols.push_back({c->title_, c->visible_});
    headerCells_ = buildHeaderCells(cols, headerLines_);
    recalculateLayout();
}

void CellGrid::fitWidths(std::vector<FitColumn>& columns, int available, int forcedColumn_) {
    int body = 0;
    for (const auto& c : columns)
        if (c.visible)
            body += c.width;
    const int start = body;
    const int n = static_cast<int>(columns.size());
    if (n == 0)
        return;
    if (body < available) {
        for (int i = 0; body < available;) {
            FitColumn& c = columns[static_cast<size_t>(i)];
            if (c.visible && c.resizable) {
                ++c.width;
                ++body;
            }
            if (++i == n) {
                if (body == start)
                    break;
                i = 0;
            }
        }
    } else if (body > available) {
        for (int i = 0; body > available;) {
            FitColumn& c = columns[static_cast<size_t>(i)];
            if (c.visible && c.resizable && i != forcedColumn_) {
                --c.width;
                --body;
            }
            if (++i == n) {
                if (body == start)
                    break;
                i = 0;
            }
        }
    }
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

void CellGrid::recalculateLayout() {
    if (inLayout_)
        return;
    FlagGuard guard(inLayout_);
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

    if (autoColumnWidth_) {
        const QFontMetrics fm(font());
        for (auto& c : columns_.items_) {
            int a = 20;
            for (const auto& e : c->cells_)
                a = std::max(a, fm.horizontalAdvance(e.text) + 7);
            c->width_ = std::max(defaultColumnWidth_, a);
        }
    }

    fixedWidth_ = gutterContent_ != GutterContent::None ? gutterWidth_ : 0;
    fixedHeight_ = headerLines_ * lineHeight;
    bodyHeight_ = rowCount_ * lineHeight;

    const int availWidth = clientWidth() - fixedWidth_;
    const int availHeight = clientHeight() - fixedHeight_ - (showFooter_ ? lineHeight : 0);

    bodyWidth_ = 0;
    for (const auto& c : columns_.items_)
        if (c->visible_)
            bodyWidth_ += c->width_;

    if (fitToWidth_) {
        std::vector<FitColumn> fit;
        fit.reserve(columns_.items_.size());
        for (const auto& c : columns_.items_)
            fit.push_back({c->width_, c->visible_, c->resizable_});
        fitWidths(fit, availWidth, forcedColumn_);
        bodyWidth_ = 0;
        for (size_t i = 0; i < fit.size(); ++i) {
            columns_.items_[i]->width_ = fit[i].width;
            if (fit[i].visible)
                bodyWidth_ += fit[i].width;
        }
        forcedColumn_ = -1;
    }

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

int CellGrid::columnLeft(int column) const {
    int x = 0;
    const int n = std::min(column, columnCount());
    for (int i = 0; i < n; ++i) {
        const CellColumn& c = *columns_.items_[static_cast<size_t>(i)];
        if (c.visible_)
            x += c.width_;
    }
    return x;
}

PixelRect CellGrid::cellRect(int column, int row) const {
    if (column == -1 || row == -1)
        return {};
    const int lineHeight = rowHeight_;
    const int left = columnLeft(column);
    int w = 0;
    if (column >= 0 && column < columnCount() && columns_.items_[static_cast<size_t>(column)]->visible_)
        w = columns_.items_[static_cast<size_t>(column)]->width_;
    const PixelRect body{left - 1, row * lineHeight - 1, left + w, row * lineHeight + lineHeight};
    return body.translated(fixedWidth_ - horizontalOffset_, fixedHeight_ - verticalOffset_);
}

PixelRect CellGrid::headerCellRect(const HeaderCell& info) const {
    const int lineHeight = rowHeight_;
    const PixelRect r{columnLeft(info.cells.left) - 1, info.cells.top * lineHeight - 1,
                      columnLeft(info.cells.right + 1), (info.cells.bottom + 1) * lineHeight};
    return r.translated(fixedWidth_ - horizontalOffset_, 0);
}

PixelRect CellGrid::gutterCellRect(int row) const {
    const int lineHeight = rowHeight_;
    return PixelRect{-1, row * lineHeight - 1, gutterWidth_, (row + 1) * lineHeight}.translated(
        0, fixedHeight_ - verticalOffset_);
}

PixelRect CellGrid::mergedCellRect(const MergedCell& cell) const {
    const int lineHeight = rowHeight_;
    const PixelRect r{columnLeft(cell.cells.left) - 1, cell.cells.top * lineHeight - 1,
                      columnLeft(cell.cells.right + 1),
                      cell.cells.top * lineHeight + (cell.cells.bottom - cell.cells.top + 1) * lineHeight};
    return r.translated(fixedWidth_ - horizontalOffset_, fixedHeight_ - verticalOffset_);
}

PixelRect CellGrid::footerCellRect(int column) const {
    const int footerBottom = footerTop_ + rowHeight_ + 1;
    return PixelRect{columnLeft(column) - 1, footerTop_, columnLeft(column + 1), footerBottom}.translated(
        fixedWidth_ - horizontalOffset_, 0);
}

namespace {
int floorDiv(int a, int b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}
} // namespace

void CellGrid::rowsMeeting(int Top, int Bottom, int& First, int& Last) const {
    // Row r covers client rows r * h - 1 .. r * h + h - 1 (h the row height), moved by fixedHeight_ -
    // verticalOffset_.
    const int lineHeight = rowHeight_;
    const int shift = verticalOffset_ - fixedHeight_;
    First = std::max(floorDiv(Top + shift, lineHeight), 0);
    Last = std::min(-floorDiv(-(Bottom + shift + 1), lineHeight) - 1, rowCount_ - 1);
    if (Bottom <= Top)
        Last = First - 1;
}

int CellGrid::firstVisibleRow() const {
    int first = 0;
    int last = 0;
    rowsMeeting(cellBox_.top, cellBox_.bottom, first, last);
    return first;
}

int CellGrid::lastVisibleRow() const {
    int first = 0;
    int last = 0;
    rowsMeeting(cellBox_.top, cellBox_.bottom, first, last);
    return last;
}

PixelRect CellGrid::selectionFrameRect() const {
    const PixelRect a = cellRect(selection_.left, selection_.top);
    const PixelRect b = cellRect(selection_.right, selection_.bottom);
    return {a.left, a.top, b.right, b.bottom};
}

} // namespace trimerka
