#pragma once

#include <functional>

#include <QDialog>

#include "platform/Platform.h"

class QLabel;
class QToolButton;

namespace trimerka {

// "Задание выполнено": tells the pupil that the vessels hold the targets and how many steps it took. Created
// once and reused; the count is taken afresh on every showing.
class CompletedWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 417;
    static constexpr int kClientHeight = 160;

    explicit CompletedWindow(Platform& platform, QWidget* parent = nullptr);

    // Where the step count comes from: the number of rows of the main window's step log.
    void setStepCounter(std::function<int()> counter) { stepCounter_ = std::move(counter); }

    void showStepCount();
    void closeWindow();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Platform& platform_;
    std::function<int()> stepCounter_;
    QLabel* stepCountLabel_ = nullptr;
    QToolButton* closeButton_ = nullptr;
};

} // namespace trimerka
