// trimerka-solve: tells a teacher whether a task file can be solved and in how few steps.
// The file is read exactly as the executor's main window reads it, so a file this tool refuses is one the
// pupil cannot open either.

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/Error.h"
#include "core/ExecutorTask.h"
#include "core/Solver.h"
#include "core/Utf8.h"

namespace {

using trimerka::kVesselCount;
using trimerka::kVesselLetters;

constexpr int kExitSolvable = 0;
constexpr int kExitNotSolvable = 1;
constexpr int kExitBadInput = 2;

const char* const kUsage =
    "Использование: trimerka-solve [--all] ФАЙЛ.tmk\n"
    "Проверяет, решается ли задание исполнителя «Тримерка», и печатает кратчайшее решение.\n"
    "  --all   перечислить все достижимые состояния с наименьшим числом шагов до них\n"
    "Код возврата: 0 — решение есть, 1 — решения нет, 2 — ошибка в файле или в вызове.\n";

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

} // namespace

int main(int argc, char** argv) {
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
            std::cerr << kUsage;
            return kExitBadInput;
        }
    }
    if (path.empty()) {
        std::cerr << kUsage;
        return kExitBadInput;
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
