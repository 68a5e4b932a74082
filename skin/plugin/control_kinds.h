// What SkinControl does for each control kind: painting, shape, colours,
// font and placement.
#pragma once

#include <windows.h>

#include <cstdint>

#include "plugin/handlers.h"

namespace lumiq {

// Sets the handler up for kinds 0 to 11 from its record; found says whether
// the record was in the skin (kinds 4 and 9 go on without one, unplaced).
void ApplyControlKind(TControlHandler& handler, std::uint32_t kind, bool found);

// Fits the font, then moves the control to the placement (x, y, width,
// height, signed 16-bit) without repaint.
void PlaceControl(TControlHandler& handler, const std::uint8_t* placement);

// Gives the control its font scaled to 96 dots per inch; rich-edit controls
// keep theirs.
void FitControlFont(TControlHandler& handler);

// The font FitControlFont would give the control at dpi dots per inch, or
// null when it keeps its own. The caller owns the font.
HFONT FittedFont(HWND control, int dpi);

}  // namespace lumiq
