// What the task constructor tells a screen reader. Qt names an editor after the label that is its buddy or,
// without one, after the group box it stands in, so all twelve number editors would be " Исходные данные "
// or " Результат ": each is named after its vessel and value instead, and so are the title editors.

#include <QCheckBox>
#include <QLineEdit>
#include <QTextEdit>

#include "core/ScreenReaderText.h"
#include "ui/ConstructorWindow.h"
#include "ui/Controls.h"
#include "ui/SpinEdit.h"

namespace trimerka {

void ConstructorWindow::setUpAccessibleNames() {
    for (int v = 0; v < kVesselCount; ++v) {
        for (VesselNumber field : kVesselNumbers) {
            numberEditor(v, field)->setAccessibleName(fromStd(NumberSpokenName(v, field)));
        }
        columnTitles_[v]->setAccessibleName(fromStd(ColumnTitleSpokenName(v)));
    }
    commonTitle_->setAccessibleName(QStringLiteral("Общее название столбцов"));
    statement_->setAccessibleName(QStringLiteral("Формулировка задания"));
    unlimitedSourceBox_->setAccessibleDescription(QStringLiteral("Сосуд А — бесконечный источник"));
    // The captioned panels over the columns say their caption, not the title of their group.
    for (BevelPanel* panel : findChildren<BevelPanel*>()) {
        if (!panel->caption().isEmpty()) {
            panel->setAccessibleName(panel->caption());
        }
    }
    pathLabel_->setAccessibleDescription(QStringLiteral("Файл задания"));
}

} // namespace trimerka
