// lumiq_region_bench: times a skin outline's region built one rectangle at a
// time against the batched build, on a large bitmap with many runs per row.
// Run by hand under Wine:
//   run-wine.sh win32|win64 PREFIX lumiq_region_bench.exe [WIDTH HEIGHT PERIOD]
// PERIOD is the length of the repeating opaque/transparent pattern in a row.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "format/region_runs.h"
#include "plugin/region_build.h"

namespace {

double Seconds() {
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    return static_cast<double>(now.QuadPart) / static_cast<double>(freq.QuadPart);
}

// A rounded outline whose inside is broken by a pattern that shifts from
// row to row, as a textured or lettered skin would be.
lumiq::PixelImage Outline(int w, int h, int period) {
    lumiq::PixelImage img{w, h, {}};
    img.pixels.assign(static_cast<std::size_t>(w) * h, 0xFF00FF);
    const int r = h / 8;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int dx = x < r ? r - x : (x >= w - r ? x - (w - r - 1) : 0);
            int dy = y < r ? r - y : (y >= h - r ? y - (h - r - 1) : 0);
            if (dx * dx + dy * dy > r * r) continue;
            int phase = (x + (y * 7) % period) % period;
            if (phase < period / 3 && (y / 3) % 4 != 0) continue;
            img.pixels[static_cast<std::size_t>(y) * w + x] = 0x336699;
        }
    }
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    const int w = argc > 1 ? std::atoi(argv[1]) : 1600;
    const int h = argc > 2 ? std::atoi(argv[2]) : 1000;
    const int period = argc > 3 ? std::atoi(argv[3]) : 24;
    const std::size_t batch = argc > 4 ? std::strtoul(argv[4], nullptr, 10) : 0;
    const lumiq::PixelImage img = Outline(w, h, period);

    double t0 = Seconds();
    const auto runs = lumiq::RegionRuns(img, 0, 0, 0xFF00FF, h, w);
    double t1 = Seconds();
    HRGN batched = batch ? lumiq::RegionFromRects(runs, batch) : lumiq::RegionFromRects(runs);
    double t2 = Seconds();
    HRGN single = lumiq::RegionFromRectsOneByOne(runs);
    double t3 = Seconds();

    const bool equal = batched && single && EqualRgn(batched, single);
    std::printf("%dx%d, %zu runs (%.1f per row)\n", w, h, runs.size(),
                static_cast<double>(runs.size()) / h);
    std::printf("run walk        %9.1f ms\n", (t1 - t0) * 1000);
    std::printf("batched build   %9.1f ms\n", (t2 - t1) * 1000);
    std::printf("one at a time   %9.1f ms\n", (t3 - t2) * 1000);
    std::printf("ratio           %9.1f x\n", (t3 - t2) / (t2 - t1));
    std::printf("regions equal   %9s\n", equal ? "yes" : "NO");
    DeleteObject(batched);
    DeleteObject(single);
    return equal ? 0 : 1;
}
