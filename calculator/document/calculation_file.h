#pragma once
// Opening and saving a calculation file, with what the user is told.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "saved_calculation.h"

namespace veltra {

// A calculation file is far smaller; anything larger is not one.
inline constexpr size_t kMaxCalculationBytes = 4 * 1024 * 1024;

// An item whose code the list now gives another name.
struct RenamedItem {
    std::string code, savedName, name;
};

struct OpenOutcome {
    std::vector<SavedItem> missing;   // codes the current price list lacks, left out
    std::vector<SavedItem> unpriced;  // hand-added items the list now has no price for, left out
    std::vector<RenamedItem> renamed;
    int changedPrices = 0;  // items whose price is not the saved one
    // Both totals of the file's quantities: at the file's prices, and at
    // today's prices as the cost line shows them.
    Money totalBefore, totalNow;
};

// Applies a checked calculation: every input as saved, the hand-added
// quantities by item code, the power warning's shown-once flag; then the
// quantities the dialogs and inputs choose (SetChosenItems) and the
// calculation once. Shows nothing. When the totals overflow, everything is
// put back as it was and CalculationFileError says so.
OpenOutcome ApplyCalculation(App& app, const SavedCalculation& saved);

// "24 094,70": two decimals (or up to four), blanks between thousands.
std::string GroupedMoney(Money money, char decimalSeparator, int decimals = 2);
std::string MissingItemsMessage(const std::vector<SavedItem>& missing);
std::string UnpricedItemsMessage(const std::vector<SavedItem>& unpriced);
// The changed prices with both totals, as many decimals as tell them apart,
// and the items that have a new name under their code. Empty when neither.
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
// the calculation stays as it was. Then the missing items, the hand-added
// items left without a price and the changed prices and names are each told
// in one message. The file becomes the document's.
bool OpenCalculation(App& app, const std::filesystem::path& path);

// The file read and checked as OpenCalculation reads it, nothing applied;
// none, with the reason, when it cannot be.
std::optional<SavedCalculation> ReadCalculationFile(const std::filesystem::path& path,
                                                    const App& app, std::string& error);

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
