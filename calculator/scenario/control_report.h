#pragma once
// How the dialog commands report a control that did not act.

#include <string>

#include "dialogs/board_dialog.h"
#include "scenario_runner.h"

namespace veltra {

// Prints `error LINE unknown name|hidden|disabled CONTROL`; nothing for Done.
void ReportControl(ScenarioRunner& r, ControlResult result, const std::string& control);

}  // namespace veltra
