// The rectangle runs that make up a window's shape, walked from 32-bit pixels.
#pragma once

#include <cstdint>
#include <vector>

namespace lumiq {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Pixels as 0x00RRGGBB (the high byte is ignored), top row first.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// Runs of non-transparent pixels, row by row, of the sub-image of size
// width x height at (x, y); coordinates are relative to the sub-image. The
// last column never joins a run: a run reaching it ends with right edge
// width - 1. Pixels outside the image count as transparent.
std::vector<Rect> RegionRuns(const PixelImage& image, int x, int y, std::uint32_t colour,
                             int height, int width);

}  // namespace lumiq
