// trimerka-solve: tells a teacher whether a task file can be solved and in how few steps, makes a set of
// variants for a class, and checks a pupil's solution.
// A task file is read exactly as the executor's main window reads it, so a file this tool refuses is one the
// pupil cannot open either.

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "core/ClassCheck.h"
#include "core/Error.h"
#include "core/ExecutorTask.h"
#include "core/Profile.h"
#include "core/SafeText.h"
#include "core/SolutionCheck.h"
#include "core/Solver.h"
#include "core/TaskFile.h"
#include "core/TextFile.h"
#include "core/Utf8.h"
#include "core/VariantFiles.h"

namespace {

using trimerka::kVesselCount;
using trimerka::kVesselLetters;

constexpr int kExitSolvable = 0;
constexpr int kExitNotSolvable = 1;
constexpr int kExitBadInput = 2;

const char* const kUsage =
    "Использование: trimerka-solve [--all] ФАЙЛ.tmk\n"
    "               trimerka-solve --generate N --steps K --out ПАПКА [--seed S] [--max-capacity C]\n"
    "                              [--unlimited [--no-pour-back]]\n"
    "               trimerka-solve --check ЗАДАНИЕ.tmk РЕШЕНИЕ.txt\n"
    "               trimerka-solve --check [--csv] ЗАДАНИЕ.tmk РЕШЕНИЕ.txt… | ПАПКА\n"
    "               trimerka-solve --check ПАПКА_ЗАДАНИЙ ПРОГРАММА.txt\n"
    "               trimerka-solve --help\n"
    "\n"
    "Проверяет, решается ли задание исполнителя «Тримерка», и печатает кратчайшее решение.\n"
    "  --all   перечислить все достижимые состояния с наименьшим числом шагов до них\n"
    "Код возврата: 0 — решение есть, 1 — решения нет, 2 — ошибка в файле или в вызове.\n"
    "\n"
    "--generate N  записывает в ПАПКУ N разных заданий (N от 1 до 999), у каждого из которых кратчайшее\n"
    "  решение — ровно K шагов, и печатает ключ ответов: файл, ёмкости, начало, цель, число шагов и одно\n"
    "  кратчайшее решение командами («А - Б, Б - В, …»). Файлы называются вариант-01.tmk, вариант-02.tmk, …\n"
    "  (номер дополняется нулями до числа цифр N, не меньше двух). В начале задания каждый сосуд полон или\n"
    "  пуст, цель — состояние, до которого ровно K шагов; задания различаются ёмкостями, начальным и "
    "целевым\n"
    "  количеством в целом. В файле — условие для ученика, названия столбцов, цвета по умолчанию, высоты\n"
    "  столбиков по ёмкостям и включённый контроль решения.\n"
    "  --steps K          длина кратчайшего решения, целое число от 1\n"
    "  --out ПАПКА        куда записать; папка создаётся, если её нет. Существующие файлы не заменяются:\n"
    "                     если занято хоть одно имя набора, не записывается ничего; каждый файл создаётся\n"
    "                     только на свободном месте, даже если его имя заняли во время записи\n"
    "  --seed S           зерно выбора, целое от 0 до 18446744073709551615: те же ключи и то же зерно дают\n"
    "                     те же файлы байт в байт; без ключа зерно выбирается случайно и печатается\n"
    "  --max-capacity C   наибольшая ёмкость сосуда, от 1 до 99 (по умолчанию 20)\n"
    "  --unlimited        сосуд А — бесконечный источник; ёмкости Б и В — до C\n"
    "  --no-pour-back     только вместе с --unlimited: сливать воду в сосуд А нельзя\n"
    "  Когда таких заданий нет или их меньше N, об этом сразу говорит одно предложение с наибольшим K,\n"
    "  возможным при этих ограничениях, и ничего не записывается.\n"
    "  Код возврата: 0 — набор записан; 2 — имя занято, таких заданий меньше N, ошибка в вызове или папку\n"
    "  нельзя создать или записать.\n"
    "\n"
    "--check  проверяет решение ученика: выполняет его команды с начала задания так же, как исполнитель,\n"
    "  и сообщает, что задание решено, за сколько шагов и каково кратчайшее решение, либо первую ошибку\n"
    "  с номером строки: строка — не одна из шести команд; текст столбца сосуда не тот, что пишет\n"
    "  исполнитель (журнал изменён); после последней строки цель не достигнута. Шаг, который ничего не\n"
    "  переливает, считается шагом. Цель сравнивается так же, как при включённом контроле решения; если\n"
    "  в задании он выключен, об этом сказано. РЕШЕНИЕ — строки журнала шагов, скопированные Ctrl+A, Ctrl+C\n"
    "  (команда и три столбца сосудов через табуляцию; пустые столбцы, которые добавляет электронная\n"
    "  таблица, не мешают), или команды по одной в строке: «А - Б», «А-Б», латинские A, B, V вместо А, Б, "
    "В,\n"
    "  любой регистр, номер строки впереди («3», «3.», «3)» или отдельным столбцом), пустые строки.\n"
    "  Кодировка: UTF-8 с BOM или без, Windows-1251 или UTF-16 с BOM; файл не больше 16 МиБ.\n"
    "  «-» вместо РЕШЕНИЯ — стандартный ввод. Текст из файла в сообщениях показан безопасно: управляющие\n"
    "  символы — видимыми кодами («\\x1B»), длинный текст сокращён («…»).\n"
    "  Код возврата: 0 — решено; 1 — решение прочитано, но неверно; 2 — файл не читается или не задание.\n"
    "  Несколько РЕШЕНИЙ или ПАПКА (все файлы .txt в ней) — проверка класса: по строке на файл (файл, итог,\n"
    "  шагов, кратчайшее, первая ошибка) и итог «24 решено, 3 не решено, 1 не читается».\n"
    "  --csv              та же таблица в CSV (UTF-8 с BOM, запятые) для электронной таблицы; итог —\n"
    "                     в стандартный поток ошибок\n"
    "  Код возврата: 0 — решены все; 1 — решены не все; 2 — какой-то файл не читается.\n"
    "  Программа вместо списка команд (есть строка с «нц», «кц», «если», «все» или комментарием «|»)\n"
    "  выполняется так же, как в окне «Программа», до первого достижения цели; ошибка в программе, цель,\n"
    "  не достигнутая к её концу, и остановка по пределу (10 000 команд или 1 000 000 повторений цикла\n"
    "  без команды) сообщаются с номером строки.\n"
    "\n"
    "--check ПАПКА_ЗАДАНИЙ ПРОГРАММА.txt  выполняет одну программу на каждом задании .tmk из папки по\n"
    "  порядку имён: строка на задание — решено за N шагов и кратчайшее решение или почему нет — и итог.\n"
    "  Код возврата: 0 — решены все; 1 — не все; 2 — папка или задание не читается, в папке нет заданий.\n"
    "\n"
    "Ошибка в вызове — одно предложение о том, какой аргумент неверен и почему, и строка «Справка:\n"
    "trimerka-solve --help». Результаты печатаются в стандартный вывод, сообщения об ошибках — в\n"
    "стандартный поток ошибок.\n";

using Table = std::vector<std::vector<std::string>>;

// Columns padded to their widest cell in characters (not bytes), separated by vertical bars.
void printTable(std::ostream& out, const Table& table) {
    std::vector<std::size_t> width;
    for (const auto& row : table) {
        width.resize(std::max(width.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            width[c] = std::max(width[c], trimerka::utf8::length(row[c]));
        }
    }
    auto printRow = [&](const std::vector<std::string>& row) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) {
                line += " | ";
            }
            line += row[c];
            if (c + 1 < row.size()) {
                line.append(width[c] - trimerka::utf8::length(row[c]), ' ');
            }
        }
        out << line << '\n';
    };
    for (std::size_t r = 0; r < table.size(); ++r) {
        printRow(table[r]);
        if (r == 0) {
            std::string rule;
            for (std::size_t c = 0; c < width.size(); ++c) {
                rule += c == 0 ? "" : "-+-";
                rule.append(width[c], '-');
            }
            out << rule << '\n';
        }
    }
}

