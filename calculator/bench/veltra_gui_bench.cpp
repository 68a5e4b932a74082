// Timings of the Qt views, run under the offscreen platform by bench/run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeView>
#include <memory>

#include "bench_fixtures.h"
#include "catalogue/price_list.h"
#include "mainwindow/main_form_pages.h"
#include "mainwindow/qt/catalogue_tree.h"
#include "mainwindow/qt/main_form.h"
#include "report/proposal_export.h"
#include "report/qt/proposal_output.h"
#include "tools/rich_configuration.h"
#include "tools/sample_proposal.h"

namespace veltra::bench {
namespace {

// The model over the catalogue, attached to a tree view that lays out its
// first rows; texts and images are made for shown rows only.
void BM_CatalogueTree_32767(benchmark::State& state) {
    Catalogue catalogue = LoadPriceList(LargestPriceListFile(), ',');
    BuildParentKeys(catalogue);
    QTreeView tree;
    tree.resize(300, 400);
    for (auto _ : state) {
        auto model = std::make_unique<CatalogueTreeModel>(catalogue);
        tree.setModel(model.get());
        benchmark::DoNotOptimize(tree.indexAt(QPoint(5, 5)));
        state.PauseTiming();
        tree.setModel(nullptr);
        model.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CatalogueTree_32767)->Unit(benchmark::kMillisecond);

// From selecting the "Отчеты" page of a rich configuration (three cabinets,
// switched-mode power with batteries, cordless) to its painted picture: the
// selection writes the cabinet picture, the render and the paint draw it.
void BM_ReportsPage_FirstPaint(benchmark::State& state) {
    StartedApp started;
    MakeFullConfiguration(started.app);
    MainForm window(started.app);
    window.show();
    for (auto _ : state) {
        state.PauseTiming();
        TabStrip1_Click(started.app, started.app.form, 1);
        window.Render();
        window.grab();
        state.ResumeTiming();
        TabStrip1_Click(started.app, started.app.form, kTabCount);
        window.Render();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_ReportsPage_FirstPaint)->Unit(benchmark::kMillisecond);

// "Отчет в PDF…" on the rich configuration with every detail and the cabinet
// page: the document built, laid out, painted into a PDF with its fonts and
// written as a file.
void BM_ExportProposal(benchmark::State& state) {
    StartedApp started;
    BuildRichConfiguration(started.app);
    SetSampleProposal(started.app);
    started.app.proposal.cabinetPage = true;
    const auto path = std::filesystem::temp_directory_path() / "veltra-bench-proposal.pdf";
    for (auto _ : state) {
        if (!ExportProposalTo(started.app, path, RenderProposalPdf)) {
            state.SkipWithError("the proposal could not be written");
            break;
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportProposal)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veltra::bench

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
