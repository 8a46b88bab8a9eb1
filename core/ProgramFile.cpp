#include "core/ProgramFile.h"

#include "core/Error.h"
#include "core/Program.h"
#include "core/SafeText.h"
#include "core/SolutionCheck.h"
#include "core/TextFile.h"

namespace trimerka {

namespace {

bool isText(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7F) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string ProgramFileText(std::string_view bytes, const std::string& name) {
    std::string text;
    bool first = true;
    for (const std::string& line : SolutionTextLines(bytes)) {
        if (!isText(line)) {
            throw Error("Файл " + QuotedText(name) +
                        " — не текст. Программа для исполнителя — это обычный текстовый файл.");
        }
        if (!first) {
            text += '\n';
        }
        first = false;
        text += line;
    }
    return text;
}

std::string ReadProgramFile(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    std::string bytes;
    try {
        bytes = ReadTextFile(path, kMaxProgramBytes);
    } catch (const Error& cause) {
        // The same causes, in the same words, as the teacher's tools give for a solution or a program.
        throw Error("Файл " + QuotedText(name) + ": " + cause.what() + ".");
    }
    return ProgramFileText(bytes, name);
}

} // namespace trimerka
