#pragma once
// The priced quotation sheet: the configuration lines, the discount cell "k",
// the calculated bill of materials with its total, and the hand-added items
// with theirs. Every price is a live formula on the discount.

#include <string>

#include "catalogue/catalogue.h"
#include "workbook.h"

namespace veltra {

struct App;

// "=ROUND(250*(1-k),0)": two digits up to 10, one up to 100, none above; the
// price always with a full stop, whatever the regional separator.
std::string DiscountPriceFormula(Money price);
// What that formula computes for the discount k (0.1 for 10 %).
double DiscountPrice(Money price, double k);
// The top-level group heading that contains entry i.
int TopGroupOf(const Catalogue& catalogue, int i);

// Lays the quotation out on a new sheet from the current configuration; the
// discount cell holds the "Прайс-лист" discount, else 0.
Sheet BuildQuotation(const App& app);

}  // namespace veltra
