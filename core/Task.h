#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trimerka {

// A colour as the task files and the colour chooser know it: red in the lowest byte, then green, then blue.
using Color = std::uint32_t;

constexpr Color rgb(int red, int green, int blue) {
    return static_cast<Color>(red & 0xFF) | static_cast<Color>(green & 0xFF) << 8 |
           static_cast<Color>(blue & 0xFF) << 16;
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr int kVesselCount = 3;
// The vessels in their fixed order; the index is used everywhere a per-vessel list appears.
enum VesselIndex : int { VesselA = 0, VesselB = 1, VesselV = 2 };

// The capital letters "А", "Б", "В" (UTF-8) of the vessels, in order.
extern const std::array<std::string, kVesselCount> kVesselLetters;
// The key letters a, b, v with which keys and control names are written ("saem", "sbem", "svem").
extern const std::array<char, kVesselCount> kVesselKeyLetters;

constexpr int kMinCapacity = 1;
constexpr int kMaxCapacity = 99;
constexpr int kMinHeight = 25;
constexpr int kMaxHeight = 185;
constexpr Color kDefaultFillColor = 12451514;  // R186 G254 B189
constexpr Color kDefaultEmptyColor = 15132390; // R230 G230 B230

struct Vessel {
    int capacity = 99;
    int initialAmount = 99;
    int targetAmount = 99;
    int height = 185;
    Color fillColor = kDefaultFillColor;
    Color emptyColor = kDefaultEmptyColor;

    bool operator==(const Vessel&) const = default;
};

struct TaskDefinition {
    std::array<Vessel, kVesselCount> vessels{};
    bool unlimitedSource = false;
    bool pourBackAllowed = true;
    bool solutionControl = false;
    std::vector<std::string> statementLines{"Формулировка задания ....."};
    std::string commonTitle = "Общее название столбиков";
    std::array<std::string, kVesselCount> columnTitles{"Название столбика 1", "Название столбика 2",
                                                       "Название столбика 3"};

    bool operator==(const TaskDefinition&) const = default;
};

} // namespace trimerka
