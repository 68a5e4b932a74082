#pragma once
// A saved calculation under a price list, without opening it: the total it
// was saved with, the total the list gives its quantities, the items whose
// price moved and the codes the list lacks. What --reprice prints for a
// folder of open quotations.

#include <filesystem>
#include <string>
#include <vector>

#include "saved_calculation.h"

namespace veltra {

struct Repriced {
    std::string number;  // the proposal's, "" without one
    Money saved, now;    // both kinds of items
    int changedPrices = 0;
    std::vector<std::string> missingCodes;  // left out of `now`, as opening leaves them
};

// Each item at its code's first entry in `list`.
Repriced Reprice(const SavedCalculation& saved, const Catalogue& list);

// "Расчет.veltra: КП-2026-0042; было 24 094,70, по прайс-листу 25 310,20;
// цены изменились у 12 позиций; нет в прайс-листе: A, B".
std::string RepriceLine(const std::filesystem::path& file, const Repriced& repriced,
                        char decimalSeparator);
// "Итого по 100 расчетам: было …, по прайс-листу …, разница …".
std::string RepriceSumLine(const std::vector<Repriced>& all, char decimalSeparator);

}  // namespace veltra
