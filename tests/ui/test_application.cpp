#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include "platform/ModalDriver.h"
#include "platform/QtPlatform.h"
#include "support/FakePlatform.h"
#include "support/QtPrinters.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"

namespace trimerka {
namespace {

using testing::ModalWatchdog;
using testing::whenModal;

// A button's text as the user reads it, without the mnemonic's ampersand.
QString shown(const QAbstractButton* button) {
    return button == nullptr ? QStringLiteral("(no button)")
                             : QString(button->text()).remove(QLatin1Char('&'));
}

// Qt's own dialogs, shown through the program's platform after the program's set-up.
class RussianDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setUpApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        request.title = QStringLiteral("Выбрать задание для исполнителя \"Тримерка\"");
        request.filter = QStringLiteral("Задание для исполнителя \"Тримерка\" (*.tmk)");
        request.directory = folder.path();
    }
    void TearDown() override { EXPECT_FALSE(watchdog.fired()) << "a modal window was left unanswered"; }

    QTemporaryDir folder;
    QtPlatform platform;
    FileDialogRequest request;
    ModalWatchdog watchdog;
};

TEST_F(RussianDialogs, OpenDialogOffersOpenAndCancel) {
    QString open;
    QString cancel;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        open = shown(buttons->button(QDialogButtonBox::Open));
        cancel = shown(buttons->button(QDialogButtonBox::Cancel));
        dialog->reject();
    });
    platform.openFileName(nullptr, request);
    EXPECT_EQ(open, QStringLiteral("Открыть"));
    EXPECT_EQ(cancel, QStringLiteral("Отмена"));
}

TEST_F(RussianDialogs, SaveDialogAsksInRussianBeforeReplacing) {
    QFile existing(folder.filePath(QStringLiteral("урок.tmk")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QString save;
    QString question;
    QString yes;
    QString no;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        save = shown(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save));
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("урок.tmk"));
        static_cast<QDialog*>(dialog)->accept();
    });
    whenModal<QMessageBox>([&](QMessageBox* box) {
        question = box->text();
        yes = shown(box->button(QMessageBox::Yes));
        no = shown(box->button(QMessageBox::No));
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(platform.saveFileName(nullptr, request).has_value());
    EXPECT_EQ(save, QStringLiteral("Сохранить"));
    EXPECT_EQ(question, QStringLiteral("урок.tmk уже существует.\nЗаменить его?"));
    EXPECT_EQ(yes, QStringLiteral("Да"));
    EXPECT_EQ(no, QStringLiteral("Нет"));
}

TEST_F(RussianDialogs, ColourChooserIsTitledInRussian) {
    QString title;
    QString cancel;
    whenModal<QColorDialog>([&](QColorDialog* dialog) {
        title = dialog->windowTitle();
        cancel = shown(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel));
        dialog->reject();
    });
    platform.chooseColor(nullptr, Qt::red, {});
    EXPECT_EQ(title, QStringLiteral("Выбор цвета"));
    EXPECT_EQ(cancel, QStringLiteral("Отмена"));
}

// The translation is read when Qt first needs one of its texts; the writing direction, which Qt asks for as
// soon as a translation is installed, is answered as the file answers it.
TEST(Translation, WritingDirectionIsTheFilesOwn) {
    const char* const comment =
        "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' "
        "in right-to-left languages (such as Hebrew and Arabic) to get proper widget "
        "layout.";
    QTranslator file;
    ASSERT_TRUE(file.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    const QString fromFile = file.translate("QGuiApplication", "QT_LAYOUT_DIRECTION", comment);
    EXPECT_EQ(fromFile, QStringLiteral("LTR"));
    EXPECT_EQ(QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION", comment), fromFile);
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST(Translation, MissingFileLeavesQtInEnglishAndTheProgramStarts) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    auto& app = *QCoreApplication::instance();
    const QString before = QCoreApplication::translate("QFileDialog", "&Open");
    EXPECT_FALSE(installQtTranslation(app, empty.path()));
    EXPECT_FALSE(installQtTranslation(app, empty.filePath(QStringLiteral("no-such-folder"))));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), before);

    testing::FakePlatform fake;
    const ProgramWindows windows = assembleWindows(fake);
    windows.main->show();
    EXPECT_TRUE(windows.main->isVisible());
    EXPECT_TRUE(fake.errors.empty());
}

} // namespace
} // namespace trimerka
