#include <benchmark/benchmark.h>

#include <string>

#include "core/Pour.h"
#include "core/Program.h"
#include "core/StepLog.h"

namespace {

using namespace trimerka;

// A program of 10,010 lines as pupils write them: loops, branches with conditions, commands and comments, in
// 910 groups of 11 lines.
std::string tenThousandLines() {
    std::string text;
    for (int group = 0; group < 910; ++group) {
        for (const char* line :
             {"| наполнить Б и перелить в В", "нц 3 раз", "  если Б = 0 и не (А < 3) то", "    А - Б",
              "  иначе", "    Б - В; В - А", "  все", "кц", "нц пока Б <> 4 или В >= 2", "  Б - В", "кц"}) {
            text += line;
            text += '\n';
        }
    }
    return text;
}

void BM_ParseTenThousandLines(benchmark::State& bench) {
    const std::string text = tenThousandLines();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(ParseProgram(text));
    }
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * text.size()));
}
BENCHMARK(BM_ParseTenThousandLines)->Unit(benchmark::kMillisecond);

// A run's limit is 10,000 commands; here it is raised so that one run gives a million commands through the
// interpreter: a loop head, a condition and a command each time, the amounts held fixed.
void BM_InterpretMillionCommands(benchmark::State& bench) {
    const Program program = ParseProgram("нц 1000000 раз\n  если А > 0 и Б < 5 то А - Б иначе Б - А все\nкц");
    for (auto _ : bench) {
        ProgramRun run(program, ProgramLimits{1'000'000, kMaxTurnsWithoutCommand});
        const std::array<int, kVesselCount> amounts{8, 0, 0};
        while (const auto next = run.next(amounts)) {
            benchmark::DoNotOptimize(next->command);
        }
    }
}
BENCHMARK(BM_InterpretMillionCommands)->Unit(benchmark::kMillisecond);

// The same with every command poured and its step-log row built, as a run on a task does.
void BM_RunMillionCommandsWithTheirSteps(benchmark::State& bench) {
    const Program program = ParseProgram("нц пока 1 = 1\n  если Б = 0 то А - Б все\n  Б - В\n"
                                         "  если В = 3 то В - А все\nкц");
    for (auto _ : bench) {
        ProgramRun run(program, ProgramLimits{1'000'000, kMaxTurnsWithoutCommand});
        VesselState state;
        state.capacity = {8, 5, 3};
        state.amount = {8, 0, 0};
        while (const auto next = run.next(state.amount)) {
            const PourOutcome outcome = Pour(state, next->command);
            benchmark::DoNotOptimize(BuildStepRow(next->command.text(), outcome));
            state = outcome.after;
        }
    }
}
BENCHMARK(BM_RunMillionCommandsWithTheirSteps)->Unit(benchmark::kMillisecond);

} // namespace
