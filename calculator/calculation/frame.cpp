// Distribution frame: cables from the boards, frame modules or boxes with their
// strips, and arrestors on the analog trunk lines.
#include "recalculate.h"

namespace veltra {

Count FrameCableCount(const App& app) {
    const ConfigState& s = app.state;
    return s.config.AnalogExt8Boards + 2 * s.config.AnalogExt16Boards + s.config.DigitalExt8Boards +
           2 * s.config.DigitalExt16Boards + 4 * s.config.DigitalExt32Boards +
           3 * Count(app.mfu()) + s.config.AnalogTrunkBoards + s.config.Bri8Boards +
           2 * s.config.Bri16Boards + s.config.E1Boards + s.config.IccuBoards +
           2 * s.config.IcluBoards;
}

Count FrameModulesFor(Count cables) {
    if (cables <= 0) return 0;
    if (cables <= 10) return 1;
    // The first decimal digit plus one: 20 cables take 3 modules, not 2.
    return Count(std::to_string(int(cables))[0] - '0') + 1;
}

void CalculateFrame(App& app) {
    const MainWindowModel& w = app.main;
    const Count cables = FrameCableCount(app);
    if (w.MDFOpenCable.IsSelected(0)) {
        app.SetItemQty("TSR 901 0472/3", cables);
        app.SetItemQty("TSR 901 0472/2", 0);
    } else {
        app.SetItemQty("TSR 901 0472/3", 0);
        app.SetItemQty("TSR 901 0472/2", cables);
    }

    const Count f = FrameModulesFor(cables);
    const Count modules = w.OnlyStationMDFCheck.checked ? f : f * 2;
    if (w.MDFBox.IsSelected(0)) {
        app.SetItemQty("MDF_OPEN_10", modules);
        app.SetItemQty("MDF_BOX_10", 0);
        app.SetItemQty("MDF_PLINT_1", 10 * modules);
    } else if (w.MDFBox.IsSelected(1)) {
        app.SetItemQty("MDF_OPEN_10", 0);
        app.SetItemQty("MDF_BOX_10", modules);
        app.SetItemQty("MDF_PLINT_1", 10 * modules);
    } else {
        app.SetItemQty("MDF_OPEN_10", 0);
        app.SetItemQty("MDF_BOX_10", 0);
        app.SetItemQty("MDF_PLINT_1", 0);
    }

    if (w.Arrestor.IsSelected(1)) {
        app.SetItemQty("MDF_CASSETE_1", app.state.config.AnalogTrunkBoards);
        app.SetItemQty("MDF_ARRESTORS", 8 * app.state.config.AnalogTrunkBoards);
    } else {
        app.SetItemQty("MDF_CASSETE_1", 0);
        app.SetItemQty("MDF_ARRESTORS", 0);
    }
}

}  // namespace veltra
