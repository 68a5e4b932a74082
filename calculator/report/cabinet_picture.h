#pragma once
// The picture of the exchange on the reports page's "Конфигурация" sub-page:
// 27 slot shapes coloured by board kind, a fixed legend, and for each of the
// three cabinets its power supply with labels and the "no supply" and "no
// batteries" marks.

#include <array>
#include <string>
#include <vector>

#include "catalogue/count.h"
#include "catalogue/platform.h"

namespace veltra {

struct App;

inline constexpr int kCabinetSlots = 27;
inline constexpr double kSlotHeight = 1455;  // twips, a full-height board

struct SlotShapeState {
    bool opaque = false;  // false: transparent, the colour is left as it was
    Colour colour = 0;
    double height = kSlotHeight;  // twips
};

// One cabinet's power picture: PowerImage, PowIn, PowOut, PowType, NoPower
// and NoAkk of the same index.
struct CabinetPower {
    bool imageVisible = true;
    std::string PowIn = "=48 V";
    std::string PowOut = "=48 V";
    std::string PowType = "RES";
    bool noPowerVisible = false;
    bool noAkkVisible = false;
};

struct CabinetPicture {
    std::array<SlotShapeState, kCabinetSlots> Shape1;
    std::array<CabinetPower, 3> power;
};

struct CabinetLegendEntry {
    const char* caption;
    Colour colour;
};
// The design-time legend, in its order.
extern const std::array<CabinetLegendEntry, 10> kCabinetLegend;

// Shapes 1 to 26 transparent at full height; shape 0 is left alone.
void ClearSlots(CabinetPicture& picture);
// Paints count shapes from first at 1455 / divisor twips; returns the index
// after the last one painted (first when count is below 1).
Count PaintSlots(CabinetPicture& picture, Colour colour, Count first, Count count, Count divisor);
// The three supply pictures for the chosen or forced supply.
void ShowPower(App& app);
// ClearSlots, the fifteen board runs in their order, then ShowPower.
void ShowCabinet(App& app);
void ClearSlots(App& app);

// "-" for a transparent shape, else RRGGBB.
std::string ColourToken(const SlotShapeState& shape);
// Twips without trailing zeros: "1455", "727.5", "363.75".
std::string HeightText(double twips);
// `shape I | COLOUR | HEIGHT` and `power C | IN | OUT | TYPE | image ... |
// nopower ... | noakk ...` lines.
std::vector<std::string> PrintCabinet(const CabinetPicture& picture);

}  // namespace veltra
