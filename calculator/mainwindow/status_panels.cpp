#include "status_panels.h"

#include <numeric>

#include "state/main_form_layout.h"

namespace veltra {

std::array<int, 6> StatusPanelPixels(int available, const std::array<int, 3>& needed) {
    std::array<int, 6> pixels{};
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = TwipsToPixels(float(kStatusPanelTwips[i]));
    if (std::accumulate(pixels.begin(), pixels.end(), 0) <= available) return pixels;

    constexpr size_t kText[3] = {0, 3, 5};
    const int fixed = pixels[1] + pixels[2] + pixels[4];
    const int rest = available > fixed ? available - fixed : 0;
    const int need = needed[0] + needed[1] + needed[2];
    if (need > rest) {
        for (size_t k = 0; k < 2; ++k) pixels[kText[k]] = need ? rest * needed[k] / need : 0;
    } else {
        const int spare = rest - need;
        const int design = kStatusPanelTwips[0] + kStatusPanelTwips[3] + kStatusPanelTwips[5];
        for (size_t k = 0; k < 2; ++k)
            pixels[kText[k]] = needed[k] + spare * kStatusPanelTwips[kText[k]] / design;
    }
    pixels[5] = rest - pixels[0] - pixels[3];
    return pixels;
}

}  // namespace veltra
