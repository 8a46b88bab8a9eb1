#include <QApplication>
#include <QMainWindow>
#include <QSettings>

#include "platform/Fonts.h"

int main(int argc, char** argv) {
    // The program keeps no settings: nothing may be created under this path, not even by Qt's own dialogs.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QApplication app(argc, argv);
    trimerka::registerFonts();
    QMainWindow main;
    main.setWindowTitle(QStringLiteral("Исполнитель \"Тримерка\""));
    main.show();
    return QApplication::exec();
}
