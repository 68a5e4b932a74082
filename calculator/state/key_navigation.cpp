#include "key_navigation.h"

#include <cstdlib>
#include <tuple>

namespace veltra {

namespace {

bool Overlap(int start1, int length1, int start2, int length2) {
    return start1 < start2 + length2 && start2 < start1 + length1;
}

}  // namespace

size_t ArrowTarget(const std::vector<TwipsRect>& boxes, const std::vector<bool>& usable,
                   size_t from, Arrow arrow) {
    if (from >= boxes.size()) return from;
    const TwipsRect& at = boxes[from];
    const bool across = arrow == Arrow::Left || arrow == Arrow::Right;
    const int sign = arrow == Arrow::Right || arrow == Arrow::Down ? 1 : -1;
    size_t best = from;
    std::tuple<bool, int, int> bestScore{};
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (i == from || i >= usable.size() || !usable[i]) continue;
        const TwipsRect& b = boxes[i];
        // Twice the distance of the centres, to stay in whole twips.
        const int dx = (2 * b.left + b.width) - (2 * at.left + at.width);
        const int dy = (2 * b.top + b.height) - (2 * at.top + at.height);
        const int ahead = sign * (across ? dx : dy);
        if (ahead <= 0) continue;
        const bool inLine = across ? Overlap(at.top, at.height, b.top, b.height)
                                   : Overlap(at.left, at.width, b.left, b.width);
        const std::tuple<bool, int, int> score{!inLine, ahead, std::abs(across ? dy : dx)};
        if (best == from || score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace veltra
