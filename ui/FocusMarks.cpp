#include "ui/FocusMarks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace trimerka {

namespace {

int keyboardOpenings = 0;

// Push and tool buttons carry the mark this far inside their edge, as the platform draws it.
constexpr int kButtonMarkInset = 3;

QRect buttonMarkRect(const QRect& button) {
    return button.adjusted(kButtonMarkInset, kButtonMarkInset, -kButtonMarkInset, -kButtonMarkInset);
}

bool marked(const QStyleOption& option) {
    return (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
}

// Every other pixel of the rectangle's outline, starting at its top-left corner, like a checkerboard.
void drawMark(QPainter& painter, const QRect& r, const QColor& color) {
    if (r.width() < 1 || r.height() < 1) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    auto dot = [&](int x, int y) {
        if ((x - r.left() + y - r.top()) % 2 == 0) {
            painter.fillRect(QRect(x, y, 1, 1), color);
        }
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top()) {
            dot(x, r.bottom());
        }
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left()) {
            dot(r.right(), y);
        }
    }
    painter.restore();
}

// The application's style, with the focus look of its buttons replaced by the mark. The base style always
// draws a control as it looks under the mouse, so the mark is the only difference the keyboard makes.
class FocusMarkStyle : public QProxyStyle {
public:
    explicit FocusMarkStyle(QStyle* base) : QProxyStyle(base) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        const bool ours = element == CE_PushButton || element == CE_CheckBox || element == CE_RadioButton;
        if (!ours || !button || !marked(*option)) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionButton plain = *button;
        plain.state &= ~State_KeyboardFocusChange;
        QProxyStyle::drawControl(element, &plain, painter, widget);
        if (element == CE_PushButton) {
            drawMark(*painter, buttonMarkRect(option->rect), option->palette.color(QPalette::ButtonText));
        } else {
            const SubElement label = element == CE_CheckBox ? SE_CheckBoxFocusRect : SE_RadioButtonFocusRect;
            const QRect mark = subElementRect(label, &plain, widget) & option->rect;
            drawMark(*painter, mark, option->palette.color(QPalette::WindowText));
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        const auto* tool = qstyleoption_cast<const QStyleOptionToolButton*>(option);
        if (control != CC_ToolButton || !tool || !marked(*option)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionToolButton plain = *tool;
        plain.state &= ~State_KeyboardFocusChange;
        QProxyStyle::drawComplexControl(control, &plain, painter, widget);
        drawMark(*painter, buttonMarkRect(option->rect), option->palette.color(QPalette::ButtonText));
    }
};

// One style for all marked controls of the run, owned by the application so that it outlives the windows.
QStyle* focusMarkStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        // A fresh instance of the application's style, so the controls look exactly as their neighbours; with
        // no such style the proxy takes the desktop's.
        const QStyle* applicationStyle = QApplication::style();
        if (const auto* proxy = qobject_cast<const QProxyStyle*>(applicationStyle)) {
            applicationStyle = proxy->baseStyle();
        }
        style = new FocusMarkStyle(QStyleFactory::create(applicationStyle->name()));
        style->setParent(qApp);
    }
    return style;
}

// Each showing of a window starts with the marks hidden, unless a key opened it.
class ShowingWatcher : public QObject {
public:
    explicit ShowingWatcher(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show) {
            window_.setAttribute(Qt::WA_KeyboardFocusChange, KeyboardOpening::active());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
};

} // namespace

void enableFocusMarks(QWidget& window) {
    QStyle* style = focusMarkStyle();
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->focusPolicy() & Qt::TabFocus) {
            button->setStyle(style);
        }
    }
    new ShowingWatcher(window);
}

void showFocusMarks(QWidget& window) {
    if (window.testAttribute(Qt::WA_KeyboardFocusChange)) {
        return;
    }
    window.setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* focused = window.focusWidget()) {
        focused->update();
    }
}

QRect focusMarkRect(const QWidget& button) {
    return buttonMarkRect(button.rect());
}

KeyboardOpening::KeyboardOpening() {
    ++keyboardOpenings;
}

KeyboardOpening::~KeyboardOpening() {
    --keyboardOpenings;
}

bool KeyboardOpening::active() {
    return keyboardOpenings > 0;
}

} // namespace trimerka
