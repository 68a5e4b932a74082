#pragma once

#include "state/app.h"

namespace veltra {

// Returns everything to the default configuration without reading the price
// list again.
void NewCalculation(App& app);

}  // namespace veltra
