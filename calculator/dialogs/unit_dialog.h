#pragma once
// The base station, handset, networking software and IP unit dialogs behind
// one handle, addressed by control name ("Slider1", "FecuMobile(2)",
// "Option1(4)", "Command2"), for tools that drive the dialogs as text.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base_station.h"
#include "board_dialog.h"
#include "fecu_form.h"
#include "ipu_form.h"
#include "mobile.h"
#include "state/entry_box.h"

namespace veltra {

using UnitDialog = std::variant<BaseStationDialog, MobileDialog, FecuFormDialog, IpuFormDialog>;

// "BaseStation", "Mobile", "FecuForm" or "IPUForm"; nullopt for other names.
// The handset button's guard is the main window's, not checked here.
std::optional<UnitDialog> OpenUnitDialog(const App& app, std::string_view name);

// Buttons and options; every named control answers a hover.
ControlResult HoverUnitControl(const UnitDialog& dialog, std::string_view control);
ControlResult ClickUnitControl(App& app, UnitDialog& dialog, std::string_view control);
// The dialog's slider, or nullptr.
const SliderControl* SliderOf(const UnitDialog& dialog);
// Moves an enabled slider to a value within its range, as dragging does.
void MoveSlider(const App& app, UnitDialog& dialog, int value);
// The dialog's entry box, or nullptr.
std::unique_ptr<EntryBox> EntryBoxOf(App& app, UnitDialog& dialog);
// The window's close control: nothing is stored.
void CloseUnitDialog(UnitDialog& dialog);
bool IsClosed(const UnitDialog& dialog);

// One line per control: slider, entry box, labels, options, check marks,
// buttons, then the height and, with a slot picture, the slot fills.
std::vector<std::string> PrintUnitDialog(const UnitDialog& dialog);

}  // namespace veltra
