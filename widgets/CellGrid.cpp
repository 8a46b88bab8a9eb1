#include "widgets/CellGrid.h"

#include <algorithm>

#include <QApplication>
#include <QPalette>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "core/Error.h"
#include "platform/Fonts.h"
#include "widgets/CellEditor.h"
#include "widgets/CellGridAccessible.h"

namespace trimerka {

namespace {

const char* const kIndexError = "Cell Index out of bound.";

QColor systemColor(QPalette::ColorRole role) {
    return QApplication::palette().color(QPalette::Active, role);
}

} // namespace

// ---- CellGridDelegate: the answers that keep the grid's own behaviour

bool CellGridDelegate::drawCell(CellGrid&, QPainter&, int, int, const PixelRect&) {
    return false;
}

bool CellGridDelegate::drawBandCell(CellGrid&, QPainter&, GridBand, const PixelRect&, const QString&) {
    return false;
}

bool CellGridDelegate::acceptsCharacter(QWidget&, int, int, QChar) {
    return true;
}

bool CellGridDelegate::allowsCellChange(CellGrid&, int, int) {
    return true;
}

QString CellGridDelegate::changedCellText(CellGrid&, int, int, const QString& text) {
    return text;
}

QString CellGridDelegate::enteredCellText(CellGrid&, int, int, const QString& text) {
    return text;
}

QChar CellGridDelegate::typedCharacter(CellGrid&, QChar character) {
    return character;
}

CellGridDelegate& CellGrid::owner() const {
    static CellGridDelegate ownBehaviour;
    return delegate_ ? *delegate_ : ownBehaviour;
}

// ---- CellColumn

CellColumn::CellColumn(CellGrid* grid)
    : grid_(grid), width_(grid ? grid->defaultColumnWidth() : 80), font_(grid ? grid->font() : QFont()),
      color_(grid ? grid->color() : QColor(Qt::white)) {}

int CellColumn::index() const {
    return grid_ ? grid_->columns().indexOf(this) : -1;
}

QString CellColumn::displayName() const {
    return title_.isEmpty() ? QStringLiteral("Column %1").arg(index()) : title_;
}

void CellColumn::assign(const CellColumn& source) {
    title_ = source.title_;
    footer_ = source.footer_;
    width_ = source.width_;
    font_ = source.font_;
    color_ = source.color_;
    horizontalAlignment_ = source.horizontalAlignment_;
    verticalAlignment_ = source.verticalAlignment_;
    visible_ = source.visible_;
    tag_ = source.tag_;
    tag2_ = source.tag2_;
    hint_ = source.hint_;
    resizable_ = source.resizable_;
    readOnly_ = source.readOnly_;
    cells_ = source.cells_;
    thisColumnChanged();
}

void CellColumn::setTitle(const QString& value) {
    if (title_ == value)
        return;
    title_ = value;
    allColumnsChanged();
}

void CellColumn::setFooter(const QString& value) {
    if (footer_ == value)
        return;
    footer_ = value;
    thisColumnChanged();
}

void CellColumn::setWidth(int value) {
    if (width_ == value)
        return;
    width_ = value;
    allColumnsChanged();
}

void CellColumn::setFont(const QFont& value) {
    font_ = value;
    thisColumnChanged();
}

void CellColumn::setColor(const QColor& value) {
    if (color_ == value)
        return;
    color_ = value;
    thisColumnChanged();
}

void CellColumn::setHorizontalAlignment(HorizontalAlignment value) {
    if (horizontalAlignment_ == value)
        return;
    horizontalAlignment_ = value;
    thisColumnChanged();
}

void CellColumn::setVerticalAlignment(VerticalAlignment value) {
    if (verticalAlignment_ == value)
        return;
    verticalAlignment_ = value;
    thisColumnChanged();
}

void CellColumn::setVisible(bool value) {
    if (visible_ == value)
        return;
    visible_ = value;
    if (grid_)
        grid_->forcedColumn_ = index();
    allColumnsChanged();
}

void CellColumn::setCells(const CellEntries& value) {
    cells_ = value;
    thisColumnChanged();
}

void CellColumn::allColumnsChanged() {
    if (grid_ && grid_->columns_.indexOf(this) >= 0)
        grid_->columnsChanged();
}

void CellColumn::thisColumnChanged() {
    if (grid_) {
        const int i = grid_->columns_.indexOf(this);
        if (i >= 0)
            grid_->columnChanged(i);
    }
}

// ---- CellColumns

CellColumn& CellColumns::operator[](int index) {
    if (index < 0 || index >= count())
        throw Error(kIndexError);
    return *items_[static_cast<size_t>(index)];
}

const CellColumn& CellColumns::operator[](int index) const {
    if (index < 0 || index >= count())
        throw Error(kIndexError);
    return *items_[static_cast<size_t>(index)];
}

CellColumn& CellColumns::add() {
    return addItem(nullptr, -1);
}

CellColumn& CellColumns::addItem(std::unique_ptr<CellColumn> item, int index) {
    if (!item)
        item = std::make_unique<CellColumn>(grid_);
    item->grid_ = grid_;
    CellColumn& added = *item;
    if (index < 0 || index > count())
        items_.push_back(std::move(item));
    else
        items_.insert(items_.begin() + index, std::move(item));
    if (grid_)
        grid_->columnsChanged();
    return added;
}

void CellColumns::remove(int index) {
    if (index < 0 || index >= count())
        throw Error(kIndexError);
    items_.erase(items_.begin() + index);
    if (grid_)
        grid_->columnsChanged();
}

void CellColumns::clear() {
    items_.clear();
    if (grid_)
        grid_->columnsChanged();
}

void CellColumns::assign(const CellColumns& source) {
    if (&source == this)
        return;
    items_.clear();
    for (const auto& src : source.items_) {
        auto col = std::make_unique<CellColumn>(grid_);
        col->grid_ = nullptr; // no change reports while copying
        col->assign(*src);
        col->grid_ = grid_;
        items_.push_back(std::move(col));
    }
    if (grid_)
        grid_->columnsChanged();
}

int CellColumns::indexOf(const CellColumn* column) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == column)
            return static_cast<int>(i);
    return -1;
}

