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
    explicit CompanionGrid(Platform& platform, QWidget* parent = nullptr);
    ~CompanionGrid() override;

    CellGrid* grid() const { return grid_; }
    // Links both ways and gives the followed grid this grid's row count; nullptr unlinks.
    void setGrid(CellGrid* value);

protected:
    void showScrollBars(bool horizontal, bool vertical) override;
    void followVerticalBar(int maximum, int position) override;

private:
    void ownVertBarChanged();
    void gridDestroyed();

    QPointer<CellGrid> grid_;
};

} // namespace trimerka
