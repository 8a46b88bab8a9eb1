// How the grid reacts to the user: pointer zones and their cursors, presses and drags, the key table,
// typing into a cell, the in-place editor and the clipboard.

#include <algorithm>
#include <exception>
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

namespace trimerka {

namespace {

// The cursor shapes are XPM pictures, which are C arrays: compiled in, they become pixmaps without an image
// reader, which would load every image format plug-in to identify a file.
#include "resources/cursors/cr_cross.xpm"
#include "resources/cursors/cr_down.xpm"
#include "resources/cursors/cr_lefttop.xpm"
#include "resources/cursors/cr_plus.xpm"
#include "resources/cursors/cr_right.xpm"

// The custom cursors by their numbers 101 to 105, with the hot spot where the shape points.
const QCursor& customCursor(int Number) {
    static std::map<int, QCursor> cursors;
    auto it = cursors.find(Number);
    if (it != cursors.end())
        return it->second;
    struct Shape {
        int number;
        const char* const* xpm;
        int hotX;
        int hotY;
    };
    static const Shape shapes[] = {
        {101, cr_plus, 15, 15}, {102, cr_cross, 15, 15}, {103, cr_right, 17, 15},
        {104, cr_down, 15, 17}, {105, cr_lefttop, 1, 1},
    };
    QCursor cursor(Qt::ArrowCursor);
    for (const Shape& s : shapes) {
        if (s.number == Number) {
            const QPixmap pixmap(s.xpm);
            if (!pixmap.isNull())
                cursor = QCursor(pixmap, s.hotX, s.hotY);
        }
    }
    return cursors.emplace(Number, cursor).first->second;
}

QCursor zoneCursor(GridHitTest Zone) {
    switch (Zone) {
    case gtLeftTop:
        return customCursor(105);
    case gtLeft:
        return customCursor(103);
    case gtTop:
        return customCursor(104);
    case gtCell:
        return customCursor(101);
    case gtColSizing:
        return QCursor(Qt::SplitHCursor);
    case gtSmallBox:
        return customCursor(102);
    case gtNone:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}

// A remainder that is never negative, for repeating a block in both directions from its own place.
int positiveMod(int A, int B) {
    const int m = A % B;
    return m < 0 ? m + B : m;
}

bool isSingleCell(const GridRect& R) {
    return R.Left == R.Right && R.Top == R.Bottom;
}

// Sets a flag for the span of an operation (a multi-cell change, a row change passed to the linked grid) and
// clears it however the operation ends, so that an error raised by an event handler cannot leave it set.
class UpdatingScope {
public:
    explicit UpdatingScope(bool& Flag) : FFlag(Flag) { FFlag = true; }
    ~UpdatingScope() { FFlag = false; }
    UpdatingScope(const UpdatingScope&) = delete;
    UpdatingScope& operator=(const UpdatingScope&) = delete;

private:
    bool& FFlag;
};

} // namespace

void CellGrid::InitInput() {
    if (Inplace)
        return;
    viewport()->setMouseTracking(true);
    viewport()->setCursor(customCursor(101));
    FCursorZone = gtCell;
    Inplace = new CellEditor(this);
}

CellEditor* CellGrid::InplaceEditor() {
    if (!Inplace)
        Inplace = new CellEditor(this);
    return static_cast<CellEditor*>(Inplace);
}

template <class Fn> void CellGrid::Guarded(Fn&& Body) {
    try {
        Body();
    } catch (const std::exception& e) {
        ReportError(e.what());
    }
}

// The general error report of the program. No error may leave a handler into Qt's event loop.
void CellGrid::ReportError(const char* What) {
    reportError(FPlatform, window(), QString::fromUtf8(What));
}

// ---- Visible columns

bool CellGrid::ColumnVisible(int ACol) const {
    return ACol >= 0 && ACol < ColCount() && FColumns.FItems[static_cast<size_t>(ACol)]->FVisible;
}

int CellGrid::FirstVisibleColumn() const {
    for (int c = 0; c < ColCount(); ++c)
        if (ColumnVisible(c))
            return c;
    return 0;
}

int CellGrid::LastVisibleColumn() const {
    for (int c = ColCount() - 1; c >= 0; --c)
        if (ColumnVisible(c))
            return c;
    return std::max(ColCount() - 1, 0);
}

int CellGrid::PrevVisibleColumn(int ACol) const {
    for (int c = ACol - 1; c >= 0; --c)
        if (ColumnVisible(c))
            return c;
    return ACol;
}

int CellGrid::NextVisibleColumn(int ACol) const {
    for (int c = ACol + 1; c < ColCount(); ++c)
        if (ColumnVisible(c))
            return c;
    return ACol;
}

// ---- Hit test and positions

GridHitTest CellGrid::GetHitTestInfo(int X, int Y) {
    const int bx = X + FHorzOffset - FixedWidth;
    const int by = Y + FVertOffset - FixedHeight;
    bool onEdge = false;
    SizingCol = -1;
    if (!FAutoColWidth) {
        for (int i = 0; i < ColCount(); ++i) {
            if (std::abs(ColumnLeft(i + 1) - bx) < 2) {
                SizingCol = i;
                onEdge = FColumns.FItems[static_cast<size_t>(i)]->FCanResize;
                break;
            }
        }
    }
    if (SmallBox.Contains(QPoint(X, Y)))
        return gtSmallBox;
    if (onEdge)
        return gtColSizing;
    if (X < FixedWidth && Y < FixedHeight)
        return gtLeftTop;
    if (X < FixedWidth && Y > FixedHeight && by < BodyHeight)
        return gtLeft;
    if (Y < FixedHeight && X > FixedWidth && bx < BodyWidth)
        return gtTop;
    if (X > FixedWidth && Y > FixedHeight && bx < BodyWidth && by < BodyHeight)
        return gtCell;
    return gtNone;
}

int CellGrid::RowAt(int Y) const {
    if (Y < FixedHeight)
        return -1;
    const int r = (Y + FVertOffset - FixedHeight) / FDefRowHeight;
    return r < FRowCount ? r : -1;
}

int CellGrid::ColumnAt(int X) const {
    if (X < FixedWidth)
        return -1;
    const int bx = X + FHorzOffset - FixedWidth;
    int found = -1;
    for (int i = 0; i < ColCount(); ++i)
        if (ColumnLeft(i) < bx)
            found = i;
    return found;
}

QPoint CellGrid::ClampedCellAt(int X, int Y) const {
    const int c = std::clamp(ColumnAt(X), 0, std::max(ColCount() - 1, 0));
    const int r = std::clamp((Y + FVertOffset - FixedHeight) / FDefRowHeight, 0, std::max(FRowCount - 1, 0));
    return {c, r};
}

// ---- Pointer

void CellGrid::PutCurrent(int ACol, int ARow) {
    InvalidateRect(CellRect(FCol, FRow).Adjusted(-3, -3, 3, 3));
    FCol = ACol;
    FRow = ARow;
    InvalidateRect(CellRect(FCol, FRow).Adjusted(-3, -3, 3, 3));
}

void CellGrid::mousePressEvent(QMouseEvent* Event) {
    Guarded([&] { Press(Event); });
    if (OnMouseDown)
        Guarded([&] {
            OnMouseDown(this, Event->button(), Event->modifiers(), Event->position().toPoint().x(),
                        Event->position().toPoint().y());
        });
}

// A second press in quick succession is a press like any other: the second click on a cell opens the editor.
void CellGrid::mouseDoubleClickEvent(QMouseEvent* Event) {
    mousePressEvent(Event);
}

void CellGrid::Press(QMouseEvent* Event) {
    Event->accept();
    if (Event->button() == Qt::LeftButton)
        FLeftPressed = true;
    if (!FEnabled) {
        FInteraction = GridInteraction::Idle;
        return;
    }
    const int X = Event->position().toPoint().x();
    const int Y = Event->position().toPoint().y();
    const bool hasCells = ColCount() > 0 && FRowCount > 0;
    switch (FCursorZone) {
    case gtColSizing:
        FInteraction = GridInteraction::SizingColumn;
        EndEditing();
        SizingColX = ColumnLeft(SizingCol);
        break;
    case gtSmallBox:
        FInteraction = GridInteraction::DraggingFillHandle;
        EndEditing();
        SmallBoxArea = FSelectArea;
        break;
    case gtLeftTop:
        FInteraction = GridInteraction::SelectingAll;
        if (hasCells) {
            PutCurrent(0, 0);
            BuffString.clear();
            EnsureVisible(0, 0);
            FCol2 = ColCount() - 1;
            FRow2 = FRowCount - 1;
            SetSelectArea({0, 0, ColCount() - 1, FRowCount - 1});
            ColRowChanged();
        }
        break;
    case gtLeft: {
        FInteraction = GridInteraction::SelectingRows;
        const int r = RowAt(Y);
        if (r < 0 || ColCount() == 0)
            break;
        PutCurrent(0, r);
        LastHover = FRow;
        BuffString.clear();
        EnsureVisible(FCol, FRow);
        FCol2 = ColCount() - 1;
        FRow2 = FRow;
        SmallBoxPos = 2;
        SetSelectAreaEx({0, FRow, ColCount() - 1, FRow}, true);
        ColRowChanged();
        if (OnGutterClick)
            OnGutterClick(this, FRow, Event->button(), Event->modifiers());
        break;
    }
    case gtTop: {
        FInteraction = GridInteraction::SelectingColumns;
        const int c = ColumnAt(X);
        if (c < 0)
            break;
        if (FRowCount > 0) {
            PutCurrent(c, 0);
            LastHover = FCol;
            BuffString.clear();
            EnsureVisible(FCol, FRow);
            FCol2 = FCol;
            FRow2 = FRowCount - 1;
            SmallBoxPos = 1;
            SetSelectAreaEx({FCol, 0, FCol, FRowCount - 1}, true);
            ColRowChanged();
        }
        if (OnHeaderClick)
            OnHeaderClick(this, c, Event->button(), Event->modifiers());
        break;
    }
    case gtCell: {
        FInteraction = GridInteraction::SelectingCells;
        if (!hasCells)
            break;
        BuffString.clear();
        const QPoint cell = ClampedCellAt(X, Y);
        if (cell.x() == FCol && cell.y() == FRow) {
            EnsureVisible(FCol, FRow);
            if (!FReadOnly && !FColumns[FCol].ReadOnly()) {
                IsEditing = true;
                InplaceEditor()->ShowEdit(FCol, FRow);
            }
            ColRowChanged();
        } else {
            EndEditing();
            EnsureVisible(cell.x(), cell.y());
            PutCurrent(cell.x(), cell.y());
            FCol2 = FCol;
            FRow2 = FRow;
            SetSelectArea({FCol, FRow, FCol, FRow});
            ColRowChanged();
        }
        break;
    }
    case gtNone:
        FInteraction = GridInteraction::PressedOutside;
        break;
    }
    // Qt holds the pointer for the widget that took the press until the release.
    setFocus(Qt::MouseFocusReason);
}

void CellGrid::mouseMoveEvent(QMouseEvent* Event) {
    Event->accept();
    const int X = Event->position().toPoint().x();
    const int Y = Event->position().toPoint().y();
    Guarded([&] {
        if (!FEnabled) {
            viewport()->setCursor(Qt::ArrowCursor);
        } else if (!(Event->buttons() & Qt::LeftButton)) {
            FCursorZone = GetHitTestInfo(X, Y);
            viewport()->setCursor(zoneCursor(FCursorZone));
        } else {
            DragTo(X, Y);
        }
    });
    if (OnMouseMove)
        Guarded([&] { OnMouseMove(this, Event->modifiers(), X, Y); });
}

void CellGrid::DragTo(int X, int Y) {
    const bool hasCells = ColCount() > 0 && FRowCount > 0;
    switch (FInteraction) {
    case GridInteraction::SelectingCells:
        if (hasCells) {
            const QPoint p = ClampedCellAt(X, Y);
            SetSelectArea(
                {std::min(p.x(), FCol), std::min(p.y(), FRow), std::max(p.x(), FCol), std::max(p.y(), FRow)});
            FCol2 = p.x();
            FRow2 = p.y();
            EnsureVisible(p.x(), p.y());
        }
        break;
    case GridInteraction::DraggingFillHandle:
        if (hasCells) {
            const QPoint p = ClampedCellAt(X, Y);
            SetSelectArea({std::min(p.x(), SmallBoxArea.Left), std::min(p.y(), SmallBoxArea.Top),
                           std::max(p.x(), SmallBoxArea.Right), std::max(p.y(), SmallBoxArea.Bottom)});
            FCol2 = p.x();
            FRow2 = p.y();
            EnsureVisible(p.x(), p.y());
        }
        break;
    case GridInteraction::SelectingRows: {
        const int r = RowAt(Y);
        if (r != -1 && r != LastHover && LastHover != -1) {
            LastHover = r;
            FRow2 = r;
            SmallBoxPos = 2;
            SetSelectAreaEx({0, std::min(r, FRow), ColCount() - 1, std::max(r, FRow)}, true);
        }
        break;
    }
    case GridInteraction::SelectingColumns: {
        const int c = ColumnAt(X);
        if (c != -1 && c != LastHover && LastHover != -1) {
            LastHover = c;
            FCol2 = c;
            SmallBoxPos = 1;
            SetSelectAreaEx({std::min(c, FCol), 0, std::max(c, FCol), FRowCount - 1}, true);
        }
        break;
    }
    case GridInteraction::SizingColumn:
        ResizeColumnTo(X);
        break;
    case GridInteraction::Idle:
    case GridInteraction::SelectingAll:
    case GridInteraction::PressedOutside:
        break;
    }
}

void CellGrid::ResizeColumnTo(int X) {
    if (SizingCol < 0 || SizingCol >= ColCount())
        return;
    const int w = std::max(X + FHorzOffset - SizingColX - FixedWidth, 5);
    auto width = [this](int c) -> int& { return FColumns.FItems[static_cast<size_t>(c)]->FWidth; };
    if (!FFitToWidth) {
        width(SizingCol) = w;
    } else {
        if (SizingCol == ColCount() - 1)
            return;
        int visibleTotal = 0;
        for (const auto& c : FColumns.FItems)
            if (c->FVisible)
                visibleTotal += c->FWidth;
        const int s = ClientWidth() + width(SizingCol) + width(SizingCol + 1) - FixedWidth - visibleTotal;
        if (s > 10) {
            width(SizingCol) = w;
            width(SizingCol + 1) = s - w;
        }
        if (width(SizingCol + 1) < 5) {
            width(SizingCol) = s - 5;
            width(SizingCol + 1) = 5;
        }
    }
    RecalcLayout();
    InvalidateRightOf(FixedWidth);
}

void CellGrid::mouseReleaseEvent(QMouseEvent* Event) {
    Event->accept();
    const int X = Event->position().toPoint().x();
    const int Y = Event->position().toPoint().y();
    const GridInteraction finished = FInteraction;
    FInteraction = GridInteraction::Idle;
    Guarded([&] {
        if (finished == GridInteraction::DraggingFillHandle) {
            if (FReadOnly)
                SmallBoxArea = {-1, -1, -1, -1};
            else
                FillFromSmallBox();
            InvalidateBody();
        }
    });
    FCursorZone = GetHitTestInfo(X, Y);
    viewport()->setCursor(zoneCursor(FCursorZone));
    LastHover = -1;
    const bool click = FLeftPressed && Event->button() == Qt::LeftButton && viewport()->rect().contains(X, Y);
    if (Event->button() == Qt::LeftButton)
        FLeftPressed = false;
    if (OnMouseUp)
        Guarded([&] { OnMouseUp(this, Event->button(), Event->modifiers(), X, Y); });
    if (click && OnClick)
        Guarded([&] { OnClick(this); });
}

// The source block (the selection at the press) is repeated over the new selection in both directions from
// its own place, by visible column position and by row.
void CellGrid::FillFromSmallBox() {
    const GridRect source = SmallBoxArea;
    const GridRect target = FSelectArea;
    const int w = source.Right - source.Left + 1;
    const int h = source.Bottom - source.Top + 1;
    {
        UpdatingScope updating(FUpdating);
        if (w > 0 && h > 0 && source.Left >= 0 && source.Top >= 0) {
            std::vector<int> visible;
            for (int c = target.Left; c <= target.Right; ++c)
                if (ColumnVisible(c))
                    visible.push_back(c);
            const auto at = std::find(visible.begin(), visible.end(), source.Left);
            const int p0 = at == visible.end() ? 0 : static_cast<int>(at - visible.begin());
            const int count = static_cast<int>(visible.size());
            for (int p = 0; p < count; ++p) {
                const int from = p0 + positiveMod(p - p0, w);
                if (from >= count)
                    continue; // the source block holds hidden columns
                const int fromCol = visible[static_cast<size_t>(from)];
                for (int u = target.Top; u <= target.Bottom; ++u) {
                    const int fromRow = source.Top + positiveMod(u - source.Top, h);
                    StoreCell(visible[static_cast<size_t>(p)], u, true, CellText(fromCol, fromRow));
                }
            }
        }
        SmallBoxArea = {-1, -1, -1, -1};
        BuffString.clear();
    }
}

// ---- Keys

// The arrows belong to the grid: no shortcut and no focus chain may take them.
bool CellGrid::event(QEvent* Event) {
    // The pointer tracking, the cell cursor and the in-place editor are set up at the grid's first event.
    if (!Inplace)
        InitInput();
    if (Event->type() == QEvent::ShortcutOverride || Event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(Event);
        // Ctrl+A selects the grid's rows even where a window binds the keys to a shortcut.
        if (Event->type() == QEvent::ShortcutOverride && key->matches(QKeySequence::SelectAll)) {
            Event->accept();
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (Event->type() == QEvent::ShortcutOverride) {
                Event->accept();
                return true;
            }
            keyPressEvent(key);
            key->accept();
            return true;
        default:
            break;
        }
    }
    return QAbstractScrollArea::event(Event);
}

void CellGrid::keyPressEvent(QKeyEvent* Event) {
    const Qt::KeyboardModifiers shift = Event->modifiers();
    if (FEnabled && ColCount() > 0 && FRowCount > 0) {
        bool handled = false;
        Guarded([&] { handled = HandleKey(Event->key(), shift); });
        if (handled)
            Event->accept();
        else
            Event->ignore();
        if (OnKeyDown) {
            int key = Event->key();
            Guarded([&] { OnKeyDown(this, key, shift); });
        }
    } else {
        Event->ignore();
    }

    // The character a key produces, as the system delivers it after the key itself: Delete and keys held
    // with Ctrl produce none.
    const QString text = Event->text();
    if (text.isEmpty() || Event->key() == Qt::Key_Delete || (shift & Qt::ControlModifier))
        return;
    for (QChar chr : text) {
        const ushort code = chr.unicode();
        if (code != 8 && code < 32)
            continue;
        if (OnKeyPress)
            Guarded([&] { OnKeyPress(this, chr); });
        if (chr.isNull())
            continue;
        Event->accept();
        Guarded([&] { TypeChar(chr); });
    }
}

void CellGrid::MoveStep(int OldCol, int OldRow) {
    EndEditing();
    InvalidateRect(CellRect(OldCol, OldRow).Adjusted(-3, -3, 3, 3));
    InvalidateRect(CellRect(FCol, FRow).Adjusted(-3, -3, 3, 3));
    const bool updating = FUpdating;
    FUpdating = true;
    BuffString.clear();
    FCol2 = FCol;
    FRow2 = FRow;
    try {
        EnsureVisible(FCol, FRow);
    } catch (...) {
        FUpdating = updating;
        throw;
    }
    FUpdating = updating;
    SetSelectArea({FCol, FRow, FCol, FRow});
    ColRowChanged();
}

void CellGrid::ExtendStep() {
    SetSelectArea(
        {std::min(FCol, FCol2), std::min(FRow, FRow2), std::max(FCol, FCol2), std::max(FRow, FRow2)});
    EnsureVisible(FCol2, FRow2);
}

void CellGrid::StepInsideSelection(int OldCol, int OldRow) {
    EndEditing();
    BuffString.clear();
    EnsureVisible(FCol, FRow);
    InvalidateRect(CellRect(OldCol, OldRow).Adjusted(-3, -3, 3, 3));
    InvalidateBody();
    ColRowChanged();
}

// Every row, as a click on the first row and a Shift+click on the last would select them: the first cell
// is the anchor and the last the moving corner, which the view follows.
void CellGrid::SelectAllRows() {
    EndEditing();
    BuffString.clear();
    PutCurrent(FirstVisibleColumn(), 0);
    FCol2 = LastVisibleColumn();
    FRow2 = FRowCount - 1;
    SetSelectArea({0, 0, ColCount() - 1, FRowCount - 1});
    EnsureVisible(FCol2, FRow2);
    ColRowChanged();
}

// Shift+Enter walks the selection backwards: bottom up, column by column from right to left, wrapping from
// the top left corner to the bottom right one.
void CellGrid::StepBackInSelection() {
    const GridRect& a = FSelectArea;
    if (FCol == a.Left && FRow == a.Top) {
        FCol = a.Right;
        FRow = a.Bottom;
    } else if (FRow == a.Top) {
        int c = FCol - 1;
        while (c > a.Left && !ColumnVisible(c))
            --c;
        FCol = c;
        FRow = a.Bottom;
    } else {
        --FRow;
    }
}

void CellGrid::StepForwardInSelection() {
    const GridRect& a = FSelectArea;
    if (FCol == a.Right && FRow == a.Bottom) {
        FCol = a.Left;
        FRow = a.Top;
    } else if (FRow == a.Bottom) {
        int c = FCol + 1;
        while (c < a.Right && !ColumnVisible(c))
            ++c;
        FCol = c;
        FRow = a.Top;
    } else {
        ++FRow;
    }
}

void CellGrid::EnterKey() {
    const int oldCol = FCol;
    const int oldRow = FRow;
    const QString before = CellText(FCol, FRow);
    QString s = before;
    if (OnCellAssignment)
        OnCellAssignment(this, FCol, FRow, s);
    if (s != before)
        StoreCell(FCol, FRow, true, s);
    const bool fillDown = FAutoFillDown && s.endsWith(QLatin1Char('*'));
    const bool fillRight = !fillDown && FAutoFillRight && s.endsWith(QLatin1Char('>'));
    const bool single = isSingleCell(FSelectArea);
    if (fillDown || fillRight) {
        BuffString.clear();
        EndEditing();
        s.chop(1);
        if (fillDown) {
            const int last = single ? FRowCount - 1 : FSelectArea.Bottom;
            for (int r = FRow; r <= last; ++r)
                SetCellText(FCol, r, s);
        } else {
            const int last = single ? ColCount() - 1 : FSelectArea.Right;
            for (int c = FCol; c <= last; ++c)
                SetCellText(c, FRow, s);
        }
        return;
    }
    if (single) {
        FRow = std::min(FRowCount - 1, FRow + 1);
        MoveStep(oldCol, oldRow);
    } else {
        StepForwardInSelection();
        StepInsideSelection(oldCol, oldRow);
    }
}

bool CellGrid::HandleKey(int Key, Qt::KeyboardModifiers Shift) {
    const int oldCol = FCol;
    const int oldRow = FRow;
    const bool enter = Key == Qt::Key_Return || Key == Qt::Key_Enter;
    if (Shift & Qt::ControlModifier) {
        switch (Key) {
        case Qt::Key_End:
            FCol = LastVisibleColumn();
            FRow = FRowCount - 1;
            MoveStep(oldCol, oldRow);
            return true;
        case Qt::Key_Home:
            FCol = FirstVisibleColumn();
            FRow = 0;
            MoveStep(oldCol, oldRow);
            return true;
        case Qt::Key_Delete:
            if (!FReadOnly && FRowCount >= 2) {
                const int deleted = FRow;
                DeleteRow(deleted);
                if (OnDeleteRow)
                    OnDeleteRow(this, deleted);
                KeyRowDeleted(deleted);
                MoveStep(oldCol, oldRow);
            }
            return true;
        case Qt::Key_A:
            SelectAllRows();
            return true;
        case Qt::Key_C:
            CopyToClipboard();
            return true;
        case Qt::Key_V:
            if (!FReadOnly)
                PasteFromClipboard();
            return true;
        case Qt::Key_X:
            if (!FReadOnly)
                CutToClipboard();
            return true;
        default:
            return false;
        }
    }
    if (Shift & Qt::ShiftModifier) {
        if (enter) {
            if (isSingleCell(FSelectArea)) {
                FRow = std::max(0, FRow - 1);
                MoveStep(oldCol, oldRow);
            } else {
                StepBackInSelection();
                StepInsideSelection(oldCol, oldRow);
            }
            return true;
        }
        switch (Key) {
        case Qt::Key_Left:
            FCol2 = std::max(PrevVisibleColumn(FCol2), FirstVisibleColumn());
            ExtendStep();
            return true;
        case Qt::Key_Right:
            FCol2 = std::min(NextVisibleColumn(FCol2), LastVisibleColumn());
            ExtendStep();
            return true;
        case Qt::Key_Up:
            FRow2 = std::max(0, FRow2 - 1);
            ExtendStep();
            return true;
        case Qt::Key_Down:
            FRow2 = std::min(FRowCount - 1, FRow2 + 1);
            ExtendStep();
            return true;
        default:
            return false;
        }
    }
    if (enter) {
        EnterKey();
        return true;
    }
    switch (Key) {
    case Qt::Key_PageUp:
        FRow = 0;
        break;
    case Qt::Key_PageDown:
        FRow = FRowCount - 1;
        break;
    case Qt::Key_Home:
        FCol = FirstVisibleColumn();
        break;
    case Qt::Key_End:
        FCol = LastVisibleColumn();
        break;
    case Qt::Key_Left:
        FCol = std::max(PrevVisibleColumn(FCol), FirstVisibleColumn());
        break;
    case Qt::Key_Right:
        FCol = std::min(NextVisibleColumn(FCol), LastVisibleColumn());
        break;
    case Qt::Key_Up:
        if (FAutoAddRow && !FReadOnly && FRow == FRowCount - 1 && FRow != 0) {
            bool empty = true;
            for (int c = 0; c < ColCount() && empty; ++c)
                empty = CellText(c, FRow).isEmpty();
            if (empty) {
                const int dropped = FRow;
                EndEditing();
                SetRowCount(FRowCount - 1);
                FRow = FRowCount - 1;
                if (OnDeleteRow)
                    OnDeleteRow(this, dropped);
                KeyRowDeleted(dropped);
            } else {
                --FRow;
            }
        } else {
            FRow = std::max(0, FRow - 1);
        }
        break;
    case Qt::Key_Down:
        if (FAutoAddRow && !FReadOnly && FRow == FRowCount - 1) {
            // The new row starts empty even when texts of an earlier, longer grid are still stored there.
            const int added = AddRow();
            FRow = added;
            if (OnInsertRow)
                OnInsertRow(this, added);
            KeyRowInserted(added);
        } else {
            FRow = std::min(FRowCount - 1, FRow + 1);
        }
        break;
    case Qt::Key_Insert: {
        if (FReadOnly)
            return true;
        if (FRow == -1)
            FRow = 0;
        InsertRow(FRow);
        if (OnInsertRow)
            OnInsertRow(this, FRow);
        KeyRowInserted(FRow);
        break;
    }
    case Qt::Key_Delete:
        if (BuffString.isEmpty() && !FReadOnly) {
            {
                UpdatingScope updating(FUpdating);
                for (int c = FSelectArea.Left; c <= FSelectArea.Right; ++c)
                    for (int r = FSelectArea.Top; r <= FSelectArea.Bottom; ++r)
                        StoreCell(c, r, true, QString());
            }
            InvalidateBody();
        }
        return true;
    default:
        return false;
    }
    MoveStep(oldCol, oldRow);
    return true;
}

void CellGrid::KeyRowInserted(int ARow) {
    if (!Sync)
        return;
    UpdatingScope passing(PassingRowChange);
    if (ARow == Sync->RowCount())
        Sync->AddRow();
    else
        Sync->InsertRow(ARow);
}

void CellGrid::KeyRowDeleted(int ARow) {
    if (!Sync)
        return;
    UpdatingScope passing(PassingRowChange);
    Sync->DeleteRow(ARow);
}

// ---- Typing

void CellGrid::TypeChar(QChar Chr) {
    if (!FEnabled || ColCount() == 0 || FRowCount == 0 || FReadOnly)
        return;
    const ushort code = Chr.unicode();
    if (code == 8) {
        EndEditing();
        BuffString.chop(1);
        ShowBuffer();
        return;
    }
    if (code < 32 || code > 255 || code == 127)
        return;
    bool allowed = true;
    if (OnFilterChar)
        OnFilterChar(this, FCol, FRow, Chr, allowed);
    if (!allowed)
        return;
    EndEditing();
    BuffString += Chr;
    ShowBuffer();
}

void CellGrid::ShowBuffer() {
    StoreCell(FCol, FRow, true, BuffString);
    EnsureVisible(FCol, FRow);
    const QPoint caret = RepaintCell(FCol, FRow, true);
    if (caret.x() >= 0)
        ShowCaretAt(caret);
}

// ---- Clipboard

QString CellGrid::SelectionText(bool ClearCells) {
    QString text;
    for (int r = FSelectArea.Top; r <= FSelectArea.Bottom; ++r) {
        bool first = true;
        for (int c = FSelectArea.Left; c <= FSelectArea.Right; ++c) {
            if (!ColumnVisible(c))
                continue;
            if (!first)
                text += QLatin1Char('\t');
            first = false;
            text += CellText(c, r);
            if (ClearCells)
                StoreCell(c, r, true, QString());
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

void CellGrid::CopyToClipboard() {
    FPlatform.setClipboardText(SelectionText(false));
}

void CellGrid::CutToClipboard() {
    QString text;
    {
        UpdatingScope updating(FUpdating);
        text = SelectionText(true);
        FPlatform.setClipboardText(text);
    }
    InvalidateBody();
}

void CellGrid::PasteFromClipboard() {
    const QString text = FPlatform.clipboardText();
    if (text.isEmpty() || ColCount() == 0 || FRowCount == 0)
        return;
    EndEditing();
    {
        UpdatingScope updating(FUpdating);
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

        if (isSingleCell(FSelectArea)) {
            for (size_t i = 0; i < rows.size(); ++i) {
                const int r = FRow + static_cast<int>(i);
                if (r > FRowCount - 1)
                    break;
                int c = FCol;
                for (const QString& field : rows[i]) {
                    while (c < ColCount() && !ColumnVisible(c))
                        ++c;
                    if (c >= ColCount())
                        break;
                    StoreCell(c, r, true, field);
                    ++c;
                }
            }
        } else {
            const int count = static_cast<int>(rows.size());
            for (int u = FSelectArea.Top; u <= FSelectArea.Bottom; ++u) {
                const QStringList& row = rows[static_cast<size_t>(positiveMod(u - FSelectArea.Top, count))];
                qsizetype k = 0;
                for (int c = FSelectArea.Left; c <= FSelectArea.Right; ++c) {
                    if (!ColumnVisible(c))
                        continue;
                    StoreCell(c, u, true, row[k]);
                    k = (k + 1) % fields;
                }
            }
        }
    }
    InvalidateBody();
}

} // namespace trimerka
