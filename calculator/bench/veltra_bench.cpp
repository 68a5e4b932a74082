#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "calculation/recalculate.h"
#include "catalogue/price_list.h"
#include "catalogue/recording_platform.h"
#include "mainwindow/main_window_inputs.h"

namespace veltra {
namespace {

void LoadShippedPriceList(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LoadPriceList(VELTRA_PRICE_LIST, ','));
}
BENCHMARK(LoadShippedPriceList);

void LoadLargestPriceList(benchmark::State& state) {
    std::string text = "*Группа,,\r\n";
    for (int i = 1; i < kMaxCatalogueEntries; ++i)
        text += "Изделие " + std::to_string(i) + ",CODE " + std::to_string(i) + ",\"12,50\"\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(ParsePriceList(text, ',', "price.txt"));
}
BENCHMARK(LoadLargestPriceList)->Unit(benchmark::kMillisecond);

void RecalculateRichConfiguration(benchmark::State& state) {
    RecordingPlatform platform;
    App app(platform);
    StartUp(app, VELTRA_PRICE_LIST);
    SelectCombo1(app, 2);
    SetMFUCheck(app, true);
    app.state.DigitalExt32Boards = 4;
    app.state.AnalogExt16Boards = 3;
    app.state.E1Boards = 1;
    app.state.BaseStationCount = 10;
    app.state.IccuBoards = 1;
    app.state.IcluBoards = 1;
    for (auto _ : state) RecalculateAll(app);
}
BENCHMARK(RecalculateRichConfiguration);

}  // namespace
}  // namespace veltra
