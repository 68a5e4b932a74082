// IP unit items and the networking software package.
#include "recalculate.h"

namespace veltra {

const std::array<const char*, kFecuLevels + 1> kFecuLevelCaptions = {
    "Нет",
    "V5 Basic Full networking for max 2 int",
    "Standard Networking for max. 32 interfaces",
    "Standard Networking unlimited",
    "Full Networking for max. 32 interfaces",
    "Full Networking unlimited",
    "CTI + Full Networking max.4 interfaces",
    "Standard Networking for max 32 int + CTI",
    "Standard Networking unlimitedt + CTI",
    "Full Networking for max 32 int + CTI",
    "Full Networking unlimitedt + CTI",
};

std::string FecuPackageCode(int level) {
    return "KDUBS 130 12/" + std::to_string(level);
}

void CalculateIpUnit(App& app, CalculationResults& results) {
    const ConfigState& s = app.state;
    results.unitsDone = true;
    results.ipuPresent = s.config.Ipu4Present + s.config.Ipu8Present >= 1;
    if (!results.ipuPresent) {
        results.ipuChannels = 0;
        app.SetItemQty("TSRBS 902 0007/1", 0);
        app.SetItemQty("ROA 219 5114/1", 0);
        app.SetItemQty("LZYBS 203 13/4", 0);
        app.SetItemQty("LZYBS 203 13/8", 0);
        app.SetItemQty("ROF 157 5133/1", 0);
        return;
    }
    results.ipuChannels = 8 * s.config.Ipu8Present + 4 * s.config.Ipu4Present;
    app.SetItemQty("ROF 157 5133/1", 1);
    app.SetItemQty("TSRBS 902 0007/1", 1);
    app.SetItemQty("ROA 219 5114/1", 1);
    if (s.config.Ipu4Present < 1) {
        app.SetItemQty("LZYBS 203 13/4", 0);
        app.SetItemQty("LZYBS 203 13/8", 1);
    } else {
        app.SetItemQty("LZYBS 203 13/4", 1);
        app.SetItemQty("LZYBS 203 13/8", 0);
    }
}

Count RequiredNetworkingLevel(const Configuration& c, bool mfu) {
    if (c.Ipu4Present + c.Ipu8Present > 0) return 4;
    if (c.Bri16Boards > 0 || c.Bri8Boards >= 1 || c.BaseStationCount >= 1 || c.E1PriLinks >= 1 ||
        mfu)
        return 1;
    return 0;
}

void CalculateNetworkingLevel(App& app, CalculationResults& results) {
    ConfigState& s = app.state;
    s.results.FecuRequiredLevel = RequiredNetworkingLevel(s.config, app.mfu());

    for (int level = 1; level <= kFecuLevels; ++level) app.SetItemQty(FecuPackageCode(level), 0);
    if (s.results.FecuRequiredLevel > 0 || s.config.FecuChosenLevel >= 1) {
        const int level = std::max<int>(s.results.FecuRequiredLevel, s.config.FecuChosenLevel);
        if (level >= 1 && level <= kFecuLevels) app.SetItemQty(FecuPackageCode(level), 1);
    }
    const int shown = s.config.FecuChosenLevel < s.results.FecuRequiredLevel
                          ? s.results.FecuRequiredLevel
                          : s.config.FecuChosenLevel;
    if (shown >= 0 && shown <= kFecuLevels) results.fecuShown = shown;
}

}  // namespace veltra
