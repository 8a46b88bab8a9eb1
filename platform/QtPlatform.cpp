#include "platform/QtPlatform.h"

#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

#include "platform/TaskFolders.h"

namespace trimerka {

namespace {

// Qt's own file dialog, set up afresh from the request before every showing.
void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowTitle(request.title);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setDirectory(request.directory);
    dialog.setSizeGripEnabled(true);
}

std::optional<QString> firstSelected(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) {
        return std::nullopt;
    }
    return files.first();
}

} // namespace

std::optional<QString> QtPlatform::openFileName(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return firstSelected(dialog);
}

std::optional<QString> QtPlatform::saveFileName(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Replacing an existing file is asked about before the dialog closes.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    return firstSelected(dialog);
}

bool QtPlatform::confirmReplace(QWidget* parent, const QString& title, const QString& path) {
    // The file dialog's own question, asked about the name that will be written; "Нет" is the default.
    QMessageBox box(
        QMessageBox::Warning, title,
        QStringLiteral("%1 уже существует.\nХотите заменить его?").arg(QFileInfo(path).fileName()),
        QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    return box.exec() == QMessageBox::Yes;
}

SaveAnswer QtPlatform::askToSave(QWidget* parent, const QString& title, const QString& question) {
    QMessageBox box(QMessageBox::Question, title, question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.button(QMessageBox::Save)->setText(QStringLiteral("Сохранить"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Не сохранять"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

std::optional<QColor> QtPlatform::chooseColor(QWidget* parent, const QColor& initial,
                                              const std::array<QColor, 16>& presetCustomColors) {
    if (!customColorsPreset_) {
        for (int i = 0; i < static_cast<int>(presetCustomColors.size()); ++i) {
            QColorDialog::setCustomColor(i, presetCustomColors[static_cast<std::size_t>(i)]);
        }
        customColorsPreset_ = true;
    }
    QColorDialog dialog(initial, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedColor();
}

void QtPlatform::shellOpen(QWidget*, const QString& address) {
    // A browser or mail program that cannot be started is not reported.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void QtPlatform::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString QtPlatform::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

QString QtPlatform::examplesFolder() {
    return examplesFolderFor(QCoreApplication::applicationDirPath());
}

QString QtPlatform::saveFolder() {
    const QString examples = examplesFolder();
    return saveFolderFor(examples, folderCanBeWritten(examples),
                         QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                         QDir::homePath());
}

QDateTime QtPlatform::now() {
    return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
}

void QtPlatform::showModal(QDialog& dialog) {
    dialog.exec();
}

void QtPlatform::showError(QWidget* parent, const QString& title, const QString& message) {
    QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace trimerka
