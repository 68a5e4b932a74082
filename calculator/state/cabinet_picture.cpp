#include "cabinet_picture.h"

#include <cstdio>

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

std::string HeightText(double twips) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", twips);
    return text;
}

std::vector<std::string> PrintCabinet(const CabinetPicture& picture) {
    std::vector<std::string> lines;
    for (int i = 0; i < kSlotCount; ++i) {
        const SlotShape& shape = picture.Shape1[size_t(i)];
        lines.push_back("shape " + std::to_string(i) + " | " + SlotToken(shape) + " | " +
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
