#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/TaskFolders.h"
#include "support/FakePlatform.h"
#include "support/NamedRows.h"
#include "support/TaskFiles.h"
#include "ui/ConstructorWindow.h"
#include "ui/MainWindow.h"

namespace trimerka {
namespace {

using rows::PrintTo;

// Where the program and the example tasks lie, and the folders the dialogs must start in (relative to a
// temporary root that stands for the prefix).
struct Layout {
    const char* name;
    std::vector<const char*> files;
    bool examplesReadOnly;
    const char* openFolder;
    const char* saveFolder;
};

class DialogFolders : public ::testing::TestWithParam<Layout> {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_NO_FATAL_FAILURE(testing::makeTree(root, GetParam().files));
        ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("home/Documents"))));
    }
    QString at(const char* relative) const { return root.filePath(QString::fromUtf8(relative)); }
    static void click(QWidget& window, const char* name) {
        auto* button = window.findChild<QAbstractButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QTemporaryDir root;
    testing::FakePlatform platform;
};

TEST_P(DialogFolders, OpenInTheExamplesAndSaveWhereAFileCanBeWritten) {
    const Layout& layout = GetParam();
    // The platform's folders, found from this layout as the program finds them from its own.
    platform.folder = examplesFolderFor(at("bin"));
    const bool writable = !layout.examplesReadOnly && folderCanBeWritten(platform.folder);
    platform.saveDirectory = saveFolderFor(platform.folder, writable, at("home/Documents"), at("home"));

    MainWindow main(platform);
    ConstructorWindow constructor(platform, &main);
    main.show();
    click(main, "vz");
    constructor.show();
    click(constructor, "SpeedButton7");
    click(constructor, "SpeedButton8");

    ASSERT_EQ(platform.openRequests.size(), 2u);
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.openRequests[0].directory, at(layout.openFolder)) << "the main window's open dialog";
    EXPECT_EQ(platform.openRequests[1].directory, at(layout.openFolder)) << "the constructor's open dialog";
    EXPECT_EQ(platform.saveRequests[0].directory, at(layout.saveFolder)) << "the constructor's save dialog";
}

INSTANTIATE_TEST_SUITE_P(
    Table, DialogFolders,
    ::testing::Values(Layout{"build_tree", {"bin/trimerka", "bin/01_8-5-3.tmk"}, false, "bin", "bin"},
                      Layout{"installed_prefix",
                             {"bin/trimerka", "share/trimerka/examples/01_8-5-3.tmk"},
                             false,
                             "share/trimerka/examples",
                             "share/trimerka/examples"},
                      Layout{"read_only_examples_folder",
                             {"bin/trimerka", "share/trimerka/examples/01_8-5-3.tmk"},
                             true,
                             "share/trimerka/examples",
                             "home/Documents"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace trimerka
