#include "ui/TargetStateWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/TaskFile.h"
#include "platform/ErrorReport.h"
#include "platform/Fonts.h"
#include "ui/Controls.h"
#include "ui/VesselView.h"

namespace trimerka {

namespace {

constexpr int kLeft[kVesselCount] = {17, 137, 257};

// Buttons the keyboard never reaches.
QPushButton* makeUnfocusedButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                                 bool bold) {
    auto* button = makeButton(parent, name, text, geometry, bold);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TargetStateWindow::TargetStateWindow(Platform& platform, QWidget* parent)
    : LazyDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Что нужно сделать"));
    setWindowFlags(dialogFlags());
    setFixedSize(kClientWidth, kClientHeight);
    setFont(tahoma(11));
    setBackground(this, palette().color(QPalette::Button));
}

void TargetStateWindow::buildControls() {
    makeCaption(this, "Label13", QStringLiteral("Формулировка задания:"), 17, 8, true);

    statement_ = new QPlainTextEdit(this);
    statement_->setObjectName(QStringLiteral("fz"));
    statement_->setGeometry(17, 27, 560, 102);
    setUpStatementMemo(statement_);
    setTextPoints(kMinTextPoints);

    for (int v = 0; v < kVesselCount; ++v) {
        const VesselColumn column = makeVesselColumn(this, v, QPoint(kLeft[v], 135), QString());
        captions_[v] = column.caption;
        views_[v] = column.view;
        if (v == VesselA) {
            unlimitedArrow_ = column.arrows.unlimited;
            pourBackArrow_ = column.arrows.pourBack;
        }
        // They only name the vessels here.
        column.button->setFocusPolicy(Qt::NoFocus);
        column.button->setEnabled(false);
    }

    enlargeButton_ = makeUnfocusedButton(this, "SpeedButton1", QStringLiteral("Увеличить размер текста"),
                                         QRect(388, 135, 189, 42), false);
    shrinkButton_ = makeUnfocusedButton(this, "SpeedButton2", QStringLiteral("Уменьшить размер текста"),
                                        QRect(388, 183, 189, 42), false);
    closeButton_ =
        makeUnfocusedButton(this, "SpeedButton3", QStringLiteral("Закрыть"), QRect(388, 349, 189, 40), true);
    connect(enlargeButton_, &QPushButton::clicked, this, &TargetStateWindow::enlargeText);
    connect(shrinkButton_, &QPushButton::clicked, this, &TargetStateWindow::shrinkText);
    connect(closeButton_, &QPushButton::clicked, this, &TargetStateWindow::closeWindow);
}

void TargetStateWindow::fill(const TargetState& state) {
    ensureBuilt();
    // Every target is converted before anything changes: a bad one leaves the window as it was.
    std::array<int, kVesselCount> amounts{};
    for (int v = 0; v < kVesselCount; ++v) {
        amounts[v] = TextToInt(state.vessels[v].targetText.toStdString());
    }

    statement_->clear();
    statement_->setPlainText(state.statement);
    for (int v = 0; v < kVesselCount; ++v) {
        const TargetVessel& vessel = state.vessels[v];
        VesselView* view = views_[v];
        view->setFillColor(vessel.fillColor);
        view->setEmptyColor(vessel.emptyColor);
        // The capacity first, so a target above it shows as a full bar.
        view->setCapacity(vessel.capacity);
        view->setAmount(amounts[v]);
        view->setBarHeight(vessel.barHeight);
        captions_[v]->setText(vessel.targetText + QLatin1Char('/') + QString::number(vessel.capacity));
        captions_[v]->adjustSize();
    }
    unlimitedArrow_->setVisible(state.unlimitedArrowShown);
    pourBackArrow_->setVisible(state.pourBackArrowShown);
}

void TargetStateWindow::setTextPoints(int points) {
    ensureBuilt();
    textPoints_ = points;
    statement_->setFont(tahoma(pointsToPixels(points)));
}

void TargetStateWindow::enlargeText() {
    guarded(platform_, this, [&] { setTextPoints(stepStatementPoints(textPoints_, +1)); });
}

void TargetStateWindow::shrinkText() {
    guarded(platform_, this, [&] { setTextPoints(stepStatementPoints(textPoints_, -1)); });
}

void TargetStateWindow::closeWindow() {
    guarded(platform_, this, [&] { close(); });
}

} // namespace trimerka
