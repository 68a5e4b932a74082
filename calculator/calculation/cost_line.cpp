// Totals of the bill of materials, the cost line and the capacity summary.
#include "line_counts.h"
#include "recalculate.h"

namespace veltra {

void UpdateCostLine(App& app) {
    Money calc, added;
    for (const CatalogueItem& item : app.catalogue) {
        calc += item.ItemPrice * item.ItemCalcQty;
        added += item.ItemPrice * item.ItemAddQty;
    }
    app.state.CalcTotal = calc;
    app.state.AddTotal = added;
    app.main.status.costLine =
        "Стоимость:" + calc.InvariantText() + " /" + added.InvariantText() + " USD";

    const Count digital = UpdateDigitalExtLines(app);
    const Count analog = UpdateAnalogExtLines(app);
    const Count ext = digital + analog + CordlessLines(app);
    const Count bri = UpdateBriChannels(app);
    const Count analogTrunk = UpdateAnalogTrunkLines(app);
    const Count trunk = bri + analogTrunk + 30 * app.state.E1Boards;
    const Count all = ext + trunk;
    app.main.status.lineSummary = "P/T/E=" + std::to_string(int(all)) + "/" +
                                  std::to_string(int(trunk)) + "/" + std::to_string(int(ext));
}

}  // namespace veltra
