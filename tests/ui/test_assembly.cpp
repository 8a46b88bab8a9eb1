#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontInfo>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "ui/AboutWindow.h"
#include "ui/Application.h"
#include "ui/CompletedWindow.h"
#include "ui/ConstructorWindow.h"
#include "ui/LazyDialog.h"
#include "ui/MainWindow.h"
#include "ui/ProgramWindow.h"
#include "ui/TargetStateWindow.h"
#include "widgets/CellGrid.h"

// The test programs set up their application with the program's own set-up (tests/support/QtTestMain.cpp), so
// what it establishes can be seen here, on the windows as the program assembles them.

namespace trimerka {
namespace {

class ProgramAssembly : public ::testing::Test {
protected:
    void SetUp() override {
        for (QWidget* window : everyWindow()) {
            ASSERT_NE(window, nullptr) << "a window the assembly did not make";
        }
    }

    QList<QWidget*> everyWindow() const {
        return {windows.main.get(), windows.constructor, windows.about,
                windows.completed,  windows.targetState, windows.program};
    }

    testing::FakePlatform platform;
    ProgramWindows windows = assembleWindows(platform);
};

TEST_F(ProgramAssembly, CreatesTheFiveWindowsInTheProgramsOrderThenTheProgramWindowHiddenUnderTheMain) {
    EXPECT_EQ(windows.main->objectName(), QStringLiteral("Form1"));
    QStringList owned;
    for (const QDialog* dialog : windows.main->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        owned << dialog->objectName();
    }
    EXPECT_EQ(owned, (QStringList{QStringLiteral("Form2"), QStringLiteral("Form10"), QStringLiteral("Form11"),
                                  QStringLiteral("Form3"), QStringLiteral("programWindow")}));
    const struct {
        QWidget* window;
        const char* name;
    } handed[] = {{windows.constructor, "Form2"},
                  {windows.about, "Form10"},
                  {windows.completed, "Form11"},
                  {windows.targetState, "Form3"},
                  {windows.program, "programWindow"}};
    for (const auto& window : handed) {
        EXPECT_EQ(window.window->objectName(), QLatin1String(window.name));
        EXPECT_EQ(window.window->parent(), windows.main.get()) << window.name;
        EXPECT_TRUE(window.window->isHidden()) << window.name;
    }
    EXPECT_TRUE(windows.main->isHidden()) << "the program shows its main window itself";
    // The seldom opened windows make their controls when opened, not at start.
    for (LazyDialog* window : std::initializer_list<LazyDialog*>{windows.constructor, windows.about,
                                                                 windows.targetState, windows.program}) {
        EXPECT_FALSE(window->isBuilt()) << window->objectName().toStdString();
        EXPECT_TRUE(window->findChildren<QWidget*>().isEmpty()) << window->objectName().toStdString();
    }
}

// The completed window counts the steps in the main window's step log.
TEST_F(ProgramAssembly, CompletedWindowCountsTheMainWindowsSteps) {
    windows.main->stepLog()->setRowCount(5);
    platform.showModal(*windows.completed);
    EXPECT_EQ(windows.completed->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("Количество шагов:  5"));
}

TEST_F(ProgramAssembly, EveryWindowDrawsWithTheProgramsTahoma) {
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"))) {
        GTEST_SKIP() << "the system has no Tahoma to register";
    }
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(QApplication::font().pixelSize(), 11);
    for (QWidget* window : everyWindow()) {
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(QFontInfo(window->font()).family(), QStringLiteral("Tahoma"));
        if (auto* lazy = dynamic_cast<LazyDialog*>(window)) {
            lazy->ensureBuilt();
        }
        // A bold caption draws with the bold face, not with a thickened regular one.
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->font().bold()) {
                EXPECT_EQ(QFontInfo(button->font()).family(), QStringLiteral("Tahoma"))
                    << button->objectName().toStdString();
                EXPECT_TRUE(QFontInfo(button->font()).bold()) << button->objectName().toStdString();
            }
        }
    }
}

TEST_F(ProgramAssembly, EveryWindowCarriesTheProgramsIcon) {
    const QImage expected = QIcon(QStringLiteral(":/icons/trimerka.svg")).pixmap(32, 32).toImage();
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(QApplication::windowIcon().pixmap(32, 32).toImage(), expected);
    for (QWidget* window : everyWindow()) {
        EXPECT_EQ(window->windowIcon().pixmap(32, 32).toImage(), expected)
            << window->objectName().toStdString();
    }
    // The desktop matches the running window to the program's menu entry by this name.
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral(TRIMERKA_APP_ID));
}

} // namespace
} // namespace trimerka
