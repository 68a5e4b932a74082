#pragma once
// The five line-board dialogs behind one handle, addressed by control name as
// a user sees them ("Command1(3)", "E1(2)", "eprom1(1)", "ARFlatBttn1"), for
// tools that drive the dialogs as text.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "e1_trunk.h"
#include "variant_dialog.h"

namespace veltra {

using BoardDialog = std::variant<VariantDialog, E1TrunkDialog>;

// "DigExt", "AnExt", "AnTr", "BriTrunk" or "E1Trunk"; nullopt for other names.
std::optional<BoardDialog> OpenBoardDialog(const App& app, std::string_view name);

enum class ControlResult { Done, Unknown, Hidden, Disabled };

// Pointer over a control; only the variant buttons react.
ControlResult HoverControl(App& app, BoardDialog& dialog, std::string_view control);
ControlResult ClickControl(App& app, BoardDialog& dialog, std::string_view control);
// The window's close control.
void CloseBoardDialog(BoardDialog& dialog);
bool IsClosed(const BoardDialog& dialog);

// One line per control: buttons, count labels, options, frames, then the
// height and the slot fills.
std::vector<std::string> PrintBoardDialog(const BoardDialog& dialog);

}  // namespace veltra
