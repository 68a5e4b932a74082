#include "format/skin_rules.h"

#include <cstdint>

namespace lumiq {

std::string SkinRuleBreak(std::size_t windowCount, std::string_view shownAs) {
    return windowCount == 0 ? std::string(shownAs) + " defines no window" : "";
}

std::string WindowRuleBreak(const WindowLayout& w, const BmpInfo* bitmap,
                            std::string_view shownName) {
    const std::string window = "window \"" + std::string(shownName) + "\"";
    if (w.width < 1 || w.height < 1) {
        return window + " has no size (" + std::to_string(w.width) + "x" +
               std::to_string(w.height) + ")";
    }
    if (w.transparentColour > 0xFFFFFFu) {
        return window + " has a transparent colour beyond 0xFFFFFF (" +
               std::to_string(w.transparentColour) + ")";
    }
    if (bitmap) {
        const std::int64_t bw = bitmap->width;
        const std::int64_t bh = bitmap->height < 0 ? -std::int64_t{bitmap->height} : bitmap->height;
        if (w.imageX + w.imageWidth > bw || w.imageY + w.imageHeight > bh) {
            return window + " has its image " + std::to_string(w.imageX) + "," +
                   std::to_string(w.imageY) + " " + std::to_string(w.imageWidth) + "x" +
                   std::to_string(w.imageHeight) + " outside its bitmap (" + std::to_string(bw) +
                   "x" + std::to_string(bh) + ")";
        }
    }
    return "";
}

}  // namespace lumiq
