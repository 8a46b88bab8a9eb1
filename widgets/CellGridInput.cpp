// How the grid reacts to the user: pointer zones and their cursors, presses and drags, the key table,
// typing into a cell, the in-place editor and the clipboard.

#include <algorithm>
#include <map>

#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPixmap>

#include "platform/ErrorReport.h"
#include "platform/Platform.h"
#include "widgets/CellEditor.h"
#include "widgets/CellGrid.h"
#include "widgets/ScopedFlag.h"

namespace trimerka {

namespace {

// The cursor shapes are XPM pictures, which are C arrays: compiled in, they become pixmaps without an image
// reader, which would load every image format plug-in to identify a file.
#include "resources/cursors/cr_cross.xpm"
#include "resources/cursors/cr_down.xpm"
#include "resources/cursors/cr_lefttop.xpm"
#include "resources/cursors/cr_plus.xpm"
#include "resources/cursors/cr_right.xpm"

// The grid's own pointer shapes: a plus over cells, a cross over the fill handle, arrows pointing into the
// row and column bands and into the corner.
enum class CursorShape { Plus, Cross, RightArrow, DownArrow, CornerArrow };

// A custom cursor, made once, with the hot spot where the shape points.
const QCursor& customCursor(CursorShape shape) {
    static std::map<CursorShape, QCursor> cursors;
    auto it = cursors.find(shape);
    if (it != cursors.end())
        return it->second;
    struct Picture {
        CursorShape shape;
        const char* const* xpm;
        int hotX;
        int hotY;
    };
    static const Picture pictures[] = {
        {CursorShape::Plus, cr_plus, 15, 15},         {CursorShape::Cross, cr_cross, 15, 15},
        {CursorShape::RightArrow, cr_right, 17, 15},  {CursorShape::DownArrow, cr_down, 15, 17},
        {CursorShape::CornerArrow, cr_lefttop, 1, 1},
    };
    QCursor cursor(Qt::ArrowCursor);
    for (const Picture& p : pictures) {
        if (p.shape == shape) {
            const QPixmap pixmap(p.xpm);
            if (!pixmap.isNull())
                cursor = QCursor(pixmap, p.hotX, p.hotY);
        }
    }
    return cursors.emplace(shape, cursor).first->second;
}

QCursor zoneCursor(GridZone zone) {
    switch (zone) {
    case GridZone::Corner:
        return customCursor(CursorShape::CornerArrow);
    case GridZone::Gutter:
        return customCursor(CursorShape::RightArrow);
    case GridZone::Header:
        return customCursor(CursorShape::DownArrow);
    case GridZone::Cell:
        return customCursor(CursorShape::Plus);
    case GridZone::ColumnEdge:
        return QCursor(Qt::SplitHCursor);
    case GridZone::FillHandle:
        return customCursor(CursorShape::Cross);
    case GridZone::None:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}

// A remainder that is never negative, for repeating a block in both directions from its own place.
int positiveMod(int a, int b) {
    const int m = a % b;
    return m < 0 ? m + b : m;
}

} // namespace

void CellGrid::initInput() {
    if (inputReady_)
        return;
    inputReady_ = true;
    viewport()->setMouseTracking(true);
    viewport()->setCursor(customCursor(CursorShape::Plus));
    cursorHit_ = {GridZone::Cell, -1, -1};
}

// The editor is made the first time a cell is opened, so a read-only grid never makes one.
CellEditor* CellGrid::editor() {
    if (!editor_)
        editor_ = new CellEditor(this);
    return editor_;
}

// ---- Visible columns

bool CellGrid::isColumnVisible(int column) const {
    return column >= 0 && column < columnCount() && columns_.items_[static_cast<size_t>(column)]->visible_;
}

int CellGrid::firstVisibleColumn() const {
    for (int c = 0; c < columnCount(); ++c)
        if (isColumnVisible(c))
            return c;
    return 0;
}

int CellGrid::lastVisibleColumn() const {
    for (int c = columnCount() - 1; c >= 0; --c)
        if (isColumnVisible(c))
            return c;
    return std::max(columnCount() - 1, 0);
}

int CellGrid::previousVisibleColumn(int column) const {
    for (int c = column - 1; c >= 0; --c)
        if (isColumnVisible(c))
            return c;
    return column;
}

int CellGrid::nextVisibleColumn(int column) const {
    for (int c = column + 1; c < columnCount(); ++c)
        if (isColumnVisible(c))
            return c;
    return column;
}

// ---- Pointer

void CellGrid::putCurrent(int column, int row) {
    invalidateRect(cellRect(currentColumn_, currentRow_).adjusted(-3, -3, 3, 3));
    currentColumn_ = column;
    currentRow_ = row;
    invalidateRect(cellRect(currentColumn_, currentRow_).adjusted(-3, -3, 3, 3));
}

void CellGrid::mousePressEvent(QMouseEvent* event) {
    guarded(platform_, window(), [&] { press(event); });
    guarded(platform_, window(),
            [&] { emit mousePressed(event->button(), event->modifiers(), event->position().toPoint()); });
}

// A second press in quick succession is a press like any other: the second click on a cell opens the editor.
void CellGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

// A press acts on the zone whose cursor shows, the one found at the last move.
void CellGrid::press(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    if (!cellsEnabled_) {
        interaction_ = GridInteraction::Idle;
        return;
    }
    const QPoint point = event->position().toPoint();
    switch (cursorHit_.zone) {
    case GridZone::ColumnEdge:
        interaction_ = GridInteraction::SizingColumn;
        endEditing();
        sizingColumn_ = cursorHit_.column;
        sizingColumnLeft_ = columnLeft(sizingColumn_);
        break;
    case GridZone::FillHandle:
        interaction_ = GridInteraction::DraggingFillHandle;
        endEditing();
        fillSource_ = selection_;
        break;
    case GridZone::Corner:
        interaction_ = GridInteraction::SelectingAll;
        pressCorner();
        break;
    case GridZone::Gutter:
        interaction_ = GridInteraction::SelectingRows;
        pressGutter(point.y(), event->button(), event->modifiers());
        break;
    case GridZone::Header:
        interaction_ = GridInteraction::SelectingColumns;
        pressHeader(point.x(), event->button(), event->modifiers());
        break;
    case GridZone::Cell:
        interaction_ = GridInteraction::SelectingCells;
        pressCell(point);
        break;
    case GridZone::None:
        interaction_ = GridInteraction::PressedOutside;
        break;
    }
    // Qt holds the pointer for the widget that took the press until the release.
    setFocus(Qt::MouseFocusReason);
}

bool CellGrid::hasCells() const {
    return columnCount() > 0 && rowCount_ > 0;
}

// The corner selects everything, from the first cell.
void CellGrid::pressCorner() {
    if (!hasCells())
        return;
    putCurrent(0, 0);
    typedText_.clear();
    ensureVisible(0, 0);
    cornerColumn_ = columnCount() - 1;
    cornerRow_ = rowCount_ - 1;
    setSelection({0, 0, columnCount() - 1, rowCount_ - 1});
    reportCurrentCell();
}

// A gutter cell selects its row; dragging on the gutter widens the selection by rows.
void CellGrid::pressGutter(int y, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    const int r = rowAt(y);
    if (r < 0 || columnCount() == 0)
        return;
    putCurrent(0, r);
    lastHover_ = currentRow_;
    typedText_.clear();
    ensureVisible(currentColumn_, currentRow_);
    cornerColumn_ = columnCount() - 1;
    cornerRow_ = currentRow_;
    changeSelection({0, currentRow_, columnCount() - 1, currentRow_}, true, FillHandlePlace::BottomLeft);
    reportCurrentCell();
    emit gutterClicked(currentRow_, button, modifiers);
}

// A header cell selects its column; the click is reported even without rows to select.
void CellGrid::pressHeader(int x, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    const int c = columnAt(x);
    if (c < 0)
        return;
    if (rowCount_ > 0) {
        putCurrent(c, 0);
        lastHover_ = currentColumn_;
        typedText_.clear();
        ensureVisible(currentColumn_, currentRow_);
        cornerColumn_ = currentColumn_;
        cornerRow_ = rowCount_ - 1;
        changeSelection({currentColumn_, 0, currentColumn_, rowCount_ - 1}, true, FillHandlePlace::TopRight);
        reportCurrentCell();
    }
    emit headerClicked(c, button, modifiers);
}

// A press on the current cell opens the editor where the grid allows it; elsewhere it makes that cell
// current.
void CellGrid::pressCell(QPoint point) {
    if (!hasCells())
        return;
    typedText_.clear();
    const QPoint cell = clampedCellAt(point.x(), point.y());
    if (cell.x() == currentColumn_ && cell.y() == currentRow_) {
        ensureVisible(currentColumn_, currentRow_);
        if (!readOnly_ && !columns_[currentColumn_].isReadOnly()) {
            editing_ = true;
            editor()->openOver(currentColumn_, currentRow_);
        }
        reportCurrentCell();
        return;
    }
    endEditing();
    ensureVisible(cell.x(), cell.y());
    putCurrent(cell.x(), cell.y());
    cornerColumn_ = currentColumn_;
    cornerRow_ = currentRow_;
    setSelection({currentColumn_, currentRow_, currentColumn_, currentRow_});
    reportCurrentCell();
}

void CellGrid::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const int x = event->position().toPoint().x();
    const int y = event->position().toPoint().y();
    guarded(platform_, window(), [&] {
        if (!cellsEnabled_) {
            viewport()->setCursor(Qt::ArrowCursor);
        } else if (!(event->buttons() & Qt::LeftButton)) {
            cursorHit_ = hitTest(x, y);
            viewport()->setCursor(zoneCursor(cursorHit_.zone));
        } else {
            dragTo(x, y);
        }
    });
    guarded(platform_, window(), [&] { emit mouseMoved(event->modifiers(), QPoint(x, y)); });
}

void CellGrid::dragTo(int x, int y) {
    switch (interaction_) {
    case GridInteraction::SelectingCells:
        if (hasCells()) {
            const QPoint p = clampedCellAt(x, y);
            setSelection({std::min(p.x(), currentColumn_), std::min(p.y(), currentRow_),
                          std::max(p.x(), currentColumn_), std::max(p.y(), currentRow_)});
            cornerColumn_ = p.x();
            cornerRow_ = p.y();
            ensureVisible(p.x(), p.y());
        }
        break;
    case GridInteraction::DraggingFillHandle:
        if (hasCells()) {
            const QPoint p = clampedCellAt(x, y);
            setSelection({std::min(p.x(), fillSource_.left), std::min(p.y(), fillSource_.top),
                          std::max(p.x(), fillSource_.right), std::max(p.y(), fillSource_.bottom)});
            cornerColumn_ = p.x();
            cornerRow_ = p.y();
            ensureVisible(p.x(), p.y());
        }
        break;
    case GridInteraction::SelectingRows: {
        const int r = rowAt(y);
        if (r != -1 && r != lastHover_ && lastHover_ != -1) {
            lastHover_ = r;
            cornerRow_ = r;
            changeSelection({0, std::min(r, currentRow_), columnCount() - 1, std::max(r, currentRow_)}, true,
                            FillHandlePlace::BottomLeft);
        }
        break;
    }
    case GridInteraction::SelectingColumns: {
        const int c = columnAt(x);
        if (c != -1 && c != lastHover_ && lastHover_ != -1) {
            lastHover_ = c;
            cornerColumn_ = c;
            changeSelection({std::min(c, currentColumn_), 0, std::max(c, currentColumn_), rowCount_ - 1},
                            true, FillHandlePlace::TopRight);
        }
        break;
    }
    case GridInteraction::SizingColumn:
        resizeColumnTo(x);
        break;
    case GridInteraction::Idle:
    case GridInteraction::SelectingAll:
    case GridInteraction::PressedOutside:
        break;
    }
}

void CellGrid::resizeColumnTo(int x) {
    if (sizingColumn_ < 0 || sizingColumn_ >= columnCount())
        return;
    const int w = std::max(x + horizontalOffset_ - sizingColumnLeft_ - fixedWidth_, 5);
    auto width = [this](int c) -> int& { return columns_.items_[static_cast<size_t>(c)]->width_; };
    if (!fitToWidth_) {
        width(sizingColumn_) = w;
    } else {
        if (sizingColumn_ == columnCount() - 1)
            return;
        int visibleTotal = 0;
        for (const auto& c : columns_.items_)
            if (c->visible_)
                visibleTotal += c->width_;
        const int s =
            clientWidth() + width(sizingColumn_) + width(sizingColumn_ + 1) - fixedWidth_ - visibleTotal;
        if (s > 10) {
            width(sizingColumn_) = w;
            width(sizingColumn_ + 1) = s - w;
        }
        if (width(sizingColumn_ + 1) < 5) {
            width(sizingColumn_) = s - 5;
            width(sizingColumn_ + 1) = 5;
        }
    }
    recalculateLayout();
    invalidateRightOf(fixedWidth_);
}

void CellGrid::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const int x = event->position().toPoint().x();
    const int y = event->position().toPoint().y();
    const GridInteraction finished = interaction_;
    interaction_ = GridInteraction::Idle;
    guarded(platform_, window(), [&] {
        if (finished == GridInteraction::DraggingFillHandle) {
            if (readOnly_)
                fillSource_ = {-1, -1, -1, -1};
            else
                fillFromHandle();
            invalidateBody();
        }
    });
    cursorHit_ = hitTest(x, y);
    sizingColumn_ = -1;
    viewport()->setCursor(zoneCursor(cursorHit_.zone));
    lastHover_ = -1;
    const bool click = leftPressed_ && event->button() == Qt::LeftButton && viewport()->rect().contains(x, y);
    if (event->button() == Qt::LeftButton)
        leftPressed_ = false;
    guarded(platform_, window(),
            [&] { emit mouseReleased(event->button(), event->modifiers(), QPoint(x, y)); });
    if (click)
        guarded(platform_, window(), [&] { emit clicked(); });
}

