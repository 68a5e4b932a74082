#pragma once
// The reports page's drawing steps that a new calculation runs.

#include "app/app.h"

namespace veltra {

// Resets the slot shapes of the cabinet picture.
void ClearSlots(App& app);
// Redraws the power part of the cabinet picture.
void ShowPower(App& app);
// Rewrites the configuration text of the reports page.
void ShowConfiguration(App& app);

}  // namespace veltra
