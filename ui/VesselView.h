#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>

#include "ui/Controls.h"

class QLabel;
class QPushButton;

namespace trimerka {

// One vessel as the pupil sees it: a 97 x 185 area with a bar standing at its bottom. The bar shows the
// amount against the capacity in whole percent steps, filled from the bottom up inside a black outline. The
// area paints only the bar; above it the parent's background shows. Widgets placed as children of the view
// (vessel А's two arrow pictures) are drawn over the bar.
//
// In the main window the capacity and the amount are the vessel's state during execution, so the limits
// applied here (amount within 0 ... capacity, capacity not negative) hold for the vessel as well.
class VesselView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kAreaWidth = 97;
    static constexpr int kAreaHeight = 185;

    // Starts in the look of a vessel with no task open: 99 of 99, 185 high, the default colours.
    explicit VesselView(QWidget* parent = nullptr);

    int capacity() const { return capacity_; }
    int amount() const { return amount_; }
    int barHeight() const { return barHeight_; }
    QColor fillColor() const { return fillColor_; }
    QColor emptyColor() const { return emptyColor_; }

    // A capacity below 0 throws trimerka::Error and changes nothing; otherwise the amount is lowered to the
    // new capacity when it was above it.
    void setCapacity(int capacity);
    // The amount is limited to 0 ... capacity.
    void setAmount(int amount);
    // The bar keeps its bottom edge at the bottom of the area; any height is taken, the area clips it.
    void setBarHeight(int height);
    void setFillColor(const QColor& color);
    void setEmptyColor(const QColor& color);

    // 100 x amount / capacity, truncated; 0 for a capacity of 0.
    int percent() const { return percentOf(amount_, capacity_); }
    // The rows of the inner rectangle painted in the fill colour.
    int fillRows() const { return fillRowsOf(barHeight_, percent()); }
    // The bar within the area.
    QRect barRect() const;

    static int percentOf(int amount, int capacity);
    static int fillRowsOf(int barHeight, int percent);

    QSize sizeHint() const override { return {kAreaWidth, kAreaHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int capacity_ = 99;
    int amount_ = 99;
    int barHeight_ = kAreaHeight;
    QColor fillColor_;
    QColor emptyColor_;
};

// One vessel's column as the main and the target-state windows show it, its top-left corner at `at` in the
// parent: "Ёмкость:" and the vessel's caption in blue, the vessel's area 19 px lower holding its bar (and
// vessel А's two arrows), and below the area the button that bears the vessel's name.
struct VesselColumn {
    QLabel* caption = nullptr;
    VesselView* view = nullptr;
    QPushButton* button = nullptr;
    VesselArrows arrows{}; // vessel А only
};
VesselColumn makeVesselColumn(QWidget* parent, int vessel, QPoint at, const QString& caption);

} // namespace trimerka
