#pragma once
// Colours as the windows store them: 0x00BBGGRR.

#include <cstdint>
#include <cstdio>
#include <string>

namespace veltra {

using Colour = uint32_t;  // 0x00BBGGRR

constexpr Colour Rgb(int r, int g, int b) {
    return Colour(r) | Colour(g) << 8 | Colour(b) << 16;
}

// "RRGGBB", as tools print a colour.
inline std::string ColourHex(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", unsigned(colour & 0xFF),
                  unsigned(colour >> 8 & 0xFF), unsigned(colour >> 16 & 0xFF));
    return text;
}

// Mixes two colours component by component in the ratio wa : wb, rounding
// halves to even.
Colour BlendColour(Colour a, Colour b, int wa, int wb);

}  // namespace veltra
