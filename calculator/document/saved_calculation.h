#pragma once
// A calculation as a ".veltra" file keeps it: everything the windows show
// that the user chose, with every quantity keyed by item code (price lists
// change; indexes would not survive a new one) and the prices and totals it
// was priced at, so that opening it under another list can say what changed.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "state/app.h"

namespace veltra {

inline constexpr const char* kCalculationExtension = ".veltra";
inline constexpr const char* kCalculationFormat = "veltra-calculation";
inline constexpr int kCalculationFormatVersion = 2;  // 2: the proposal's details

struct SavedItem {
    std::string code;
    std::string name;
    Money price;
    Count calculated = 0;
    Count added = 0;
};

struct SavedCalculation {
    std::string program;  // the version that wrote it
    std::string date;     // "2026-12-08T14:05:09", local time
    PriceListFile priceList;
    // Limits, derived values and the window's own values are not kept: the
    // program has its own, the calculation makes the rest again.
    Configuration config;
    // Only the inputs are kept: fields, check boxes, drop-downs, option
    // groups and their frames. The telephone fields' numbers are written
    // with a full stop (FieldTextForFile).
    MainWindowModel main;
    std::vector<SavedItem> items;  // catalogue order: those with a quantity
    Money calculatedTotal, addedTotal;
    ProposalDetails proposal;               // a version 1 file: none
    std::vector<IssuedRevision> revisions;  // only in the file's header
};

// A number typed into a telephone field is kept with a full stop whatever the
// decimal separator of the machine, so that a file shows the same counts
// everywhere; the field shows it with its own machine's separator.
std::string FieldTextForFile(const std::string& text, char decimalSeparator);
std::string FieldTextToShow(const std::string& text, char decimalSeparator);

class CalculationFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The calculation on screen, with the program version, date and price list
// given.
SavedCalculation TakeSnapshot(const App& app, const std::string& date);

// The file's UTF-8 JSON text. Without the header (program, date, price
// list, revisions) it is what the check for unsaved changes compares.
std::string CalculationText(const SavedCalculation& saved, bool withHeader = true);
// The header and calculation on one line, without revisions: what a
// revision keeps.
std::string FrozenCalculationText(const SavedCalculation& saved);

// Reads and checks a whole file's text before anything is applied: a
// damaged, truncated or foreign text, a newer format, a count outside what
// the dialogs allow under the limits of `app`, a text that is not a number
// where one is needed (a telephone field's with either separator), a choice
// the window never leaves (an option group with nothing selected), or items
// that contradict the rest of the file (CheckSavedItems) throws
// CalculationFileError saying what is wrong, quoting at most an excerpt.
// Revisions are read as the rest is, each one's calculation in full.
SavedCalculation ReadCalculation(std::string_view text, const App& app);

}  // namespace veltra