// The source block (the selection at the press) is repeated over the new selection in both directions from
// its own place, by visible column position and by row.
void CellGrid::fillFromHandle() {
    const CellRange source = fillSource_;
    const CellRange target = selection_;
    const int w = source.right - source.left + 1;
    const int h = source.bottom - source.top + 1;
    {
        ScopedFlag updating(updating_);
        if (w > 0 && h > 0 && source.left >= 0 && source.top >= 0) {
            std::vector<int> visible;
            for (int c = target.left; c <= target.right; ++c)
                if (isColumnVisible(c))
                    visible.push_back(c);
            const auto at = std::find(visible.begin(), visible.end(), source.left);
            const int p0 = at == visible.end() ? 0 : static_cast<int>(at - visible.begin());
            const int count = static_cast<int>(visible.size());
            for (int p = 0; p < count; ++p) {
                const int from = p0 + positiveMod(p - p0, w);
                if (from >= count)
                    continue; // the source block holds hidden columns
                const int fromCol = visible[static_cast<size_t>(from)];
                for (int u = target.top; u <= target.bottom; ++u) {
                    const int fromRow = source.top + positiveMod(u - source.top, h);
                    storeCell(visible[static_cast<size_t>(p)], u, true, cellText(fromCol, fromRow));
                }
            }
        }
        fillSource_ = {-1, -1, -1, -1};
        typedText_.clear();
    }
}