// ---- CellGrid: creation

CellGrid::CellGrid(Platform& platform, QWidget* parent)
    : QAbstractScrollArea(parent), columns_(this), platform_(platform) {
    color_ = systemColor(QPalette::Base);
    alternateColor_ = systemColor(QPalette::Base);
    gridColor_ = systemColor(QPalette::Button);
    headerColor_ = systemColor(QPalette::Button);
    headerLightColor_ = systemColor(QPalette::Light);
    headerDarkColor_ = systemColor(QPalette::Mid);
    setFont(tahoma(11));
    headerFont_ = tahoma(11);
    gutterFont_ = tahoma(11);
    footerFont_ = tahoma(11);

    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color_);
    pal.setColor(QPalette::Window, color_);
    setPalette(pal);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(lineStep_);
    verticalScrollBar()->setPageStep(pageStep_);
    horizontalScrollBar()->setSingleStep(lineStep_);
    horizontalScrollBar()->setPageStep(pageStep_);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CellGrid::verticalBarMoved);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &CellGrid::horizontalBarMoved);
    resize(200, 200);
    recalculateLayout();
    installCellGridAccessibility();
}

CellGrid::~CellGrid() {
    // Columns report changes to their grid; the grid is going away, so they must not.
    for (auto& c : columns_.items_)
        c->grid_ = nullptr;
}

// ---- Properties

void CellGrid::setColumnCount(int value) {
    if (value < 0)
        value = 0;
    if (value == columnCount())
        return;
    while (columnCount() > value)
        columns_.items_.pop_back();
    while (columnCount() < value)
        columns_.items_.push_back(std::make_unique<CellColumn>(this));
    horizontalOffset_ = 0;
    verticalOffset_ = 0;
    if (rowCount_ <= 0 || columnCount() == 0) {
        currentColumn_ = -1;
        currentRow_ = -1;
    } else {
        currentColumn_ = std::max(std::min(currentColumn_, columnCount() - 1), 0);
        currentRow_ = std::max(std::min(currentRow_, rowCount_ - 1), 0);
    }
    selection_ = {currentColumn_, currentRow_, currentColumn_, currentRow_};
    buildHeader();
    invalidateAll();
    reportCurrentCell();
}

