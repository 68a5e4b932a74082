#include "placement.h"

#include <cmath>

namespace veltra {

int32_t TitleBarHeightTwips(int windowHeightPixels, int clientHeightPixels) {
    return int32_t(windowHeightPixels - clientHeightPixels) * kTwipsPerPixel;
}

TwipsPoint DialogBelowField(TwipsPoint window, int32_t titleBarHeight, const TwipsRect& page,
                            const TwipsRect& field) {
    return {window.left + page.left + field.left,
            window.top + float(titleBarHeight) + page.top + field.top + field.height};
}

TwipsPoint DialogAboveField(TwipsPoint window, int32_t titleBarHeight, const TwipsRect& page,
                            const TwipsRect& field, float dialogHeight) {
    return {window.left + page.left + field.left,
            window.top + float(titleBarHeight) + page.top + field.top - dialogHeight - 90.0f};
}

TwipsPoint CentreOnScreen(float screenWidth, float screenHeight, float boxWidth, float boxHeight) {
    return {screenWidth / 2 - boxWidth / 2, screenHeight / 2 - boxHeight / 2};
}

TwipsPoint CentreOver(const TwipsRect& owner, float boxWidth, float boxHeight) {
    return {owner.left + (owner.width - boxWidth) / 2, owner.top + (owner.height - boxHeight) / 2};
}

TwipsPoint TreeKeypadPosition(TwipsPoint window, int32_t titleBarHeight, const TwipsRect& page,
                              const TwipsRect& frame, const TwipsRect& tree, float selectNodeY) {
    const float rows = std::floor((selectNodeY - 1.0f) / 240.0f) + 1.0f;
    return {window.left + 600.0f,
            window.top + float(titleBarHeight) + page.top + frame.top + tree.top + rows * 240.0f};
}

TwipsPoint ListKeypadPosition(TwipsPoint window, int32_t titleBarHeight, const TwipsRect& page,
                              const TwipsRect& frame, const TwipsRect& list, float selectListY) {
    const float rows = std::floor((selectListY - 256.0f) / 209.0f) + 1.0f;
    return {window.left + page.left + frame.left + list.left + 120.0f,
            window.top + float(titleBarHeight) + page.top + frame.top + list.top + rows * 209.0f +
                220.0f};
}

TwipsPoint InputCalcPosition(const TwipsRect& box, const std::vector<TwipsRect>& containers,
                             TwipsPoint window, int32_t dx, int32_t dy) {
    float left = float(box.left), top = float(box.top);
    for (const TwipsRect& c : containers) {
        left += float(c.left);
        top += float(c.top);
    }
    return {left + window.left + float(dx), top + window.top + float(box.height) + float(dy)};
}

}  // namespace veltra
