#pragma once
// The calculation as a document: the file it was opened from or saved to,
// and what it held then, so the window can tell whether anything changed.

#include <filesystem>
#include <string>
#include <vector>

namespace veltra {

struct Document {
    std::filesystem::path file;            // empty: an untitled calculation
    std::string savedContent;              // the calculation when last saved or opened
    std::string savedDate;                 // that file's date, kept while nothing changes
    std::vector<std::string> recentFiles;  // most recent first
    int opened = 0;                        // files opened this run: each starts a new undo history
};

inline constexpr size_t kRecentFileCount = 5;

}  // namespace veltra
