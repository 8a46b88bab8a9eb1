#pragma once

#include <array>

#include <QColor>
#include <QString>

#include "core/Task.h"
#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/LazyDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace trimerka {

class VesselView;

// What the target-state window shows of one vessel: the main window's bar with the target as its amount.
struct TargetVessel {
    QColor fillColor;
    QColor emptyColor;
    int capacity = 99;
    int barHeight = 185;
    QString targetText; // converted to the amount; shown unchanged in the caption
};

// Everything the main window hands over when the pupil asks what needs to be done.
struct TargetState {
    QString statement;
    std::array<TargetVessel, kVesselCount> vessels{};
    bool unlimitedArrowShown = false; // the main window's isaef
    bool pourBackArrowShown = false;  // the main window's isasl
};

// "Что нужно сделать": the statement and the three vessels drawn with their target amounts. Created once and
// reused; its memo keeps the text size the pupil chose here from one showing to the next. Its controls are
// made when it is first filled or shown.
class TargetStateWindow : public LazyDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 586;
    static constexpr int kClientHeight = 397;
    static constexpr int kMinTextPoints = kMinStatementPoints;
    static constexpr int kMaxTextPoints = kMaxStatementPoints;

    explicit TargetStateWindow(Platform& platform, QWidget* parent = nullptr);

    // Fills the window for its next showing. A target text that is not a whole number throws trimerka::Error
    // "''<text>'' is not a valid integer value" (the first such vessel in the order А, Б, В) and leaves the
    // window as it was, so the caller shows nothing.
    void fill(const TargetState& state);

    // The memo's text size in points.
    int textPoints() const { return textPoints_; }

    void enlargeText();
    void shrinkText();
    void closeWindow();

protected:
    void buildControls() override;

private:
    void setTextPoints(int points);

    Platform& platform_;
    int textPoints_ = kMinTextPoints;
    QPlainTextEdit* statement_ = nullptr;
    std::array<QLabel*, kVesselCount> captions_{};
    std::array<VesselView*, kVesselCount> views_{};
    QLabel* unlimitedArrow_ = nullptr;
    QLabel* pourBackArrow_ = nullptr;
    QPushButton* enlargeButton_ = nullptr;
    QPushButton* shrinkButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace trimerka
