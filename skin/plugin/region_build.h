// Regions made of many rectangles, as a skin's outline gives them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "format/region_runs.h"

namespace lumiq {

// The union of the rectangles, built from small batches of rectangles in
// single calls and the batches then united pairwise, so the cost grows
// little faster than the number of rectangles. Batches stay small because a
// system may unite the rectangles of one call one at a time (Wine does).
// Null only when the system cannot make a region at all.
HRGN RegionFromRects(const std::vector<Rect>& rects, std::size_t batch = 16);

// The same union made one rectangle at a time: each union walks the whole
// region built so far. Kept as the reference the batched build must equal.
HRGN RegionFromRectsOneByOne(const std::vector<Rect>& rects);

}  // namespace lumiq
