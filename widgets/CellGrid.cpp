#include "widgets/CellGrid.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
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

// A text that no real title level matches, so the first level of a column never merges with nothing.
const QString kSentinel = QStringLiteral("^%%%%%^******^");

QColor systemColor(QPalette::ColorRole role) {
    return QApplication::palette().color(QPalette::Active, role);
}

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

// ---- TCellColumn

TCellColumn::TCellColumn(TCellGrid* Grid)
    : FGrid(Grid), FWidth(Grid ? Grid->DefColWidth() : 80), FFont(Grid ? Grid->font() : QFont()),
      FColor(Grid ? Grid->Color() : QColor(Qt::white)) {}

int TCellColumn::Index() const {
    return FGrid ? FGrid->Columns().IndexOf(this) : -1;
}

QString TCellColumn::DisplayName() const {
    return FTitle.isEmpty() ? QStringLiteral("Column %1").arg(Index()) : FTitle;
}

void TCellColumn::Assign(const TCellColumn& Source) {
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

void TCellColumn::SetTitle(const QString& Value) {
    if (FTitle == Value)
        return;
    FTitle = Value;
    AllColumnsChanged();
}

void TCellColumn::SetFooter(const QString& Value) {
    if (FFooter == Value)
        return;
    FFooter = Value;
    ThisColumnChanged();
}

void TCellColumn::SetWidth(int Value) {
    if (FWidth == Value)
        return;
    FWidth = Value;
    AllColumnsChanged();
}

void TCellColumn::SetFont(const QFont& Value) {
    FFont = Value;
    ThisColumnChanged();
}

void TCellColumn::SetColor(const QColor& Value) {
    if (FColor == Value)
        return;
    FColor = Value;
    ThisColumnChanged();
}

void TCellColumn::SetHorzAlign(THorzAlign Value) {
    if (FHorzAlign == Value)
        return;
    FHorzAlign = Value;
    ThisColumnChanged();
}

void TCellColumn::SetVertAlign(TVertAlign Value) {
    if (FVertAlign == Value)
        return;
    FVertAlign = Value;
    ThisColumnChanged();
}

void TCellColumn::SetVisible(bool Value) {
    if (FVisible == Value)
        return;
    FVisible = Value;
    if (FGrid)
        FGrid->ForcedColumn = Index();
    AllColumnsChanged();
}

void TCellColumn::SetStrings(const TCellStrings& Value) {
    FStrings = Value;
    ThisColumnChanged();
}

void TCellColumn::AllColumnsChanged() {
    if (FGrid && FGrid->FColumns.IndexOf(this) >= 0)
        FGrid->ColumnsChanged();
}

void TCellColumn::ThisColumnChanged() {
    if (FGrid) {
        const int i = FGrid->FColumns.IndexOf(this);
        if (i >= 0)
            FGrid->ColumnChanged(i);
    }
}

// ---- TCellColumns

TCellColumn& TCellColumns::operator[](int Index) {
    if (Index < 0 || Index >= Count())
        throw Error(kIndexError);
    return *FItems[static_cast<size_t>(Index)];
}

const TCellColumn& TCellColumns::operator[](int Index) const {
    if (Index < 0 || Index >= Count())
        throw Error(kIndexError);
    return *FItems[static_cast<size_t>(Index)];
}

TCellColumn& TCellColumns::Add() {
    return AddItem(nullptr, -1);
}

TCellColumn& TCellColumns::AddItem(std::unique_ptr<TCellColumn> Item, int Index) {
    if (!Item)
        Item = std::make_unique<TCellColumn>(FGrid);
    Item->FGrid = FGrid;
    TCellColumn& added = *Item;
    if (Index < 0 || Index > Count())
        FItems.push_back(std::move(Item));
    else
        FItems.insert(FItems.begin() + Index, std::move(Item));
    if (FGrid)
        FGrid->ColumnsChanged();
    return added;
}

void TCellColumns::Delete(int Index) {
    if (Index < 0 || Index >= Count())
        throw Error(kIndexError);
    FItems.erase(FItems.begin() + Index);
    if (FGrid)
        FGrid->ColumnsChanged();
}

void TCellColumns::Clear() {
    FItems.clear();
    if (FGrid)
        FGrid->ColumnsChanged();
}

void TCellColumns::Assign(const TCellColumns& Source) {
    if (&Source == this)
        return;
    FItems.clear();
    for (const auto& src : Source.FItems) {
        auto col = std::make_unique<TCellColumn>(FGrid);
        col->FGrid = nullptr; // no change reports while copying
        col->Assign(*src);
        col->FGrid = FGrid;
        FItems.push_back(std::move(col));
    }
    if (FGrid)
        FGrid->ColumnsChanged();
}

int TCellColumns::IndexOf(const TCellColumn* Column) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Column)
            return static_cast<int>(i);
    return -1;
}

