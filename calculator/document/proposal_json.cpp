#include "proposal_json.h"

#include <algorithm>

#include "catalogue/printable_text.h"
#include "saved_calculation.h"
#include "state/calendar_date_input.h"
#include "state/proposal_rules.h"

namespace veltra {

namespace {

using Json = nlohmann::ordered_json;

const char* CurrencyName(ProposalCurrency currency) {
    return currency == ProposalCurrency::RUB ? "RUB" : "USD";
}

[[noreturn]] void Fail(const std::string& what) {
    throw CalculationFileError(what);
}

std::string Where(const char* key) {
    return std::string("«proposal.") + key + "»";
}

const Json& Member(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end()) Fail("нет значения " + Where(key));
    return *it;
}

std::string Text(const Json& object, const char* key) {
    const Json& value = Member(object, key);
    if (!value.is_string()) Fail(Where(key) + " — не текст");
    return value.get<std::string>();
}

CalendarDate Date(const Json& object, const char* key) {
    const std::string text = Text(object, key);
    if (text.empty()) return {};
    const auto date = ParseFileDate(text);
    if (!date) Fail(Where(key) + " = «" + Excerpt(text) + "» — не дата");
    return *date;
}

Money MoneyValue(const Json& object, const char* key) {
    const std::string text = Text(object, key);
    const auto money = Money::Parse(text, '.');
    if (!money) Fail(Where(key) + " = «" + Excerpt(text) + "» — не число");
    return *money;
}

// The dialog's message as the rest of a refusal: lower-case start, no stop.
std::string AsClause(std::string message) {
    if (!message.empty() && message.back() == '.') message.pop_back();
    // Cyrillic capitals: А..П are D0 90..9F, Р..Я D0 A0..AF.
    if (message.size() >= 2 && static_cast<unsigned char>(message[0]) == 0xD0) {
        auto second = static_cast<unsigned char>(message[1]);
        if (second >= 0x90 && second <= 0x9F) {
            message[1] = char(second + 0x20);
        } else if (second >= 0xA0 && second <= 0xAF) {
            message[0] = char(0xD1);
            message[1] = char(second - 0x20);
        }
    }
    return message;
}

}  // namespace

Json ProposalJson(const ProposalDetails& d) {
    return Json{
        {"customerOrganisation", d.customerOrganisation},
        {"customerContact", d.customerContact},
        {"customerReach", d.customerReach},
        {"number", d.number},
        {"date", FileDateText(d.date)},
        {"validUntil", FileDateText(d.validUntil)},
        {"currency", CurrencyName(d.currency)},
        {"rate", d.rate.RegionalText('.')},
        {"rateDate", FileDateText(d.rateDate)},
        {"rateMarkupPercent", d.rateMarkupPercent.RegionalText('.')},
        {"vatMode", VatModeName(d.vatMode)},
        {"vatRate", d.vatRate},
        {"vatExemptReason", d.vatExemptReason},
        {"paymentTerms", d.paymentTerms},
        {"deliveryTerms", d.deliveryTerms},
        {"warranty", d.warranty},
        {"note", d.note},
        {"cabinetPage", d.cabinetPage},
    };
}

ProposalDetails ReadProposalJson(const Json& json) {
    if (!json.is_object()) Fail("«proposal» — не набор значений");
    ProposalDetails d;
    d.customerOrganisation = Text(json, "customerOrganisation");
    d.customerContact = Text(json, "customerContact");
    d.customerReach = Text(json, "customerReach");
    d.number = Text(json, "number");
    d.date = Date(json, "date");
    d.validUntil = Date(json, "validUntil");
    const std::string currency = Text(json, "currency");
    if (currency == "RUB") {
        d.currency = ProposalCurrency::RUB;
    } else if (currency != "USD") {
        Fail(Where("currency") + " = «" + Excerpt(currency) + "» — не USD и не RUB");
    }
    d.rate = MoneyValue(json, "rate");
    d.rateDate = Date(json, "rateDate");
    d.rateMarkupPercent = MoneyValue(json, "rateMarkupPercent");
    const std::string mode = Text(json, "vatMode");
    const auto vatMode = VatModeNamed(mode);
    if (!vatMode)
        Fail(Where("vatMode") + " = «" + Excerpt(mode) + "» — не included, ontop или none");
    d.vatMode = *vatMode;
    const Json& rate = Member(json, "vatRate");
    if (!rate.is_number_integer()) Fail(Where("vatRate") + " — не целое число");
    // Any rate out of bounds, however far, is refused below as one.
    if (!rate.is_number_unsigned()) {
        d.vatRate = -1;
    } else {
        d.vatRate =
            int(std::min<unsigned long long>(rate.get<unsigned long long>(), kMaxVatRate + 1));
    }
    d.vatExemptReason = Text(json, "vatExemptReason");
    d.paymentTerms = Text(json, "paymentTerms");
    d.deliveryTerms = Text(json, "deliveryTerms");
    d.warranty = Text(json, "warranty");
    d.note = Text(json, "note");
    const Json& cabinetPage = Member(json, "cabinetPage");
    if (!cabinetPage.is_boolean()) Fail(Where("cabinetPage") + " — не да/нет");
    d.cabinetPage = cabinetPage.get<bool>();
    if (const auto problem = CheckProposal(d))
        Fail("в коммерческом предложении " + AsClause(problem->message));
    return d;
}

}  // namespace veltra
