#include <QAbstractButton>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/ModalDriver.h"
#include "platform/QtPlatform.h"

namespace {

using trimerka::FileDialogRequest;
using trimerka::QtPlatform;
using trimerka::testing::ModalWatchdog;
using trimerka::testing::whenModal;

// A folder with two task files in it, and the request the windows make for it.
struct Folder : ::testing::Test {
    QTemporaryDir dir;
    QtPlatform platform;
    FileDialogRequest request;
    ModalWatchdog watchdog;

    void TearDown() override { EXPECT_FALSE(watchdog.fired()) << "a modal window was left unanswered"; }
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"a.tmk", "b.tmk"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        request.title = QStringLiteral("Выбор задания");
        request.filter = QStringLiteral("Файлы задания (*.tmk)");
        request.directory = dir.path();
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

// Types a name into the file dialog and presses its accepting button, or cancels when the name is null.
void answerFileDialog(const QString& typed) {
    whenModal<QFileDialog>([typed](QFileDialog* dialog) {
        if (typed.isNull()) {
            dialog->reject();
            return;
        }
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->setText(typed);
        // Through QDialog, whose accept() is public: the file dialog's own check of the typed name runs.
        static_cast<QDialog*>(dialog)->accept();
    });
}

struct OpenCase {
    const char* name;
    QString typed; // null: cancel
    const char* result;
};

void PrintTo(const OpenCase& c, std::ostream* os) {
    *os << c.name;
}

class OpenDialog : public Folder, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenDialog, GivesOnePathOrNothing) {
    const OpenCase& c = GetParam();
    answerFileDialog(c.typed);
    const auto chosen = platform.openFileName(nullptr, request);
    if (c.result == nullptr) {
        EXPECT_FALSE(chosen.has_value());
    } else {
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(QFileInfo(*chosen).canonicalFilePath(), QFileInfo(path(c.result)).canonicalFilePath());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, OpenDialog,
                         ::testing::Values(OpenCase{"name_without_extension_gets_tmk", QStringLiteral("a"),
                                                    "a.tmk"},
                                           OpenCase{"name_with_extension", QStringLiteral("b.tmk"), "b.tmk"},
                                           OpenCase{"several_selected_first_is_taken",
                                                    QStringLiteral("\"b.tmk\" \"a.tmk\""), "b.tmk"},
                                           OpenCase{"cancelled", QString(), nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Folder, OpenDialogIsSetUpFromTheRequest) {
    QString title;
    QStringList filters;
    QString directory;
    bool ownDialog = false;
    bool severalFiles = false;
    bool resizable = false;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        directory = dialog->directory().canonicalPath();
        ownDialog = dialog->testOption(QFileDialog::DontUseNativeDialog);
        severalFiles = dialog->fileMode() == QFileDialog::ExistingFiles;
        resizable = dialog->isSizeGripEnabled() && dialog->minimumSize() != dialog->maximumSize();
        dialog->reject();
    });
    platform.openFileName(nullptr, request);
    EXPECT_EQ(title, request.title);
    EXPECT_EQ(filters, QStringList{request.filter});
    EXPECT_EQ(directory, QDir(dir.path()).canonicalPath());
    EXPECT_TRUE(ownDialog);
    EXPECT_TRUE(severalFiles);
    EXPECT_TRUE(resizable);
}

struct SaveCase {
    const char* name;
    QString typed;
    // For an existing file: the answer to the question about replacing it; NoButton when none is expected.
    QMessageBox::StandardButton replace;
    const char* result;
};

void PrintTo(const SaveCase& c, std::ostream* os) {
    *os << c.name;
}

class SaveDialog : public Folder, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveDialog, AsksBeforeReplacingAndAddsTheExtension) {
    const SaveCase& c = GetParam();
    request.fileName = QStringLiteral("preset.tmk");
    bool asked = false;
    answerFileDialog(c.typed);
    if (c.replace != QMessageBox::NoButton) {
        whenModal<QMessageBox>([&, answer = c.replace](QMessageBox* box) {
            asked = true;
            box->button(answer)->click();
        });
        if (c.replace == QMessageBox::No) {
            // Declining keeps the dialog open; the user then cancels it.
            whenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); }, 5000);
        }
    }
    const auto chosen = platform.saveFileName(nullptr, request);
    EXPECT_EQ(asked, c.replace != QMessageBox::NoButton);
    if (c.result == nullptr) {
        EXPECT_FALSE(chosen.has_value());
    } else {
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(QDir::cleanPath(*chosen),
                  QDir::cleanPath(QDir(dir.path()).filePath(QLatin1String(c.result))));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SaveDialog,
                         ::testing::Values(SaveCase{"new_name_gets_tmk", QStringLiteral("new"),
                                                    QMessageBox::NoButton, "new.tmk"},
                                           SaveCase{"existing_file_replaced_when_confirmed",
                                                    QStringLiteral("a"), QMessageBox::Yes, "a.tmk"},
                                           SaveCase{"existing_file_kept_when_declined",
                                                    QStringLiteral("a.tmk"), QMessageBox::No, nullptr},
                                           SaveCase{"cancelled", QString(), QMessageBox::NoButton, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

// The question about a name that the save dialog did not see: a warning in Russian, "Нет" unless agreed.
TEST_F(Folder, ReplaceQuestionNamesTheFileAndDefaultsToNo) {
    struct Row {
        const char* name;
        QMessageBox::StandardButton answer;
        bool replace;
    };
    const Row rows[] = {{"agreed", QMessageBox::Yes, true},
                        {"declined", QMessageBox::No, false},
                        {"closed", QMessageBox::Escape, false}};
    for (const Row& row : rows) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QStringList buttons;
        bool noIsDefault = false;
        whenModal<QMessageBox>([&, answer = row.answer](QMessageBox* box) {
            icon = box->icon();
            title = box->windowTitle();
            text = box->text();
            for (QAbstractButton* button : box->buttons()) {
                buttons << button->text();
            }
            noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
            if (answer == QMessageBox::Escape) {
                box->reject();
            } else {
                box->button(answer)->click();
            }
        });
        EXPECT_EQ(platform.confirmReplace(nullptr, QStringLiteral("Сохранить как"), path("a.txt.tmk")),
                  row.replace)
            << row.name;
        EXPECT_EQ(icon, QMessageBox::Warning) << row.name;
        EXPECT_EQ(title, QStringLiteral("Сохранить как")) << row.name;
        EXPECT_EQ(text, QStringLiteral("a.txt.tmk уже существует.\nХотите заменить его?")) << row.name;
        buttons.sort();
        EXPECT_EQ(buttons, QStringList({QStringLiteral("Да"), QStringLiteral("Нет")})) << row.name;
        EXPECT_TRUE(noIsDefault) << row.name;
    }
}

TEST_F(Folder, SaveDialogOffersThePresetName) {
    request.fileName = QStringLiteral("Задание 1.tmk");
    QString offered;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        offered = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        dialog->reject();
    });
    EXPECT_FALSE(platform.saveFileName(nullptr, request).has_value());
    EXPECT_EQ(offered, request.fileName);
}

