#include "show_cabinet.h"

#include "state/app.h"

namespace veltra {

void ClearSlots(App& app) {
    ClearShapes(app.main.cabinet.Shape1, 1);
}

void ShowPower(App& app) {
    ShowPower(app, app.main.cabinet);
}

void ShowPower(const App& app, CabinetPicture& picture) {
    const MainWindowModel& w = app.main;
    const bool switched = app.state.results.PowerTypeForced || w.PowerStandard.IsSelected(1);
    const bool external = !switched && w.PowerStandard.IsSelected(2);
    const bool transformer = !switched && !external && w.PowerStandard.IsSelected(0);
    if (!switched && !external && !transformer) return;
    for (int c = 0; c < 3; ++c) {
        CabinetPower& p = picture.power[size_t(c)];
        const bool exists = c + 1 <= app.state.results.CabinetCount;
        p.imageVisible = exists;
        p.PowOut = exists ? (transformer ? "~36V" : "=48V") : "";
        if (external) {
            p.noPowerVisible = true;
            p.noAkkVisible = true;
            p.PowIn = "";
            continue;
        }
        p.noPowerVisible = !exists;
        p.PowIn = exists ? "~220V" : "";
        if (exists) p.PowType = switched ? "BML" : "RES";
        if (transformer) p.noAkkVisible = true;
        if (switched && exists) p.noAkkVisible = !w.PowerAcc.IsSelected(1);
    }
}

void ShowCabinet(App& app) {
    ShowCabinet(app, app.main.cabinet);
}

void ShowCabinet(const App& app, CabinetPicture& picture) {
    const ConfigState& s = app.state;
    ClearShapes(picture.Shape1, 1);
    const struct {
        Count count;
        Colour colour;
        Count divisor;
    } runs[] = {
        {s.limits.FixedBoards, 0x404040, 1},
        {s.config.AnalogExt16Boards, 0x00C000, 1},
        {s.config.AnalogExt8Boards, 0x00C000, 2},
        {s.config.DigitalExt32Boards, 0x00C0C0, 1},
        {s.config.DigitalExt16Boards, 0x00C0C0, 2},
        {s.config.DigitalExt8Boards, 0x00C0C0, 4},
        {Count(app.mfu()), 0xFF0000, 1},
        {s.config.AnalogTrunkBoards, 0x8080FF, 1},
        {s.config.Bri16Boards, 0x0040C0, 1},
        {s.config.Bri8Boards, 0x0040C0, 2},
        {s.config.E1Boards, 0xFF8080, 1},
        {s.config.Ipu8Present, 0xFFDDDD, 1},
        {s.config.Ipu4Present, 0xFFDDDD, 2},
        {s.config.IccuBoards, 0xFF80FF, 1},
        {s.config.IcluBoards, 0xC000C0, 1},
    };
    Count next = 0;
    for (const auto& run : runs)
        next = PaintSlots(picture.Shape1, run.colour, next, run.count, run.divisor);
    ShowPower(app, picture);
}

}  // namespace veltra
