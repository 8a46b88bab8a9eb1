#include "widgets/CellGrid.h"

#include <algorithm>

#include <QApplication>
#include <QPalette>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "core/Error.h"
#include "platform/Fonts.h"
#include "widgets/CellGridAccessible.h"

namespace trimerka {

namespace {

const char* const kIndexError = "Cell Index out of bound.";

QColor systemColor(QPalette::ColorRole role) {
    return QApplication::palette().color(QPalette::Active, role);
}

} // namespace

// ---- CellColumn

CellColumn::CellColumn(CellGrid* Grid)
    : FGrid(Grid), FWidth(Grid ? Grid->DefColWidth() : 80), FFont(Grid ? Grid->font() : QFont()),
      FColor(Grid ? Grid->Color() : QColor(Qt::white)) {}

int CellColumn::Index() const {
    return FGrid ? FGrid->Columns().IndexOf(this) : -1;
}

QString CellColumn::DisplayName() const {
    return FTitle.isEmpty() ? QStringLiteral("Column %1").arg(Index()) : FTitle;
}

void CellColumn::Assign(const CellColumn& Source) {
    FTitle = Source.FTitle;
    FFooter = Source.FFooter;
    FWidth = Source.FWidth;
    FFont = Source.FFont;
    FColor = Source.FColor;
    FHorzAlign = Source.FHorzAlign;
    FVertAlign = Source.FVertAlign;
    FVisible = Source.FVisible;
    FTag = Source.FTag;
    FTag2 = Source.FTag2;
    FHint = Source.FHint;
    FCanResize = Source.FCanResize;
    FReadOnly = Source.FReadOnly;
    FStrings = Source.FStrings;
    ThisColumnChanged();
}

void CellColumn::SetTitle(const QString& Value) {
    if (FTitle == Value)
        return;
    FTitle = Value;
    AllColumnsChanged();
}

void CellColumn::SetFooter(const QString& Value) {
    if (FFooter == Value)
        return;
    FFooter = Value;
    ThisColumnChanged();
}

void CellColumn::SetWidth(int Value) {
    if (FWidth == Value)
        return;
    FWidth = Value;
    AllColumnsChanged();
}

void CellColumn::SetFont(const QFont& Value) {
    FFont = Value;
    ThisColumnChanged();
}

void CellColumn::SetColor(const QColor& Value) {
    if (FColor == Value)
        return;
    FColor = Value;
    ThisColumnChanged();
}

void CellColumn::SetHorzAlign(HorizontalAlignment Value) {
    if (FHorzAlign == Value)
        return;
    FHorzAlign = Value;
    ThisColumnChanged();
}

void CellColumn::SetVertAlign(VerticalAlignment Value) {
    if (FVertAlign == Value)
        return;
    FVertAlign = Value;
    ThisColumnChanged();
}

void CellColumn::SetVisible(bool Value) {
    if (FVisible == Value)
        return;
    FVisible = Value;
    if (FGrid)
        FGrid->ForcedColumn = Index();
    AllColumnsChanged();
}

void CellColumn::SetStrings(const CellStrings& Value) {
    FStrings = Value;
    ThisColumnChanged();
}

void CellColumn::AllColumnsChanged() {
    if (FGrid && FGrid->FColumns.IndexOf(this) >= 0)
        FGrid->ColumnsChanged();
}

void CellColumn::ThisColumnChanged() {
    if (FGrid) {
        const int i = FGrid->FColumns.IndexOf(this);
        if (i >= 0)
            FGrid->ColumnChanged(i);
    }
}

// ---- CellColumns

CellColumn& CellColumns::operator[](int Index) {
    if (Index < 0 || Index >= Count())
        throw Error(kIndexError);
    return *FItems[static_cast<size_t>(Index)];
}

const CellColumn& CellColumns::operator[](int Index) const {
    if (Index < 0 || Index >= Count())
        throw Error(kIndexError);
    return *FItems[static_cast<size_t>(Index)];
}

CellColumn& CellColumns::Add() {
    return AddItem(nullptr, -1);
}

CellColumn& CellColumns::AddItem(std::unique_ptr<CellColumn> Item, int Index) {
    if (!Item)
        Item = std::make_unique<CellColumn>(FGrid);
    Item->FGrid = FGrid;
    CellColumn& added = *Item;
    if (Index < 0 || Index > Count())
        FItems.push_back(std::move(Item));
    else
        FItems.insert(FItems.begin() + Index, std::move(Item));
    if (FGrid)
        FGrid->ColumnsChanged();
    return added;
}

void CellColumns::Delete(int Index) {
    if (Index < 0 || Index >= Count())
        throw Error(kIndexError);
    FItems.erase(FItems.begin() + Index);
    if (FGrid)
        FGrid->ColumnsChanged();
}

void CellColumns::Clear() {
    FItems.clear();
    if (FGrid)
        FGrid->ColumnsChanged();
}

void CellColumns::Assign(const CellColumns& Source) {
    if (&Source == this)
        return;
    FItems.clear();
    for (const auto& src : Source.FItems) {
        auto col = std::make_unique<CellColumn>(FGrid);
        col->FGrid = nullptr; // no change reports while copying
        col->Assign(*src);
        col->FGrid = FGrid;
        FItems.push_back(std::move(col));
    }
    if (FGrid)
        FGrid->ColumnsChanged();
}

int CellColumns::IndexOf(const CellColumn* Column) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Column)
            return static_cast<int>(i);
    return -1;
}

