#include "comparison.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>

#include "calculation_file.h"
#include "catalogue/printable_text.h"
#include "state/calendar_date_text.h"

namespace veltra {

namespace {

constexpr const char* kArrow = " → ";

// The frames and pages the option groups stand in, as the window labels them.
struct GroupCaption {
    OptionGroup MainWindowModel::*group;
    const char* caption;
};
constexpr GroupCaption kGroupCaptions[] = {
    {&MainWindowModel::PowerStandard, "Электропитание"},
    {&MainWindowModel::PowerAcc, "Аккумуляторное резервирование"},
    {&MainWindowModel::MDFBox, "Кросс"},
    {&MainWindowModel::MDFOpenCable, "Открытый кроссовый кабель"},
    {&MainWindowModel::Arrestor, "Грозозащита"},
};

// "Трансформаторный ~220V/ ~36" reads "Трансформаторный": the voltages are
// the window's small print.
std::string ShortCaption(const std::string& caption) {
    const size_t cut = caption.find(" ~");
    return cut == std::string::npos ? caption : caption.substr(0, cut);
}

std::string Choice(const OptionGroup& group) {
    const int selected = group.Selected();
    return group.Has(selected) ? ShortCaption(group.at(selected).caption) : "—";
}

std::string Entry(const ComboBox& combo) {
    return combo.index >= 0 && size_t(combo.index) < combo.entries.size()
               ? combo.entries[size_t(combo.index)]
               : "—";
}

std::string YesNo(bool value) {
    return value ? "да" : "нет";
}

std::string Percent(double value, char separator) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value);
    std::string shown = text;
    for (char& c : shown)
        if (c == '.') c = separator;
    return shown + " %";
}

std::string DiscountText(double percent, char separator) {
    if (percent < 0) return "наценка " + Percent(-percent, separator);
    return Percent(percent, separator);
}

std::string ShownDate(CalendarDate date) {
    return date.year == 0 ? "—" : DateText(date);
}

std::string Shown(const std::string& text) {
    return text.empty() ? "—" : "«" + Excerpt(text, 60) + "»";
}

void Differ(std::vector<std::string>& lines, const std::string& label, const std::string& before,
            const std::string& after) {
    if (before != after) lines.push_back(label + ": " + before + kArrow + after);
}

void CompareProposals(std::vector<std::string>& lines, const ProposalDetails& a,
                      const ProposalDetails& b, char sep) {
    const auto text = [&](const char* label, const std::string& x, const std::string& y) {
        Differ(lines, label, Shown(x), Shown(y));
    };
    text("Заказчик", a.customerOrganisation, b.customerOrganisation);
    text("Контактное лицо", a.customerContact, b.customerContact);
    text("Телефон, e-mail", a.customerReach, b.customerReach);
    text("Номер предложения", a.number, b.number);
    Differ(lines, "Дата предложения", ShownDate(a.date), ShownDate(b.date));
    Differ(lines, "Действительно до", ShownDate(a.validUntil), ShownDate(b.validUntil));
    const auto currency = [](ProposalCurrency c) {
        return std::string(c == ProposalCurrency::RUB ? "рубли" : "доллары США");
    };
    Differ(lines, "Валюта", currency(a.currency), currency(b.currency));
    if (a.currency == ProposalCurrency::RUB || b.currency == ProposalCurrency::RUB) {
        Differ(lines, "Курс", GroupedMoney(a.rate, sep, 4), GroupedMoney(b.rate, sep, 4));
        Differ(lines, "Дата курса", ShownDate(a.rateDate), ShownDate(b.rateDate));
        Differ(lines, "Надбавка к курсу", GroupedMoney(a.rateMarkupPercent, sep) + " %",
               GroupedMoney(b.rateMarkupPercent, sep) + " %");
    }
    const auto vat = [](const ProposalDetails& d) {
        switch (d.vatMode) {
            case VatMode::Included:
                return "в том числе " + std::to_string(d.vatRate) + " %";
            case VatMode::OnTop:
                return "сверх цены " + std::to_string(d.vatRate) + " %";
            case VatMode::None:
                break;
        }
        return std::string("без НДС");
    };
    Differ(lines, "НДС", vat(a), vat(b));
    text("Причина без НДС", a.vatExemptReason, b.vatExemptReason);
    text("Условия оплаты", a.paymentTerms, b.paymentTerms);
    text("Условия поставки", a.deliveryTerms, b.deliveryTerms);
    text("Гарантия", a.warranty, b.warranty);
    text("Примечание", a.note, b.note);
    Differ(lines, "Лист с конфигурацией шкафа", YesNo(a.cabinetPage), YesNo(b.cabinetPage));
}

