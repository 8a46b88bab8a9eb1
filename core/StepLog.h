#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Pour.h"

namespace trimerka {

// The four texts of one step-log row: the command, then the cells of vessels А, Б, В.
struct StepRow {
    std::array<std::string, 4> cells;

    bool operator==(const StepRow&) const = default;
};

// The executed commands since the task was opened or restarted, oldest first.
using StepLog = std::vector<StepRow>;

// The row of one executed command: the command text and each vessel's new amount with its arithmetic.
StepRow BuildStepRow(const std::string& commandText, const PourOutcome& outcome);

// "amount / capacity", the caption a vessel gets after it took part in a step.
std::string CapacityCaption(int amount, int capacity);

// Yes when solution control is 1 and every amount, written in decimal, equals its target text exactly.
bool CompletionReached(const std::array<int, kVesselCount>& amounts,
                       const std::array<std::string, kVesselCount>& targetText,
                       std::uint16_t solutionControl);

// What one executed step needs of the window that carries it out.
class StepHost {
public:
    virtual ~StepHost() = default;
    virtual std::string panelText() const = 0;
    virtual void setPanelText(const std::string& text) = 0;
    virtual void disableExecute() = 0;
    // Appends a row at the end of the log, makes it current and returns its index.
    virtual int appendRow() = 0;
    virtual void setCell(int row, int column, const std::string& text) = 0;
    virtual VesselState vesselState() const = 0;
    virtual void setAmount(int vessel, int amount) = 0;
    virtual void setCaption(int vessel, const std::string& caption) = 0;
    // Releases the three vessel buttons without running their click handlers.
    virtual void releaseVesselButtons() = 0;
    // The number of rows of the log, the step just made included.
    virtual int stepCount() const = 0;
    // Shows the task-completed window modally; returns when the pupil closes it.
    virtual void showCompleted(int stepCount) = 0;
};

// The whole step behind "Выполнить", in its fixed order. Does nothing when the panel holds no command.
void ExecuteStep(StepHost& host, const std::array<std::string, kVesselCount>& targetText,
                 std::uint16_t solutionControl);

} // namespace trimerka
