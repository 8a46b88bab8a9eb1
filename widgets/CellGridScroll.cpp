#include <algorithm>

#include <QScrollBar>
#include <QWheelEvent>

#include "widgets/CellGrid.h"

namespace trimerka {

void CellGrid::SetVertBar() {
    {
        const bool old = SettingBars;
        SettingBars = true;
        verticalScrollBar()->setRange(0, FMaxVScroll);
        verticalScrollBar()->setValue(FVertOffset);
        SettingBars = old;
    }
    if (Sync)
        Sync->FollowVertBar(FMaxVScroll, FVertOffset);
}

void CellGrid::SetHorzBar() {
    const bool old = SettingBars;
    SettingBars = true;
    horizontalScrollBar()->setRange(0, FMaxHScroll);
    horizontalScrollBar()->setValue(FHorzOffset);
    SettingBars = old;
}

void CellGrid::FollowVertBar(int, int) {}

// The bar has already applied its step (line = H, page = 5 H) or the thumb position; the grid limits the
// result, snaps it to a row boundary and puts the bar back on the offset it took.
void CellGrid::VertBarValueChanged(int Value) {
    if (SettingBars)
        return;
    EndEditing();
    int v = std::clamp(Value, 0, std::max(FMaxVScroll, 0));
    v -= v % FDefRowHeight;
    const bool changed = v != FVertOffset;
    FVertOffset = v;
    if (verticalScrollBar()->value() != v || changed)
        SetVertBar();
    if (changed)
        InvalidateBelow(FixedHeight);
}

void CellGrid::HorzBarValueChanged(int Value) {
    if (SettingBars)
        return;
    EndEditing();
    const int v = std::clamp(Value, 0, std::max(FMaxHScroll, 0));
    const bool changed = v != FHorzOffset;
    FHorzOffset = v;
    if (horizontalScrollBar()->value() != v)
        SetHorzBar();
    if (changed)
        InvalidateRightOf(FixedWidth);
}

// A wheel turn moves by its delta in pixels, not snapped to rows: one notch of 120 moves 120 pixels.
void CellGrid::wheelEvent(QWheelEvent* Event) {
    Event->accept();
    const int delta = Event->angleDelta().y();
    if (delta == 0)
        return;
    const int v = std::clamp(FVertOffset - delta, 0, std::max(FMaxVScroll, 0));
    if (v == FVertOffset)
        return;
    EndEditing();
    FVertOffset = v;
    SetVertBar();
    InvalidateAll();
}

void CellGrid::EnsureVisible(int X, int Y) {
    if (X == -1 || Y == -1)
        return;
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    if (AllWidth < cw && AllHeight < ch)
        return;
    const int H = FDefRowHeight;

    const int top = FVertOffset / H;
    const int span = (ch - FixedHeight) / H - 1 - (FShowFooter ? 1 : 0);
    bool rowOut = false;
    int vert = FVertOffset;
    if (Y < top) {
        rowOut = true;
        vert = Y * H;
    } else if (Y > top + span) {
        rowOut = true;
        vert = (Y - span) * H;
    }

    bool colOut = false;
    int horz = FHorzOffset;
    if (X >= 0 && X < ColCount()) {
        const int x = FixedWidth + ColumnLeft(X) - FHorzOffset;
        const int right = x + Columns()[X].Width();
        if (x < FixedWidth) {
            colOut = true;
            horz = std::max(0, horz + x - FixedWidth);
        }
        if (right > cw) {
            colOut = true;
            horz = std::min(FMaxHScroll, horz + right - cw + 1);
        }
    }

    if (rowOut && !colOut) {
        SetVertOffset(vert);
    } else if (colOut && !rowOut) {
        SetHorzOffset(horz);
    } else if (rowOut && colOut) {
        FVertOffset = vert;
        FHorzOffset = horz;
        SetHorzBar();
        SetVertBar();
        InvalidateAll();
    }
}

} // namespace trimerka
