#pragma once

#include <QPointer>

#include "widgets/CellGrid.h"

namespace trimerka {

// A grid that follows another one vertically, so that two grids side by side scroll and select rows
// together. It shows no vertical bar of its own and always a disabled horizontal one, so that its rows stay
// level with the followed grid's when that grid shows a horizontal bar.
class TCellGridSync : public TCellGrid {
    Q_OBJECT

public:
    explicit TCellGridSync(Platform& APlatform, QWidget* Parent = nullptr);
    ~TCellGridSync() override;

    TCellGrid* Grid() const { return FGrid; }
    // Links both ways and gives the followed grid this grid's row count; nullptr unlinks.
    void SetGrid(TCellGrid* Value);

protected:
    void ShowScrollBars(bool Horz, bool Vert) override;
    void FollowVertBar(int Max, int Pos) override;

private:
    void ownVertBarChanged();
    void gridDestroyed();

    QPointer<TCellGrid> FGrid;
};

} // namespace trimerka
