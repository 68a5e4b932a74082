#pragma once
// The calculation: turns the configuration and the window's inputs into the
// calculated quantities, the derived values and the results to show. It reads
// no window and writes none, so nothing runs from inside it; the presenting
// step shows what it found.

#include <array>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/config_state.h"
#include "catalogue/platform.h"
#include "results.h"

namespace veltra {

// What one calculation reads, and what it writes besides its results.
struct Calculation {
    Catalogue& catalogue;  // its calculated quantities are set
    Platform& platform;    // told of a code the price list lacks
    const SystemLimits& limits;
    const Configuration& config;
    const CalculationInputs& inputs;
    DerivedValues& derived;

    void SetItemQty(std::string_view code, Count qty) const {
        veltra::SetItemQty(catalogue, platform, code, qty);
    }
};

// The six steps below, in this order. An overflow stops it: `results` then
// holds the parts done so far.
void Calculate(const Calculation& c, CalculationResults& results);

void CalculateFrame(const Calculation& c);
void CalculateCabinets(const Calculation& c);
void CalculatePower(const Calculation& c, CalculationResults& results);
void CalculateIpUnit(const Calculation& c, CalculationResults& results);
void CalculateNetworkingLevel(const Calculation& c, CalculationResults& results);
void CalculateTotals(const Calculation& c, CalculationResults& results);

// Cable count to the distribution frame and the 10-cable modules it needs.
Count FrameCableCount(const Configuration& c, bool mfu);
Count FrameModulesFor(Count cables);

// Sets the five cabinet items for `cabinets` cabinets.
void SetCabinetItems(const Calculation& c, Count cabinets);

// Networking software: level L is package "KDUBS 130 12/L"; the captions are
// the networking dialog's options, level 0 being "Нет".
inline constexpr int kFecuLevels = 10;
extern const std::array<const char*, kFecuLevels + 1> kFecuLevelCaptions;
const std::string& FecuPackageCode(int level);  // level 0..kFecuLevels
// The level the configuration needs: 4 with an IP unit, 1 with BRI boards,
// base stations, E1 PRI links or the multi-function board, else 0.
Count RequiredNetworkingLevel(const Configuration& c, bool mfu);

}  // namespace veltra