void CellGrid::setRowCount(int value) {
    if (value == rowCount_)
        return;
    const int before = rowCount_;
    rowCount_ = value;
    if (value <= 0 || columnCount() == 0) {
        currentColumn_ = -1;
        currentRow_ = -1;
    } else {
        currentColumn_ = std::max(std::min(currentColumn_, columnCount() - 1), 0);
        currentRow_ = std::max(std::min(currentRow_, value - 1), 0);
    }
    selection_ = {currentColumn_, currentRow_, currentColumn_, currentRow_};
    recalculateLayout();
    invalidateAll();
    notifyGridRowCountChanged(*this, before);
    reportCurrentCell();
}

void CellGrid::setRowHeight(int value) {
    // Every row position divides by the height: a height below one pixel is taken as one.
    value = std::max(value, 1);
    if (value == rowHeight_)
        return;
    rowHeight_ = value;
    lineStep_ = value;
    pageStep_ = 5 * value;
    verticalScrollBar()->setSingleStep(lineStep_);
    verticalScrollBar()->setPageStep(pageStep_);
    horizontalScrollBar()->setSingleStep(lineStep_);
    horizontalScrollBar()->setPageStep(pageStep_);
    recalculateLayout();
    invalidateAll();
}

void CellGrid::setDefaultColumnWidth(int value) {
    if (value == defaultColumnWidth_)
        return;
    defaultColumnWidth_ = value;
    if (!autoColumnWidth_) {
        recalculateLayout();
        invalidateAll();
    }
}

void CellGrid::setHeaderLines(int value) {
    if (value == headerLines_)
        return;
    headerLines_ = value;
    buildHeader();
    invalidateAll();
}

void CellGrid::setGutterContent(GutterContent value) {
    if (value == gutterContent_)
        return;
    const bool bandChanges = value == GutterContent::None || gutterContent_ == GutterContent::None;
    gutterContent_ = value;
    recalculateLayout();
    if (bandChanges)
        invalidateAll();
    else
        invalidateGutter();
}

void CellGrid::setGutterWidth(int value) {
    if (value == gutterWidth_)
        return;
    gutterWidth_ = value;
    recalculateLayout();
    invalidateAll();
}

void CellGrid::setGutterTexts(const QStringList& value) {
    gutterTexts_ = value;
    if (gutterContent_ == GutterContent::Texts)
        invalidateGutter();
}

void CellGrid::setShowFooter(bool value) {
    if (value == showFooter_)
        return;
    showFooter_ = value;
    recalculateLayout();
    invalidateAll();
}

void CellGrid::setColor(const QColor& value) {
    if (value == color_)
        return;
    color_ = value;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color_);
    pal.setColor(QPalette::Window, color_);
    setPalette(pal);
    invalidateAll();
}

void CellGrid::setAlternateColor(const QColor& value) {
    if (value == alternateColor_)
        return;
    alternateColor_ = value;
    invalidateBody();
}

void CellGrid::setGridColor(const QColor& value) {
    if (value == gridColor_)
        return;
    gridColor_ = value;
    invalidateBody();
}

void CellGrid::setSelectionColor(const QColor& value) {
    if (value == selectionColor_)
        return;
    selectionColor_ = value;
    invalidateBody();
}

void CellGrid::setShowGrid(bool value) {
    if (value == showGrid_)
        return;
    showGrid_ = value;
    invalidateBody();
}

void CellGrid::setFlat(bool value) {
    if (value == flat_)
        return;
    flat_ = value;
    invalidateAll();
}

void CellGrid::setHeaderColor(const QColor& value) {
    if (value == headerColor_)
        return;
    headerColor_ = value;
    invalidateAll();
}

void CellGrid::setHeaderLightColor(const QColor& value) {
    if (value == headerLightColor_)
        return;
    headerLightColor_ = value;
    invalidateAll();
}

void CellGrid::setHeaderDarkColor(const QColor& value) {
    if (value == headerDarkColor_)
        return;
    headerDarkColor_ = value;
    invalidateAll();
}

