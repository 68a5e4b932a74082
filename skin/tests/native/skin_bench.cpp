// Timings of the portable work a skinned window costs: walking a large
// bitmap into region runs and extracting a window with a large bitmap.
#include <benchmark/benchmark.h>

#include <sstream>

#include "format/bmp.h"
#include "format/region_runs.h"
#include "format/skin_format.h"
#include "format/skin_writer.h"
#include "tests/native/temp_dir.h"

namespace lumiq {
namespace {

constexpr std::uint32_t kKey = 0xFF00FF;

// An ellipse on the transparent colour, with a ragged edge every few rows.
PixelImage Ellipse(int w, int h) {
    PixelImage img{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, kKey)};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
            if (dx * dx + dy * dy <= 1.0 && (x + y) % 97 != 0) {
                img.pixels[static_cast<std::size_t>(y) * w + x] = 0x336699;
            }
        }
    }
    return img;
}

void BM_RegionRuns(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = w * 3 / 4;
    PixelImage img = Ellipse(w, h);
    std::size_t runs = 0;
    for (auto _ : state) {
        auto r = RegionRuns(img, 0, 0, kKey, h, w);
        runs = r.size();
        benchmark::DoNotOptimize(r.data());
    }
    state.counters["runs"] = static_cast<double>(runs);
    state.SetItemsProcessed(state.iterations() * w * h);
}
BENCHMARK(BM_RegionRuns)->Arg(240)->Arg(800)->Arg(1600);

void BM_ExtractWindow(benchmark::State& state) {
    testing::TempDir dir;
    const int w = static_cast<int>(state.range(0)), h = w * 3 / 4;
    SkinLayout layout;
    layout.bitmaps.push_back(MakeBmp24(Ellipse(w, h)));
    WindowLayout win;
    win.name = "Main";
    win.bitmap = 0;
    win.controls.resize(20);
    for (int i = 0; i < 20; ++i) win.controls[i].name = std::to_string(i).insert(0, 1, 'C');
    layout.windows.push_back(win);
    const auto bytes = WriteSkin(layout);
    dir.Write("s.lqs", bytes);
    for (auto _ : state) {
        Extraction ex = ExtractWindow(dir.Folder(), "s", "main");
        benchmark::DoNotOptimize(ex.status);
        state.PauseTiming();
        DiscardCreated(ex);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ExtractWindow)->Arg(240)->Arg(1600);

}  // namespace
}  // namespace lumiq

BENCHMARK_MAIN();
