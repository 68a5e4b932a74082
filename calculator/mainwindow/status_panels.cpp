#include "status_panels.h"

#include <numeric>

#include "main_form_layout.h"

namespace veltra {

std::array<int, 6> StatusPanelPixels(int available) {
    std::array<int, 6> pixels{};
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = TwipsToPixels(float(kStatusPanelTwips[i]));
    const int total = std::accumulate(pixels.begin(), pixels.end(), 0);
    if (total <= available) return pixels;

    const int fixed = pixels[1] + pixels[2] + pixels[4];
    const int rest = available > fixed ? available - fixed : 0;
    const int textTwips = kStatusPanelTwips[0] + kStatusPanelTwips[3] + kStatusPanelTwips[5];
    pixels[0] = rest * kStatusPanelTwips[0] / textTwips;
    pixels[3] = rest * kStatusPanelTwips[3] / textTwips;
    pixels[5] = rest - pixels[0] - pixels[3];
    return pixels;
}

}  // namespace veltra
