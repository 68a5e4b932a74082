#include "format/control_rules.h"

#include <algorithm>
#include <cmath>

namespace lumiq {

int ButtonFaceOffset(std::uint32_t state, bool enabled) {
    if (state & kButtonPushed) return 20;
    int offset = !enabled ? 32 : (state & kButtonFocused) ? 28 : 24;
    return (state & kButtonChecked) ? offset + 16 : offset;
}

int ProgressFilled(std::int64_t position, std::int64_t low, std::int64_t high, int size) {
    const std::int64_t range = high - low;
    if (range <= 0 || size <= 0) return 0;
    // Measured from the low end: a bar from 50 to 150 is full at 150.
    const std::int64_t done = std::clamp<std::int64_t>(position - low, 0, range);
    // Whole numbers throughout: done and range fit in 32 bits, size in 16.
    const std::int64_t product = done * size;
    std::int64_t filled = product / range;
    const std::int64_t twice = 2 * (product % range);
    if (twice > range || (twice == range && filled % 2 != 0)) ++filled;
    return static_cast<int>(filled);
}

FontFit FitFont(int height, bool vector, int dpi) {
    if (dpi <= 0) return {height, false};
    const double factor = 96.0 / dpi;
    return {static_cast<int>(std::lround(height * factor)), !vector && dpi >= 120 && factor < 1};
}

std::uint32_t LabelTextFormat(std::uint32_t style) {
    constexpr std::uint32_t kWordBreak = 0x10, kCentre = 0x1, kRight = 0x2;
    if (style & 0x1) return kWordBreak | kCentre;
    if (style & 0x2) return kWordBreak | kRight;
    return kWordBreak;
}

}  // namespace lumiq
