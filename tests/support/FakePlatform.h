#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QDialog>
#include <QStringList>

#include "platform/Platform.h"

namespace trimerka::testing {

// A scriptable platform: dialogs return queued answers (cancel when the queue is empty), every call is
// recorded.
class FakePlatform : public Platform {
public:
    // Answers, taken in order. std::nullopt stands for a cancelled dialog.
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    // Answers to the question before replacing a file; "No" when the queue is empty.
    std::deque<bool> replaceAnswers;
    // Answers to the question before unsaved text is lost; "Отмена" when the queue is empty.
    std::deque<SaveAnswer> saveQuestionAnswers;

    // Recorded calls.
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<QColor> colorRequests;
    QStringList replaceQuestions; // the path each question was about
    QStringList saveQuestions;    // the text of each question whether to save
    std::vector<std::array<QColor, 16>> colorPresets;
    QStringList shellOpened;
    QStringList modalShown; // objectName of each window shown modally
    struct ErrorShown {
        QString title;
        QString message;
    };
    std::vector<ErrorShown> errors;

    QString clipboard;
    QString folder = QStringLiteral("/tmp"); // the examples folder
    QString saveDirectory;                   // where the save dialog starts; the examples folder when empty
    QDateTime clock = QDateTime(QDate(2014, 5, 12), QTime(13, 45, 7));
    // Runs while a modal window is "shown", with the window; the window is then hidden again.
    std::function<void(QDialog&)> onModal;

    std::optional<QString> openFileName(QWidget*, const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return take(openAnswers);
    }
    std::optional<QString> saveFileName(QWidget*, const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return take(saveAnswers);
    }
    bool confirmReplace(QWidget*, const QString&, const QString& path) override {
        replaceQuestions << path;
        if (replaceAnswers.empty()) {
            return false;
        }
        const bool answer = replaceAnswers.front();
        replaceAnswers.pop_front();
        return answer;
    }
    SaveAnswer askToSave(QWidget*, const QString&, const QString& question) override {
        saveQuestions << question;
        if (saveQuestionAnswers.empty()) {
            return SaveAnswer::Cancel;
        }
        const SaveAnswer answer = saveQuestionAnswers.front();
        saveQuestionAnswers.pop_front();
        return answer;
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial,
                                      const std::array<QColor, 16>& presets) override {
        colorRequests.push_back(initial);
        colorPresets.push_back(presets);
        return take(colorAnswers);
    }
    void shellOpen(QWidget*, const QString& address) override { shellOpened << address; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    QString clipboardText() override { return clipboard; }
    QString examplesFolder() override { return folder; }
    QString saveFolder() override { return saveDirectory.isEmpty() ? folder : saveDirectory; }
    QDateTime now() override { return clock; }
    void showModal(QDialog& dialog) override {
        modalShown << dialog.objectName();
        dialog.show();
        if (onModal) {
            onModal(dialog);
        }
        dialog.hide();
    }
    void showError(QWidget*, const QString& title, const QString& message) override {
        errors.push_back({title, message});
    }

private:
    template <class T> static std::optional<T> take(std::deque<std::optional<T>>& queue) {
        std::optional<T> answer;
        if (!queue.empty()) {
            answer.swap(queue.front());
            queue.pop_front();
        }
        return answer;
    }
};

} // namespace trimerka::testing
