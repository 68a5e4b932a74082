#include "slot_picture.h"

#include <vector>

namespace veltra {

void PaintSlots(SlotPicture& picture, Count other, std::initializer_list<SlotRun> runs) {
    std::vector<SlotRun> remaining(runs);
    size_t run = 0;
    for (int s = 0; s < kSlotCount; ++s) {
        SlotShape& shape = picture.Shape2[size_t(s)];
        while (run < remaining.size() && remaining[run].boards <= 0) ++run;
        if (s + 1 <= other) {
            shape.solid = true;
            shape.fill = kOtherBoardColour;
        } else if (run < remaining.size()) {
            shape.solid = true;
            shape.fill = remaining[run].colour;
            remaining[run].boards -= 1;
        } else {
            shape.solid = false;
        }
    }
}

void LayOutSlots(SlotPicture& picture, int left, int top) {
    constexpr int kWidth = 150, kPitch = 170, kCabinetGap = 60;
    for (int s = 0; s < kSlotCount; ++s) {
        picture.Shape2[size_t(s)].box = {left + s * kPitch + s / 9 * kCabinetGap, top, kWidth,
                                         kSlotRowHeight};
    }
}

std::string SlotToken(const SlotShape& shape) {
    return shape.solid ? ColourHex(shape.fill) : "-";
}

}  // namespace veltra
