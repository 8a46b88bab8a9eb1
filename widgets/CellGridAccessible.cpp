#include "widgets/CellGridAccessible.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "widgets/CellGrid.h"

namespace trimerka {

namespace {

using Part = CellGridAccessible::Part;

// The header cells over a column, from the top header line down.
std::vector<int> headerCellsOver(const CellGrid& grid, int column) {
    std::vector<std::pair<int, int>> lines; // header line, header cell
    for (int i = 0; i < grid.headerCellCount(); ++i) {
        const CellRange& span = grid.headerCell(i).cells;
        if (column >= span.left && column <= span.right) {
            lines.emplace_back(span.top, i);
        }
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> cells;
    for (const auto& line : lines) {
        cells.push_back(line.second);
    }
    return cells;
}

int gutterColumns(const CellGrid& grid) {
    return grid.gutterContent() == GutterContent::None ? 0 : 1;
}

// The inclusive selection cut to the cells the grid has; empty (Right < Left) when there are none.
CellRange selectedCellsOf(const CellGrid& grid) {
    const CellRange& a = grid.selection();
    return {std::max(a.left, 0), std::max(a.top, 0), std::min(a.right, grid.columnCount() - 1),
            std::min(a.bottom, grid.rowCount() - 1)};
}

QRect toScreen(const CellGrid& grid, const PixelRect& r) {
    const QRect local = r.toQRect();
    return {grid.viewport()->mapToGlobal(local.topLeft()), local.size()};
}

// One header, gutter or body cell. It keeps only its place, so it always reports what the grid holds there.
class GridPartAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridPartAccessible(CellGrid* grid, Part kind, int row, int column)
        : grid_(grid), kind_(kind), row_(row), column_(column) {}

    Part kind() const { return kind_; }

    bool isValid() const override {
        if (!grid_) {
            return false;
        }
        switch (kind_) {
        case Part::Header:
            return row_ >= 0 && row_ < grid_->headerCellCount();
        case Part::Gutter:
            return gutterColumns(*grid_) == 1 && row_ >= 0 && row_ < grid_->rowCount();
        case Part::Body:
            return row_ >= 0 && row_ < grid_->rowCount() && column_ >= 0 && column_ < grid_->columnCount();
        }
        return false;
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return grid_ ? QAccessible::queryAccessibleInterface(grid_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) {
            return QString();
        }
        switch (kind_) {
        case Part::Header:
            return grid_->headerCell(row_).text;
        case Part::Gutter:
            return grid_->gutterText(row_);
        case Part::Body:
            return bodyText();
        }
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) {
            return QRect();
        }
        return toScreen(*grid_, clientRect());
    }

    QAccessible::Role role() const override {
        switch (kind_) {
        case Part::Header:
            return QAccessible::ColumnHeader;
        case Part::Gutter:
            return QAccessible::RowHeader;
        case Part::Body:
            return QAccessible::Cell;
        }
        return QAccessible::Cell;
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.readOnly = true;
        s.disabled = !grid_->cellsEnabled() || !grid_->isEnabled();
        s.offscreen = kind_ != Part::Header && !clientRect().intersects(grid_->cellBox());
        if (kind_ == Part::Body) {
            const CellColumn& column = grid_->columns()[column_];
            s.readOnly = grid_->isReadOnly() || column.isReadOnly();
            s.invisible = !column.isVisible();
            s.selectable = true;
            s.focusable = true;
            s.selected = isSelected();
            s.focused = grid_->hasFocus() && grid_->currentColumn() == column_ && grid_->currentRow() == row_;
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface && kind_ == Part::Body) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return nullptr;
    }

    // QAccessibleTableCellInterface, for body cells.
    bool isSelected() const override {
        return isValid() && kind_ == Part::Body && grid_->selection().contains(column_, row_);
    }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    QAccessibleInterface* table() const override { return parent(); }

    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QList<QAccessibleInterface*> headers;
        const CellGridAccessible* owner = tableOwner();
        if (!owner) {
            return headers;
        }
        // The column's own title first, then the merged titles above it: a reader that names one header per
        // column says "Сосуд А" rather than the "Сосуды" all three vessel columns share.
        const std::vector<int> cells = headerCellsOver(*grid_, column_);
        for (auto cell = cells.rbegin(); cell != cells.rend(); ++cell) {
            headers << owner->part(Part::Header, *cell, 0);
        }
        return headers;
    }

