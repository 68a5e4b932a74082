#include "revision_json.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "catalogue/printable_text.h"
#include "json_text.h"
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

// A scan of a text the parser accepted, for where each revision's
// calculation stands in it. Where the layout is not plain (a key written
// with escapes, a key given twice) a place is left empty.
class CalculationPlaces : JsonScanner {
  public:
    explicit CalculationPlaces(std::string_view text) : JsonScanner(text) {}

    std::vector<std::string_view> Find() {
        Space();
        if (!Take('{')) return {};
        bool seen = false;
        for (Space(); at_ < text_.size() && text_[at_] != '}';) {
            const std::string_view key = Key();
            if (key == "revisions") {
                if (seen) return {};
                seen = true;
                Revisions();
            } else {
                Skip();
            }
            Space();
            if (!Take(',')) break;
            Space();
        }
        return places_;
    }

  private:
    // A string's text between its quotes, escapes and all.
    std::string_view String() {
        const size_t start = std::min(at_ + 1, text_.size());
        at_ = StringEnd(text_, start);
        const std::string_view s = text_.substr(start, at_ - start);
        Take('"');
        return s;
    }
    // A member's key and its colon; an escaped key is no plain name.
    std::string_view Key() {
        std::string_view key = String();
        if (key.find('\\') != std::string_view::npos) key = {};
        Space();
        Take(':');
        Space();
        return key;
    }
    // One value, the scan left just after it.
    void Skip() {
        if (at_ >= text_.size()) return;
        if (text_[at_] == '"') {
            String();
            return;
        }
        if (text_[at_] != '{' && text_[at_] != '[') {
            while (at_ < text_.size() && !std::strchr(",]} \n\r\t", text_[at_])) ++at_;
            return;
        }
        int depth = 0;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '"') {
                String();
                continue;
            }
            ++at_;
            if (c == '{' || c == '[') ++depth;
            if ((c == '}' || c == ']') && --depth == 0) return;
        }
    }
    void Revisions() {
        if (!Take('[')) return Skip();
        for (Space(); at_ < text_.size() && text_[at_] != ']';) {
            std::string_view place;
            if (Take('{')) {
                bool twice = false;
                for (Space(); at_ < text_.size() && text_[at_] != '}';) {
                    const bool calculation = Key() == "calculation";
                    const size_t start = at_;
                    Skip();
                    if (calculation) {
                        twice = twice || !place.empty();
                        place = text_.substr(start, at_ - start);
                    }
                    Space();
                    if (!Take(',')) break;
                    Space();
                }
                Take('}');
                if (twice) place = {};
            } else {
                Skip();
            }
            places_.push_back(place);
            Space();
            if (!Take(',')) break;
            Space();
        }
        Take(']');
    }

    std::vector<std::string_view> places_;
};

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

std::vector<IssuedRevision> ReadRevisions(const Json& json, const App& app,
                                          std::string_view fileText, DerivedQuantitiesMemo* memo) {
    if (!json.is_array()) Fail("«revisions» — не список");
    if (json.size() > size_t(kMaxRevisions))
        Fail("редакций больше " + std::to_string(kMaxRevisions));
    // A calculation the file holds as the dump would write it is kept as it
    // stands, without writing it again.
    const std::vector<std::string_view> places = CalculationPlaces(fileText).Find();
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
            frozen = ReadCalculationJson(calculation, app, true, {}, memo);
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
        if (i < places.size() && IsDumpOf(calculation, places[i]))
            r.calculation = places[i];
        else
            r.calculation = calculation.dump(-1, ' ', false, Json::error_handler_t::replace);
        revisions.push_back(std::move(r));
    }
    return revisions;
}

}  // namespace veltra
