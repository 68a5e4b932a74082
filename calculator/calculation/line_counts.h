#pragma once
// Line counts from board counts. The counts are pure functions of the
// configuration;
// the Update* functions, which only input handlers call, also write the count
// into its field on the main window, which may run that field's change
// handling. The calculation shows the counts with plain writes.

#include <string>

#include "state/app.h"

namespace veltra {

// `mfu`: the multi-function board is fitted (MFUCheck).
Count AnalogExtLines(const Configuration& c, bool mfu);
Count DigitalExtLines(const Configuration& c, bool mfu);
Count AnalogTrunkLines(const Configuration& c);
Count BriChannels(const Configuration& c, bool mfu);
// "16 (8 BRI)": what BRITrunkText shows for the channels.
std::string BriChannelsText(Count channels);
// The E1TrunkText caption for a board count: "0", or "2 (60)".
std::string E1TrunkText(Count boards);

inline Count AnalogExtLines(const App& app) {
    return AnalogExtLines(app.state.config, app.mfu());
}
inline Count DigitalExtLines(const App& app) {
    return DigitalExtLines(app.state.config, app.mfu());
}
Count CordlessLines(const App& app);
inline Count AnalogTrunkLines(const App& app) {
    return AnalogTrunkLines(app.state.config);
}
inline Count BriChannels(const App& app) {
    return BriChannels(app.state.config, app.mfu());
}

Count UpdateAnalogExtLines(App& app);
Count UpdateDigitalExtLines(App& app);
Count UpdateAnalogTrunkLines(App& app);
Count UpdateBriChannels(App& app);

}  // namespace veltra