void CellGrid::setHeaderFont(const QFont& value) {
    headerFont_ = value;
    invalidateHeader();
}

void CellGrid::setGutterFont(const QFont& value) {
    gutterFont_ = value;
    invalidateGutter();
}

void CellGrid::setFooterFont(const QFont& value) {
    footerFont_ = value;
    invalidateAll();
}

void CellGrid::setAutoColumnWidth(bool value) {
    if (value == autoColumnWidth_)
        return;
    autoColumnWidth_ = value;
    recalculateLayout();
    invalidateAll();
}

void CellGrid::setFitToWidth(bool value) {
    if (value == fitToWidth_)
        return;
    fitToWidth_ = value;
    horizontalOffset_ = 0;
    recalculateLayout();
    invalidateAll();
}

void CellGrid::setCellsEnabled(bool value) {
    if (value == cellsEnabled_)
        return;
    cellsEnabled_ = value;
    invalidateAll();
}

// ---- Cells and rows

void CellGrid::checkCell(int column, int row) const {
    if (column < 0 || row < 0 || column > columnCount() - 1 || row > rowCount_ - 1)
        throw Error(kIndexError);
}

QString CellGrid::cellText(int column, int row) const {
    checkCell(column, row);
    const CellEntries& s = columns_[column].cells_;
    return static_cast<size_t>(row) < s.size() ? s[static_cast<size_t>(row)].text : QString();
}

int CellGrid::cellMark(int column, int row) const {
    checkCell(column, row);
    const CellEntries& s = columns_[column].cells_;
    return static_cast<size_t>(row) < s.size() ? s[static_cast<size_t>(row)].mark : 0;
}

void CellGrid::setCellMark(int column, int row, int value) {
    checkCell(column, row);
    CellEntries& s = columns_[column].cells_;
    if (s.size() <= static_cast<size_t>(row))
        s.resize(static_cast<size_t>(row) + 1);
    s[static_cast<size_t>(row)].mark = value;
}

void CellGrid::storeCell(int column, int row, bool byUser, const QString& value) {
    if (columnCount() == 0 || rowCount_ <= 0)
        return;
    if (byUser && column >= 0 && column < columnCount() && columns_[column].readOnly_)
        return;
    checkCell(column, row);
    CellEntries& s = columns_[column].cells_;
    const auto r = static_cast<size_t>(row);
    if (s.size() <= r)
        s.resize(r + 1);
    if (s[r].text == value)
        return;
    if (byUser) {
        if (!owner().allowsCellChange(*this, column, row))
            return;
        const QString str = owner().changedCellText(*this, column, row, value);
        // The delegate may have touched the list (a row operation); take it again.
        CellEntries& t = columns_[column].cells_;
        if (t.size() <= r)
            t.resize(r + 1);
        t[r].text = str;
    } else {
        s[r].text = value;
    }
    if (!updating_)
        repaintCell(column, row);
}

void CellGrid::beginUpdate() {
    updating_ = true;
    endEditing();
}

void CellGrid::endUpdate() {
    updating_ = false;
    buildHeader();
    invalidateAll();
}

void CellGrid::clear() {
    for (auto& c : columns_.items_)
        c->cells_.clear();
    invalidateBody();
}

int CellGrid::addRow() {
    endEditing();
    const auto n = static_cast<size_t>(std::max(rowCount_, 0));
    for (auto& c : columns_.items_) {
        if (c->cells_.size() < n + 1)
            c->cells_.resize(n + 1);
        c->cells_[n].text.clear();
    }
    setRowCount(static_cast<int>(n) + 1);
    return rowCount_ - 1;
}

void CellGrid::insertRow(int row) {
    endEditing();
    if (row < 0 || row >= rowCount_)
        return;
    const auto r = static_cast<size_t>(row);
    for (auto& c : columns_.items_) {
        if (c->cells_.size() < r)
            c->cells_.resize(r);
        c->cells_.insert(c->cells_.begin() + row, CellEntry{});
    }
    setRowCount(rowCount_ + 1);
}

