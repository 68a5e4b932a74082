#pragma once
// The start-up steps that need no window: limits, the dialogs' highlight
// colour, the price list, the always-present items and the first calculation.

#include <filesystem>

#include "state/app.h"

namespace veltra {

// Throws PriceListError when the price list cannot be used (unreadable, not a
// price list, or prices too large to total); the caller reports
// it and ends the program, since nothing works without the catalogue.
void StartUp(App& app, const std::filesystem::path& priceList);

}  // namespace veltra
