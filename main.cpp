#include <QApplication>

#include "platform/QtPlatform.h"
#include "ui/Application.h"
#include "ui/glavnoe.h"

int main(int argc, char** argv) {
    trimerka::prepareApplication();
    QApplication app(argc, argv);
    trimerka::setUpApplication(app);
    trimerka::QtPlatform platform;
    const trimerka::ProgramWindows windows = trimerka::assembleWindows(platform);
    windows.main->show();
    return QApplication::exec();
}
