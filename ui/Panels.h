#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <QWidget>

class QPainter;
class QPalette;

namespace trimerka {

// A raised bevel is light at the top and left and shadowed at the bottom and right; a sunken one the other
// way round. The light and shadow colours are the palette's Light and Mid.
enum class Bevel { Raised, Sunken };

// The edge that takes the pixel at the top-right corner of a bevel: the constructor's panels give it to the
// top edge, the other windows to the right edge. The bottom-left pixel always belongs to the bottom edge.
enum class TopRightCorner { OfTopEdge, OfRightEdge };

// A one-pixel bevel along the inside of the rectangle.
void drawBevel(QPainter& painter, const QRect& r, Bevel bevel, const QPalette& palette,
               TopRightCorner corner = TopRightCorner::OfRightEdge);

// A panel filled with its colour inside a one-pixel raised or sunken bevel, its caption centred: the
// constructor's vessel headers, letter panels, colour squares and status strip.
class BevelPanel : public QWidget {
    Q_OBJECT

public:
    BevelPanel(Bevel bevel, const QColor& color, const QString& caption, QWidget* parent);

    QColor color() const { return color_; }
    void setColor(const QColor& color);
    QString caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel bevel_;
    QColor color_;
    QString caption_;
};

// A label inside a sunken one-pixel bevel: the main window's command panel and status strip.
class SunkenLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A panel in one colour framed by a raised outer bevel and a sunken inner bevel, one pixel each: the
// task-completed window's background.
class FramedPanel : public QWidget {
public:
    FramedPanel(const QColor& color, QWidget* parent) : QWidget(parent), color_(color) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

// A 2-pixel etched line: a shadow row above a light row, along the main window's toolbar.
class EtchedLine : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace trimerka
