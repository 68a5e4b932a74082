#pragma once
// The small buttons beside the main window's fields: the board and unit
// dialogs, the input calculator and the page help.

#include <optional>
#include <string_view>
#include <vector>

#include "state/app.h"
#include "state/main_form_model.h"

namespace veltra {

enum class ButtonKind { Dialog, InputCalc, Help };

struct FieldButton {
    const char* name;
    ButtonKind kind;
    const char* field;   // the field beside it; nullptr for help buttons
    const char* dialog;  // dialog name for ButtonKind::Dialog, else nullptr
    bool above;          // the dialog opens above the field
};

const std::vector<FieldButton>& FieldButtons();
// nullptr when no button has that name.
const FieldButton* FindButton(std::string_view name);

// Where a button's dialog opens; `dialogHeight` (twips) matters only for a
// dialog that opens above its field. Nothing when the dialog must not open:
// the handset dialog without base stations shows why and opens nothing.
std::optional<TwipsPoint> DialogButton_Click(App& app, const MainFormModel& form,
                                             const FieldButton& button, TwipsPoint window,
                                             float dialogHeight);

// A calculator button: the calculator fills this field with at most 300.
// Returns where the calculator opens.
TwipsPoint InputCalcButton_Click(App& app, const FieldButton& button, TwipsPoint window);

inline constexpr const char* kNoBaseStationsMessage =
    "Введите сначала необходимое количество базовых станций";

}  // namespace veltra
