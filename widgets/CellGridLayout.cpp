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

void CellGrid::BuildHeader() {
    std::vector<HeaderColumn> cols;
    cols.reserve(FColumns.FItems.size());
    for (const auto& c : FColumns.FItems)
        cols.push_back({c->FTitle, c->FVisible});
    FHeaderInfos = BuildHeaderCells(cols, FHeaderLine);
    RecalcLayout();
}

void CellGrid::FitWidths(std::vector<FitColumn>& Columns, int Available, int ForcedColumn) {
    int body = 0;
    for (const auto& c : Columns)
        if (c.Visible)
            body += c.Width;
    const int start = body;
    const int n = static_cast<int>(Columns.size());
    if (n == 0)
        return;
    if (body < Available) {
        for (int i = 0; body < Available;) {
            FitColumn& c = Columns[static_cast<size_t>(i)];
            if (c.Visible && c.CanResize) {
                ++c.Width;
                ++body;
            }
            if (++i == n) {
                if (body == start)
                    break;
                i = 0;
            }
        }
    } else if (body > Available) {
        for (int i = 0; body > Available;) {
            FitColumn& c = Columns[static_cast<size_t>(i)];
            if (c.Visible && c.CanResize && i != ForcedColumn) {
                --c.Width;
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

int CellGrid::ClientWidth() const {
    int w = contentsRect().width();
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        w -= verticalScrollBar()->sizeHint().width();
    return std::max(w, 0);
}

int CellGrid::ClientHeight() const {
    int h = contentsRect().height();
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        h -= horizontalScrollBar()->sizeHint().height();
    return std::max(h, 0);
}

void CellGrid::ShowScrollBars(bool Horz, bool Vert) {
    setHorizontalScrollBarPolicy(Horz ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Vert ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void CellGrid::RecalcLayout() {
    if (InLayout)
        return;
    FlagGuard guard(InLayout);
    const int H = FDefRowHeight;
    ApplyMergeCells();

    const bool anyVisible = std::any_of(FColumns.FItems.begin(), FColumns.FItems.end(),
                                        [](const auto& c) { return c->FVisible; });
    if (!anyVisible) {
        FixedWidth = FixedHeight = BodyWidth = BodyHeight = 0;
        ShowScrollBars(false, false);
        // Leave nothing stale behind for the painter: the whole client area is empty.
        AllWidth = AllHeight = 0;
        FMaxHScroll = FMaxVScroll = 0;
        FHorzOffset = FVertOffset = 0;
        FooterTop = 0;
        CellBox = {0, 0, ClientWidth(), ClientHeight()};
        return;
    }

    if (FAutoColWidth) {
        const QFontMetrics fm(font());
        for (auto& c : FColumns.FItems) {
            int a = 20;
            for (const auto& e : c->FStrings)
                a = std::max(a, fm.horizontalAdvance(e.Text) + 7);
            c->FWidth = std::max(FDefColWidth, a);
        }
    }

    FixedWidth = FGutterKind != gkNone ? FGutterWidth : 0;
    FixedHeight = FHeaderLine * H;
    BodyHeight = FRowCount * H;

    const int availWidth = ClientWidth() - FixedWidth;
    const int availHeight = ClientHeight() - FixedHeight - (FShowFooter ? H : 0);

    BodyWidth = 0;
    for (const auto& c : FColumns.FItems)
        if (c->FVisible)
            BodyWidth += c->FWidth;

    if (FFitToWidth) {
        std::vector<FitColumn> fit;
        fit.reserve(FColumns.FItems.size());
        for (const auto& c : FColumns.FItems)
            fit.push_back({c->FWidth, c->FVisible, c->FCanResize});
        FitWidths(fit, availWidth, ForcedColumn);
        BodyWidth = 0;
        for (size_t i = 0; i < fit.size(); ++i) {
            FColumns.FItems[i]->FWidth = fit[i].Width;
            if (fit[i].Visible)
                BodyWidth += fit[i].Width;
        }
        ForcedColumn = -1;
    }

    if (BodyWidth < availWidth)
        FHorzOffset = 0;
    if (BodyHeight < availHeight)
        FVertOffset = 0;

    ShowScrollBars(BodyWidth > availWidth, BodyHeight > availHeight);
    const int cw = ClientWidth();
    const int ch = ClientHeight();

    FMaxHScroll = std::max(0, BodyWidth + FixedWidth - cw);
    FMaxVScroll = std::max(0, BodyHeight + FixedHeight + (FShowFooter ? H : 0) - ch);
    FMaxVScroll = (FMaxVScroll + H - 1) / H * H;

    if (FShowFooter) {
        if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
            FooterTop = (ch / H - 1) * H - 1;
        else
            FooterTop = (FHeaderLine + FRowCount) * H - 1;
    }

    FHorzOffset = std::clamp(FHorzOffset, 0, FMaxHScroll);
    FVertOffset = std::clamp(FVertOffset, 0, FMaxVScroll);
    SetHorzBar();
    SetVertBar();

    AllWidth = std::min(cw, BodyWidth + FixedWidth);
    AllHeight = std::min(ch, BodyHeight + FixedHeight + (FShowFooter ? H : 0));
    CellBox = {FixedWidth, FixedHeight, cw, FShowFooter ? FooterTop : ch};
}

// ---- Geometry

int CellGrid::ColumnLeft(int N) const {
    int x = 0;
    const int n = std::min(N, ColCount());
    for (int i = 0; i < n; ++i) {
        const CellColumn& c = *FColumns.FItems[static_cast<size_t>(i)];
        if (c.FVisible)
            x += c.FWidth;
    }
    return x;
}

GridRect CellGrid::CellRect(int ACol, int ARow) const {
    if (ACol == -1 || ARow == -1)
        return {};
    const int H = FDefRowHeight;
    const int left = ColumnLeft(ACol);
    int w = 0;
    if (ACol >= 0 && ACol < ColCount() && FColumns.FItems[static_cast<size_t>(ACol)]->FVisible)
        w = FColumns.FItems[static_cast<size_t>(ACol)]->FWidth;
    const GridRect body{left - 1, ARow * H - 1, left + w, ARow * H + H};
    return body.Translated(FixedWidth - FHorzOffset, FixedHeight - FVertOffset);
}

GridRect CellGrid::HeaderCellRect(const HeaderInfo& Info) const {
    const int H = FDefRowHeight;
    const GridRect r{ColumnLeft(Info.Rc.Left) - 1, Info.Rc.Top * H - 1, ColumnLeft(Info.Rc.Right + 1),
                     (Info.Rc.Bottom + 1) * H};
    return r.Translated(FixedWidth - FHorzOffset, 0);
}

GridRect CellGrid::GutterCellRect(int ARow) const {
    const int H = FDefRowHeight;
    return GridRect{-1, ARow * H - 1, FGutterWidth, (ARow + 1) * H}.Translated(0, FixedHeight - FVertOffset);
}

GridRect CellGrid::MergedCellRect(const MergedCell& Cell) const {
    const int H = FDefRowHeight;
    const GridRect r{ColumnLeft(Cell.Rc.Left) - 1, Cell.Rc.Top * H - 1, ColumnLeft(Cell.Rc.Right + 1),
                     Cell.Rc.Top * H + (Cell.Rc.Bottom - Cell.Rc.Top + 1) * H};
    return r.Translated(FixedWidth - FHorzOffset, FixedHeight - FVertOffset);
}

GridRect CellGrid::FooterCellRect(int ACol) const {
    const int B = FooterTop + FDefRowHeight + 1;
    return GridRect{ColumnLeft(ACol) - 1, FooterTop, ColumnLeft(ACol + 1), B}.Translated(
        FixedWidth - FHorzOffset, 0);
}

namespace {
int floorDiv(int a, int b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}
} // namespace

void CellGrid::RowsMeeting(int Top, int Bottom, int& First, int& Last) const {
    // Row r covers client rows r * H - 1 .. r * H + H - 1, moved by FixedHeight - VertOffset.
    const int H = FDefRowHeight;
    const int shift = FVertOffset - FixedHeight;
    First = std::max(floorDiv(Top + shift, H), 0);
    Last = std::min(-floorDiv(-(Bottom + shift + 1), H) - 1, FRowCount - 1);
    if (Bottom <= Top)
        Last = First - 1;
}

int CellGrid::FirstVisibleRow() const {
    int first = 0;
    int last = 0;
    RowsMeeting(CellBox.Top, CellBox.Bottom, first, last);
    return first;
}

int CellGrid::LastVisibleRow() const {
    int first = 0;
    int last = 0;
    RowsMeeting(CellBox.Top, CellBox.Bottom, first, last);
    return last;
}

GridRect CellGrid::FrameRect() const {
    const GridRect a = CellRect(FSelectArea.Left, FSelectArea.Top);
    const GridRect b = CellRect(FSelectArea.Right, FSelectArea.Bottom);
    return {a.Left, a.Top, b.Right, b.Bottom};
}

} // namespace trimerka
