#pragma once
// Line counts from board counts. The Update* functions also write their field
// on the main window, which may run that field's change handling.

#include "state/app.h"

namespace veltra {

Count UpdateAnalogExtLines(App& app);
Count UpdateDigitalExtLines(App& app);
Count CordlessLines(const App& app);
Count UpdateAnalogTrunkLines(App& app);
Count UpdateBriChannels(App& app);

}  // namespace veltra
