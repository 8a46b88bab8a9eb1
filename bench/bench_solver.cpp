#include <benchmark/benchmark.h>

#include "core/Solver.h"

namespace {

using trimerka::Solve;
using trimerka::VesselState;

// A full search: the target "07" is never met, so every reachable state is visited.
void BM_SolveUnlimited_99_99_98(benchmark::State& bench) {
    VesselState start;
    start.capacity = {99, 99, 98};
    start.amount = {99, 0, 0};
    start.unlimitedSource = 1;
    start.pourBackAllowed = 1;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(Solve(start, {"99", "07", "0"}));
    }
}
BENCHMARK(BM_SolveUnlimited_99_99_98)->Unit(benchmark::kMillisecond);

void BM_SolveLimited_99_98_97(benchmark::State& bench) {
    VesselState start;
    start.capacity = {99, 98, 97};
    start.amount = {40, 30, 29};
    for (auto _ : bench) {
        benchmark::DoNotOptimize(Solve(start, {"07", "0", "0"}));
    }
}
BENCHMARK(BM_SolveLimited_99_98_97)->Unit(benchmark::kMillisecond);

// What the constructor runs after every edit of its default task.
void BM_SolveDefaultTask(benchmark::State& bench) {
    const trimerka::TaskDefinition task;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(Solve(task));
    }
}
BENCHMARK(BM_SolveDefaultTask)->Unit(benchmark::kMillisecond);

} // namespace
