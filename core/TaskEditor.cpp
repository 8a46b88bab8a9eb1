#include "core/TaskEditor.h"

#include <algorithm>
#include <limits>

#include "core/Error.h"
#include "core/Solver.h"

namespace trimerka {

namespace {

constexpr std::size_t kHeight = 0;
constexpr std::size_t kCapacity = 1;
constexpr std::size_t kAmount = 2;
constexpr std::size_t kTarget = 3;

std::size_t slot(VesselNumber number) {
    switch (number) {
    case VesselNumber::Height:
        return kHeight;
    case VesselNumber::Capacity:
        return kCapacity;
    case VesselNumber::Amount:
        return kAmount;
    case VesselNumber::Target:
        break;
    }
    return kTarget;
}

} // namespace

int NumberField::value() const {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return minimum;
    }
    long long number = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return minimum;
        }
        number = number * 10 + (text[i] - '0');
        if (number > static_cast<long long>(std::numeric_limits<int>::max()) + 1) {
            return minimum;
        }
    }
    number = negative ? -number : number;
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
        return minimum;
    }
    return static_cast<int>(number);
}

int NumberField::bounded(long long v) const {
    if (v > maximum) {
        v = maximum;
    }
    if (v < minimum) {
        v = minimum;
    }
    return static_cast<int>(v);
}

std::vector<std::string> FileStatementLines(const std::vector<ScreenLine>& lines) {
    std::vector<std::string> result;
    result.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string text = lines[i].text;
        if (i == 0 && !text.empty() && text.front() == ' ') {
            text.erase(0, 1);
        }
        if (lines[i].wrapped && !text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        result.push_back(std::move(text));
    }
    return result;
}

TaskEditor::TaskEditor() {
    for (auto& vessel : vessels_) {
        vessel.numbers[kHeight] = {std::to_string(kMaxHeight), kMinHeight, kMaxHeight, true};
        vessel.numbers[kCapacity] = {std::to_string(kMaxCapacity), kMinCapacity, kMaxCapacity, true};
        vessel.numbers[kAmount] = {std::to_string(kMaxCapacity), 0, kMaxCapacity, true};
        vessel.numbers[kTarget] = {std::to_string(kMaxCapacity), 0, kMaxCapacity, true};
    }
    reset();
}

const NumberField& TaskEditor::number(int vessel, VesselNumber number) const {
    return vessels_[index(vessel)].numbers[slot(number)];
}

NumberField& TaskEditor::field(int vessel, VesselNumber number) {
    return vessels_[index(vessel)].numbers[slot(number)];
}

void TaskEditor::reset() {
    const TaskDefinition defaults;
    for (auto& vessel : vessels_) {
        vessel.bar = PreviewBar{};
        vessel.fill = kDefaultFillColor;
        vessel.empty = kDefaultEmptyColor;
    }
    if (unlimited_) {
        setUnlimited(false);
    }
    selectPourBack(true);
    pourBackChoiceEnabled_ = false;
    for (int v = 0; v < kVesselCount; ++v) {
        for (NumberField& number : vessels_[index(v)].numbers) {
            number.enabled = true;
        }
        setNumber(v, VesselNumber::Height, kMaxHeight);
        setNumber(v, VesselNumber::Capacity, kMaxCapacity);
        field(v, VesselNumber::Amount).maximum = kMaxCapacity;
        field(v, VesselNumber::Target).maximum = kMaxCapacity;
        setNumber(v, VesselNumber::Amount, kMaxCapacity);
        setNumber(v, VesselNumber::Target, kMaxCapacity);
    }
    solutionControl_ = false;
    statement_ = defaults.statementLines.front();
    unlimitedArrowShown_ = false;
    pourBackArrowShown_ = false;
    commonTitle_ = defaults.commonTitle;
    columnTitles_ = defaults.columnTitles;
    // Last of all, so that no enabling done by the rules above outlasts the reset.
    saveEnabled_ = false;
    currentFile_.clear();
    ++textRevision_;
}

void TaskEditor::editNumber(int vessel, VesselNumber number, const std::string& text) {
    field(vessel, number).text = text;
    runRule(vessel, number);
}

void TaskEditor::setNumber(int vessel, VesselNumber number, int value) {
    NumberField& f = field(vessel, number);
    std::string text = std::to_string(f.bounded(value));
    if (text == f.text) {
        return;
    }
    f.text = std::move(text);
    runRule(vessel, number);
}

void TaskEditor::settle() {
    for (int v = 0; v < kVesselCount; ++v) {
        for (VesselNumber number :
             {VesselNumber::Capacity, VesselNumber::Amount, VesselNumber::Target, VesselNumber::Height}) {
            const NumberField& f = field(v, number);
            if (f.text != f.settledText()) {
                setNumber(v, number, f.value());
            }
        }
    }
}

