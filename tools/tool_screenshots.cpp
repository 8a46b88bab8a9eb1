// Saves pictures of the program's windows in named states, without a display:
//   tool_screenshots <folder>
// Every window is created as the program creates it, driven through its own controls, and grabbed.

#include <cstdio>
#include <deque>
#include <filesystem>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include "core/Task.h"
#include "core/TaskFile.h"
#include "platform/QtPlatform.h"
#include "ui/AboutWindow.h"
#include "ui/Application.h"
#include "ui/CompletedWindow.h"
#include "ui/ConstructorWindow.h"
#include "ui/MainWindow.h"
#include "ui/TargetStateWindow.h"
#include "widgets/CellGrid.h"

namespace {

using namespace trimerka;

// The desktop services, but the open dialog answers from a queue and a modal window is grabbed instead of
// waiting for the user.
class ScriptedPlatform : public QtPlatform {
public:
    std::deque<QString> openAnswers;
    QString folder;
    QDir output;

    std::optional<QString> openFileName(QWidget*, const FileDialogRequest&) override {
        if (openAnswers.empty()) {
            return std::nullopt;
        }
        QString answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    void showModal(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        save(dialog, dialog.objectName());
        dialog.hide();
    }
    void showError(QWidget*, const QString& title, const QString& message) override {
        std::fprintf(stderr, "error report %s: %s\n", qPrintable(title), qPrintable(message));
    }
    void save(QWidget& widget, const QString& name) {
        const QString path = output.filePath(name + QStringLiteral(".png"));
        if (!widget.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }
};

TaskDefinition classicTask() {
    TaskDefinition task;
    task.vessels[VesselA] = {8, 8, 4, 185, kDefaultFillColor, kDefaultEmptyColor};
    task.vessels[VesselB] = {5, 0, 4, 120, rgb(120, 190, 255), kDefaultEmptyColor};
    task.vessels[VesselV] = {3, 0, 0, 80, rgb(255, 200, 120), kDefaultEmptyColor};
    task.unlimitedSource = false;
    task.solutionControl = true;
    task.statementLines = {"Имеются три сосуда: на 8, 5 и 3 литра. Первый полон, два других пусты.",
                           "Разделите 8 литров поровну: по 4 литра в первом и втором сосудах."};
    task.commonTitle = "Сосуды";
    task.columnTitles = {"8 литров", "5 литров", "3 литра"};
    return task;
}

TaskDefinition unlimitedTask() {
    TaskDefinition task = classicTask();
    task.vessels[VesselA] = {99, 99, 99, 185, rgb(150, 200, 255), kDefaultEmptyColor};
    task.vessels[VesselB].targetAmount = 4;
    task.vessels[VesselV].targetAmount = 3;
    task.unlimitedSource = true;
    task.pourBackAllowed = true;
    task.statementLines = {"Из водопровода наберите ровно 4 литра, пользуясь сосудами на 5 и 3 литра."};
    task.columnTitles = {"Водопровод", "5 литров", "3 литра"};
    return task;
}

void click(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->click();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareApplication();
    QApplication app(argc, argv);
    setUpApplication(app);

    QDir output(QString::fromLocal8Bit(argv[1]));
    if (!output.exists() && !QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    QTemporaryDir tasks;
    const QString classicPath = QDir(tasks.path()).filePath(QStringLiteral("classic.tmk"));
    const QString unlimitedPath = QDir(tasks.path()).filePath(QStringLiteral("unlimited.tmk"));
    WriteTaskFile(std::filesystem::path(QFile::encodeName(classicPath).toStdString()), classicTask());
    WriteTaskFile(std::filesystem::path(QFile::encodeName(unlimitedPath).toStdString()), unlimitedTask());

    ScriptedPlatform platform;
    platform.output = output;
    const ProgramWindows windows = assembleWindows(platform);
    MainWindow& form1 = *windows.main;
    ConstructorWindow* form2 = windows.constructor;
    form1.show();
    QApplication::processEvents();
    auto find = [&](const char* name) { return form1.findChild<QWidget*>(QLatin1String(name)); };

    platform.save(form1, QStringLiteral("main_no_task"));

    // The classic task after three steps, the middle row selected, the next command composed.
    platform.openAnswers.push_back(classicPath);
    click(find("vz"));
    const char* steps[][2] = {{"vsa", "vsb"}, {"vsb", "vsv"}, {"vsv", "vsa"}};
    for (const auto& step : steps) {
        click(find(step[0]));
        click(find(step[1]));
        click(find("vipolnit"));
    }
    form1.stepLog()->setCurrentRow(1);
    form1.stepLog()->setSelection(CellRange{0, 1, 3, 1});
    click(find("vsb"));
    click(find("vsv"));
    QApplication::processEvents();
    platform.save(form1, QStringLiteral("main_task_steps"));

    // The target-state window for that task, then the rest of the solution up to the completed window.
    click(find("cnz"));
    const char* rest[][2] = {{"vsb", "vsv"}, {"vsa", "vsb"}, {"vsb", "vsv"}, {"vsv", "vsa"}};
    for (const auto& step : rest) {
        if (!qobject_cast<QPushButton*>(find(step[0]))->isChecked()) {
            click(find(step[0]));
        }
        if (!qobject_cast<QPushButton*>(find(step[1]))->isChecked()) {
            click(find(step[1]));
        }
        click(find("vipolnit"));
    }
    QApplication::processEvents();
    platform.save(form1, QStringLiteral("main_task_solved"));

    // An unlimited vessel А with pouring back allowed: both arrows over its bar.
    platform.openAnswers.push_back(unlimitedPath);
    click(find("vz"));
    QApplication::processEvents();
    platform.save(form1, QStringLiteral("main_unlimited"));

    // The "Задание" menu as it opens with a task.
    if (auto* menu = form1.findChild<QMenu*>(QStringLiteral("N3"))) {
        menu->popup(form1.mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        platform.save(*menu, QStringLiteral("main_menu_task"));
        menu->hide();
    }

    // The windows reached from the menu and the toolbar, as they first show.
    click(find("help"));
    platform.showModal(*form2);
    return 0;
}
