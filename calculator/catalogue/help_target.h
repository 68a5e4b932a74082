#pragma once
// Help targets as the help viewer takes them: "file.chm::/topic.htm>window".

#include <optional>
#include <string>

#include "platform.h"

namespace veltra {

// The file, or "file>window" when a window is named.
std::string HelpTarget(const std::string& file, const std::string& window);
void ShowHelp(Platform& platform, const std::string& file, const std::string& window = "",
              std::optional<int> context = std::nullopt);

}  // namespace veltra
