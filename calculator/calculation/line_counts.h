#pragma once
// Line counts from board counts. The counts are pure functions of the state;
// the Update* functions, which only the calculation and the dialogs' accepts
// call, also write the count into its field on the main window, which may run
// that field's change handling.

#include "state/app.h"

namespace veltra {

Count AnalogExtLines(const App& app);
Count DigitalExtLines(const App& app);
Count CordlessLines(const App& app);
Count AnalogTrunkLines(const App& app);
Count BriChannels(const App& app);

Count UpdateAnalogExtLines(App& app);
Count UpdateDigitalExtLines(App& app);
Count UpdateAnalogTrunkLines(App& app);
Count UpdateBriChannels(App& app);

}  // namespace veltra
