#include "catalogue/capacity.h"
#include "recalculate.h"

namespace veltra {

void SetCabinetItems(App& app, Count cabinets) {
    app.SetItemQty("BDV 113 08", cabinets);
    app.SetItemQty("SXK 106 4147/2", cabinets);
    app.SetItemQty("SXA 112 4404/1", cabinets);
    app.SetItemQty("591685/2", cabinets - 1);
    app.SetItemQty("NTM 144 60", cabinets - 1);
}

void CalculateCabinets(App& app) {
    const Count boards = CountBoards(app);
    // A cabinet holds 9 boards; totals outside 1..27 leave everything as it is.
    if (boards < 1 || boards > 27) return;
    const Count cabinets = (int(boards) + 8) / 9;
    app.state.results.CabinetCount = cabinets;
    SetCabinetItems(app, cabinets);
}

}  // namespace veltra
