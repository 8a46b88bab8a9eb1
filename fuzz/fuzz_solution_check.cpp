// Feeds arbitrary file bytes to the solution reader and the check, as a pupil's file reaches trimerka-solve
// --check, and checks what must hold for every file: the check ends, and every line of its report is short
// and holds nothing a terminal would obey (control characters, escape sequences, turns of direction) — the
// file's text in it is made safe. The same holds for the first error as the class table shows it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/ClassCheck.h"
#include "core/SafeText.h"
#include "core/SolutionCheck.h"
#include "core/TextCodec.h"
#include "core/Utf8.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The longest line a report may hold: its words, three quoted texts of the file, numbers.
constexpr std::size_t kLongestReportLine = 400;

trimerka::ExecutorTask classicTask() {
    trimerka::ExecutorTask task;
    const int capacity[] = {8, 5, 3};
    const int amount[] = {8, 0, 0};
    const char* const target[] = {"4", "4", "0"};
    for (int v = 0; v < trimerka::kVesselCount; ++v) {
        task.vessels[v].capacity = capacity[v];
        task.vessels[v].amount = amount[v];
        task.vessels[v].targetText = target[v];
    }
    task.solutionControl = 1;
    return task;
}

void checkSafeLine(std::string_view line) {
    check(trimerka::codec::isValidUtf8(line));
    check(trimerka::utf8::length(line) <= kLongestReportLine);
    // Safe text is what stays unchanged when made safe again: nothing in it is a control character.
    check(trimerka::SafeText(line, std::string::npos) == line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const trimerka::ExecutorTask task = classicTask();

    const trimerka::SolutionCheck result = trimerka::CheckSolution(task, bytes);
    check(!result.report.empty() && result.report.back() == '\n');
    check(result.solved == (result.errorLine == 0 && result.steps > 0));
    std::size_t from = 0;
    while (from < result.report.size()) {
        const std::size_t end = result.report.find('\n', from);
        checkSafeLine(std::string_view(result.report).substr(from, end - from));
        from = end + 1;
    }

    trimerka::SolutionFileCheck row;
    row.file = std::string(bytes);
    row.verdict = result.solved ? trimerka::SolutionVerdict::Solved : trimerka::SolutionVerdict::NotSolved;
    row.check = result;
    for (const auto& cells : trimerka::ClassTable({row}, "7")) {
        for (const std::string& cell : cells) {
            checkSafeLine(cell);
            check(trimerka::utf8::length(cell) <= trimerka::kFirstErrorMaxCharacters);
        }
    }
    return 0;
}
