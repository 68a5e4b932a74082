// The arithmetic of control painting, kept apart from the platform so that
// it can be tested natively.
#pragma once

#include <cstdint>

namespace lumiq {

// Button state bits as the button reports them.
inline constexpr std::uint32_t kButtonChecked = 0x1;
inline constexpr std::uint32_t kButtonPushed = 0x4;
inline constexpr std::uint32_t kButtonFocused = 0x8;

// Offset in the control record of the x, y pair of the face to show. A
// pushed button always shows the pressed face at 20, checked or not;
// otherwise disabled 32, focused 28, else 24, each 16 further on when checked.
int ButtonFaceOffset(std::uint32_t state, bool enabled);

// How many of size pixels of a progress bar are filled at position within
// low..high: the share rounded to the nearest whole pixel, halves to even,
// and kept within 0..size. An empty range fills nothing.
int ProgressFilled(std::int64_t position, std::int64_t low, std::int64_t high, int size);

// A control's font at dpi dots per inch scaled to what it would be at 96:
// the new cell height, and whether a bitmap font gives way to "Small Fonts"
// (at 120 dots per inch and more, where it would have to shrink).
struct FontFit {
    int height;
    bool smallFonts;
};
FontFit FitFont(int height, bool vector, int dpi);

// Text drawing flags of a label: word break, centred for style bit 1,
// right-aligned for bit 2 without bit 1, else left-aligned.
std::uint32_t LabelTextFormat(std::uint32_t style);

}  // namespace lumiq
