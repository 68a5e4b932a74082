// The calculator's timings, under names that stay comparable from run to run.
// Run them all with bench/run; each case is also selectable with
// --benchmark_filter.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "app/startup.h"
#include "bench_fixtures.h"
#include "catalogue/price_list.h"
#include "handling/recalculate.h"
#include "report/configuration_text.h"
#include "report/quotation_export.h"
#include "scenario/scenario_runner.h"

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

void BM_Session(benchmark::State& state) {
    const std::string script = SessionScript();
    const auto folder = std::filesystem::temp_directory_path();
    for (auto _ : state) {
        std::ostringstream out;
        ScenarioRunner runner(out, folder);
        RegisterAllCommands(runner);
        std::istringstream in(script);
        if (runner.Run(in) != 0) {
            state.SkipWithError(("the session script failed:\n" + out.str()).c_str());
            break;
        }
    }
}
BENCHMARK(BM_Session)->Unit(benchmark::kMillisecond);

void BM_ConfigurationText(benchmark::State& state) {
    StartedApp started;
    MakeFullConfiguration(started.app);
    for (auto _ : state) {
        const ConfigurationInputs in = ReadConfiguration(started.app);
        benchmark::DoNotOptimize(ConfigurationScreenText(in));
        benchmark::DoNotOptimize(ConfigurationSheetLines(in));
    }
}
BENCHMARK(BM_ConfigurationText)->Unit(benchmark::kMicrosecond);

void BM_Export_Full(benchmark::State& state) {
    StartedApp started;
    MakeFullConfiguration(started.app, 200);
    const auto path = std::filesystem::temp_directory_path() / "veltra-bench-quotation.xlsx";
    for (auto _ : state) {
        if (!ExportQuotationTo(started.app, path)) {
            state.SkipWithError("the workbook could not be written");
            break;
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_Export_Full)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veltra::bench
