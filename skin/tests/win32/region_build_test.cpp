// The batched region build gives exactly the region of the one-at-a-time union.
#include <gtest/gtest.h>

#include <windows.h>

#include "plugin/region_build.h"
#include "tests/common/sample_skins.h"

namespace lumiq {
namespace {

using namespace lumiq::testing;

// Rows of runs that shift from row to row, with gaps, overlaps of nothing
// and a few empty rows: many bands that do not merge.
PixelImage Textured(int w, int h) {
    PixelImage img{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, kMagenta)};
    for (int y = 0; y < h; ++y) {
        if (y % 11 == 5) continue;
        for (int x = 0; x < w; ++x) {
            if ((x + 3 * y) % 13 < 4 || (x * y) % 29 == 0) continue;
            img.pixels[static_cast<std::size_t>(y) * w + x] = 0x204060;
        }
    }
    return img;
}

TEST(RegionBuild, BatchedEqualsOneAtATimeForEveryBatchSize) {
    const std::vector<std::vector<Rect>> shapes = {
        RegionRuns(SampleImage(), 4, 2, kMagenta, 90, 120),
        RegionRuns(Textured(300, 200), 0, 0, kMagenta, 200, 300),
        {{0, 0, 5, 5}, {3, 3, 9, 9}, {-4, 20, 2, 30}},  // overlapping, negative
        {},
    };
    for (std::size_t s = 0; s < shapes.size(); ++s) {
        HRGN reference = RegionFromRectsOneByOne(shapes[s]);
        ASSERT_NE(reference, nullptr);
        for (std::size_t batch : {1u, 3u, 16u, 1000u, 100000u}) {
            HRGN batched = RegionFromRects(shapes[s], batch);
            ASSERT_NE(batched, nullptr);
            EXPECT_TRUE(EqualRgn(batched, reference)) << "shape " << s << " batch " << batch;
            DeleteObject(batched);
        }
        DeleteObject(reference);
    }
}

}  // namespace
}  // namespace lumiq
