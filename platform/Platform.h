#pragma once

#include <array>
#include <optional>

#include <QColor>
#include <QDateTime>
#include <QString>

class QDialog;
class QWidget;

namespace trimerka {

// What the open and save dialogs are given before every showing.
struct FileDialogRequest {
    QString title;
    QString filter;                                // one entry, e.g. "Файлы задания (*.tmk)"
    QString defaultSuffix = QStringLiteral("tmk"); // added to a name typed without extension
    QString directory;                             // the initial folder
    QString fileName;                              // the preset name (save dialog only)
};

// The answer to the question asked before unsaved text is lost.
enum class SaveAnswer { Save, Discard, Cancel };

// Every service the windows take from the desktop. The program passes one instance to each window;
// tests pass a fake that queues answers and records calls.
class Platform {
public:
    virtual ~Platform() = default;

    // Modal open dialog; the chosen path (the first one if several are selected), or nothing when cancelled.
    virtual std::optional<QString> openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    // Modal save dialog that asks before replacing an existing file; the path, or nothing when cancelled.
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    // The question before replacing an existing file that the save dialog did not ask about (a name the
    // caller completed); true when the user agrees.
    virtual bool confirmReplace(QWidget* parent, const QString& title, const QString& path) = 0;
    // Asks whether to save a text before it is lost, with the buttons «Сохранить», «Не сохранять» and
    // «Отмена».
    virtual SaveAnswer askToSave(QWidget* parent, const QString& title, const QString& question) = 0;
    // Modal colour chooser in its basic form. The sixteen custom colours are preset on the first showing;
    // those the user defines stay for later showings while the program runs.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial,
                                              const std::array<QColor, 16>& presetCustomColors) = 0;
    // The shell's "open" of a web or "mailto:" address; a failure is silent.
    virtual void shellOpen(QWidget* parent, const QString& address) = 0;
    virtual void setClipboardText(const QString& text) = 0;
    // The clipboard's text, or an empty text when it holds none.
    virtual QString clipboardText() = 0;
    // The folder the open dialogs start in: the example tasks, beside the program in the build tree and under
    // share/trimerka/examples when installed.
    virtual QString examplesFolder() = 0;
    // The folder the save dialog starts in: the examples folder when it can be written, else the user's
    // documents folder.
    virtual QString saveFolder() = 0;
    // The present local date and time, to the second.
    virtual QDateTime now() = 0;
    // Shows a window modally and returns when it is closed.
    virtual void showModal(QDialog& dialog) = 0;
    // The general error report: a modal message box with a stop icon and OK.
    virtual void showError(QWidget* parent, const QString& title, const QString& message) = 0;
};

} // namespace trimerka
