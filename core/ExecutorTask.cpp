#include "core/ExecutorTask.h"

#include <algorithm>

#include "core/Error.h"
#include "core/TaskFile.h"

namespace trimerka {

namespace {

// The vessel bar refuses a negative capacity with this message; the reading stops there as it would on
// screen.
int checkedCapacity(int capacity) {
    if (capacity < 0) {
        throw Error(kValueRangeMessage);
    }
    return capacity;
}

// Capacity, amount and height of an ordinary vessel, in the order in which the window sets its bar: the
// capacity first, so the amount is limited by it, while the caption keeps both texts as the file has them.
void readBar(const TaskValueSource& value, ExecutorVessel& vessel, int index) {
    const std::string capacityText = value(VesselKey(index, "em"));
    vessel.capacity = checkedCapacity(TextToInt(capacityText));
    const std::string amountText = value(VesselKey(index, "et"));
    vessel.amount = std::clamp(TextToInt(amountText), 0, vessel.capacity);
    vessel.height = TextToInt(value(VesselKey(index, "h")));
    vessel.caption = amountText + "/" + capacityText;
}

void readColors(const TaskValueSource& value, ExecutorVessel& vessel, int index) {
    vessel.fillColor = TextToColor(value(VesselKey(index, "c1")));
    vessel.emptyColor = TextToColor(value(VesselKey(index, "c2")));
}

} // namespace

VesselState ExecutorTask::initialState() const {
    VesselState state;
    for (int v = 0; v < kVesselCount; ++v) {
        state.capacity[v] = vessels[v].capacity;
        state.amount[v] = vessels[v].amount;
    }
    state.unlimitedSource = unlimitedSource;
    state.pourBackAllowed = pourBackAllowed;
    return state;
}

std::array<std::string, kVesselCount> ExecutorTask::targetTexts() const {
    return {vessels[VesselA].targetText, vessels[VesselB].targetText, vessels[VesselV].targetText};
}

ExecutorTask ReadExecutorTask(const TaskValueSource& value) {
    ExecutorTask task;
    task.statement = RebuildStatement(value);
    task.solutionControl = static_cast<std::uint16_t>(TextToInt(value("krres")));
    for (int v = 0; v < kVesselCount; ++v) {
        const std::string common = value("ns");
        task.columnTitles[v] = common + "|" + value(ColumnTitleKey(v));
    }

    ExecutorVessel& a = task.vessels[VesselA];
    readColors(value, a, VesselA);
    task.pourBackAllowed = static_cast<std::uint16_t>(TextToInt(value("sasl")));
    // Only "1" makes vessel А an unlimited source; every other text reads it as an ordinary vessel.
    if (value("saef") == "1") {
        task.unlimitedSource = 1;
        a.capacity = 99;
        a.amount = 99;
        a.height = 185;
        a.targetText = "99";
        a.caption = "99/99";
    } else {
        task.unlimitedSource = 0;
        readBar(value, a, VesselA);
        a.targetText = value("saer");
    }

    for (int v : {VesselB, VesselV}) {
        ExecutorVessel& vessel = task.vessels[v];
        readColors(value, vessel, v);
        readBar(value, vessel, v);
        vessel.targetText = value(VesselKey(v, "er"));
    }
    return task;
}

ExecutorTask ReadExecutorTask(const std::filesystem::path& path) {
    const TaskFileValues file(path);
    return ReadExecutorTask([&file](const std::string& key) { return file.value(key); });
}

} // namespace trimerka
