#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <QMainWindow>

#include "core/StepLog.h"
#include "core/Task.h"
#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/ProgramHost.h"

class QAbstractButton;
class QAction;
class QDialog;
class QFrame;
class QKeyEvent;
class QKeySequence;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace trimerka {

class CellGrid;
class CompletedWindow;
struct ProgramWindows;
class TargetStateWindow;
class VesselView;
struct ExecutorTask;

// The pupil's window: the three vessels, the statement, the command being composed, "Выполнить" and the step
// log, with the toolbar and the menu that reach the other windows. It opens, restarts and closes tasks, and
// it is the host on which one executed step runs.
class MainWindow : public QMainWindow, public StepHost, public ProgramHost {
    Q_OBJECT

public:
    // The client area below the menu bar.
    static constexpr int kClientWidth = 714;
    static constexpr int kClientHeight = 460;
    // The statement's text size limits, in points.
    static constexpr int kMinTextPoints = kMinStatementPoints;
    static constexpr int kMaxTextPoints = kMaxStatementPoints;

    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The task state kept beside the controls.
    const std::array<std::string, kVesselCount>& targetText() const { return targetText_; }
    std::uint16_t unlimitedSource() const { return unlimitedSource_; }
    std::uint16_t pourBackAllowed() const { return pourBackAllowed_; }
    std::uint16_t solutionControl() const { return solutionControl_; }
    // The statement memo's text size in points.
    int textPoints() const { return textPoints_; }

    // Controls that the target-state window copies.
    VesselView* vesselView(int vessel) const { return views_[vessel]; }
    QLabel* arrowUnlimited() const { return unlimitedArrow_; }
    QLabel* arrowPourBack() const { return pourBackArrow_; }
    QPlainTextEdit* statement() const { return statement_; }
    CellGrid* stepLog() const { return stepLog_; }

    // Reset to the no-task state.
    void resetToNoTask();
    // Applies a task file to the window; throws trimerka::Error at the first key that fails, having changed
    // nothing.
    void applyTaskFile(const QString& path);
    // Opens a task file as "Выбор задания" opens the name chosen in its dialog: ".tmk" is added to a name
    // that does not end in it, the path goes into the status line, and a file that fails is reported and
    // leaves no task. The command line opens its file through here.
    void openTaskFile(const QString& chosen);

    // StepHost
    std::string panelText() const override;
    void setPanelText(const std::string& text) override;
    void disableExecute() override;
    int appendRow() override;
    void setCell(int row, int column, const std::string& text) override;
    VesselState vesselState() const override;
    void setAmount(int vessel, int amount) override;
    void setCaption(int vessel, const std::string& caption) override;
    void releaseVesselButtons() override;
    int stepCount() const override;
    void showCompleted(int stepCount) override;

    // ProgramHost: the window «Программа» runs a pupil's program on this window's vessels.
    bool taskOpen() const override;
    bool restartTaskForProgram() override;
    std::array<int, kVesselCount> vesselAmounts() const override;
    bool executeAsPupil(const PourCommand& command) override;
    void setProgramRunning(bool running) override;

signals:
    // The task is about to be reset: opened, restarted or closed. A running program stops.
    void taskReset();
    // The pupil asked for the window «Программа» (menu item "Программа…" or F4) while a task is open.
    void programWindowRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The program's assembly hands this window the other four, created after it and shown modally from it.
    friend ProgramWindows assembleWindows(Platform& platform);
    void setWindows(QDialog* constructor, QDialog* about, CompletedWindow* completed,
                    TargetStateWindow* targetState);

    void createControls();
    void createToolbar(QWidget* client);
    void createVessels(QWidget* client);
    void createMenu();

