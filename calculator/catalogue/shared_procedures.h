#pragma once
// Procedures the main window, the dialogs and the calculation share.

#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "config_state.h"
#include "platform.h"

namespace veltra {

// Capacity sums; the multi-function board counts when `mfu` (MFUCheck) is set.
Count CountBoards(const ConfigState& s, bool mfu);
Count CountExtensionLines(const ConfigState& s, bool mfu);
Count CountTrunkLines(const ConfigState& s, bool mfu);
Count CountAllLines(const ConfigState& s, bool mfu);

// Mixes two 0x00BBGGRR colours component by component in the ratio wa : wb,
// rounding halves to even.
Colour BlendColour(Colour a, Colour b, int wa, int wb);

struct AddedItemRow {
    std::string key;
    std::string name;
    std::string code;
    std::string price;  // regional text
    int qty;
    std::string sum;  // regional text
};

struct AddedItemsList {
    std::vector<AddedItemRow> rows;  // catalogue order
    std::string total;               // regional text, for TotalAddText
};

// The rows of the added-items list: entries with a hand-added quantity.
AddedItemsList RefreshAddedItemsList(const Catalogue& catalogue, char decimalSeparator);

// The help viewer's target: the file, or "file>window" when a window is named.
std::string HelpTarget(const std::string& file, const std::string& window);
void ShowHelp(Platform& platform, const std::string& file, const std::string& window = "",
              std::optional<int> context = std::nullopt);

struct TwipsRect {
    float left = 0, top = 0, width = 0, height = 0;
};

struct TwipsPoint {
    float left = 0, top = 0;
};

// Where the input calculator opens for a box: the box and each container
// between it and the window (innermost first) add their Left and Top, in single
// precision; then the window's position, the box height and the offsets.
TwipsPoint InputCalcPosition(const TwipsRect& box, const std::vector<TwipsRect>& containers,
                             TwipsPoint window, int32_t dx, int32_t dy);

}  // namespace veltra
