#include <iostream>
#include <sstream>

#include <QApplication>

#include "platform/QtPlatform.h"
#include "ui/Application.h"
#include "ui/CommandLine.h"
#include "ui/MainWindow.h"

int main(int argc, char** argv) {
    // The help and the version are answered before the window system is reached, so that they work in a
    // terminal without a display. Anything else, Qt's own options among them, is read once the application
    // object has taken those options.
    std::ostringstream unheard;
    if (trimerka::readCommandLine(trimerka::rawArguments(argc, argv), std::cout, unheard).exitCode == 0) {
        return 0;
    }
    trimerka::prepareApplication();
    QApplication app(argc, argv);
    trimerka::setUpApplication(app);
    const trimerka::CommandLine commandLine =
        trimerka::readCommandLine(QApplication::arguments(), std::cout, std::cerr);
    if (commandLine.exitCode) {
        return *commandLine.exitCode;
    }
    trimerka::QtPlatform platform;
    const trimerka::ProgramWindows windows = trimerka::assembleWindows(platform);
    windows.main->show();
    // Opened once the window is on screen, so that an error report stands over its owner.
    if (!commandLine.taskFile.isEmpty()) {
        windows.main->openTaskFile(commandLine.taskFile);
    }
    return QApplication::exec();
}
