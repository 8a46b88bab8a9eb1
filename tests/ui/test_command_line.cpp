#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/MainWindowFixture.h"
#include "support/NamedRows.h"
#include "ui/CommandLine.h"
#include "ui/MainWindow.h"

namespace trimerka {
namespace {

using rows::PrintTo;
using ::testing::HasSubstr;

// One start of the program: the arguments after its name ("$good", "$missing", "$malformed" and "$stem" stand
// for task files in a temporary folder), then what it prints, whether it ends at once, and the window it
// leaves.
struct StartCase {
    const char* name;
    std::vector<const char*> arguments;
    std::optional<int> exitCode;
    const char* printed;    // a text of the standard output; "" for none at all
    const char* complained; // a text of the error output; "" for none at all
    bool taskOpen;
    const char* error; // the error report's message, or nullptr for none
};

// What the user sees of the main window after a start.
struct Seen {
    QString path;
    QString statement;
    bool taskOpen;
    QStringList errors;
    bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& seen, std::ostream* out) {
    *out << "path " << seen.path.toStdString() << ", task " << (seen.taskOpen ? "open" : "closed")
         << ", errors {" << seen.errors.join(QStringLiteral("; ")).toStdString() << "}";
}

Seen seenIn(MainWindow& window, const testing::FakePlatform& platform) {
    Seen seen{window.findChild<QLabel*>(QStringLiteral("put_tmk"))->text(),
              window.statement()->toPlainText(),
              !window.findChild<QToolButton*>(QStringLiteral("cnz"))->isHidden(),
              {}};
    for (const auto& error : platform.errors) {
        seen.errors << error.message;
    }
    return seen;
}

class ProgramStart : public testing::MainWindowFixture, public ::testing::WithParamInterface<StartCase> {
protected:
    QString expand(const char* argument) {
        const std::string text = argument;
        if (text == "$good" || text == "$stem") {
            const QString path = write(testing::classicTaskKeys(), QStringLiteral("урок 1.tmk"));
            return text == "$good" ? path : path.chopped(4);
        }
        if (text == "$missing") {
            return QDir(folder.path()).filePath(QStringLiteral("нет такого.tmk"));
        }
        if (text == "$malformed") {
            testing::TaskKeys keys = testing::classicTaskKeys();
            testing::setKey(keys, "krres", "yes");
            return write(keys, QStringLiteral("bad.tmk"));
        }
        return QString::fromUtf8(argument);
    }
};

TEST_P(ProgramStart, OpensTheGivenTaskAsTheOpenDialogDoes) {
    const StartCase& row = GetParam();
    QStringList arguments{QStringLiteral("trimerka")};
    for (const char* argument : row.arguments) {
        arguments << expand(argument);
    }
    const CommandLine commandLine = readCommandLine(arguments);

    EXPECT_EQ(commandLine.exitCode, row.exitCode);
    EXPECT_THAT(commandLine.output, HasSubstr(row.printed));
    EXPECT_EQ(commandLine.output.empty(), *row.printed == '\0');
    EXPECT_THAT(commandLine.complaint, HasSubstr(row.complained));
    EXPECT_EQ(commandLine.complaint.empty(), *row.complained == '\0');
    if (commandLine.exitCode) {
        EXPECT_TRUE(commandLine.taskFile.isEmpty());
        return;
    }

    if (!commandLine.taskFile.isEmpty()) {
        form->openTaskFile(commandLine.taskFile);
    }
    const Seen seen = seenIn(*form, platform);
    EXPECT_EQ(seen.taskOpen, row.taskOpen);
    EXPECT_EQ(seen.errors, row.error ? QStringList{QString::fromUtf8(row.error)} : QStringList{});
    EXPECT_TRUE(platform.openRequests.empty()) << "no dialog is shown";
    if (commandLine.taskFile.isEmpty()) {
        EXPECT_EQ(seen.path, QString());
        return;
    }
    // The same file chosen in "Выбор задания" of a second window leaves that window just the same.
    testing::FakePlatform dialogPlatform;
    MainWindow viaDialog(dialogPlatform);
    viaDialog.show();
    dialogPlatform.openAnswers.push_back(commandLine.taskFile);
    viaDialog.findChild<QToolButton*>(QStringLiteral("vz"))->click();
    EXPECT_EQ(seen, seenIn(viaDialog, dialogPlatform));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgramStart,
    ::testing::Values(
        StartCase{"good_file", {"$good"}, std::nullopt, "", "", true, nullptr},
        StartCase{"name_without_extension_gets_tmk", {"$stem"}, std::nullopt, "", "", true, nullptr},
        StartCase{
            "missing_file", {"$missing"}, std::nullopt, "", "", false, "'''' is not a valid integer value."},
        StartCase{"malformed_file",
                  {"$malformed"},
                  std::nullopt,
                  "",
                  "",
                  false,
                  "''yes'' is not a valid integer value."},
        StartCase{"no_file", {}, std::nullopt, "", "", false, nullptr},
        StartCase{
            "version", {"--version"}, 0, "Исполнитель «Тримерка», версия 13.3.19\n", "", false, nullptr},
        StartCase{"version_opens_nothing", {"-v", "$good"}, 0, "версия", "", false, nullptr},
        StartCase{"help", {"--help"}, 0, "Использование: trimerka [ФАЙЛ.tmk]\n", "", false, nullptr},
        StartCase{
            "unknown_option", {"--bogus", "$good"}, 2, "", "неизвестный параметр «--bogus»", false, nullptr},
        StartCase{"second_file",
                  {"$good", "$missing"},
                  2,
                  "",
                  "Использование: trimerka [ФАЙЛ.tmk]",
                  false,
                  nullptr},
        StartCase{"file_after_the_end_of_options", {"--", "$good"}, std::nullopt, "", "", true, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLinePath, RelativeToTheCurrentFolderBecomesAbsolute) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const CommandLine commandLine =
        readCommandLine({QStringLiteral("trimerka"), QStringLiteral("./уроки/../урок.tmk")});
    QDir::setCurrent(before);
    EXPECT_EQ(commandLine.taskFile, QDir(folder.path()).filePath(QStringLiteral("урок.tmk")));
    EXPECT_EQ(commandLine.output + commandLine.complaint, "");
}

} // namespace
} // namespace trimerka
