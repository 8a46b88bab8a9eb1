#pragma once

#include <array>
#include <string>
#include <vector>

#include <QLabel>

#include "core/Task.h"
#include "core/TaskEditor.h"
#include "platform/Platform.h"
#include "ui/LazyDialog.h"
#include "ui/Panels.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QLineEdit;

namespace trimerka {

class SpinEdit;
class VesselView;

namespace constructor {

// A colour square: a raised panel showing a colour, clicked to choose another.
class ColorSquare : public BevelPanel {
    Q_OBJECT

public:
    ColorSquare(const QColor& color, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// The current file's path in the status strip: as long as it fits, elided in the middle when it does not,
// with the whole path as its tooltip. text() is always the whole path.
class PathLabel : public QLabel {
    Q_OBJECT

public:
    explicit PathLabel(QWidget* parent);

    // The path, and the width it may take at most; the label is as wide as the path up to that width.
    void showPath(const QString& path, int maximumWidth);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace constructor

// The task constructor: the teacher edits every value of a task with a live preview of the vessels, and loads
// and saves task files. The editing rules live in a TaskEditor: every handler reports its control's change
// there, and once the outermost handler ends the controls show the editor's state. The current file is the
// text of `put_tmk`. Its controls are made when it is first shown or its rules first run.
class ConstructorWindow : public LazyDialog {
    Q_OBJECT

public:
    explicit ConstructorWindow(Platform& platform, QWidget* parent = nullptr);

    // The task as the controls hold it at this moment, numbers exactly as their editors hold them.
    TaskDefinition task() const;
    // The statement editor's lines as they show on screen: every wrapped line is a line, an empty last line
    // is not counted.
    std::vector<std::string> statementLines() const;
    // The same lines, each marked when the editor wrapped it at its width.
    std::vector<ScreenLine> screenLines() const;

    // The sixteen custom colours the colour chooser starts with.
    static std::array<QColor, 16> presetCustomColors();

    // The reset: every control back to the default task, no current file, saving disabled.
    void resetToDefaultTask();

    // Every showing starts from the default task with the focus on "Бесконечный".
    void prepareForShowing();
    // The handlers of the controls: every vessel's four numeric editors and two colour squares run one
    // handler each, told which vessel and which of its fields.
    void numberChanged(int vessel, VesselNumber field);
    void chooseColor(int vessel, bool fill);
    void columnTitleChanged(int vessel);
    void unlimitedSourceToggled();
    void pourBackAllowedChosen();
    void pourBackForbiddenChosen();
    void solutionControlToggled();
    void statementChanged();
    void commonTitleChanged();
    void loadTask();
    void saveTaskAs();
    void saveTask();
    void closeWindow();

protected:
    void buildControls() override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The controls of one vessel; vessel А alone has the unlimited box and the radio pair.
    struct VesselControls {
        BevelPanel* header = nullptr;
        QWidget* area = nullptr;
        VesselView* bar = nullptr;
        constructor::ColorSquare* fill = nullptr;
        constructor::ColorSquare* empty = nullptr;
        SpinEdit* height = nullptr;
        SpinEdit* capacity = nullptr;
        SpinEdit* amount = nullptr;
        SpinEdit* target = nullptr;
    };

    void buildVessel(int vessel);
    void buildPourBackChoice();
    void buildStatementEditor();
    void buildTitleEditors();
    void buildResultGroup();
    void buildCommandButtons();
    void buildStatusStrip();
    void buildTabOrder();
    // What a screen reader says for the controls whose label alone would not tell which vessel and value
    // they hold (ConstructorWindowAccessibility.cpp).
    void setUpAccessibleNames();
    void connectControls();

    // Runs one handler: errors reach the error report, and once the outermost handler ends the controls
    // show the editor's state. Changes that showing the state makes to the controls run nothing.
    template <class Rule> void run(Rule&& rule);

    // Writes the task to the file: the statement's lines as the readers will join them again.
    void writeTask(const QString& path) const;
    // Brings every control, the preview and the status strip to the editor's state.
    void showEditor();
    void placeStatusStrip();
    SpinEdit* numberEditor(int vessel, VesselNumber field) const;

    Platform& platform_;
    std::array<VesselControls, kVesselCount> vessels_{};
    QGroupBox* sourceGroup_ = nullptr;
    QGroupBox* resultGroup_ = nullptr;
    QCheckBox* unlimitedSourceBox_ = nullptr;
    QRadioButton* pourBackAllowedButton_ = nullptr;
    QRadioButton* pourBackForbiddenButton_ = nullptr;
    QLabel* unlimitedArrow_ = nullptr;
    QLabel* pourBackArrow_ = nullptr;
    QTextEdit* statement_ = nullptr;
    QLineEdit* commonTitle_ = nullptr;
    std::array<QLineEdit*, kVesselCount> columnTitles_{};
    QCheckBox* solutionControlBox_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* saveAsButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    BevelPanel* statusStrip_ = nullptr;
    constructor::PathLabel* pathLabel_ = nullptr;
    QLabel* solutionLabel_ = nullptr;

    TaskEditor editor_;
    int handlerDepth_ = 0;
    bool showing_ = false;
    // The editor's text revision that the statement and title fields show.
    int shownTextRevision_ = -1;
};

} // namespace trimerka
