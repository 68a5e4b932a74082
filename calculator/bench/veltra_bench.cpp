// The calculator's timings, under names that stay comparable from run to run.
// Run them all with bench/run; each case is also selectable with
// --benchmark_filter.
#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "bench_fixtures.h"
#include "calculation/recalculate.h"
#include "catalogue/price_list.h"

namespace veltra::bench {
namespace {

void BM_LoadPriceList_Shipped(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LoadPriceList(VELTRA_PRICE_LIST, ','));
}
BENCHMARK(BM_LoadPriceList_Shipped)->Unit(benchmark::kMicrosecond);

void BM_LoadPriceList_32767(benchmark::State& state) {
    const auto& file = LargestPriceListFile();
    for (auto _ : state) benchmark::DoNotOptimize(LoadPriceList(file, ','));
}
BENCHMARK(BM_LoadPriceList_32767)->Unit(benchmark::kMillisecond);

void BM_RecalculateAll_Empty(benchmark::State& state) {
    StartedApp started;
    for (auto _ : state) RecalculateAll(started.app);
}
BENCHMARK(BM_RecalculateAll_Empty);

void BM_RecalculateAll_Full(benchmark::State& state) {
    StartedApp started;
    MakeFullConfiguration(started.app);
    if (CountBoards(started.app) != 27 || !started.platform.messages.empty())
        state.SkipWithError("the full configuration did not build");
    for (auto _ : state) RecalculateAll(started.app);
}
BENCHMARK(BM_RecalculateAll_Full);

}  // namespace
}  // namespace veltra::bench
