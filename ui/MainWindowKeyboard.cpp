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
#include "ui/MainWindow.h"
#include "widgets/CellGrid.h"
#include "widgets/CellGridAccessible.h"

namespace trimerka {

namespace {

QKeySequence keyOf(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

} // namespace

void MainWindow::setPanel(const QString& text) {
    commandPanel_->setText(text);
    commandPanel_->setAccessibleName(fromStd(CommandSpokenName(text.toStdString())));
}

void MainWindow::setUpKeyboard() {
    // Tab reaches the toolbar and the text-size buttons as well, in the order they stand; a click on them
    // still leaves the focus where it was.
    for (QToolButton* button : {openButton_, targetStateButton_, restartButton_, closeTaskButton_,
                                aboutButton_, exitButton_, enlargeButton_, shrinkButton_}) {
        button->setFocusPolicy(Qt::TabFocus);
    }
    QWidget* const order[] = {openButton_,
                              targetStateButton_,
                              restartButton_,
                              closeTaskButton_,
                              aboutButton_,
                              exitButton_,
                              enlargeButton_,
                              shrinkButton_,
                              vesselButtons_[VesselA],
                              vesselButtons_[VesselB],
                              vesselButtons_[VesselV],
                              executeButton_};
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

    addWindowKeys({keyOf(Qt::Key_O, Qt::ControlModifier)}, false, [this] { clickIfOffered(openButton_); });
    addWindowKeys({keyOf(Qt::Key_F5)}, false, [this] { clickIfOffered(restartButton_); });
    addWindowKeys({keyOf(Qt::Key_W, Qt::ControlModifier)}, false,
                  [this] { clickIfOffered(closeTaskButton_); });
    addWindowKeys({keyOf(Qt::Key_F2)}, false, [this] { clickIfOffered(targetStateButton_); });
    addWindowKeys({keyOf(Qt::Key_N, Qt::ControlModifier)}, false, [this] {
        // "Конструктор заданий" is offered while no task is open.
        if (targetStateButton_->isHidden()) {
            showConstructor();
        }
    });
    addWindowKeys({keyOf(Qt::Key_F1)}, false, [this] { clickIfOffered(aboutButton_); });
    addWindowKeys({keyOf(Qt::Key_F4)}, false, [this] { showProgramWindow(); });
    addWindowKeys({keyOf(Qt::Key_Q, Qt::ControlModifier)}, false, [this] { clickIfOffered(exitButton_); });
    // Ctrl and "+" is Ctrl and "=" on most layouts, with or without Shift, or the keypad's "+".
    addWindowKeys({keyOf(Qt::Key_Plus, Qt::ControlModifier),
                   keyOf(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier),
                   keyOf(Qt::Key_Equal, Qt::ControlModifier),
                   keyOf(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier)},
                  true, [this] { clickIfOffered(enlargeButton_); });
    addWindowKeys({keyOf(Qt::Key_Minus, Qt::ControlModifier),
                   keyOf(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier)},
                  true, [this] { clickIfOffered(shrinkButton_); });
    addWindowKeys({keyOf(Qt::Key_F10)}, false, [this] { openFirstMenu(); });
    addWindowKeys({keyOf(Qt::Key_F6)}, false, [this] { toggleStepLogFocus(); });

    enableFocusMarks(*this);
}

void MainWindow::addWindowKeys(std::initializer_list<QKeySequence> keys, bool autoRepeat,
                               std::function<void()> action) {
    // A window shortcut yields to the control with the focus whenever that control claims the key: an editor
    // keeps the characters typed into it, the step log its arrows.
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(QList<QKeySequence>(keys));
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(autoRepeat);
    connect(shortcut, &QShortcut::activated, this, [this, action = std::move(action)] { runKey(action); });
}

void MainWindow::runKey(const std::function<void()>& action) {
    showFocusMarks(*this);
    const KeyboardOpening opening;
    guarded(platform_, this, action);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Enter reaches the window only when the control with the focus leaves it: the step log moves to its next
    // row with it, a button passes it on.
    if (isPlainEnter(*event)) {
        event->accept();
        if (!event->isAutoRepeat()) {
            runKey([this] { executeButton_->click(); });
        }
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::clickIfOffered(QAbstractButton* button) {
    if (!button->isHidden() && button->isEnabled()) {
        button->click();
    }
}

void MainWindow::releaseLastVessel() {
    if (!pressOrder_.empty()) {
        vesselButtons_[pressOrder_.back()]->click();
    }
}

void MainWindow::releaseAllVessels() {
    const std::vector<int> pressed = pressOrder_;
    for (auto v = pressed.rbegin(); v != pressed.rend(); ++v) {
        vesselButtons_[*v]->click();
    }
}

void MainWindow::openFirstMenu() {
    const QList<QAction*> menus = menuBar()->actions();
    if (!menus.isEmpty()) {
        menuBar()->setActiveAction(menus.first());
    }
}

void MainWindow::toggleStepLogFocus() {
    if (stepLog_->hasFocus()) {
        focusNextChild();
        return;
    }
    stepLog_->setFocus(Qt::ShortcutFocusReason);
    if (stepLog_->rowCount() > 0) {
        stepLog_->ensureVisible(stepLog_->currentColumn(), stepLog_->currentRow());
        selectCurrentRow();
    }
    // The reader hears the current row's cell, as it does after every arrow key.
    notifyGridCurrentCellChanged(*stepLog_);
}

void MainWindow::focusStatement() {
    statement_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setUpAccessibleNames() {
    // The toolbar's tooltips name the keys; a screen reader reads them as the buttons' descriptions.
    openButton_->setToolTip(QStringLiteral("Выбор задания (Ctrl+O)"));
    targetStateButton_->setToolTip(QStringLiteral("Что нужно сделать (F2)"));
    restartButton_->setToolTip(QStringLiteral("Начать заново (F5)"));
    closeTaskButton_->setToolTip(QStringLiteral("Закрыть задание (Ctrl+W)"));
    aboutButton_->setToolTip(QStringLiteral("О программе (F1)"));
    exitButton_->setToolTip(QStringLiteral("Выход (Ctrl+Q)"));
    aboutButton_->setAccessibleName(QStringLiteral("О программе"));

    enlargeButton_->setAccessibleName(QStringLiteral("Увеличить размер текста"));
    enlargeButton_->setAccessibleDescription(QStringLiteral("Ctrl++"));
    shrinkButton_->setAccessibleName(QStringLiteral("Уменьшить размер текста"));
    shrinkButton_->setAccessibleDescription(QStringLiteral("Ctrl+-"));

    const QString vesselKeys[kVesselCount] = {QStringLiteral("Клавиши 1, А, A"),
                                              QStringLiteral("Клавиши 2, Б, B"),
                                              QStringLiteral("Клавиши 3, В, V")};
    for (int v = 0; v < kVesselCount; ++v) {
        vesselButtons_[v]->setAccessibleDescription(vesselKeys[v]);
    }
    executeButton_->setAccessibleDescription(QStringLiteral("Клавиша Enter"));
    commandPanel_->setAccessibleDescription(QStringLiteral(
        "Первая нажатая кнопка сосуда — откуда лить, вторая — куда; Backspace отменяет последнюю"));

    statement_->setAccessibleName(QStringLiteral("Формулировка задания"));
    stepLog_->setAccessibleName(QStringLiteral("Журнал шагов"));
    stepLog_->setAccessibleDescription(
        QStringLiteral("F6 — войти в журнал и выйти из него; стрелки — строки журнала"));
    pathLabel_->setAccessibleDescription(QStringLiteral("Файл задания"));
}

} // namespace trimerka
