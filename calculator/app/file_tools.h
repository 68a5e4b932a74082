#pragma once
// The command-line runs over saved files that change none of them:
// --compare, --reprice and --compare-price-lists.

#include <filesystem>

#include "command_line.h"

namespace veltra {

// --compare and --compare-price-lists exit as diff does: 0 without a
// difference, 1 with one, 2 when a file cannot be read. --reprice: 0, or 1
// when some file could not be read (the others are still told).
int RunFileTool(const CommandLine& line, const std::filesystem::path& programFolder,
                char decimalSeparator);

}  // namespace veltra
