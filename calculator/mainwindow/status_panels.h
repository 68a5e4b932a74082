#pragma once
// The widths of the status bar's six panels.

#include <array>

namespace veltra {

// Cost line, spacer, overload picture, power line, spacer, line summary.
inline constexpr std::array<int, 6> kStatusPanelTwips = {5028, 88, 442, 3352, 88, 4058};

// The panels in pixels for a status bar `available` pixels wide, where the
// texts of panels 1, 4 and 6 need `needed` pixels. The design widths add up to
// far more than the window is wide, which would push the power line and the
// line summary out of sight. When they do not fit, the spacers and the
// picture keep their widths, each text panel gets what its text needs and the
// three share what is left in the design's proportions; when even the texts do
// not fit, they shrink in proportion to their needs.
std::array<int, 6> StatusPanelPixels(int available, const std::array<int, 3>& needed);

}  // namespace veltra