// ---- TCellGrid: creation

TCellGrid::TCellGrid(QWidget* Parent) : QAbstractScrollArea(Parent), FColumns(this) {
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
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TCellGrid::VertBarValueChanged);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &TCellGrid::HorzBarValueChanged);
    resize(200, 200);
    RecalcLayout();
    installCellGridAccessibility();
}

TCellGrid::~TCellGrid() {
    // Columns report changes to their grid; the grid is going away, so they must not.
    for (auto& c : FColumns.FItems)
        c->FGrid = nullptr;
}

// ---- Properties

void TCellGrid::SetColCount(int Value) {
    if (Value < 0)
        Value = 0;
    if (Value == ColCount())
        return;
    while (ColCount() > Value)
        FColumns.FItems.pop_back();
    while (ColCount() < Value)
        FColumns.FItems.push_back(std::make_unique<TCellColumn>(this));
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

void TCellGrid::SetRowCount(int Value) {
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

void TCellGrid::SetDefRowHeight(int Value) {
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

void TCellGrid::SetDefColWidth(int Value) {
    if (Value == FDefColWidth)
        return;
    FDefColWidth = Value;
    if (!FAutoColWidth) {
        RecalcLayout();
        InvalidateAll();
    }
}

void TCellGrid::SetHeaderLine(int Value) {
    if (Value == FHeaderLine)
        return;
    FHeaderLine = Value;
    BuildHeader();
    InvalidateAll();
}

void TCellGrid::SetGutterKind(TGutterKind Value) {
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

void TCellGrid::SetGutterWidth(int Value) {
    if (Value == FGutterWidth)
        return;
    FGutterWidth = Value;
    RecalcLayout();
    InvalidateAll();
}

void TCellGrid::SetGutterStrings(const QStringList& Value) {
    FGutterStrings = Value;
    if (FGutterKind == gkString)
        InvalidateGutter();
}

void TCellGrid::SetShowFooter(bool Value) {
    if (Value == FShowFooter)
        return;
    FShowFooter = Value;
    RecalcLayout();
    InvalidateAll();
}

void TCellGrid::SetColor(const QColor& Value) {
    if (Value == FColor)
        return;
    FColor = Value;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, FColor);
    pal.setColor(QPalette::Window, FColor);
    setPalette(pal);
    InvalidateAll();
}

void TCellGrid::SetAlternateColor(const QColor& Value) {
    if (Value == FAlternateColor)
        return;
    FAlternateColor = Value;
    InvalidateBody();
}

void TCellGrid::SetGridColor(const QColor& Value) {
    if (Value == FGridColor)
        return;
    FGridColor = Value;
    InvalidateBody();
}

void TCellGrid::SetSelectionColor(const QColor& Value) {
    if (Value == FSelectionColor)
        return;
    FSelectionColor = Value;
    InvalidateBody();
}

void TCellGrid::SetShowGrid(bool Value) {
    if (Value == FShowGrid)
        return;
    FShowGrid = Value;
    InvalidateBody();
}

void TCellGrid::SetFlat(bool Value) {
    if (Value == FFlat)
        return;
    FFlat = Value;
    InvalidateAll();
}

void TCellGrid::SetHeaderColor(const QColor& Value) {
    if (Value == FHeaderColor)
        return;
    FHeaderColor = Value;
    InvalidateAll();
}

void TCellGrid::SetHeaderLightColor(const QColor& Value) {
    if (Value == FHeaderLightColor)
        return;
    FHeaderLightColor = Value;
    InvalidateAll();
}

void TCellGrid::SetHeaderDarkColor(const QColor& Value) {
    if (Value == FHeaderDarkColor)
        return;
    FHeaderDarkColor = Value;
    InvalidateAll();
}

void TCellGrid::SetHeaderFont(const QFont& Value) {
    FHeaderFont = Value;
    InvalidateHeader();
}

void TCellGrid::SetGutterFont(const QFont& Value) {
    FGutterFont = Value;
    InvalidateGutter();
}

void TCellGrid::SetFooterFont(const QFont& Value) {
    FFooterFont = Value;
    InvalidateAll();
}

void TCellGrid::SetAutoColWidth(bool Value) {
    if (Value == FAutoColWidth)
        return;
    FAutoColWidth = Value;
    RecalcLayout();
    InvalidateAll();
}

void TCellGrid::SetFitToWidth(bool Value) {
    if (Value == FFitToWidth)
        return;
    FFitToWidth = Value;
    FHorzOffset = 0;
    RecalcLayout();
    InvalidateAll();
}

void TCellGrid::SetEnabled(bool Value) {
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    InvalidateAll();
}

// ---- Cells and rows

void TCellGrid::CheckCell(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol > ColCount() - 1 || ARow > FRowCount - 1)
        throw Error(kIndexError);
}

QString TCellGrid::CellText(int ACol, int ARow) const {
    CheckCell(ACol, ARow);
    const TCellStrings& s = FColumns[ACol].FStrings;
    return static_cast<size_t>(ARow) < s.size() ? s[static_cast<size_t>(ARow)].Text : QString();
}

int TCellGrid::CellMark(int ACol, int ARow) const {
    CheckCell(ACol, ARow);
    const TCellStrings& s = FColumns[ACol].FStrings;
    return static_cast<size_t>(ARow) < s.size() ? s[static_cast<size_t>(ARow)].Mark : 0;
}

void TCellGrid::SetCellMark(int ACol, int ARow, int Value) {
    CheckCell(ACol, ARow);
    TCellStrings& s = FColumns[ACol].FStrings;
    if (s.size() <= static_cast<size_t>(ARow))
        s.resize(static_cast<size_t>(ARow) + 1);
    s[static_cast<size_t>(ARow)].Mark = Value;
}

void TCellGrid::StoreCell(int ACol, int ARow, bool ByUser, const QString& Value) {
    if (ColCount() == 0 || FRowCount <= 0)
        return;
    if (ByUser && ACol >= 0 && ACol < ColCount() && FColumns[ACol].FReadOnly)
        return;
    CheckCell(ACol, ARow);
    TCellStrings& s = FColumns[ACol].FStrings;
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
        TCellStrings& t = FColumns[ACol].FStrings;
        if (t.size() <= r)
            t.resize(r + 1);
        t[r].Text = str;
    } else {
        s[r].Text = Value;
    }
    if (!FUpdating)
        RepaintCell(ACol, ARow);
}

void TCellGrid::BeginUpdate() {
    FUpdating = true;
    EndEditing();
}

void TCellGrid::EndUpdate() {
    FUpdating = false;
    BuildHeader();
    InvalidateAll();
}

void TCellGrid::Clear() {
    for (auto& c : FColumns.FItems)
        c->FStrings.clear();
    InvalidateBody();
}

int TCellGrid::AddRow() {
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

void TCellGrid::InsertRow(int ARow) {
    EndEditing();
    if (ARow < 0 || ARow >= FRowCount)
        return;
    const auto r = static_cast<size_t>(ARow);
    for (auto& c : FColumns.FItems) {
        if (c->FStrings.size() < r)
            c->FStrings.resize(r);
        c->FStrings.insert(c->FStrings.begin() + ARow, TCellEntry{});
    }
    SetRowCount(FRowCount + 1);
}

void TCellGrid::DeleteRow(int ARow) {
    EndEditing();
    if (ARow < 0 || ARow >= FRowCount)
        return;
    const auto r = static_cast<size_t>(ARow);
    for (auto& c : FColumns.FItems) {
        TCellStrings& s = c->FStrings;
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

THeaderInfo TCellGrid::HeaderCells(int I) const {
    if (I < 0 || I >= HeaderCellsCount())
        throw Error(kIndexError);
    return FHeaderInfos[static_cast<size_t>(I)];
}

TMergeCell& TCellGrid::MergeCells(int X1, int Y1, int X2, int Y2, const QString& ACaption) {
    auto m = std::make_unique<TMergeCell>();
    m->Rc = {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
    m->Caption = ACaption;
    m->Color = FColor;
    m->Font = font();
    TMergeCell& added = *m;
    Mergeds.push_back(std::move(m));
    if (!FUpdating) {
        RecalcLayout();
        InvalidateAll();
    }
    return added;
}

void TCellGrid::ClearMergeCells() {
    for (auto& c : FColumns.FItems)
        for (auto& e : c->FStrings)
            e.Mark = 0;
    Mergeds.clear();
}

void TCellGrid::ApplyMergeCells() {
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

void TCellGrid::SetCol(int Value) {
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

void TCellGrid::SetRow(int Value) {
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

void TCellGrid::SetSelectAreaEx(const TRect& Value, bool Force) {
    if (!Force && Value == FSelectArea)
        return;
    EndEditing();
    const TRect before = FrameRect();
    FSelectArea = Value;
    const TRect after = FrameRect();
    TRect u = after;
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

void TCellGrid::SetHorzOffset(int Value) {
    if (Value == FHorzOffset)
        return;
    FHorzOffset = std::clamp(Value, 0, std::max(FMaxHScroll, 0));
    SetHorzBar();
    InvalidateRightOf(FixedWidth);
}

void TCellGrid::SetVertOffset(int Value) {
    if (Value == FVertOffset)
        return;
    Value = std::clamp(Value, 0, std::max(FMaxVScroll, 0));
    FVertOffset = Value - Value % FDefRowHeight;
    SetVertBar();
    InvalidateBelow(FixedHeight);
}

void TCellGrid::ColRowChanged() {
    if (Sync)
        Sync->SetRow(FRow);
    if (OnColRowChanged)
        OnColRowChanged(this, FCol, FRow);
    notifyGridCurrentCellChanged(*this);
}

void TCellGrid::EndEditing() {
    HideCaret();
    if (IsEditing) {
        IsEditing = false;
        if (Inplace)
            Inplace->hide();
    }
}

// ---- Header build and layout

QStringList TCellGrid::TitleLevels(const QString& Title, int HeaderLine) {
    QStringList levels;
    if (!Title.isEmpty()) {
        QString t = Title;
        t.replace(QLatin1Char('|'), QLatin1Char('\n'));
        // CR, LF or CR LF end a line; a break at the very end adds no level.
        qsizetype start = 0;
        for (qsizetype i = 0; i < t.size(); ++i) {
            const QChar ch = t[i];
            if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
                levels << t.mid(start, i - start);
                if (ch == QLatin1Char('\r') && i + 1 < t.size() && t[i + 1] == QLatin1Char('\n'))
                    ++i;
                start = i + 1;
            }
        }
        if (start < t.size())
            levels << t.mid(start);
    }
    if (levels.isEmpty()) {
        for (int i = 0; i < HeaderLine; ++i)
            levels << QString();
        return levels;
    }
    while (levels.size() < HeaderLine)
        levels << levels.last();
    while (levels.size() > std::max(HeaderLine, 0))
        levels.removeLast();
    return levels;
}

std::vector<THeaderInfo> TCellGrid::BuildHeaderCells(const std::vector<HeaderColumn>& Columns,
                                                     int HeaderLine) {
    std::vector<THeaderInfo> cells;
    const int lines = std::max(HeaderLine, 0);
    // Indexes into cells; -1 stands for the sentinel cell.
    std::vector<int> open(static_cast<size_t>(lines), -1);
    auto textOf = [&](int i) -> const QString& {
        return i < 0 ? kSentinel : cells[static_cast<size_t>(i)].Str;
    };
    for (size_t c = 0; c < Columns.size(); ++c) {
        if (!Columns[c].Visible) {
            std::fill(open.begin(), open.end(), -1);
            continue;
        }
        const QStringList levels = TitleLevels(Columns[c].Title, lines);
        int above = -1;
        for (int L = 0; L < lines; ++L) {
            const QString& t = levels[L];
            if (t == textOf(above)) {
                THeaderInfo& a = cells[static_cast<size_t>(above)];
                a.Rc.Bottom = std::min(std::max(a.Rc.Bottom, L), lines - 1);
            } else if (t == textOf(open[static_cast<size_t>(L)])) {
                above = open[static_cast<size_t>(L)];
                ++cells[static_cast<size_t>(above)].Rc.Right;
            } else {
                const int col = static_cast<int>(c);
                cells.push_back({t, {col, L, col, L}});
                above = static_cast<int>(cells.size()) - 1;
                open[static_cast<size_t>(L)] = above;
            }
        }
    }
    return cells;
}

void TCellGrid::BuildHeader() {
    std::vector<HeaderColumn> cols;
    cols.reserve(FColumns.FItems.size());
    for (const auto& c : FColumns.FItems)
        cols.push_back({c->FTitle, c->FVisible});
    FHeaderInfos = BuildHeaderCells(cols, FHeaderLine);
    RecalcLayout();
}

void TCellGrid::FitWidths(std::vector<FitColumn>& Columns, int Available, int ForcedColumn) {
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

int TCellGrid::ClientWidth() const {
    int w = contentsRect().width();
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        w -= verticalScrollBar()->sizeHint().width();
    return std::max(w, 0);
}

int TCellGrid::ClientHeight() const {
    int h = contentsRect().height();
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        h -= horizontalScrollBar()->sizeHint().height();
    return std::max(h, 0);
}

void TCellGrid::ShowScrollBars(bool Horz, bool Vert) {
    setHorizontalScrollBarPolicy(Horz ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Vert ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TCellGrid::RecalcLayout() {
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

int TCellGrid::ColumnLeft(int N) const {
    int x = 0;
    const int n = std::min(N, ColCount());
    for (int i = 0; i < n; ++i) {
        const TCellColumn& c = *FColumns.FItems[static_cast<size_t>(i)];
        if (c.FVisible)
            x += c.FWidth;
    }
    return x;
}

TRect TCellGrid::CellRect(int ACol, int ARow) const {
    if (ACol == -1 || ARow == -1)
        return {};
    const int H = FDefRowHeight;
    const int left = ColumnLeft(ACol);
    int w = 0;
    if (ACol >= 0 && ACol < ColCount() && FColumns.FItems[static_cast<size_t>(ACol)]->FVisible)
        w = FColumns.FItems[static_cast<size_t>(ACol)]->FWidth;
    const TRect body{left - 1, ARow * H - 1, left + w, ARow * H + H};
    return body.Translated(FixedWidth - FHorzOffset, FixedHeight - FVertOffset);
}

TRect TCellGrid::HeaderCellRect(const THeaderInfo& Info) const {
    const int H = FDefRowHeight;
    const TRect r{ColumnLeft(Info.Rc.Left) - 1, Info.Rc.Top * H - 1, ColumnLeft(Info.Rc.Right + 1),
                  (Info.Rc.Bottom + 1) * H};
    return r.Translated(FixedWidth - FHorzOffset, 0);
}

TRect TCellGrid::GutterCellRect(int ARow) const {
    const int H = FDefRowHeight;
    return TRect{-1, ARow * H - 1, FGutterWidth, (ARow + 1) * H}.Translated(0, FixedHeight - FVertOffset);
}

TRect TCellGrid::MergedCellRect(const TMergeCell& Cell) const {
    const int H = FDefRowHeight;
    const TRect r{ColumnLeft(Cell.Rc.Left) - 1, Cell.Rc.Top * H - 1, ColumnLeft(Cell.Rc.Right + 1),
                  Cell.Rc.Top * H + (Cell.Rc.Bottom - Cell.Rc.Top + 1) * H};
    return r.Translated(FixedWidth - FHorzOffset, FixedHeight - FVertOffset);
}

TRect TCellGrid::FooterCellRect(int ACol) const {
    const int B = FooterTop + FDefRowHeight + 1;
    return TRect{ColumnLeft(ACol) - 1, FooterTop, ColumnLeft(ACol + 1), B}.Translated(
        FixedWidth - FHorzOffset, 0);
}

namespace {
int floorDiv(int a, int b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}
} // namespace

void TCellGrid::RowsMeeting(int Top, int Bottom, int& First, int& Last) const {
    // Row r covers client rows r * H - 1 .. r * H + H - 1, moved by FixedHeight - VertOffset.
    const int H = FDefRowHeight;
    const int shift = FVertOffset - FixedHeight;
    First = std::max(floorDiv(Top + shift, H), 0);
    Last = std::min(-floorDiv(-(Bottom + shift + 1), H) - 1, FRowCount - 1);
    if (Bottom <= Top)
        Last = First - 1;
}

int TCellGrid::FirstVisibleRow() const {
    int first = 0;
    int last = 0;
    RowsMeeting(CellBox.Top, CellBox.Bottom, first, last);
    return first;
}

int TCellGrid::LastVisibleRow() const {
    int first = 0;
    int last = 0;
    RowsMeeting(CellBox.Top, CellBox.Bottom, first, last);
    return last;
}

QColor TCellGrid::CellColor(int ACol, int ARow) const {
    const TCellColumn& c = FColumns[ACol];
    QColor color = c.FColor;
    if (ARow % 2 != 0 && c.FColor == FColor)
        color = FAlternateColor;
    if (FEnabled && FSelectArea.ContainsCell(ACol, ARow) && !(ACol == FCol && ARow == FRow))
        color = FSelectionColor;
    return color;
}

QString TCellGrid::GutterText(int ARow) const {
    switch (FGutterKind) {
    case gkNumber:
        return QString::number(ARow + 1);
    case gkString:
        return ARow >= 0 && ARow < FGutterStrings.size() ? FGutterStrings[ARow] : QString();
    default:
        return QString();
    }
}

TRect TCellGrid::FrameRect() const {
    const TRect a = CellRect(FSelectArea.Left, FSelectArea.Top);
    const TRect b = CellRect(FSelectArea.Right, FSelectArea.Bottom);
    return {a.Left, a.Top, b.Right, b.Bottom};
}

// ---- Repaint requests

void TCellGrid::InvalidateRect(const TRect& R) {
    if (!R.IsEmpty())
        viewport()->update(R.ToQRect());
}

void TCellGrid::InvalidateAll() {
    viewport()->update();
}

void TCellGrid::InvalidateBody() {
    InvalidateRect({FixedWidth - 2, FixedHeight - 2, ClientWidth(), ClientHeight()});
}

void TCellGrid::InvalidateHeader() {
    InvalidateRect({0, 0, ClientWidth(), FixedHeight});
}

void TCellGrid::InvalidateGutter() {
    InvalidateRect({0, FixedHeight, FixedWidth, ClientHeight()});
}

void TCellGrid::InvalidateRightOf(int X) {
    InvalidateRect({X, 0, ClientWidth(), ClientHeight()});
}

void TCellGrid::InvalidateBelow(int Y) {
    InvalidateRect({0, Y, ClientWidth(), ClientHeight()});
}

void TCellGrid::InvalidateColumn(int ACol) {
    const int dx = FixedWidth - FHorzOffset;
    const int w = FColumns[ACol].FVisible ? FColumns[ACol].FWidth : 0;
    InvalidateRect({ColumnLeft(ACol) + dx - 3, 0, ColumnLeft(ACol) + w + dx + 3, ClientHeight()});
}

void TCellGrid::ColumnsChanged() {
    BuildHeader();
    InvalidateAll();
}

void TCellGrid::ColumnChanged(int ACol) {
    InvalidateColumn(ACol);
}

// ---- Window events

void TCellGrid::resizeEvent(QResizeEvent* Event) {
    QAbstractScrollArea::resizeEvent(Event);
    if (InLayout)
        return;
    RecalcLayout();
    if (ColCount() > 0)
        EnsureVisible(FCol, FRow);
}

void TCellGrid::showEvent(QShowEvent* Event) {
    QAbstractScrollArea::showEvent(Event);
    RecalcLayout();
}

void TCellGrid::changeEvent(QEvent* Event) {
    QAbstractScrollArea::changeEvent(Event);
    if (Event->type() == QEvent::FontChange) {
        for (auto& c : FColumns.FItems)
            c->FFont = font();
        InvalidateAll();
    }
}

void TCellGrid::scrollContentsBy(int, int) {
    // The offsets follow the bars through their value signals; the whole area is repainted, never scrolled.
}

void TCellGrid::focusInEvent(QFocusEvent* Event) {
    QAbstractScrollArea::focusInEvent(Event);
    CreateCaret();
    InvalidateBody();
}

void TCellGrid::focusOutEvent(QFocusEvent* Event) {
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

void TCellGrid::CreateCaret() {
    CaretCreated = true;
    CaretShown = false;
}

void TCellGrid::DestroyCaret() {
    HideCaret();
    CaretCreated = false;
}

void TCellGrid::ShowCaretAt(QPoint Pos) {
    if (!CaretCreated)
        return;
    HideCaret();
    CaretPos = Pos;
    CaretShown = true;
    InvalidateRect({Pos.x(), Pos.y(), Pos.x() + 1, Pos.y() + FDefRowHeight - 2});
}

void TCellGrid::HideCaret() {
    if (!CaretShown)
        return;
    CaretShown = false;
    InvalidateRect({CaretPos.x(), CaretPos.y(), CaretPos.x() + 1, CaretPos.y() + FDefRowHeight - 2});
}

} // namespace trimerka
