#include <algorithm>

#include <QScrollBar>
#include <QWheelEvent>

#include "widgets/CellGrid.h"
#include "widgets/ScopedFlag.h"

namespace trimerka {

void CellGrid::updateVerticalBar() {
    {
        ScopedFlag setting(settingBars_);
        verticalScrollBar()->setRange(0, maxVerticalOffset_);
        verticalScrollBar()->setValue(verticalOffset_);
    }
    if (linkedGrid_)
        linkedGrid_->followVerticalBar(maxVerticalOffset_, verticalOffset_);
}

void CellGrid::updateHorizontalBar() {
    ScopedFlag setting(settingBars_);
    horizontalScrollBar()->setRange(0, maxHorizontalOffset_);
    horizontalScrollBar()->setValue(horizontalOffset_);
}

void CellGrid::followVerticalBar(int, int) {}

// The bar has already applied its step (line = H, page = 5 H) or the thumb position; the grid limits the
// result, snaps it to a row boundary and puts the bar back on the offset it took.
void CellGrid::verticalBarMoved(int value) {
    if (settingBars_)
        return;
    endEditing();
    int v = std::clamp(value, 0, std::max(maxVerticalOffset_, 0));
    v -= v % rowHeight_;
    const bool changed = v != verticalOffset_;
    verticalOffset_ = v;
    if (verticalScrollBar()->value() != v || changed)
        updateVerticalBar();
    if (changed)
        invalidateBelow(fixedHeight_);
}

void CellGrid::horizontalBarMoved(int value) {
    if (settingBars_)
        return;
    endEditing();
    const int v = std::clamp(value, 0, std::max(maxHorizontalOffset_, 0));
    const bool changed = v != horizontalOffset_;
    horizontalOffset_ = v;
    if (horizontalScrollBar()->value() != v)
        updateHorizontalBar();
    if (changed)
        invalidateRightOf(fixedWidth_);
}

// A wheel turn moves by its delta in pixels, not snapped to rows: one notch of 120 moves 120 pixels.
void CellGrid::wheelEvent(QWheelEvent* event) {
    event->accept();
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    const int v = std::clamp(verticalOffset_ - delta, 0, std::max(maxVerticalOffset_, 0));
    if (v == verticalOffset_)
        return;
    endEditing();
    verticalOffset_ = v;
    updateVerticalBar();
    invalidateAll();
}

void CellGrid::ensureVisible(int column, int row) {
    if (column == -1 || row == -1)
        return;
    const int cw = clientWidth();
    const int ch = clientHeight();
    if (allWidth_ < cw && allHeight_ < ch)
        return;
    const int lineHeight = rowHeight_;

    const int top = verticalOffset_ / lineHeight;
    const int span = (ch - fixedHeight_) / lineHeight - 1 - (showFooter_ ? 1 : 0);
    bool rowOut = false;
    int vert = verticalOffset_;
    if (row < top) {
        rowOut = true;
        vert = row * lineHeight;
    } else if (row > top + span) {
        rowOut = true;
        vert = (row - span) * lineHeight;
    }

    bool colOut = false;
    int horz = horizontalOffset_;
    if (column >= 0 && column < columnCount()) {
        const int x = fixedWidth_ + columnLeft(column) - horizontalOffset_;
        const int right = x + columns()[column].width();
        if (x < fixedWidth_) {
            colOut = true;
            horz = std::max(0, horz + x - fixedWidth_);
        }
        if (right > cw) {
            colOut = true;
            horz = std::min(maxHorizontalOffset_, horz + right - cw + 1);
        }
    }

    if (rowOut && !colOut) {
        setVerticalOffset(vert);
    } else if (colOut && !rowOut) {
        setHorizontalOffset(horz);
    } else if (rowOut && colOut) {
        verticalOffset_ = vert;
        horizontalOffset_ = horz;
        updateHorizontalBar();
        updateVerticalBar();
        invalidateAll();
    }
}

} // namespace trimerka
