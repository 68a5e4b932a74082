#include "proposal_amounts.h"

#include <cmath>
#include <cstdint>

#include "quotation.h"
#include "state/app.h"

namespace veltra {

namespace {

__extension__ typedef __int128 Wide;
constexpr int64_t kRawPerKopeck = Money::kScale / 100;

Wide Multiply(Wide a, Wide b) {
    Wide r;
    if (__builtin_mul_overflow(a, b, &r)) throw OverflowError();
    return r;
}

// numerator / denominator kopecks (denominator positive), rounded halves
// away from zero.
Money Kopecks(Wide numerator, Wide denominator) {
    Wide q = numerator / denominator;
    const Wide r = numerator % denominator;
    if (2 * (r < 0 ? -r : r) >= denominator) q += numerator < 0 ? -1 : 1;
    const Wide raw = Multiply(q, kRawPerKopeck);
    if (raw > INT64_MAX || raw < INT64_MIN) throw OverflowError();
    return Money::FromRaw(int64_t(raw));
}

template <class Quantity>
ProposalTable Table(const App& app, double k, Quantity quantity) {
    ProposalTable table;
    for (int i = 0; i < int(app.catalogue.size()); ++i) {
        const CatalogueItem& item = app.catalogue[size_t(i)];
        const Count qty = quantity(item);
        if (qty < 1) continue;
        ProposalLine line;
        line.item = i;
        line.quantity = qty;
        line.unitPrice = ConvertToCurrency(WorkbookUnitPrice(item.ItemPrice, k), app.proposal);
        line.sum = line.unitPrice * qty;
        table.total += line.sum;
        table.lines.push_back(line);
    }
    return table;
}

}  // namespace

Money WorkbookUnitPrice(Money price, double k) {
    const double cents = DiscountPrice(price, k) * 100;
    // Beyond this a price has no exact cents in a double, and no Money.
    if (!(std::fabs(cents) < 9e15)) throw OverflowError();
    return Money::FromRaw(int64_t(std::llround(cents)) * kRawPerKopeck);
}

Money RoundToKopecks(Money amount) {
    return Kopecks(amount.raw(), kRawPerKopeck);
}

Money ConvertToCurrency(Money usd, const ProposalDetails& details) {
    if (details.currency == ProposalCurrency::USD) return usd;
    // usd × rate × (1 + markup / 100), each a Money of 10^-4 units; the
    // product of the three in kopecks is over 10^4 · 10^4 · 10^6 / 100.
    const Wide markup = Wide(100) * Money::kScale + details.rateMarkupPercent.raw();
    const Wide numerator = Multiply(Multiply(usd.raw(), details.rate.raw()), markup);
    const Wide denominator = Wide(Money::kScale) * Money::kScale * 100 * Money::kScale / 100;
    return Kopecks(numerator, denominator);
}

Money VatIncluded(Money total, int ratePercent) {
    if (ratePercent <= 0) return Money();
    return Kopecks(Multiply(total.raw(), ratePercent), Wide(100 + ratePercent) * kRawPerKopeck);
}

Money VatOnTop(Money total, int ratePercent) {
    if (ratePercent <= 0) return Money();
    return Kopecks(Multiply(total.raw(), ratePercent), Wide(100) * kRawPerKopeck);
}

ProposalAmounts ComputeProposalAmounts(const App& app) {
    ProposalAmounts a;
    const double k = app.state.config.QuotationDiscountPercent / 100;
    a.calculated = Table(app, k, [](const CatalogueItem& item) { return item.ItemCalcQty; });
    // The workbook writes its second table only when the hand-added items cost something.
    a.hasAddedTable = app.state.results.AddTotal > Money();
    if (a.hasAddedTable)
        a.added = Table(app, k, [](const CatalogueItem& item) { return item.ItemAddQty; });
    a.total = a.calculated.total + a.added.total;
    switch (app.proposal.vatMode) {
        case VatMode::Included:
            a.vat = VatIncluded(a.total, app.proposal.vatRate);
            a.grandTotal = a.total;
            break;
        case VatMode::OnTop:
            a.vat = VatOnTop(a.total, app.proposal.vatRate);
            a.grandTotal = a.total + a.vat;
            break;
        case VatMode::None:
            a.grandTotal = a.total;
            break;
    }
    return a;
}

std::string AmountText(Money amount) {
    const int64_t raw = RoundToKopecks(amount).raw();
    const uint64_t magnitude = raw < 0 ? 0 - uint64_t(raw) : uint64_t(raw);
    const uint64_t kopecks = magnitude / uint64_t(kRawPerKopeck);
    const std::string digits = std::to_string(kopecks / 100);
    std::string whole;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) whole += ' ';
        whole += digits[i];
    }
    const int fraction = int(kopecks % 100);
    return (raw < 0 ? "-" : "") + whole + "," + char('0' + fraction / 10) +
           char('0' + fraction % 10);
}

}  // namespace veltra
