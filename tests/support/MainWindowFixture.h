#pragma once

#include <array>
#include <memory>
#include <vector>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "support/QtPrinters.h"
#include "support/TaskFiles.h"
#include "ui/Application.h"
#include "ui/CompletedWindow.h"
#include "ui/MainWindow.h"
#include "ui/TargetStateWindow.h"
#include "widgets/CellGrid.h"

namespace trimerka::testing {

// One pour of a pupil's session: the row it writes into the step log and the captions after it.
struct PlayedStep {
    int source, destination;
    std::array<const char*, 4> cells;
    std::array<const char*, 3> captions;
};

// The seven pours that solve the classic 8-5-3 task.
inline std::vector<PlayedStep> classicSolution() {
    return {
        {VesselA, VesselB, {"А - Б", "3 ( 8 - 5 )", "5 ( 0 + 5 )", "0"}, {"3 / 8", "5 / 5", "0/3"}},
        {VesselB, VesselV, {"Б - В", "3", "2 ( 5 - 3 )", "3 ( 0 + 3 )"}, {"3 / 8", "2 / 5", "3 / 3"}},
        {VesselV, VesselA, {"В - А", "6 ( 3 + 3 )", "2", "0 ( 3 - 3 )"}, {"6 / 8", "2 / 5", "0 / 3"}},
        {VesselB, VesselV, {"Б - В", "6", "0 ( 2 - 2 )", "2 ( 0 + 2 )"}, {"6 / 8", "0 / 5", "2 / 3"}},
        {VesselA, VesselB, {"А - Б", "1 ( 6 - 5 )", "5 ( 0 + 5 )", "2"}, {"1 / 8", "5 / 5", "2 / 3"}},
        {VesselB, VesselV, {"Б - В", "1", "4 ( 5 - 1 )", "3 ( 2 + 1 )"}, {"1 / 8", "4 / 5", "3 / 3"}},
        {VesselV, VesselA, {"В - А", "4 ( 1 + 3 )", "4", "0 ( 3 - 3 )"}, {"4 / 8", "4 / 5", "0 / 3"}},
    };
}

// A fresh program per test, assembled as the program assembles it, its main window shown and driven through
// its controls; task files go to a temporary folder that stands for the examples folder.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform.folder = folder.path();
        windows = assembleWindows(platform);
        form = windows.main.get();
        completed = windows.completed;
        targetState = windows.targetState;
        ASSERT_NE(form, nullptr);
        ASSERT_NE(completed, nullptr);
        ASSERT_NE(targetState, nullptr);
        form->show();
    }

    template <class T = QWidget> T* find(const char* name) const {
        T* widget = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QAction* action(const char* name) const { return find<QAction>(name); }
    QPushButton* vesselButton(int vessel) const {
        static const char* const names[] = {"vsa", "vsb", "vsv"};
        return find<QPushButton>(names[vessel]);
    }
    QString caption(int vessel) const {
        static const char* const names[] = {"esa", "esb", "esv"};
        return find<QLabel>(names[vessel])->text();
    }
    QString panel() const { return find<QLabel>("kmd")->text(); }
    bool executeEnabled() const { return find<QPushButton>("vipolnit")->isEnabled(); }
    QString statement() const { return find<QPlainTextEdit>("fz")->toPlainText(); }
    QString path() const { return find<QLabel>("put_tmk")->text(); }
    CellGrid* grid() const { return form->stepLog(); }
    bool shown(const char* name) const { return !find(name)->isHidden(); }
    // The update of the "Задание" menu that runs as the menu opens.
    void openTaskMenu() const { emit find<QMenu>("N3")->aboutToShow(); }

    QString write(const TaskKeys& keys, const QString& name = QStringLiteral("task.tmk")) {
        return writeTaskFile(QDir(folder.path()), name, keys);
    }
    // Chooses a name in the open dialog.
    void open(const QString& chosen) {
        platform.openAnswers.push_back(chosen);
        find<QToolButton>("vz")->click();
    }
    void openKeys(const TaskKeys& keys) { open(write(keys)); }
    void click(int vessel) { QTest::mouseClick(vesselButton(vessel), Qt::LeftButton); }
    void execute() { QTest::mouseClick(find<QPushButton>("vipolnit"), Qt::LeftButton); }
    void step(int source, int destination) {
        click(source);
        click(destination);
        execute();
    }
    QStringList errorMessages() const {
        QStringList messages;
        for (const auto& error : platform.errors) {
            messages << error.message;
        }
        return messages;
    }

    FakePlatform platform;
    QTemporaryDir folder;
    ProgramWindows windows;
    MainWindow* form = nullptr;
    CompletedWindow* completed = nullptr;
    TargetStateWindow* targetState = nullptr;
};

} // namespace trimerka::testing
