#pragma once

#include <QPointer>

#include "widgets/CellGrid.h"

namespace trimerka {

// A grid that follows another one vertically, so that two grids side by side scroll and select rows
// together. It shows no vertical bar of its own and always a disabled horizontal one, so that its rows stay
// level with the followed grid's when that grid shows a horizontal bar.
class CompanionGrid : public CellGrid {
    Q_OBJECT

public:
    explicit CompanionGrid(Platform& APlatform, QWidget* Parent = nullptr);
    ~CompanionGrid() override;

    CellGrid* Grid() const { return FGrid; }
    // Links both ways and gives the followed grid this grid's row count; nullptr unlinks.
    void SetGrid(CellGrid* Value);

protected:
    void ShowScrollBars(bool Horz, bool Vert) override;
    void FollowVertBar(int Max, int Pos) override;

private:
    void ownVertBarChanged();
    void gridDestroyed();

    QPointer<CellGrid> FGrid;
};

} // namespace trimerka