void CellGrid::removeRow(int row) {
    endEditing();
    if (row < 0 || row >= rowCount_)
        return;
    const auto r = static_cast<size_t>(row);
    for (auto& c : columns_.items_) {
        CellEntries& s = c->cells_;
        if (s.size() <= r)
            continue;
        for (size_t i = r; i + 1 < s.size(); ++i)
            s[i].text = s[i + 1].text;
        s.back().text.clear();
    }
    if (currentRow_ == rowCount_ - 1)
        --currentRow_;
    setRowCount(rowCount_ - 1);
}

HeaderCell CellGrid::headerCell(int index) const {
    if (index < 0 || index >= headerCellCount())
        throw Error(kIndexError);
    return headerCells_[static_cast<size_t>(index)];
}

MergedCell& CellGrid::mergeCells(int left, int top, int right, int bottom, const QString& caption) {
    auto m = std::make_unique<MergedCell>();
    m->cells = {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    m->caption = caption;
    m->color = color_;
    m->font = font();
    MergedCell& added = *m;
    mergedCells_.push_back(std::move(m));
    if (!updating_) {
        recalculateLayout();
        invalidateAll();
    }
    return added;
}

void CellGrid::clearMergedCells() {
    for (auto& c : columns_.items_)
        for (auto& e : c->cells_)
            e.mark = 0;
    mergedCells_.clear();
}

void CellGrid::applyMergedCells() {
    for (const auto& m : mergedCells_) {
        for (int c = std::max(m->cells.left, 0); c <= m->cells.right && c < columnCount(); ++c) {
            // Rows beyond the grid are skipped like columns, so a shrunken grid still lays out.
            for (int r = std::max(m->cells.top, 0); r <= m->cells.bottom && r < rowCount_; ++r) {
                storeCell(c, r, false, QString());
                setCellMark(c, r, kCoveredCellMark);
            }
        }
    }
}

// ---- Current cell, selection, offsets

void CellGrid::setCurrentColumn(int value) {
    if (value == currentColumn_)
        return;
    endEditing();
    currentColumn_ = value;
    cornerColumn_ = value;
    cornerRow_ = currentRow_;
    typedText_.clear();
    setSelection({currentColumn_, currentRow_, currentColumn_, currentRow_});
    invalidateRightOf(fixedWidth_);
    reportCurrentCell();
}

void CellGrid::setCurrentRow(int value) {
    if (value == currentRow_)
        return;
    endEditing();
    currentRow_ = value;
    cornerRow_ = value;
    cornerColumn_ = currentColumn_;
    typedText_.clear();
    setSelection({currentColumn_, currentRow_, currentColumn_, currentRow_});
    invalidateBelow(fixedHeight_);
    reportCurrentCell();
}

void CellGrid::changeSelection(const CellRange& value, bool force, FillHandlePlace place) {
    if (!force && value == selection_)
        return;
    endEditing();
    fillHandlePlace_ = place;
    const PixelRect before = selectionFrameRect();
    selection_ = value;
    const PixelRect after = selectionFrameRect();
    PixelRect u = after;
    if (!before.isEmpty()) {
        if (after.isEmpty())
            u = before;
        else
            u = {std::min(before.left, after.left), std::min(before.top, after.top),
                 std::max(before.right, after.right), std::max(before.bottom, after.bottom)};
    }
    invalidateRect(u.adjusted(-3, -3, 3, 3));
    if (gutterContent_ == GutterContent::Pointer)
        invalidateGutter();
}

void CellGrid::setHorizontalOffset(int value) {
    if (value == horizontalOffset_)
        return;
    horizontalOffset_ = std::clamp(value, 0, std::max(maxHorizontalOffset_, 0));
    updateHorizontalBar();
    invalidateRightOf(fixedWidth_);
}

void CellGrid::setVerticalOffset(int value) {
    if (value == verticalOffset_)
        return;
    value = std::clamp(value, 0, std::max(maxVerticalOffset_, 0));
    verticalOffset_ = value - value % rowHeight_;
    updateVerticalBar();
    invalidateBelow(fixedHeight_);
}

void CellGrid::reportCurrentCell() {
    // The linked grid may have fewer rows (a program set this grid's count): its current row stays one of its
    // own rows.
    if (linkedGrid_ && !linkedGrid_->passingRowChange_)
        linkedGrid_->setCurrentRow(std::min(currentRow_, linkedGrid_->rowCount() - 1));
    emit currentCellChanged(currentColumn_, currentRow_);
    notifyGridCurrentCellChanged(*this);
}

void CellGrid::endEditing() {
    hideCaret();
    if (editing_) {
        editing_ = false;
        if (editor_)
            editor_->hide();
    }
}

QColor CellGrid::cellColor(int column, int row) const {
    const CellColumn& c = columns_[column];
    QColor color = c.color_;
    if (row % 2 != 0 && c.color_ == color_)
        color = alternateColor_;
    if (cellsEnabled_ && selection_.contains(column, row) &&
        !(column == currentColumn_ && row == currentRow_))
        color = selectionColor_;
    return color;
}

QString CellGrid::gutterText(int row) const {
    switch (gutterContent_) {
    case GutterContent::Numbers:
        return QString::number(row + 1);
    case GutterContent::Texts:
        return row >= 0 && row < gutterTexts_.size() ? gutterTexts_[row] : QString();
    default:
        return QString();
    }
}

// ---- Repaint requests

void CellGrid::invalidateRect(const PixelRect& rect) {
    if (!rect.isEmpty())
        viewport()->update(rect.toQRect());
}

void CellGrid::invalidateAll() {
    viewport()->update();
}

void CellGrid::invalidateBody() {
    invalidateRect({fixedWidth_ - 2, fixedHeight_ - 2, clientWidth(), clientHeight()});
}

void CellGrid::invalidateHeader() {
    invalidateRect({0, 0, clientWidth(), fixedHeight_});
}

void CellGrid::invalidateGutter() {
    invalidateRect({0, fixedHeight_, fixedWidth_, clientHeight()});
}

void CellGrid::invalidateRightOf(int x) {
    invalidateRect({x, 0, clientWidth(), clientHeight()});
}

void CellGrid::invalidateBelow(int y) {
    invalidateRect({0, y, clientWidth(), clientHeight()});
}

void CellGrid::invalidateColumn(int column) {
    const int dx = fixedWidth_ - horizontalOffset_;
    const int w = columns_[column].visible_ ? columns_[column].width_ : 0;
    invalidateRect({columnLeft(column) + dx - 3, 0, columnLeft(column) + w + dx + 3, clientHeight()});
}

void CellGrid::columnsChanged() {
    buildHeader();
    invalidateAll();
}

void CellGrid::columnChanged(int column) {
    invalidateColumn(column);
}

// ---- Window events

void CellGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (inLayout_)
        return;
    recalculateLayout();
    if (columnCount() > 0)
        ensureVisible(currentColumn_, currentRow_);
}