// ---- CellGrid: creation

CellGrid::CellGrid(Platform& APlatform, QWidget* Parent)
    : QAbstractScrollArea(Parent), FColumns(this), FPlatform(APlatform) {
    FColor = systemColor(QPalette::Base);
    FAlternateColor = systemColor(QPalette::Base);
    FGridColor = systemColor(QPalette::Button);
    FHeaderColor = systemColor(QPalette::Button);
    FHeaderLightColor = systemColor(QPalette::Light);
    FHeaderDarkColor = systemColor(QPalette::Mid);
    setFont(tahoma(11));
    FHeaderFont = tahoma(11);
    FGutterFont = tahoma(11);
    FFooterFont = tahoma(11);

    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, FColor);
    pal.setColor(QPalette::Window, FColor);
    setPalette(pal);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(FSmallChange);
    verticalScrollBar()->setPageStep(FLargeChange);
    horizontalScrollBar()->setSingleStep(FSmallChange);
    horizontalScrollBar()->setPageStep(FLargeChange);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CellGrid::VertBarValueChanged);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CellGrid::HorzBarValueChanged);
    resize(200, 200);
    RecalcLayout();
    installCellGridAccessibility();
}

CellGrid::~CellGrid() {
    // Columns report changes to their grid; the grid is going away, so they must not.
    for (auto& c : FColumns.FItems)
        c->FGrid = nullptr;
}

// ---- Properties

void CellGrid::SetColCount(int Value) {
    if (Value < 0)
        Value = 0;
    if (Value == ColCount())
        return;
    while (ColCount() > Value)
        FColumns.FItems.pop_back();
    while (ColCount() < Value)
        FColumns.FItems.push_back(std::make_unique<CellColumn>(this));
    FHorzOffset = 0;
    FVertOffset = 0;
    if (FRowCount <= 0 || ColCount() == 0) {
        FCol = -1;
        FRow = -1;
    } else {
        FCol = std::max(std::min(FCol, ColCount() - 1), 0);
        FRow = std::max(std::min(FRow, FRowCount - 1), 0);
    }
    FSelectArea = {FCol, FRow, FCol, FRow};
    BuildHeader();
    InvalidateAll();
    ColRowChanged();
}

void CellGrid::SetRowCount(int Value) {
    if (Value == FRowCount)
        return;
    const int before = FRowCount;
    FRowCount = Value;
    if (Value <= 0 || ColCount() == 0) {
        FCol = -1;
        FRow = -1;
    } else {
        FCol = std::max(std::min(FCol, ColCount() - 1), 0);
        FRow = std::max(std::min(FRow, Value - 1), 0);
    }
    FSelectArea = {FCol, FRow, FCol, FRow};
    RecalcLayout();
    InvalidateAll();
    notifyGridRowCountChanged(*this, before);
    ColRowChanged();
}

