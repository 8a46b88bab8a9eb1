#pragma once
// Properties keep their Delphi-style names: the getter is Name() and the setter SetName(value).

#include <functional>
#include <memory>
#include <vector>

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include "widgets/CellGridHeader.h"

class QPainter;
class QRegion;

namespace trimerka {

class CellGrid;
class CellEditor;
class Platform;

enum HorizontalAlignment { haLeft, haCenter, haRight };
enum VerticalAlignment { vaTop, vaCenter, vaBottom };
enum GutterContent { gkNone, gkBlank, gkPointer, gkNumber, gkString };
enum GridHitTest { gtNone, gtLeftTop, gtLeft, gtTop, gtCell, gtColSizing, gtSmallBox };

// One body cell merged over a block of cells (Rc inclusive: columns Left..Right, rows Top..Bottom).
struct MergedCell {
    QString Caption;
    GridRect Rc;
    QColor Color;
    QFont Font;
    HorizontalAlignment HorzAlign = haCenter;
    VerticalAlignment VertAlign = vaCenter;
};

// One stored cell of a column: its text and the integer mark (-2 marks a cell covered by a merged cell).
struct CellEntry {
    QString Text;
    int Mark = 0;
    friend bool operator==(const CellEntry&, const CellEntry&) = default;
};
using CellStrings = std::vector<CellEntry>;

class CellColumn {
public:
    explicit CellColumn(CellGrid* Grid);

