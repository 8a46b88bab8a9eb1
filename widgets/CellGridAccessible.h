#pragma once

#include <map>
#include <tuple>

#include <QAccessibleWidget>

namespace trimerka {

class CellGrid;

// The grid as assistive technology sees it: a table of rowCount rows and columnCount columns of body cells.
// The header band's cells are the column headers (a merged title heads every column it spans; a cell lists
// its column's own title first), the gutter's cells the row headers; the selection is selection and the
// current cell is the focused child while the grid has the keyboard focus. Children are numbered header
// cells first, then row by row the gutter cell (when there is a gutter) and the body cells.
class CellGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CellGridAccessible(CellGrid* grid);
    ~CellGridAccessible() override;
    CellGridAccessible(const CellGridAccessible&) = delete;
    CellGridAccessible& operator=(const CellGridAccessible&) = delete;

    enum class Part { Header, Gutter, Body };

    CellGrid* grid() const;
    // The child for a header cell (row is the header cell's index), a gutter cell or a body cell; cell
    // interfaces live as long as the grid's and follow the grid's present content.
    QAccessibleInterface* part(Part kind, int row, int column) const;

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    // A column's header texts from the top header line down, joined by ", " ("Сосуды, 8 литров").
    QString columnDescription(int column) const override;
    // The gutter's text of the row.
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    // The selection belongs to the grid and its window: assistive technology reads it but does not set it.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    // Forgets the cell interfaces that no longer name a cell of the grid.
    void dropStaleParts() const;

    mutable std::map<std::tuple<Part, int, int>, QAccessible::Id> parts_;
};

// Registers the grid's accessibility with Qt; the grid calls it when it is created.
void installCellGridAccessibility();
// Tells assistive technology that rows were appended or removed (rowCount went from `before` to its value).
void notifyGridRowCountChanged(CellGrid& grid, int before);
// Tells assistive technology that the current cell moved, so a reader follows it while the grid has focus.
void notifyGridCurrentCellChanged(CellGrid& grid);

} // namespace trimerka
