#include <QApplication>
#include <QSettings>

#include <gtest/gtest.h>

#include "platform/Fonts.h"

// The Qt test programs share this entry point: one application object for all tests, no settings file.
int main(int argc, char** argv) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                  : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    trimerka::registerFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
