// Saving and opening the rich configuration's calculation file: what the
// menu's "Сохранить расчет" and "Открыть расчет…" cost beyond the disk.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_fixtures.h"
#include "document/calculation_file.h"
#include "document/revisions.h"
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
    if (started.app.state.results.CalcTotal != rich.app.state.results.CalcTotal)
        state.SkipWithError("the opened calculation differs from the saved one");
}
BENCHMARK(BM_OpenCalculation)->Unit(benchmark::kMicrosecond);

// A file that went out fifty times: every revision a whole calculation.
std::string FiftyRevisions(App& app) {
    app.proposal.number = "КП-2026-0042";
    for (int n = 0; n < 50; ++n) {
        app.state.config.QuotationDiscountPercent = n;
        app.document.revisions.push_back({n + 1,
                                          RevisionNumber(app.proposal, n + 1),
                                          kDate,
                                          IssuedAs::Pdf,
                                          ProposalCurrency::USD,
                                          {},
                                          {},
                                          VatMode::Included,
                                          kDefaultVatRate,
                                          app.state.results.CalcTotal,
                                          {},
                                          app.state.results.CalcTotal,
                                          app.priceList,
                                          std::string(64, 'a'),
                                          FrozenCalculationText(TakeSnapshot(app, kDate))});
    }
    SavedCalculation saved = TakeSnapshot(app, kDate);
    saved.revisions = app.document.revisions;
    return CalculationText(saved);
}

void BM_SaveCalculation_50Revisions(benchmark::State& state) {
    StartedApp started;
    BuildRichConfiguration(started.app);
    const size_t bytes = FiftyRevisions(started.app).size();
    for (auto _ : state) {
        SavedCalculation saved = TakeSnapshot(started.app, kDate);
        saved.revisions = started.app.document.revisions;
        benchmark::DoNotOptimize(CalculationText(saved));
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_SaveCalculation_50Revisions)->Unit(benchmark::kMicrosecond);

void BM_OpenCalculation_50Revisions(benchmark::State& state) {
    StartedApp rich;
    BuildRichConfiguration(rich.app);
    const std::string text = FiftyRevisions(rich.app);
    StartedApp started;
    for (auto _ : state) {
        const SavedCalculation saved = ReadCalculation(text, started.app);
        benchmark::DoNotOptimize(ApplyCalculation(started.app, saved));
        if (saved.revisions.size() != 50) state.SkipWithError("the revisions were not read");
    }
}
BENCHMARK(BM_OpenCalculation_50Revisions)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veltra::bench
