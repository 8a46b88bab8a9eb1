#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/ExecutorTask.h"
#include "core/Pour.h"
#include "core/StepLog.h"
#include "core/Task.h"

namespace trimerka {

enum class Solvability {
    Solvable,
    Unsolvable,
    // A capacity outside 0..99 or an amount outside 0..capacity: such a task is not searched.
    OutOfRange,
};

// One state reached by the search with the least number of steps that reaches it.
struct ReachedState {
    std::array<int, kVesselCount> amount{};
    int distance = 0;

    bool operator==(const ReachedState&) const = default;
};

struct SolverResult {
    Solvability solvability = Solvability::Unsolvable;
    // The least number of steps after which the completion check says yes; 0 unless solvable.
    int minimalSteps = 0;
    // One command sequence of that length; the first of the six commands is tried first at every step.
    std::vector<PourCommand> solution;
    // Every state reachable in zero or more steps, the initial one first, in the order of their distances.
    std::vector<ReachedState> reachable;

    bool solvable() const { return solvability == Solvability::Solvable; }
};

// Breadth-first search over the states the six commands reach from `start` with the executor's own pour
// rules; the targets are met as the executor's completion check meets them (texts compared as texts, so a
// target "07" is never met). The check runs only after a step, so a task that starts on its targets needs
// at least one step too.
SolverResult Solve(const VesselState& start, const std::array<std::string, kVesselCount>& targetText);
// The task as the constructor holds it: an unlimited А is 99 of 99 with the target "99", amounts limited
// to their capacities as the vessel bars limit them.
SolverResult Solve(const TaskDefinition& task);
// The task as the main window applied it from its file.
SolverResult Solve(const ExecutorTask& task);

// The step-log rows that the commands write when executed one after another from `start`.
std::vector<StepRow> SolutionRows(const VesselState& start, const std::vector<PourCommand>& commands);

// "шаг", "шага" or "шагов", the form of the word that goes with the number.
std::string StepsWord(int count);
// "7 шагов": the number with that word.
std::string StepsText(int count);
// "Кратчайшее решение: 7 шагов", or "Задание не имеет решения" when the targets cannot be reached.
std::string SolutionText(const SolverResult& result);

} // namespace trimerka
