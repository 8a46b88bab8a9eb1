#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/Pour.h"
#include "core/Task.h"

namespace trimerka {

// One vessel as the main window sets it up from a task file. The defaults are what the reset leaves.
struct ExecutorVessel {
    int capacity = 99; // the bar's capacity, never negative
    int amount = 99;   // the initial amount as the bar holds it: already limited to 0..capacity
    int height = 185;  // bar height in pixels, as read (no range check)
    // Nothing when the file's colour text is shorter than six characters: the bar keeps the reset's colour.
    std::optional<Color> fillColor;
    std::optional<Color> emptyColor;
    // The capacity caption exactly as the file writes it: "7/5", "05/12"; "99/99" for an unlimited А.
    std::string caption = "-/-";
    // The target as text, unconverted: "07" stays "07"; "99" for an unlimited А.
    std::string targetText = "-";

    bool operator==(const ExecutorVessel&) const = default;
};

// Everything the main window applies when a task file is opened or restarted.
struct ExecutorTask {
    // A blank before every line read, lines joined by nothing else: " line one line two". Empty for ksz < 0.
    std::string statement;
    // Titles of the step-log columns 1..3: common title, "|", the vessel's own title.
    std::array<std::string, kVesselCount> columnTitles;
    std::array<ExecutorVessel, kVesselCount> vessels;
    // The three options as the window holds them: the low 16 bits of the numbers read.
    std::uint16_t unlimitedSource = 0; // always 0 or 1
    std::uint16_t pourBackAllowed = 0; // any value but 0 allows pouring back into an unlimited А
    std::uint16_t solutionControl = 0; // 1: the amounts are compared with the targets after every step

    // Whether the arrows over vessel А show: `isaef` for an unlimited source, `isasl` for pouring back into
    // it.
    bool unlimitedArrowShown() const { return unlimitedSource == 1; }
    bool pourBackArrowShown() const { return unlimitedSource == 1 && pourBackAllowed != 0; }

    // The state the pour engine starts from: the bars' capacities and amounts with the two flags.
    VesselState initialState() const;
    // The three target texts in the order А, Б, В.
    std::array<std::string, kVesselCount> targetTexts() const;

    bool operator==(const ExecutorTask&) const = default;
};

// Gives the text of one key of the task file's section, empty when the key is missing.
using TaskValueSource = std::function<std::string(const std::string& key)>;

// Reads the keys one at a time in the main window's order and interprets them as the window does.
// Throws trimerka::Error with the message of the first key that fails ("''yes'' is not a valid integer
// value", kValueRangeMessage for a negative capacity); keys after it are not read.
ExecutorTask ReadExecutorTask(const TaskValueSource& value);
// The same from a task file on disk; a missing file reads as one without keys and fails at "ksz".
ExecutorTask ReadExecutorTask(const std::filesystem::path& path);

} // namespace trimerka
