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
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/Error.h"
#include "core/ExecutorTask.h"
#include "core/Profile.h"
#include "core/SolutionCheck.h"
#include "core/Solver.h"
#include "core/TaskFile.h"
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
    "               trimerka-solve --check ПАПКА ПРОГРАММА.txt\n"
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
    "                     если занято хоть одно имя набора, не записывается ничего\n"
    "  --seed S           зерно выбора, целое от 0 до 18446744073709551615: те же ключи и то же зерно дают\n"
    "                     те же файлы байт в байт; без ключа зерно выбирается случайно и печатается\n"
    "  --max-capacity C   наибольшая ёмкость сосуда, от 1 до 99 (по умолчанию 20)\n"
    "  --unlimited        сосуд А — бесконечный источник; ёмкости Б и В — до C\n"
    "  --no-pour-back     только вместе с --unlimited: сливать воду в сосуд А нельзя\n"
    "  Когда таких заданий нет или их меньше N, об этом говорит одно предложение с наибольшим K, возможным\n"
    "  при этих ограничениях, и ничего не записывается.\n"
    "  Код возврата: 0 — набор записан; 2 — имя занято, таких заданий меньше N, ошибка в вызове или папку\n"
    "  нельзя создать или записать.\n"
    "\n"
    "--check  проверяет решение ученика: выполняет его команды с начала задания так же, как исполнитель,\n"
    "  и сообщает, что задание решено, за сколько шагов и каково кратчайшее решение, либо первую ошибку\n"
    "  с номером строки: строка — не одна из шести команд; текст столбца сосуда не тот, что пишет\n"
    "  исполнитель (журнал изменён); после последней строки цель не достигнута. Шаг, который ничего не\n"
    "  переливает, считается шагом. Цель сравнивается так же, как при включённом контроле решения; если\n"
    "  в задании он выключен, об этом сказано. РЕШЕНИЕ — строки журнала шагов, скопированные Ctrl+A, Ctrl+C\n"
    "  (команда и три столбца сосудов через табуляцию), или команды по одной в строке: «А - Б», «А-Б»,\n"
    "  латинские A, B, V вместо А, Б, В, любой регистр, номер строки впереди («3», «3.», «3)»), пустые\n"
    "  строки. Кодировка: UTF-8 с BOM или без, Windows-1251 или UTF-16 с BOM. «-» вместо РЕШЕНИЯ —\n"
    "  стандартный ввод.\n"
    "  Программа вместо списка команд (есть строка с «нц», «кц», «если», «все» или комментарием «|»)\n"
    "  выполняется так же, как в окне «Программа», до первого достижения цели; ошибка в программе, цель,\n"
    "  не достигнутая к её концу, и остановка по пределу (10 000 команд или 1 000 000 повторений цикла\n"
    "  без команды) сообщаются с номером строки.\n"
    "  Код возврата: 0 — решено; 1 — решение прочитано, но неверно; 2 — файл не читается или не задание.\n"
    "\n"
    "--check ПАПКА ПРОГРАММА.txt  выполняет одну программу на каждом задании .tmk из ПАПКИ по порядку\n"
    "  имён: строка на задание — решено за N шагов и кратчайшее решение или почему нет — и итог.\n"
    "  Код возврата: 0 — решены все; 1 — не все; 2 — папка или задание не читается, в папке нет заданий.\n"
    "\n"
    "Результаты печатаются в стандартный вывод, сообщения об ошибках — в стандартный поток ошибок.\n";

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
        targets += separator + kVesselLetters[v] + " " + task.vessels[v].targetText;
    }
    if (!task.statement.empty()) {
        out << "Условие:" << task.statement << '\n'; // the statement begins with its blank
    }
    out << vessels << '\n' << targets << '\n';
}

int usageError(const std::string& message = {}) {
    if (!message.empty()) {
        std::cerr << message << '\n';
    }
    std::cerr << kUsage;
    return kExitBadInput;
}

