#pragma once

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
#include "widgets/GridGeometry.h"

class QPainter;
class QRegion;

namespace trimerka {

class CellGrid;
class CellEditor;
class Platform;

enum class HorizontalAlignment { Left, Center, Right };
enum class VerticalAlignment { Top, Center, Bottom };
// What the gutter shows in each row: nothing (no gutter band), blank cells, a pointer at the current row,
// row numbers from 1, or the gutter texts.
enum class GutterContent { None, Blank, Pointer, Numbers, Texts };
// The bands of cells around the body, for a delegate that draws them.
enum class GridBand { Header, Gutter, Footer };

// One body cell merged over a block of cells.
struct MergedCell {
    QString caption;
    CellRange cells;
    QColor color;
    QFont font;
    HorizontalAlignment horizontalAlignment = HorizontalAlignment::Center;
    VerticalAlignment verticalAlignment = VerticalAlignment::Center;
};

// One stored cell of a column: its text and the integer mark (kCoveredCellMark under a merged cell).
struct CellEntry {
    QString text;
    int mark = 0;
    friend bool operator==(const CellEntry&, const CellEntry&) = default;
};
using CellEntries = std::vector<CellEntry>;

class CellColumn {
public:
    explicit CellColumn(CellGrid* grid);

    CellGrid* grid() const { return grid_; }
    int index() const;
    // The name design tools show: the title, or "Column N" when it is empty.
    QString displayName() const;
    // Copies every field but the grid, then reports a change of this column.
    void assign(const CellColumn& source);

    const QString& title() const { return title_; }
    void setTitle(const QString& value);
    const QString& footer() const { return footer_; }
    void setFooter(const QString& value);
    int width() const { return width_; }
    void setWidth(int value);
    const QFont& font() const { return font_; }
    void setFont(const QFont& value);
    const QColor& color() const { return color_; }
    void setColor(const QColor& value);
    HorizontalAlignment horizontalAlignment() const { return horizontalAlignment_; }
    void setHorizontalAlignment(HorizontalAlignment value);
    VerticalAlignment verticalAlignment() const { return verticalAlignment_; }
    void setVerticalAlignment(VerticalAlignment value);
    bool isVisible() const { return visible_; }
    void setVisible(bool value);
    int tag() const { return tag_; }
    void setTag(int value) { tag_ = value; }
    int tag2() const { return tag2_; }
    void setTag2(int value) { tag2_ = value; }
    const QString& hint() const { return hint_; }
    void setHint(const QString& value) { hint_ = value; }
    const CellEntries& cells() const { return cells_; }
    void setCells(const CellEntries& value);
    bool isResizable() const { return resizable_; }
    void setResizable(bool value) { resizable_ = value; }
    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool value) { readOnly_ = value; }

private:
    friend class CellGrid;
    friend class CellColumns;
    void allColumnsChanged();
    void thisColumnChanged();

    CellGrid* grid_;
    QString title_;
    QString footer_;
    int width_;
    QFont font_;
    QColor color_;
    HorizontalAlignment horizontalAlignment_ = HorizontalAlignment::Left;
    VerticalAlignment verticalAlignment_ = VerticalAlignment::Center;
    bool visible_ = true;
    int tag_ = 0;
    int tag2_ = 0;
    QString hint_;
    CellEntries cells_;
    bool resizable_ = true;
    bool readOnly_ = false;
};

// The grid's columns in index order. Adding, removing or assigning columns is an all-columns change.
class CellColumns {
public:
    explicit CellColumns(CellGrid* grid) : grid_(grid) {}
    CellColumns(const CellColumns&) = delete;
    CellColumns& operator=(const CellColumns&) = delete;

