// IP unit items and the networking software package.
#include "calculate.h"

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

const std::string& FecuPackageCode(int level) {
    // Made once: every calculation sets all ten packages.
    static const std::array<std::string, kFecuLevels + 1> codes = [] {
        std::array<std::string, kFecuLevels + 1> made;
        for (int l = 0; l <= kFecuLevels; ++l)
            made[size_t(l)] = "KDUBS 130 12/" + std::to_string(l);
        return made;
    }();
    return codes.at(size_t(level));
}

void CalculateIpUnit(const Calculation& c, CalculationResults& results) {
    const Configuration& config = c.config;
    results.unitsDone = true;
    results.ipuPresent = config.Ipu4Present + config.Ipu8Present >= 1;
    if (!results.ipuPresent) {
        results.ipuChannels = 0;
        c.SetItemQty("TSRBS 902 0007/1", 0);
        c.SetItemQty("ROA 219 5114/1", 0);
        c.SetItemQty("LZYBS 203 13/4", 0);
        c.SetItemQty("LZYBS 203 13/8", 0);
        c.SetItemQty("ROF 157 5133/1", 0);
        return;
    }
    results.ipuChannels = 8 * config.Ipu8Present + 4 * config.Ipu4Present;
    c.SetItemQty("ROF 157 5133/1", 1);
    c.SetItemQty("TSRBS 902 0007/1", 1);
    c.SetItemQty("ROA 219 5114/1", 1);
    if (config.Ipu4Present < 1) {
        c.SetItemQty("LZYBS 203 13/4", 0);
        c.SetItemQty("LZYBS 203 13/8", 1);
    } else {
        c.SetItemQty("LZYBS 203 13/4", 1);
        c.SetItemQty("LZYBS 203 13/8", 0);
    }
}

Count RequiredNetworkingLevel(const Configuration& c, bool mfu) {
    if (c.Ipu4Present + c.Ipu8Present > 0) return 4;
    if (c.Bri16Boards > 0 || c.Bri8Boards >= 1 || c.BaseStationCount >= 1 || c.E1PriLinks >= 1 ||
        mfu)
        return 1;
    return 0;
}

void CalculateNetworkingLevel(const Calculation& c, CalculationResults& results) {
    const Count required = RequiredNetworkingLevel(c.config, c.inputs.mfu);
    const Count chosen = c.config.FecuChosenLevel;
    c.derived.FecuRequiredLevel = required;

    for (int level = 1; level <= kFecuLevels; ++level) c.SetItemQty(FecuPackageCode(level), 0);
    if (required > 0 || chosen >= 1) {
        const int level = std::max<int>(required, chosen);
        if (level >= 1 && level <= kFecuLevels) c.SetItemQty(FecuPackageCode(level), 1);
    }
    const int shown = chosen < required ? required : chosen;
    if (shown >= 0 && shown <= kFecuLevels) results.fecuShown = shown;
}

}  // namespace veltra