    QList<QAccessibleInterface*> rowHeaderCells() const override {
        const CellGridAccessible* owner = tableOwner();
        if (!owner || gutterColumns(*grid_) == 0) {
            return {};
        }
        return {owner->part(Part::Gutter, row_, 0)};
    }

private:
    const CellGridAccessible* tableOwner() const {
        return isValid() ? dynamic_cast<const CellGridAccessible*>(parent()) : nullptr;
    }

    PixelRect clientRect() const {
        switch (kind_) {
        case Part::Header:
            return grid_->headerCellRect(grid_->headerCell(row_));
        case Part::Gutter:
            return grid_->gutterCellRect(row_);
        case Part::Body:
            return grid_->cellRect(column_, row_);
        }
        return PixelRect();
    }

    // A cell covered by a merged cell shows the merged cell's caption.
    QString bodyText() const {
        if (grid_->cellMark(column_, row_) == kCoveredCellMark) {
            for (const auto& merged : grid_->mergedCells()) {
                if (merged->cells.contains(column_, row_)) {
                    return merged->caption;
                }
            }
        }
        return grid_->cellText(column_, row_);
    }

    QPointer<CellGrid> grid_;
    Part kind_;
    int row_;
    int column_;
};

QAccessibleInterface* gridFactory(const QString& className, QObject* object) {
    if (object && object->isWidgetType() &&
        className == QLatin1String(CellGrid::staticMetaObject.className())) {
        return new CellGridAccessible(static_cast<CellGrid*>(object));
    }
    return nullptr;
}

} // namespace

CellGridAccessible::CellGridAccessible(CellGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

CellGridAccessible::~CellGridAccessible() {
    for (const auto& [key, id] : parts_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

CellGrid* CellGridAccessible::grid() const {
    return static_cast<CellGrid*>(widget());
}

QAccessibleInterface* CellGridAccessible::part(Part kind, int row, int column) const {
    const auto key = std::make_tuple(kind, row, column);
    if (const auto found = parts_.find(key); found != parts_.end()) {
        // A place the grid no longer has keeps its interface for when it comes back.
        QAccessibleInterface* cell = QAccessible::accessibleInterface(found->second);
        return cell && cell->isValid() ? cell : nullptr;
    }
    auto* cell = new GridPartAccessible(grid(), kind, row, column);
    if (!cell->isValid()) {
        delete cell;
        return nullptr;
    }
    parts_.emplace(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

void* CellGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

int CellGridAccessible::childCount() const {
    const CellGrid* g = grid();
    return g->headerCellCount() + std::max(g->rowCount(), 0) * (g->columnCount() + gutterColumns(*g));
}

QAccessibleInterface* CellGridAccessible::child(int index) const {
    const CellGrid* g = grid();
    if (index < 0) {
        return nullptr;
    }
    if (index < g->headerCellCount()) {
        return part(Part::Header, index, 0);
    }
    index -= g->headerCellCount();
    const int gutter = gutterColumns(*g);
    const int stride = g->columnCount() + gutter;
    if (stride == 0) {
        return nullptr;
    }
    const int row = index / stride;
    const int place = index % stride;
    if (gutter && place == 0) {
        return part(Part::Gutter, row, 0);
    }
    return part(Part::Body, row, place - gutter);
}

int CellGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const GridPartAccessible*>(child);
    if (!cell || !cell->isValid() || cell->parent() != this) {
        return -1;
    }
    const CellGrid* g = grid();
    const int headers = g->headerCellCount();
    const int gutter = gutterColumns(*g);
    const int stride = g->columnCount() + gutter;
    switch (cell->kind()) {
    case Part::Header:
        return cell->rowIndex();
    case Part::Gutter:
        return headers + cell->rowIndex() * stride;
    case Part::Body:
        return headers + cell->rowIndex() * stride + gutter + cell->columnIndex();
    }
    return -1;
}

QAccessibleInterface* CellGridAccessible::childAt(int x, int y) const {
    const CellGrid* g = grid();
    const QPoint p = g->viewport()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < g->headerCellCount(); ++i) {
        if (g->headerCellRect(g->headerCell(i)).contains(p)) {
            return part(Part::Header, i, 0);
        }
    }
    const int row = g->rowAt(p.y());
    if (row < 0) {
        return nullptr;
    }
    if (gutterColumns(*g) && p.x() >= 0 && p.x() < g->fixedWidth()) {
        return part(Part::Gutter, row, 0);
    }
    const int column = g->columnAt(p.x());
    return column >= 0 ? part(Part::Body, row, column) : nullptr;
}

QAccessibleInterface* CellGridAccessible::focusChild() const {
    const CellGrid* g = grid();
    if (g->hasFocus()) {
        return cellAt(g->currentRow(), g->currentColumn());
    }
    return QAccessibleWidget::focusChild();
}

QAccessibleInterface* CellGridAccessible::cellAt(int row, int column) const {
    return part(Part::Body, row, column);
}

int CellGridAccessible::selectedCellCount() const {
    const CellRange a = selectedCellsOf(*grid());
    return a.right < a.left || a.bottom < a.top ? 0 : (a.right - a.left + 1) * (a.bottom - a.top + 1);
}

QList<QAccessibleInterface*> CellGridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    const CellRange a = selectedCellsOf(*grid());
    for (int row = a.top; row <= a.bottom; ++row) {
        for (int column = a.left; column <= a.right; ++column) {
            cells << cellAt(row, column);
        }
    }
    return cells;
}

QString CellGridAccessible::columnDescription(int column) const {
    const CellGrid* g = grid();
    QStringList titles;
    for (int cell : headerCellsOver(*g, column)) {
        const QString title = g->headerCell(cell).text;
        if (!title.isEmpty()) {
            titles << title;
        }
    }
    return titles.join(QStringLiteral(", "));
}

QString CellGridAccessible::rowDescription(int row) const {
    const CellGrid* g = grid();
    return row >= 0 && row < g->rowCount() ? g->gutterText(row) : QString();
}

int CellGridAccessible::columnCount() const {
    return grid()->columnCount();
}

int CellGridAccessible::rowCount() const {
    return std::max(grid()->rowCount(), 0);
}

QList<int> CellGridAccessible::selectedColumns() const {
    QList<int> columns;
    for (int column = 0; column < columnCount(); ++column) {
        if (isColumnSelected(column)) {
            columns << column;
        }
    }
    return columns;
}

QList<int> CellGridAccessible::selectedRows() const {
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        if (isRowSelected(row)) {
            rows << row;
        }
    }
    return rows;
}

bool CellGridAccessible::isColumnSelected(int column) const {
    const CellRange& a = grid()->selection();
    return rowCount() > 0 && column >= 0 && column < columnCount() && a.top <= 0 &&
           a.bottom >= rowCount() - 1 && column >= a.left && column <= a.right;
}

bool CellGridAccessible::isRowSelected(int row) const {
    const CellRange& a = grid()->selection();
    return columnCount() > 0 && row >= 0 && row < rowCount() && a.left <= 0 && a.right >= columnCount() - 1 &&
           row >= a.top && row <= a.bottom;
}

void CellGridAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    dropStaleParts();
}

