#pragma once

#include <memory>

class QApplication;
class QCoreApplication;
class QString;

namespace trimerka {

class Platform;
class MainWindow;
class ConstructorWindow;
class TargetStateWindow;
class AboutWindow;
class CompletedWindow;
class ProgramWindow;

// What must be in place before the application object exists: the program keeps no settings, so nothing
// may be created under Qt's settings path, not even by Qt's own dialogs.
void prepareApplication();

// The application-wide set-up done before any window is made: Qt's own dialogs in Russian, the program's
// fonts, its icon and the desktop entry the running window belongs to. Running it again changes nothing.
void setUpApplication(QApplication& app);

// Installs Qt's Russian translation of its own dialogs ("Открыть", "Отмена", the replace question) from the
// folder. Without the file nothing is installed and the dialogs stay in English; false then.
bool installQtTranslation(QCoreApplication& app, const QString& folder);

// The program's windows. The main window owns the others, which are created hidden and kept for the whole
// run: four shown modally over it, and «Программа», shown beside it on request.
struct ProgramWindows {
    std::unique_ptr<MainWindow> main;
    ConstructorWindow* constructor = nullptr;
    AboutWindow* about = nullptr;
    CompletedWindow* completed = nullptr;
    TargetStateWindow* targetState = nullptr;
    ProgramWindow* program = nullptr;
};

// Creates the five windows in the program's order (main, constructor, About, task completed, target state),
// then the window «Программа», and hands them to each other. Nothing is shown.
ProgramWindows assembleWindows(Platform& platform);

} // namespace trimerka