    CellGrid* grid() const { return grid_; }
    int count() const { return static_cast<int>(items_.size()); }
    // Checked access: an index outside the collection raises "Cell Index out of bound.".
    CellColumn& operator[](int index);
    const CellColumn& operator[](int index) const;
    CellColumn& add();
    // Places Item (a new column when null) at Index, or last when Index is negative.
    CellColumn& addItem(std::unique_ptr<CellColumn> item, int index);
    CellColumn& insert(int index) { return addItem(nullptr, index); }
    void remove(int index);
    void clear();
    // Makes this collection a column-by-column copy of Source.
    void assign(const CellColumns& source);
    int indexOf(const CellColumn* column) const;

private:
    friend class CellGrid;
    CellGrid* grid_;
    std::vector<std::unique_ptr<CellColumn>> items_;
};

// What the grid asks its owner. Every answer has a default that keeps the grid's own behaviour, so an owner
// overrides only what it needs.
class CellGridDelegate {
public:
    virtual ~CellGridDelegate() = default;
    // Draws a body cell in place of the grid (true), or leaves it to the grid (false). The painter comes with
    // the cell's font, the grid colour as pen and the cell's colour as brush.
    virtual bool drawCell(CellGrid& grid, QPainter& painter, int column, int row, const PixelRect& rect);
    // The same for a cell of a band; the painter comes with the band's font and colours.
    virtual bool drawBandCell(CellGrid& grid, QPainter& painter, GridBand band, const PixelRect& rect,
                              const QString& text);
    // Whether a character typed into the cell may enter it; typedInto is the grid or its in-place editor.
    virtual bool acceptsCharacter(QWidget& typedInto, int column, int row, QChar character);
    // Whether the user may change the cell's text at all.
    virtual bool allowsCellChange(CellGrid& grid, int column, int row);
    // The text a change by the user stores in the cell.
    virtual QString changedCellText(CellGrid& grid, int column, int row, const QString& text);
    // The text Enter commits to the current cell.
    virtual QString enteredCellText(CellGrid& grid, int column, int row, const QString& text);
    // The character the grid takes from a key; a null character stops the typing of it.
    virtual QChar typedCharacter(CellGrid& grid, QChar character);
};

