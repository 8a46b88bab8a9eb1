#pragma once

#include <QLineEdit>

class QToolButton;

namespace trimerka {

// A numeric editor that lets the value leave its range while it is typed, unlike QSpinBox: the value is the
// whole number in the text, any other text (empty, a lone sign) counts as the minimum. The arrows and the Up
// and Down keys step by 1 into the range; leaving the editor pulls an out-of-range value into the range;
// setValue() pulls into the range before showing. Every change of the text emits textChanged().
class SpinEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit SpinEdit(QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Changing a limit leaves the text alone: an out-of-range value stays until it is set or left.
    void setMinimum(int minimum) { minimum_ = minimum; }
    void setMaximum(int maximum) { maximum_ = maximum; }
    void setRange(int minimum, int maximum);

    int value() const;
    void setValue(int value);
    // The value pulled into minimum..maximum (the minimum wins should the maximum lie below it).
    int bounded(long long value) const;

    void stepUp() { step(1); }
    void stepDown() { step(-1); }

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int delta);
    void arrowPressed();
    void placeArrows();

    int minimum_ = 0;
    int maximum_ = 0;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace trimerka
