#pragma once
// The calculation as a document: the file it was opened from or saved to,
// and what it held then, so the window can tell whether anything changed.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "issued_revision.h"

namespace veltra {

struct Document {
    std::filesystem::path file;             // empty: an untitled calculation
    std::string savedContent;               // the calculation when last saved or opened
    std::string savedDate;                  // that file's date, kept while nothing changes
    std::vector<std::string> recentFiles;   // most recent first
    std::vector<IssuedRevision> revisions;  // the proposal documents issued, oldest first
    size_t savedRevisions = 0;              // how many of them the file holds
    // A revision on screen as a read-only copy: its number (0: none) and the
    // file it came from; the copy itself has no file.
    int viewedRevision = 0;
    std::filesystem::path viewedFrom;
    // Meanwhile the catalogue holds its prices: the entries and their prices
    // in the price list, to put back when it goes.
    std::vector<std::pair<int, Money>> listPrices;
    int opened = 0;  // files opened this run: each starts a new undo history
};

inline constexpr size_t kRecentFileCount = 5;

}  // namespace veltra
