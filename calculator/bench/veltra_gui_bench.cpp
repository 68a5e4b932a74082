// Timings of the Qt views, run under the offscreen platform by bench/run.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench_fixtures.h"
#include "catalogue/price_list.h"
#include "mainwindow/qt/catalogue_tree.h"

namespace veltra::bench {
namespace {

void BM_CatalogueTree_32767(benchmark::State& state) {
    Catalogue catalogue = LoadPriceList(LargestPriceListFile(), ',');
    BuildParentKeys(catalogue);
    QTreeWidget tree;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FillCatalogueTree(tree, catalogue));
        state.PauseTiming();
        tree.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CatalogueTree_32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veltra::bench

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
