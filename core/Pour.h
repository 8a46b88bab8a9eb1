#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Task.h"

namespace trimerka {

// The state the pour rules work on. The flags are the main window's 16-bit copies of the task's options.
struct VesselState {
    std::array<int, kVesselCount> amount{};
    std::array<int, kVesselCount> capacity{};
    std::uint16_t unlimitedSource = 0; // 1: vessel А is an endless tap and drain
    std::uint16_t pourBackAllowed = 1; // consulted only while unlimitedSource is 1; any value but 0 allows

    bool operator==(const VesselState&) const = default;
};

// An ordered pair of two different vessels; its text reads "А - Б".
struct PourCommand {
    int source = VesselA;
    int destination = VesselB;

    // The vessel that takes no part in the pour.
    int third() const { return 3 - source - destination; }
    // "А - Б": source letter, space, hyphen-minus, space, destination letter.
    std::string text() const;
    // The command named by characters 1 and 5 of a panel text; nothing when they name no command.
    static std::optional<PourCommand> fromText(std::string_view text);
    // All six commands in the order А - Б, А - В, Б - А, Б - В, В - Б, В - А.
    static const std::array<PourCommand, 6> all;

    bool operator==(const PourCommand&) const = default;
};

enum class PourCase {
    SourceEmptied,
    DestinationFilled,
    FromUnlimited,
    IntoUnlimited,
    IntoUnlimitedForbidden
};

struct PourOutcome {
    int source = VesselA;
    int destination = VesselB;
    int poured = 0;
    PourCase pourCase = PourCase::SourceEmptied;
    VesselState before;
    VesselState after;
};

// Pours from the command's source into its destination until the source is empty or the destination full,
// with the departures of an unlimited vessel А. Accepts every command in every state.
PourOutcome Pour(const VesselState& state, PourCommand command);

} // namespace trimerka