// ---- Keys

// The arrows belong to the grid: no shortcut and no focus chain may take them.
bool CellGrid::event(QEvent* event) {
    // The pointer tracking and the cell cursor are set up at the grid's first event.
    if (!inputReady_)
        initInput();
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+A selects the grid's rows even where a window binds the keys to a shortcut.
        if (event->type() == QEvent::ShortcutOverride && key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            keyPressEvent(key);
            key->accept();
            return true;
        default:
            break;
        }
    }
    return QAbstractScrollArea::event(event);
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers shift = event->modifiers();
    if (cellsEnabled_ && columnCount() > 0 && rowCount_ > 0) {
        bool handled = false;
        guarded(platform_, window(), [&] { handled = handleKey(event->key(), shift); });
        if (handled)
            event->accept();
        else
            event->ignore();
        guarded(platform_, window(), [&] { emit keyPressed(event->key(), shift); });
    } else {
        event->ignore();
    }

    // The character a key produces, as the system delivers it after the key itself: Delete and keys held
    // with Ctrl produce none.
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Delete || (shift & Qt::ControlModifier))
        return;
    for (QChar chr : text) {
        const ushort code = chr.unicode();
        if (code != 8 && code < 32)
            continue;
        guarded(platform_, window(), [&] { chr = owner().typedCharacter(*this, chr); });
        if (chr.isNull())
            continue;
        event->accept();
        guarded(platform_, window(), [&] { typeChar(chr); });
    }
}

