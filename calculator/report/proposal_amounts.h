#pragma once
// The commercial proposal's amounts. Each unit price is the workbook's: the
// price after the discount, rounded as the price cell rounds it; for roubles
// it is then converted at rate × (1 + mark-up) and rounded to kopecks. A line
// is that price × quantity, a total the sum of its lines, and VAT is worked
// out once on the total. Every amount is whole kopecks or cents held exactly
// in Money; nothing is summed in floating point.

#include <string>
#include <vector>

#include "catalogue/count.h"
#include "catalogue/money.h"
#include "state/proposal.h"

namespace veltra {

struct App;

struct ProposalLine {
    int item = 0;  // catalogue index
    Count quantity;
    Money unitPrice;  // in the document's currency
    Money sum;        // unitPrice × quantity
};

struct ProposalTable {
    std::vector<ProposalLine> lines;
    Money total;
};

struct ProposalAmounts {
    ProposalTable calculated;  // the bill of materials
    ProposalTable added;       // the hand-added items; empty when the workbook has none
    bool hasAddedTable = false;
    Money total;       // "Итого": both tables
    Money vat;         // included in the total or added on top; 0 without VAT
    Money grandTotal;  // "Всего": what the customer pays
};

// The price cell's value for discount k (0.07 for 7 %), in whole cents.
Money WorkbookUnitPrice(Money price, double k);
// A dollar amount in the document's currency: itself for USD; for RUB times
// rate × (1 + mark-up / 100), rounded to kopecks.
Money ConvertToCurrency(Money usd, const ProposalDetails& details);
// VAT in a total that includes it, total × rate / (100 + rate); and VAT on
// top of a total, total × rate / 100; both rounded to kopecks.
Money VatIncluded(Money total, int ratePercent);
Money VatOnTop(Money total, int ratePercent);
// Amounts are rounded halves away from zero.
Money RoundToKopecks(Money amount);

// Both tables and the totals as the configuration and the details stand.
ProposalAmounts ComputeProposalAmounts(const App& app);

// "21 874,82": thousands set off by spaces, a comma, two decimals.
std::string AmountText(Money amount);

}  // namespace veltra
