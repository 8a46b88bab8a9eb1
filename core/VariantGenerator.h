#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Pour.h"
#include "core/Task.h"

namespace trimerka {

constexpr int kDefaultVariantMaxCapacity = 20;
// A set holds at most this many tasks: a class, not a flood of files from a mistyped number.
constexpr int kMaxVariantCount = 999;

// What every task of a set has in common.
struct VariantLimits {
    // The least number of steps that solves each task, exactly.
    int steps = 1;
    // No vessel holds more than this (1..99); an unlimited А has no capacity of its own.
    int maxCapacity = kDefaultVariantMaxCapacity;
    bool unlimitedSource = false;
    // With an unlimited А: liquid may be poured back into it.
    bool pourBackAllowed = true;
};

// One task of a set, in the classic form of a measuring puzzle: every vessel starts either empty or full,
// and the target is a state the commands reach. An unlimited А counts as 99 of 99 with the target 99, as
// the executor holds it.
struct Variant {
    std::array<int, kVesselCount> capacity{};
    std::array<int, kVesselCount> start{};
    std::array<int, kVesselCount> target{};
    // The task as its file holds it: statement, column titles, default colours, bar heights, solution
    // control on.
    TaskDefinition task;
    // One shortest solution, as the solver finds it for `task`.
    std::vector<PourCommand> solution;
};

// How many tasks of the generator's form there are for one kind of limits, by the number of steps of their
// shortest solution.
struct VariantCensus {
    // The longest shortest solution among them.
    int longest = 0;
    // The number of tasks whose shortest solution takes `steps` steps (index 0 unused), up to
    // kMaxVariantCount: a larger number is held as kMaxVariantCount, all that a set can ask for.
    std::vector<int> countBySteps;

    int count(int steps) const {
        return steps >= 1 && steps <= longest ? countBySteps[static_cast<std::size_t>(steps)] : 0;
    }
};

// The census of every capacity limit from 1 to `maxCapacity` (index 0 unused) for one kind of vessel А, found
// by walking every task as the generator does. Slow for large capacities (seconds): the generator reads the
// census from the table that the tool trimerka-variant-census computed with it once.
std::vector<VariantCensus> CountVariants(int maxCapacity, bool unlimitedSource, bool pourBackAllowed);
// The census of the limits (their number of steps aside) from the stored table.
VariantCensus StoredVariantCensus(const VariantLimits& limits);
// The stored table of one kind of vessel А (core/VariantCensusTable.cpp, written by trimerka-variant-census).
const std::uint16_t* VariantCensusTable(bool unlimitedSource, bool pourBackAllowed);

// `count` tasks whose shortest solution takes exactly `limits.steps` steps, no two alike (capacities,
// starting and target amounts differ as a whole), chosen at random and always the same for the same
// arguments and seed. Raises Error with one Russian sentence when fewer such tasks exist within the
// limits; the sentence names the largest number of steps that the limits allow. That refusal comes from the
// stored census at once, without a search.
std::vector<Variant> GenerateVariants(int count, const VariantLimits& limits, std::uint64_t seed);

// The task record of a variant: the statement below, the column titles of the examples, default colours,
// bar heights in proportion to the capacities and solution control on.
TaskDefinition VariantTask(const std::array<int, kVesselCount>& capacity,
                           const std::array<int, kVesselCount>& start,
                           const std::array<int, kVesselCount>& target, const VariantLimits& limits);

// The statement a pupil reads alone, cut into lines of about the examples' width: the capacities, what each
// vessel holds at the start and what must be obtained; nothing of the solution.
std::vector<std::string> VariantStatement(const std::array<int, kVesselCount>& capacity,
                                          const std::array<int, kVesselCount>& start,
                                          const std::array<int, kVesselCount>& target,
                                          const VariantLimits& limits);

// "до 20 литров", "до 21 литра": the capacity limit as a refusal or a summary names it.
std::string CapacityLimitText(int maxCapacity);

// Bar heights: the largest vessel 185 pixels, the others in proportion, none below 25. An unlimited А is
// drawn full height and leaves Б and В in proportion to each other.
std::array<int, kVesselCount> VariantBarHeights(const std::array<int, kVesselCount>& capacity,
                                                bool unlimitedSource);

} // namespace trimerka
