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
    results.ipuPresent = s.Ipu4Present + s.Ipu8Present >= 1;
    if (!results.ipuPresent) {
        results.ipuChannels = 0;
        app.SetItemQty("TSRBS 902 0007/1", 0);
        app.SetItemQty("ROA 219 5114/1", 0);
        app.SetItemQty("LZYBS 203 13/4", 0);
        app.SetItemQty("LZYBS 203 13/8", 0);
        app.SetItemQty("ROF 157 5133/1", 0);
        return;
    }
    results.ipuChannels = 8 * s.Ipu8Present + 4 * s.Ipu4Present;
    app.SetItemQty("ROF 157 5133/1", 1);
    app.SetItemQty("TSRBS 902 0007/1", 1);
    app.SetItemQty("ROA 219 5114/1", 1);
    if (s.Ipu4Present < 1) {
        app.SetItemQty("LZYBS 203 13/4", 0);
        app.SetItemQty("LZYBS 203 13/8", 1);
    } else {
        app.SetItemQty("LZYBS 203 13/4", 1);
        app.SetItemQty("LZYBS 203 13/8", 0);
    }
}

Count RequiredNetworkingLevel(const ConfigState& s, bool mfu) {
    if (s.Ipu4Present + s.Ipu8Present > 0) return 4;
    if (s.Bri16Boards > 0 || s.Bri8Boards >= 1 || s.BaseStationCount >= 1 || s.E1PriLinks >= 1 ||
        mfu)
        return 1;
    return 0;
}

void CalculateNetworkingLevel(App& app, CalculationResults& results) {
    ConfigState& s = app.state;
    s.FecuRequiredLevel = RequiredNetworkingLevel(s, app.mfu());

    for (int level = 1; level <= kFecuLevels; ++level) app.SetItemQty(FecuPackageCode(level), 0);
    if (s.FecuRequiredLevel > 0 || s.FecuChosenLevel >= 1) {
        const int level = std::max<int>(s.FecuRequiredLevel, s.FecuChosenLevel);
        if (level >= 1 && level <= kFecuLevels) app.SetItemQty(FecuPackageCode(level), 1);
    }
    const int shown =
        s.FecuChosenLevel < s.FecuRequiredLevel ? s.FecuRequiredLevel : s.FecuChosenLevel;
    if (shown >= 0 && shown <= kFecuLevels) results.fecuShown = shown;
}

}  // namespace veltra
