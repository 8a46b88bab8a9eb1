#include "ui/Application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "platform/Fonts.h"
#include "ui/AboutWindow.h"
#include "ui/CompletedWindow.h"
#include "ui/ConstructorWindow.h"
#include "ui/Controls.h"
#include "ui/MainWindow.h"
#include "ui/TargetStateWindow.h"

namespace trimerka {

void prepareApplication() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

bool installQtTranslation(QCoreApplication& app, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ru"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void setUpApplication(QApplication& app) {
    static bool translated = false;
    if (!translated) {
        translated = true;
        // The program speaks Russian whatever the desktop's language, so Qt's dialogs do too.
        installQtTranslation(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    registerFonts();
    // The window class on X11, which the menu entry's StartupWMClass names, whatever the program file is
    // called.
    QCoreApplication::setApplicationName(QStringLiteral("trimerka"));
    QApplication::setWindowIcon(programIcon());
#ifdef TRIMERKA_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(TRIMERKA_APP_ID));
#endif
}

ProgramWindows assembleWindows(Platform& platform) {
    ProgramWindows windows;
    windows.main = std::make_unique<MainWindow>(platform);
    MainWindow* owner = windows.main.get();
    windows.constructor = new ConstructorWindow(platform, owner);
    windows.about = new AboutWindow(platform, owner);
    windows.completed = new CompletedWindow(platform, owner);
    windows.targetState = new TargetStateWindow(platform, owner);
    owner->setWindows(windows.constructor, windows.about, windows.completed, windows.targetState);
    return windows;
}

} // namespace trimerka
