#pragma once
// Where an arrow key moves the focus among controls laid out in twips, such
// as a dialog's grid of variant buttons or a keypad's keys: to the nearest
// usable control that way, one in the same row (Left, Right) or column (Up,
// Down) first.

#include <cstddef>
#include <vector>

#include "twips.h"

namespace veltra {

enum class Arrow { Left, Right, Up, Down };

// `from` itself when nothing usable lies that way.
size_t ArrowTarget(const std::vector<TwipsRect>& boxes, const std::vector<bool>& usable,
                   size_t from, Arrow arrow);

}  // namespace veltra
