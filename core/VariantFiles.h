#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/TaskFile.h"
#include "core/VariantGenerator.h"

namespace trimerka {

// "вариант-01.tmk": the file of variant `number` (counted from 1) of a set of `count`, its number filled
// with zeros to at least two digits, so that the names sort in order.
std::string VariantFileName(int number, int count);

// The names of a set of `count` that are already taken in the folder, by a file, a folder or a link.
std::vector<std::string> TakenVariantFileNames(const std::filesystem::path& folder, int count);

enum class VariantSetOutcome {
    Written,
    // A file of the set exists already.
    NamesTaken,
    // Fewer such tasks exist within the limits than were asked for.
    NotEnoughTasks,
    // The folder is a file, or it cannot be created or written.
    FolderUnwritable,
};

struct VariantSet {
    VariantSetOutcome outcome = VariantSetOutcome::Written;
    // One Russian sentence for every outcome but Written.
    std::string message;
    std::vector<Variant> variants;
    std::vector<std::string> fileNames;
};

// A whole set as the teacher asks for it: refuses when the folder is a file or a name of the set is taken,
// finds the tasks, creates the folder when missing and creates every file exclusively, so that nothing is
// replaced even when a file appears between the check of the names and the writing. Whatever it refuses, and
// a write that fails, leaves the folder as it was: files of the set written so far are removed again, and so
// is a folder it created. `create` makes one new file as CreateTaskFile does (false: the name is taken); a
// test may pass one that fails or that races it.
using TaskFileCreator = std::function<bool(const std::filesystem::path&, const TaskDefinition&)>;
VariantSet MakeVariantSet(const std::filesystem::path& folder, int count, const VariantLimits& limits,
                          std::uint64_t seed, const TaskFileCreator& create = CreateTaskFile);

// The answer key: a title row, then one row per file: file, capacities, start, target, least number of
// steps and one shortest solution as commands ("А - Б, Б - В, …"). An unlimited А shows as "∞".
std::vector<std::vector<std::string>> AnswerKey(const VariantSet& set);

// What the set is, for the line above the key: "30 вариантов; у каждого кратчайшее решение — 10 шагов;
// ёмкости до 20 литров".
std::string VariantSetSummary(int count, const VariantLimits& limits);

} // namespace trimerka
