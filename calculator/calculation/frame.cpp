// Distribution frame: cables from the boards, frame modules or boxes with their
// strips, and arrestors on the analog trunk lines.
#include "calculate.h"

namespace veltra {

Count FrameCableCount(const Configuration& c, bool mfu) {
    return c.AnalogExt8Boards + 2 * c.AnalogExt16Boards + c.DigitalExt8Boards +
           2 * c.DigitalExt16Boards + 4 * c.DigitalExt32Boards + 3 * Count(mfu) +
           c.AnalogTrunkBoards + c.Bri8Boards + 2 * c.Bri16Boards + c.E1Boards + c.IccuBoards +
           2 * c.IcluBoards;
}

Count FrameModulesFor(Count cables) {
    if (cables <= 0) return 0;
    if (cables <= 10) return 1;
    // The first decimal digit plus one: 20 cables take 3 modules, not 2.
    return Count(std::to_string(int(cables))[0] - '0') + 1;
}

void CalculateFrame(const Calculation& c) {
    const CalculationInputs& in = c.inputs;
    const Count cables = FrameCableCount(c.config, in.mfu);
    if (in.mdfOpenCable.IsSelected(0)) {
        c.SetItemQty("TSR 901 0472/3", cables);
        c.SetItemQty("TSR 901 0472/2", 0);
    } else {
        c.SetItemQty("TSR 901 0472/3", 0);
        c.SetItemQty("TSR 901 0472/2", cables);
    }

    const Count f = FrameModulesFor(cables);
    const Count modules = in.onlyStationMdf ? f : f * 2;
    if (in.mdfBox.IsSelected(0)) {
        c.SetItemQty("MDF_OPEN_10", modules);
        c.SetItemQty("MDF_BOX_10", 0);
        c.SetItemQty("MDF_PLINT_1", 10 * modules);
    } else if (in.mdfBox.IsSelected(1)) {
        c.SetItemQty("MDF_OPEN_10", 0);
        c.SetItemQty("MDF_BOX_10", modules);
        c.SetItemQty("MDF_PLINT_1", 10 * modules);
    } else {
        c.SetItemQty("MDF_OPEN_10", 0);
        c.SetItemQty("MDF_BOX_10", 0);
        c.SetItemQty("MDF_PLINT_1", 0);
    }

    if (in.arrestor.IsSelected(1)) {
        c.SetItemQty("MDF_CASSETE_1", c.config.AnalogTrunkBoards);
        c.SetItemQty("MDF_ARRESTORS", 8 * c.config.AnalogTrunkBoards);
    } else {
        c.SetItemQty("MDF_CASSETE_1", 0);
        c.SetItemQty("MDF_ARRESTORS", 0);
    }
}

}  // namespace veltra
