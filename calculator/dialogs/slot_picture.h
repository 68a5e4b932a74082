#pragma once
// The 27 board slots (three cabinets of nine) shown as a row of shapes in every
// board dialog. Other boards take the leftmost slots, then the dialog's own.

#include <array>
#include <initializer_list>
#include <string>

#include "catalogue/count.h"
#include "dialog_controls.h"

namespace veltra {

inline constexpr int kSlotCount = 27;
inline constexpr Colour kOtherBoardColour = Rgb(64, 64, 64);
inline constexpr Colour kMfuColour = Rgb(0, 0, 255);

struct SlotShape {
    bool solid = false;  // false: transparent, the colour is left as it was
    Colour fill = 0;
    TwipsBox box;
};

struct SlotPicture {
    std::array<SlotShape, kSlotCount> Shape2;
};

// Boards of one colour to place after the other boards, in the order given.
struct SlotRun {
    Count boards;
    Colour colour;
};

// Paints `other` grey slots, then each run in order, then transparent slots;
// boards beyond the 27th slot are not drawn.
void PaintSlots(SlotPicture& picture, Count other, std::initializer_list<SlotRun> runs);

// Geometry shared by the dialogs: a row of 27 tall shapes, a small gap between
// cabinets.
void LayOutSlots(SlotPicture& picture, int left, int top);
inline constexpr int kSlotRowWidth = 4690;
inline constexpr int kSlotRowHeight = 480;

// "-" for a transparent slot, else the fill as RRGGBB.
std::string SlotToken(const SlotShape& shape);

}  // namespace veltra
