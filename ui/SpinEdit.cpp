#include "ui/SpinEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>
#include <QValidator>

#include "core/TaskEditor.h"

namespace trimerka {

namespace {

// The arrows stand inside the editor's right edge, one above the other.
constexpr int kArrowWidth = 15;

// Accepts a text made of the ASCII digits and the two signs only, which may still be a partial number such
// as "" or "-". A character test instead of a regular expression: the constructor holds a dozen editors, and
// each expression would be compiled when the editor is first given its value.
class DigitsAndSignsValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        for (const QChar c : input) {
            if (!((c >= u'0' && c <= u'9') || c == u'-' || c == u'+')) {
                position = static_cast<int>(input.size());
                return Invalid;
            }
        }
        return Acceptable;
    }
};

QToolButton* makeArrow(QWidget* parent, Qt::ArrowType type) {
    auto* button = new QToolButton(parent);
    button->setArrowType(type);
    button->setAccessibleName(type == Qt::UpArrow ? QStringLiteral("Больше") : QStringLiteral("Меньше"));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setCursor(Qt::ArrowCursor);
    return button;
}

} // namespace

SpinEdit::SpinEdit(QWidget* parent)
    : QLineEdit(parent), up_(makeArrow(this, Qt::UpArrow)), down_(makeArrow(this, Qt::DownArrow)) {
    // Only digits and signs can be typed; the text may still be a partial number such as "" or "-".
    setValidator(new DigitsAndSignsValidator(this));
    setTextMargins(0, 0, kArrowWidth, 0);
    connect(up_, &QToolButton::clicked, this, &SpinEdit::stepUp);
    connect(down_, &QToolButton::clicked, this, &SpinEdit::stepDown);
    connect(up_, &QToolButton::pressed, this, &SpinEdit::arrowPressed);
    connect(down_, &QToolButton::pressed, this, &SpinEdit::arrowPressed);
    placeArrows();
}

void SpinEdit::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

// The same reading of the text and the same range as the constructor's editing rules use.
int SpinEdit::value() const {
    return NumberField{text().toStdString(), minimum_, maximum_}.value();
}

int SpinEdit::bounded(long long value) const {
    return NumberField{std::string(), minimum_, maximum_}.bounded(value);
}

void SpinEdit::setValue(int value) {
    setText(QString::number(bounded(value)));
}

void SpinEdit::step(int delta) {
    setValue(bounded(static_cast<long long>(value()) + delta));
}

void SpinEdit::arrowPressed() {
    // Pressing an arrow puts the input focus into the editor, as a click into its text would.
    if (isEnabled() && !hasFocus() && focusPolicy() != Qt::NoFocus) {
        setFocus(Qt::MouseFocusReason);
    }
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) {
        stepUp();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Down) {
        stepDown();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Only leaving for another control corrects the value; a dialog or menu opening over the window does not.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) {
        return;
    }
    const int current = value();
    if (bounded(current) != current) {
        setValue(current);
    }
}

void SpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    placeArrows();
}

void SpinEdit::placeArrows() {
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int inner = height() - 2 * frame;
    const int upHeight = inner / 2;
    const int x = width() - frame - kArrowWidth;
    up_->setGeometry(x, frame, kArrowWidth, upHeight);
    down_->setGeometry(x, frame + upHeight, kArrowWidth, inner - upHeight);
}

} // namespace trimerka
