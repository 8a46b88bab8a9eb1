#include "ui/Application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "platform/Fonts.h"
#include "ui/Controls.h"
#include "ui/cnz_form.h"
#include "ui/glavnoe.h"
#include "ui/logo.h"
#include "ui/parametri_zadaniya.h"
#include "ui/spravka.h"

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
    windows.main = std::make_unique<TForm1>(platform);
    TForm1* owner = windows.main.get();
    windows.constructor = new TForm2(platform, owner);
    windows.about = new TForm10(platform, owner);
    windows.completed = new TForm11(platform, owner);
    windows.targetState = new TForm3(platform, owner);
    owner->setWindows(windows.constructor, windows.about, windows.completed, windows.targetState);
    return windows;
}

} // namespace trimerka
