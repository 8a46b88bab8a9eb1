#pragma once

#include <QLineEdit>

#include "widgets/CellGrid.h"

namespace trimerka {

// The grid's in-place editor: a borderless one-line field laid over one cell. Every change of its text is
// stored in that cell at once, so closing it never needs a commit and Escape does not restore the old text.
class CellEditor : public QLineEdit {
    Q_OBJECT

public:
    explicit CellEditor(CellGrid* grid);

    CellGrid* grid() const { return grid_; }
    int column() const { return column_; }
    int row() const { return row_; }
    Qt::Alignment alignment() const { return alignment_; }

    // Opens the editor over cell (X, Y) with the cell's text, colour, font and alignment.
    void openOver(int x, int y);
    void dismiss();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void storeText(const QString& text);

    CellGrid* grid_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    int column_ = -1;
    int row_ = -1;
};

} // namespace trimerka
