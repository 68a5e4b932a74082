#pragma once
// The main window's event handlers. Every input ends with RecalculateAll,
// directly or through the change handling of a field that it writes; the
// handler, never the calculation, runs those steps, one after the other.

#include <string>

#include "state/app.h"

namespace veltra {

// Writes a field's text; a different text runs the field's change handling.
void SetFieldText(App& app, FieldId id, const std::string& text);
// Plain writes of what the program shows: no change handling runs.
void ShowText(MainWindowModel& w, FieldId id, const std::string& text, Background background);
// The text, on the window colour from 1, else on the button face.
void ShowCountText(MainWindowModel& w, FieldId id, const std::string& text, int value);

// The count fields with change handling that the calculation fills.
struct ShownLineCounts {
    std::string digital, analog;
};
ShownLineCounts LineCountsShown(const MainWindowModel& w);
// After an input that changes the boards: the change handling of each count
// field whose text differs from `before`, digital lines first (the auto-count
// scheme, then a calculation), then analog lines (a calculation).
void LineCountsChanged(App& app, const ShownLineCounts& before);
void PaintField(App& app, FieldId id, Background background);
// Writes the text and paints the field: window colour from 1, else button face.
void ShowCount(App& app, FieldId id, const std::string& text, int value);

// Checks and colours a telephone field; returns the accepted count.
Count CheckCountField(App& app, FieldId id);

// Applies the auto-count scheme that Combo1 shows.
void Combo1_Click(App& app);

// What scheme 1..3 writes for D digital extensions when no field is refused.
struct AutoCount {
    long long basic, standard, executive, dss1;
};
AutoCount AutoCountScheme(int scheme, double digitalLines);
void SelectCombo1(App& app, int index);

// Sets the check box; a change runs its click handling.
void SetMFUCheck(App& app, bool checked);
void SetOnlyStationMDFCheck(App& app, bool checked);
void SelectMFUFlash(App& app, int index);

enum class OptionGroupId { PowerStandard, PowerAcc, MDFBox, MDFOpenCable, Arrestor };
OptionGroup& OptionGroupOf(App& app, OptionGroupId id);
// Selects an element as a click on it does and runs the group's handling.
void SelectOption(App& app, OptionGroupId id, int index);

// The status-bar tool tip of the overload indicator.
inline constexpr const char* kOverloadToolTip = "Внимание: потребл. мощность превышает макс.";

}  // namespace veltra
