#include "core/Solver.h"

#include <algorithm>
#include <cstdint>

#include "core/CountWord.h"

namespace trimerka {

namespace {

constexpr int kLargestCapacity = 99;

// One discovered state: its amounts, where it was reached from and by which command.
struct Node {
    std::array<int, kVesselCount> amount;
    int parent; // position of the previous state in the discovery order; -1 for the initial state
    int distance;
    std::uint8_t command; // index into PourCommand::all
};

bool inRange(const VesselState& state) {
    for (int v = 0; v < kVesselCount; ++v) {
        if (state.capacity[v] < 0 || state.capacity[v] > kLargestCapacity || state.amount[v] < 0 ||
            state.amount[v] > state.capacity[v]) {
            return false;
        }
    }
    return true;
}

std::vector<PourCommand> pathTo(const std::vector<Node>& nodes, int position) {
    std::vector<PourCommand> path;
    for (int p = position; nodes[p].parent >= 0; p = nodes[p].parent) {
        path.push_back(PourCommand::all[nodes[p].command]);
    }
    std::reverse(path.begin(), path.end());
    return path;
}

} // namespace

SolverResult Solve(const VesselState& start, const std::array<std::string, kVesselCount>& targetText) {
    SolverResult result;
    if (!inRange(start)) {
        result.solvability = Solvability::OutOfRange;
        return result;
    }
    // Every amount lies within 0..capacity <= 99, so a reached state is one bit: in a block of
    // (capacity Б + 1) x (capacity В + 1) bits per amount of А, made when the search first reaches that
    // amount. A search reaches a few thousand states at most, often a handful, and clears only the blocks it
    // uses instead of a table of every state.
    const int sizeV = start.capacity[VesselV] + 1;
    const std::size_t blockWords = (static_cast<std::size_t>(start.capacity[VesselB] + 1) * sizeV + 63) / 64;
    std::vector<std::vector<std::uint64_t>> discovered(static_cast<std::size_t>(start.capacity[VesselA]) + 1);
    // Marks the state reached; false when it was reached before.
    auto discover = [&](const std::array<int, kVesselCount>& a) {
        std::vector<std::uint64_t>& block = discovered[static_cast<std::size_t>(a[VesselA])];
        if (block.empty()) {
            block.resize(blockWords);
        }
        const std::size_t bit = static_cast<std::size_t>(a[VesselB] * sizeV + a[VesselV]);
        const std::uint64_t mask = std::uint64_t{1} << (bit % 64);
        if (block[bit / 64] & mask) {
            return false;
        }
        block[bit / 64] |= mask;
        return true;
    };

    std::vector<Node> nodes;
    nodes.push_back({start.amount, -1, 0, 0});
    discover(start.amount);

    const bool startsOnTargets = CompletionReached(start.amount, targetText, 1);
    int found = -1;       // position of the target state when it differs from the initial one
    int backToStart = -1; // position of the nearest state from which one command returns to the start
    int backCommand = 0;

    VesselState state = start;
    for (std::size_t head = 0; head < nodes.size(); ++head) {
        const Node node = nodes[head];
        state.amount = node.amount;
        for (std::size_t c = 0; c < PourCommand::all.size(); ++c) {
            const std::array<int, kVesselCount> next = Pour(state, PourCommand::all[c]).after.amount;
            if (next == start.amount && startsOnTargets && backToStart < 0) {
                backToStart = static_cast<int>(head);
                backCommand = static_cast<int>(c);
            }
            if (!discover(next)) {
                continue;
            }
            nodes.push_back({next, static_cast<int>(head), node.distance + 1, static_cast<std::uint8_t>(c)});
            if (found < 0 && !startsOnTargets && CompletionReached(next, targetText, 1)) {
                found = static_cast<int>(nodes.size()) - 1;
            }
        }
    }

    result.reachable.reserve(nodes.size());
    for (const Node& node : nodes) {
        result.reachable.push_back({node.amount, node.distance});
    }
    if (found >= 0) {
        result.solvability = Solvability::Solvable;
        result.solution = pathTo(nodes, found);
    } else if (backToStart >= 0) {
        result.solvability = Solvability::Solvable;
        result.solution = pathTo(nodes, backToStart);
        result.solution.push_back(PourCommand::all[backCommand]);
    } else {
        result.solvability = Solvability::Unsolvable;
    }
    result.minimalSteps = static_cast<int>(result.solution.size());
    return result;
}

SolverResult Solve(const TaskDefinition& task) {
    VesselState start;
    std::array<std::string, kVesselCount> targets;
    for (int v = 0; v < kVesselCount; ++v) {
        const Vessel& vessel = task.vessels[v];
        start.capacity[v] = vessel.capacity;
        start.amount[v] = std::clamp(vessel.initialAmount, 0, std::max(vessel.capacity, 0));
        targets[v] = std::to_string(vessel.targetAmount);
    }
    start.unlimitedSource = task.unlimitedSource ? 1 : 0;
    start.pourBackAllowed = task.pourBackAllowed ? 1 : 0;
    if (task.unlimitedSource) {
        start.capacity[VesselA] = 99;
        start.amount[VesselA] = 99;
        targets[VesselA] = "99";
    }
    return Solve(start, targets);
}

SolverResult Solve(const ExecutorTask& task) {
    return Solve(task.initialState(), task.targetTexts());
}

std::vector<StepRow> SolutionRows(const VesselState& start, const std::vector<PourCommand>& commands) {
    std::vector<StepRow> rows;
    VesselState state = start;
    for (const PourCommand& command : commands) {
        const PourOutcome outcome = Pour(state, command);
        rows.push_back(BuildStepRow(command.text(), outcome));
        state = outcome.after;
    }
    return rows;
}

std::string StepsWord(int count) {
    return CountWord(count, "шаг", "шага", "шагов");
}

std::string StepsText(int count) {
    return std::to_string(count) + " " + StepsWord(count);
}

std::string SolutionText(const SolverResult& result) {
    switch (result.solvability) {
    case Solvability::Solvable:
        return "Кратчайшее решение: " + StepsText(result.minimalSteps);
    case Solvability::Unsolvable:
        return "Задание не имеет решения";
    case Solvability::OutOfRange:
        break;
    }
    return "Решение не искалось: ёмкость сосуда больше 99";
}

} // namespace trimerka