void printSolution(std::ostream& out, const trimerka::ExecutorTask& task,
                   const trimerka::SolverResult& result) {
    Table table{{"№", "Команда", kVesselLetters[0], kVesselLetters[1], kVesselLetters[2]}};
    const auto rows = trimerka::SolutionRows(task.initialState(), result.solution);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::vector<std::string> line{std::to_string(i + 1)};
        line.insert(line.end(), rows[i].cells.begin(), rows[i].cells.end());
        table.push_back(std::move(line));
    }
    printTable(out, table);
}

void printReachable(std::ostream& out, const trimerka::SolverResult& result) {
    Table table{{"Шагов", kVesselLetters[0], kVesselLetters[1], kVesselLetters[2]}};
    for (const auto& state : result.reachable) {
        std::vector<std::string> line{std::to_string(state.distance)};
        for (int v = 0; v < kVesselCount; ++v) {
            line.push_back(std::to_string(state.amount[v]));
        }
        table.push_back(std::move(line));
    }
    printTable(out, table);
}

// "Сосуды: А 8/8, Б 0/5, В 0/3" and "Цель: А 4, Б 4, В 0", the task as the solver takes it.
void printTask(std::ostream& out, const trimerka::ExecutorTask& task) {
    const trimerka::VesselState start = task.initialState();
    std::string vessels = "Сосуды:";
    std::string targets = "Цель:";
    for (int v = 0; v < kVesselCount; ++v) {
        const std::string separator = v == 0 ? " " : ", ";
        vessels += separator + kVesselLetters[v] + " ";
        if (v == trimerka::VesselA && task.unlimitedSource == 1) {
            vessels += task.pourBackAllowed != 0 ? "бесконечный, сливать в него можно"
                                                 : "бесконечный, сливать в него нельзя";
        } else {
            vessels += std::to_string(start.amount[v]) + "/" + std::to_string(start.capacity[v]);
        }
        targets += separator + kVesselLetters[v] + " " + trimerka::SafeText(task.vessels[v].targetText);
    }
    if (!task.statement.empty()) {
        // The statement begins with its blank; it is the file's text, shown whole but safely.
        out << "Условие:" << trimerka::SafeText(task.statement, std::string::npos) << '\n';
    }
    out << vessels << '\n' << targets << '\n';
}

