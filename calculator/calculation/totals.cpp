// Totals of the bill of materials and the line counts of the capacity summary.
#include "calculate.h"
#include "line_counts.h"

namespace veltra {

void CalculateTotals(const Calculation& c, CalculationResults& results) {
    Money calc, added;
    for (const CatalogueItem& item : c.catalogue) {
        calc += item.ItemPrice * item.ItemCalcQty;
        added += item.ItemPrice * item.ItemAddQty;
    }
    c.derived.CalcTotal = calc;
    c.derived.AddTotal = added;
    results.calcTotal = calc;
    results.addTotal = added;

    const bool mfu = c.inputs.mfu;
    results.digitalExt = DigitalExtLines(c.config, mfu);
    results.analogExt = AnalogExtLines(c.config, mfu);
    results.ext = results.digitalExt + results.analogExt + CordlessLines(c.config);
    results.briChannels = BriChannels(c.config, mfu);
    results.analogTrunk = AnalogTrunkLines(c.config);
    results.trunk = results.briChannels + results.analogTrunk + 30 * c.config.E1Boards;
    results.totalsDone = true;
}

}  // namespace veltra
