#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "core/Error.h"
#include "core/SolutionCheck.h"
#include "core/Solver.h"
#include "core/VariantFiles.h"

namespace {

using trimerka::VariantLimits;

// The set a teacher asks for most: a hundred variants of ten steps, capacities up to 20 (target: well under
// a second). A new seed each round, so no round repeats another's luck.
void BM_GenerateHundredVariantsOfTenSteps(benchmark::State& bench) {
    std::uint64_t seed = 1;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(trimerka::GenerateVariants(100, VariantLimits{10, 20, false, true}, seed++));
    }
}
BENCHMARK(BM_GenerateHundredVariantsOfTenSteps)->Unit(benchmark::kMillisecond);

// The same set written into a fresh folder, as trimerka-solve --generate does it.
void BM_WriteHundredVariantFiles(benchmark::State& bench) {
    const auto root =
        std::filesystem::temp_directory_path() / ("trimerka-bench-" + std::to_string(std::random_device()()));
    std::uint64_t seed = 1;
    for (auto _ : bench) {
        const auto set = trimerka::MakeVariantSet(root / std::to_string(seed), 100,
                                                  VariantLimits{10, 20, false, true}, seed);
        ++seed;
        if (set.outcome != trimerka::VariantSetOutcome::Written) {
            bench.SkipWithError(set.message.c_str());
            break;
        }
    }
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_WriteHundredVariantFiles)->Unit(benchmark::kMillisecond);

// The refusals that once took a walk through every setup (2.4 s for capacities up to 99): no task takes so
// many steps, or there are fewer such tasks than asked. The stored census answers them at once (target:
// well under half a second for any K, N and C).
void refuse(benchmark::State& bench, int count, const VariantLimits& limits) {
    for (auto _ : bench) {
        try {
            trimerka::GenerateVariants(count, limits, 1);
            bench.SkipWithError("the set was not refused");
            break;
        } catch (const trimerka::Error&) {
        }
    }
}

void BM_RefuseStepsBeyondCapacity99(benchmark::State& bench) {
    refuse(bench, 1, VariantLimits{101, 99, false, true});
}
BENCHMARK(BM_RefuseStepsBeyondCapacity99)->Unit(benchmark::kMillisecond);

void BM_RefuseAMillionStepsUnlimitedWithoutPourBack(benchmark::State& bench) {
    refuse(bench, 1, VariantLimits{1000000, 99, true, false});
}
BENCHMARK(BM_RefuseAMillionStepsUnlimitedWithoutPourBack)->Unit(benchmark::kMillisecond);

// 999 tasks of the longest solution there is: only twelve exist.
void BM_RefuseTooFewTasksAtCapacity99(benchmark::State& bench) {
    refuse(bench, 999, VariantLimits{100, 99, false, true});
}
BENCHMARK(BM_RefuseTooFewTasksAtCapacity99)->Unit(benchmark::kMillisecond);

// What the census costs when it is computed instead of stored: the walk of every task of every kind up to
// 99, as trimerka-variant-census does it once.
void BM_CountEveryTaskUpToCapacity99(benchmark::State& bench) {
    for (auto _ : bench) {
        benchmark::DoNotOptimize(trimerka::CountVariants(99, false, true));
    }
}
BENCHMARK(BM_CountEveryTaskUpToCapacity99)->Unit(benchmark::kMillisecond)->Iterations(1);

// A pupil's log of ten thousand steps, copied with Ctrl+A, Ctrl+C, checked against the 8-5-3 task.
void BM_CheckTenThousandCopiedSteps(benchmark::State& bench) {
    trimerka::ExecutorTask task;
    task.vessels[0] = {8, 8, 185, {}, {}, "8/8", "4"};
    task.vessels[1] = {5, 0, 120, {}, {}, "0/5", "4"};
    task.vessels[2] = {3, 0, 80, {}, {}, "0/3", "0"};
    task.solutionControl = 1;
    std::vector<trimerka::PourCommand> commands;
    for (int i = 0; i < 10000; ++i) {
        commands.push_back(trimerka::PourCommand::all[static_cast<std::size_t>(i % 6)]);
    }
    std::string copied;
    for (const auto& row : trimerka::SolutionRows(task.initialState(), commands)) {
        copied += row.cells[0] + "\t" + row.cells[1] + "\t" + row.cells[2] + "\t" + row.cells[3] + "\r\n";
    }
    for (auto _ : bench) {
        benchmark::DoNotOptimize(trimerka::CheckSolution(task, copied));
    }
}
BENCHMARK(BM_CheckTenThousandCopiedSteps)->Unit(benchmark::kMillisecond);

} // namespace
