#include "ui/CompletedWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

#include "core/ScreenReaderText.h"
#include "platform/ErrorReport.h"
#include "platform/Fonts.h"
#include "ui/Controls.h"
#include "ui/FocusMarks.h"
#include "ui/Panels.h"

namespace trimerka {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QPoint at, const QFont& font,
                  const QColor& color) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    setTextColor(label, color);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

CompletedWindow::CompletedWindow(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Задание выполнено"));
    setWindowFlags(dialogFlags());
    setFixedSize(kClientWidth, kClientHeight);
    setFont(tahoma(11));

    auto* panel = new FramedPanel(QColor(186, 254, 189), this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, kClientWidth, kClientHeight);

    auto* image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(15, 15, 130, 130);
    setNaturalPictureOnFirstShow(image, QStringLiteral(":/pictures/emblem.svg"));

    makeLabel(panel, "Label1", QStringLiteral("Задание выполнено"), QPoint(164, 18), tahoma(19, true),
              QColor(0, 0, 255));
    stepCountLabel_ =
        makeLabel(panel, "Label2", QString(), QPoint(182, 47), tahoma(11, true), QColor(0, 0, 210));

    closeButton_ =
        makeFlatButton(panel, "CloseForm", QStringLiteral("Закрыть"), QStringLiteral(":/icons/close.svg"),
                       QRect(315, 130, 97, 25), tahoma(11, true));
    connect(closeButton_, &QToolButton::clicked, this, &CompletedWindow::closeWindow);
    enableFocusMarks(*this);
}

void CompletedWindow::showEvent(QShowEvent* event) {
    showStepCount();
    QDialog::showEvent(event);
}

void CompletedWindow::keyPressEvent(QKeyEvent* event) {
    // Enter closes the window as "Закрыть" would as the default button; a flat tool button can't be one, and
    // a push button would draw differently. A held Enter that ran the winning step repeats into this window
    // and leaves it open.
    if (isPlainEnter(*event)) {
        event->accept();
        if (!event->isAutoRepeat()) {
            closeButton_->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void CompletedWindow::showStepCount() {
    guarded(platform_, this, [&] {
        const int steps = stepCounter_ ? stepCounter_() : 0;
        stepCountLabel_->setText(QStringLiteral("Количество шагов:  ") + QString::number(steps));
        stepCountLabel_->adjustSize();
        // A screen reader says the news as one sentence when the window opens.
        stepCountLabel_->setAccessibleName(QStringLiteral("Количество шагов: ") + QString::number(steps));
        setAccessibleDescription(fromStd(CompletedSpokenText(steps)));
    });
}

void CompletedWindow::closeWindow() {
    guarded(platform_, this, [&] { close(); });
}

} // namespace trimerka
