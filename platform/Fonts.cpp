#include "platform/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cmath>

namespace trimerka {

void registerFonts() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    for (const char* path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        const QString file = QString::fromLatin1(path);
        if (QFile::exists(file)) {
            QFontDatabase::addApplicationFont(file);
        }
    }
    // Controls that set no font of their own use the windows' default face, Tahoma 8 pt.
    QGuiApplication::setFont(tahoma());
}

QFont tahoma(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

int pointsToPixels(int points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

} // namespace trimerka
