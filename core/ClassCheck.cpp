#include "core/ClassCheck.h"

#include <system_error>

#include "core/Error.h"
#include "core/SafeText.h"
#include "core/TextFile.h"

namespace trimerka {

namespace {

std::string utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The first line of a report, for a cell of the table.
std::string firstLine(const std::string& report) {
    return report.substr(0, report.find('\n'));
}

} // namespace

std::vector<ClassFile> ClassSolutionFiles(const std::vector<std::filesystem::path>& given) {
    std::vector<ClassFile> files;
    for (const auto& path : given) {
        std::error_code ec;
        if (!std::filesystem::is_directory(path, ec)) {
            files.push_back({path, utf8Text(path)});
            continue;
        }
        std::vector<std::filesystem::path> inFolder;
        try {
            inFolder = FolderFilesWithExtension(path, ".txt");
        } catch (const Error&) {
            throw Error(QuotedText(utf8Text(path)) + ": папка не читается.");
        }
        if (inFolder.empty()) {
            throw Error(QuotedText(utf8Text(path)) + ": в папке нет файлов .txt.");
        }
        for (const auto& file : inFolder) {
            files.push_back({file, utf8Text(file.filename())});
        }
    }
    return files;
}

SolutionFileCheck CheckSolutionFile(const ExecutorTask& task, const std::filesystem::path& path,
                                    std::string file) {
    SolutionFileCheck result;
    result.file = std::move(file);
    std::string bytes;
    try {
        bytes = ReadTextFile(path, kMaxSolutionBytes);
    } catch (const Error& e) {
        result.verdict = SolutionVerdict::Unreadable;
        result.cause = e.what();
        return result;
    }
    result.check = CheckSolutionOrProgram(task, bytes);
    result.verdict = result.check.solved ? SolutionVerdict::Solved : SolutionVerdict::NotSolved;
    return result;
}

std::vector<std::vector<std::string>> ClassTable(const std::vector<SolutionFileCheck>& checks,
                                                 const std::string& shortest) {
    std::vector<std::vector<std::string>> table{{"Файл", "Итог", "Шагов", "Кратчайшее", "Первая ошибка"}};
    for (const SolutionFileCheck& c : checks) {
        std::vector<std::string> row{SafeText(c.file), "", "—", shortest, ""};
        switch (c.verdict) {
        case SolutionVerdict::Solved:
            row[1] = "решено";
            row[2] = std::to_string(c.check.steps);
            break;
        case SolutionVerdict::NotSolved:
            row[1] = "не решено";
            row[2] = std::to_string(c.check.steps);
            row[4] = SafeText(firstLine(c.check.report), kFirstErrorMaxCharacters);
            break;
        case SolutionVerdict::Unreadable:
            row[1] = "не читается";
            row[4] = SafeText(c.cause);
            break;
        }
        table.push_back(std::move(row));
    }
    return table;
}

std::string ClassSummary(const std::vector<SolutionFileCheck>& checks) {
    const auto count = [&](SolutionVerdict verdict) {
        return std::to_string(
            std::count_if(checks.begin(), checks.end(),
                          [verdict](const SolutionFileCheck& c) { return c.verdict == verdict; }));
    };
    return count(SolutionVerdict::Solved) + " решено, " + count(SolutionVerdict::NotSolved) + " не решено, " +
           count(SolutionVerdict::Unreadable) + " не читается";
}

std::string CsvText(const std::vector<std::vector<std::string>>& table) {
    std::string text = "\xEF\xBB\xBF";
    for (const auto& row : table) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            std::string cell = row[c];
            if (!cell.empty() && std::string_view("=+-@").find(cell.front()) != std::string_view::npos) {
                cell.insert(0, "'");
            }
            const bool quoted = cell.find_first_of(",\"\r\n") != std::string::npos ||
                                (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
            if (quoted) {
                std::string inner;
                for (char ch : cell) {
                    inner += ch == '"' ? "\"\"" : std::string(1, ch);
                }
                cell = "\"" + inner + "\"";
            }
            text += (c == 0 ? "" : ",") + cell;
        }
        text += "\r\n";
    }
    return text;
}

} // namespace trimerka
