// Saving and opening the rich configuration's calculation file: what the
// menu's "Сохранить расчет" and "Открыть расчет…" cost beyond the disk.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_fixtures.h"
#include "document/calculation_file.h"
#include "tools/rich_configuration.h"

namespace veltra::bench {
namespace {

constexpr const char* kDate = "2026-01-15T10:00:00";

void BM_SaveCalculation(benchmark::State& state) {
    StartedApp started;
    BuildRichConfiguration(started.app);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalculationText(TakeSnapshot(started.app, kDate)));
}
BENCHMARK(BM_SaveCalculation)->Unit(benchmark::kMicrosecond);

// The whole command: the unsaved-changes text, the file written beside its
// name, synced and moved into place (the sync is most of it).
void BM_SaveCalculation_File(benchmark::State& state) {
    StartedApp started;
    BuildRichConfiguration(started.app);
    const auto path = std::filesystem::temp_directory_path() / "veltra-bench.veltra";
    for (auto _ : state) {
        if (!SaveCalculation(started.app, path)) {
            state.SkipWithError("the calculation could not be saved");
            break;
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveCalculation_File)->Unit(benchmark::kMillisecond);

void BM_OpenCalculation(benchmark::State& state) {
    StartedApp rich;
    BuildRichConfiguration(rich.app);
    const std::string text = CalculationText(TakeSnapshot(rich.app, kDate));
    StartedApp started;
    for (auto _ : state) {
        const OpenOutcome outcome =
            ApplyCalculation(started.app, ReadCalculation(text, started.app));
        benchmark::DoNotOptimize(outcome);
    }
    if (started.app.state.CalcTotal != rich.app.state.CalcTotal)
        state.SkipWithError("the opened calculation differs from the saved one");
}
BENCHMARK(BM_OpenCalculation)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veltra::bench