// A call that the tool refuses: one sentence naming the argument and why.
class Refusal : public std::runtime_error {
public:
    explicit Refusal(const std::string& sentence) : std::runtime_error(sentence) {}
};

// A file that cannot be read or is not a task: its message, one line per sentence, ends the run with code 2.
class FileFault : public std::runtime_error {
public:
    explicit FileFault(const std::string& message) : std::runtime_error(message) {}
};

// An argument quoted in a sentence: whatever was typed, it is shown safely.
std::string quoted(std::string_view text) {
    return "«" + trimerka::SafeText(text) + "»";
}

// A path as the output names it: every character of it, control characters made visible.
std::string shownPath(std::string_view path) {
    return trimerka::SafeText(path, std::string::npos);
}

// A whole decimal number and nothing else.
template <typename Number> bool parseNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// The value of a numeric option within its range, or the refusal "--steps: ожидается целое число от 1, а не
// «0»."
template <typename Number>
Number numberOption(std::string_view option, std::string_view text, Number least, Number most,
                    bool mostNamed = true) {
    Number value{};
    if (!parseNumber(text, value) || value < least || value > most) {
        const std::string range =
            "от " + std::to_string(least) + (mostNamed ? " до " + std::to_string(most) : std::string());
        throw Refusal(std::string(option) + ": ожидается целое число " + range + ", а не " + quoted(text) +
                      ".");
    }
    return value;
}

bool isOption(std::string_view arg) {
    return arg.size() > 1 && arg.starts_with("-");
}

// The options of one form of the call, each given at most once: the flags and the options with a value.
struct Options {
    std::vector<std::string_view> flagsGiven;
    std::vector<std::pair<std::string_view, std::string_view>> values;
    std::vector<std::string_view> paths;

    bool has(std::string_view flag) const { return std::ranges::find(flagsGiven, flag) != flagsGiven.end(); }
    std::optional<std::string_view> value(std::string_view option) const {
        for (const auto& [name, text] : values) {
            if (name == option) {
                return text;
            }
        }
        return std::nullopt;
    }
};

