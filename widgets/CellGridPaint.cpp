#include <algorithm>
#include <cstdlib>

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "widgets/CellGrid.h"

namespace trimerka {

namespace {

struct TextPlace {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

// Where one line of text goes in R; KeepEnd puts the end of a too-wide left-aligned text in view.
TextPlace placeText(const QFontMetrics& fm, const GridRect& R, const QString& Text, HorizontalAlignment HA,
                    VerticalAlignment VA, bool KeepEnd) {
    TextPlace p;
    p.Width = fm.horizontalAdvance(Text);
    p.Height = fm.height();
    switch (HA) {
    case haLeft:
        p.X = KeepEnd && p.Width > R.Width() ? R.Right - p.Width : R.Left;
        break;
    case haCenter:
        p.X = R.Left + (R.Width() - p.Width) / 2;
        break;
    case haRight:
        p.X = R.Right - p.Width;
        break;
    }
    switch (VA) {
    case vaTop:
        p.Y = R.Top;
        break;
    case vaCenter:
        p.Y = R.Top + (R.Height() - p.Height) / 2;
        break;
    case vaBottom:
        p.Y = R.Bottom - p.Height;
        break;
    }
    return p;
}

QPoint caretAfter(const TextPlace& p, const GridRect& R) {
    return {std::min(p.X + p.Width + 1, R.Right), R.Top - 1};
}

} // namespace

// ---- Pixel-exact primitives. Filled rectangles are exact in Qt's raster engine, so borders and lines are
// drawn as one-pixel fills: a rectangle's border lies on columns L and R - 1 and rows T and B - 1.

void CellGrid::FillRect(QPainter& P, const GridRect& R, const QColor& Brush) {
    if (!R.IsEmpty())
        P.fillRect(R.ToQRect(), Brush);
}

void CellGrid::FrameRect(QPainter& P, const GridRect& R, const QColor& Pen) {
    if (R.IsEmpty())
        return;
    FillRect(P, {R.Left, R.Top, R.Right, R.Top + 1}, Pen);
    FillRect(P, {R.Left, R.Bottom - 1, R.Right, R.Bottom}, Pen);
    FillRect(P, {R.Left, R.Top, R.Left + 1, R.Bottom}, Pen);
    FillRect(P, {R.Right - 1, R.Top, R.Right, R.Bottom}, Pen);
}

void CellGrid::Rectangle(QPainter& P, const GridRect& R, const QColor& Pen, const QColor& Brush) {
    FillRect(P, R.Adjusted(1, 1, -1, -1), Brush);
    FrameRect(P, R, Pen);
}

// A line that leaves out its end point, so that joined segments paint each joint once.
void CellGrid::LineTo(QPainter& P, QPoint From, QPoint To, const QColor& Pen) {
    int x = From.x();
    int y = From.y();
    const int x1 = To.x();
    const int y1 = To.y();
    if (y == y1) {
        FillRect(P, x < x1 ? GridRect{x, y, x1, y + 1} : GridRect{x1 + 1, y, x + 1, y + 1}, Pen);
        return;
    }
    if (x == x1) {
        FillRect(P, y < y1 ? GridRect{x, y, x + 1, y1} : GridRect{x, y1 + 1, x + 1, y + 1}, Pen);
        return;
    }
    const int dx = std::abs(x1 - x);
    const int dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1;
    const int sy = y < y1 ? 1 : -1;
    int err = dx + dy;
    while (x != x1 || y != y1) {
        P.fillRect(x, y, 1, 1, Pen);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// ---- Text

QPoint CellGrid::DrawCellText(QPainter& P, const GridRect& R, const QString& Text, HorizontalAlignment HA,
                              VerticalAlignment VA, bool KeepEnd) const {
    const QFontMetrics fm(P.font());
    const TextPlace p = placeText(fm, R, Text, HA, VA, KeepEnd);
    if (!Text.isEmpty() && !R.IsEmpty()) {
        P.save();
        P.setClipRect(R.ToQRect(), Qt::IntersectClip);
        P.drawText(QPoint(p.X, p.Y + fm.ascent()), Text);
        P.restore();
    }
    return caretAfter(p, R);
}

// Band texts are centred both ways; ";" breaks a text into lines, each centred by its own width.
void CellGrid::DrawBandText(QPainter& P, const GridRect& R, const QString& Text) const {
    if (!Text.contains(QLatin1Char(';'))) {
        DrawCellText(P, R, Text, haCenter, vaCenter, false);
        return;
    }
    const QStringList lines = Text.split(QLatin1Char(';'));
    const QFontMetrics fm(P.font());
    const int th = fm.height();
    const int n = static_cast<int>(lines.size());
    int y = R.Top + (R.Height() - n * th) / 2;
    P.save();
    P.setClipRect(R.ToQRect(), Qt::IntersectClip);
    for (const QString& line : lines) {
        const int x = R.Left + (R.Width() - fm.horizontalAdvance(line)) / 2;
        P.drawText(QPoint(x, y + fm.ascent()), line);
        y += th;
    }
    P.restore();
}

// ---- Cells

void CellGrid::PaintBodyCell(QPainter& P, int ACol, int ARow) {
    const GridRect R = CellRect(ACol, ARow);
    if (!R.Intersects(CellBox))
        return;
    const CellColumn& col = *FColumns.FItems[static_cast<size_t>(ACol)];
    const QColor color = CellColor(ACol, ARow);
    P.setFont(col.FFont);
    P.setPen(FGridColor);
    P.setBrush(color);
    if (OnDrawCell) {
        bool handled = false;
        OnDrawCell(this, P, ACol, ARow, R, handled);
        if (handled)
            return;
    }
    if (FShowGrid)
        Rectangle(P, R, FGridColor, color);
    else
        FillRect(P, R, color);
    const auto r = static_cast<size_t>(ARow);
    const QString text = r < col.FStrings.size() ? col.FStrings[r].Text : QString();
    if (!text.isEmpty()) {
        P.setPen(FEnabled ? palette().color(QPalette::WindowText) : FGridColor);
        DrawCellText(P, R.Adjusted(4, 2, -4, -2), text, col.FHorzAlign, col.FVertAlign,
                     ACol == KeepEndCol && ARow == KeepEndRow);
    }
}

void CellGrid::PaintMergedCell(QPainter& P, const MergedCell& Cell) {
    const GridRect R = MergedCellRect(Cell);
    if (!R.Intersects(CellBox))
        return;
    P.setFont(Cell.Font);
    if (FShowGrid)
        Rectangle(P, R, FGridColor, Cell.Color);
    else
        FillRect(P, R, Cell.Color);
    P.setPen(FEnabled ? palette().color(QPalette::WindowText) : FGridColor);
    DrawCellText(P, R.Adjusted(4, 2, -4, -2), Cell.Caption, Cell.HorzAlign, Cell.VertAlign, false);
}

void CellGrid::DrawHeaderCell(QPainter& P, const GridRect& R, const QString& Str, const QFont& Font,
                              const DrawHeaderHandler& Event) {
    const QColor pen = FFlat ? FHeaderDarkColor : QColor(Qt::black);
    P.setPen(pen);
    P.setBrush(FHeaderColor);
    P.setFont(Font);
    if (Event) {
        bool handled = false;
        Event(this, P, R, Str, handled);
        if (handled)
            return;
    }
    Rectangle(P, R, pen, FHeaderColor);
    if (!Str.isEmpty()) {
        P.setPen(FEnabled ? palette().color(QPalette::WindowText) : FHeaderDarkColor);
        DrawBandText(P, R.Adjusted(2, 2, -3, -3), Str);
    }
    LineTo(P, {R.Left + 1, R.Bottom - 2}, {R.Left + 1, R.Top + 1}, FHeaderLightColor);
    LineTo(P, {R.Left + 1, R.Top + 1}, {R.Right - 1, R.Top + 1}, FHeaderLightColor);
    if (!FFlat) {
        LineTo(P, {R.Right - 2, R.Top + 1}, {R.Right - 2, R.Bottom - 2}, FHeaderDarkColor);
        LineTo(P, {R.Right - 2, R.Bottom - 2}, {R.Left, R.Bottom - 2}, FHeaderDarkColor);
    }
}

// ---- Areas and bands

void CellGrid::PaintEmptyAreas(QPainter& P) {
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    const int H = FDefRowHeight;
    if (AllWidth < cw)
        FillRect(P, {AllWidth, 0, cw, ch}, FColor);
    if (!FShowFooter) {
        if (AllHeight < ch)
            FillRect(P, {0, AllHeight, cw, ch}, FColor);
        // Scrolled to the end, the partial row at the bottom is blanked.
        if (FMaxVScroll - FVertOffset < H)
            FillRect(P, {0, (ch - FixedHeight) / H * H + FixedHeight, cw, ch}, FColor);
    }
}

void CellGrid::PaintGutter(QPainter& P) {
    const GridRect area{0, FixedHeight - 2, ClientWidth(), ClientHeight()};
    const int H = FDefRowHeight;
    int first = 0;
    int last = -1;
    RowsMeeting(std::max(area.Top, FUpdateRect.Top), std::min(area.Bottom, FUpdateRect.Bottom), first, last);
    for (int r = first; r <= last; ++r) {
        const GridRect R = GutterCellRect(r);
        if (!R.Intersects(area) || !R.Intersects(FUpdateRect))
            continue;
        DrawHeaderCell(P, R, GutterText(r), FGutterFont, OnDrawGutter);
        if (FGutterKind == gkPointer && r == FRow) {
            const int x0 = (FGutterWidth - 8) / 2;
            const int d = (H - 8) / 2;
            const QPoint a{x0, R.Bottom - d};
            const QPoint b{x0, R.Top + d};
            const QPoint c{x0 + 8, R.Top + H / 2};
            LineTo(P, a, b, FHeaderDarkColor);
            LineTo(P, b, c, FHeaderDarkColor);
            LineTo(P, c, a, FHeaderLightColor);
        }
    }
}

void CellGrid::PaintHeader(QPainter& P) {
    const GridRect client{0, 0, ClientWidth(), ClientHeight()};
    P.setFont(FHeaderFont);
    for (const HeaderInfo& info : FHeaderInfos) {
        const GridRect R = HeaderCellRect(info);
        if (R.Intersects(client) && R.Intersects(FUpdateRect))
            DrawHeaderCell(P, R, info.Str, FHeaderFont, OnDrawHeader);
    }
    DrawHeaderCell(P, CornerRect(), QString(), FHeaderFont, OnDrawHeader);
}

void CellGrid::PaintFooter(QPainter& P) {
    const int cw = ClientWidth();
    const GridRect client{0, 0, cw, ClientHeight()};
    const int B = FooterTop + FDefRowHeight + 1;
    for (int c = 0; c < ColCount(); ++c) {
        const GridRect R = FooterCellRect(c);
        if (R.Intersects(client) && R.Intersects(FUpdateRect))
            DrawHeaderCell(P, R, FColumns[c].FFooter, FFooterFont, OnDrawFooter);
    }
    DrawHeaderCell(P, {-1, FooterTop, FixedWidth, B}, QString(), FFooterFont, OnDrawFooter);
    DrawHeaderCell(P, {-1, B - 1, std::min(AllWidth, cw), ClientHeight()}, QString(), FFooterFont,
                   OnDrawFooter);
}

void CellGrid::PaintSelectionFrame(QPainter& P) {
    if (!FEnabled || FCol == -1 || FRow == -1)
        return;
    const GridRect F = FrameRect();
    const QColor ink = hasFocus() ? QColor(Qt::black) : FGridColor;
    // A 3-pixel pen centred on the outline: columns L - 1 .. L + 1 and R - 2 .. R, the same for rows.
    FillRect(P, {F.Left - 1, F.Top - 1, F.Right + 1, F.Top + 2}, ink);
    FillRect(P, {F.Left - 1, F.Bottom - 2, F.Right + 1, F.Bottom + 1}, ink);
    FillRect(P, {F.Left - 1, F.Top - 1, F.Left + 2, F.Bottom + 1}, ink);
    FillRect(P, {F.Right - 2, F.Top - 1, F.Right + 1, F.Bottom + 1}, ink);

    switch (SmallBoxPos) {
    case 1:
        SmallBox = {F.Right - 3, F.Top + 2, F.Right + 3, F.Top + 8};
        break;
    case 2:
        SmallBox = {F.Left + 2, F.Bottom - 3, F.Left + 8, F.Bottom + 3};
        break;
    default:
        SmallBox = {F.Right - 3, F.Bottom - 3, F.Right + 3, F.Bottom + 3};
        break;
    }
    Rectangle(P, SmallBox, Qt::white, ink);
    SmallBoxPos = 0;

    if (SmallBoxArea.Left != -1) {
        const GridRect a = CellRect(SmallBoxArea.Left, SmallBoxArea.Top);
        const GridRect b = CellRect(SmallBoxArea.Right, SmallBoxArea.Bottom);
        const GridRect S{a.Left, a.Top, b.Right, b.Bottom};
        for (int x = S.Left; x < S.Right; x += 2) {
            P.fillRect(x, S.Top, 1, 1, Qt::black);
            P.fillRect(x, S.Bottom - 1, 1, 1, Qt::black);
        }
        for (int y = S.Top; y < S.Bottom; y += 2) {
            P.fillRect(S.Left, y, 1, 1, Qt::black);
            P.fillRect(S.Right - 1, y, 1, 1, Qt::black);
        }
    }
}

void CellGrid::PaintCaret(QPainter& P) {
    if (!CaretShown)
        return;
    P.save();
    P.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    P.fillRect(CaretPos.x(), CaretPos.y(), 1, FDefRowHeight - 2, Qt::white);
    P.restore();
}

// ---- The paint

void CellGrid::paintEvent(QPaintEvent* Event) {
    if (FUpdating)
        return;
    QPainter P(viewport());
    P.setRenderHint(QPainter::Antialiasing, false);
    P.setRenderHint(QPainter::TextAntialiasing, true);
    PaintGrid(P, Event->region());
}

void CellGrid::PaintGrid(QPainter& P, const QRegion& Update) {
    // Cells outside the update rectangle are not visited at all: what they would draw is clipped anyway.
    FUpdateRect = GridRect::FromQRect(Update.boundingRect());
    const int cw = ClientWidth();
    const int ch = ClientHeight();
    const QRegion client(0, 0, cw, ch);
    if (ColCount() == 0) {
        FillRect(P, {0, 0, cw, ch}, FColor);
        return;
    }
    if (FRowCount <= 0) {
        PaintEmptyAreas(P);
    } else {
        const GridRect F = FrameRect();
        QRegion ring;
        if (FEnabled)
            ring = QRegion(F.Adjusted(-1, -1, 1, 1).ToQRect())
                       .subtracted(QRegion(F.Adjusted(2, 2, -2, -2).ToQRect()));
        P.setClipRegion(QRegion(CellBox.ToQRect()).subtracted(ring));

        const GridRect box{std::max(CellBox.Left, FUpdateRect.Left), std::max(CellBox.Top, FUpdateRect.Top),
                           std::min(CellBox.Right, FUpdateRect.Right),
                           std::min(CellBox.Bottom, FUpdateRect.Bottom)};
        int first = 0;
        int last = -1;
        RowsMeeting(box.Top, box.Bottom, first, last);
        const int dx = FixedWidth - FHorzOffset;
        int left = 0;
        for (int c = 0; c < ColCount(); ++c) {
            const CellColumn& col = *FColumns.FItems[static_cast<size_t>(c)];
            if (!col.FVisible)
                continue;
            const int x0 = left + dx - 1;
            const int x1 = left + col.FWidth + dx;
            left += col.FWidth;
            if (x1 <= box.Left || x0 >= box.Right)
                continue;
            for (int r = first; r <= last; ++r) {
                const auto ri = static_cast<size_t>(r);
                if (ri < col.FStrings.size() && col.FStrings[ri].Mark == -2)
                    continue;
                PaintBodyCell(P, c, r);
            }
        }
        for (const auto& m : Mergeds)
            PaintMergedCell(P, *m);

        P.setClipRegion(client.subtracted(ring));
        PaintEmptyAreas(P);

        P.setClipRect(CellBox.ToQRect());
        PaintSelectionFrame(P);
        P.setClipping(false);
    }
    P.setClipping(false);
    if (FGutterKind != gkNone)
        PaintGutter(P);
    PaintHeader(P);
    if (FShowFooter)
        PaintFooter(P);
    PaintCaret(P);
}

QPoint CellGrid::RepaintCell(int ACol, int ARow, bool KeepEnd) {
    const GridRect R = CellRect(ACol, ARow);
    if (!R.Intersects(CellBox))
        return {-1, -1};
    const GridRect inner = R.Adjusted(4, 2, -4, -2);
    const CellColumn& col = FColumns[ACol];
    const QFontMetrics fm(col.FFont);
    const TextPlace p = placeText(fm, inner, CellText(ACol, ARow), col.FHorzAlign, col.FVertAlign, KeepEnd);
    // The paint of the interior alone: the border and the selection frame lie outside it and stay.
    if (viewport()->isVisible()) {
        KeepEndCol = KeepEnd ? ACol : -1;
        KeepEndRow = KeepEnd ? ARow : -1;
        viewport()->repaint(inner.ToQRect());
        KeepEndCol = KeepEndRow = -1;
    }
    return caretAfter(p, inner);
}

} // namespace trimerka
