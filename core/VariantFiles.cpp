#include "core/VariantFiles.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "core/CountWord.h"
#include "core/Error.h"
#include "core/Solver.h"
#include "core/TaskFile.h"

namespace trimerka {

namespace {

std::filesystem::path utf8Path(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

bool nameTaken(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    return !ec && status.type() != std::filesystem::file_type::not_found;
}

std::string joined(const std::vector<std::string>& texts) {
    std::string text;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        text += (i == 0 ? "" : ", ") + texts[i];
    }
    return text;
}

std::string folderText(const std::filesystem::path& folder) {
    const std::u8string text = folder.u8string();
    return std::string(text.begin(), text.end());
}

// The nearest of the folder and the folders above it that exists, when it is not a folder.
std::optional<std::filesystem::path> fileOnTheWay(const std::filesystem::path& folder) {
    for (std::filesystem::path p = folder; !p.empty(); p = p.parent_path()) {
        std::error_code ec;
        const auto status = std::filesystem::status(p, ec);
        if (status.type() != std::filesystem::file_type::not_found) {
            if (ec || std::filesystem::is_directory(status)) {
                return std::nullopt;
            }
            return p;
        }
        if (p == p.parent_path()) {
            break;
        }
    }
    return std::nullopt;
}

std::string takenMessage(const std::filesystem::path& folder, const std::vector<std::string>& taken) {
    return "В папке «" + folderText(folder) + "» уже есть " + joined(taken) + "; ничего не записано.";
}

// "8, 5, 3"; an unlimited А is "∞".
std::string amountsText(const std::array<int, kVesselCount>& amounts, bool unlimitedSource) {
    std::vector<std::string> texts;
    for (int v = 0; v < kVesselCount; ++v) {
        texts.push_back(v == VesselA && unlimitedSource ? "∞" : std::to_string(amounts[v]));
    }
    return joined(texts);
}

} // namespace

std::string VariantFileName(int number, int count) {
    const std::size_t width = std::max<std::size_t>(2, std::to_string(count).size());
    std::string digits = std::to_string(number);
    digits.insert(0, width - std::min(width, digits.size()), '0');
    return "вариант-" + digits + ".tmk";
}

std::vector<std::string> TakenVariantFileNames(const std::filesystem::path& folder, int count) {
    std::vector<std::string> taken;
    for (int number = 1; number <= count; ++number) {
        const std::string name = VariantFileName(number, count);
        if (nameTaken(folder / utf8Path(name))) {
            taken.push_back(name);
        }
    }
    return taken;
}

VariantSet MakeVariantSet(const std::filesystem::path& folder, int count, const VariantLimits& limits,
                          std::uint64_t seed, const TaskFileCreator& create) {
    VariantSet set;
    if (const auto file = fileOnTheWay(folder)) {
        set.outcome = VariantSetOutcome::FolderUnwritable;
        set.message = "«" + folderText(*file) + "» — файл, а не папка; ничего не записано.";
        return set;
    }
    if (auto taken = TakenVariantFileNames(folder, count); !taken.empty()) {
        set.outcome = VariantSetOutcome::NamesTaken;
        set.message = takenMessage(folder, taken);
        return set;
    }
    try {
        set.variants = GenerateVariants(count, limits, seed);
    } catch (const Error& e) {
        set.outcome = VariantSetOutcome::NotEnoughTasks;
        set.message = e.what();
        return set;
    }

    // The folders that a failed set must take away again: the missing ones on the way to it, deepest first.
    std::vector<std::filesystem::path> created;
    for (std::filesystem::path p = folder; !p.empty() && !nameTaken(p); p = p.parent_path()) {
        created.push_back(p);
        if (p == p.parent_path()) {
            break;
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    std::vector<std::filesystem::path> written;
    auto undo = [&] {
        for (const auto& path : written) {
            std::filesystem::remove(path, ec);
        }
        for (const auto& path : created) {
            std::filesystem::remove(path, ec); // only an empty folder goes
        }
    };
    for (int number = 1; number <= count; ++number) {
        const std::string name = VariantFileName(number, count);
        const std::filesystem::path path = folder / utf8Path(name);
        bool created = false;
        try {
            created = create(path, set.variants[static_cast<std::size_t>(number - 1)].task);
        } catch (const Error&) {
            // The name was free just before, so whatever stands there now is a part of this write.
            written.push_back(path);
            undo();
            set.outcome = VariantSetOutcome::FolderUnwritable;
            set.message =
                "Не удаётся записать файлы в папку «" + folderText(folder) + "»; ничего не записано.";
            set.variants.clear();
            return set;
        }
        // A file appeared since the check: it is not the set's, so it stays as it is.
        if (!created) {
            undo();
            set.outcome = VariantSetOutcome::NamesTaken;
            set.message = takenMessage(folder, {name});
            set.variants.clear();
            return set;
        }
        written.push_back(path);
        set.fileNames.push_back(name);
    }
    return set;
}

std::vector<std::vector<std::string>> AnswerKey(const VariantSet& set) {
    std::vector<std::vector<std::string>> rows{
        {"Файл", "Ёмкости А, Б, В", "Начало", "Цель", "Шагов", "Решение"}};
    for (std::size_t i = 0; i < set.variants.size() && i < set.fileNames.size(); ++i) {
        const Variant& variant = set.variants[i];
        const bool unlimited = variant.task.unlimitedSource;
        std::vector<std::string> commands;
        for (const PourCommand& command : variant.solution) {
            commands.push_back(command.text());
        }
        rows.push_back({set.fileNames[i], amountsText(variant.capacity, unlimited),
                        amountsText(variant.start, unlimited), amountsText(variant.target, unlimited),
                        std::to_string(variant.solution.size()), joined(commands)});
    }
    return rows;
}

std::string VariantSetSummary(int count, const VariantLimits& limits) {
    std::string text = std::to_string(count) + " " + CountWord(count, "вариант", "варианта", "вариантов") +
                       "; у каждого кратчайшее решение — " + StepsText(limits.steps) + "; ёмкости " +
                       CapacityLimitText(limits.maxCapacity);
    if (limits.unlimitedSource) {
        text += limits.pourBackAllowed ? "; сосуд А бесконечный, сливать в него можно"
                                       : "; сосуд А бесконечный, сливать в него нельзя";
    }
    return text;
}

} // namespace trimerka
