#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/Task.h"
#include "core/TaskFile.h"

namespace trimerka {

// The four numeric editors of a vessel in the task constructor.
enum class VesselNumber { Height, Capacity, Amount, Target };
inline constexpr std::array<VesselNumber, 4> kVesselNumbers = {VesselNumber::Height, VesselNumber::Capacity,
                                                               VesselNumber::Amount, VesselNumber::Target};

// One numeric editor as the teacher types in it: while typed, its value may lie outside its range.
struct NumberField {
    std::string text;
    int minimum = 0;
    int maximum = 0;
    bool enabled = true;

    // The whole number in the text; a text that is not one (empty, a lone sign, too large) counts as the
    // minimum.
    int value() const;
    // A value pulled into minimum..maximum (the minimum wins should the maximum lie below it).
    int bounded(long long value) const;
    // The text a settled editor shows: its value pulled into its range, written in decimal.
    std::string settledText() const { return std::to_string(bounded(value())); }

    bool operator==(const NumberField&) const = default;
};

// A vessel's bar in the preview, limited as the vessel view limits it: the capacity is never negative and
// the amount lies within 0..capacity.
struct PreviewBar {
    int capacity = kMaxCapacity;
    int amount = kMaxCapacity;
    int height = kMaxHeight;

    bool operator==(const PreviewBar&) const = default;
};

// One line of the statement editor as it shows on screen, and whether the editor wrapped it at its width
// rather than the teacher ending it.
struct ScreenLine {
    std::string text;
    bool wrapped = false;
};

// The statement lines a save writes for the lines on screen. Both readers put one blank in front of every
// line when they join the lines, so the blank that begins the first line and the blank at which the editor
// wrapped a line are left out: a statement saved and loaded again reads back as the editor showed it.
std::vector<std::string> FileStatementLines(const std::vector<ScreenLine>& lines);

// The constructor's editing rules, free of any window: the values of a task as its controls hold them, the
// bounds that tie capacities, amounts and targets together, the preview, the two vessel-А options with their
// arrows, the current file and whether saving is enabled. The window reports each change of a control here
// and then shows the editor's state in its controls.
//
// A rule that sets another editor's value runs that editor's rule at once, and only when its text changes,
// as the change signal of a text field does.
class TaskEditor {
public:
    // Starts as the reset leaves it.
    TaskEditor();

    // The reset: every value back to the default task, no current file, saving disabled.
    void reset();

    // The text of a numeric editor changed, typed, stepped or set by the editor itself: its rule runs. A
    // capacity below 0 is refused by the bar with Error(kValueRangeMessage), and the rest of the capacity
    // rule does not run.
    void editNumber(int vessel, VesselNumber field, const std::string& text);
    // A value set by a rule or a command: pulled into the editor's range, shown, and the rule runs when the
    // text changed.
    void setNumber(int vessel, VesselNumber field, int value);
    // What leaving every editor would do, and more: each editor whose text is not its settled text (a value
    // outside its range, an empty text, a lone sign) is set to its value pulled into its range, capacities
    // before the amounts and targets they limit. A save settles before it writes.
    void settle();

    // The check box "Бесконечный" changed its state.
    void setUnlimited(bool unlimited);
    // "При переливании МОЖНО ..." (true) or "... НЕЛЬЗЯ ..." (false) became selected; selecting the one
    // already selected does nothing.
    void selectPourBack(bool allowed);
    // A colour chosen in the colour dialog for a vessel's fill (true) or empty part (false); choosing the
    // colour the square already has still counts as an edit.
    void chooseColor(int vessel, bool fill, Color color);
    void setSolutionControl(bool on);
    void setStatement(const std::string& text);
    void setCommonTitle(const std::string& text);
    void setColumnTitle(int vessel, const std::string& text);