void CellGridAccessible::dropStaleParts() const {
    for (auto it = parts_.begin(); it != parts_.end();) {
        QAccessibleInterface* cell = QAccessible::accessibleInterface(it->second);
        if (cell && cell->isValid()) {
            ++it;
            continue;
        }
        if (cell) {
            QAccessible::deleteAccessibleInterface(it->second);
        }
        it = parts_.erase(it);
    }
}

void installCellGridAccessibility() {
    // Qt keeps a factory once however often it is installed.
    QAccessible::installFactory(gridFactory);
}

void notifyGridRowCountChanged(CellGrid& grid, int before) {
    const int after = std::max(grid.rowCount(), 0);
    before = std::max(before, 0);
    if (!QAccessible::isActive() || after == before) {
        return;
    }
    QAccessibleTableModelChangeEvent event(&grid, after > before
                                                      ? QAccessibleTableModelChangeEvent::RowsInserted
                                                      : QAccessibleTableModelChangeEvent::RowsRemoved);
    event.setFirstRow(std::min(before, after));
    event.setLastRow(std::max(before, after) - 1);
    event.setFirstColumn(0);
    event.setLastColumn(std::max(grid.columnCount() - 1, 0));
    QAccessible::updateAccessibility(&event);
}

void notifyGridCurrentCellChanged(CellGrid& grid) {
    // Only the control with the keyboard focus may move a reader's attention.
    if (!QAccessible::isActive() || !grid.hasFocus()) {
        return;
    }
    const auto* table = dynamic_cast<CellGridAccessible*>(QAccessible::queryAccessibleInterface(&grid));
    if (QAccessibleInterface* cell =
            table ? table->cellAt(grid.currentRow(), grid.currentColumn()) : nullptr) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace trimerka
