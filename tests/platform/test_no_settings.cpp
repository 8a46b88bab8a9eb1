#include <QColorDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/ModalDriver.h"
#include "platform/QtPlatform.h"

// Qt's dialogs keep their history and custom colours in a settings file of their own, written when a dialog
// closes and when the program ends. The program must leave no such file behind. Qt fixes where it would write
// when the settings paths are first set up, before any test runs, so the dialogs run in a child process
// started with a home and configuration folders of its own; the folders are searched once the child has
// ended.

namespace {

using trimerka::FileDialogRequest;
using trimerka::QtPlatform;
using trimerka::testing::ModalWatchdog;
using trimerka::testing::whenModal;

constexpr char kModeVariable[] = "TRIMERKA_NO_SETTINGS_CHILD";
constexpr char kWorkVariable[] = "TRIMERKA_NO_SETTINGS_WORK";

void answerFileDialog(const QString& typed) {
    whenModal<QFileDialog>([typed](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
        static_cast<QDialog*>(dialog)->accept();
    });
}

// Runs in the child only: every dialog of the platform as the windows use it, answered, not cancelled, so
// that the file dialog has a history to keep.
TEST(NoSettings, DISABLED_ChildRun) {
    const QString mode = qEnvironmentVariable(kModeVariable);
    ASSERT_FALSE(mode.isEmpty()) << "started by the test below only";
    if (mode == QLatin1String("unprotected")) {
        // Where Qt writes by default: shows that the search below finds what Qt would leave there.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    ModalWatchdog watchdog;
    QtPlatform platform;
    std::array<QColor, 16> presets;
    presets.fill(QColor(10, 200, 30));
    whenModal<QColorDialog>([](QColorDialog* dialog) {
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    EXPECT_EQ(platform.chooseColor(nullptr, Qt::white, presets), QColor(1, 2, 3));
    QColorDialog::setCustomColor(5, QColor(7, 7, 7));

    FileDialogRequest request;
    request.title = QStringLiteral("Выбор задания");
    request.filter = QStringLiteral("Файлы задания (*.tmk)");
    request.directory = qEnvironmentVariable(kWorkVariable);
    answerFileDialog(QStringLiteral("task"));
    EXPECT_TRUE(platform.openFileName(nullptr, request).has_value());
    request.fileName = QStringLiteral("Задание.tmk");
    answerFileDialog(QStringLiteral("saved"));
    EXPECT_TRUE(platform.saveFileName(nullptr, request).has_value());
    platform.setClipboardText(QStringLiteral("А - Б"));
    QSettings(QSettings::UserScope, QStringLiteral("QtProject")).sync();
    EXPECT_FALSE(watchdog.fired());
}

struct RunCase {
    const char* name;
    const char* mode;
    bool filesExpected;
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class NoSettingsFile : public ::testing::TestWithParam<RunCase> {};

TEST_P(NoSettingsFile, DialogsLeaveNothingInHomeOrConfiguration) {
    const RunCase& c = GetParam();
    QTemporaryDir root;
    QTemporaryDir work;
    ASSERT_TRUE(root.isValid() && work.isValid());
    {
        QFile task(QDir(work.path()).filePath(QStringLiteral("task.tmk")));
        ASSERT_TRUE(task.open(QIODevice::WriteOnly));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* folder : {"home", "config", "cache", "data", "state"}) {
        ASSERT_TRUE(QDir(root.path()).mkpath(QLatin1String(folder)));
    }
    environment.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), root.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), root.filePath(QStringLiteral("state")));
    environment.insert(QLatin1String(kModeVariable), QLatin1String(c.mode));
    environment.insert(QLatin1String(kWorkVariable), work.path());

    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=NoSettings.DISABLED_ChildRun")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    ASSERT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
    ASSERT_EQ(child.exitCode(), 0) << output.toStdString();
    ASSERT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();

    QStringList created;
    QDirIterator it(root.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        created << QDir(root.path()).relativeFilePath(it.next());
    }
    EXPECT_EQ(!created.isEmpty(), c.filesExpected) << created.join(QStringLiteral(", ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, NoSettingsFile,
                         ::testing::Values(RunCase{"program_as_it_runs", "protected", false},
                                           RunCase{"qt_default_place_is_found", "unprotected", true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
