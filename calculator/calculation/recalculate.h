#pragma once
// The full calculation: turns the configuration into calculated quantities,
// the cabinet count, the power estimate and the totals, then shows them. It
// only reads the inputs and writes no field through its change handling, so
// no handler, and no second calculation, runs from inside it.

#include <array>
#include <string>

#include "results.h"
#include "state/app.h"

namespace veltra {

// Calculates and presents; counted in app.calculations, never re-entered.
void RecalculateAll(App& app);

// The six steps, in the order RecalculateAll runs them.
void CalculateFrame(App& app);
void CalculateCabinets(App& app);
void CalculatePower(App& app, CalculationResults& results);
void CalculateIpUnit(App& app, CalculationResults& results);
void CalculateNetworkingLevel(App& app, CalculationResults& results);
void CalculateTotals(App& app, CalculationResults& results);

// Writes what the results say to the fields the program fills, the status bar
// and the overload warning; plain writes, no change handling.
void PresentResults(App& app, const CalculationResults& results);

// The totals, the cost line and the line counts on their own, as after a
// change of the added quantities.
void UpdateCostLine(App& app);

// Cable count to the distribution frame and the 10-cable modules it needs.
Count FrameCableCount(const App& app);
Count FrameModulesFor(Count cables);

// Sets the five cabinet items for c cabinets.
void SetCabinetItems(App& app, Count cabinets);

// Networking software: level L is package "KDUBS 130 12/L"; the captions are
// the networking dialog's options, level 0 being "Нет".
inline constexpr int kFecuLevels = 10;
extern const std::array<const char*, kFecuLevels + 1> kFecuLevelCaptions;
std::string FecuPackageCode(int level);
// The level the configuration needs: 4 with an IP unit, 1 with BRI boards,
// base stations, E1 PRI links or the multi-function board, else 0.
Count RequiredNetworkingLevel(const Configuration& c, bool mfu);

}  // namespace veltra