// Reads the arguments of a form: `flags` stand alone, `valued` take the next argument, anything else that
// begins with "-" (but "-" itself) is refused, and the rest are paths.
Options readOptions(const std::vector<std::string_view>& args, const std::vector<std::string_view>& flags,
                    const std::vector<std::string_view>& valued) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool flag = std::ranges::find(flags, arg) != flags.end();
        const bool withValue = std::ranges::find(valued, arg) != valued.end();
        if (!flag && !withValue) {
            if (isOption(arg)) {
                throw Refusal(quoted(arg) + ": неизвестный ключ.");
            }
            options.paths.push_back(arg);
            continue;
        }
        if (options.has(arg) || options.value(arg)) {
            throw Refusal(std::string(arg) + ": ключ указан дважды.");
        }
        if (flag) {
            options.flagsGiven.push_back(arg);
            continue;
        }
        if (i + 1 == args.size()) {
            throw Refusal(std::string(arg) + ": после ключа нужно значение.");
        }
        options.values.emplace_back(arg, args[++i]);
    }
    return options;
}

// --generate N --steps K --out ПАПКА [--seed S] [--max-capacity C] [--unlimited [--no-pour-back]]
int runGenerate(const std::vector<std::string_view>& args) {
    const Options options = readOptions(args, {"--unlimited", "--no-pour-back"},
                                        {"--generate", "--steps", "--out", "--seed", "--max-capacity"});
    if (!options.paths.empty()) {
        throw Refusal(quoted(options.paths.front()) + ": лишний аргумент; папку набора называет --out.");
    }
    const int count = numberOption("--generate", *options.value("--generate"), 1, trimerka::kMaxVariantCount);
    const auto steps = options.value("--steps");
    if (!steps) {
        throw Refusal("--steps: не указано, сколько шагов должно быть в кратчайшем решении.");
    }
    trimerka::VariantLimits limits;
    if (long long wide = 0; parseNumber(*steps, wide) && wide > std::numeric_limits<int>::max()) {
        throw Refusal("--steps: " + quoted(*steps) + " — больше, чем шагов может быть у задания.");
    }
    limits.steps = numberOption("--steps", *steps, 1, std::numeric_limits<int>::max(), false);
    const auto folder = options.value("--out");
    if (!folder || folder->empty()) {
        throw Refusal("--out: не указана папка, куда записать набор.");
    }
    if (const auto capacity = options.value("--max-capacity")) {
        limits.maxCapacity =
            numberOption("--max-capacity", *capacity, trimerka::kMinCapacity, trimerka::kMaxCapacity);
    }
    limits.unlimitedSource = options.has("--unlimited");
    if (options.has("--no-pour-back") && !limits.unlimitedSource) {
        throw Refusal("--no-pour-back: действует только вместе с --unlimited.");
    }
    limits.pourBackAllowed = !options.has("--no-pour-back");
    const auto seedText = options.value("--seed");
    const std::uint64_t seed = seedText ? numberOption<std::uint64_t>("--seed", *seedText, 0, UINT64_MAX)
                                        : std::uint64_t{std::random_device()()};

    const trimerka::VariantSet set = trimerka::MakeVariantSet(
        std::filesystem::path(std::u8string(folder->begin(), folder->end())), count, limits, seed);
    if (set.outcome != trimerka::VariantSetOutcome::Written) {
        throw Refusal(set.message);
    }
    std::cout << "Папка: " << shownPath(*folder) << '\n'
              << trimerka::VariantSetSummary(count, limits) << '\n'
              << "Зерно: " << seed << (seedText ? "" : " (выбрано случайно)") << "; тот же набор даст --seed "
              << seed << "\n\n";
    printTable(std::cout, trimerka::AnswerKey(set));
    return kExitSolvable;
}

// The task of a file, read as the executor's main window reads it: the same message for the same file. When
// the file could not be read at all (the window then reads it as empty), the cause follows on a line of its
// own.
trimerka::ExecutorTask readTask(std::string_view path) {
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    std::string bytes;
    std::string cause;
    try {
        bytes = trimerka::ReadFileBytesOrCause(file, trimerka::kProfileMaxReadBytes);
    } catch (const trimerka::Error& e) {
        cause = e.what();
    }
    // The bytes just read are the task: the file is not read a second time.
    const trimerka::TaskFileValues values(trimerka::Profile::fromBytes(bytes));
    try {
        return trimerka::ReadExecutorTask([&values](const std::string& key) { return values.value(key); });
    } catch (const trimerka::Error& e) {
        std::string message = shownPath(path) + ": " + e.what();
        if (!cause.empty()) {
            message += "\n" + shownPath(path) + ": " + cause + ".";
        }
        throw FileFault(message);
    }
}

