#pragma once
// Where every control of the main window sits, in twips relative to its
// container, as the window was designed at 96 dpi (15 twips per pixel). The Qt
// view places its widgets from this table and the placement of the dialogs
// reads the same numbers, so a dialog opens exactly below its field.

#include <string>
#include <string_view>
#include <vector>

#include "twips.h"

namespace veltra {

inline constexpr int kMainFormWidth = 7165;
inline constexpr int kMainFormHeight = 6375;
inline constexpr int kTabCount = 7;

// Where TabStrip1's click puts the visible page frame.
inline constexpr TwipsRect kPageFrameRect{0, 420, 7095, 4995};
// Where TabStrip3's click puts the visible report frame.
inline constexpr TwipsRect kReportFrameRect{60, 180, 6975, 4335};
// Frame2 and Frame3 of page 6 share this place.
inline constexpr TwipsRect kSelectionFrameRect{60, 240, 6975, 4275};

struct ControlPlace {
    const char* name;       // control name; arrays as "PowerStandard(1)", "FrameTabs(0)"
    const char* container;  // "" for the window's client area
    TwipsRect rect;
};

const std::vector<ControlPlace>& MainFormLayout();
// The place of a control; throws std::out_of_range for an unknown name.
const ControlPlace& PlaceOf(std::string_view name);
// The rectangles of the containers between a control and the window,
// innermost first.
std::vector<TwipsRect> ContainersOf(std::string_view name);

// "FrameTabs(3)" and the like.
std::string ArrayName(std::string_view name, int index);

}  // namespace veltra
