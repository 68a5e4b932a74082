#pragma once
// Where the program finds its data files (the price list, the help files):
// beside itself first, as in a build or an unpacked folder, then in the data
// folder of an installation (bin/../share/veltra).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

std::vector<std::filesystem::path> DataFolders(const std::filesystem::path& programFolder);

// The first folder that holds a regular file of that name.
std::optional<std::filesystem::path> FindDataFile(const std::vector<std::filesystem::path>& folders,
                                                  const std::string& name);

// Said when no folder holds "price.txt"; names every folder searched.
std::string MissingPriceListMessage(const std::vector<std::filesystem::path>& folders);

}  // namespace veltra
