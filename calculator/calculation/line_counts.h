#pragma once
// Line counts from board counts. The counts are pure functions of the state;
// the Update* functions, which only input handlers call, also write the count
// into its field on the main window, which may run that field's change
// handling. The calculation shows the counts with plain writes.

#include <string>

#include "state/app.h"

namespace veltra {

// `mfu`: the multi-function board is fitted (MFUCheck).
Count AnalogExtLines(const ConfigState& s, bool mfu);
Count DigitalExtLines(const ConfigState& s, bool mfu);
Count AnalogTrunkLines(const ConfigState& s);
Count BriChannels(const ConfigState& s, bool mfu);
// "16 (8 BRI)": what BRITrunkText shows for the channels.
std::string BriChannelsText(Count channels);
// The E1TrunkText caption for a board count: "0", or "2 (60)".
std::string E1TrunkText(Count boards);

inline Count AnalogExtLines(const App& app) {
    return AnalogExtLines(app.state, app.mfu());
}
inline Count DigitalExtLines(const App& app) {
    return DigitalExtLines(app.state, app.mfu());
}
Count CordlessLines(const App& app);
inline Count AnalogTrunkLines(const App& app) {
    return AnalogTrunkLines(app.state);
}
inline Count BriChannels(const App& app) {
    return BriChannels(app.state, app.mfu());
}

Count UpdateAnalogExtLines(App& app);
Count UpdateDigitalExtLines(App& app);
Count UpdateAnalogTrunkLines(App& app);
Count UpdateBriChannels(App& app);

}  // namespace veltra
