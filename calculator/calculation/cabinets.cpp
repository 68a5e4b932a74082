#include "calculate.h"
#include "catalogue/capacity.h"

namespace veltra {

void SetCabinetItems(const Calculation& c, Count cabinets) {
    c.SetItemQty("BDV 113 08", cabinets);
    c.SetItemQty("SXK 106 4147/2", cabinets);
    c.SetItemQty("SXA 112 4404/1", cabinets);
    c.SetItemQty("591685/2", cabinets - 1);
    c.SetItemQty("NTM 144 60", cabinets - 1);
}

void CalculateCabinets(const Calculation& c) {
    const Count boards = CountBoards(c.limits, c.config, c.inputs.mfu);
    // A cabinet holds 9 boards; totals outside 1..27 leave everything as it is.
    if (boards < 1 || boards > 27) return;
    const Count cabinets = (int(boards) + 8) / 9;
    c.derived.CabinetCount = cabinets;
    SetCabinetItems(c, cabinets);
}

}  // namespace veltra