void CellGrid::moveStep(int oldColumn, int oldRow) {
    endEditing();
    invalidateRect(cellRect(oldColumn, oldRow).adjusted(-3, -3, 3, 3));
    invalidateRect(cellRect(currentColumn_, currentRow_).adjusted(-3, -3, 3, 3));
    typedText_.clear();
    cornerColumn_ = currentColumn_;
    cornerRow_ = currentRow_;
    {
        ScopedFlag updating(updating_);
        ensureVisible(currentColumn_, currentRow_);
    }
    setSelection({currentColumn_, currentRow_, currentColumn_, currentRow_});
    reportCurrentCell();
}

void CellGrid::extendStep() {
    setSelection({std::min(currentColumn_, cornerColumn_), std::min(currentRow_, cornerRow_),
                  std::max(currentColumn_, cornerColumn_), std::max(currentRow_, cornerRow_)});
    ensureVisible(cornerColumn_, cornerRow_);
}

void CellGrid::stepInsideSelection(int oldColumn, int oldRow) {
    endEditing();
    typedText_.clear();
    ensureVisible(currentColumn_, currentRow_);
    invalidateRect(cellRect(oldColumn, oldRow).adjusted(-3, -3, 3, 3));
    invalidateBody();
    reportCurrentCell();
}

// Every row, as a click on the first row and a Shift+click on the last would select them: the first cell
// is the anchor and the last the moving corner, which the view follows.
void CellGrid::selectAllRows() {
    endEditing();
    typedText_.clear();
    putCurrent(firstVisibleColumn(), 0);
    cornerColumn_ = lastVisibleColumn();
    cornerRow_ = rowCount_ - 1;
    setSelection({0, 0, columnCount() - 1, rowCount_ - 1});
    ensureVisible(cornerColumn_, cornerRow_);
    reportCurrentCell();
}

