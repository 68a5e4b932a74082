#pragma once
// The 27 board slots (three cabinets of nine) as a row of shapes: in every
// board dialog and in the cabinet picture of the reports page. Boards are
// painted in runs, one colour each, from the leftmost free slot on.

#include <array>
#include <initializer_list>
#include <string>

#include "catalogue/colour.h"
#include "catalogue/count.h"
#include "twips.h"

namespace veltra {

inline constexpr int kSlotCount = 27;
inline constexpr double kSlotHeight = 1455;  // twips, a full-height board on the reports page

struct SlotShape {
    bool opaque = false;  // false: transparent, the colour is left as it was
    Colour colour = 0;
    double height = kSlotHeight;  // a half or quarter board is drawn lower
    friend bool operator==(const SlotShape&, const SlotShape&) = default;
};

using SlotShapes = std::array<SlotShape, kSlotCount>;

// Shapes from `first` on transparent at full height.
void ClearShapes(SlotShapes& shapes, int first);
// Paints `count` shapes from `first`, each 1/divisor of the full height;
// returns the index after the last one painted (`first` when count is below
// 1). Boards beyond the last shape are not drawn.
Count PaintSlots(SlotShapes& shapes, Colour colour, Count first, Count count, Count divisor = 1);

// "-" for a transparent shape, else the colour as RRGGBB.
std::string SlotToken(const SlotShape& shape);

// The dialogs' row: other boards grey, then the dialog's own runs.
inline constexpr Colour kOtherBoardColour = Rgb(64, 64, 64);
inline constexpr Colour kMfuColour = Rgb(0, 0, 255);

struct SlotPicture {
    SlotShapes Shape2;
    std::array<TwipsRect, kSlotCount> boxes;
};

// Boards of one colour to place after the other boards, in the order given.
struct SlotRun {
    Count boards;
    Colour colour;
};

// Paints `other` grey slots, then each run in order; the rest is transparent.
void PaintSlotRuns(SlotPicture& picture, Count other, std::initializer_list<SlotRun> runs);

// A row of 27 tall shapes with a small gap between cabinets.
void LayOutSlots(SlotPicture& picture, int left, int top);
inline constexpr int kSlotRowWidth = 4690;
inline constexpr int kSlotRowHeight = 480;

}  // namespace veltra
