#include "format/region_runs.h"

#include <algorithm>

namespace lumiq {

std::vector<Rect> RegionRuns(const PixelImage& image, int x, int y, std::uint32_t colour,
                             int height, int width) {
    std::vector<Rect> runs;
    if (width <= 0 || height <= 0 || image.width <= 0 || image.height <= 0) return runs;
    if (image.pixels.size() < static_cast<std::size_t>(image.width) * image.height) return runs;
    colour &= 0xFFFFFFu;
    // Only the part of the sub-image that overlaps the pixels can hold a run;
    // bounding the loops by it keeps bogus sizes from costing anything.
    const int firstRow = std::max(0, -y);
    const int endRow = std::min(height, image.height - y);
    const int firstCol = std::max(0, -x);
    const int endCol = std::min(width, image.width - x);
    const int lastCol = width - 1;
    for (int i = firstRow; i < endRow; ++i) {
        const std::size_t rowStart = static_cast<std::size_t>(y + i) * image.width;
        int start = -1;
        for (int j = firstCol; j < endCol && j < lastCol; ++j) {
            bool transparent = (image.pixels[rowStart + (x + j)] & 0xFFFFFFu) == colour;
            if (!transparent && start < 0) {
                start = j;
            } else if (transparent && start >= 0) {
                runs.push_back({start, i, j, i + 1});
                start = -1;
            }
        }
        // A run still open ends at the first column it cannot include: the
        // first one outside the pixels or the last column.
        if (start >= 0) runs.push_back({start, i, std::min(endCol, lastCol), i + 1});
    }
    return runs;
}

}  // namespace lumiq
