#include "slot_picture.h"

namespace veltra {

void ClearShapes(SlotShapes& shapes, int first) {
    for (int i = first; i < kSlotCount; ++i) {
        shapes[size_t(i)].opaque = false;
        shapes[size_t(i)].height = kSlotHeight;
    }
}

Count PaintSlots(SlotShapes& shapes, Colour colour, Count first, Count count, Count divisor) {
    for (int k = 0; k < count; ++k) {
        const int index = first + k;
        // The dialogs keep every board within the 27 shapes; a state set
        // beyond them draws what fits.
        if (index < 0 || index >= kSlotCount) continue;
        SlotShape& shape = shapes[size_t(index)];
        shape.colour = colour;
        shape.opaque = true;
        shape.height = kSlotHeight / int(divisor);
    }
    return count < 1 ? first : first + count;
}

std::string SlotToken(const SlotShape& shape) {
    return shape.opaque ? ColourHex(shape.colour) : "-";
}

void PaintSlotRuns(SlotPicture& picture, Count other, std::initializer_list<SlotRun> runs) {
    ClearShapes(picture.Shape2, 0);
    Count next = PaintSlots(picture.Shape2, kOtherBoardColour, 0, other);
    for (const SlotRun& run : runs) next = PaintSlots(picture.Shape2, run.colour, next, run.boards);
}

void LayOutSlots(SlotPicture& picture, int left, int top) {
    constexpr int kWidth = 150, kPitch = 170, kCabinetGap = 60;
    for (int s = 0; s < kSlotCount; ++s) {
        picture.boxes[size_t(s)] = {left + s * kPitch + s / 9 * kCabinetGap, top, kWidth,
                                    kSlotRowHeight};
    }
}

}  // namespace veltra
