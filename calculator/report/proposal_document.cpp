#include "proposal_document.h"

#include <cstdio>

#include "amount_in_words.h"
#include "configuration_text.h"
#include "proposal_amounts.h"
#include "quotation.h"
#include "show_cabinet.h"
#include "state/app.h"
#include "state/calendar_date_text.h"

namespace veltra {

namespace {

void AddIfSet(std::vector<std::string>& lines, const std::string& label, const std::string& text) {
    if (!text.empty()) lines.push_back(label + text);
}

// Each line of a text typed on several lines, empty ones left out.
void AddLines(std::vector<std::string>& lines, const std::string& text) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
        start = end + 1;
    }
}

std::string JoinedWithCommas(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!text.empty()) text += ", ";
        text += part;
    }
    return text;
}

// "7", "7,5": the discount as the user typed it, a comma for the point.
std::string PercentText(double percent) {
    char text[40];
    std::snprintf(text, sizeof text, "%.10g", percent);
    std::string result = text;
    for (char& c : result) {
        if (c == '.') c = ',';
    }
    return result;
}

// A rate with at least two decimals: "92,50", "92,5061".
std::string RateText(Money rate) {
    std::string text = rate.RegionalText(',');
    const size_t comma = text.find(',');
    if (comma == std::string::npos) return text + ",00";
    if (text.size() - comma == 2) text += '0';
    return text;
}

std::string Title(const ProposalDetails& p) {
    std::string title = "Коммерческое предложение";
    if (!p.number.empty()) title += " № " + p.number;
    if (p.date.year != 0) title += " от " + DateText(p.date);
    return title;
}

std::vector<std::string> SellerLines(const SellerDetails& s) {
    std::vector<std::string> lines;
    AddIfSet(lines, "", s.organisation);
    AddIfSet(lines, "", s.innKpp);
    AddIfSet(lines, "", s.address);
    AddIfSet(lines, "",
             JoinedWithCommas({s.telephone.empty() ? "" : "тел. " + s.telephone,
                               s.email.empty() ? "" : "e-mail: " + s.email, s.website}));
    AddLines(lines, s.bankDetails);
    return lines;
}