void CellGrid::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    recalculateLayout();
}

void CellGrid::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        for (auto& c : columns_.items_)
            c->font_ = font();
        invalidateAll();
    }
}

void CellGrid::scrollContentsBy(int, int) {
    // The offsets follow the bars through their value signals; the whole area is repainted, never scrolled.
}

void CellGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    createCaret();
    invalidateBody();
}

void CellGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    QWidget* to = QApplication::focusWidget();
    const bool toEditor = editor_ && to && (to == editor_ || editor_->isAncestorOf(to));
    if (!toEditor)
        endEditing();
    destroyCaret();
    if (!editing_)
        invalidateBody();
}

// ---- Caret

void CellGrid::createCaret() {
    caretCreated_ = true;
    caretShown_ = false;
}

void CellGrid::destroyCaret() {
    hideCaret();
    caretCreated_ = false;
}

void CellGrid::showCaretAt(QPoint position) {
    if (!caretCreated_)
        return;
    hideCaret();
    caretPos_ = position;
    caretShown_ = true;
    invalidateRect({position.x(), position.y(), position.x() + 1, position.y() + rowHeight_ - 2});
}

void CellGrid::hideCaret() {
    if (!caretShown_)
        return;
    caretShown_ = false;
    invalidateRect({caretPos_.x(), caretPos_.y(), caretPos_.x() + 1, caretPos_.y() + rowHeight_ - 2});
}

} // namespace trimerka
