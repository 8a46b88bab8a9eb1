// Feeds arbitrary bytes to the program parser and, when they parse, runs the program on the 8/5/3 task with
// a small budget, checking what must hold for every text: an error names a line of the text and is a short
// sentence a window or a terminal can show as it is; a run ends within its limits, on commands from lines of
// the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/Pour.h"
#include "core/Program.h"
#include "core/TextCodec.h"
#include "core/Utf8.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

int lineCount(std::string_view text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++lines;
        }
    }
    return lines;
}

bool hasControlCharacter(std::string_view text) {
    for (std::string_view character : trimerka::utf8::characters(text)) {
        const auto lead = static_cast<unsigned char>(character.front());
        const bool c1 =
            character.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
        if (lead < 0x20 || lead == 0x7F || c1) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trimerka;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)LooksLikeProgram(text);
    const int lines = lineCount(text);
    try {
        const Program program = ParseProgram(text);
        constexpr int kCommands = 300;
        ProgramRun run(program, ProgramLimits{kCommands, 20'000});
        VesselState state;
        state.capacity = {8, 5, 3};
        state.amount = {8, 0, 0};
        while (const auto next = run.next(state.amount)) {
            check(next->line >= 1 && next->line <= lines);
            check(run.nextLine() >= 0 && run.nextLine() <= lines);
            state = Pour(state, next->command).after;
        }
        check(run.state() != ProgramRunState::Running);
        check(run.commandCount() <= kCommands);
        check(run.nextLine() >= 0 && run.nextLine() <= lines);
        check(!run.next(state.amount));
    } catch (const ProgramSyntaxError& e) {
        const std::string message = e.what();
        check(e.line() >= 1 && e.line() <= lines);
        check(codec::isValidUtf8(message));
        check(!hasControlCharacter(message));
        check(utf8::length(message) <= 600);
    }
    return 0;
}