std::vector<std::string> ConfigurationLines(const App& app) {
    std::vector<std::string> lines;
    const std::string text = ConfigurationScreenText(ReadConfiguration(app));
    size_t start = 0;
    for (size_t end; (end = text.find('\r', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

DocumentTable Table(const App& app, const ProposalTable& amounts, const std::string& caption) {
    DocumentTable table;
    table.caption = caption;
    int previousGroup = -1, number = 0;
    for (const ProposalLine& line : amounts.lines) {
        const int group = TopGroupOf(app.catalogue, line.item);
        if (group != previousGroup) {
            previousGroup = group;
            DocumentRow heading;
            heading.group = true;
            heading.name = app.catalogue[size_t(group)].ItemName;
            table.rows.push_back(heading);
        }
        const CatalogueItem& item = app.catalogue[size_t(line.item)];
        DocumentRow row;
        row.number = std::to_string(++number);
        row.name = item.ItemName;
        row.code = item.ItemCode;
        row.quantity = std::to_string(int(line.quantity));
        row.unitPrice = AmountText(line.unitPrice);
        row.sum = AmountText(line.sum);
        table.rows.push_back(row);
    }
    table.total = AmountText(amounts.total);
    return table;
}

std::vector<DocumentAmountLine> TotalsLines(const ProposalDetails& p, const ProposalAmounts& a,
                                            const std::string& unit) {
    const auto amount = [&unit](Money m) { return AmountText(m) + " " + unit; };
    const std::string rate = std::to_string(p.vatRate) + " %";
    std::vector<DocumentAmountLine> lines = {{"Итого:", amount(a.total)}};
    switch (p.vatMode) {
        case VatMode::Included:
            lines.push_back({"в том числе НДС " + rate + ":", amount(a.vat)});
            lines.push_back({"Всего:", amount(a.grandTotal)});
            break;
        case VatMode::OnTop:
            lines.push_back({"НДС " + rate + ":", amount(a.vat)});
            lines.push_back({"Всего с НДС:", amount(a.grandTotal)});
            break;
        case VatMode::None:
            lines.push_back(
                {p.vatExemptReason.empty() ? "Без НДС" : "Без НДС (" + p.vatExemptReason + ")",
                 ""});
            lines.push_back({"Всего:", amount(a.grandTotal)});
            break;
    }
    return lines;
}

std::string RateLine(const ProposalDetails& p) {
    std::string basis;
    if (p.rateDate.year != 0) basis = "курс ЦБ на " + DateText(p.rateDate);
    if (p.rateMarkupPercent != Money()) {
        const bool down = p.rateMarkupPercent < Money();
        const std::string markup =
            (down ? Money() - p.rateMarkupPercent : p.rateMarkupPercent).RegionalText(',');
        basis +=
            (basis.empty() ? "курс ЦБ " : " ") + std::string(down ? "- " : "+ ") + markup + " %";
    }
    std::string line = "Курс пересчета: 1 USD = " + RateText(p.rate) + " руб.";
    if (!basis.empty()) line += " (" + basis + ")";
    return line;
}

std::vector<std::string> Terms(const ProposalDetails& p) {
    std::vector<std::string> terms;
    AddIfSet(terms, "Условия оплаты: ", p.paymentTerms);
    AddIfSet(terms, "Условия поставки: ", p.deliveryTerms);
    AddIfSet(terms, "Гарантия: ", p.warranty);
    AddIfSet(terms, "Примечание: ", p.note);
    if (p.currency == ProposalCurrency::RUB) terms.push_back(RateLine(p));
    return terms;
}

}  // namespace

ProposalDocument BuildProposalDocument(const App& app) {
    const ProposalDetails& p = app.proposal;
    const ProposalAmounts amounts = ComputeProposalAmounts(app);
    const std::string unit = p.currency == ProposalCurrency::RUB ? "руб." : "USD";

    ProposalDocument d;
    d.seller = SellerLines(app.seller);
    d.logoPath = app.seller.logoPath;
    d.title = Title(p);
    AddIfSet(d.customer, "Заказчик: ", p.customerOrganisation);
    AddIfSet(d.customer, "Контактное лицо: ", p.customerContact);
    AddIfSet(d.customer, "Телефон, e-mail: ", p.customerReach);
    d.configuration = ConfigurationLines(app);
    d.columns = {"№ п/п",  "Наименование",  "Код производителя",
                 "Кол-во", "Цена, " + unit, "Сумма, " + unit};
    d.tables.push_back(Table(app, amounts.calculated, "Оборудование и программное обеспечение"));
    if (amounts.hasAddedTable)
        d.tables.push_back(Table(app, amounts.added, "Дополнительные позиции"));
    // A mark-up is a negative discount, and never named.
    if (app.state.config.QuotationDiscountPercent > 0)
        d.discount = "Цены указаны с учетом скидки " +
                     PercentText(app.state.config.QuotationDiscountPercent) + " %";
    d.totals = TotalsLines(p, amounts, unit);
    d.words = AmountInWords(amounts.grandTotal, p.currency);
    if (p.validUntil.year != 0)
        d.validity = "Предложение действительно до " + DateText(p.validUntil);
    d.terms = Terms(p);
    d.signerPosition = app.seller.signerPosition;
    d.signerName = app.seller.signerName;
    if (p.cabinetPage) {
        CabinetPicture picture = app.main.cabinet;
        ShowCabinet(app, picture);
        d.cabinet = picture;
    }
    return d;
}

std::vector<std::string> ProposalSummaryLines(const ProposalDocument& d) {
    std::vector<std::string> lines;
    if (!d.discount.empty()) lines.push_back(d.discount);
    for (const DocumentAmountLine& line : d.totals)
        lines.push_back(line.amount.empty() ? line.label : line.label + " " + line.amount);
    lines.push_back(d.words);
    if (!d.validity.empty()) lines.push_back(d.validity);
    return lines;
}

}  // namespace veltra
