#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "ui/ConstructorWindow.h"
#include "ui/SpinEdit.h"
#include "ui/VesselView.h"

namespace trimerka::testing {

// The task constructor shown with a fake platform whose examples folder is a fresh temporary folder.
class ConstructorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform.folder = folder.path();
        form.show();
    }

    template <class T = QWidget> T* get(const char* name) {
        T* widget = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    SpinEdit* spin(const char* name) { return get<SpinEdit>(name); }
    VesselView* bar(const char* name) { return get<VesselView>(name); }
    QPushButton* saveButton() { return get<QPushButton>("SpeedButton2"); }
    QString currentFile() { return get<QLabel>("put_tmk")->text(); }

    QTemporaryDir folder;
    FakePlatform platform;
    ConstructorWindow form{platform};
};

} // namespace trimerka::testing
