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
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Where one line of text goes in R; keepEnd puts the end of a too-wide left-aligned text in view.
TextPlace placeText(const QFontMetrics& fm, const PixelRect& rect, const QString& text,
                    HorizontalAlignment horizontal, VerticalAlignment vertical, bool keepEnd) {
    TextPlace p;
    p.width = fm.horizontalAdvance(text);
    p.height = fm.height();
    switch (horizontal) {
    case HorizontalAlignment::Left:
        p.x = keepEnd && p.width > rect.width() ? rect.right - p.width : rect.left;
        break;
    case HorizontalAlignment::Center:
        p.x = rect.left + (rect.width() - p.width) / 2;
        break;
    case HorizontalAlignment::Right:
        p.x = rect.right - p.width;
        break;
    }
    switch (vertical) {
    case VerticalAlignment::Top:
        p.y = rect.top;
        break;
    case VerticalAlignment::Center:
        p.y = rect.top + (rect.height() - p.height) / 2;
        break;
    case VerticalAlignment::Bottom:
        p.y = rect.bottom - p.height;
        break;
    }
    return p;
}

QPoint caretAfter(const TextPlace& p, const PixelRect& rect) {
    return {std::min(p.x + p.width + 1, rect.right), rect.top - 1};
}

} // namespace

// ---- Pixel-exact primitives. Filled rectangles are exact in Qt's raster engine, so borders and lines are
// drawn as one-pixel fills: a rectangle's border lies on columns L and R - 1 and rows T and B - 1.

void CellGrid::fillRect(QPainter& painter, const PixelRect& rect, const QColor& brush) {
    if (!rect.isEmpty())
        painter.fillRect(rect.toQRect(), brush);
}

void CellGrid::drawFrame(QPainter& painter, const PixelRect& rect, const QColor& pen) {
    if (rect.isEmpty())
        return;
    fillRect(painter, {rect.left, rect.top, rect.right, rect.top + 1}, pen);
    fillRect(painter, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, pen);
    fillRect(painter, {rect.left, rect.top, rect.left + 1, rect.bottom}, pen);
    fillRect(painter, {rect.right - 1, rect.top, rect.right, rect.bottom}, pen);
}

void CellGrid::drawRectangle(QPainter& painter, const PixelRect& rect, const QColor& pen,
                             const QColor& brush) {
    fillRect(painter, rect.adjusted(1, 1, -1, -1), brush);
    drawFrame(painter, rect, pen);
}

