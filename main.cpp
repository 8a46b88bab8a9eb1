#include <cstdio>
#include <string>

#include <QApplication>

#include "platform/QtPlatform.h"
#include "ui/Application.h"
#include "ui/CommandLine.h"
#include "ui/MainWindow.h"

namespace {

void write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

} // namespace

int main(int argc, char** argv) {
    // The help and the version are answered before the window system is reached, so that they work in a
    // terminal without a display. Anything else, Qt's own options among them, is read once the application
    // object has taken those options.
    const trimerka::CommandLine early = trimerka::readCommandLine(trimerka::rawArguments(argc, argv));
    if (early.exitCode == 0) {
        write(stdout, early.output);
        return 0;
    }
    trimerka::prepareApplication();
    QApplication app(argc, argv);
    trimerka::setUpApplication(app);
    const trimerka::CommandLine commandLine = trimerka::readCommandLine(QApplication::arguments());
    write(stdout, commandLine.output);
    write(stderr, commandLine.complaint);
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
