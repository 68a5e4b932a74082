#include "saved_items.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "calculation/chosen_items.h"
#include "catalogue/printable_text.h"
#include "handling/recalculate.h"

namespace veltra {

namespace {

[[noreturn]] void Fail(const std::string& what) {
    throw CalculationFileError(what);
}

std::string ItemText(std::string_view code, std::string_view name) {
    return "позиция " + Excerpt(code) + " — " + Excerpt(name);
}

void CheckTotals(const SavedCalculation& saved) {
    Money calculated, added;
    try {
        for (const SavedItem& item : saved.items) {
            calculated += item.price * item.calculated;
            added += item.price * item.added;
        }
    } catch (const OverflowError&) {
        Fail("суммы его позиций не помещаются в денежный тип");
    }
    const auto check = [](const char* key, Money total, Money sum) {
        if (total != sum) {
            Fail(std::string("«totals.") + key + "» = " + total.RegionalText('.') +
                 " — не сумма его позиций (" + sum.RegionalText('.') + ")");
        }
    };
    check("calculated", saved.calculatedTotal, calculated);
    check("added", saved.addedTotal, added);
}

void CheckAddedQuantities(const SavedCalculation& saved, const Catalogue& catalogue) {
    const std::vector<int> entries = MatchSavedItems(catalogue, saved.items);
    std::vector<int> sums(catalogue.size(), 0);
    for (size_t i = 0; i < saved.items.size(); ++i) {
        const SavedItem& item = saved.items[i];
        if (item.added == 0) continue;
        if (!(item.price > Money())) {
            Fail(ItemText(item.code, item.name) + ": добавлено вручную " +
                 std::to_string(int(item.added)) + ", но без цены позицию вручную не добавить");
        }
        const int entry = entries[i];
        if (entry < 0 || !TakesAddedQuantity(catalogue[size_t(entry)])) continue;
        if ((sums[size_t(entry)] += item.added) > kMaxAddedQty) {
            Fail(ItemText(item.code, item.name) + ": добавлено вручную всего " +
                 std::to_string(sums[size_t(entry)]) + " — больше " + std::to_string(kMaxAddedQty));
        }
    }
}

// The quantities are compared per code: the calculation sets a code's first
// entry, and the file may be opened under a list that holds the code once,
// twice or not at all.
void CheckCalculatedQuantities(const SavedCalculation& saved, const App& app,
                               DerivedQuantitiesMemo* memo) {
    // The catalogue is copied only for codes it lacks (a file holds many
    // calculations when it keeps revisions).
    Catalogue extended;
    std::unordered_set<std::string_view> appended;
    for (const SavedItem& item : saved.items) {
        if (app.catalogue.Find(item.code) >= 0 || !appended.insert(item.code).second) continue;
        if (extended.empty()) extended = app.catalogue;
        extended.push_back({0, item.name, item.code, Money(), "", 0, 0});
    }
    const Catalogue& scratch = extended.empty() ? app.catalogue : extended;
    ConfigState state = StateToApply(app.state, saved.config);
    // A matter of prices, as the prices DerivedQuantities leaves out: revisions
    // that differ only in it share their quantities.
    state.config.QuotationDiscountPercent = 0;
    // Only over the catalogue itself: the codes appended differ by file.
    const bool remembered =
        memo && extended.empty() && memo->valid && memo->state == state && memo->main == saved.main;
    std::vector<Count> computed;
    if (!remembered)
        computed = DerivedQuantities(scratch, state, CalculationInputsOf(saved.main, '.'));
    if (!remembered && memo && extended.empty()) {
        memo->valid = true;
        memo->state = state;
        memo->main = saved.main;
        memo->derived = computed;
    }
    const std::vector<Count>& derived = remembered ? memo->derived : computed;
    std::unordered_map<std::string_view, std::pair<long, long>> sums;  // file, derived
    for (const SavedItem& item : saved.items) sums[item.code].first += item.calculated;
    for (size_t i = 0; i < scratch.size(); ++i)
        if (derived[i] != 0) sums[scratch[i].ItemCode].second += derived[i];
    for (const CatalogueItem& entry : scratch) {
        const auto it = sums.find(entry.ItemCode);
        if (it == sums.end() || it->second.first == it->second.second) continue;
        Fail(ItemText(entry.ItemCode, entry.ItemName) + ": в файле рассчитано " +
             std::to_string(it->second.first) + ", а по количествам и выбору расчета — " +
             std::to_string(it->second.second));
    }
}

}  // namespace

std::vector<int> MatchSavedItems(const Catalogue& catalogue, const std::vector<SavedItem>& items) {
    // The entries of every saved code, in catalogue order.
    std::unordered_map<std::string_view, std::vector<int>> entries;
    for (const SavedItem& item : items) entries.try_emplace(item.code);
    for (size_t i = 0; i < catalogue.size(); ++i) {
        const auto it = entries.find(catalogue[i].ItemCode);
        if (it != entries.end()) it->second.push_back(int(i));
    }
    std::vector<int> match;
    match.reserve(items.size());
    std::vector<bool> taken(catalogue.size(), false);
    for (const SavedItem& item : items) {
        const std::vector<int>& candidates = entries[item.code];
        int chosen = -1;
        const auto pick = [&](bool sameName, bool free) {
            for (const int i : candidates) {
                if (chosen >= 0) return;
                if ((!sameName || catalogue[size_t(i)].ItemName == item.name) &&
                    (!free || !taken[size_t(i)]))
                    chosen = i;
            }
        };
        pick(true, true);
        pick(false, true);
        pick(true, false);
        pick(false, false);
        if (chosen >= 0) taken[size_t(chosen)] = true;
        match.push_back(chosen);
    }
    return match;
}

ConfigState StateToApply(const ConfigState& now, const Configuration& saved) {
    ConfigState s = now;
    s.config = saved;
    s.results = {};
    return s;
}

void CheckSavedItems(const SavedCalculation& saved, const App& app, DerivedQuantitiesMemo* memo) {
    // The item first: a quantity edited by hand usually leaves the totals
    // wrong as well.
    CheckAddedQuantities(saved, app.catalogue);
    CheckCalculatedQuantities(saved, app, memo);
    CheckTotals(saved);
}

}  // namespace veltra
