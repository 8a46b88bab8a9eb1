#pragma once

#include <memory>

#include <QColor>

#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "widgets/CellGrid.h"

namespace trimerka::testing {

// The grid configured as the main window's step log: four centred read-only columns of 160 pixels under a
// two-line header, numbered rows, and the log's colours and fonts.
inline const QColor kLogColor{217, 233, 255};
inline const QColor kLogAlternate{255, 234, 213};
inline const QColor kLogGridColor{64, 0, 0};
inline const QColor kLogSelection{186, 254, 189};

inline std::unique_ptr<CellGrid> makeStepLog(Platform& platform, int rows) {
    auto g = std::make_unique<CellGrid>(platform);
    g->setObjectName(QStringLiteral("ng"));
    g->resize(696, 133);
    g->BeginUpdate();
    g->SetColor(kLogColor);
    g->SetColCount(4);
    const QString titles[] = {QStringLiteral("Команда"), QStringLiteral("Емкость|12 литров"),
                              QStringLiteral("Емкость|8 литров"), QStringLiteral("Емкость|4 литра")};
    for (int c = 0; c < 4; ++c) {
        CellColumn& col = g->Columns()[c];
        col.SetWidth(160);
        col.SetHorzAlign(haCenter);
        col.SetCanResize(false);
        col.SetReadOnly(true);
        col.SetColor(kLogColor);
        col.SetTitle(titles[c]);
    }
    g->SetHeaderLine(2);
    g->SetGutterKind(gkNumber);
    g->SetShowFooter(false);
    g->SetAlternateColor(kLogAlternate);
    g->SetGridColor(kLogGridColor);
    g->SetSelectionColor(kLogSelection);
    g->SetReadOnly(true);
    g->SetFont(tahoma(11, true));
    g->SetHeaderFont(tahoma(11));
    g->SetGutterFont(tahoma(11));
    g->SetFooterFont(tahoma(11));
    g->setFocusPolicy(Qt::ClickFocus);
    g->SetRowCount(0);
    g->EndUpdate();
    for (int r = 0; r < rows; ++r) {
        const int row = g->AddRow();
        g->SetCellText(0, row, QStringLiteral("А -> Б"));
        g->SetCellText(1, row, QString::number(12 - r));
        g->SetCellText(2, row, QString::number(r));
        g->SetCellText(3, row, QStringLiteral("0"));
        g->SetRow(row);
    }
    return g;
}

} // namespace trimerka::testing