// Shift+Enter walks the selection backwards: bottom up, column by column from right to left, wrapping from
// the top left corner to the bottom right one.
void CellGrid::stepBackInSelection() {
    const CellRange& a = selection_;
    if (currentColumn_ == a.left && currentRow_ == a.top) {
        currentColumn_ = a.right;
        currentRow_ = a.bottom;
    } else if (currentRow_ == a.top) {
        int c = currentColumn_ - 1;
        while (c > a.left && !isColumnVisible(c))
            --c;
        currentColumn_ = c;
        currentRow_ = a.bottom;
    } else {
        --currentRow_;
    }
}

void CellGrid::stepForwardInSelection() {
    const CellRange& a = selection_;
    if (currentColumn_ == a.right && currentRow_ == a.bottom) {
        currentColumn_ = a.left;
        currentRow_ = a.top;
    } else if (currentRow_ == a.bottom) {
        int c = currentColumn_ + 1;
        while (c < a.right && !isColumnVisible(c))
            ++c;
        currentColumn_ = c;
        currentRow_ = a.top;
    } else {
        ++currentRow_;
    }
}

void CellGrid::enterKey() {
    const int oldCol = currentColumn_;
    const int oldRow = currentRow_;
    const QString before = cellText(currentColumn_, currentRow_);
    QString s = owner().enteredCellText(*this, currentColumn_, currentRow_, before);
    if (s != before)
        storeCell(currentColumn_, currentRow_, true, s);
    const bool fillDown = autoFillDown_ && s.endsWith(QLatin1Char('*'));
    const bool fillRight = !fillDown && autoFillRight_ && s.endsWith(QLatin1Char('>'));
    const bool single = selection_.isSingleCell();
    if (fillDown || fillRight) {
        typedText_.clear();
        endEditing();
        s.chop(1);
        if (fillDown) {
            const int last = single ? rowCount_ - 1 : selection_.bottom;
            for (int r = currentRow_; r <= last; ++r)
                setCellText(currentColumn_, r, s);
        } else {
            const int last = single ? columnCount() - 1 : selection_.right;
            for (int c = currentColumn_; c <= last; ++c)
                setCellText(c, currentRow_, s);
        }
        return;
    }
    if (single) {
        currentRow_ = std::min(rowCount_ - 1, currentRow_ + 1);
        moveStep(oldCol, oldRow);
    } else {
        stepForwardInSelection();
        stepInsideSelection(oldCol, oldRow);
    }
}

