#include "recalculate.h"

namespace veltra {

void RecalculateAll(App& app) {
    CalculateFrame(app);
    CalculateCabinets(app);
    CalculatePower(app);
    CalculateIpUnit(app);
    CalculateNetworkingLevel(app);
    UpdateCostLine(app);
}

}  // namespace veltra
