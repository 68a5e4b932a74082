// Totals of the bill of materials and the line counts of the capacity summary.
#include "line_counts.h"
#include "recalculate.h"

namespace veltra {

void CalculateTotals(App& app, CalculationResults& results) {
    Money calc, added;
    for (const CatalogueItem& item : app.catalogue) {
        calc += item.ItemPrice * item.ItemCalcQty;
        added += item.ItemPrice * item.ItemAddQty;
    }
    app.state.results.CalcTotal = calc;
    app.state.results.AddTotal = added;
    results.calcTotal = calc;
    results.addTotal = added;

    results.digitalExt = DigitalExtLines(app);
    results.analogExt = AnalogExtLines(app);
    results.ext = results.digitalExt + results.analogExt + CordlessLines(app);
    results.briChannels = BriChannels(app);
    results.analogTrunk = AnalogTrunkLines(app);
    results.trunk = results.briChannels + results.analogTrunk + 30 * app.state.config.E1Boards;
    results.totalsDone = true;
}

}  // namespace veltra
