#include "help_target.h"

namespace veltra {

namespace {

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string HelpTarget(const std::string& file, const std::string& window) {
    if (window.empty()) return file;
    return Trim(file) + ">" + Trim(window);
}

void ShowHelp(Platform& platform, const std::string& file, const std::string& window,
              std::optional<int> context) {
    platform.ShowHelp(HelpTarget(file, window), context);
}

}  // namespace veltra
