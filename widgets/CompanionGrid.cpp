#include "widgets/CompanionGrid.h"

#include <QScrollBar>

namespace trimerka {

CompanionGrid::CompanionGrid(Platform& APlatform, QWidget* Parent) : CellGrid(APlatform, Parent) {
    // The base constructor laid out with the base bars; lay out again with this grid's own.
    RecalcLayout();
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CompanionGrid::ownVertBarChanged);
}

CompanionGrid::~CompanionGrid() {
    if (FGrid && FGrid->Sync == this)
        FGrid->Sync = nullptr;
}

void CompanionGrid::SetGrid(CellGrid* Value) {
    if (Value == FGrid)
        return;
    if (FGrid) {
        disconnect(FGrid, &QObject::destroyed, this, &CompanionGrid::gridDestroyed);
        if (FGrid->Sync == this)
            FGrid->Sync = nullptr;
    }
    FGrid = Value;
    Sync = Value;
    if (!FGrid)
        return;
    connect(FGrid, &QObject::destroyed, this, &CompanionGrid::gridDestroyed);
    FGrid->Sync = this;
    FGrid->SetRowCount(RowCount());
}

void CompanionGrid::ShowScrollBars(bool, bool) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalScrollBar()->setEnabled(false);
}

// The followed grid set its vertical bar: take its range and its position.
void CompanionGrid::FollowVertBar(int Max, int Pos) {
    FMaxVScroll = Max;
    SetVertOffset(Pos);
}

// This grid scrolled by itself (wheel, keys): the followed grid goes along.
void CompanionGrid::ownVertBarChanged() {
    if (FGrid)
        FGrid->SetVertOffset(VertOffset());
}

void CompanionGrid::gridDestroyed() {
    FGrid = nullptr;
    Sync = nullptr;
}

} // namespace trimerka
