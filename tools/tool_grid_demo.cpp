// A small spreadsheet-like window for trying the grid by hand: an editable sheet with merged header titles,
// numbered rows, a footer, automatic fills and rows, the clipboard, and a notes column that follows the
// sheet's rows and scrolling. Not part of the program.
//
//   tool_grid_demo [--read-only]

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "widgets/CellGrid.h"
#include "widgets/CompanionGrid.h"

namespace {

// The sheet's rules: the first column takes any text, the others numbers (and the fill marks "*" and ">"),
// and the last column totals the three before it.
class SheetRules : public trimerka::CellGridDelegate {
public:
    bool acceptsCharacter(QWidget&, int column, int, QChar character) override {
        return column == 0 || character.isDigit() || character == QLatin1Char('*') ||
               character == QLatin1Char('>');
    }
    QString changedCellText(trimerka::CellGrid& grid, int column, int row, const QString& text) override {
        if (column >= 1 && column <= 3) {
            // The text is stored after this answer; total from the new value.
            int sum = text.toInt();
            for (int k = 1; k <= 3; ++k)
                if (k != column)
                    sum += grid.cellText(k, row).toInt();
            grid.setCellText(4, row, QString::number(sum));
        }
        return text;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    trimerka::registerFonts();
    const bool readOnly = app.arguments().contains(QStringLiteral("--read-only"));
    trimerka::QtPlatform platform;

    QWidget window;
    window.setWindowTitle(QStringLiteral("Таблица"));
    auto* layout = new QVBoxLayout(&window);
    auto* status = new QLabel;
    auto* row = new QHBoxLayout;
    auto* notes = new trimerka::CompanionGrid(platform);
    auto* sheet = new trimerka::CellGrid(platform);
    row->addWidget(notes);
    row->addWidget(sheet, 1);
    layout->addLayout(row, 1);
    layout->addWidget(status);

    sheet->setObjectName(QStringLiteral("sheet"));
    sheet->beginUpdate();
    sheet->setColumnCount(5);
    const QString titles[] = {QStringLiteral("Команда"), QStringLiteral("Емкость|12 литров"),
                              QStringLiteral("Емкость|8 литров"), QStringLiteral("Емкость|4 литра"),
                              QStringLiteral("Итого;за день")};
    for (int c = 0; c < 5; ++c) {
        sheet->columns()[c].setTitle(titles[c]);
        sheet->columns()[c].setWidth(c == 0 ? 100 : 80);
        sheet->columns()[c].setFooter(c == 0 ? QStringLiteral("Всего") : QString());
    }
    sheet->columns()[4].setHorizontalAlignment(trimerka::HorizontalAlignment::Right);
    sheet->columns()[4].setReadOnly(true);
    sheet->setHeaderLines(2);
    sheet->setGutterContent(trimerka::GutterContent::Numbers);
    sheet->setGutterWidth(28);
    sheet->setShowFooter(true);
    sheet->setAlternateColor(QColor(255, 234, 213));
    sheet->setAutoFillDown(true);
    sheet->setAutoFillRight(true);
    sheet->setAutoAddRow(true);
    sheet->setReadOnly(readOnly);
    sheet->endUpdate();

    notes->setObjectName(QStringLiteral("notes"));
    notes->setFixedWidth(120);
    notes->setColumnCount(1);
    notes->columns()[0].setTitle(QStringLiteral("Заметки"));
    notes->setHeaderLines(2);
    notes->setGutterContent(trimerka::GutterContent::None);
    notes->setShowFooter(true);
    notes->setFitToWidth(true);
    notes->setRowCount(20);
    notes->setGrid(sheet);

    for (int r = 0; r < 20; ++r) {
        sheet->setCellText(0, r, QStringLiteral("А - Б"));
        sheet->setCellText(1, r, QString::number(12 - r % 12));
        sheet->setCellText(2, r, QString::number(r % 8));
        sheet->setCellText(3, r, QString::number(r % 4));
    }

    // The total of a row follows every edit of the row's amounts.
    auto total = [sheet](int r) {
        int sum = 0;
        for (int c = 1; c <= 3; ++c)
            sum += sheet->cellText(c, r).toInt();
        sheet->setCellText(4, r, QString::number(sum));
    };
    for (int r = 0; r < sheet->rowCount(); ++r)
        total(r);
    auto show = [status](trimerka::CellGrid* g) {
        const trimerka::CellRange a = g->selection();
        status->setText(QStringLiteral("%1: ячейка (%2, %3), выделено (%4, %5)-(%6, %7)")
                            .arg(g->objectName())
                            .arg(g->currentColumn())
                            .arg(g->currentRow())
                            .arg(a.left)
                            .arg(a.top)
                            .arg(a.right)
                            .arg(a.bottom));
    };
    static SheetRules rules;
    sheet->setDelegate(&rules);
    QObject::connect(sheet, &trimerka::CellGrid::currentCellChanged, sheet, [show, sheet] { show(sheet); });
    QObject::connect(sheet, &trimerka::CellGrid::rowInserted, status,
                     [status](int r) { status->setText(QStringLiteral("Вставлена строка %1").arg(r + 1)); });
    QObject::connect(sheet, &trimerka::CellGrid::rowRemoved, status,
                     [status](int r) { status->setText(QStringLiteral("Удалена строка %1").arg(r + 1)); });

    window.resize(640, 420);
    window.show();
    sheet->setFocus();
    return QApplication::exec();
}
