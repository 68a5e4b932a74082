#pragma once
// The full calculation: turns the configuration into calculated quantities,
// the cabinet count, the power estimate and the status-bar lines. Every rule
// assigns, never adds, so it may run any number of times, nested included.

#include <array>
#include <string>

#include "state/app.h"

namespace veltra {

void RecalculateAll(App& app);

// The six steps, in the order RecalculateAll runs them.
void CalculateFrame(App& app);
void CalculateCabinets(App& app);
void CalculatePower(App& app);
void CalculateIpUnit(App& app);
void CalculateNetworkingLevel(App& app);
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
Count RequiredNetworkingLevel(const ConfigState& s, bool mfu);

}  // namespace veltra
