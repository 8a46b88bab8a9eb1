#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/TaskFolders.h"
#include "support/NamedRows.h"
#include "support/TaskFiles.h"

namespace trimerka {
namespace {

using rows::PrintTo;
using testing::makeTree;

struct ExamplesCase {
    const char* name;
    std::vector<const char*> tree;
    const char* examples; // relative to the root
};

class ExamplesFolder : public ::testing::TestWithParam<ExamplesCase> {};

TEST_P(ExamplesFolder, IsBesideTheProgramOrInstalledUnderShare) {
    const ExamplesCase& row = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    makeTree(root, row.tree);
    EXPECT_EQ(examplesFolderFor(root.filePath(QStringLiteral("bin"))),
              QDir::cleanPath(root.filePath(QString::fromUtf8(row.examples))));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ExamplesFolder,
    ::testing::Values(
        ExamplesCase{"build_tree_tasks_beside_the_program", {"bin/trimerka", "bin/01_8-5-3.tmk"}, "bin"},
        ExamplesCase{"installed_prefix",
                     {"bin/trimerka", "share/trimerka/examples/01_8-5-3.tmk"},
                     "share/trimerka/examples"},
        ExamplesCase{"tasks_beside_the_program_win_over_installed_ones",
                     {"bin/trimerka", "bin/lesson.tmk", "share/trimerka/examples/01_8-5-3.tmk"},
                     "bin"},
        ExamplesCase{"other_files_beside_the_program_do_not_count",
                     {"bin/trimerka", "bin/trimerka-solve", "bin/notes.txt", "share/trimerka/examples/"},
                     "share/trimerka/examples"},
        ExamplesCase{
            "no_examples_anywhere_gives_the_program_folder", {"bin/trimerka", "share/trimerka/"}, "bin"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FolderCanBeWritten, OnlyAnExistingFolderTheUserMayWrite) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    makeTree(root, {"writable/", "a-file"});
    EXPECT_TRUE(folderCanBeWritten(root.filePath(QStringLiteral("writable"))));
    EXPECT_FALSE(folderCanBeWritten(root.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(folderCanBeWritten(root.filePath(QStringLiteral("a-file"))));
}

TEST(FolderCanBeWritten, ReadOnlyFolderForAnOrdinaryUser) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "the administrator may write into any folder whatever its permissions";
    }
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_FALSE(folderCanBeWritten(root.path()));
    QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

struct SaveCase {
    const char* name;
    bool examplesWritable;
    bool documentsExist;
    const char* expected;
};

class SaveFolder : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveFolder, IsTheExamplesFolderOnlyWhenItCanBeWritten) {
    const SaveCase& row = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    makeTree(root, {"examples/", "home/"});
    if (row.documentsExist) {
        makeTree(root, {"home/Документы/"});
    }
    EXPECT_EQ(saveFolderFor(root.filePath(QStringLiteral("examples")), row.examplesWritable,
                            root.filePath(QStringLiteral("home/Документы")),
                            root.filePath(QStringLiteral("home"))),
              root.filePath(QString::fromUtf8(row.expected)));
}

INSTANTIATE_TEST_SUITE_P(Table, SaveFolder,
                         ::testing::Values(SaveCase{"writable_examples", true, true, "examples"},
                                           SaveCase{"read_only_examples_go_to_documents", false, true,
                                                    "home/Документы"},
                                           SaveCase{"no_documents_folder_goes_home", false, false, "home"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SaveFolder, EmptyDocumentsLocationGoesHome) {
    EXPECT_EQ(saveFolderFor(QStringLiteral("/usr/share/trimerka/examples"), false, QString(),
                            QStringLiteral("/home/u")),
              QStringLiteral("/home/u"));
}

} // namespace
} // namespace trimerka
