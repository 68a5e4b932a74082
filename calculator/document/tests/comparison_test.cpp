// Two calculations compared in the user's words, a price list against
// another, and a saved calculation repriced.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/price_list_changes.h"
#include "document/calculation_file.h"
#include "document/comparison.h"
#include "document/reprice.h"
#include "tests/test_app.h"
#include "tools/rich_configuration.h"

namespace veltra {
namespace {

struct Pair {
    Pair() {
        BuildRichConfiguration(t.app);
        before = TakeSnapshot(t.app, "");
        after = before;
    }
    std::vector<std::string> Lines(const Catalogue* list = nullptr) const {
        return ComparisonLines(CompareCalculations(before, after, list), ',');
    }
    bool Has(const std::string& line, const Catalogue* list = nullptr) const {
        const auto lines = Lines(list);
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    testing::TestApp t;
    SavedCalculation before, after;
};

SavedItem* CalculatedItem(SavedCalculation& saved) {
    for (SavedItem& item : saved.items)
        if (item.calculated > 0 && item.added == 0) return &item;
    return nullptr;
}

TEST(Comparison, InputsDifferInTheWindowsWords) {
    Pair p;
    EXPECT_TRUE(CompareCalculations(p.before, p.after).empty());
    EXPECT_EQ(p.Lines()[0], "Различий нет.");

    p.before.main.field(FieldId::DigitalExtText).text = "48";
    p.after.main.field(FieldId::DigitalExtText).text = "64";
    p.before.main.PowerStandard.at(0).selected = true;
    p.before.main.PowerStandard.at(1).selected = false;
    p.after.main.PowerStandard.at(0).selected = false;
    p.after.main.PowerStandard.at(1).selected = true;
    p.after.main.MFUCheck.checked = !p.before.main.MFUCheck.checked;
    p.after.config.QuotationDiscountPercent = 7.5;
    p.after.proposal.customerOrganisation = "АО «Ромашка»";
    const auto lines = p.Lines();
    EXPECT_EQ(lines[0], "Исходные данные:");
    EXPECT_TRUE(p.Has("  Цифровые АЛ: 48 → 64"));
    EXPECT_TRUE(p.Has("  Электропитание: Трансформаторный → Стандартный импульсный"));
    EXPECT_TRUE(p.Has(std::string("  Применить плату MFU: ") +
                      (p.before.main.MFUCheck.checked ? "да → нет" : "нет → да")));
    EXPECT_TRUE(p.Has("  Скидка: 0 % → 7,5 %"));
    EXPECT_TRUE(p.Has("  Заказчик: — → «АО «Ромашка»»"));
    EXPECT_FALSE(CompareCalculations(p.before, p.after).empty());
}

TEST(Comparison, ItemsAddedRemovedAndChangedApartByKindWithTotals) {
    Pair p;
    SavedItem* calculated = CalculatedItem(p.after);
    ASSERT_NE(calculated, nullptr);
    const std::string code = calculated->code;
    const Count qty = calculated->calculated;
    calculated->calculated = Count(qty + 2);
    calculated->price = calculated->price + *Money::Parse("1", '.');
    // A hand-added item only before, another only after.
    const std::string addedCode = "HAND 1";
    p.before.items.push_back({addedCode, "Ручная позиция", *Money::Parse("20", '.'), 0, 2});
    p.after.items.push_back({"NEW 1", "Новая позиция", *Money::Parse("10", '.'), 0, 3});

    const Comparison c = CompareCalculations(p.before, p.after);
    ASSERT_EQ(c.calculated.size(), 1u);
    EXPECT_EQ(c.calculated[0].change, ItemChange::QuantityAndPrice);
    EXPECT_EQ(c.calculated[0].code, code);
    EXPECT_EQ(c.calculated[0].before, qty);
    EXPECT_EQ(c.calculated[0].after, qty + 2);
    const auto removed = std::find_if(c.added.begin(), c.added.end(),
                                      [&](const auto& d) { return d.code == addedCode; });
    ASSERT_NE(removed, c.added.end());
    EXPECT_EQ(removed->change, ItemChange::Removed);
    EXPECT_EQ(c.added.back().change, ItemChange::Added);
    EXPECT_EQ(c.added.back().sumAfter, *Money::Parse("30", '.'));
    EXPECT_TRUE(p.Has("  добавлено: NEW 1 Новая позиция — 3 × 10,00 = 30,00"));

    Money before, after;
    for (const SavedItem& i : p.before.items) before += i.price * i.calculated + i.price * i.added;
    for (const SavedItem& i : p.after.items) after += i.price * i.calculated + i.price * i.added;
    EXPECT_EQ(c.totalBefore, before);
    EXPECT_EQ(c.totalAfter, after);
    const std::string total = p.Lines().back();
    EXPECT_EQ(total.rfind("Итого: было " + GroupedMoney(before, ','), 0), 0u) << total;

    // Under one list, the price change is gone and the unknown code named.
    const Comparison listed = CompareCalculations(p.before, p.after, &p.t.app.catalogue);
    EXPECT_EQ(listed.calculated[0].change, ItemChange::Quantity);
    EXPECT_EQ(listed.missingCodes, (std::vector<std::string>{"HAND 1", "NEW 1"}));
    EXPECT_NE(ComparisonJson(listed).find("\"pricing\": \"price-list\""), std::string::npos);
}

TEST(Comparison, PriceListsAndRepricing) {
    testing::TestApp t;
    BuildRichConfiguration(t.app);
    const SavedCalculation saved = TakeSnapshot(t.app, "");
    std::vector<CatalogueItem> entries(t.app.catalogue.begin(), t.app.catalogue.end());
    const std::string repriced = saved.items[0].code, removed = saved.items[1].code;
    const auto entry = [&](const std::string& code) {
        return std::find_if(entries.begin(), entries.end(),
                            [&](const CatalogueItem& item) { return item.ItemCode == code; });
    };
    entry(repriced)->ItemPrice = *Money::Parse("12345", '.');
    entry(repriced)->ItemName = "Другое имя";
    entries.erase(entry(removed));
    entries.push_back({0, "Новинка", "NEW 2", *Money::Parse("5", '.'), "", 0, 0});
    const Catalogue after(entries.begin(), entries.end());

    const PriceListChanges changes = ComparePriceLists(t.app.catalogue, after, ',');
    ASSERT_EQ(changes.added.size(), 1u);
    EXPECT_EQ(changes.added[0], "NEW 2 — Новинка, 5");
    ASSERT_EQ(changes.removed.size(), 1u);
    ASSERT_EQ(changes.renamed.size(), 1u);
    ASSERT_EQ(changes.repriced.size(), 1u);
    EXPECT_NE(changes.repriced[0].find(" → 12345"), std::string::npos);
    EXPECT_TRUE(ComparePriceLists(after, after, ',').empty());

    const Repriced r = Reprice(saved, after);
    EXPECT_EQ(r.saved, saved.calculatedTotal + saved.addedTotal);
    EXPECT_EQ(r.changedPrices, 1);
    EXPECT_EQ(r.missingCodes, std::vector<std::string>{removed});
    const Repriced same = Reprice(saved, t.app.catalogue);
    EXPECT_EQ(same.now, same.saved);
    EXPECT_EQ(RepriceSumLine({r, same}, ',').rfind("Итого по 2 расчетам: было ", 0), 0u);
}

}  // namespace
}  // namespace veltra