void CellGrid::SetDefRowHeight(int Value) {
    // Every row position divides by the height: a height below one pixel is taken as one.
    Value = std::max(Value, 1);
    if (Value == FDefRowHeight)
        return;
    FDefRowHeight = Value;
    FSmallChange = Value;
    FLargeChange = 5 * Value;
    verticalScrollBar()->setSingleStep(FSmallChange);
    verticalScrollBar()->setPageStep(FLargeChange);
    horizontalScrollBar()->setSingleStep(FSmallChange);
    horizontalScrollBar()->setPageStep(FLargeChange);
    RecalcLayout();
    InvalidateAll();
}

void CellGrid::SetDefColWidth(int Value) {
    if (Value == FDefColWidth)
        return;
    FDefColWidth = Value;
    if (!FAutoColWidth) {
        RecalcLayout();
        InvalidateAll();
    }
}

void CellGrid::SetHeaderLine(int Value) {
    if (Value == FHeaderLine)
        return;
    FHeaderLine = Value;
    BuildHeader();
    InvalidateAll();
}

void CellGrid::SetGutterKind(GutterContent Value) {
    if (Value == FGutterKind)
        return;
    const bool bandChanges = Value == gkNone || FGutterKind == gkNone;
    FGutterKind = Value;
    RecalcLayout();
    if (bandChanges)
        InvalidateAll();
    else
        InvalidateGutter();
}

void CellGrid::SetGutterWidth(int Value) {
    if (Value == FGutterWidth)
        return;
    FGutterWidth = Value;
    RecalcLayout();
    InvalidateAll();
}

void CellGrid::SetGutterStrings(const QStringList& Value) {
    FGutterStrings = Value;
    if (FGutterKind == gkString)
        InvalidateGutter();
}

void CellGrid::SetShowFooter(bool Value) {
    if (Value == FShowFooter)
        return;
    FShowFooter = Value;
    RecalcLayout();
    InvalidateAll();
}

void CellGrid::SetColor(const QColor& Value) {
    if (Value == FColor)
        return;
    FColor = Value;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, FColor);
    pal.setColor(QPalette::Window, FColor);
    setPalette(pal);
    InvalidateAll();
}

void CellGrid::SetAlternateColor(const QColor& Value) {
    if (Value == FAlternateColor)
        return;
    FAlternateColor = Value;
    InvalidateBody();
}

void CellGrid::SetGridColor(const QColor& Value) {
    if (Value == FGridColor)
        return;
    FGridColor = Value;
    InvalidateBody();
}

void CellGrid::SetSelectionColor(const QColor& Value) {
    if (Value == FSelectionColor)
        return;
    FSelectionColor = Value;
    InvalidateBody();
}

void CellGrid::SetShowGrid(bool Value) {
    if (Value == FShowGrid)
        return;
    FShowGrid = Value;
    InvalidateBody();
}

void CellGrid::SetFlat(bool Value) {
    if (Value == FFlat)
        return;
    FFlat = Value;
    InvalidateAll();
}

void CellGrid::SetHeaderColor(const QColor& Value) {
    if (Value == FHeaderColor)
        return;
    FHeaderColor = Value;
    InvalidateAll();
}

void CellGrid::SetHeaderLightColor(const QColor& Value) {
    if (Value == FHeaderLightColor)
        return;
    FHeaderLightColor = Value;
    InvalidateAll();
}

void CellGrid::SetHeaderDarkColor(const QColor& Value) {
    if (Value == FHeaderDarkColor)
        return;
    FHeaderDarkColor = Value;
    InvalidateAll();
}

void CellGrid::SetHeaderFont(const QFont& Value) {
    FHeaderFont = Value;
    InvalidateHeader();
}

void CellGrid::SetGutterFont(const QFont& Value) {
    FGutterFont = Value;
    InvalidateGutter();
}

void CellGrid::SetFooterFont(const QFont& Value) {
    FFooterFont = Value;
    InvalidateAll();
}

void CellGrid::SetAutoColWidth(bool Value) {
    if (Value == FAutoColWidth)
        return;
    FAutoColWidth = Value;
    RecalcLayout();
    InvalidateAll();
}

void CellGrid::SetFitToWidth(bool Value) {
    if (Value == FFitToWidth)
        return;
    FFitToWidth = Value;
    FHorzOffset = 0;
    RecalcLayout();
    InvalidateAll();
}

