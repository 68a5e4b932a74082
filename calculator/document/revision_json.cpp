#include "revision_json.h"

#include <cctype>

#include "catalogue/printable_text.h"
#include "state/proposal_rules.h"

namespace veltra {

namespace {

using Json = nlohmann::ordered_json;

// Numbers, names and dates are short; a longer one is no revision's.
constexpr size_t kMaxRevisionText = 256;

[[noreturn]] void Fail(const std::string& what) {
    throw CalculationFileError(what);
}

struct Reader {
    const Json& object;
    std::string where;  // "revisions[3]."

    std::string Name(const char* key) const { return "«" + where + key + "»"; }

    const Json& Member(const char* key) const {
        const auto it = object.find(key);
        if (it == object.end()) Fail("нет значения " + Name(key));
        return *it;
    }
    std::string Text(const char* key) const {
        const Json& value = Member(key);
        if (!value.is_string()) Fail(Name(key) + " — не текст");
        std::string text = value.get<std::string>();
        if (text.size() > kMaxRevisionText) Fail(Name(key) + " слишком длинное");
        return text;
    }
    long long Integer(const char* key, long long min, long long max) const {
        const Json& value = Member(key);
        if (!value.is_number_integer()) Fail(Name(key) + " — не целое число");
        const long long n =
            value.is_number_unsigned() && value.get<unsigned long long>() > 1ull << 62
                ? max + 1
                : value.get<long long>();
        if (n < min || n > max) {
            Fail(Name(key) + " = " + std::to_string(n) + " вне допустимого (" +
                 std::to_string(min) + "…" + std::to_string(max) + ")");
        }
        return n;
    }
    Money Amount(const char* key, Money max = Money::FromRaw(INT64_MAX)) const {
        const std::string text = Text(key);
        const auto money = Money::Parse(text, '.');
        if (!money || *money < Money() || *money > max)
            Fail(Name(key) + " = «" + Excerpt(text) + "» — не сумма");
        return *money;
    }
    std::string Sha256(const char* key, bool mayBeEmpty) const {
        const std::string text = Text(key);
        if (text.empty() && mayBeEmpty) return text;
        bool hex = text.size() == 64;
        for (const char c : text) hex = hex && (std::isdigit(uint8_t(c)) || (c >= 'a' && c <= 'f'));
        if (!hex) Fail(Name(key) + " = «" + Excerpt(text) + "» — не контрольная сумма SHA-256");
        return text;
    }
};

// "2026-12-08T14:05:09".
bool IsDateTime(const std::string& text) {
    static constexpr std::string_view kPattern = "dddd-dd-ddTdd:dd:dd";
    if (text.size() != kPattern.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool digit = std::isdigit(uint8_t(text[i])) != 0;
        if (kPattern[i] == 'd' ? !digit : text[i] != kPattern[i]) return false;
    }
    return true;
}

const char* CurrencyName(ProposalCurrency currency) {
    return currency == ProposalCurrency::RUB ? "RUB" : "USD";
}

std::string MoneyText(Money money) {
    return money.RegionalText('.');
}

}  // namespace

std::string RevisionLine(const IssuedRevision& r) {
    const Json header{
        {"counter", r.counter},
        {"number", r.number},
        {"issued", r.issued},
        {"as", r.as == IssuedAs::Print ? "print" : "pdf"},
        {"currency", CurrencyName(r.currency)},
        {"rate", MoneyText(r.rate)},
        {"rateMarkupPercent", MoneyText(r.rateMarkupPercent)},
        {"vatMode", VatModeName(r.vatMode)},
        {"vatRate", r.vatRate},
        {"total", MoneyText(r.total)},
        {"vat", MoneyText(r.vat)},
        {"grandTotal", MoneyText(r.grandTotal)},
        {"priceList", Json{{"name", r.priceList.name},
                           {"size", r.priceList.size},
                           {"sha256", r.priceList.sha256}}},
        {"documentSha256", r.documentSha256},
    };
    std::string line = header.dump(-1, ' ', false, Json::error_handler_t::replace);
    line.pop_back();  // the closing brace: the calculation goes last
    return line + ",\"calculation\":" + r.calculation + "}";
}

std::vector<IssuedRevision> ReadRevisions(const Json& json, const App& app) {
    if (!json.is_array()) Fail("«revisions» — не список");
    if (json.size() > size_t(kMaxRevisions))
        Fail("редакций больше " + std::to_string(kMaxRevisions));
    std::vector<IssuedRevision> revisions;
    revisions.reserve(json.size());
    for (size_t i = 0; i < json.size(); ++i) {
        const std::string where = "revisions[" + std::to_string(i) + "].";
        if (!json[i].is_object()) Fail("«" + where + "» — не редакция");
        const Reader read{json[i], where};
        IssuedRevision r;
        const int earlier = revisions.empty() ? 0 : revisions.back().counter;
        r.counter = int(read.Integer("counter", earlier + 1, kMaxRevisions));
        r.number = read.Text("number");
        if (r.number.empty()) Fail(read.Name("number") + " пуст");
        r.issued = read.Text("issued");
        if (!IsDateTime(r.issued))
            Fail(read.Name("issued") + " = «" + Excerpt(r.issued) + "» — не дата и время");
        const std::string as = read.Text("as");
        if (as == "print") {
            r.as = IssuedAs::Print;
        } else if (as != "pdf") {
            Fail(read.Name("as") + " = «" + Excerpt(as) + "» — не pdf и не print");
        }
        const std::string currency = read.Text("currency");
        if (currency == "RUB") {
            r.currency = ProposalCurrency::RUB;
        } else if (currency != "USD") {
            Fail(read.Name("currency") + " = «" + Excerpt(currency) + "» — не USD и не RUB");
        }
        r.rate = read.Amount("rate", kMaxRate);
        r.rateMarkupPercent = read.Amount("rateMarkupPercent", kMaxRateMarkup);
        const std::string mode = read.Text("vatMode");
        const auto vatMode = VatModeNamed(mode);
        if (!vatMode)
            Fail(read.Name("vatMode") + " = «" + Excerpt(mode) + "» — не included, ontop или none");
        r.vatMode = *vatMode;
        r.vatRate = int(read.Integer("vatRate", 0, kMaxVatRate));
        r.total = read.Amount("total");
        r.vat = read.Amount("vat");
        r.grandTotal = read.Amount("grandTotal");
        const Json& list = read.Member("priceList");
        if (!list.is_object()) Fail(read.Name("priceList") + " — не набор значений");
        const Reader readList{list, where + "priceList."};
        r.priceList.name = readList.Text("name");
        r.priceList.size = uint64_t(readList.Integer("size", 0, 1'000'000'000'000));
        r.priceList.sha256 = readList.Sha256("sha256", true);
        r.documentSha256 = read.Sha256("documentSha256", r.as == IssuedAs::Print);

        const Json& calculation = read.Member("calculation");
        if (!calculation.is_object()) Fail(read.Name("calculation") + " — не расчет");
        SavedCalculation frozen;
        try {
            frozen = ReadCalculationJson(calculation, app, true);
        } catch (const CalculationFileError& fault) {
            Fail("в расчете редакции " + Excerpt(r.number) + " («" + where +
                 "calculation»): " + fault.what());
        }
        const ProposalDetails& p = frozen.proposal;
        if (p.currency != r.currency || p.vatMode != r.vatMode || p.vatRate != r.vatRate ||
            (r.currency == ProposalCurrency::RUB &&
             (p.rate != r.rate || p.rateMarkupPercent != r.rateMarkupPercent)))
            Fail("редакция " + Excerpt(r.number) +
                 " не согласуется со своим расчетом: валюта, курс или НДС другие");
        if (frozen.priceList != r.priceList)
            Fail("редакция " + Excerpt(r.number) +
                 " не согласуется со своим расчетом: другой прайс-лист");
        r.calculation = calculation.dump(-1, ' ', false, Json::error_handler_t::replace);
        revisions.push_back(std::move(r));
    }
    return revisions;
}

}  // namespace veltra
