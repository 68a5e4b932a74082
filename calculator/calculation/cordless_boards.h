#pragma once
// The control boards cordless base stations need: one IC-CU from the first
// station, one IC-LU for every further eight beyond four.

#include <optional>

#include "catalogue/count.h"

namespace veltra {

struct CordlessBoards {
    Count central;  // IC-CU
    Count line;     // IC-LU
    int stations() const { return 4 * central + 8 * line; }
};

// Row k of the base station dialog's board table: (0, 0), (1, 0), then (1, k - 1).
CordlessBoards BaseStationRow(int k);
// The boards that serve n base stations; n above 60 has no row.
std::optional<CordlessBoards> BoardsForStations(int n);

}  // namespace veltra
