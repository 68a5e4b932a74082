#include "calculate.h"

namespace veltra {

void Calculate(const Calculation& c, CalculationResults& results) {
    CalculateFrame(c);
    CalculateCabinets(c);
    CalculatePower(c, results);
    CalculateIpUnit(c, results);
    CalculateNetworkingLevel(c, results);
    CalculateTotals(c, results);
}

}  // namespace veltra
