#pragma once

#include <string>

#include "core/Pour.h"
#include "core/StepLog.h"

namespace trimerka {

// The window a step runs in, reduced to what a replay needs: the state, the rows the step writes and when the
// completion check said yes. A solution check and a program run both drive the executor's own step through
// it.
class ReplayHost final : public StepHost {
public:
    explicit ReplayHost(const VesselState& start) : state_(start) {}

    std::string panelText() const override { return panel_; }
    void setPanelText(const std::string& text) override { panel_ = text; }
    void disableExecute() override {}
    int appendRow() override {
        rows_.emplace_back();
        return static_cast<int>(rows_.size()) - 1;
    }
    void setCell(int row, int column, const std::string& text) override {
        rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)] = text;
    }
    VesselState vesselState() const override { return state_; }
    void setAmount(int vessel, int amount) override { state_.amount[vessel] = amount; }
    void setCaption(int, const std::string&) override {}
    void releaseVesselButtons() override {}
    int stepCount() const override { return static_cast<int>(rows_.size()); }
    void showCompleted(int stepCount) override { lastCompleted_ = stepCount; }

    const StepRow& lastRow() const { return rows_.back(); }
    const StepLog& rows() const { return rows_; }
    const VesselState& state() const { return state_; }
    bool completedOnLastStep() const { return !rows_.empty() && lastCompleted_ == stepCount(); }

private:
    VesselState state_;
    std::string panel_ = "- - -";
    StepLog rows_;
    int lastCompleted_ = 0;
};

} // namespace trimerka