    void openTask();
    void showTargetState();
    void restartTask();
    void closeTask();
    void showAbout();
    void exitProgram();
    void shrinkText();
    void enlargeText();
    void vesselAToggled(bool pressed);
    void vesselBToggled(bool pressed);
    void vesselVToggled(bool pressed);
    void executeCommand();
    void updateTaskMenu();
    void showConstructor();
    void showProgramWindow();
    void stepLogClicked();
    void stepLogKeyPressed(int key, Qt::KeyboardModifiers modifiers);
    void placeRightToolbarButtons();

    void configureStepLog();
    void selectCurrentRow();
    void setCaptionText(int vessel, const QString& caption);
    void toggleVessel(int vessel, bool pressed);
    void applyTask(const ExecutorTask& task);
    // A task that failed to load leaves nothing of itself: the error is shown and the window has no task.
    void loadTask(const QString& path);
    void setTextPoints(int points);
    // What a menu item "as a button" does: a left press and release at the button's top-left corner.
    static void pressButton(QAbstractButton* button);
    void setPanel(const QString& text);

    // The keyboard and what a screen reader is told (MainWindowKeyboard.cpp).
    void setUpKeyboard();
    void setUpAccessibleNames();
    void addWindowKeys(std::initializer_list<QKeySequence> keys, bool autoRepeat,
                       std::function<void()> action);
    // A key of the window: the focus marks show from now on, and a window it opens starts with its marks.
    void runKey(const std::function<void()>& action);
    // A toolbar or text-size button's key clicks it only while the button is offered, like its menu item.
    void clickIfOffered(QAbstractButton* button);
    void releaseLastVessel();
    void releaseAllVessels();
    void openFirstMenu();
    // F6: into the step log, which Tab skips, and out of it again.
    void toggleStepLogFocus();
    // A task that opens or restarts puts the focus on its statement, where Space and Enter change nothing:
    // a stray Space does not choose or restart a task, and the vessel keys and Enter work as ever.
    void focusStatement();

    Platform& platform_;
    QDialog* constructor_ = nullptr;
    QDialog* about_ = nullptr;
    CompletedWindow* completed_ = nullptr;
    TargetStateWindow* targetState_ = nullptr;

    std::array<std::string, kVesselCount> targetText_{"-", "-", "-"};
    std::uint16_t unlimitedSource_ = 0;
    std::uint16_t pourBackAllowed_ = 0;
    std::uint16_t solutionControl_ = 0;
    int textPoints_ = kMinTextPoints;
    bool centred_ = false;
    // The pressed vessel buttons in the order they went down, for the key that releases the last one.
    std::vector<int> pressOrder_;
    // Whether the last step opened the task-completed window, for a program that ends there.
    bool completedShown_ = false;

    QWidget* toolbar_ = nullptr;
    QToolButton* openButton_ = nullptr;
    QToolButton* targetStateButton_ = nullptr;
    QToolButton* restartButton_ = nullptr;
    QToolButton* closeTaskButton_ = nullptr;
    QToolButton* aboutButton_ = nullptr;
    QToolButton* exitButton_ = nullptr;
    std::array<QLabel*, kVesselCount> captions_{};
    std::array<VesselView*, kVesselCount> views_{};
    std::array<QPushButton*, kVesselCount> vesselButtons_{};
    QLabel* unlimitedArrow_ = nullptr;
    QLabel* pourBackArrow_ = nullptr;
    QPlainTextEdit* statement_ = nullptr;
    QToolButton* shrinkButton_ = nullptr;
    QToolButton* enlargeButton_ = nullptr;
    QLabel* commandPanel_ = nullptr;
    QPushButton* executeButton_ = nullptr;
    CellGrid* stepLog_ = nullptr;
    QLabel* pathLabel_ = nullptr;

    QMenu* taskMenu_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* constructorAction_ = nullptr;
    QAction* targetStateAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* closeTaskAction_ = nullptr;
    QAction* restartAction_ = nullptr;
    QAction* enlargeAction_ = nullptr;
    QAction* shrinkAction_ = nullptr;
    QAction* programAction_ = nullptr;
};

} // namespace trimerka
