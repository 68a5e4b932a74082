#pragma once
// The program's few command-line options: which price list to read, and a
// usage text. The environment variable names a price list as well; the
// command line wins.

#include <optional>
#include <string>
#include <vector>

namespace veltra {

inline constexpr const char* kPriceListVariable = "VELTRA_PRICE_LIST";

struct CommandLine {
    std::optional<std::string> priceList;
    bool help = false;
    std::string error;  // not empty: a bad command line, said in Russian
};

// args without the program name; priceListVariable is the environment's
// value (nullptr or empty when not set). Single-dash words (and a value after
// one) are the Qt toolkit's options and are passed over.
CommandLine ParseCommandLine(const std::vector<std::string>& args, const char* priceListVariable);

std::string UsageText(const std::string& program);

}  // namespace veltra