// The self-drawn table: a header band of merged title cells, a gutter band, an optional footer line and a
// body of text cells stored column by column. The viewport is the client area; all client coordinates are
// viewport coordinates. The clipboard and the general error report are the program's platform services, which
// the grid is given when it is made.
class CellGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CellGrid(Platform& platform, QWidget* parent = nullptr);
    ~CellGrid() override;

    // Counts and sizes.
    int columnCount() const { return columns_.count(); }
    void setColumnCount(int value);
    int rowCount() const { return rowCount_; }
    void setRowCount(int value);
    int rowHeight() const { return rowHeight_; }
    void setRowHeight(int value);
    int defaultColumnWidth() const { return defaultColumnWidth_; }
    void setDefaultColumnWidth(int value);
    int headerLines() const { return headerLines_; }
    void setHeaderLines(int value);

    // Bands.
    GutterContent gutterContent() const { return gutterContent_; }
    void setGutterContent(GutterContent value);
    int gutterWidth() const { return gutterWidth_; }
    void setGutterWidth(int value);
    const QStringList& gutterTexts() const { return gutterTexts_; }
    void setGutterTexts(const QStringList& value);
    bool showFooter() const { return showFooter_; }
    void setShowFooter(bool value);

    // Look.
    QColor color() const { return color_; }
    void setColor(const QColor& value);
    QColor alternateColor() const { return alternateColor_; }
    void setAlternateColor(const QColor& value);
    QColor gridColor() const { return gridColor_; }
    void setGridColor(const QColor& value);
    QColor selectionColor() const { return selectionColor_; }
    void setSelectionColor(const QColor& value);
    bool showGrid() const { return showGrid_; }
    void setShowGrid(bool value);
    bool isFlat() const { return flat_; }
    void setFlat(bool value);
    QColor headerColor() const { return headerColor_; }
    void setHeaderColor(const QColor& value);
    QColor headerLightColor() const { return headerLightColor_; }
    void setHeaderLightColor(const QColor& value);
    QColor headerDarkColor() const { return headerDarkColor_; }
    void setHeaderDarkColor(const QColor& value);
    const QFont& headerFont() const { return headerFont_; }
    void setHeaderFont(const QFont& value);
    const QFont& gutterFont() const { return gutterFont_; }
    void setGutterFont(const QFont& value);
    const QFont& footerFont() const { return footerFont_; }
    void setFooterFont(const QFont& value);

    // Behaviour.
    bool autoColumnWidth() const { return autoColumnWidth_; }
    void setAutoColumnWidth(bool value);
    bool fitToWidth() const { return fitToWidth_; }
    void setFitToWidth(bool value);
    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool value) { readOnly_ = value; }
    bool autoAddRow() const { return autoAddRow_; }
    void setAutoAddRow(bool value) { autoAddRow_ = value; }
    bool autoFillDown() const { return autoFillDown_; }
    void setAutoFillDown(bool value) { autoFillDown_ = value; }
    bool autoFillRight() const { return autoFillRight_; }
    void setAutoFillRight(bool value) { autoFillRight_ = value; }
    // The grid's own flag, apart from QWidget::isEnabled(): off, it ignores input and paints greyed.
    bool cellsEnabled() const { return cellsEnabled_; }
    void setCellsEnabled(bool value);

    CellColumns& columns() { return columns_; }
    const CellColumns& columns() const { return columns_; }
    void setColumns(const CellColumns& value) { columns_.assign(value); }

    // Cells. Reading and writing check the indexes and raise "Cell Index out of bound.".
    QString cellText(int column, int row) const;
    void setCellText(int column, int row, const QString& value) { storeCell(column, row, false, value); }
    int cellMark(int column, int row) const;
    void setCellMark(int column, int row, int value);
    // The one path by which a cell's text changes; byUser asks the delegate first and honours the
    // column's readOnly.
    void storeCell(int column, int row, bool byUser, const QString& value);

    void beginUpdate();
    void endUpdate();
    bool isUpdating() const { return updating_; }
    void clear();
    int addRow();
    void insertRow(int row);
    void removeRow(int row);

    int headerCellCount() const { return static_cast<int>(headerCells_.size()); }
    HeaderCell headerCell(int index) const;
    MergedCell& mergeCells(int left, int top, int right, int bottom, const QString& caption);
    void clearMergedCells();
    const std::vector<std::unique_ptr<MergedCell>>& mergedCells() const { return mergedCells_; }

    // Current cell, selection and scroll offsets. The setters do not check their values.
    int currentColumn() const { return currentColumn_; }
    void setCurrentColumn(int value);
    int currentRow() const { return currentRow_; }
    void setCurrentRow(int value);
    const CellRange& selection() const { return selection_; }
    void setSelection(const CellRange& value) { changeSelection(value, false); }
    int horizontalOffset() const { return horizontalOffset_; }
    void setHorizontalOffset(int value);
    int verticalOffset() const { return verticalOffset_; }
    void setVerticalOffset(int value);
    void ensureVisible(int column, int row);

    // The grid's geometry as the last layout pass left it, with the present columns and offsets. Painting
    // and input ask it; the rectangles below are its answers.
    GridGeometry geometry() const;
    // Geometry, in client (viewport) coordinates unless named otherwise; valid after the last layout pass.
    int columnLeft(int column) const;
    PixelRect cellRect(int column, int row) const;
    PixelRect headerCellRect(const HeaderCell& info) const;
    PixelRect cornerRect() const { return {-1, -1, fixedWidth_, fixedHeight_}; }
    PixelRect gutterCellRect(int row) const;
    PixelRect mergedCellRect(const MergedCell& cell) const;
    PixelRect footerCellRect(int column) const;
    // The rows whose cells can meet the cell box; last < first when there are none.
    int firstVisibleRow() const;
    int lastVisibleRow() const;
    QColor cellColor(int column, int row) const;
    QString gutterText(int row) const;
    // The client rectangle of the selection frame (from cellRect of selection's corners).
    PixelRect selectionFrameRect() const;
    // The fill handle's box on the selection frame; empty while the grid shows no frame.
    PixelRect fillHandleRect() const;

    // Layout values of the last layout pass.
    int fixedWidth() const { return fixedWidth_; }
    int fixedHeight() const { return fixedHeight_; }
    int bodyWidth() const { return bodyWidth_; }
    int bodyHeight() const { return bodyHeight_; }
    int allWidth() const { return allWidth_; }
    int allHeight() const { return allHeight_; }
    int footerTop() const { return footerTop_; }
    const PixelRect& cellBox() const { return cellBox_; }
    int maxHorizontalOffset() const { return maxHorizontalOffset_; }
    int maxVerticalOffset() const { return maxVerticalOffset_; }

    // The header build: "|" splits a title into header lines; equal texts merge right and down.
    void buildHeader();
    void recalculateLayout();

    // Immediate repaint of one cell's interior; returns the point after its text, (-1, -1) when skipped.
    QPoint repaintCell(int column, int row, bool keepEnd = false);

    // The owner's answers to the grid's questions; none set, the grid keeps its own behaviour. The delegate
    // must outlive the grid or be unset first.
    CellGridDelegate* delegate() const { return delegate_; }
    void setDelegate(CellGridDelegate* delegate) { delegate_ = delegate; }

