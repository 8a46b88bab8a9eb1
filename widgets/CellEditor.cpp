#include "widgets/CellEditor.h"

#include <exception>
#include <limits>

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>

namespace trimerka {

namespace {

Qt::Alignment toAlignment(HorizontalAlignment Align) {
    switch (Align) {
    case haCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case haRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    case haLeft:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

CellEditor::CellEditor(CellGrid* Grid) : QLineEdit(Grid->viewport()), FGrid(Grid) {
    setObjectName(QStringLiteral("inplace"));
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    // A line edit cuts its text at 32,767 characters by default; the editor shows a cell's whole text, or
    // opening it would store the cut text back.
    setMaxLength(std::numeric_limits<int>::max());
    setGeometry(-200, -200, 10, 10);
    hide();
    connect(this, &QLineEdit::textChanged, this, &CellEditor::textChange);
}

void CellEditor::ShowEdit(int X, int Y) {
    FGrid->HideCaret();
    FCellX = X;
    FCellY = Y;
    const CellColumn& column = FGrid->Columns()[X];

    QPalette pal = palette();
    pal.setColor(QPalette::Base, FGrid->CellColor(X, Y));
    pal.setColor(QPalette::Window, FGrid->CellColor(X, Y));
    setPalette(pal);
    FAlignment = toAlignment(column.HorzAlign());
    setAlignment(FAlignment);
    setFont(column.Font());
    // The cell coordinates are set first, so storing the unchanged text back is a no-op.
    setText(FGrid->CellText(X, Y));

    GridRect r = FGrid->CellRect(X, Y);
    if (column.HorzAlign() == haRight)
        ++r.Right;
    r = r.Adjusted(4, 3, -4, -3);
    const int textHeight = QFontMetrics(column.Font()).height();
    int top = r.Top + (r.Height() - textHeight) / 2;
    if (column.VertAlign() == vaTop)
        top = r.Top - 1;
    else if (column.VertAlign() == vaBottom)
        top = r.Bottom - textHeight + 1;
    setGeometry(r.Left, top, std::max(r.Width(), 1), textHeight);
    show();
}

void CellEditor::HideEdit() {
    hide();
    FGrid->IsEditing = false;
}

void CellEditor::textChange(const QString& Text) {
    if (FCellX < 0 || FCellY < 0 || !FGrid->IsEditing)
        return;
    try {
        FGrid->StoreCell(FCellX, FCellY, true, Text);
    } catch (const std::exception& e) {
        FGrid->ReportError(e.what());
    }
}

void CellEditor::keyPressEvent(QKeyEvent* Event) {
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Up:
    case Qt::Key_Down:
        HideEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
        Event->accept();
        return;
    default:
        break;
    }
    const QString text = Event->text();
    if (!text.isEmpty() && FGrid->OnFilterChar && !(Event->modifiers() & Qt::ControlModifier)) {
        const QChar chr = text.front();
        const bool typed = chr.unicode() == 8 || (chr.unicode() >= 32 && chr.unicode() != 127);
        if (typed) {
            bool allowed = true;
            try {
                FGrid->OnFilterChar(this, FCellX, FCellY, chr, allowed);
            } catch (const std::exception& e) {
                FGrid->ReportError(e.what());
                allowed = false;
            }
            if (!allowed && chr.unicode() != 8) {
                Event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(Event);
}

// A click elsewhere ends the editing; giving the focus back to the grid keeps the editor open.
void CellEditor::focusOutEvent(QFocusEvent* Event) {
    QLineEdit::focusOutEvent(Event);
    if (Event->reason() == Qt::ActiveWindowFocusReason)
        return;
    QWidget* to = QApplication::focusWidget();
    if (isVisible() && to != FGrid && to != FGrid->viewport())
        FGrid->EndEditing();
}

} // namespace trimerka
