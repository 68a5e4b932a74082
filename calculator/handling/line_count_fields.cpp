#include "line_count_fields.h"

#include "main_window_inputs.h"

namespace veltra {

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
