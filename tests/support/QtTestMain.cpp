#include <QApplication>

#include <gtest/gtest.h>

#include "ui/Application.h"

// The Qt test programs share this entry point: one application object for all tests, set up as the program
// sets up its own.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    trimerka::prepareApplication();
    QApplication app(argc, argv);
    trimerka::setUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
