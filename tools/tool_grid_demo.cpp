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
    sheet->BeginUpdate();
    sheet->SetColCount(5);
    const QString titles[] = {QStringLiteral("Команда"), QStringLiteral("Емкость|12 литров"),
                              QStringLiteral("Емкость|8 литров"), QStringLiteral("Емкость|4 литра"),
                              QStringLiteral("Итого;за день")};
    for (int c = 0; c < 5; ++c) {
        sheet->Columns()[c].SetTitle(titles[c]);
        sheet->Columns()[c].SetWidth(c == 0 ? 100 : 80);
        sheet->Columns()[c].SetFooter(c == 0 ? QStringLiteral("Всего") : QString());
    }
    sheet->Columns()[4].SetHorzAlign(trimerka::haRight);
    sheet->Columns()[4].SetReadOnly(true);
    sheet->SetHeaderLine(2);
    sheet->SetGutterKind(trimerka::gkNumber);
    sheet->SetGutterWidth(28);
    sheet->SetShowFooter(true);
    sheet->SetAlternateColor(QColor(255, 234, 213));
    sheet->SetAutoFillDown(true);
    sheet->SetAutoFillRight(true);
    sheet->SetAutoAddRow(true);
    sheet->SetReadOnly(readOnly);
    sheet->EndUpdate();

    notes->setObjectName(QStringLiteral("notes"));
    notes->setFixedWidth(120);
    notes->SetColCount(1);
    notes->Columns()[0].SetTitle(QStringLiteral("Заметки"));
    notes->SetHeaderLine(2);
    notes->SetGutterKind(trimerka::gkNone);
    notes->SetShowFooter(true);
    notes->SetFitToWidth(true);
    notes->SetRowCount(20);
    notes->SetGrid(sheet);

    for (int r = 0; r < 20; ++r) {
        sheet->SetCellText(0, r, QStringLiteral("А - Б"));
        sheet->SetCellText(1, r, QString::number(12 - r % 12));
        sheet->SetCellText(2, r, QString::number(r % 8));
        sheet->SetCellText(3, r, QString::number(r % 4));
    }

    // The total of a row follows every edit of the row's amounts.
    auto total = [sheet](int r) {
        int sum = 0;
        for (int c = 1; c <= 3; ++c)
            sum += sheet->CellText(c, r).toInt();
        sheet->SetCellText(4, r, QString::number(sum));
    };
    for (int r = 0; r < sheet->RowCount(); ++r)
        total(r);
    auto show = [status](trimerka::CellGrid* g) {
        const trimerka::GridRect a = g->SelectArea();
        status->setText(QStringLiteral("%1: ячейка (%2, %3), выделено (%4, %5)-(%6, %7)")
                            .arg(g->objectName())
                            .arg(g->Col())
                            .arg(g->Row())
                            .arg(a.Left)
                            .arg(a.Top)
                            .arg(a.Right)
                            .arg(a.Bottom));
    };
    sheet->OnCellChange = [](trimerka::CellGrid* g, int c, int r, QString& s) {
        if (c >= 1 && c <= 3) {
            // The text is stored after this handler; total from the new value.
            int sum = s.toInt();
            for (int k = 1; k <= 3; ++k)
                if (k != c)
                    sum += g->CellText(k, r).toInt();
            g->SetCellText(4, r, QString::number(sum));
        }
    };
    sheet->OnColRowChanged = [show](trimerka::CellGrid* g, int, int) { show(g); };
    sheet->OnInsertRow = [status](trimerka::CellGrid*, int r) {
        status->setText(QStringLiteral("Вставлена строка %1").arg(r + 1));
    };
    sheet->OnDeleteRow = [status](trimerka::CellGrid*, int r) {
        status->setText(QStringLiteral("Удалена строка %1").arg(r + 1));
    };
    sheet->OnFilterChar = [](QWidget*, int c, int, QChar ch, bool& allowed) {
        allowed = c == 0 || ch.isDigit() || ch == QLatin1Char('*') || ch == QLatin1Char('>');
    };

    window.resize(640, 420);
    window.show();
    sheet->setFocus();
    return QApplication::exec();
}
