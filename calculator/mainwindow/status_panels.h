#pragma once
// The widths of the status bar's six panels.

#include <array>

namespace veltra {

// Cost line, spacer, overload picture, power line, spacer, line summary.
inline constexpr std::array<int, 6> kStatusPanelTwips = {5028, 88, 442, 3352, 88, 4058};

// The panels in pixels for a status bar `available` pixels wide. The design
// widths add up to far more than the window is wide, which would push the
// power line and the line summary out of sight; when they do not fit, the
// spacers and the picture keep their width and the three text panels share
// the rest in the design's proportions.
std::array<int, 6> StatusPanelPixels(int available);

}  // namespace veltra