    // Load: the reset, `path` becomes the current file with saving enabled, then the values are read in the
    // constructor's order and pulled into the editors' ranges. The first value refused raises its Error: what
    // was read stays, but the broken file is no longer the current file and saving is disabled.
    void load(const std::string& path, const TaskFileValues& values);
    // Save: nothing without a current file (false); otherwise the editors are settled and saving disabled
    // (true), and the caller writes the current file.
    bool beginSave();
    // Save as wrote `path` (the caller settled the editors before writing): it becomes the current file,
    // saving is disabled.
    void savedAs(const std::string& path);

    const NumberField& number(int vessel, VesselNumber field) const;
    const PreviewBar& bar(int vessel) const { return vessels_[index(vessel)].bar; }
    Color fillColor(int vessel) const { return vessels_[index(vessel)].fill; }
    Color emptyColor(int vessel) const { return vessels_[index(vessel)].empty; }
    bool unlimited() const { return unlimited_; }
    // Whether "МОЖНО" is selected; the pair keeps its selection while disabled.
    bool pourBackAllowed() const { return pourBackAllowed_; }
    // The radio pair can be used only while vessel А is unlimited.
    bool pourBackChoiceEnabled() const { return pourBackChoiceEnabled_; }
    bool unlimitedArrowShown() const { return unlimitedArrowShown_; }
    bool pourBackArrowShown() const { return pourBackArrowShown_; }
    bool solutionControl() const { return solutionControl_; }
    const std::string& statement() const { return statement_; }
    const std::string& commonTitle() const { return commonTitle_; }
    const std::string& columnTitle(int vessel) const { return columnTitles_[index(vessel)]; }
    const std::string& currentFile() const { return currentFile_; }
    bool saveEnabled() const { return saveEnabled_; }
    // Grows whenever the editor itself replaces the texts (reset, load), so that a window can tell a new text
    // to show from the teacher's own typing it reported.
    int textRevision() const { return textRevision_; }

    // The task with every number exactly as its editor holds it, and the given statement lines.
    TaskDefinition task(std::vector<std::string> statementLines) const;
    // The task as a save would write it now: every editor settled.
    TaskDefinition settledTask() const;
    // The solution label: the shortest solution of the settled task, and a note when solution control is
    // off, since the pupil is then never told that the task is solved.
    std::string solutionText() const;

private:
    struct VesselEditing {
        std::array<NumberField, 4> numbers;
        Color fill = kDefaultFillColor;
        Color empty = kDefaultEmptyColor;
        PreviewBar bar;
    };

    static std::size_t index(int vessel) { return static_cast<std::size_t>(vessel); }
    NumberField& field(int vessel, VesselNumber number);
    // Whether the rules leave a vessel's bar alone: vessel А's bar is full while А is unlimited.
    bool barFixed(int vessel) const { return vessel == VesselA && unlimited_; }

    void runRule(int vessel, VesselNumber number);
    void capacityRule(int vessel);
    void amountRule(int vessel);
    void heightRule(int vessel);
    void unlimitedRule();
    void pourBackRule();
    void saveEnablingRule();
    // The bar's capacity as the vessel view takes it: a negative one is refused.
    static void setBarCapacity(PreviewBar& bar, int capacity);
    void loadVessel(const TaskFileValues& values, int vessel);

    std::array<VesselEditing, kVesselCount> vessels_;
    bool unlimited_ = false;
    bool pourBackAllowed_ = true;
    bool pourBackChoiceEnabled_ = false;
    bool unlimitedArrowShown_ = false;
    bool pourBackArrowShown_ = false;
    bool solutionControl_ = false;
    std::string statement_;
    std::string commonTitle_;
    std::array<std::string, kVesselCount> columnTitles_;
    std::string currentFile_;
    bool saveEnabled_ = false;
    int textRevision_ = 0;

    // The last search, so that edits of texts and colours search nothing.
    mutable std::string solvedInputs_;
    mutable std::string solvedText_;
};

} // namespace trimerka
