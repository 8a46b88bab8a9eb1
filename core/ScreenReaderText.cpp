#include "core/ScreenReaderText.h"

#include <cstdlib>
#include <string_view>

#include "core/CountWord.h"
#include "core/TaskFile.h"

namespace trimerka {

namespace {

constexpr std::string_view kSlotSeparator = " - ";
constexpr std::string_view kEmptySlot = "-";

// What a number editor of the constructor holds, as its spoken name says it.
std::string_view valueName(VesselNumber number) {
    switch (number) {
    case VesselNumber::Height:
        return "высота столбика";
    case VesselNumber::Capacity:
        return "ёмкость";
    case VesselNumber::Amount:
        return "начальное количество";
    case VesselNumber::Target:
        break;
    }
    return "цель";
}

} // namespace

std::string LitresText(int amount) {
    return std::to_string(amount) + " " + CountWord(std::abs(amount), "литр", "литра", "литров");
}

std::string VesselSpokenName(int vessel, int amount, int capacity) {
    return "Сосуд " + kVesselLetters[vessel] + ": " + LitresText(amount) + " из " + std::to_string(capacity);
}

std::string CommandSpokenName(const std::string& panel) {
    const std::size_t separator = panel.find(kSlotSeparator);
    if (separator == std::string::npos) {
        return "Команда: " + panel;
    }
    const std::string source = panel.substr(0, separator);
    const std::string destination = panel.substr(separator + kSlotSeparator.size());
    const bool hasSource = source != kEmptySlot;
    const bool hasDestination = destination != kEmptySlot;
    if (hasSource && hasDestination) {
        return "Команда: " + panel;
    }
    if (hasSource) {
        return "Команда: из сосуда " + source;
    }
    if (hasDestination) {
        return "Команда: в сосуд " + destination;
    }
    return "Команда не составлена";
}

std::string ColorSpokenName(int vessel, bool fillColor, Color color) {
    return std::string(fillColor ? "Цвет жидкости сосуда " : "Цвет пустой части сосуда ") +
           kVesselLetters[vessel] + ": #" + ColorToText(color);
}

std::string NumberSpokenName(int vessel, VesselNumber number) {
    return "Сосуд " + kVesselLetters[vessel] + ": " + std::string(valueName(number));
}

std::string ColumnTitleSpokenName(int vessel) {
    return "Название столбца сосуда " + kVesselLetters[vessel];
}

std::string CompletedSpokenText(int steps) {
    return "Задание выполнено. Количество шагов: " + std::to_string(steps);
}

} // namespace trimerka
