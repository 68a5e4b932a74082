#include "line_counts.h"

#include "main_window_inputs.h"

namespace veltra {

Count UpdateAnalogExtLines(App& app) {
    const ConfigState& s = app.state;
    const Count n = 16 * s.AnalogExt16Boards + 8 * s.AnalogExt8Boards + 4 * Count(app.mfu());
    ShowCount(app, FieldId::AnalogExtText, std::to_string(int(n)), n);
    return n;
}

Count UpdateDigitalExtLines(App& app) {
    const ConfigState& s = app.state;
    const Count n = 16 * s.DigitalExt16Boards + 8 * s.DigitalExt8Boards +
                    32 * s.DigitalExt32Boards + 8 * Count(app.mfu());
    ShowCount(app, FieldId::DigitalExtText, std::to_string(int(n)), n);
    return n;
}

Count CordlessLines(const App& app) {
    return app.state.HandsetCount;
}

Count UpdateAnalogTrunkLines(App& app) {
    const Count n = 8 * app.state.AnalogTrunkBoards;
    ShowCount(app, FieldId::AnTrunkText, std::to_string(int(n)), n);
    return n;
}

Count UpdateBriChannels(App& app) {
    const ConfigState& s = app.state;
    const Count n = 8 * s.Bri8Boards + 16 * s.Bri16Boards + 8 * Count(app.mfu());
    ShowCount(app, FieldId::BRITrunkText,
              std::to_string(int(n)) + " (" + std::to_string(int(n) / 2) + " BRI)", n);
    return n;
}

}  // namespace veltra
