#pragma once

#include <array>
#include <string>

#include "core/Task.h"

namespace trimerka {

constexpr const char* kEmptyPanel = "- - -";

// What composing a command touches: the three latched vessel buttons, the panel text and "Выполнить".
struct CommandBuilderState {
    std::array<bool, kVesselCount> pressed{};
    std::string panel = kEmptyPanel;
    bool executeEnabled = false;

    bool operator==(const CommandBuilderState&) const = default;
};

// One click of a vessel button: `pressed` is that button's state after the click flipped it.
// The first letter chosen fills the source slot, the second the destination slot; a third press is refused.
void ToggleVessel(CommandBuilderState& state, int vessel, bool pressed);

} // namespace trimerka