namespace {

// The modifier a key binding names: Ctrl wins over Shift, and the others (Alt, the keypad) do not count.
Qt::KeyboardModifier bindingModifier(Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ControlModifier)
        return Qt::ControlModifier;
    if (modifiers & Qt::ShiftModifier)
        return Qt::ShiftModifier;
    return Qt::NoModifier;
}

} // namespace

bool CellGrid::handleKey(int key, Qt::KeyboardModifiers modifiers) {
    struct Binding {
        int key;
        Qt::KeyboardModifier modifier;
        void (CellGrid::*action)();
    };
    // Keys that move the current cell, the selection's moving corner or the whole selection. Enter commits
    // the cell's text (the delegate has the last word on it) before it steps on.
    static const Binding navigation[] = {
        {Qt::Key_Left, Qt::NoModifier, &CellGrid::goLeft},
        {Qt::Key_Right, Qt::NoModifier, &CellGrid::goRight},
        {Qt::Key_Up, Qt::NoModifier, &CellGrid::goUp},
        {Qt::Key_Down, Qt::NoModifier, &CellGrid::goDown},
        {Qt::Key_Home, Qt::NoModifier, &CellGrid::goToFirstColumn},
        {Qt::Key_End, Qt::NoModifier, &CellGrid::goToLastColumn},
        {Qt::Key_PageUp, Qt::NoModifier, &CellGrid::goToFirstRow},
        {Qt::Key_PageDown, Qt::NoModifier, &CellGrid::goToLastRow},
        {Qt::Key_Home, Qt::ControlModifier, &CellGrid::goToFirstCell},
        {Qt::Key_End, Qt::ControlModifier, &CellGrid::goToLastCell},
        {Qt::Key_Left, Qt::ShiftModifier, &CellGrid::extendLeft},
        {Qt::Key_Right, Qt::ShiftModifier, &CellGrid::extendRight},
        {Qt::Key_Up, Qt::ShiftModifier, &CellGrid::extendUp},
        {Qt::Key_Down, Qt::ShiftModifier, &CellGrid::extendDown},
        {Qt::Key_A, Qt::ControlModifier, &CellGrid::selectAllRows},
        {Qt::Key_Return, Qt::NoModifier, &CellGrid::enterKey},
        {Qt::Key_Enter, Qt::NoModifier, &CellGrid::enterKey},
        {Qt::Key_Return, Qt::ShiftModifier, &CellGrid::stepBack},
        {Qt::Key_Enter, Qt::ShiftModifier, &CellGrid::stepBack},
        {Qt::Key_C, Qt::ControlModifier, &CellGrid::copy},
    };
    // Keys that change cells or rows: a read-only grid takes them and does nothing.
    static const Binding editing[] = {
        {Qt::Key_V, Qt::ControlModifier, &CellGrid::paste},
        {Qt::Key_X, Qt::ControlModifier, &CellGrid::cut},
        {Qt::Key_Insert, Qt::NoModifier, &CellGrid::insertRowByKey},
        {Qt::Key_Delete, Qt::ControlModifier, &CellGrid::removeRowByKey},
        {Qt::Key_Delete, Qt::NoModifier, &CellGrid::clearSelectedCells},
    };
    const Qt::KeyboardModifier modifier = bindingModifier(modifiers);
    auto bound = [&](const Binding& b) { return b.key == key && b.modifier == modifier; };
    for (const Binding& b : navigation) {
        if (bound(b)) {
            (this->*b.action)();
            return true;
        }
    }
    for (const Binding& b : editing) {
        if (bound(b)) {
            if (!readOnly_)
                (this->*b.action)();
            return true;
        }
    }
    return false;
}

void CellGrid::goTo(int column, int row) {
    const int oldColumn = currentColumn_;
    const int oldRow = currentRow_;
    currentColumn_ = column;
    currentRow_ = row;
    moveStep(oldColumn, oldRow);
}

void CellGrid::goLeft() {
    goTo(std::max(previousVisibleColumn(currentColumn_), firstVisibleColumn()), currentRow_);
}

