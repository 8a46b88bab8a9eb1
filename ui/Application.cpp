#include "ui/Application.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>

#include "platform/Fonts.h"
#include "ui/cnz_form.h"
#include "ui/glavnoe.h"
#include "ui/logo.h"
#include "ui/parametri_zadaniya.h"
#include "ui/spravka.h"

namespace trimerka {

void prepareApplication() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

void setUpApplication(QApplication& app) {
    Q_UNUSED(app);
    registerFonts();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/trimerka.svg")));
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
