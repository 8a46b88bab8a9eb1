#pragma once

#include <memory>
#include <optional>

#include <QTimer>

#include "core/Program.h"
#include "platform/Platform.h"
#include "ui/LazyDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QShortcut;

namespace trimerka {

class ProgramEditor;
class ProgramHost;

// «Программа»: the pupil writes an algorithm here and watches the executor carry it out on the main
// window's vessels, line by line, at a chosen pace or one command at a time. Created hidden with the other
// windows and owned by the main window; its controls are made when it is first shown. It keeps its text
// across showings and tasks.
class ProgramWindow : public LazyDialog {
    Q_OBJECT

public:
    // The pauses between two commands the pace chooser offers, in milliseconds; 0 runs at once.
    static constexpr int kPaces[] = {0, 100, 200, 300, 500, 1000};
    static constexpr int kDefaultPace = 300;

    enum class RunState {
        // No program is running.
        Idle,
        // A program runs at the chosen pace.
        Running,
        // A program waits mid-way for the next «Шаг» or «Пуск».
        Paused,
    };

    ProgramWindow(Platform& platform, ProgramHost& host, QWidget* parent = nullptr);
    ~ProgramWindow() override;

    RunState runState() const { return state_; }
    // Shows the window beside its owner (the first time) and gives it the keyboard.
    void showBesideOwner();

    // «Пуск»: checks the program and runs it from the task's start at the chosen pace; continues a paused
    // run.
    void runProgram();
    // «Шаг»: runs up to and including the next command; the first one starts the program as «Пуск» does.
    void stepProgram();
    // «Стоп»: the run ends after the command being executed.
    void stopProgram();
    void openProgram();
    // «Сохранить…»; false when nothing was saved.
    bool saveProgram();
    // The task was opened, restarted or closed under a running program: the run ends.
    void stopOnTaskReset();

protected:
    void buildControls() override;
    // The rows of buttons, the pace, the text and the status line, and the order Tab takes through them.
    void layOutControls(QLabel* paceLabel);
    // The buttons' handlers and the window's keys.
    void connectControls();
    void hideEvent(QHideEvent* event) override;
    // Asks whether to save an unsaved program before the main window closes and the program ends.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Ending { Finished, Stopped, TargetsReached, Limit, TaskReset, WindowClosed };

    // Whether «Пуск» or «Шаг» may go on: a paused run, or a run that has just started.
    bool readyToGo();
    // Checks the text and starts a run from the task's start; false when nothing starts.
    bool startRun();
    // Executes the next command, showing its line when `shown`; false when the run has ended.
    bool advance(bool shown);
    void showExecutingLine();
    void runSlice();
    void endRun(Ending ending);
    void setState(RunState state);
    int pace() const;
    void setStatus(const QString& text);
    // Whether unsaved text may be lost now: asks and saves when the pupil wants; false when the pupil
    // cancelled.
    bool unsavedTextMayGo();
    void placeBesideOwner();
    // The window a question or a file dialog stands over: this one, or the main window while this is hidden.
    QWidget* dialogParent();

    Platform& platform_;
    ProgramHost& host_;
    RunState state_ = RunState::Idle;
    std::unique_ptr<ProgramRun> run_;
    // A command the run returned but which has not been executed yet.
    std::optional<ProgramCommand> pending_;
    // The line of the command executed last.
    int lastLine_ = 0;
    QTimer timer_;
    bool placed_ = false;
    // Where the program was last opened or saved, and under which name.
    QString folder_;
    QString fileName_;

    ProgramEditor* editor_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* stepButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QComboBox* paceChooser_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QShortcut* stopKey_ = nullptr;
};

} // namespace trimerka
