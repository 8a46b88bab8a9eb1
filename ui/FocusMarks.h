#pragma once

class QRect;
class QWidget;

namespace trimerka {

// The platform's focus mark: the control with the keyboard focus shows a one-pixel dotted rectangle inside
// its edge, but only once the keyboard has been used in its window (Tab, or one of the window's keys). A
// window used with the mouse alone looks exactly as it does without marks.

// Gives the marks to the window's buttons that Tab reaches (push, tool, check and radio buttons). Each
// showing of the window starts without marks, unless a key opened it (KeyboardOpening).
void enableFocusMarks(QWidget& window);

// The keyboard was used in the window: the control with the focus shows its mark from now on.
void showFocusMarks(QWidget& window);

// The rectangle a push or tool button's mark is drawn on, in the button's coordinates.
QRect focusMarkRect(const QWidget& button);

// While one lives, a window being shown starts with its marks visible: a key opened it.
class KeyboardOpening {
public:
    KeyboardOpening();
    ~KeyboardOpening();
    KeyboardOpening(const KeyboardOpening&) = delete;
    KeyboardOpening& operator=(const KeyboardOpening&) = delete;

    static bool active();
};

} // namespace trimerka
