#include "line_counts.h"

#include "catalogue/limits.h"
#include "main_window_inputs.h"

namespace veltra {

Count AnalogExtLines(const Configuration& c, bool mfu) {
    return 16 * c.AnalogExt16Boards + 8 * c.AnalogExt8Boards + 4 * Count(mfu);
}

Count DigitalExtLines(const Configuration& c, bool mfu) {
    return 16 * c.DigitalExt16Boards + 8 * c.DigitalExt8Boards + 32 * c.DigitalExt32Boards +
           8 * Count(mfu);
}

Count CordlessLines(const App& app) {
    return app.state.config.HandsetCount;
}

Count AnalogTrunkLines(const Configuration& c) {
    return 8 * c.AnalogTrunkBoards;
}

Count BriChannels(const Configuration& c, bool mfu) {
    return 8 * c.Bri8Boards + 16 * c.Bri16Boards + 8 * Count(mfu);
}

std::string BriChannelsText(Count channels) {
    return std::to_string(int(channels)) + " (" + std::to_string(int(channels) / 2) + " BRI)";
}

std::string E1TrunkText(Count boards) {
    if (boards < 1) return "0";
    return std::to_string(int(boards)) + " (" + std::to_string(kE1Channels * int(boards)) + ")";
}

Count UpdateAnalogExtLines(App& app) {
    const Count n = AnalogExtLines(app);
    ShowCount(app, FieldId::AnalogExtText, std::to_string(int(n)), n);
    return n;
}

Count UpdateDigitalExtLines(App& app) {
    const Count n = DigitalExtLines(app);
    ShowCount(app, FieldId::DigitalExtText, std::to_string(int(n)), n);
    return n;
}

Count UpdateAnalogTrunkLines(App& app) {
    const Count n = AnalogTrunkLines(app);
    ShowCount(app, FieldId::AnTrunkText, std::to_string(int(n)), n);
    return n;
}

Count UpdateBriChannels(App& app) {
    const Count n = BriChannels(app);
    ShowCount(app, FieldId::BRITrunkText, BriChannelsText(n), n);
    return n;
}

}  // namespace veltra