std::vector<std::string> CompareInputs(const SavedCalculation& a, const SavedCalculation& b,
                                       char sep) {
    std::vector<std::string> lines;
    for (const FieldInfo& info : kFields) {
        Differ(lines, info.label, FieldTextToShow(a.main.field(info.id).text, sep),
               FieldTextToShow(b.main.field(info.id).text, sep));
    }
    for (CheckBox MainWindowModel::*box :
         {&MainWindowModel::MFUCheck, &MainWindowModel::OnlyStationMDFCheck}) {
        Differ(lines, (a.main.*box).caption, YesNo((a.main.*box).checked),
               YesNo((b.main.*box).checked));
    }
    Differ(lines, "Флэш-память платы MFU", Entry(a.main.MFU_Flash), Entry(b.main.MFU_Flash));
    Differ(lines, "Автоподсчет по схеме", Entry(a.main.Combo1), Entry(b.main.Combo1));
    for (const GroupCaption& g : kGroupCaptions)
        Differ(lines, g.caption, Choice(a.main.*(g.group)), Choice(b.main.*(g.group)));
    Differ(lines, "Скидка", DiscountText(a.config.QuotationDiscountPercent, sep),
           DiscountText(b.config.QuotationDiscountPercent, sep));
    CompareProposals(lines, a.proposal, b.proposal, sep);
    return lines;
}

// One side's items by code, in the file's order; a code held twice adds up.
struct Side {
    std::string name;
    Money price;
    Count calculated = 0, added = 0;
};

std::map<std::string, Side> ByCode(const SavedCalculation& saved, std::vector<std::string>& order) {
    std::map<std::string, Side> sides;
    for (const SavedItem& item : saved.items) {
        auto [it, fresh] = sides.try_emplace(item.code, Side{item.name, item.price});
        if (fresh && std::find(order.begin(), order.end(), item.code) == order.end())
            order.push_back(item.code);
        it->second.calculated = Count(int(it->second.calculated) + int(item.calculated));
        it->second.added = Count(int(it->second.added) + int(item.added));
    }
    return sides;
}

void CompareQuantities(std::vector<ItemDifference>& out, const std::string& code, const Side* a,
                       const Side* b, Count qa, Count qb) {
    if (qa == 0 && qb == 0) return;
    ItemDifference d;
    d.code = code;
    d.name = b ? b->name : a->name;
    d.before = qa;
    d.after = qb;
    d.priceBefore = a ? a->price : b->price;
    d.priceAfter = b ? b->price : a->price;
    d.sumBefore = d.priceBefore * qa;
    d.sumAfter = d.priceAfter * qb;
    if (qa == 0) {
        d.change = ItemChange::Added;
    } else if (qb == 0) {
        d.change = ItemChange::Removed;
    } else if (qa != qb) {
        d.change =
            d.priceBefore != d.priceAfter ? ItemChange::QuantityAndPrice : ItemChange::Quantity;
    } else if (d.priceBefore != d.priceAfter) {
        d.change = ItemChange::Price;
    } else {
        return;
    }
    out.push_back(std::move(d));
}

std::string MoneyText(Money money, char sep) {
    return GroupedMoney(money, sep);
}

std::string ItemLine(const ItemDifference& d, char sep) {
    const std::string item = Excerpt(d.code) + " " + Excerpt(d.name, 60);
    const auto q = [](Count n) { return std::to_string(int(n)); };
    switch (d.change) {
        case ItemChange::Added:
            return "добавлено: " + item + " — " + q(d.after) + " × " +
                   MoneyText(d.priceAfter, sep) + " = " + MoneyText(d.sumAfter, sep);
        case ItemChange::Removed:
            return "убрано: " + item + " — " + q(d.before) + " × " + MoneyText(d.priceBefore, sep) +
                   " = " + MoneyText(d.sumBefore, sep);
        case ItemChange::Quantity:
            return "количество: " + item + " — " + q(d.before) + kArrow + q(d.after) + " × " +
                   MoneyText(d.priceAfter, sep) + "; " + MoneyText(d.sumBefore, sep) + kArrow +
                   MoneyText(d.sumAfter, sep);
        case ItemChange::Price:
            return "цена: " + item + " — " + q(d.after) + " × " + MoneyText(d.priceBefore, sep) +
                   kArrow + MoneyText(d.priceAfter, sep) + "; " + MoneyText(d.sumBefore, sep) +
                   kArrow + MoneyText(d.sumAfter, sep);
        case ItemChange::QuantityAndPrice:
            break;
    }
    return "количество и цена: " + item + " — " + q(d.before) + " × " +
           MoneyText(d.priceBefore, sep) + kArrow + q(d.after) + " × " +
           MoneyText(d.priceAfter, sep) + "; " + MoneyText(d.sumBefore, sep) + kArrow +
           MoneyText(d.sumAfter, sep);
}

