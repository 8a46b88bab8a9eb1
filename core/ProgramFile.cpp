#include "core/ProgramFile.h"

#include <system_error>

#include "core/Error.h"
#include "core/Profile.h"
#include "core/Program.h"
#include "core/SolutionCheck.h"
#include "core/VisibleText.h"

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
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && std::filesystem::is_regular_file(path, ec) && size > kMaxProgramBytes) {
        throw Error("Файл " + QuotedText(name) + " больше 1 МБ: такой длинной программа быть не может.");
    }
    std::string bytes;
    if (!ReadFileBytes(path, kMaxProgramBytes, bytes)) {
        throw Error("Файл " + QuotedText(name) + " не удаётся прочитать.");
    }
    return ProgramFileText(bytes, name);
}

} // namespace trimerka
