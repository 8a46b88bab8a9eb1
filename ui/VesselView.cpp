#include "ui/VesselView.h"

#include <algorithm>
#include <cstdint>

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include "core/Error.h"
#include "core/Task.h"
#include "ui/AccessibleViews.h"
#include "ui/Controls.h"

namespace trimerka {

VesselView::VesselView(QWidget* parent)
    : QWidget(parent), fillColor_(toQColor(kDefaultFillColor)), emptyColor_(toQColor(kDefaultEmptyColor)) {
    setFixedSize(kAreaWidth, kAreaHeight);
    installAccessibleViews();
}

void VesselView::setCapacity(int capacity) {
    if (capacity == capacity_) {
        return;
    }
    if (capacity < 0) {
        throw Error(kValueRangeMessage);
    }
    capacity_ = capacity;
    amount_ = std::min(amount_, capacity_);
    update();
    notifyVesselChanged(*this);
}

void VesselView::setAmount(int amount) {
    const int limited = std::clamp(amount, 0, capacity_);
    if (limited == amount_) {
        return;
    }
    const int before = percent();
    amount_ = limited;
    // The bar shows whole percent steps only, so a change within one step leaves the picture as it is.
    if (percent() != before) {
        update();
    }
    notifyVesselChanged(*this);
}

void VesselView::setBarHeight(int height) {
    if (height == barHeight_) {
        return;
    }
    barHeight_ = height;
    update();
}

void VesselView::setFillColor(const QColor& color) {
    if (color == fillColor_) {
        return;
    }
    fillColor_ = color;
    update();
}

void VesselView::setEmptyColor(const QColor& color) {
    if (color == emptyColor_) {
        return;
    }
    emptyColor_ = color;
    update();
}

QRect VesselView::barRect() const {
    return {0, kAreaHeight - barHeight_, kAreaWidth, barHeight_};
}

int VesselView::percentOf(int amount, int capacity) {
    if (capacity <= 0) {
        return 0;
    }
    // 100 x amount leaves the 32-bit range for amounts above 21474836.
    return static_cast<int>(std::int64_t{100} * amount / capacity);
}

int VesselView::fillRowsOf(int barHeight, int percent) {
    // (H - 1) x P / 100 in whole numbers, so that exact products do not lose a row to rounding.
    int rows = static_cast<int>(std::int64_t{barHeight - 1} * percent / 100);
    if (rows >= barHeight - 1) {
        rows = barHeight - 2;
    }
    return std::max(rows, 0);
}

void VesselView::paintEvent(QPaintEvent*) {
    if (barHeight_ <= 0) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect bar = barRect();
    painter.fillRect(bar, Qt::black);
    const QRect inner = bar.adjusted(1, 1, -1, -1);
    if (inner.isEmpty()) {
        return;
    }
    painter.fillRect(inner, emptyColor_);
    const int rows = fillRows();
    if (rows > 0) {
        painter.fillRect(QRect(inner.left(), inner.bottom() - rows + 1, inner.width(), rows), fillColor_);
    }
}

namespace {

constexpr Color kCaptionBlue = 16711680; // R0 G0 B255
const char* const kCaptionLabelNames[kVesselCount] = {"Label1", "Label2", "Label3"};
const char* const kAreaNames[kVesselCount] = {"Panel4", "Panel5", "Panel10"};

} // namespace

VesselColumn makeVesselColumn(QWidget* parent, int vessel, QPoint at, const QString& caption) {
    const std::string letter(1, kVesselKeyLetters[vessel]);
    VesselColumn column;
    makeCaption(parent, kCaptionLabelNames[vessel], QStringLiteral("Ёмкость:"), at.x(), at.y(), true);
    column.caption = makeCaption(parent, ("es" + letter).c_str(), caption, at.x() + 57, at.y(), true);
    setTextColor(column.caption, toQColor(kCaptionBlue));

    const int areaTop = at.y() + 19;
    auto* area = new QWidget(parent);
    area->setObjectName(QLatin1String(kAreaNames[vessel]));
    area->setGeometry(at.x(), areaTop, VesselView::kAreaWidth, VesselView::kAreaHeight);
    column.view = new VesselView(area);
    column.view->setObjectName(QString::fromStdString("s" + letter));
    if (vessel == VesselA) {
        column.arrows = makeVesselArrows(area);
    }

    const QString name = QStringLiteral("Сосуд \"") + fromStd(kVesselLetters[vessel]) + QLatin1Char('"');
    const int buttonTop = areaTop + VesselView::kAreaHeight + 6;
    column.button = makeButton(parent, ("vs" + letter).c_str(), name,
                               QRect(at.x(), buttonTop, VesselView::kAreaWidth, 43), true);
    return column;
}

} // namespace trimerka
