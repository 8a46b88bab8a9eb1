#include "core/Pour.h"

#include "core/Utf8.h"

namespace trimerka {

const std::array<PourCommand, 6> PourCommand::all{{{VesselA, VesselB},
                                                   {VesselA, VesselV},
                                                   {VesselB, VesselA},
                                                   {VesselB, VesselV},
                                                   {VesselV, VesselB},
                                                   {VesselV, VesselA}}};

std::string PourCommand::text() const {
    return kVesselLetters[source] + " - " + kVesselLetters[destination];
}

std::optional<PourCommand> PourCommand::fromText(std::string_view text) {
    const auto chars = utf8::characters(text);
    if (chars.size() < 5) {
        return std::nullopt;
    }
    auto vesselOf = [](std::string_view letter) -> int {
        for (int v = 0; v < kVesselCount; ++v) {
            if (letter == kVesselLetters[v]) {
                return v;
            }
        }
        return -1;
    };
    const int source = vesselOf(chars[0]);
    const int destination = vesselOf(chars[4]);
    if (source < 0 || destination < 0 || source == destination) {
        return std::nullopt;
    }
    return PourCommand{source, destination};
}

PourOutcome Pour(const VesselState& state, PourCommand command) {
    PourOutcome out;
    out.source = command.source;
    out.destination = command.destination;
    out.before = state;
    out.after = state;
    const int s = command.source;
    const int d = command.destination;
    auto& amount = out.after.amount;
    const int free = state.capacity[d] - state.amount[d];

    if (state.unlimitedSource == 1 && s == VesselA) {
        out.pourCase = PourCase::FromUnlimited;
        out.poured = free;
        amount[d] = state.capacity[d];
    } else if (state.unlimitedSource == 1 && d == VesselA) {
        if (state.pourBackAllowed != 0) {
            out.pourCase = PourCase::IntoUnlimited;
            out.poured = state.amount[s];
            amount[s] = 0;
        } else {
            out.pourCase = PourCase::IntoUnlimitedForbidden;
            out.poured = 0;
        }
    } else if (free < state.amount[s]) {
        out.pourCase = PourCase::DestinationFilled;
        out.poured = free;
        amount[s] = state.amount[s] - free;
        amount[d] = state.capacity[d];
    } else {
        out.pourCase = PourCase::SourceEmptied;
        out.poured = state.amount[s];
        amount[d] = state.amount[d] + state.amount[s];
        amount[s] = 0;
    }
    return out;
}

} // namespace trimerka
