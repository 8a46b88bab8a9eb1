// The main window's keys and what it tells a screen reader. A pupil can solve a task without the mouse: the
// vessel keys compose the command, Enter runs it, and the window's shortcuts reach every toolbar command.
// The window looks the same to a pupil who uses the mouse: the menus keep their look (no item names a key),
// the focus marks appear only after a key was used, and only the toolbar's tooltips name the keys.

#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include "core/ScreenReaderText.h"
#include "platform/ErrorReport.h"
#include "ui/FocusMarks.h"
#include "ui/glavnoe.h"
#include "widgets/CellGrid.h"
#include "widgets/CellGridAccessible.h"

namespace trimerka {

namespace {

QKeySequence keyOf(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

} // namespace

void TForm1::setPanel(const QString& text) {
    kmd_->setText(text);
    kmd_->setAccessibleName(fromStd(CommandSpokenName(text.toStdString())));
}

void TForm1::setUpKeyboard() {
    // Tab reaches the toolbar and the text-size buttons as well, in the order they stand; a click on them
    // still leaves the focus where it was.
    for (QToolButton* button : {vz_, cnz_, sz_, zz_, help_, CloseProg_, SpeedButton2_, SpeedButton1_}) {
        button->setFocusPolicy(Qt::TabFocus);
    }
    QWidget* const order[] = {vz_,
                              cnz_,
                              sz_,
                              zz_,
                              help_,
                              CloseProg_,
                              SpeedButton2_,
                              SpeedButton1_,
                              vesselButtons_[VesselA],
                              vesselButtons_[VesselB],
                              vesselButtons_[VesselV],
                              vipolnit_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    // Each vessel: its digit on the main keys and the keypad, its Cyrillic letter and the Latin letter that
    // stands for it, in either case.
    const int digits[kVesselCount] = {Qt::Key_1, Qt::Key_2, Qt::Key_3};
    const int cyrillic[kVesselCount] = {0x0410, 0x0411, 0x0412}; // А, Б, В
    const int latin[kVesselCount] = {Qt::Key_A, Qt::Key_B, Qt::Key_V};
    for (int v = 0; v < kVesselCount; ++v) {
        QAbstractButton* button = vesselButtons_[v];
        addWindowKeys({keyOf(digits[v]), keyOf(digits[v], Qt::KeypadModifier), keyOf(cyrillic[v]),
                       keyOf(cyrillic[v], Qt::ShiftModifier), keyOf(latin[v]),
                       keyOf(latin[v], Qt::ShiftModifier)},
                      false, [button] { button->click(); });
        connect(button, &QAbstractButton::toggled, this, [this, v](bool pressed) {
            std::erase(pressOrder_, v);
            if (pressed) {
                pressOrder_.push_back(v);
            }
        });
    }
    addWindowKeys({keyOf(Qt::Key_Backspace)}, false, [this] { releaseLastVessel(); });
    addWindowKeys({keyOf(Qt::Key_Escape)}, false, [this] { releaseAllVessels(); });

    addWindowKeys({keyOf(Qt::Key_O, Qt::ControlModifier)}, false, [this] { clickIfOffered(vz_); });
    addWindowKeys({keyOf(Qt::Key_F5)}, false, [this] { clickIfOffered(sz_); });
    addWindowKeys({keyOf(Qt::Key_W, Qt::ControlModifier)}, false, [this] { clickIfOffered(zz_); });
    addWindowKeys({keyOf(Qt::Key_F2)}, false, [this] { clickIfOffered(cnz_); });
    addWindowKeys({keyOf(Qt::Key_N, Qt::ControlModifier)}, false, [this] {
        // "Конструктор заданий" is offered while no task is open.
        if (cnz_->isHidden()) {
            N4Click();
        }
    });
    addWindowKeys({keyOf(Qt::Key_F1)}, false, [this] { clickIfOffered(help_); });
    addWindowKeys({keyOf(Qt::Key_Q, Qt::ControlModifier)}, false, [this] { clickIfOffered(CloseProg_); });
    // Ctrl and "+" is Ctrl and "=" on most layouts, with or without Shift, or the keypad's "+".
    addWindowKeys({keyOf(Qt::Key_Plus, Qt::ControlModifier),
                   keyOf(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier),
                   keyOf(Qt::Key_Equal, Qt::ControlModifier),
                   keyOf(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier)},
                  true, [this] { clickIfOffered(SpeedButton2_); });
    addWindowKeys({keyOf(Qt::Key_Minus, Qt::ControlModifier),
                   keyOf(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier)},
                  true, [this] { clickIfOffered(SpeedButton1_); });
    addWindowKeys({keyOf(Qt::Key_F10)}, false, [this] { openFirstMenu(); });
    addWindowKeys({keyOf(Qt::Key_F6)}, false, [this] { toggleStepLogFocus(); });

    enableFocusMarks(*this);
}

void TForm1::addWindowKeys(std::initializer_list<QKeySequence> keys, bool autoRepeat,
                           std::function<void()> action) {
    // A window shortcut yields to the control with the focus whenever that control claims the key: an editor
    // keeps the characters typed into it, the step log its arrows.
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(QList<QKeySequence>(keys));
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(autoRepeat);
    connect(shortcut, &QShortcut::activated, this, [this, action = std::move(action)] { runKey(action); });
}

void TForm1::runKey(const std::function<void()>& action) {
    showFocusMarks(*this);
    const KeyboardOpening opening;
    guarded(platform_, this, action);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // Enter reaches the window only when the control with the focus leaves it: the step log moves to its next
    // row with it, a button passes it on.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat()) {
            runKey([this] { vipolnit_->click(); });
        }
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TForm1::clickIfOffered(QAbstractButton* button) {
    if (!button->isHidden() && button->isEnabled()) {
        button->click();
    }
}

void TForm1::releaseLastVessel() {
    if (!pressOrder_.empty()) {
        vesselButtons_[pressOrder_.back()]->click();
    }
}

void TForm1::releaseAllVessels() {
    const std::vector<int> pressed = pressOrder_;
    for (auto v = pressed.rbegin(); v != pressed.rend(); ++v) {
        vesselButtons_[*v]->click();
    }
}

void TForm1::openFirstMenu() {
    const QList<QAction*> menus = menuBar()->actions();
    if (!menus.isEmpty()) {
        menuBar()->setActiveAction(menus.first());
    }
}

void TForm1::toggleStepLogFocus() {
    if (ng_->hasFocus()) {
        focusNextChild();
        return;
    }
    ng_->setFocus(Qt::ShortcutFocusReason);
    if (ng_->RowCount() > 0) {
        ng_->EnsureVisible(ng_->Col(), ng_->Row());
        selectCurrentRow();
    }
    // The reader hears the current row's cell, as it does after every arrow key.
    notifyGridCurrentCellChanged(*ng_);
}

void TForm1::setUpAccessibleNames() {
    // The toolbar's tooltips name the keys; a screen reader reads them as the buttons' descriptions.
    vz_->setToolTip(QStringLiteral("Выбор задания (Ctrl+O)"));
    cnz_->setToolTip(QStringLiteral("Что нужно сделать (F2)"));
    sz_->setToolTip(QStringLiteral("Начать заново (F5)"));
    zz_->setToolTip(QStringLiteral("Закрыть задание (Ctrl+W)"));
    help_->setToolTip(QStringLiteral("О программе (F1)"));
    CloseProg_->setToolTip(QStringLiteral("Выход (Ctrl+Q)"));
    help_->setAccessibleName(QStringLiteral("О программе"));

    SpeedButton2_->setAccessibleName(QStringLiteral("Увеличить размер текста"));
    SpeedButton2_->setAccessibleDescription(QStringLiteral("Ctrl++"));
    SpeedButton1_->setAccessibleName(QStringLiteral("Уменьшить размер текста"));
    SpeedButton1_->setAccessibleDescription(QStringLiteral("Ctrl+-"));

    const QString vesselKeys[kVesselCount] = {QStringLiteral("Клавиши 1, А, A"),
                                              QStringLiteral("Клавиши 2, Б, B"),
                                              QStringLiteral("Клавиши 3, В, V")};
    for (int v = 0; v < kVesselCount; ++v) {
        vesselButtons_[v]->setAccessibleDescription(vesselKeys[v]);
    }
    vipolnit_->setAccessibleDescription(QStringLiteral("Клавиша Enter"));
    kmd_->setAccessibleDescription(QStringLiteral(
        "Первая нажатая кнопка сосуда — откуда лить, вторая — куда; Backspace отменяет последнюю"));

    isaef_->setAccessibleName(QStringLiteral("Сосуд А — бесконечный источник"));
    isasl_->setAccessibleName(QStringLiteral("В сосуд А можно сливать жидкость"));
    fz_->setAccessibleName(QStringLiteral("Формулировка задания"));
    ng_->setAccessibleName(QStringLiteral("Журнал шагов"));
    ng_->setAccessibleDescription(
        QStringLiteral("F6 — войти в журнал и выйти из него; стрелки — строки журнала"));
    put_tmk_->setAccessibleDescription(QStringLiteral("Файл задания"));
}

} // namespace trimerka
