// The region run walk against a naive per-pixel reference. Input: image size,
// sub-image origin and size, then pixels (two colours mostly, so that runs
// start and end often).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "check.h"
#include "format/region_runs.h"

using namespace lumiq;

namespace {

class Input {
  public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    int Signed16() {
        const int low = Byte();
        return int16_t(low | Byte() << 8);
    }
    bool Empty() const { return pos_ >= size_; }

  private:
    const uint8_t* data_;
    size_t size_, pos_ = 0;
};

bool Opaque(const PixelImage& image, int column, int row, uint32_t colour) {
    if (column < 0 || row < 0 || column >= image.width || row >= image.height) return false;
    return (image.pixels[size_t(row) * image.width + column] & 0xFFFFFFu) != (colour & 0xFFFFFFu);
}

// Every pixel of the sub-image but its last column, one by one. Pixels off
// the image are all transparent, so the scan skips the rows off it, starts at
// its left edge and stops at the first column past its right edge.
std::vector<Rect> Reference(const PixelImage& image, int x, int y, uint32_t colour, int height,
                            int width) {
    std::vector<Rect> runs;
    if (image.width <= 0 || image.height <= 0) return runs;
    const int endColumn = std::min(width - 1, image.width - x + 1);
    for (int i = std::max(0, -y); i < std::min(height, image.height - y); ++i) {
        int start = -1;
        for (int j = std::max(0, -x); j < endColumn; ++j) {
            const bool opaque = Opaque(image, x + j, y + i, colour);
            if (opaque && start < 0) start = j;
            if (!opaque && start >= 0) {
                runs.push_back({start, i, j, i + 1});
                start = -1;
            }
        }
        if (start >= 0) runs.push_back({start, i, endColumn, i + 1});
    }
    return runs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    PixelImage image;
    image.width = in.Byte() % 40;
    image.height = in.Byte() % 40;
    // Offsets and sizes as a skin file gives them, small ones more often.
    const uint8_t mode = in.Byte();
    const int x = (mode & 1) ? in.Signed16() : int(in.Byte() % 48) - 4;
    const int y = (mode & 2) ? in.Signed16() : int(in.Byte() % 48) - 4;
    const int height = (mode & 4) ? in.Signed16() : int(in.Byte() % 48) - 2;
    const int width = (mode & 8) ? in.Signed16() : int(in.Byte() % 48) - 2;
    const uint32_t colour = (mode & 16) ? 0xFF00FFu : 0xAA000000u | in.Byte();
    // A buffer short of the image must yield no runs.
    const bool shortBuffer = (mode & 32) != 0;
    const size_t count = size_t(image.width) * image.height;
    while (image.pixels.size() < count && !in.Empty()) {
        const uint8_t b = in.Byte();
        image.pixels.push_back(b < 128   ? 0x12FF00FFu
                               : b < 250 ? 0x000000FFu * b
                                         : uint32_t(b) << 24);
    }
    if (!shortBuffer) image.pixels.resize(count, 0xFF00FFu);
    const std::vector<Rect> runs = RegionRuns(image, x, y, colour, height, width);
    if (image.pixels.size() < count) {
        FUZZ_CHECK(runs.empty());
        return 0;
    }
    FUZZ_CHECK(runs == Reference(image, x, y, colour, height, width));
    return 0;
}
