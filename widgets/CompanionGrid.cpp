#include "widgets/CompanionGrid.h"

#include <QScrollBar>

namespace trimerka {

CompanionGrid::CompanionGrid(Platform& platform, QWidget* parent) : CellGrid(platform, parent) {
    // The base constructor laid out with the base bars; lay out again with this grid's own.
    recalculateLayout();
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CompanionGrid::ownVertBarChanged);
}

CompanionGrid::~CompanionGrid() {
    if (grid_ && grid_->linkedGrid_ == this)
        grid_->linkedGrid_ = nullptr;
}

void CompanionGrid::setGrid(CellGrid* value) {
    if (value == grid_)
        return;
    if (grid_) {
        disconnect(grid_, &QObject::destroyed, this, &CompanionGrid::gridDestroyed);
        if (grid_->linkedGrid_ == this)
            grid_->linkedGrid_ = nullptr;
    }
    grid_ = value;
    linkedGrid_ = value;
    if (!grid_)
        return;
    connect(grid_, &QObject::destroyed, this, &CompanionGrid::gridDestroyed);
    grid_->linkedGrid_ = this;
    grid_->setRowCount(rowCount());
}

void CompanionGrid::showScrollBars(bool, bool) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalScrollBar()->setEnabled(false);
}

// The followed grid set its vertical bar: take its range and its position.
void CompanionGrid::followVerticalBar(int maximum, int position) {
    maxVerticalOffset_ = maximum;
    setVerticalOffset(position);
}

// This grid scrolled by itself (wheel, keys): the followed grid goes along.
void CompanionGrid::ownVertBarChanged() {
    if (grid_)
        grid_->setVerticalOffset(verticalOffset());
}

void CompanionGrid::gridDestroyed() {
    grid_ = nullptr;
    linkedGrid_ = nullptr;
}

} // namespace trimerka
