#pragma once

#include <functional>
#include <memory>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

namespace trimerka::testing {

// Acts on a modal dialog that the code under test opens with exec(): polls until the active modal window is a
// T, then runs the action on it from a fresh event, so nested dialogs (a question from inside a file dialog)
// get their own answers. A dialog that never shows up within the time limit is not waited for: whatever modal
// window is open then is rejected, so a failing test ends instead of hanging.
template <class T> void whenModal(std::function<void(T*)> action, int timeLimitMs = 5000) {
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    constexpr int kStepMs = 10;
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, waited, action = std::move(action), timeLimitMs] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            QTimer::singleShot(0, dialog, [dialog, action] { action(dialog); });
            return;
        }
        *waited += kStepMs;
        if (*waited >= timeLimitMs) {
            timer->stop();
            timer->deleteLater();
            if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                stuck->reject();
            }
        }
    });
    timer->start(kStepMs);
}

// Ends a test that would otherwise wait forever on a modal window nobody answers (an unexpected warning from
// a file dialog, say): after the time limit it rejects whatever modal window is open and remembers that it
// did.
class ModalWatchdog {
public:
    explicit ModalWatchdog(int timeLimitMs = 3000) : timeLimitMs_(timeLimitMs) {
        clock_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (clock_.elapsed() < timeLimitMs_) {
                return;
            }
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                fired_ = true;
                dialog->reject();
            }
        });
        timer_.start(50);
    }
    bool fired() const { return fired_; }

private:
    int timeLimitMs_;
    bool fired_ = false;
    QElapsedTimer clock_;
    QTimer timer_;
};

} // namespace trimerka::testing