void CellGrid::SetEnabled(bool Value) {
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    InvalidateAll();
}

// ---- Cells and rows

void CellGrid::CheckCell(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol > ColCount() - 1 || ARow > FRowCount - 1)
        throw Error(kIndexError);
}

QString CellGrid::CellText(int ACol, int ARow) const {
    CheckCell(ACol, ARow);
    const CellStrings& s = FColumns[ACol].FStrings;
    return static_cast<size_t>(ARow) < s.size() ? s[static_cast<size_t>(ARow)].Text : QString();
}

int CellGrid::CellMark(int ACol, int ARow) const {
    CheckCell(ACol, ARow);
    const CellStrings& s = FColumns[ACol].FStrings;
    return static_cast<size_t>(ARow) < s.size() ? s[static_cast<size_t>(ARow)].Mark : 0;
}

void CellGrid::SetCellMark(int ACol, int ARow, int Value) {
    CheckCell(ACol, ARow);
    CellStrings& s = FColumns[ACol].FStrings;
    if (s.size() <= static_cast<size_t>(ARow))
        s.resize(static_cast<size_t>(ARow) + 1);
    s[static_cast<size_t>(ARow)].Mark = Value;
}

void CellGrid::StoreCell(int ACol, int ARow, bool ByUser, const QString& Value) {
    if (ColCount() == 0 || FRowCount <= 0)
        return;
    if (ByUser && ACol >= 0 && ACol < ColCount() && FColumns[ACol].FReadOnly)
        return;
    CheckCell(ACol, ARow);
    CellStrings& s = FColumns[ACol].FStrings;
    const auto r = static_cast<size_t>(ARow);
    if (s.size() <= r)
        s.resize(r + 1);
    if (s[r].Text == Value)
        return;
    if (ByUser) {
        bool canChange = true;
        if (OnCellChanging)
            OnCellChanging(this, ACol, ARow, canChange);
        if (!canChange)
            return;
        QString str = Value;
        if (OnCellChange)
            OnCellChange(this, ACol, ARow, str);
        // The handler may have touched the list (a row operation); take it again.
        CellStrings& t = FColumns[ACol].FStrings;
        if (t.size() <= r)
            t.resize(r + 1);
        t[r].Text = str;
    } else {
        s[r].Text = Value;
    }
    if (!FUpdating)
        RepaintCell(ACol, ARow);
}

void CellGrid::BeginUpdate() {
    FUpdating = true;
    EndEditing();
}

void CellGrid::EndUpdate() {
    FUpdating = false;
    BuildHeader();
    InvalidateAll();
}

void CellGrid::Clear() {
    for (auto& c : FColumns.FItems)
        c->FStrings.clear();
    InvalidateBody();
}

int CellGrid::AddRow() {
    EndEditing();
    const auto n = static_cast<size_t>(std::max(FRowCount, 0));
    for (auto& c : FColumns.FItems) {
        if (c->FStrings.size() < n + 1)
            c->FStrings.resize(n + 1);
        c->FStrings[n].Text.clear();
    }
    SetRowCount(static_cast<int>(n) + 1);
    return FRowCount - 1;
}

void CellGrid::InsertRow(int ARow) {
    EndEditing();
    if (ARow < 0 || ARow >= FRowCount)
        return;
    const auto r = static_cast<size_t>(ARow);
    for (auto& c : FColumns.FItems) {
        if (c->FStrings.size() < r)
            c->FStrings.resize(r);
        c->FStrings.insert(c->FStrings.begin() + ARow, CellEntry{});
    }
    SetRowCount(FRowCount + 1);
}

void CellGrid::DeleteRow(int ARow) {
    EndEditing();
    if (ARow < 0 || ARow >= FRowCount)
        return;
    const auto r = static_cast<size_t>(ARow);
    for (auto& c : FColumns.FItems) {
        CellStrings& s = c->FStrings;
        if (s.size() <= r)
            continue;
        for (size_t i = r; i + 1 < s.size(); ++i)
            s[i].Text = s[i + 1].Text;
        s.back().Text.clear();
    }
    if (FRow == FRowCount - 1)
        --FRow;
    SetRowCount(FRowCount - 1);
}

