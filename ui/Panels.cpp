#include "ui/Panels.h"

#include <QPainter>
#include <QPalette>

#include "ui/AccessibleViews.h"

namespace trimerka {

void drawBevel(QPainter& painter, const QRect& r, Bevel bevel, const QPalette& palette,
               TopRightCorner corner) {
    const QColor light = palette.color(QPalette::Light);
    const QColor shadow = palette.color(QPalette::Mid);
    const QColor top = bevel == Bevel::Raised ? light : shadow;
    const QColor bottom = bevel == Bevel::Raised ? shadow : light;
    const bool cornerOfTop = corner == TopRightCorner::OfTopEdge;
    painter.fillRect(QRect(r.left(), r.top(), cornerOfTop ? r.width() : r.width() - 1, 1), top);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), top);
    const int rightTop = cornerOfTop ? r.top() + 1 : r.top();
    painter.fillRect(QRect(r.right(), rightTop, 1, r.bottom() - rightTop + 1), bottom);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottom);
}

BevelPanel::BevelPanel(Bevel bevel, const QColor& color, const QString& caption, QWidget* parent)
    : QWidget(parent), bevel_(bevel), color_(color), caption_(caption) {}

void BevelPanel::setColor(const QColor& color) {
    if (color != color_) {
        color_ = color;
        update();
        notifyNameChanged(*this);
    }
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), color_);
    drawBevel(painter, rect(), bevel_, palette(), TopRightCorner::OfTopEdge);
    if (!caption_.isEmpty()) {
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, caption_);
    }
}

void SunkenLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawBevel(painter, rect(), Bevel::Sunken, palette());
}

void FramedPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), color_);
    drawBevel(painter, rect(), Bevel::Raised, palette());
    drawBevel(painter, rect().adjusted(1, 1, -1, -1), Bevel::Sunken, palette());
}

void EtchedLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 1, width() - 1, 1);
}

} // namespace trimerka