// A pupil's solution file, or standard input for "-", read through the same checks.
std::string readSolution(std::string_view path) {
    try {
        if (path == "-") {
            return trimerka::ReadTextStream(std::cin, trimerka::kMaxSolutionBytes);
        }
        return trimerka::ReadTextFile(std::filesystem::path(std::u8string(path.begin(), path.end())),
                                      trimerka::kMaxSolutionBytes);
    } catch (const trimerka::Error& cause) {
        throw FileFault(shownPath(path) + ": " + cause.what() + ".");
    }
}

// --check ПАПКА_ЗАДАНИЙ ПРОГРАММА.txt: one program on every task of the folder.
int checkProgramOnFolder(const std::filesystem::path& folder, const std::vector<std::string_view>& programs,
                         bool csv) {
    if (csv) {
        throw Refusal("--csv: таблица строится для решений одного задания, а не для папки заданий.");
    }
    if (programs.size() != 1) {
        throw Refusal(quoted(programs[1]) + ": лишний путь; на папке заданий проверяется одна программа.");
    }
    const trimerka::TaskFolderCheck result = trimerka::CheckProgramOnTasks(folder, readSolution(programs[0]));
    std::cout << result.report;
    return result.unreadable                                                ? kExitBadInput
           : result.solvedCount == result.taskCount && result.taskCount > 0 ? kExitSolvable
                                                                            : kExitNotSolvable;
}

// "7" for a task that has a shortest solution of 7 steps; "—" for one without a solution or not searched.
std::string shortestText(const trimerka::ExecutorTask& task) {
    const trimerka::SolverResult result = trimerka::Solve(task);
    return result.solvable() ? std::to_string(result.minimalSteps) : "—";
}

// Several solutions, or a folder of them: one row per file and the summary.
int checkClass(const trimerka::ExecutorTask& task, const std::vector<std::string_view>& paths, bool csv) {
    std::vector<std::filesystem::path> given;
    for (const std::string_view path : paths) {
        given.emplace_back(std::u8string(path.begin(), path.end()));
    }
    std::vector<trimerka::ClassFile> files;
    try {
        files = trimerka::ClassSolutionFiles(given);
    } catch (const trimerka::Error& e) {
        throw Refusal(e.what());
    }
    std::vector<trimerka::SolutionFileCheck> checks;
    for (const auto& file : files) {
        checks.push_back(trimerka::CheckSolutionFile(task, file.path, file.name));
    }
    const auto table = trimerka::ClassTable(checks, shortestText(task));
    if (csv) {
        std::cout << trimerka::CsvText(table);
        std::cerr << trimerka::ClassSummary(checks) << '\n';
    } else {
        printTable(std::cout, table);
        std::cout << '\n' << trimerka::ClassSummary(checks) << '\n';
    }
    const auto any = [&](trimerka::SolutionVerdict verdict) {
        return std::ranges::any_of(checks, [verdict](const auto& c) { return c.verdict == verdict; });
    };
    return any(trimerka::SolutionVerdict::Unreadable)  ? kExitBadInput
           : any(trimerka::SolutionVerdict::NotSolved) ? kExitNotSolvable
                                                       : kExitSolvable;
}

