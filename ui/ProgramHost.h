#pragma once

#include <array>

#include "core/Pour.h"
#include "core/Task.h"

namespace trimerka {

// What the window «Программа» needs of the window whose vessels a program drives: the pupil's own way of
// executing a command, a fresh start of the task, and the pupil's controls locked while a program runs.
class ProgramHost {
public:
    virtual ~ProgramHost() = default;
    virtual bool taskOpen() const = 0;
    // Starts the open task afresh as "Начать заново" does; false when no task is open afterwards (the file
    // no longer reads, and the error has been shown).
    virtual bool restartTaskForProgram() = 0;
    // The vessels' amounts as conditions read them: an unlimited А holds 99.
    virtual std::array<int, kVesselCount> vesselAmounts() const = 0;
    // Executes the command as the pupil does with the vessel buttons and "Выполнить". True when the step
    // reached the targets under solution control: the task-completed window has been shown and closed.
    virtual bool executeAsPupil(const PourCommand& command) = 0;
    // While a program runs or waits mid-way, the pupil's vessel buttons and "Выполнить" are disabled.
    virtual void setProgramRunning(bool running) = 0;
};

} // namespace trimerka
