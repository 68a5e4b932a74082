#pragma once
// The picture of the exchange on the reports page's "Конфигурация" sub-page:
// 27 slot shapes coloured by board kind, a fixed legend, and for each of the
// three cabinets its power supply with labels and the "no supply" and "no
// batteries" marks.

#include <array>
#include <string>
#include <vector>

#include "slot_picture.h"

namespace veltra {

// One cabinet's power picture: PowerImage, PowIn, PowOut, PowType, NoPower
// and NoAkk of the same index.
struct CabinetPower {
    bool imageVisible = true;
    std::string PowIn = "=48 V";
    std::string PowOut = "=48 V";
    std::string PowType = "RES";
    bool noPowerVisible = false;
    bool noAkkVisible = false;
    friend bool operator==(const CabinetPower&, const CabinetPower&) = default;
};

struct CabinetPicture {
    SlotShapes Shape1;
    std::array<CabinetPower, 3> power;
    friend bool operator==(const CabinetPicture&, const CabinetPicture&) = default;
};

struct CabinetLegendEntry {
    const char* caption;
    Colour colour;
};
// The design-time legend, in its order.
extern const std::array<CabinetLegendEntry, 10> kCabinetLegend;

// Twips without trailing zeros: "1455", "727.5", "363.75".
std::string HeightText(double twips);
// `shape I | COLOUR | HEIGHT` and `power C | IN | OUT | TYPE | image ... |
// nopower ... | noakk ...` lines.
std::vector<std::string> PrintCabinet(const CabinetPicture& picture);

}  // namespace veltra
