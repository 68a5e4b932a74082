#pragma once
// The program's few command-line options: which price list to read, a
// calculation file to open, and the runs without a window that quote or
// describe one; and a usage text. The environment variable names a price
// list as well; the command line wins.

#include <optional>
#include <string>
#include <vector>

namespace veltra {

inline constexpr const char* kPriceListVariable = "VELTRA_PRICE_LIST";

// The runs over saved files that change none of them.
enum class FileTool { None, Compare, Reprice, ComparePriceLists };

struct CommandLine {
    std::optional<std::string> priceList;
    std::optional<std::string> calculation;  // a ".veltra" file to open
    std::optional<std::string> exportXlsx;   // its quotation's workbook, without a window
    std::optional<std::string> exportPdf;    // its commercial proposal, without a window
    bool printConfiguration = false;         // its configuration text, without a window
    std::optional<int> scale;                // the interface scale of this run, in percent
    FileTool tool = FileTool::None;
    std::vector<std::string> toolFiles;  // what it reads: two, or the files to reprice
    bool json = false;                   // --compare's machine-readable form
    bool help = false;
    std::string error;  // not empty: a bad command line, said in Russian

    bool withoutWindow() const {
        return exportXlsx || exportPdf || printConfiguration || tool != FileTool::None;
    }
};

// args without the program name; priceListVariable is the environment's
// value (nullptr or empty when not set). The Qt toolkit's own single-dash
// options (with the value of those that take one) are passed over; any
// other single-dash word, an unknown "--" option, and an option where an
// option's value should be are errors.
CommandLine ParseCommandLine(const std::vector<std::string>& args, const char* priceListVariable);

std::string UsageText(const std::string& program);

}  // namespace veltra
