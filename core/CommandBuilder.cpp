#include "core/CommandBuilder.h"

#include "core/Utf8.h"

namespace trimerka {

namespace {

constexpr std::string_view kEmptySlot = "-";

struct Slots {
    std::string source;
    std::string destination;
};

// Only characters 1 and 5 of the panel are slots; characters 2 to 4 are always " - ".
Slots readSlots(const std::string& panel) {
    const auto chars = utf8::characters(panel);
    Slots slots{std::string(kEmptySlot), std::string(kEmptySlot)};
    if (chars.size() >= 1) {
        slots.source = std::string(chars[0]);
    }
    if (chars.size() >= 5) {
        slots.destination = std::string(chars[4]);
    }
    return slots;
}

bool holdsLetter(const std::string& slot) {
    return slot != kEmptySlot;
}

} // namespace

void ToggleVessel(CommandBuilderState& state, int vessel, bool pressed) {
    Slots slots = readSlots(state.panel);
    const std::string& letter = kVesselLetters[vessel];
    state.pressed[vessel] = pressed;

    if (holdsLetter(slots.source) && holdsLetter(slots.destination)) {
        state.pressed[vessel] = false;
    }
    if (state.pressed[vessel]) {
        if (!holdsLetter(slots.source)) {
            slots.source = letter;
        } else if (!holdsLetter(slots.destination)) {
            slots.destination = letter;
        }
        state.executeEnabled = holdsLetter(slots.destination);
    } else {
        if (slots.source == letter) {
            slots.source.assign(1, '-');
        } else if (slots.destination == letter) {
            slots.destination.assign(1, '-');
        }
        state.executeEnabled = holdsLetter(slots.source) && holdsLetter(slots.destination);
    }
    state.panel = slots.source + " - " + slots.destination;
}

} // namespace trimerka
