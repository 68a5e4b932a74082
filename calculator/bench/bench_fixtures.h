#pragma once
// Inputs the benchmarks share: a started application, the fullest
// configuration the limits allow, and a largest price list on disk.

#include <filesystem>
#include <memory>
#include <string>

#include "catalogue/recording_platform.h"
#include "state/app.h"

namespace veltra::bench {

struct StartedApp {
    StartedApp();
    RecordingPlatform platform;
    App app{platform};
};

// 27 boards, the multi-function board, every option group away from its
// default, base stations and handsets, hand-added items on `addedItems` entries.
void MakeFullConfiguration(App& app, int addedItems = 20);

// A user's session in the scenario language: a hundred field writes, every
// dialog opened, hovered and accepted, the keypads, a new calculation.
std::string SessionScript();

// A Windows-1251 list of 32 767 records: three group levels, quoted comma
// prices. Written once per process into the temporary folder.
const std::filesystem::path& LargestPriceListFile();

}  // namespace veltra::bench
