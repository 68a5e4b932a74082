#pragma once
// Opening and saving a calculation file, with what the user is told.

#include <filesystem>
#include <string>
#include <vector>

#include "saved_calculation.h"

namespace veltra {

// A calculation file is far smaller; anything larger is not one.
inline constexpr size_t kMaxCalculationBytes = 4 * 1024 * 1024;

struct OpenOutcome {
    std::vector<SavedItem> missing;  // codes the current price list lacks, left out
    int changedPrices = 0;           // items whose price is not the saved one
    Money totalBefore, totalNow;     // the cost line's two totals together
};

// Applies a checked calculation: every input as saved, the quantities by
// item code, the power warning's shown-once flag; then the calculation once.
// Shows nothing. When the totals overflow, everything is put back as it was
// and CalculationFileError says so.
OpenOutcome ApplyCalculation(App& app, const SavedCalculation& saved);

// "24 094,70": two decimals, blanks between thousands.
std::string GroupedMoney(Money money, char decimalSeparator);
std::string MissingItemsMessage(const std::vector<SavedItem>& missing);
std::string PriceChangeMessage(const OpenOutcome& outcome, char decimalSeparator);

// The calculation on screen without the file's header: what "changed since
// the last save or open" compares.
std::string CurrentContent(const App& app);
// Only a calculation with a file has unsaved changes; an untitled one closes
// and resets without a question.
bool HasUnsavedChanges(const App& app);
// The file's name for the title and the question, "" while untitled.
std::string DocumentName(const App& app);

// The whole file read and checked before the calculation on screen is
// touched: a refusal is one message naming the file and what is wrong, and
// the calculation stays as it was. Then the missing items and the changed
// prices are each told in one message. The file becomes the document's.
bool OpenCalculation(App& app, const std::filesystem::path& path);

// Written beside the final name and moved into place when complete; a
// failure is one message with the path. The file becomes the document's.
// A calculation saved unchanged keeps the date it had, so saving what was
// opened gives the same bytes.
bool SaveCalculation(App& app, const std::filesystem::path& path);

// "2026-12-08T14:05:09", local time.
std::string LocalDateNow();

// Puts a file first among the recent ones, at most kRecentFileCount.
void RememberRecentFile(Document& document, const std::filesystem::path& path);

}  // namespace veltra
