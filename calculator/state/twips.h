#pragma once
// Lengths in twips, as the windows were designed at 96 dpi: 15 to the pixel.
// Controls sit at whole twips; window positions are computed in single
// precision, as the placement rules require.

#include <cmath>

namespace veltra {

inline constexpr int kTwipsPerPixel = 15;

// Where a control sits, from the top left of its container.
struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct TwipsPoint {
    float left = 0, top = 0;
};

inline int TwipsToPixels(float twips) {
    return int(std::lround(twips / kTwipsPerPixel));
}
inline float PixelsToTwips(int pixels) {
    return float(pixels * kTwipsPerPixel);
}

}  // namespace veltra