std::array<QColor, 16> presets(int base) {
    std::array<QColor, 16> colors;
    for (int i = 0; i < 16; ++i) {
        colors[static_cast<std::size_t>(i)] = QColor(base + i, 255 - i, base);
    }
    return colors;
}

TEST(ColourChooser, PresetsGoInOnceAndUserColoursStay) {
    ModalWatchdog watchdog;
    QtPlatform platform;
    std::array<QColor, 16> seen;
    whenModal<QColorDialog>([&](QColorDialog* dialog) {
        for (int i = 0; i < 16; ++i) {
            seen[static_cast<std::size_t>(i)] = QColorDialog::customColor(i);
        }
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    EXPECT_EQ(platform.chooseColor(nullptr, Qt::red, presets(10)), QColor(1, 2, 3));
    EXPECT_EQ(seen, presets(10));

    // The user defines a colour of their own; a later showing must not overwrite it with the presets.
    QColorDialog::setCustomColor(3, QColor(9, 9, 9));
    QColor initial;
    whenModal<QColorDialog>([&](QColorDialog* dialog) {
        initial = dialog->currentColor();
        for (int i = 0; i < 16; ++i) {
            seen[static_cast<std::size_t>(i)] = QColorDialog::customColor(i);
        }
        dialog->reject();
    });
    EXPECT_FALSE(platform.chooseColor(nullptr, QColor(20, 30, 40), presets(100)).has_value());
    EXPECT_EQ(initial, QColor(20, 30, 40));
    EXPECT_EQ(seen[3], QColor(9, 9, 9));
    EXPECT_EQ(seen[0], presets(10)[0]);
    EXPECT_FALSE(watchdog.fired());
}

TEST(Services, ClipboardFolderAndClock) {
    QtPlatform platform;
    platform.setClipboardText(QStringLiteral("А - Б\t3\t5"));
    EXPECT_EQ(platform.clipboardText(), QStringLiteral("А - Б\t3\t5"));

    // In the build tree the example tasks lie beside the program, and the folder can be written.
    EXPECT_EQ(QFileInfo(platform.examplesFolder()).canonicalFilePath(),
              QFileInfo(QStringLiteral(TRIMERKA_BINARY_DIR)).canonicalFilePath());
    EXPECT_EQ(platform.saveFolder(), platform.examplesFolder());

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const QDateTime now = platform.now();
    EXPECT_EQ(now.time().msec(), 0) << "to the second";
    EXPECT_EQ(now.timeSpec(), Qt::LocalTime);
    EXPECT_GE(now, before.addMSecs(-before.time().msec()));
    EXPECT_LE(now, QDateTime::currentDateTime());
}

TEST(Services, ShellOpenFailureIsSilent) {
    QtPlatform platform;
    platform.shellOpen(nullptr, QStringLiteral("mailto:nobody@example.invalid"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(Services, ShowModalReturnsWhenTheWindowCloses) {
    ModalWatchdog watchdog;
    QtPlatform platform;
    QDialog dialog;
    bool wasModal = false;
    whenModal<QDialog>([&](QDialog* shown) {
        wasModal = shown == &dialog && shown->isModal();
        shown->close();
    });
    platform.showModal(dialog);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(watchdog.fired());
}

TEST(Services, ErrorIsAStopBoxWithOk) {
    ModalWatchdog watchdog;
    QtPlatform platform;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString title;
    QString text;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        icon = box->icon();
        buttons = box->standardButtons();
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    platform.showError(nullptr, QStringLiteral("Trimerka"),
                       QStringLiteral("''abc'' is not a valid integer value."));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(title, QStringLiteral("Trimerka"));
    EXPECT_EQ(text, QStringLiteral("''abc'' is not a valid integer value."));
    EXPECT_FALSE(watchdog.fired());
}

} // namespace