HeaderInfo CellGrid::HeaderCells(int I) const {
    if (I < 0 || I >= HeaderCellsCount())
        throw Error(kIndexError);
    return FHeaderInfos[static_cast<size_t>(I)];
}

MergedCell& CellGrid::MergeCells(int X1, int Y1, int X2, int Y2, const QString& ACaption) {
    auto m = std::make_unique<MergedCell>();
    m->Rc = {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
    m->Caption = ACaption;
    m->Color = FColor;
    m->Font = font();
    MergedCell& added = *m;
    Mergeds.push_back(std::move(m));
    if (!FUpdating) {
        RecalcLayout();
        InvalidateAll();
    }
    return added;
}

void CellGrid::ClearMergeCells() {
    for (auto& c : FColumns.FItems)
        for (auto& e : c->FStrings)
            e.Mark = 0;
    Mergeds.clear();
}

void CellGrid::ApplyMergeCells() {
    for (const auto& m : Mergeds) {
        for (int c = std::max(m->Rc.Left, 0); c <= m->Rc.Right && c < ColCount(); ++c) {
            // Rows beyond the grid are skipped like columns, so a shrunken grid still lays out.
            for (int r = std::max(m->Rc.Top, 0); r <= m->Rc.Bottom && r < FRowCount; ++r) {
                StoreCell(c, r, false, QString());
                SetCellMark(c, r, -2);
            }
        }
    }
}

// ---- Current cell, selection, offsets

void CellGrid::SetCol(int Value) {
    if (Value == FCol)
        return;
    EndEditing();
    FCol = Value;
    FCol2 = Value;
    FRow2 = FRow;
    BuffString.clear();
    SetSelectArea({FCol, FRow, FCol, FRow});
    InvalidateRightOf(FixedWidth);
    ColRowChanged();
}

void CellGrid::SetRow(int Value) {
    if (Value == FRow)
        return;
    EndEditing();
    FRow = Value;
    FRow2 = Value;
    FCol2 = FCol;
    BuffString.clear();
    SetSelectArea({FCol, FRow, FCol, FRow});
    InvalidateBelow(FixedHeight);
    ColRowChanged();
}

void CellGrid::SetSelectAreaEx(const GridRect& Value, bool Force) {
    if (!Force && Value == FSelectArea)
        return;
    EndEditing();
    const GridRect before = FrameRect();
    FSelectArea = Value;
    const GridRect after = FrameRect();
    GridRect u = after;
    if (!before.IsEmpty()) {
        if (after.IsEmpty())
            u = before;
        else
            u = {std::min(before.Left, after.Left), std::min(before.Top, after.Top),
                 std::max(before.Right, after.Right), std::max(before.Bottom, after.Bottom)};
    }
    InvalidateRect(u.Adjusted(-3, -3, 3, 3));
    if (FGutterKind == gkPointer)
        InvalidateGutter();
}

void CellGrid::SetHorzOffset(int Value) {
    if (Value == FHorzOffset)
        return;
    FHorzOffset = std::clamp(Value, 0, std::max(FMaxHScroll, 0));
    SetHorzBar();
    InvalidateRightOf(FixedWidth);
}

void CellGrid::SetVertOffset(int Value) {
    if (Value == FVertOffset)
        return;
    Value = std::clamp(Value, 0, std::max(FMaxVScroll, 0));
    FVertOffset = Value - Value % FDefRowHeight;
    SetVertBar();
    InvalidateBelow(FixedHeight);
}

void CellGrid::ColRowChanged() {
    // The linked grid may have fewer rows (a program set this grid's count): its current row stays one of its
    // own rows.
    if (Sync && !Sync->PassingRowChange)
        Sync->SetRow(std::min(FRow, Sync->RowCount() - 1));
    if (OnColRowChanged)
        OnColRowChanged(this, FCol, FRow);
    notifyGridCurrentCellChanged(*this);
}

void CellGrid::EndEditing() {
    HideCaret();
    if (IsEditing) {
        IsEditing = false;
        if (Inplace)
            Inplace->hide();
    }
}

QColor CellGrid::CellColor(int ACol, int ARow) const {
    const CellColumn& c = FColumns[ACol];
    QColor color = c.FColor;
    if (ARow % 2 != 0 && c.FColor == FColor)
        color = FAlternateColor;
    if (FEnabled && FSelectArea.ContainsCell(ACol, ARow) && !(ACol == FCol && ARow == FRow))
        color = FSelectionColor;
    return color;
}

QString CellGrid::GutterText(int ARow) const {
    switch (FGutterKind) {
    case gkNumber:
        return QString::number(ARow + 1);
    case gkString:
        return ARow >= 0 && ARow < FGutterStrings.size() ? FGutterStrings[ARow] : QString();
    default:
        return QString();
    }
}

// ---- Repaint requests

void CellGrid::InvalidateRect(const GridRect& R) {
    if (!R.IsEmpty())
        viewport()->update(R.ToQRect());
}

void CellGrid::InvalidateAll() {
    viewport()->update();
}

void CellGrid::InvalidateBody() {
    InvalidateRect({FixedWidth - 2, FixedHeight - 2, ClientWidth(), ClientHeight()});
}

void CellGrid::InvalidateHeader() {
    InvalidateRect({0, 0, ClientWidth(), FixedHeight});
}

void CellGrid::InvalidateGutter() {
    InvalidateRect({0, FixedHeight, FixedWidth, ClientHeight()});
}

void CellGrid::InvalidateRightOf(int X) {
    InvalidateRect({X, 0, ClientWidth(), ClientHeight()});
}

void CellGrid::InvalidateBelow(int Y) {
    InvalidateRect({0, Y, ClientWidth(), ClientHeight()});
}

void CellGrid::InvalidateColumn(int ACol) {
    const int dx = FixedWidth - FHorzOffset;
    const int w = FColumns[ACol].FVisible ? FColumns[ACol].FWidth : 0;
    InvalidateRect({ColumnLeft(ACol) + dx - 3, 0, ColumnLeft(ACol) + w + dx + 3, ClientHeight()});
}

void CellGrid::ColumnsChanged() {
    BuildHeader();
    InvalidateAll();
}

void CellGrid::ColumnChanged(int ACol) {
    InvalidateColumn(ACol);
}

// ---- Window events

void CellGrid::resizeEvent(QResizeEvent* Event) {
    QAbstractScrollArea::resizeEvent(Event);
    if (InLayout)
        return;
    RecalcLayout();
    if (ColCount() > 0)
        EnsureVisible(FCol, FRow);
}

void CellGrid::showEvent(QShowEvent* Event) {
    QAbstractScrollArea::showEvent(Event);
    RecalcLayout();
}

void CellGrid::changeEvent(QEvent* Event) {
    QAbstractScrollArea::changeEvent(Event);
    if (Event->type() == QEvent::FontChange) {
        for (auto& c : FColumns.FItems)
            c->FFont = font();
        InvalidateAll();
    }
}

void CellGrid::scrollContentsBy(int, int) {
    // The offsets follow the bars through their value signals; the whole area is repainted, never scrolled.
}

void CellGrid::focusInEvent(QFocusEvent* Event) {
    QAbstractScrollArea::focusInEvent(Event);
    CreateCaret();
    InvalidateBody();
}

void CellGrid::focusOutEvent(QFocusEvent* Event) {
    QAbstractScrollArea::focusOutEvent(Event);
    QWidget* to = QApplication::focusWidget();
    const bool toEditor = Inplace && to && (to == Inplace || Inplace->isAncestorOf(to));
    if (!toEditor)
        EndEditing();
    DestroyCaret();
    if (!IsEditing)
        InvalidateBody();
}

// ---- Caret

void CellGrid::CreateCaret() {
    CaretCreated = true;
    CaretShown = false;
}

void CellGrid::DestroyCaret() {
    HideCaret();
    CaretCreated = false;
}

void CellGrid::ShowCaretAt(QPoint Pos) {
    if (!CaretCreated)
        return;
    HideCaret();
    CaretPos = Pos;
    CaretShown = true;
    InvalidateRect({Pos.x(), Pos.y(), Pos.x() + 1, Pos.y() + FDefRowHeight - 2});
}

void CellGrid::HideCaret() {
    if (!CaretShown)
        return;
    CaretShown = false;
    InvalidateRect({CaretPos.x(), CaretPos.y(), CaretPos.x() + 1, CaretPos.y() + FDefRowHeight - 2});
}

} // namespace trimerka
