// Reading a task file key by key, as both readers do, must stay well under a millisecond per key.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/TaskFile.h"

namespace {

namespace fs = std::filesystem;

class TaskFileOnDisk {
public:
    explicit TaskFileOnDisk(int statementLines) {
        std::random_device seed;
        path_ = fs::temp_directory_path() / ("trimerka-bench-" + std::to_string(seed()) + ".tmk");
        trimerka::TaskDefinition task;
        task.statementLines.assign(static_cast<std::size_t>(statementLines),
                                   "Налейте в сосуд Б ровно четыре литра воды, пользуясь сосудами");
        trimerka::WriteTaskFile(path_, task);
    }
    ~TaskFileOnDisk() {
        std::error_code ec;
        fs::remove(path_, ec);
    }
    TaskFileOnDisk(const TaskFileOnDisk&) = delete;
    TaskFileOnDisk& operator=(const TaskFileOnDisk&) = delete;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// One key of a typical task: the file is opened, decoded and scanned for every key.
void BM_ReadTaskValuePerKey(benchmark::State& state) {
    const TaskFileOnDisk file(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(trimerka::ReadTaskValue(file.path(), "sver"));
    }
}
BENCHMARK(BM_ReadTaskValuePerKey)->Arg(1)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The statement of a file with a huge ksz and its largest allowed size: read from one index.
void BM_ReadStatementOfLargestFile(benchmark::State& state) {
    std::random_device seed;
    const fs::path path = fs::temp_directory_path() / ("trimerka-bench-" + std::to_string(seed()) + ".tmk");
    {
        std::ofstream out(path, std::ios::binary);
        std::string text = "[trimerka]\nksz=2000000000\n";
        for (int i = 0; text.size() < trimerka::kProfileMaxReadBytes - 32; ++i) {
            text += trimerka::StatementLineKey(i) + "=w\n";
        }
        out << text;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(trimerka::ReadStatement(path));
    }
    std::error_code ec;
    fs::remove(path, ec);
}
BENCHMARK(BM_ReadStatementOfLargestFile)->Unit(benchmark::kMillisecond);

// A save of a typical task, the whole file replaced at once.
void BM_WriteTaskFile(benchmark::State& state) {
    const TaskFileOnDisk file(1);
    const trimerka::TaskDefinition task;
    for (auto _ : state) {
        trimerka::WriteTaskFile(file.path(), task);
    }
}
BENCHMARK(BM_WriteTaskFile)->Unit(benchmark::kMicrosecond);

} // namespace