void CellGrid::goRight() {
    goTo(std::min(nextVisibleColumn(currentColumn_), lastVisibleColumn()), currentRow_);
}

void CellGrid::goToFirstColumn() {
    goTo(firstVisibleColumn(), currentRow_);
}

void CellGrid::goToLastColumn() {
    goTo(lastVisibleColumn(), currentRow_);
}

void CellGrid::goToFirstRow() {
    goTo(currentColumn_, 0);
}

void CellGrid::goToLastRow() {
    goTo(currentColumn_, rowCount_ - 1);
}

void CellGrid::goToFirstCell() {
    goTo(firstVisibleColumn(), 0);
}

void CellGrid::goToLastCell() {
    goTo(lastVisibleColumn(), rowCount_ - 1);
}

// With rows added by the keys, Up from an empty last row takes that row away again.
void CellGrid::goUp() {
    const int oldColumn = currentColumn_;
    const int oldRow = currentRow_;
    const bool last = currentRow_ == rowCount_ - 1 && currentRow_ != 0;
    if (autoAddRow_ && !readOnly_ && last && rowIsEmpty(currentRow_)) {
        const int dropped = currentRow_;
        endEditing();
        setRowCount(rowCount_ - 1);
        currentRow_ = rowCount_ - 1;
        emit rowRemoved(dropped);
        passRowRemoval(dropped);
    } else {
        currentRow_ = std::max(0, currentRow_ - 1);
    }
    moveStep(oldColumn, oldRow);
}

// With rows added by the keys, Down from the last row adds an empty row.
void CellGrid::goDown() {
    const int oldColumn = currentColumn_;
    const int oldRow = currentRow_;
    if (autoAddRow_ && !readOnly_ && currentRow_ == rowCount_ - 1) {
        // The new row starts empty even when texts of an earlier, longer grid are still stored there.
        const int added = addRow();
        currentRow_ = added;
        emit rowInserted(added);
        passRowInsertion(added);
    } else {
        currentRow_ = std::min(rowCount_ - 1, currentRow_ + 1);
    }
    moveStep(oldColumn, oldRow);
}

bool CellGrid::rowIsEmpty(int row) const {
    for (int c = 0; c < columnCount(); ++c)
        if (!cellText(c, row).isEmpty())
            return false;
    return true;
}

void CellGrid::extendLeft() {
    cornerColumn_ = std::max(previousVisibleColumn(cornerColumn_), firstVisibleColumn());
    extendStep();
}

void CellGrid::extendRight() {
    cornerColumn_ = std::min(nextVisibleColumn(cornerColumn_), lastVisibleColumn());
    extendStep();
}

void CellGrid::extendUp() {
    cornerRow_ = std::max(0, cornerRow_ - 1);
    extendStep();
}

void CellGrid::extendDown() {
    cornerRow_ = std::min(rowCount_ - 1, cornerRow_ + 1);
    extendStep();
}

void CellGrid::stepBack() {
    const int oldColumn = currentColumn_;
    const int oldRow = currentRow_;
    if (selection_.isSingleCell()) {
        currentRow_ = std::max(0, currentRow_ - 1);
        moveStep(oldColumn, oldRow);
    } else {
        stepBackInSelection();
        stepInsideSelection(oldColumn, oldRow);
    }
}

void CellGrid::insertRowByKey() {
    const int oldColumn = currentColumn_;
    const int oldRow = currentRow_;
    if (currentRow_ == -1)
        currentRow_ = 0;
    insertRow(currentRow_);
    emit rowInserted(currentRow_);
    passRowInsertion(currentRow_);
    moveStep(oldColumn, oldRow);
}

// The last row stays: Ctrl+Delete removes the current row only while there are two or more.
void CellGrid::removeRowByKey() {
    if (rowCount_ < 2)
        return;
    const int oldColumn = currentColumn_;
    const int oldRow = currentRow_;
    const int removed = currentRow_;
    removeRow(removed);
    emit rowRemoved(removed);
    passRowRemoval(removed);
    moveStep(oldColumn, oldRow);
}

