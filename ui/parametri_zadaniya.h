#pragma once

#include <array>
#include <string>
#include <vector>

#include <QDialog>

#include "core/Task.h"
#include "platform/Platform.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QLineEdit;

namespace trimerka {

class SpinEdit;
class TaskFileValues;
class VesselView;

namespace constructor {

// A panel with a one-pixel raised or sunken bevel, filled with its colour, its caption centred.
class BevelPanel : public QWidget {
    Q_OBJECT

public:
    enum class Bevel { Raised, Sunken };

    BevelPanel(Bevel bevel, const QColor& color, const QString& caption, QWidget* parent);

    QColor color() const { return color_; }
    void setColor(const QColor& color);
    QString caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel bevel_;
    QColor color_;
    QString caption_;
};

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

} // namespace constructor

// The task constructor: the teacher edits every value of a task with a live preview of the vessels, and loads
// and saves task files. The task lives in the controls; the current file is the text of `put_tmk`.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(Platform& platform, QWidget* parent = nullptr);

    // The task as the controls hold it at this moment, numbers exactly as their editors hold them.
    TaskDefinition task() const;
    // The statement editor's lines as they show on screen: every wrapped line is a line, an empty last line
    // is not counted.
    std::vector<std::string> statementLines() const;

    // The sixteen custom colours the colour chooser starts with.
    static std::array<QColor, 16> presetCustomColors();

    // The reset: every control back to the default task, no current file, saving disabled.
    void defbat();

    void FormShow();
    void saemChange();
    void sbemChange();
    void svemChange();
    void saetChange();
    void sbetChange();
    void svetChange();
    void saerChange();
    void sberChange();
    void sverChange();
    void sahChange();
    void sbhChange();
    void svhChange();
    void sac1Click();
    void sbc1Click();
    void svc1Click();
    void sac2Click();
    void sbc2Click();
    void svc2Click();
    void saefClick();
    void rb1Click();
    void rb2Click();
    void krresClick();
    void fzChange();
    void nsChange();
    void ns1Change();
    void ns2Change();
    void ns3Change();

    void SpeedButton7Click(); // load
    void SpeedButton8Click(); // save as
    void SpeedButton2Click(); // save
    void SpeedButton6Click(); // reset
    void SpeedButton1Click(); // close

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The controls of one vessel; vessel А alone has the unlimited box and the radio pair.
    struct VesselControls {
        constructor::BevelPanel* header = nullptr;
        QWidget* area = nullptr;
        VesselView* bar = nullptr;
        constructor::ColorSquare* fill = nullptr;
        constructor::ColorSquare* empty = nullptr;
        SpinEdit* height = nullptr;
        SpinEdit* capacity = nullptr;
        SpinEdit* amount = nullptr;
        SpinEdit* target = nullptr;
    };

    void buildVesselColumn(int vessel, int left);
    void buildResultGroup();
    void buildCommandButtons();
    void buildStatusStrip();
    void buildTabOrder();

    // Runs one handler: errors reach the error report, and once the outermost handler ends the solution
    // label is brought up to date.
    template <class Rule> void run(Rule&& rule);

    void capacityRule(int vessel);
    void amountRule(int vessel);
    void heightRule(int vessel);
    void colorRule(int vessel, bool fillColor);
    void unlimitedRule();
    void pourBackRule(bool allowed);
    void saveEnablingRule();

    void load();
    void loadVessel(const TaskFileValues& values, int vessel);
    void save();
    void saveAs();
    void setCurrentFile(const QString& path);
    void updateSolution();

    Platform& platform_;
    std::array<VesselControls, kVesselCount> vessels_{};
    QGroupBox* GroupBox1_ = nullptr;
    QGroupBox* GroupBox2_ = nullptr;
    QCheckBox* saef_ = nullptr;
    QRadioButton* rb1_ = nullptr;
    QRadioButton* rb2_ = nullptr;
    QLabel* isaef_ = nullptr;
    QLabel* isasl_ = nullptr;
    QTextEdit* fz_ = nullptr;
    QLineEdit* ns_ = nullptr;
    std::array<QLineEdit*, kVesselCount> columnTitles_{};
    QCheckBox* krres_ = nullptr;
    QPushButton* SpeedButton7_ = nullptr;
    QPushButton* SpeedButton8_ = nullptr;
    QPushButton* SpeedButton2_ = nullptr;
    QPushButton* SpeedButton6_ = nullptr;
    QPushButton* SpeedButton1_ = nullptr;
    constructor::BevelPanel* Panel9_ = nullptr;
    QLabel* put_tmk_ = nullptr;
    QLabel* reshenie_ = nullptr;

    int handlerDepth_ = 0;
    // The solver's inputs at the last search, so that edits of texts and colours search nothing.
    std::string solvedInputs_;
};

} // namespace trimerka