// A whole decimal number and nothing else.
template <typename Number> bool parseNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// --generate N --steps K --out ПАПКА [--seed S] [--max-capacity C] [--unlimited [--no-pour-back]]
int runGenerate(const std::vector<std::string_view>& args) {
    int count = 0;
    trimerka::VariantLimits limits;
    limits.steps = 0;
    std::string folder;
    std::uint64_t seed = 0;
    bool seedGiven = false;
    bool noPourBack = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string_view value = hasValue ? args[i + 1] : std::string_view();
        bool ok = true;
        if (arg == "--unlimited") {
            limits.unlimitedSource = true;
            continue;
        }
        if (arg == "--no-pour-back") {
            noPourBack = true;
            continue;
        }
        if (!hasValue) {
            return usageError();
        }
        if (arg == "--generate") {
            ok = parseNumber(value, count) && count >= 1 && count <= trimerka::kMaxVariantCount;
        } else if (arg == "--steps") {
            ok = parseNumber(value, limits.steps) && limits.steps >= 1;
        } else if (arg == "--out") {
            folder = value;
            ok = !folder.empty();
        } else if (arg == "--seed") {
            ok = parseNumber(value, seed);
            seedGiven = true;
        } else if (arg == "--max-capacity") {
            ok = parseNumber(value, limits.maxCapacity) && limits.maxCapacity >= trimerka::kMinCapacity &&
                 limits.maxCapacity <= trimerka::kMaxCapacity;
        } else {
            ok = false;
        }
        if (!ok) {
            return usageError();
        }
        ++i;
    }
    if (count == 0 || limits.steps == 0 || folder.empty() || (noPourBack && !limits.unlimitedSource)) {
        return usageError();
    }
    limits.pourBackAllowed = !noPourBack;
    if (!seedGiven) {
        seed = std::random_device()();
    }

    const trimerka::VariantSet set =
        trimerka::MakeVariantSet(std::filesystem::path(folder), count, limits, seed);
    switch (set.outcome) {
    case trimerka::VariantSetOutcome::Written:
        break;
    case trimerka::VariantSetOutcome::FolderUnwritable:
        return usageError(set.message);
    case trimerka::VariantSetOutcome::NamesTaken:
    case trimerka::VariantSetOutcome::NotEnoughTasks:
        std::cerr << set.message << '\n';
        return kExitBadInput;
    }
    std::cout << "Папка: " << folder << '\n'
              << trimerka::VariantSetSummary(count, limits) << '\n'
              << "Зерно: " << seed << (seedGiven ? "" : " (выбрано случайно)")
              << "; тот же набор даст --seed " << seed << "\n\n";
    printTable(std::cout, trimerka::AnswerKey(set));
    return kExitSolvable;
}

// A pupil's solution or program, "-" for standard input.
bool readSolution(const std::string& path, std::string& bytes) {
    if (path == "-") {
        bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return true;
    }
    if (!trimerka::ReadFileBytes(std::filesystem::path(path), trimerka::kMaxSolutionBytes, bytes)) {
        std::cerr << path << ": файл решения не читается\n";
        return false;
    }
    return true;
}

// --check ПАПКА ПРОГРАММА.txt: one program on every task of the folder.
int checkProgramOnFolder(const std::filesystem::path& folder, const std::string& programPath) {
    std::string program;
    if (!readSolution(programPath, program)) {
        return kExitBadInput;
    }
    const trimerka::TaskFolderCheck result = trimerka::CheckProgramOnTasks(folder, program);
    std::cout << result.report;
    return result.unreadable                                                ? kExitBadInput
           : result.solvedCount == result.taskCount && result.taskCount > 0 ? kExitSolvable
                                                                            : kExitNotSolvable;
}

// --check ЗАДАНИЕ.tmk РЕШЕНИЕ.txt, the solution "-" for standard input.
int runCheck(const std::vector<std::string_view>& args) {
    std::vector<std::string> paths;
    for (const std::string_view arg : args) {
        if (arg == "--check") {
            continue;
        }
        if (arg.starts_with("-") && arg != "-") {
            return usageError();
        }
        paths.emplace_back(arg);
    }
    if (paths.size() != 2 || paths[0] == "-") {
        return usageError();
    }
    const std::filesystem::path taskPath(paths[0]);
    if (std::error_code error; std::filesystem::is_directory(taskPath, error)) {
        return checkProgramOnFolder(taskPath, paths[1]);
    }
    std::string bytes;
    if (!trimerka::ReadFileBytes(taskPath, trimerka::kProfileMaxReadBytes, bytes)) {
        std::cerr << paths[0] << ": файл задания не читается\n";
        return kExitBadInput;
    }
    // The bytes just read are the task: the file is not read a second time.
    const trimerka::TaskFileValues taskValues(trimerka::Profile::fromBytes(bytes));
    trimerka::ExecutorTask task;
    try {
        task = trimerka::ReadExecutorTask(
            [&taskValues](const std::string& key) { return taskValues.value(key); });
    } catch (const trimerka::Error& e) {
        std::cerr << paths[0] << ": " << e.what() << '\n';
        return kExitBadInput;
    }
    std::string solution;
    if (!readSolution(paths[1], solution)) {
        return kExitBadInput;
    }
    const trimerka::SolutionCheck result = trimerka::CheckSolutionOrProgram(task, solution);
    std::cout << result.report;
    return result.solved ? kExitSolvable : kExitNotSolvable;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const bool generate = std::ranges::find(args, "--generate") != args.end();
    const bool check = std::ranges::find(args, "--check") != args.end();
    const bool help =
        std::ranges::find(args, "--help") != args.end() || std::ranges::find(args, "-h") != args.end();
    if ((generate || check) && !help) {
        return generate && check ? usageError() : generate ? runGenerate(args) : runCheck(args);
    }
    bool all = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return kExitSolvable;
        }
        if (arg == "--all") {
            all = true;
        } else if (path.empty() && !arg.starts_with("-")) {
            path = arg;
        } else {
            return usageError();
        }
    }
    if (path.empty()) {
        return usageError();
    }

    trimerka::ExecutorTask task;
    try {
        task = trimerka::ReadExecutorTask(std::filesystem::path(path));
    } catch (const trimerka::Error& e) {
        std::cerr << path << ": " << e.what() << '\n';
        return kExitBadInput;
    }

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
    if (all && !result.reachable.empty()) {
        std::cout << '\n';
        printReachable(std::cout, result);
    }
    return result.solvable() ? kExitSolvable : kExitNotSolvable;
}