// --check [--csv] ЗАДАНИЕ.tmk РЕШЕНИЕ… | ПАПКА. What follows --check is sorted out here: the task, then one
// solution (checked as before, "-" for standard input) or a class of them.
int runCheck(const std::vector<std::string_view>& args) {
    const Options options = readOptions(args, {"--check", "--csv"}, {});
    const std::vector<std::string_view>& paths = options.paths;
    if (paths.empty()) {
        throw Refusal("--check: не указан файл задания.");
    }
    if (paths.front() == "-") {
        throw Refusal("--check: задание не читается со стандартного ввода; «-» может стоять только вместо "
                      "решения.");
    }
    if (paths.size() == 1) {
        throw Refusal("--check: после задания " + quoted(paths.front()) +
                      " нужен файл решения, несколько файлов или папка с ними.");
    }
    const std::vector<std::string_view> solutions(paths.begin() + 1, paths.end());
    for (const std::string_view solution : solutions) {
        if (solution == "-" && solutions.size() > 1) {
            throw Refusal("«-»: стандартный ввод проверяется только как единственное решение.");
        }
        if (trimerka::HasTaskExtension(solution)) {
            throw Refusal(quoted(solution) + ": это файл задания, а после задания " + quoted(paths.front()) +
                          " ожидаются решения; задание проверяется одно.");
        }
    }
    if (solutions.front() == "-" && options.has("--csv")) {
        throw Refusal("--csv: таблица класса строится по файлам, а не по стандартному вводу.");
    }

    std::error_code ec;
    const std::filesystem::path first(std::u8string(paths.front().begin(), paths.front().end()));
    if (std::filesystem::is_directory(first, ec)) {
        return checkProgramOnFolder(first, solutions, options.has("--csv"));
    }
    const trimerka::ExecutorTask task = readTask(paths.front());
    const bool one = solutions.size() == 1 && !options.has("--csv") &&
                     !std::filesystem::is_directory(
                         std::filesystem::path(std::u8string(solutions[0].begin(), solutions[0].end())), ec);
    if (!one) {
        return checkClass(task, solutions, options.has("--csv"));
    }
    const trimerka::SolutionCheck result =
        trimerka::CheckSolutionOrProgram(task, readSolution(solutions.front()));
    std::cout << result.report;
    return result.solved ? kExitSolvable : kExitNotSolvable;
}

// [--all] ФАЙЛ.tmk
int runSolve(const std::vector<std::string_view>& args) {
    const Options options = readOptions(args, {"--all"}, {});
    if (options.paths.empty()) {
        throw Refusal("Не указан файл задания.");
    }
    if (options.paths.size() > 1) {
        throw Refusal(quoted(options.paths[1]) + ": лишний путь; проверяется одно задание, " +
                      quoted(options.paths[0]) + ".");
    }
    const trimerka::ExecutorTask task = readTask(options.paths.front());

    const trimerka::SolverResult result = trimerka::Solve(task);
    printTask(std::cout, task);
    std::cout << trimerka::SolutionText(result) << '\n';
    if (result.solvability != trimerka::Solvability::OutOfRange) {
        std::cout << "Достижимых состояний: " << result.reachable.size() << '\n';
    }
    if (task.solutionControl != 1) {
        std::cout << "Контроль решения в задании выключен: исполнитель не сообщит о выполнении.\n";
    }
    if (result.solvable()) {
        std::cout << '\n';
        printSolution(std::cout, task, result);
    }
    if (options.has("--all") && !result.reachable.empty()) {
        std::cout << '\n';
        printReachable(std::cout, result);
    }
    return result.solvable() ? kExitSolvable : kExitNotSolvable;
}

int run(const std::vector<std::string_view>& args) {
    const bool generate = std::ranges::find(args, "--generate") != args.end();
    const bool check = std::ranges::find(args, "--check") != args.end();
    if (generate && check) {
        throw Refusal("--generate и --check: за один вызов делается что-то одно.");
    }
    if (!generate && !check && std::ranges::find(args, "--csv") != args.end()) {
        throw Refusal("--csv: действует только вместе с --check.");
    }
    return generate ? runGenerate(args) : check ? runCheck(args) : runSolve(args);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (std::ranges::find(args, "--help") != args.end() || std::ranges::find(args, "-h") != args.end()) {
        std::cout << kUsage;
        return kExitSolvable;
    }
    // Called with nothing, the tool shows what it can do.
    if (args.empty()) {
        std::cerr << kUsage;
        return kExitBadInput;
    }
    try {
        return run(args);
    } catch (const Refusal& refusal) {
        std::cerr << refusal.what() << "\nСправка: trimerka-solve --help\n";
    } catch (const FileFault& fault) {
        std::cerr << fault.what() << '\n';
    }
    return kExitBadInput;
}
