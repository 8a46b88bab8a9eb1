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
    g->beginUpdate();
    g->setColor(kLogColor);
    g->setColumnCount(4);
    const QString titles[] = {QStringLiteral("Команда"), QStringLiteral("Емкость|12 литров"),
                              QStringLiteral("Емкость|8 литров"), QStringLiteral("Емкость|4 литра")};
    for (int c = 0; c < 4; ++c) {
        CellColumn& col = g->columns()[c];
        col.setWidth(160);
        col.setHorizontalAlignment(HorizontalAlignment::Center);
        col.setResizable(false);
        col.setReadOnly(true);
        col.setColor(kLogColor);
        col.setTitle(titles[c]);
    }
    g->setHeaderLines(2);
    g->setGutterContent(GutterContent::Numbers);
    g->setShowFooter(false);
    g->setAlternateColor(kLogAlternate);
    g->setGridColor(kLogGridColor);
    g->setSelectionColor(kLogSelection);
    g->setReadOnly(true);
    g->setFont(tahoma(11, true));
    g->setHeaderFont(tahoma(11));
    g->setGutterFont(tahoma(11));
    g->setFooterFont(tahoma(11));
    g->setFocusPolicy(Qt::ClickFocus);
    g->setRowCount(0);
    g->endUpdate();
    for (int r = 0; r < rows; ++r) {
        const int row = g->addRow();
        g->setCellText(0, row, QStringLiteral("А -> Б"));
        g->setCellText(1, row, QString::number(12 - r));
        g->setCellText(2, row, QString::number(r));
        g->setCellText(3, row, QStringLiteral("0"));
        g->setCurrentRow(row);
    }
    return g;
}

} // namespace trimerka::testing
