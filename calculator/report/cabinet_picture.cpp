#include "cabinet_picture.h"

#include <cstdio>

#include "app/app.h"

namespace veltra {

const std::array<CabinetLegendEntry, 10> kCabinetLegend = {{
    {"CPU-D4", 0x404040},
    {"ELU-A (16/8)", 0x00C000},
    {"ELU-D (32/16/8)", 0x00C0C0},
    {"MFU", 0xFF0000},
    {"BTU-A8", 0x8080FF},
    {"BTU-B (8/4)", 0x0040C0},
    {"BTU-D30", 0xFF8080},
    {"IC-CU", 0xFF80FF},
    {"IC-LU", 0xC000C0},
    {"IPU", 0xFFDDDD},
}};

void ClearSlots(CabinetPicture& picture) {
    for (int i = 1; i < kCabinetSlots; ++i) {
        SlotShapeState& shape = picture.Shape1[size_t(i)];
        shape.opaque = false;
        shape.height = kSlotHeight;
    }
}

Count PaintSlots(CabinetPicture& picture, Colour colour, Count first, Count count, Count divisor) {
    for (int k = 0; k < count; ++k) {
        const int index = first + k;
        // The dialogs keep every board within the 27 shapes; a state set
        // beyond them draws what fits.
        if (index < 0 || index >= kCabinetSlots) continue;
        SlotShapeState& shape = picture.Shape1[size_t(index)];
        shape.colour = colour;
        shape.opaque = true;
        shape.height = kSlotHeight / int(divisor);
    }
    return count < 1 ? first : first + count;
}

void ClearSlots(App& app) {
    ClearSlots(app.main.cabinet);
}

void ShowPower(App& app) {
    const MainWindowModel& w = app.main;
    const bool switched = app.state.PowerTypeForced || w.PowerStandard.IsSelected(1);
    const bool external = !switched && w.PowerStandard.IsSelected(2);
    const bool transformer = !switched && !external && w.PowerStandard.IsSelected(0);
    if (!switched && !external && !transformer) return;
    for (int c = 0; c < 3; ++c) {
        CabinetPower& p = app.main.cabinet.power[size_t(c)];
        const bool exists = c + 1 <= app.state.CabinetCount;
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
    const ConfigState& s = app.state;
    CabinetPicture& picture = app.main.cabinet;
    ClearSlots(picture);
    const struct {
        Count count;
        Colour colour;
        Count divisor;
    } runs[] = {
        {s.FixedBoards, 0x404040, 1},        {s.AnalogExt16Boards, 0x00C000, 1},
        {s.AnalogExt8Boards, 0x00C000, 2},   {s.DigitalExt32Boards, 0x00C0C0, 1},
        {s.DigitalExt16Boards, 0x00C0C0, 2}, {s.DigitalExt8Boards, 0x00C0C0, 4},
        {Count(app.mfu()), 0xFF0000, 1},     {s.AnalogTrunkBoards, 0x8080FF, 1},
        {s.Bri16Boards, 0x0040C0, 1},        {s.Bri8Boards, 0x0040C0, 2},
        {s.E1Boards, 0xFF8080, 1},           {s.Ipu8Present, 0xFFDDDD, 1},
        {s.Ipu4Present, 0xFFDDDD, 2},        {s.IccuBoards, 0xFF80FF, 1},
        {s.IcluBoards, 0xC000C0, 1},
    };
    Count next = 0;
    for (const auto& run : runs)
        next = PaintSlots(picture, run.colour, next, run.count, run.divisor);
    ShowPower(app);
}

std::string ColourToken(const SlotShapeState& shape) {
    return shape.opaque ? ColourHex(shape.colour) : "-";
}

std::string HeightText(double twips) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", twips);
    return text;
}

std::vector<std::string> PrintCabinet(const CabinetPicture& picture) {
    std::vector<std::string> lines;
    for (int i = 0; i < kCabinetSlots; ++i) {
        const SlotShapeState& shape = picture.Shape1[size_t(i)];
        lines.push_back("shape " + std::to_string(i) + " | " + ColourToken(shape) + " | " +
                        HeightText(shape.height));
    }
    auto shown = [](bool visible) { return visible ? "visible" : "hidden"; };
    for (int c = 0; c < 3; ++c) {
        const CabinetPower& p = picture.power[size_t(c)];
        lines.push_back("power " + std::to_string(c) + " | " + p.PowIn + " | " + p.PowOut + " | " +
                        p.PowType + " | image " + shown(p.imageVisible) + " | nopower " +
                        shown(p.noPowerVisible) + " | noakk " + shown(p.noAkkVisible));
    }
    return lines;
}

}  // namespace veltra
