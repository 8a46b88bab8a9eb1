#include <QApplication>
#include <QIcon>
#include <QSettings>

#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "ui/cnz_form.h"
#include "ui/glavnoe.h"
#include "ui/logo.h"
#include "ui/parametri_zadaniya.h"
#include "ui/spravka.h"

int main(int argc, char** argv) {
    // The program keeps no settings: nothing may be created under this path, not even by Qt's own dialogs.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QApplication app(argc, argv);
    trimerka::registerFonts();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/trimerka.svg")));
#ifdef TRIMERKA_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(TRIMERKA_APP_ID));
#endif
    trimerka::QtPlatform platform;

    // The four other windows are created hidden, kept for the whole run and shown modally over the main one.
    trimerka::TForm1 form1(platform);
    auto* form2 = new trimerka::TForm2(platform, &form1);
    auto* form10 = new trimerka::TForm10(platform, &form1);
    auto* form11 = new trimerka::TForm11(platform, &form1);
    auto* form3 = new trimerka::TForm3(platform, &form1);
    form1.setWindows(form2, form10, form11, form3);

    form1.show();
    return QApplication::exec();
}
