#include "widgets/CellGridSync.h"

#include <QScrollBar>

namespace trimerka {

TCellGridSync::TCellGridSync(Platform& APlatform, QWidget* Parent) : TCellGrid(APlatform, Parent) {
    // The base constructor laid out with the base bars; lay out again with this grid's own.
    RecalcLayout();
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TCellGridSync::ownVertBarChanged);
}

TCellGridSync::~TCellGridSync() {
    if (FGrid && FGrid->Sync == this)
        FGrid->Sync = nullptr;
}

void TCellGridSync::SetGrid(TCellGrid* Value) {
    if (Value == FGrid)
        return;
    if (FGrid) {
        disconnect(FGrid, &QObject::destroyed, this, &TCellGridSync::gridDestroyed);
        if (FGrid->Sync == this)
            FGrid->Sync = nullptr;
    }
    FGrid = Value;
    Sync = Value;
    if (!FGrid)
        return;
    connect(FGrid, &QObject::destroyed, this, &TCellGridSync::gridDestroyed);
    FGrid->Sync = this;
    FGrid->SetRowCount(RowCount());
}

void TCellGridSync::ShowScrollBars(bool, bool) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalScrollBar()->setEnabled(false);
}

// The followed grid set its vertical bar: take its range and its position.
void TCellGridSync::FollowVertBar(int Max, int Pos) {
    FMaxVScroll = Max;
    SetVertOffset(Pos);
}

// This grid scrolled by itself (wheel, keys): the followed grid goes along.
void TCellGridSync::ownVertBarChanged() {
    if (FGrid)
        FGrid->SetVertOffset(VertOffset());
}

void TCellGridSync::gridDestroyed() {
    FGrid = nullptr;
    Sync = nullptr;
}

} // namespace trimerka
