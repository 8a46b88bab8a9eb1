#include "widgets/CellEditor.h"

#include <limits>

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>

#include "platform/ErrorReport.h"

namespace trimerka {

namespace {

Qt::Alignment toAlignment(HorizontalAlignment align) {
    switch (align) {
    case HorizontalAlignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case HorizontalAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case HorizontalAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

CellEditor::CellEditor(CellGrid* grid) : QLineEdit(grid->viewport()), grid_(grid) {
    setObjectName(QStringLiteral("inplace"));
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    // A line edit cuts its text at 32,767 characters by default; the editor shows a cell's whole text, or
    // opening it would store the cut text back.
    setMaxLength(std::numeric_limits<int>::max());
    setGeometry(-200, -200, 10, 10);
    hide();
    connect(this, &QLineEdit::textChanged, this, &CellEditor::storeText);
}

void CellEditor::openOver(int x, int y) {
    grid_->hideCaret();
    column_ = x;
    row_ = y;
    const CellColumn& column = grid_->columns()[x];

    QPalette pal = palette();
    pal.setColor(QPalette::Base, grid_->cellColor(x, y));
    pal.setColor(QPalette::Window, grid_->cellColor(x, y));
    setPalette(pal);
    alignment_ = toAlignment(column.horizontalAlignment());
    setAlignment(alignment_);
    setFont(column.font());
    // The cell coordinates are set first, so storing the unchanged text back is a no-op.
    setText(grid_->cellText(x, y));

    PixelRect r = grid_->cellRect(x, y);
    if (column.horizontalAlignment() == HorizontalAlignment::Right)
        ++r.right;
    r = r.adjusted(4, 3, -4, -3);
    const int textHeight = QFontMetrics(column.font()).height();
    int top = r.top + (r.height() - textHeight) / 2;
    if (column.verticalAlignment() == VerticalAlignment::Top)
        top = r.top - 1;
    else if (column.verticalAlignment() == VerticalAlignment::Bottom)
        top = r.bottom - textHeight + 1;
    setGeometry(r.left, top, std::max(r.width(), 1), textHeight);
    show();
}

void CellEditor::dismiss() {
    hide();
    grid_->editing_ = false;
}

void CellEditor::storeText(const QString& text) {
    if (column_ < 0 || row_ < 0 || !grid_->editing_)
        return;
    guarded(grid_->platform_, window(), [&] { grid_->storeCell(column_, row_, true, text); });
}

void CellEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Up:
    case Qt::Key_Down:
        dismiss();
        grid_->setFocus(Qt::OtherFocusReason);
        event->accept();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (!text.isEmpty() && !(event->modifiers() & Qt::ControlModifier)) {
        const QChar chr = text.front();
        const bool typed = chr.unicode() == 8 || (chr.unicode() >= 32 && chr.unicode() != 127);
        if (typed) {
            // A delegate that fails refuses the character.
            bool allowed = false;
            guarded(grid_->platform_, window(),
                    [&] { allowed = grid_->owner().acceptsCharacter(*this, column_, row_, chr); });
            if (!allowed && chr.unicode() != 8) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

// A click elsewhere ends the editing; giving the focus back to the grid keeps the editor open.
void CellEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason)
        return;
    QWidget* to = QApplication::focusWidget();
    if (isVisible() && to != grid_ && to != grid_->viewport())
        grid_->endEditing();
}

} // namespace trimerka