// Delete empties the selected cells, unless it is taking back a typed character.
void CellGrid::clearSelectedCells() {
    if (!typedText_.isEmpty())
        return;
    {
        ScopedFlag updating(updating_);
        for (int c = selection_.left; c <= selection_.right; ++c)
            for (int r = selection_.top; r <= selection_.bottom; ++r)
                storeCell(c, r, true, QString());
    }
    invalidateBody();
}

void CellGrid::passRowInsertion(int row) {
    if (!linkedGrid_)
        return;
    ScopedFlag passing(passingRowChange_);
    if (row == linkedGrid_->rowCount())
        linkedGrid_->addRow();
    else
        linkedGrid_->insertRow(row);
}

void CellGrid::passRowRemoval(int row) {
    if (!linkedGrid_)
        return;
    ScopedFlag passing(passingRowChange_);
    linkedGrid_->removeRow(row);
}

// ---- Typing

void CellGrid::typeChar(QChar chr) {
    if (!cellsEnabled_ || columnCount() == 0 || rowCount_ == 0 || readOnly_)
        return;
    const ushort code = chr.unicode();
    if (code == 8) {
        endEditing();
        typedText_.chop(1);
        showTypedText();
        return;
    }
    if (code < 32 || code > 255 || code == 127)
        return;
    if (!owner().acceptsCharacter(*this, currentColumn_, currentRow_, chr))
        return;
    endEditing();
    typedText_ += chr;
    showTypedText();
}

void CellGrid::showTypedText() {
    storeCell(currentColumn_, currentRow_, true, typedText_);
    ensureVisible(currentColumn_, currentRow_);
    const QPoint caret = repaintCell(currentColumn_, currentRow_, true);
    if (caret.x() >= 0)
        showCaretAt(caret);
}

// ---- Clipboard

QString CellGrid::selectionText(bool clearCells) {
    QString text;
    for (int r = selection_.top; r <= selection_.bottom; ++r) {
        bool first = true;
        for (int c = selection_.left; c <= selection_.right; ++c) {
            if (!isColumnVisible(c))
                continue;
            if (!first)
                text += QLatin1Char('\t');
            first = false;
            text += cellText(c, r);
            if (clearCells)
                storeCell(c, r, true, QString());
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

void CellGrid::copy() {
    platform_.setClipboardText(selectionText(false));
}

void CellGrid::cut() {
    QString text;
    {
        ScopedFlag updating(updating_);
        text = selectionText(true);
        platform_.setClipboardText(text);
    }
    invalidateBody();
}

void CellGrid::paste() {
    const QString text = platform_.clipboardText();
    if (text.isEmpty() || columnCount() == 0 || rowCount_ == 0)
        return;
    endEditing();
    {
        ScopedFlag updating(updating_);
        // Lines end with CR LF; a lone CR or LF is taken as a line end too. A final break adds no line.
        QString normal = text;
        normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QStringList lines = normal.split(QLatin1Char('\n'));
        if (lines.size() > 1 && lines.back().isEmpty())
            lines.removeLast();
        std::vector<QStringList> rows;
        qsizetype fields = 1;
        for (const QString& line : lines) {
            rows.push_back(line.split(QLatin1Char('\t')));
            fields = std::max(fields, rows.back().size());
        }
        for (QStringList& row : rows)
            while (row.size() < fields)
                row << QString();

        if (selection_.isSingleCell()) {
            for (size_t i = 0; i < rows.size(); ++i) {
                const int r = currentRow_ + static_cast<int>(i);
                if (r > rowCount_ - 1)
                    break;
                int c = currentColumn_;
                for (const QString& field : rows[i]) {
                    while (c < columnCount() && !isColumnVisible(c))
                        ++c;
                    if (c >= columnCount())
                        break;
                    storeCell(c, r, true, field);
                    ++c;
                }
            }
        } else {
            const int count = static_cast<int>(rows.size());
            for (int u = selection_.top; u <= selection_.bottom; ++u) {
                const QStringList& row = rows[static_cast<size_t>(positiveMod(u - selection_.top, count))];
                qsizetype k = 0;
                for (int c = selection_.left; c <= selection_.right; ++c) {
                    if (!isColumnVisible(c))
                        continue;
                    storeCell(c, u, true, row[k]);
                    k = (k + 1) % fields;
                }
            }
        }
    }
    invalidateBody();
}

} // namespace trimerka
