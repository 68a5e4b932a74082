#pragma once
// Where the main window puts the windows it opens: dialogs below (or above)
// their fields, the keypads below the clicked tree or list row, and boxes
// centred on the screen or over the window. Everything in twips, single
// precision, with the main window's outer top-left as the origin of offsets.

#include <cstdint>
#include <vector>

#include "state/twips.h"

namespace veltra {

// Window height minus client height, converted to twips: the title bar, menu
// bar and borders together.
int32_t TitleBarHeightTwips(int windowHeightPixels, int clientHeightPixels);

TwipsPoint DialogBelowField(TwipsPoint window, int32_t titleBarHeight, const TwipsRect& page,
                            const TwipsRect& field);
// Only the networking software dialog opens above its field, 90 twips clear.
TwipsPoint DialogAboveField(TwipsPoint window, int32_t titleBarHeight, const TwipsRect& page,
                            const TwipsRect& field, float dialogHeight);

TwipsPoint CentreOnScreen(float screenWidth, float screenHeight, float boxWidth, float boxHeight);
TwipsPoint CentreOver(const TwipsRect& owner, float boxWidth, float boxHeight);

// The keypad of a tree node opens one tree row (240) below the row that the
// last button press hit.
TwipsPoint TreeKeypadPosition(TwipsPoint window, int32_t titleBarHeight, const TwipsRect& page,
                              const TwipsRect& frame, const TwipsRect& tree, float selectNodeY);
// The keypad of a list row opens just below the row: header 256, rows 209.
TwipsPoint ListKeypadPosition(TwipsPoint window, int32_t titleBarHeight, const TwipsRect& page,
                              const TwipsRect& frame, const TwipsRect& list, float selectListY);

// Where the input calculator opens for a box: the box and each container
// between it and the window (innermost first) add their Left and Top, in single
// precision; then the window's position, the box height and the offsets.
TwipsPoint InputCalcPosition(const TwipsRect& box, const std::vector<TwipsRect>& containers,
                             TwipsPoint window, int32_t dx, int32_t dy);

}  // namespace veltra
