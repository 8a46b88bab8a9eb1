#pragma once

#include <QLineEdit>

#include "widgets/CellGrid.h"

namespace trimerka {

// The grid's in-place editor: a borderless one-line field laid over one cell. Every change of its text is
// stored in that cell at once, so closing it never needs a commit and Escape does not restore the old text.
class CellEditor : public QLineEdit {
    Q_OBJECT

public:
    explicit CellEditor(CellGrid* Grid);

    CellGrid* Grid() const { return FGrid; }
    int CellX() const { return FCellX; }
    int CellY() const { return FCellY; }
    Qt::Alignment Alignment() const { return FAlignment; }

    // Opens the editor over cell (X, Y) with the cell's text, colour, font and alignment.
    void ShowEdit(int X, int Y);
    void HideEdit();

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    void textChange(const QString& Text);

    CellGrid* FGrid;
    Qt::Alignment FAlignment = Qt::AlignLeft;
    int FCellX = -1;
    int FCellY = -1;
};

} // namespace trimerka
