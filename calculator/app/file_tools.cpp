#include "file_tools.h"

#include <cstdio>

#include "catalogue/price_list.h"
#include "catalogue/price_list_changes.h"
#include "catalogue/printable_text.h"
#include "console_platform.h"
#include "data_folders.h"
#include "document/calculation_file.h"
#include "document/comparison.h"
#include "document/reprice.h"
#include "startup.h"

namespace veltra {

namespace {

constexpr int kTrouble = 2;

void Say(const std::string& message) {
    std::fputs((TerminalText(message) + "\n").c_str(), stderr);
}

bool Print(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (std::fputs((TerminalText(line) + "\n").c_str(), stdout) < 0) return false;
    return std::fflush(stdout) == 0;
}

std::optional<Catalogue> ReadList(const std::filesystem::path& path, char separator) {
    try {
        return ReadPriceList(ReadPriceListBytes(path), separator, path.string());
    } catch (const PriceListError& error) {
        Say(error.what());
        return std::nullopt;
    }
}

int ComparePriceListFiles(const CommandLine& line, char separator) {
    const auto before = ReadList(line.toolFiles[0], separator);
    if (!before) return kTrouble;
    const auto after = ReadList(line.toolFiles[1], separator);
    if (!after) return kTrouble;
    const PriceListChanges changes = ComparePriceLists(*before, *after, separator);
    if (!Print(PriceListChangeLines(changes))) return kTrouble;
    return changes.empty() ? 0 : 1;
}

std::optional<SavedCalculation> ReadFile(const std::string& path, const App& app) {
    std::string error;
    auto saved = ReadCalculationFile(path, app, error);
    if (!saved) Say("Не удалось прочитать расчет «" + PrintableText(path) + "»: " + error + ".");
    return saved;
}

int CompareFiles(const CommandLine& line, const App& app) {
    const auto before = ReadFile(line.toolFiles[0], app);
    if (!before) return kTrouble;
    const auto after = ReadFile(line.toolFiles[1], app);
    if (!after) return kTrouble;
    const Comparison comparison =
        CompareCalculations(*before, *after, nullptr, app.decimalSeparator);
    const bool printed = line.json ? std::fputs(ComparisonJson(comparison).c_str(), stdout) >= 0 &&
                                         std::fflush(stdout) == 0
                                   : Print(ComparisonLines(comparison, app.decimalSeparator));
    if (!printed) return kTrouble;
    return comparison.empty() ? 0 : 1;
}

int RepriceFiles(const CommandLine& line, const App& app) {
    std::vector<Repriced> all;
    std::vector<std::string> lines;
    bool unread = false;
    for (const std::string& file : line.toolFiles) {
        const auto saved = ReadFile(file, app);
        if (!saved) {
            unread = true;
            continue;
        }
        all.push_back(Reprice(*saved, app.catalogue));
        lines.push_back(RepriceLine(file, all.back(), app.decimalSeparator));
    }
    lines.push_back(RepriceSumLine(all, app.decimalSeparator));
    if (!Print(lines)) return 1;
    return unread ? 1 : 0;
}

}  // namespace

int RunFileTool(const CommandLine& line, const std::filesystem::path& programFolder,
                char separator) {
    if (line.tool == FileTool::ComparePriceLists) return ComparePriceListFiles(line, separator);
    ConsolePlatform platform;
    App app(platform, separator);
    const auto folders = DataFolders(programFolder);
    std::optional<std::filesystem::path> priceList = FindDataFile(folders, "price.txt");
    if (line.priceList) priceList = *line.priceList;
    const int trouble = line.tool == FileTool::Compare ? kTrouble : 1;
    if (!priceList) {
        platform.ShowMessage(MissingPriceListMessage(folders), kAppTitle, MessageIcon::Critical);
        return trouble;
    }
    try {
        StartUp(app, *priceList);
    } catch (const PriceListError& error) {
        platform.ShowMessage(error.what(), kAppTitle, MessageIcon::Critical);
        return trouble;
    }
    return line.tool == FileTool::Compare ? CompareFiles(line, app) : RepriceFiles(line, app);
}

}  // namespace veltra
