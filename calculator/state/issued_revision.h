#pragma once
// A proposal document as it was issued: its number, when, in which currency
// and with which VAT, its totals, the price list and the document's
// checksum, and the calculation exactly as it was priced, kept as its own
// file text so that it never changes with the calculation on screen.

#include <string>

#include "catalogue/money.h"
#include "catalogue/price_list.h"
#include "proposal.h"

namespace veltra {

// A file keeps at most this many; the file's own size bound comes first.
inline constexpr int kMaxRevisions = 500;

enum class IssuedAs { Pdf, Print };

struct IssuedRevision {
    int counter = 1;     // 1, 2, …: the revision's place in the file
    std::string number;  // "КП-2026-0042/2"
    std::string issued;  // "2026-12-08T14:05:09", local time
    IssuedAs as = IssuedAs::Pdf;
    ProposalCurrency currency = ProposalCurrency::USD;
    Money rate;               // roubles per dollar for RUB
    Money rateMarkupPercent;  // over the rate
    VatMode vatMode = VatMode::Included;
    int vatRate = kDefaultVatRate;
    Money total, vat, grandTotal;  // "Итого", VAT, "Всего", in the document's currency
    PriceListFile priceList;
    std::string documentSha256;  // of the PDF written; empty for a print
    std::string calculation;     // the calculation's file text, one line, without revisions

    friend bool operator==(const IssuedRevision&, const IssuedRevision&) = default;
};

}  // namespace veltra