// A line that leaves out its end point, so that joined segments paint each joint once.
void CellGrid::drawLine(QPainter& painter, QPoint from, QPoint to, const QColor& pen) {
    int x = from.x();
    int y = from.y();
    const int x1 = to.x();
    const int y1 = to.y();
    if (y == y1) {
        fillRect(painter, x < x1 ? PixelRect{x, y, x1, y + 1} : PixelRect{x1 + 1, y, x + 1, y + 1}, pen);
        return;
    }
    if (x == x1) {
        fillRect(painter, y < y1 ? PixelRect{x, y, x + 1, y1} : PixelRect{x, y1 + 1, x + 1, y + 1}, pen);
        return;
    }
    const int dx = std::abs(x1 - x);
    const int dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1;
    const int sy = y < y1 ? 1 : -1;
    int err = dx + dy;
    while (x != x1 || y != y1) {
        painter.fillRect(x, y, 1, 1, pen);
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

QPoint CellGrid::drawCellText(QPainter& painter, const PixelRect& rect, const QString& text,
                              HorizontalAlignment horizontal, VerticalAlignment vertical,
                              bool keepEnd) const {
    const QFontMetrics fm(painter.font());
    const TextPlace p = placeText(fm, rect, text, horizontal, vertical, keepEnd);
    if (!text.isEmpty() && !rect.isEmpty()) {
        painter.save();
        painter.setClipRect(rect.toQRect(), Qt::IntersectClip);
        painter.drawText(QPoint(p.x, p.y + fm.ascent()), text);
        painter.restore();
    }
    return caretAfter(p, rect);
}

// Band texts are centred both ways; ";" breaks a text into lines, each centred by its own width.
void CellGrid::drawBandText(QPainter& painter, const PixelRect& rect, const QString& text) const {
    if (!text.contains(QLatin1Char(';'))) {
        drawCellText(painter, rect, text, HorizontalAlignment::Center, VerticalAlignment::Center, false);
        return;
    }
    const QStringList lines = text.split(QLatin1Char(';'));
    const QFontMetrics fm(painter.font());
    const int th = fm.height();
    const int n = static_cast<int>(lines.size());
    int y = rect.top + (rect.height() - n * th) / 2;
    painter.save();
    painter.setClipRect(rect.toQRect(), Qt::IntersectClip);
    for (const QString& line : lines) {
        const int x = rect.left + (rect.width() - fm.horizontalAdvance(line)) / 2;
        painter.drawText(QPoint(x, y + fm.ascent()), line);
        y += th;
    }
    painter.restore();
}

// ---- Cells

void CellGrid::paintBodyCell(QPainter& painter, const GridGeometry& geometry, int column, int row) {
    const PixelRect rect = geometry.cellRect(column, row);
    if (!rect.intersects(cellBox_))
        return;
    const CellColumn& col = *columns_.items_[static_cast<size_t>(column)];
    const QColor color = cellColor(column, row);
    painter.setFont(col.font_);
    painter.setPen(gridColor_);
    painter.setBrush(color);
    if (owner().drawCell(*this, painter, column, row, rect))
        return;
    if (showGrid_)
        drawRectangle(painter, rect, gridColor_, color);
    else
        fillRect(painter, rect, color);
    const auto r = static_cast<size_t>(row);
    const QString text = r < col.cells_.size() ? col.cells_[r].text : QString();
    if (!text.isEmpty()) {
        painter.setPen(cellsEnabled_ ? palette().color(QPalette::WindowText) : gridColor_);
        drawCellText(painter, rect.adjusted(4, 2, -4, -2), text, col.horizontalAlignment_,
                     col.verticalAlignment_, column == keepEndColumn_ && row == keepEndRow_);
    }
}

void CellGrid::paintMergedCell(QPainter& painter, const GridGeometry& geometry, const MergedCell& cell) {
    const PixelRect rect = geometry.mergedCellRect(cell.cells);
    if (!rect.intersects(cellBox_))
        return;
    painter.setFont(cell.font);
    if (showGrid_)
        drawRectangle(painter, rect, gridColor_, cell.color);
    else
        fillRect(painter, rect, cell.color);
    painter.setPen(cellsEnabled_ ? palette().color(QPalette::WindowText) : gridColor_);
    drawCellText(painter, rect.adjusted(4, 2, -4, -2), cell.caption, cell.horizontalAlignment,
                 cell.verticalAlignment, false);
}

void CellGrid::drawHeaderCell(QPainter& painter, const PixelRect& rect, const QString& text,
                              const QFont& font, GridBand band) {
    const QColor pen = flat_ ? headerDarkColor_ : QColor(Qt::black);
    painter.setPen(pen);
    painter.setBrush(headerColor_);
    painter.setFont(font);
    if (owner().drawBandCell(*this, painter, band, rect, text))
        return;
    drawRectangle(painter, rect, pen, headerColor_);
    if (!text.isEmpty()) {
        painter.setPen(cellsEnabled_ ? palette().color(QPalette::WindowText) : headerDarkColor_);
        drawBandText(painter, rect.adjusted(2, 2, -3, -3), text);
    }
    drawLine(painter, {rect.left + 1, rect.bottom - 2}, {rect.left + 1, rect.top + 1}, headerLightColor_);
    drawLine(painter, {rect.left + 1, rect.top + 1}, {rect.right - 1, rect.top + 1}, headerLightColor_);
    if (!flat_) {
        drawLine(painter, {rect.right - 2, rect.top + 1}, {rect.right - 2, rect.bottom - 2},
                 headerDarkColor_);
        drawLine(painter, {rect.right - 2, rect.bottom - 2}, {rect.left, rect.bottom - 2}, headerDarkColor_);
    }
}

// ---- Areas and bands

void CellGrid::paintEmptyAreas(QPainter& painter) {
    const int cw = clientWidth();
    const int ch = clientHeight();
    const int lineHeight = rowHeight_;
    if (allWidth_ < cw)
        fillRect(painter, {allWidth_, 0, cw, ch}, color_);
    if (!showFooter_) {
        if (allHeight_ < ch)
            fillRect(painter, {0, allHeight_, cw, ch}, color_);
        // Scrolled to the end, the partial row at the bottom is blanked.
        if (maxVerticalOffset_ - verticalOffset_ < lineHeight)
            fillRect(painter, {0, (ch - fixedHeight_) / lineHeight * lineHeight + fixedHeight_, cw, ch},
                     color_);
    }
}

void CellGrid::paintGutter(QPainter& painter) {
    const PixelRect area{0, fixedHeight_ - 2, clientWidth(), clientHeight()};
    const int lineHeight = rowHeight_;
    const GridGeometry geometry = this->geometry();
    const IndexSpan rows =
        geometry.rowsMeeting(std::max(area.top, updateRect_.top), std::min(area.bottom, updateRect_.bottom));
    for (int r = rows.first; r <= rows.last; ++r) {
        const PixelRect rect = geometry.gutterCellRect(r, gutterWidth_);
        if (!rect.intersects(area) || !rect.intersects(updateRect_))
            continue;
        drawHeaderCell(painter, rect, gutterText(r), gutterFont_, GridBand::Gutter);
        if (gutterContent_ == GutterContent::Pointer && r == currentRow_) {
            const int x0 = (gutterWidth_ - 8) / 2;
            const int d = (lineHeight - 8) / 2;
            const QPoint a{x0, rect.bottom - d};
            const QPoint b{x0, rect.top + d};
            const QPoint c{x0 + 8, rect.top + lineHeight / 2};
            drawLine(painter, a, b, headerDarkColor_);
            drawLine(painter, b, c, headerDarkColor_);
            drawLine(painter, c, a, headerLightColor_);
        }
    }
}

void CellGrid::paintHeader(QPainter& painter) {
    const PixelRect client{0, 0, clientWidth(), clientHeight()};
    painter.setFont(headerFont_);
    for (const HeaderCell& info : headerCells_) {
        const PixelRect rect = headerCellRect(info);
        if (rect.intersects(client) && rect.intersects(updateRect_))
            drawHeaderCell(painter, rect, info.text, headerFont_, GridBand::Header);
    }
    drawHeaderCell(painter, cornerRect(), QString(), headerFont_, GridBand::Header);
}

void CellGrid::paintFooter(QPainter& painter) {
    const int cw = clientWidth();
    const PixelRect client{0, 0, cw, clientHeight()};
    const int footerBottom = footerTop_ + rowHeight_ + 1;
    for (int c = 0; c < columnCount(); ++c) {
        const PixelRect rect = footerCellRect(c);
        if (rect.intersects(client) && rect.intersects(updateRect_))
            drawHeaderCell(painter, rect, columns_[c].footer_, footerFont_, GridBand::Footer);
    }
    drawHeaderCell(painter, {-1, footerTop_, fixedWidth_, footerBottom}, QString(), footerFont_,
                   GridBand::Footer);
    drawHeaderCell(painter, {-1, footerBottom - 1, std::min(allWidth_, cw), clientHeight()}, QString(),
                   footerFont_, GridBand::Footer);
}

void CellGrid::paintSelectionFrame(QPainter& painter) {
    if (!cellsEnabled_ || currentColumn_ == -1 || currentRow_ == -1)
        return;
    const PixelRect frame = selectionFrameRect();
    const QColor ink = hasFocus() ? QColor(Qt::black) : gridColor_;
    // A 3-pixel pen centred on the outline: columns L - 1 .. L + 1 and R - 2 .. R, the same for rows.
    fillRect(painter, {frame.left - 1, frame.top - 1, frame.right + 1, frame.top + 2}, ink);
    fillRect(painter, {frame.left - 1, frame.bottom - 2, frame.right + 1, frame.bottom + 1}, ink);
    fillRect(painter, {frame.left - 1, frame.top - 1, frame.left + 2, frame.bottom + 1}, ink);
    fillRect(painter, {frame.right - 2, frame.top - 1, frame.right + 1, frame.bottom + 1}, ink);

    drawRectangle(painter, geometry().fillHandleRect(selection_, fillHandlePlace_), Qt::white, ink);

    if (fillSource_.left != -1) {
        const PixelRect source = geometry().rangeRect(fillSource_);
        for (int x = source.left; x < source.right; x += 2) {
            painter.fillRect(x, source.top, 1, 1, Qt::black);
            painter.fillRect(x, source.bottom - 1, 1, 1, Qt::black);
        }
        for (int y = source.top; y < source.bottom; y += 2) {
            painter.fillRect(source.left, y, 1, 1, Qt::black);
            painter.fillRect(source.right - 1, y, 1, 1, Qt::black);
        }
    }
}

void CellGrid::paintCaret(QPainter& painter) {
    if (!caretShown_)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(caretPos_.x(), caretPos_.y(), 1, rowHeight_ - 2, Qt::white);
    painter.restore();
}

// ---- The paint

void CellGrid::paintEvent(QPaintEvent* event) {
    if (updating_)
        return;
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    paintGrid(painter, event->region());
}

void CellGrid::paintGrid(QPainter& painter, const QRegion& region) {
    // Cells outside the update rectangle are not visited at all: what they would draw is clipped anyway.
    updateRect_ = PixelRect::fromQRect(region.boundingRect());
    const int cw = clientWidth();
    const int ch = clientHeight();
    const QRegion client(0, 0, cw, ch);
    if (columnCount() == 0) {
        fillRect(painter, {0, 0, cw, ch}, color_);
        return;
    }
    if (rowCount_ <= 0) {
        paintEmptyAreas(painter);
    } else {
        const GridGeometry geometry = this->geometry();
        const PixelRect frame = geometry.rangeRect(selection_);
        QRegion ring;
        if (cellsEnabled_)
            ring = QRegion(frame.adjusted(-1, -1, 1, 1).toQRect())
                       .subtracted(QRegion(frame.adjusted(2, 2, -2, -2).toQRect()));
        painter.setClipRegion(QRegion(cellBox_.toQRect()).subtracted(ring));

        const PixelRect box{
            std::max(cellBox_.left, updateRect_.left), std::max(cellBox_.top, updateRect_.top),
            std::min(cellBox_.right, updateRect_.right), std::min(cellBox_.bottom, updateRect_.bottom)};
        // Only the cells meeting the update rectangle are painted; merged cells are painted over their block.
        const IndexSpan rows = geometry.rowsMeeting(box.top, box.bottom);
        const IndexSpan columns = geometry.columnsMeeting(box.left, box.right);
        for (int c = columns.first; c <= columns.last; ++c) {
            const CellColumn& col = *columns_.items_[static_cast<size_t>(c)];
            if (!col.visible_)
                continue;
            for (int r = rows.first; r <= rows.last; ++r) {
                const auto ri = static_cast<size_t>(r);
                if (ri < col.cells_.size() && col.cells_[ri].mark == kCoveredCellMark)
                    continue;
                paintBodyCell(painter, geometry, c, r);
            }
        }
        for (const auto& m : mergedCells_)
            paintMergedCell(painter, geometry, *m);

        painter.setClipRegion(client.subtracted(ring));
        paintEmptyAreas(painter);

        painter.setClipRect(cellBox_.toQRect());
        paintSelectionFrame(painter);
        painter.setClipping(false);
    }
    painter.setClipping(false);
    if (gutterContent_ != GutterContent::None)
        paintGutter(painter);
    paintHeader(painter);
    if (showFooter_)
        paintFooter(painter);
    paintCaret(painter);
}

QPoint CellGrid::repaintCell(int column, int row, bool keepEnd) {
    const PixelRect rect = cellRect(column, row);
    if (!rect.intersects(cellBox_))
        return {-1, -1};
    const PixelRect inner = rect.adjusted(4, 2, -4, -2);
    const CellColumn& col = columns_[column];
    const QFontMetrics fm(col.font_);
    const TextPlace p = placeText(fm, inner, cellText(column, row), col.horizontalAlignment_,
                                  col.verticalAlignment_, keepEnd);
    // The paint of the interior alone: the border and the selection frame lie outside it and stay.
    if (viewport()->isVisible()) {
        keepEndColumn_ = keepEnd ? column : -1;
        keepEndRow_ = keepEnd ? row : -1;
        viewport()->repaint(inner.toQRect());
        keepEndColumn_ = keepEndRow_ = -1;
    }
    return caretAfter(p, inner);
}

} // namespace trimerka
