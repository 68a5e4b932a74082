#pragma once
// The line counts of the application's configuration, and the input handlers'
// writes of them into their fields: such a write may run that field's change
// handling. The calculation shows the counts with plain writes instead.

#include "calculation/line_counts.h"
#include "state/app.h"

namespace veltra {

inline Count AnalogExtLines(const App& app) {
    return AnalogExtLines(app.state.config, app.mfu());
}
inline Count DigitalExtLines(const App& app) {
    return DigitalExtLines(app.state.config, app.mfu());
}
inline Count CordlessLines(const App& app) {
    return CordlessLines(app.state.config);
}
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