const char* ChangeName(ItemChange change) {
    switch (change) {
        case ItemChange::Added:
            return "added";
        case ItemChange::Removed:
            return "removed";
        case ItemChange::Quantity:
            return "quantity";
        case ItemChange::Price:
            return "price";
        case ItemChange::QuantityAndPrice:
            break;
    }
    return "quantity-and-price";
}

}  // namespace

Comparison CompareCalculations(const SavedCalculation& before, const SavedCalculation& after,
                               const Catalogue* list, char sep) {
    Comparison c;
    c.underList = list != nullptr;
    c.inputs = CompareInputs(before, after, sep);
    std::vector<std::string> order;
    std::map<std::string, Side> a = ByCode(before, order);
    std::map<std::string, Side> b = ByCode(after, order);
    if (list) {
        for (const std::string& code : order) {
            const int entry = list->Find(code);
            if (entry < 0) {
                c.missingCodes.push_back(code);
                continue;
            }
            for (auto* side : {&a, &b}) {
                const auto it = side->find(code);
                if (it == side->end()) continue;
                it->second.price = (*list)[size_t(entry)].ItemPrice;
                it->second.name = (*list)[size_t(entry)].ItemName;
            }
        }
    }
    for (const std::string& code : order) {
        const auto ia = a.find(code);
        const auto ib = b.find(code);
        const Side* sa = ia == a.end() ? nullptr : &ia->second;
        const Side* sb = ib == b.end() ? nullptr : &ib->second;
        CompareQuantities(c.calculated, code, sa, sb, sa ? sa->calculated : Count(0),
                          sb ? sb->calculated : Count(0));
        CompareQuantities(c.added, code, sa, sb, sa ? sa->added : Count(0),
                          sb ? sb->added : Count(0));
        if (sa) c.totalBefore += sa->price * sa->calculated + sa->price * sa->added;
        if (sb) c.totalAfter += sb->price * sb->calculated + sb->price * sb->added;
    }
    return c;
}

std::vector<std::string> ComparisonLines(const Comparison& c, char sep) {
    std::vector<std::string> lines;
    if (c.underList) lines.push_back("Обе стороны — по ценам текущего прайс-листа.");
    const auto section = [&](const char* heading, const std::vector<std::string>& entries) {
        if (entries.empty()) return;
        lines.push_back(heading);
        for (const std::string& entry : entries) lines.push_back("  " + entry);
    };
    section("Исходные данные:", c.inputs);
    const auto items = [&](const std::vector<ItemDifference>& differences) {
        std::vector<std::string> entries;
        for (const ItemDifference& d : differences) entries.push_back(ItemLine(d, sep));
        return entries;
    };
    section("Позиции расчета:", items(c.calculated));
    section("Позиции, добавленные вручную:", items(c.added));
    if (!c.missingCodes.empty()) {
        std::vector<std::string> codes;
        for (const std::string& code : c.missingCodes)
            codes.push_back(Excerpt(code) + " — по сохраненной цене");
        section("Нет в прайс-листе:", codes);
    }
    if (c.empty()) {
        lines.push_back("Различий нет.");
        lines.push_back("Итого: " + MoneyText(c.totalAfter, sep));
        return lines;
    }
    const Money difference = c.totalAfter - c.totalBefore;
    lines.push_back("Итого: было " + MoneyText(c.totalBefore, sep) + ", стало " +
                    MoneyText(c.totalAfter, sep) + ", разница " +
                    (difference > Money() ? "+" : "") + MoneyText(difference, sep));
    return lines;
}

std::string ComparisonJson(const Comparison& c) {
    using Json = nlohmann::ordered_json;
    const auto items = [](const std::vector<ItemDifference>& differences) {
        Json list = Json::array();
        for (const ItemDifference& d : differences) {
            list.push_back(Json{{"change", ChangeName(d.change)},
                                {"code", d.code},
                                {"name", d.name},
                                {"quantityBefore", int(d.before)},
                                {"quantityAfter", int(d.after)},
                                {"priceBefore", d.priceBefore.RegionalText('.')},
                                {"priceAfter", d.priceAfter.RegionalText('.')},
                                {"sumBefore", d.sumBefore.RegionalText('.')},
                                {"sumAfter", d.sumAfter.RegionalText('.')}});
        }
        return list;
    };
    const Json json{{"different", !c.empty()},
                    {"pricing", c.underList ? "price-list" : "saved"},
                    {"inputs", c.inputs},
                    {"calculatedItems", items(c.calculated)},
                    {"addedItems", items(c.added)},
                    {"missingCodes", c.missingCodes},
                    {"totalBefore", c.totalBefore.RegionalText('.')},
                    {"totalAfter", c.totalAfter.RegionalText('.')},
                    {"difference", (c.totalAfter - c.totalBefore).RegionalText('.')}};
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace veltra
