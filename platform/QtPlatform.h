#pragma once

#include "platform/Platform.h"

namespace trimerka {

// The desktop services of the program, realised with Qt's own dialogs so that they behave alike on every
// desktop. Nothing here keeps settings: the file dialog's history and the custom colours live only as long as
// the program runs (main() points Qt's settings at a place where no file can be created).
class QtPlatform : public Platform {
public:
    std::optional<QString> openFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    bool confirmReplace(QWidget* parent, const QString& title, const QString& path) override;
    SaveAnswer askToSave(QWidget* parent, const QString& title, const QString& question) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial,
                                      const std::array<QColor, 16>& presetCustomColors) override;
    void shellOpen(QWidget* parent, const QString& address) override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;
    QString examplesFolder() override;
    QString saveFolder() override;
    QDateTime now() override;
    void showModal(QDialog& dialog) override;
    void showError(QWidget* parent, const QString& title, const QString& message) override;

private:
    // The presets go in once; later showings keep what the user defined in between.
    bool customColorsPreset_ = false;
};

} // namespace trimerka
