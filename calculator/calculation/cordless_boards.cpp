#include "cordless_boards.h"

#include "catalogue/limits.h"

namespace veltra {

CordlessBoards BaseStationRow(int k) {
    if (k <= 0) return {0, 0};
    return {1, k - 1};
}

std::optional<CordlessBoards> BoardsForStations(int n) {
    if (n < 0 || n > kMaxBaseStations) return std::nullopt;
    if (n == 0) return CordlessBoards{0, 0};
    if (n <= 4) return CordlessBoards{1, 0};
    return CordlessBoards{1, (n - 4 + 7) / 8};
}

}  // namespace veltra
