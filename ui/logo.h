#pragma once

#include <functional>

#include <QDialog>

#include "platform/Platform.h"

class QLabel;
class QToolButton;

namespace trimerka {

// "Задание выполнено": tells the pupil that the vessels hold the targets and how many steps it took. Created
// once and reused; the count is taken afresh on every showing.
class TForm11 : public QDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 417;
    static constexpr int kClientHeight = 160;

    explicit TForm11(Platform& platform, QWidget* parent = nullptr);

    // Where the step count comes from: the number of rows of the main window's step log.
    void setStepCounter(std::function<int()> counter) { stepCounter_ = std::move(counter); }

    void FormShow();
    void CloseFormClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Platform& platform_;
    std::function<int()> stepCounter_;
    QLabel* Label2_ = nullptr;
    QToolButton* CloseForm_ = nullptr;
};

} // namespace trimerka