void TaskEditor::runRule(int vessel, VesselNumber number) {
    switch (number) {
    case VesselNumber::Height:
        heightRule(vessel);
        break;
    case VesselNumber::Capacity:
        capacityRule(vessel);
        break;
    case VesselNumber::Amount:
        amountRule(vessel);
        break;
    case VesselNumber::Target:
        saveEnablingRule();
        break;
    }
}

void TaskEditor::setBarCapacity(PreviewBar& bar, int capacity) {
    if (capacity == bar.capacity) {
        return;
    }
    if (capacity < 0) {
        throw Error(kValueRangeMessage);
    }
    bar.capacity = capacity;
    bar.amount = std::min(bar.amount, capacity);
}

void TaskEditor::capacityRule(int vessel) {
    VesselEditing& v = vessels_[index(vessel)];
    const int capacity = v.numbers[kCapacity].value();
    // A negative capacity is refused here, and the rest of the rule does not run for it.
    if (!barFixed(vessel)) {
        setBarCapacity(v.bar, capacity);
    }
    v.numbers[kAmount].maximum = capacity;
    v.numbers[kTarget].maximum = capacity;
    // Strictly less: an amount or target equal to the new capacity is left alone.
    if (capacity < v.numbers[kAmount].value()) {
        setNumber(vessel, VesselNumber::Amount, capacity);
    }
    if (capacity < v.numbers[kTarget].value()) {
        setNumber(vessel, VesselNumber::Target, capacity);
    }
    saveEnablingRule();
}

void TaskEditor::amountRule(int vessel) {
    VesselEditing& v = vessels_[index(vessel)];
    if (!barFixed(vessel)) {
        v.bar.amount = std::clamp(v.numbers[kAmount].value(), 0, v.bar.capacity);
    }
    saveEnablingRule();
}

void TaskEditor::heightRule(int vessel) {
    VesselEditing& v = vessels_[index(vessel)];
    // A height editor never stays empty.
    if (v.numbers[kHeight].text.empty()) {
        v.numbers[kHeight].text = std::to_string(kMaxHeight);
    }
    if (!barFixed(vessel)) {
        v.bar.height = v.numbers[kHeight].value();
    }
    saveEnablingRule();
}

void TaskEditor::setUnlimited(bool unlimited) {
    unlimited_ = unlimited;
    unlimitedRule();
}

void TaskEditor::unlimitedRule() {
    VesselEditing& a = vessels_[index(VesselA)];
    if (unlimited_) {
        a.bar = PreviewBar{};
    }
    for (NumberField& number : a.numbers) {
        number.enabled = !unlimited_;
    }
    if (!unlimited_) {
        setBarCapacity(a.bar, a.numbers[kCapacity].value());
        a.bar.amount = std::clamp(a.numbers[kAmount].value(), 0, a.bar.capacity);
        a.bar.height = a.numbers[kHeight].value();
    }
    pourBackChoiceEnabled_ = unlimited_;
    unlimitedArrowShown_ = unlimited_;
    pourBackArrowShown_ = unlimited_ && pourBackAllowed_;
    saveEnablingRule();
}

void TaskEditor::selectPourBack(bool allowed) {
    if (allowed == pourBackAllowed_) {
        return;
    }
    pourBackAllowed_ = allowed;
    pourBackRule();
}

void TaskEditor::pourBackRule() {
    pourBackArrowShown_ = pourBackAllowed_;
    saveEnablingRule();
}

void TaskEditor::chooseColor(int vessel, bool fill, Color color) {
    (fill ? vessels_[index(vessel)].fill : vessels_[index(vessel)].empty) = color;
    saveEnablingRule();
}

void TaskEditor::setSolutionControl(bool on) {
    solutionControl_ = on;
    saveEnablingRule();
}

void TaskEditor::setStatement(const std::string& text) {
    statement_ = text;
    saveEnablingRule();
}

void TaskEditor::setCommonTitle(const std::string& text) {
    commonTitle_ = text;
    saveEnablingRule();
}

void TaskEditor::setColumnTitle(int vessel, const std::string& text) {
    columnTitles_[index(vessel)] = text;
    saveEnablingRule();
}

void TaskEditor::saveEnablingRule() {
    // The rule only ever enables, and only while there is a current file.
    if (!currentFile_.empty()) {
        saveEnabled_ = true;
    }
}

