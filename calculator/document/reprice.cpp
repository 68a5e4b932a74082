#include "reprice.h"

#include "calculation_file.h"
#include "catalogue/printable_text.h"

namespace veltra {

namespace {

std::string Signed(Money difference, char sep) {
    return (difference > Money() ? "+" : "") + GroupedMoney(difference, sep);
}

// "у 1 позиции", "у 12 позиций".
std::string AtPositions(int n) {
    return "у " + std::to_string(n) + (n % 10 == 1 && n % 100 != 11 ? " позиции" : " позиций");
}

}  // namespace

Repriced Reprice(const SavedCalculation& saved, const Catalogue& list) {
    Repriced r;
    r.number = saved.proposal.number;
    for (const SavedItem& item : saved.items) {
        const Count quantity = Count(int(item.calculated) + int(item.added));
        r.saved += item.price * quantity;
        const int entry = list.Find(item.code);
        if (entry < 0) {
            r.missingCodes.push_back(item.code);
            continue;
        }
        const Money price = list[size_t(entry)].ItemPrice;
        if (price != item.price) ++r.changedPrices;
        r.now += price * quantity;
    }
    return r;
}

std::string RepriceLine(const std::filesystem::path& file, const Repriced& r, char sep) {
    std::string line = PrintableText(file.filename().string()) + ": " +
                       (r.number.empty() ? "без номера" : Excerpt(r.number)) + "; было " +
                       GroupedMoney(r.saved, sep) + ", по прайс-листу " + GroupedMoney(r.now, sep) +
                       " (" + Signed(r.now - r.saved, sep) + ")";
    line +=
        r.changedPrices ? "; цены изменились " + AtPositions(r.changedPrices) : "; цены прежние";
    if (!r.missingCodes.empty()) {
        line += "; нет в прайс-листе:";
        for (size_t i = 0; i < r.missingCodes.size(); ++i)
            line += (i ? ", " : " ") + Excerpt(r.missingCodes[i]);
    }
    return line;
}

std::string RepriceSumLine(const std::vector<Repriced>& all, char sep) {
    Money saved, now;
    int changed = 0;
    for (const Repriced& r : all) {
        saved += r.saved;
        now += r.now;
        changed += r.changedPrices ? 1 : 0;
    }
    const size_t n = all.size();
    const char* calculations = n % 10 == 1 && n % 100 != 11 ? " расчету" : " расчетам";
    return "Итого по " + std::to_string(n) + calculations + ": было " + GroupedMoney(saved, sep) +
           ", по прайс-листу " + GroupedMoney(now, sep) + " (" + Signed(now - saved, sep) +
           "); расчетов с новыми ценами: " + std::to_string(changed);
}

}  // namespace veltra