signals:
    // A left-button press and release inside the grid.
    void clicked();
    void headerClicked(int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void gutterClicked(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void currentCellChanged(int column, int row);
    // A row the user's keys inserted or removed, after the grid did it.
    void rowInserted(int row);
    void rowRemoved(int row);
    // A key reached the grid; sent after the grid acted on it.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseMoved(Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    // Painting (CellGridPaint.cpp).
    void paintEvent(QPaintEvent* event) override;
    void paintGrid(QPainter& painter, const QRegion& region);
    void paintBodyCell(QPainter& painter, const GridGeometry& geometry, int column, int row);
    void paintMergedCell(QPainter& painter, const GridGeometry& geometry, const MergedCell& cell);
    void paintEmptyAreas(QPainter& painter);
    void paintGutter(QPainter& painter);
    void paintHeader(QPainter& painter);
    void paintFooter(QPainter& painter);
    void paintSelectionFrame(QPainter& painter);
    void paintCaret(QPainter& painter);
    void drawHeaderCell(QPainter& painter, const PixelRect& rect, const QString& text, const QFont& font,
                        GridBand band);
    // Places one line of text; returns the caret point after it.
    QPoint drawCellText(QPainter& painter, const PixelRect& rect, const QString& text,
                        HorizontalAlignment horizontal, VerticalAlignment vertical, bool keepEnd) const;
    void drawBandText(QPainter& painter, const PixelRect& rect, const QString& text) const;
    // Pixel-exact primitives: a rectangle's border on columns L and R - 1, lines without their end point.
    static void drawFrame(QPainter& painter, const PixelRect& rect, const QColor& pen);
    static void fillRect(QPainter& painter, const PixelRect& rect, const QColor& brush);
    static void drawRectangle(QPainter& painter, const PixelRect& rect, const QColor& pen,
                              const QColor& brush);
    static void drawLine(QPainter& painter, QPoint from, QPoint to, const QColor& pen);

    // Window events of painting, size, scroll and focus.
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    // Scroll bars: actions of the user and the bars' positions.
    void verticalBarMoved(int value);
    void horizontalBarMoved(int value);
    void updateVerticalBar();
    void updateHorizontalBar();
    // Called on the companion (the linked grid) each time this grid sets its vertical bar; nothing in a plain
    // grid.
    virtual void followVerticalBar(int maximum, int position);
    // The layout pass shows or hides the bars through this once it knows what overflows (a companion keeps
    // its own rule).
    virtual void showScrollBars(bool horizontal, bool vertical);
    // Steps of the layout pass: columns sized to their texts, or fitted to the client width.
    void sizeColumnsToTexts();
    int fitColumnsToWidth(int available);

    // Common steps shared with the pointer and key handling.
    void endEditing();
    void reportCurrentCell();
    // Force repaints even when the value equals the current area; the fill handle goes to `place`.
    void changeSelection(const CellRange& value, bool force,
                         FillHandlePlace place = FillHandlePlace::BottomRight);
    void invalidateRect(const PixelRect& rect);
    void invalidateAll();
    void invalidateBody();
    void invalidateHeader();
    void invalidateGutter();
    void invalidateRightOf(int x);
    void invalidateBelow(int y);
    void invalidateColumn(int column);
    void columnsChanged();
    void columnChanged(int column);
    void applyMergedCells();
    void checkCell(int column, int row) const;
    int clientWidth() const;
    int clientHeight() const;

    // The typing caret: 1 pixel wide, rowHeight - 2 tall, painted inverted while shown.
    void createCaret();
    void destroyCaret();
    void showCaretAt(QPoint position);
    void hideCaret();

    friend class CellColumn;
    friend class CellColumns;

    // Model.
    CellColumns columns_;
    int rowCount_ = 5;
    int rowHeight_ = 18;
    int defaultColumnWidth_ = 80;
    int headerLines_ = 1;
    GutterContent gutterContent_ = GutterContent::Blank;
    int gutterWidth_ = 20;
    QStringList gutterTexts_;
    bool showFooter_ = false;
    QColor color_;
    QColor alternateColor_;
    QColor gridColor_;
    QColor selectionColor_ = QColor(255, 255, 202);
    bool showGrid_ = true;
    bool flat_ = true;
    QColor headerColor_;
    QColor headerLightColor_;
    QColor headerDarkColor_;
    QFont headerFont_;
    QFont gutterFont_;
    QFont footerFont_;
    bool autoColumnWidth_ = false;
    bool fitToWidth_ = false;
    bool readOnly_ = false;
    bool autoAddRow_ = false;
    bool autoFillDown_ = false;
    bool autoFillRight_ = false;
    bool cellsEnabled_ = true;
    std::vector<HeaderCell> headerCells_;
    std::vector<std::unique_ptr<MergedCell>> mergedCells_;

    // Layout values of the last layout pass.
    int fixedWidth_ = 0;
    int fixedHeight_ = 0;
    int bodyWidth_ = 0;
    int bodyHeight_ = 0;
    int allWidth_ = 0;
    int allHeight_ = 0;
    int footerTop_ = 0;
    PixelRect cellBox_;
    int maxHorizontalOffset_ = 0;
    int maxVerticalOffset_ = 0;
    int lineStep_ = 18;
    int pageStep_ = 90;
    int forcedColumn_ = -1;

    // Scroll, current cell and selection.
    int horizontalOffset_ = 0;
    int verticalOffset_ = 0;
    int currentColumn_ = 0;
    int currentRow_ = 0;
    int cornerColumn_ = 0;
    int cornerRow_ = 0;
    CellRange selection_;
    bool updating_ = false;

    // State of typing, editing, the fill handle and column sizing.
    QString typedText_;
    bool editing_ = false;
    CellRange fillSource_{-1, -1, -1, -1};
    FillHandlePlace fillHandlePlace_ = FillHandlePlace::BottomRight;
    int sizingColumn_ = -1;
    int sizingColumnLeft_ = 0;
    int lastHover_ = -1;
    // The scroll-sync companion that follows this grid, or the grid a companion follows.
    CellGrid* linkedGrid_ = nullptr;
    // The in-place editor, made the first time a cell is opened; ending editing hides it.
    CellEditor* editor_ = nullptr;
    // Pointer tracking and the cell cursor are set up at the first event.
    bool inputReady_ = false;

    // Caret state; one caret exists only while the grid has the focus.
    bool caretCreated_ = false;
    bool caretShown_ = false;
    QPoint caretPos_{-1, -1};
    // The bounding rectangle of the region being painted.
    PixelRect updateRect_;
    // The cell whose text keeps its end visible during an immediate repaint (typing).
    int keepEndColumn_ = -1;
    int keepEndRow_ = -1;
    // Guards against re-entry while the layout pass shows or hides the bars and while bars are set.
    bool inLayout_ = false;
    bool settingBars_ = false;
    // Set while the linked grid repeats a row change of this grid's keys: its notifications must not move
    // this grid's current row, which the key has already set.
    bool passingRowChange_ = false;

    // Pointer, keys and editing
public:
    // What lies under a client point, the fill handle included.
    GridHit hitTest(int x, int y) const;
    // The zone whose cursor is showing: the one a press acts on.
    GridZone cursorZone() const { return cursorHit_.zone; }
    // The column whose edge a press took for sizing; -1 when none.
    int sizingColumn() const { return sizingColumn_; }
    // Positions of a client point: -1 outside the body; the clamped cell always names a cell.
    int rowAt(int y) const;
    int columnAt(int x) const;
    QPoint clampedCellAt(int x, int y) const;

    void copy();
    void cut();
    void paste();

    CellEditor* editor();
    bool isEditing() const { return editing_; }
    const QString& typedText() const { return typedText_; }
    bool isCaretVisible() const { return caretShown_; }
    QPoint caretPoint() const { return caretPos_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Called after the keyboard inserted or deleted a row, once rowInserted/rowRemoved have been sent: the
    // linked grid (the companion, or the grid a companion follows) gets the same row change.
    void passRowInsertion(int row);
    void passRowRemoval(int row);

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

    void initInput();
    // A press, by the zone it falls in.
    void press(QMouseEvent* event);
    void pressCorner();
    void pressGutter(int y, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void pressHeader(int x, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void pressCell(QPoint point);
    bool hasCells() const;
    void dragTo(int x, int y);
    void resizeColumnTo(int x);
    void fillFromHandle();
    // Takes (ACol, ARow) as the current cell without the setters' side effects, repainting both cells.
    void putCurrent(int column, int row);
    // The key table: what each key does, navigation apart from editing (CellGridInput.cpp).
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    // Navigation: the current cell moves (and the view follows), or the selection's moving corner.
    void goTo(int column, int row);
    void goLeft();
    void goRight();
    void goUp();
    void goDown();
    void goToFirstColumn();
    void goToLastColumn();
    void goToFirstRow();
    void goToLastRow();
    void goToFirstCell();
    void goToLastCell();
    void extendLeft();
    void extendRight();
    void extendUp();
    void extendDown();
    void stepBack();
    void enterKey();
    // Editing by keys: rows inserted and removed, cells emptied.
    void insertRowByKey();
    void removeRowByKey();
    void clearSelectedCells();
    bool rowIsEmpty(int row) const;
    void stepBackInSelection();
    void stepForwardInSelection();
    void moveStep(int oldColumn, int oldRow);
    void extendStep();
    void selectAllRows();
    void stepInsideSelection(int oldColumn, int oldRow);
    void typeChar(QChar chr);
    void showTypedText();
    QString selectionText(bool clearCells);
    int firstVisibleColumn() const;
    int lastVisibleColumn() const;
    int previousVisibleColumn(int column) const;
    int nextVisibleColumn(int column) const;
    bool isColumnVisible(int column) const;
    // The delegate, or the grid's own answers when there is none.
    CellGridDelegate& owner() const;

    GridInteraction interaction_ = GridInteraction::Idle;
    // What was under the pointer at its last move: the zone whose cursor shows and the column it names.
    GridHit cursorHit_{GridZone::Cell, -1, -1};
    bool leftPressed_ = false;
    Platform& platform_;
    CellGridDelegate* delegate_ = nullptr;
};

} // namespace trimerka