void TaskEditor::load(const std::string& path, const TaskFileValues& values) {
    reset();
    currentFile_ = path;
    saveEnabled_ = true;
    try {
        statement_.clear();
        statement_ = values.statement();
        const std::string control = values.value("krres");
        if (control == "1") {
            solutionControl_ = true;
        } else if (control == "0") {
            solutionControl_ = false;
        }
        commonTitle_ = values.value("ns");
        for (int v = 0; v < kVesselCount; ++v) {
            columnTitles_[index(v)] = values.value(ColumnTitleKey(v));
        }

        loadVessel(values, VesselA);
        if (values.value("saef") == "1") {
            setUnlimited(true);
            const std::string pourBack = values.value("sasl");
            if (pourBack == "0") {
                selectPourBack(false);
            } else if (pourBack == "1") {
                selectPourBack(true);
            }
        }
        pourBackChoiceEnabled_ = unlimited_;
        loadVessel(values, VesselB);
        loadVessel(values, VesselV);
    } catch (...) {
        // What was read stays shown, but the broken file is no longer the current file: one click on
        // "Сохранить настройки" would otherwise replace it with the defaults of every key not read.
        currentFile_.clear();
        saveEnabled_ = false;
        ++textRevision_;
        throw;
    }
    ++textRevision_;
}

void TaskEditor::loadVessel(const TaskFileValues& values, int vessel) {
    VesselEditing& v = vessels_[index(vessel)];
    if (const std::optional<Color> fill = TextToColor(values.value(VesselKey(vessel, "c1")))) {
        v.fill = *fill;
    }
    if (const std::optional<Color> empty = TextToColor(values.value(VesselKey(vessel, "c2")))) {
        v.empty = *empty;
    }
    // Each value is set as a command sets it, and the bar and the limits follow it even when the text was
    // already the one read.
    setNumber(vessel, VesselNumber::Height, TextToInt(values.value(VesselKey(vessel, "h"))));
    if (!barFixed(vessel)) {
        v.bar.height = v.numbers[kHeight].value();
    }
    setNumber(vessel, VesselNumber::Capacity, TextToInt(values.value(VesselKey(vessel, "em"))));
    const int capacity = v.numbers[kCapacity].value();
    if (!barFixed(vessel)) {
        setBarCapacity(v.bar, capacity);
    }
    v.numbers[kAmount].maximum = capacity;
    v.numbers[kTarget].maximum = capacity;
    setNumber(vessel, VesselNumber::Amount, TextToInt(values.value(VesselKey(vessel, "et"))));
    if (!barFixed(vessel)) {
        v.bar.amount = std::clamp(v.numbers[kAmount].value(), 0, v.bar.capacity);
    }
    setNumber(vessel, VesselNumber::Target, TextToInt(values.value(VesselKey(vessel, "er"))));
}

bool TaskEditor::beginSave() {
    if (currentFile_.empty()) {
        return false;
    }
    settle();
    saveEnabled_ = false;
    return true;
}

void TaskEditor::savedAs(const std::string& path) {
    currentFile_ = path;
    saveEnabled_ = false;
}

TaskDefinition TaskEditor::task(std::vector<std::string> statementLines) const {
    TaskDefinition t;
    for (int v = 0; v < kVesselCount; ++v) {
        const VesselEditing& editing = vessels_[index(v)];
        Vessel& vessel = t.vessels[index(v)];
        vessel.capacity = editing.numbers[kCapacity].value();
        vessel.initialAmount = editing.numbers[kAmount].value();
        vessel.targetAmount = editing.numbers[kTarget].value();
        vessel.height = editing.numbers[kHeight].value();
        vessel.fillColor = editing.fill;
        vessel.emptyColor = editing.empty;
    }
    t.unlimitedSource = unlimited_;
    t.pourBackAllowed = pourBackAllowed_;
    t.solutionControl = solutionControl_;
    t.statementLines = std::move(statementLines);
    t.commonTitle = commonTitle_;
    t.columnTitles = columnTitles_;
    return t;
}

TaskDefinition TaskEditor::settledTask() const {
    TaskEditor settled = *this;
    settled.settle();
    return settled.task({});
}

std::string TaskEditor::solutionText() const {
    const TaskDefinition task = settledTask();
    std::string inputs;
    for (const Vessel& vessel : task.vessels) {
        for (int number : {vessel.capacity, vessel.initialAmount, vessel.targetAmount}) {
            inputs += std::to_string(number) + ' ';
        }
    }
    inputs += task.unlimitedSource ? 'U' : 'L';
    inputs += task.pourBackAllowed ? 'B' : 'N';
    if (inputs != solvedInputs_) {
        solvedInputs_ = std::move(inputs);
        solvedText_ = SolutionText(Solve(task));
    }
    if (solutionControl_) {
        return solvedText_;
    }
    return solvedText_ + " (контроль решения выключен)";
}

} // namespace trimerka