    CellGrid* Grid() const { return FGrid; }
    int Index() const;
    // The name design tools show: the title, or "Column N" when it is empty.
    QString DisplayName() const;
    // Copies every field but the grid, then reports a change of this column.
    void Assign(const CellColumn& Source);

    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Value);
    const QString& Footer() const { return FFooter; }
    void SetFooter(const QString& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    const QFont& Font() const { return FFont; }
    void SetFont(const QFont& Value);
    const QColor& Color() const { return FColor; }
    void SetColor(const QColor& Value);
    HorizontalAlignment HorzAlign() const { return FHorzAlign; }
    void SetHorzAlign(HorizontalAlignment Value);
    VerticalAlignment VertAlign() const { return FVertAlign; }
    void SetVertAlign(VerticalAlignment Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    int Tag2() const { return FTag2; }
    void SetTag2(int Value) { FTag2 = Value; }
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    const CellStrings& Strings() const { return FStrings; }
    void SetStrings(const CellStrings& Value);
    bool CanResize() const { return FCanResize; }
    void SetCanResize(bool Value) { FCanResize = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }

private:
    friend class CellGrid;
    friend class CellColumns;
    void AllColumnsChanged();
    void ThisColumnChanged();

    CellGrid* FGrid;
    QString FTitle;
    QString FFooter;
    int FWidth;
    QFont FFont;
    QColor FColor;
    HorizontalAlignment FHorzAlign = haLeft;
    VerticalAlignment FVertAlign = vaCenter;
    bool FVisible = true;
    int FTag = 0;
    int FTag2 = 0;
    QString FHint;
    CellStrings FStrings;
    bool FCanResize = true;
    bool FReadOnly = false;
};

// The grid's columns in index order. Adding, removing or assigning columns is an all-columns change.
class CellColumns {
public:
    explicit CellColumns(CellGrid* Grid) : FGrid(Grid) {}
    CellColumns(const CellColumns&) = delete;
    CellColumns& operator=(const CellColumns&) = delete;

    CellGrid* Grid() const { return FGrid; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // Checked access: an index outside the collection raises "Cell Index out of bound.".
    CellColumn& operator[](int Index);
    const CellColumn& operator[](int Index) const;
    CellColumn& Add();
    // Places Item (a new column when null) at Index, or last when Index is negative.
    CellColumn& AddItem(std::unique_ptr<CellColumn> Item, int Index);
    CellColumn& Insert(int Index) { return AddItem(nullptr, Index); }
    void Delete(int Index);
    void Clear();
    // Makes this collection a column-by-column copy of Source.
    void Assign(const CellColumns& Source);
    int IndexOf(const CellColumn* Column) const;

private:
    friend class CellGrid;
    CellGrid* FGrid;
    std::vector<std::unique_ptr<CellColumn>> FItems;
};

// The grid's events. Parameters passed by reference are in-out (Handled, CanChange, Allowed, Str, Key).
using DrawCellHandler =
    std::function<void(CellGrid* Sender, QPainter& ACanvas, int X, int Y, const GridRect& Rc, bool& Handled)>;
using DrawHeaderHandler = std::function<void(CellGrid* Sender, QPainter& ACanvas, const GridRect& Rc,
                                             const QString& Str, bool& Handled)>;
// The sender is the grid, or its in-place editor when the character is typed there.
using FilterCharHandler = std::function<void(QWidget* Sender, int Col, int Row, QChar Chr, bool& Allowed)>;
using HeaderClickHandler =
    std::function<void(CellGrid* Sender, int Col, Qt::MouseButton Button, Qt::KeyboardModifiers Shift)>;
using GutterClickHandler =
    std::function<void(CellGrid* Sender, int Row, Qt::MouseButton Button, Qt::KeyboardModifiers Shift)>;
using CellChangingHandler = std::function<void(CellGrid* Sender, int Col, int Row, bool& CanChange)>;
using CellChangeHandler = std::function<void(CellGrid* Sender, int Col, int Row, QString& Str)>;
using CellAssignmentHandler = std::function<void(CellGrid* Sender, int Col, int Row, QString& Str)>;
using ColRowChangedHandler = std::function<void(CellGrid* Sender, int Col, int Row)>;
using RowHandler = std::function<void(CellGrid* Sender, int ARow)>;
// The ordinary notifications of a window.
using NotifyHandler = std::function<void(CellGrid* Sender)>;
using KeyHandler = std::function<void(CellGrid* Sender, int& Key, Qt::KeyboardModifiers Shift)>;
using KeyPressHandler = std::function<void(CellGrid* Sender, QChar& Key)>;
using MouseHandler =
    std::function<void(CellGrid* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;
using MouseMoveHandler = std::function<void(CellGrid* Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;

// The self-drawn table: a header band of merged title cells, a gutter band, an optional footer line and a
// body of text cells stored column by column. The viewport is the client area; all client coordinates are
// viewport coordinates. The clipboard and the general error report are the program's platform services, which
// the grid is given when it is made.
class CellGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CellGrid(Platform& APlatform, QWidget* Parent = nullptr);
    ~CellGrid() override;

    // Counts and sizes.
    int ColCount() const { return FColumns.Count(); }
    void SetColCount(int Value);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int Value);
    int DefRowHeight() const { return FDefRowHeight; }
    void SetDefRowHeight(int Value);
    int DefColWidth() const { return FDefColWidth; }
    void SetDefColWidth(int Value);
    int HeaderLine() const { return FHeaderLine; }
    void SetHeaderLine(int Value);

    // Bands.
    GutterContent GutterKind() const { return FGutterKind; }
    void SetGutterKind(GutterContent Value);
    int GutterWidth() const { return FGutterWidth; }
    void SetGutterWidth(int Value);
    const QStringList& GutterStrings() const { return FGutterStrings; }
    void SetGutterStrings(const QStringList& Value);
    bool ShowFooter() const { return FShowFooter; }
    void SetShowFooter(bool Value);

    // Look.
    QColor Color() const { return FColor; }
    void SetColor(const QColor& Value);
    QColor AlternateColor() const { return FAlternateColor; }
    void SetAlternateColor(const QColor& Value);
    QColor GridColor() const { return FGridColor; }
    void SetGridColor(const QColor& Value);
    QColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(const QColor& Value);
    bool ShowGrid() const { return FShowGrid; }
    void SetShowGrid(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    QColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(const QColor& Value);
    QColor HeaderLightColor() const { return FHeaderLightColor; }
    void SetHeaderLightColor(const QColor& Value);
    QColor HeaderDarkColor() const { return FHeaderDarkColor; }
    void SetHeaderDarkColor(const QColor& Value);
    const QFont& HeaderFont() const { return FHeaderFont; }
    void SetHeaderFont(const QFont& Value);
    const QFont& GutterFont() const { return FGutterFont; }
    void SetGutterFont(const QFont& Value);
    const QFont& FooterFont() const { return FFooterFont; }
    void SetFooterFont(const QFont& Value);
    // The grid's own font (QWidget::font()); every column's font follows a change of it.
    QFont Font() const { return font(); }
    void SetFont(const QFont& Value) { setFont(Value); }

    // Behaviour.
    bool AutoColWidth() const { return FAutoColWidth; }
    void SetAutoColWidth(bool Value);
    bool FitToWidth() const { return FFitToWidth; }
    void SetFitToWidth(bool Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool AutoAddRow() const { return FAutoAddRow; }
    void SetAutoAddRow(bool Value) { FAutoAddRow = Value; }
    bool AutoFillDown() const { return FAutoFillDown; }
    void SetAutoFillDown(bool Value) { FAutoFillDown = Value; }
    bool AutoFillRight() const { return FAutoFillRight; }
    void SetAutoFillRight(bool Value) { FAutoFillRight = Value; }
    // The grid's own flag, apart from QWidget::isEnabled(): off, it ignores input and paints greyed.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);

    CellColumns& Columns() { return FColumns; }
    const CellColumns& Columns() const { return FColumns; }
    void SetColumns(const CellColumns& Value) { FColumns.Assign(Value); }

    // Cells. Reading and writing check the indexes and raise "Cell Index out of bound.".
    QString CellText(int ACol, int ARow) const;
    void SetCellText(int ACol, int ARow, const QString& Value) { StoreCell(ACol, ARow, false, Value); }
    int CellMark(int ACol, int ARow) const;
    void SetCellMark(int ACol, int ARow, int Value);
    // The one path by which a cell's text changes; ByUser fires OnCellChanging/OnCellChange and honours the
    // column's ReadOnly.
    void StoreCell(int ACol, int ARow, bool ByUser, const QString& Value);

    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return FUpdating; }
    void Clear();
    int AddRow();
    void InsertRow(int ARow);
    void DeleteRow(int ARow);

    int HeaderCellsCount() const { return static_cast<int>(FHeaderInfos.size()); }
    HeaderInfo HeaderCells(int I) const;
    MergedCell& MergeCells(int X1, int Y1, int X2, int Y2, const QString& ACaption);
    void ClearMergeCells();
    const std::vector<std::unique_ptr<MergedCell>>& MergedCells() const { return Mergeds; }

    // Current cell, selection and scroll offsets. The setters do not check their values.
    int Col() const { return FCol; }
    void SetCol(int Value);
    int Row() const { return FRow; }
    void SetRow(int Value);
    const GridRect& SelectArea() const { return FSelectArea; }
    void SetSelectArea(const GridRect& Value) { SetSelectAreaEx(Value, false); }
    int HorzOffset() const { return FHorzOffset; }
    void SetHorzOffset(int Value);
    int VertOffset() const { return FVertOffset; }
    void SetVertOffset(int Value);
    void EnsureVisible(int X, int Y);

    // Geometry, in client (viewport) coordinates unless named otherwise; valid after the last layout pass.
    int ColumnLeft(int N) const;
    GridRect CellRect(int ACol, int ARow) const;
    GridRect HeaderCellRect(const HeaderInfo& Info) const;
    GridRect CornerRect() const { return {-1, -1, FixedWidth, FixedHeight}; }
    GridRect GutterCellRect(int ARow) const;
    GridRect MergedCellRect(const MergedCell& Cell) const;
    GridRect FooterCellRect(int ACol) const;
    // The rows whose cells can meet CellBox, from VertOffset; Last < First when there are none.
    int FirstVisibleRow() const;
    int LastVisibleRow() const;
    // The rows whose client rectangles meet the band of client rows Top .. Bottom - 1, limited to the grid.
    void RowsMeeting(int Top, int Bottom, int& First, int& Last) const;
    QColor CellColor(int ACol, int ARow) const;
    QString GutterText(int ARow) const;
    // The client rectangle of the selection frame (from CellRect of SelectArea's corners).
    GridRect FrameRect() const;

    // Layout values of the last layout pass.
    int GetFixedWidth() const { return FixedWidth; }
    int GetFixedHeight() const { return FixedHeight; }
    int GetBodyWidth() const { return BodyWidth; }
    int GetBodyHeight() const { return BodyHeight; }
    int GetAllWidth() const { return AllWidth; }
    int GetAllHeight() const { return AllHeight; }
    int GetFooterTop() const { return FooterTop; }
    const GridRect& GetCellBox() const { return CellBox; }
    int MaxHScroll() const { return FMaxHScroll; }
    int MaxVScroll() const { return FMaxVScroll; }
    const GridRect& GetSmallBox() const { return SmallBox; }

    // The header build: "|" splits a title into header lines; equal texts merge right and down.
    void BuildHeader();
    void RecalcLayout();

    // Immediate repaint of one cell's interior; returns the point after its text, (-1, -1) when skipped.
    QPoint RepaintCell(int ACol, int ARow, bool KeepEnd = false);

    // Events.
    DrawCellHandler OnDrawCell;
    DrawHeaderHandler OnDrawHeader;
    DrawHeaderHandler OnDrawGutter;
    DrawHeaderHandler OnDrawFooter;
    FilterCharHandler OnFilterChar;
    HeaderClickHandler OnHeaderClick;
    GutterClickHandler OnGutterClick;
    CellChangingHandler OnCellChanging;
    CellChangeHandler OnCellChange;
    CellAssignmentHandler OnCellAssignment;
    ColRowChangedHandler OnColRowChanged;
    RowHandler OnInsertRow;
    RowHandler OnDeleteRow;
    NotifyHandler OnClick;
    KeyHandler OnKeyDown;
    KeyPressHandler OnKeyPress;
    MouseHandler OnMouseDown;
    MouseMoveHandler OnMouseMove;
    MouseHandler OnMouseUp;

    // The pure part of the layout pass, kept apart from the widget so it can be tested on its own.
    struct FitColumn {
        int Width = 0;
        bool Visible = true;
        bool CanResize = true;
    };
    // Grows or shrinks the resizable columns one pixel at a time, round-robin, towards Available.
    static void FitWidths(std::vector<FitColumn>& Columns, int Available, int ForcedColumn);

protected:
    // Painting (CellGridPaint.cpp).
    void paintEvent(QPaintEvent* Event) override;
    void PaintGrid(QPainter& P, const QRegion& Update);
    void PaintBodyCell(QPainter& P, int ACol, int ARow);
    void PaintMergedCell(QPainter& P, const MergedCell& Cell);
    void PaintEmptyAreas(QPainter& P);
    void PaintGutter(QPainter& P);
    void PaintHeader(QPainter& P);
    void PaintFooter(QPainter& P);
    void PaintSelectionFrame(QPainter& P);
    void PaintCaret(QPainter& P);
    void DrawHeaderCell(QPainter& P, const GridRect& R, const QString& Str, const QFont& Font,
                        const DrawHeaderHandler& Event);
    // Places one line of text; returns the caret point after it.
    QPoint DrawCellText(QPainter& P, const GridRect& R, const QString& Text, HorizontalAlignment HA,
                        VerticalAlignment VA, bool KeepEnd) const;
    void DrawBandText(QPainter& P, const GridRect& R, const QString& Text) const;
    // Pixel-exact primitives: a rectangle's border on columns L and R - 1, lines without their end point.
    static void FrameRect(QPainter& P, const GridRect& R, const QColor& Pen);
    static void FillRect(QPainter& P, const GridRect& R, const QColor& Brush);
    static void Rectangle(QPainter& P, const GridRect& R, const QColor& Pen, const QColor& Brush);
    static void LineTo(QPainter& P, QPoint From, QPoint To, const QColor& Pen);

    // Window events of painting, size, scroll and focus.
    void resizeEvent(QResizeEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    void scrollContentsBy(int Dx, int Dy) override;

    // Scroll bars: actions of the user and the bars' positions.
    void VertBarValueChanged(int Value);
    void HorzBarValueChanged(int Value);
    void SetVertBar();
    void SetHorzBar();
    // Called on the companion (Sync) each time this grid sets its vertical bar; nothing in a plain grid.
    virtual void FollowVertBar(int Max, int Pos);
    // The layout pass shows or hides the bars through this once it knows what overflows (a companion keeps
    // its own rule).
    virtual void ShowScrollBars(bool Horz, bool Vert);

    // Common steps shared with the pointer and key handling.
    void EndEditing();
    void ColRowChanged();
    // Force repaints even when Value equals the current area.
    void SetSelectAreaEx(const GridRect& Value, bool Force);
    void InvalidateRect(const GridRect& R);
    void InvalidateAll();
    void InvalidateBody();
    void InvalidateHeader();
    void InvalidateGutter();
    void InvalidateRightOf(int X);
    void InvalidateBelow(int Y);
    void InvalidateColumn(int ACol);
    void ColumnsChanged();
    void ColumnChanged(int ACol);
    void ApplyMergeCells();
    void CheckCell(int ACol, int ARow) const;
    int ClientWidth() const;
    int ClientHeight() const;

    // The typing caret: 1 pixel wide, DefRowHeight - 2 tall, painted inverted while shown.
    void CreateCaret();
    void DestroyCaret();
    void ShowCaretAt(QPoint Pos);
    void HideCaret();

    friend class CellColumn;
    friend class CellColumns;

    // Model.
    CellColumns FColumns;
    int FRowCount = 5;
    int FDefRowHeight = 18;
    int FDefColWidth = 80;
    int FHeaderLine = 1;
    GutterContent FGutterKind = gkBlank;
    int FGutterWidth = 20;
    QStringList FGutterStrings;
    bool FShowFooter = false;
    QColor FColor;
    QColor FAlternateColor;
    QColor FGridColor;
    QColor FSelectionColor = QColor(255, 255, 202);
    bool FShowGrid = true;
    bool FFlat = true;
    QColor FHeaderColor;
    QColor FHeaderLightColor;
    QColor FHeaderDarkColor;
    QFont FHeaderFont;
    QFont FGutterFont;
    QFont FFooterFont;
    bool FAutoColWidth = false;
    bool FFitToWidth = false;
    bool FReadOnly = false;
    bool FAutoAddRow = false;
    bool FAutoFillDown = false;
    bool FAutoFillRight = false;
    bool FEnabled = true;
    std::vector<HeaderInfo> FHeaderInfos;
    std::vector<std::unique_ptr<MergedCell>> Mergeds;

    // Layout values of the last layout pass.
    int FixedWidth = 0;
    int FixedHeight = 0;
    int BodyWidth = 0;
    int BodyHeight = 0;
    int AllWidth = 0;
    int AllHeight = 0;
    int FooterTop = 0;
    GridRect CellBox;
    int FMaxHScroll = 0;
    int FMaxVScroll = 0;
    int FSmallChange = 18;
    int FLargeChange = 90;
    int ForcedColumn = -1;

    // Scroll, current cell and selection.
    int FHorzOffset = 0;
    int FVertOffset = 0;
    int FCol = 0;
    int FRow = 0;
    int FCol2 = 0;
    int FRow2 = 0;
    GridRect FSelectArea;
    bool FUpdating = false;

    // State of typing, editing, the fill handle and column sizing.
    QString BuffString;
    bool IsEditing = false;
    GridRect SmallBox{-1, -1, -1, -1};
    GridRect SmallBoxArea{-1, -1, -1, -1};
    int SmallBoxPos = 0;
    int SizingCol = -1;
    int SizingColX = 0;
    int LastHover = -1;
    // The scroll-sync companion that follows this grid, or the grid a companion follows.
    CellGrid* Sync = nullptr;
    // The in-place editor (a CellEditor child), created by the editing code; ending editing hides it.
    QWidget* Inplace = nullptr;

    // Caret state; one caret exists only while the grid has the focus.
    bool CaretCreated = false;
    bool CaretShown = false;
    QPoint CaretPos{-1, -1};
    // The bounding rectangle of the region being painted.
    GridRect FUpdateRect;
    // The cell whose text keeps its end visible during an immediate repaint (typing).
    int KeepEndCol = -1;
    int KeepEndRow = -1;
    // Guards against re-entry while the layout pass shows or hides the bars and while bars are set.
    bool InLayout = false;
    bool SettingBars = false;
    // Set while the linked grid repeats a row change of this grid's keys: its notifications must not move
    // this grid's current row, which the key has already set.
    bool PassingRowChange = false;

    // Pointer, keys and editing
public:
    // The zone at a client point; also takes the column whose right edge is under the point as SizingCol.
    GridHitTest GetHitTestInfo(int X, int Y);
    // The zone whose cursor is showing: the one a press acts on.
    GridHitTest CursorZone() const { return FCursorZone; }
    int GetSizingCol() const { return SizingCol; }
    // Positions of a client point: -1 outside the body; the clamped cell always names a cell.
    int RowAt(int Y) const;
    int ColumnAt(int X) const;
    QPoint ClampedCellAt(int X, int Y) const;

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    CellEditor* InplaceEditor();
    bool Editing() const { return IsEditing; }
    const QString& TypedText() const { return BuffString; }
    bool CaretVisible() const { return CaretShown; }
    QPoint CaretPoint() const { return CaretPos; }

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    bool event(QEvent* Event) override;

private:
    // Called after the keyboard inserted or deleted a row, once OnInsertRow/OnDeleteRow have run: the linked
    // grid (the companion, or the grid a companion follows) gets the same row change.
    void KeyRowInserted(int ARow);
    void KeyRowDeleted(int ARow);

    friend class CellEditor;
    friend class CompanionGrid;

    // What a press started; switched in press, move and release.
    enum class GridInteraction {
        Idle,
        SelectingAll,
        SelectingCells,
        SelectingRows,
        SelectingColumns,
        SizingColumn,
        DraggingFillHandle,
        PressedOutside
    };

    void InitInput();
    void Press(QMouseEvent* Event);
    void DragTo(int X, int Y);
    void ResizeColumnTo(int X);
    void FillFromSmallBox();
    // Takes (ACol, ARow) as the current cell without the setters' side effects, repainting both cells.
    void PutCurrent(int ACol, int ARow);
    bool HandleKey(int Key, Qt::KeyboardModifiers Shift);
    void EnterKey();
    void StepBackInSelection();
    void StepForwardInSelection();
    void MoveStep(int OldCol, int OldRow);
    void ExtendStep();
    void SelectAllRows();
    void StepInsideSelection(int OldCol, int OldRow);
    void TypeChar(QChar Chr);
    void ShowBuffer();
    QString SelectionText(bool ClearCells);
    int FirstVisibleColumn() const;
    int LastVisibleColumn() const;
    int PrevVisibleColumn(int ACol) const;
    int NextVisibleColumn(int ACol) const;
    bool ColumnVisible(int ACol) const;
    void ReportError(const char* What);
    template <class Fn> void Guarded(Fn&& Body);

    GridInteraction FInteraction = GridInteraction::Idle;
    GridHitTest FCursorZone = gtCell;
    bool FLeftPressed = false;
    Platform& FPlatform;
};

} // namespace trimerka
