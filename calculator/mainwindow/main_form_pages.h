#pragma once
// Page switching of the main window's three tab strips.

#include "state/app.h"
#include "state/main_form_model.h"

namespace veltra {

// Shows the frame of the selected tab (1..7) and hides the others; the
// reports tab also refreshes the shown report.
void TabStrip1_Click(App& app, MainFormModel& form, int tab);
// Page 6: tab 2 shows the added items, refreshed from the catalogue.
void TabStrip2_Click(App& app, MainFormModel& form, int tab);
// Page 7: tab 1 the cabinet picture, tab 2 the configuration text.
void TabStrip3_Click(App& app, MainFormModel& form, int tab);

// Ctrl+Tab and Ctrl+PgDn (`forward`), Ctrl+Shift+Tab and Ctrl+PgUp: the
// next or previous page, around from the last to the first, as a click on
// its tab.
void StepPage(App& app, MainFormModel& form, bool forward);

}  // namespace veltra
