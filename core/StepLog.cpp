#include "core/StepLog.h"

namespace trimerka {

StepRow BuildStepRow(const std::string& commandText, const PourOutcome& outcome) {
    StepRow row;
    row.cells[0] = commandText;
    const auto p = std::to_string(outcome.poured);
    for (int v = 0; v < kVesselCount; ++v) {
        const auto o = std::to_string(outcome.before.amount[v]);
        const auto n = std::to_string(outcome.after.amount[v]);
        std::string& cell = row.cells[v + 1];
        if (v == outcome.source) {
            cell = n + " ( " + o + " - " + p + " )";
        } else if (v == outcome.destination) {
            cell = n + " ( " + o + " + " + p + " )";
        } else {
            cell = n;
        }
    }
    return row;
}

std::string CapacityCaption(int amount, int capacity) {
    return std::to_string(amount) + " / " + std::to_string(capacity);
}

bool CompletionReached(const std::array<int, kVesselCount>& amounts,
                       const std::array<std::string, kVesselCount>& targetText,
                       std::uint16_t solutionControl) {
    if (solutionControl != 1) {
        return false;
    }
    for (int v = 0; v < kVesselCount; ++v) {
        if (std::to_string(amounts[v]) != targetText[v]) {
            return false;
        }
    }
    return true;
}

void ExecuteStep(StepHost& host, const std::array<std::string, kVesselCount>& targetText,
                 std::uint16_t solutionControl) {
    const std::string panel = host.panelText();
    const auto command = PourCommand::fromText(panel);
    if (!command) {
        return;
    }
    host.disableExecute();
    const int row = host.appendRow();
    host.setCell(row, 0, panel);
    const PourOutcome outcome = Pour(host.vesselState(), *command);
    const StepRow cells = BuildStepRow(panel, outcome);
    for (int v = 0; v < kVesselCount; ++v) {
        host.setCell(row, v + 1, cells.cells[v + 1]);
    }
    for (int v : {outcome.source, outcome.destination}) {
        host.setAmount(v, outcome.after.amount[v]);
    }
    for (int v : {outcome.source, outcome.destination}) {
        host.setCaption(v, CapacityCaption(outcome.after.amount[v], outcome.after.capacity[v]));
    }
    host.releaseVesselButtons();
    host.setPanelText("- - -");
    if (CompletionReached(outcome.after.amount, targetText, solutionControl)) {
        host.showCompleted(host.stepCount());
    }
}

} // namespace trimerka
