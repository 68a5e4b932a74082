#include "proposal_rules.h"

#include "calendar_date_input.h"
#include "catalogue/number_text.h"

namespace veltra {

namespace {

constexpr DetailText kFields[kProposalFieldCount] = {
    {"customer", "Организация", kMaxLineChars, false},
    {"contact", "Контактное лицо", kMaxLineChars, false},
    {"reach", "Телефон, e-mail", kMaxLineChars, false},
    {"number", "Номер", kMaxNumberChars, false},
    {"date", "Дата", 10, false},
    {"valid-until", "Действительно до", 10, false},
    {"rate", "Курс, руб. за 1 $", 20, false},
    {"rate-date", "Курс на дату", 10, false},
    {"markup", "Надбавка к курсу, %", 20, false},
    {"vat-rate", "Ставка НДС, %", 5, false},
    {"vat-reason", "Основание", kMaxVatReasonChars, false},
    {"payment", "Условия оплаты", kMaxTermsChars, true},
    {"delivery", "Условия поставки", kMaxTermsChars, true},
    {"warranty", "Гарантия", kMaxTermsChars, true},
    {"note", "Примечание", kMaxTermsChars, true},
};

std::string Quoted(const std::string& text) {
    return "\u00AB" + text + "\u00BB";
}

}  // namespace

const DetailText& InfoOf(ProposalField field) {
    return kFields[size_t(field)];
}

std::optional<size_t> CharacterCount(std::string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++count) {
        const auto byte = static_cast<unsigned char>(text[i]);
        size_t length = 1;
        unsigned minimum = 0, value = byte;
        if (byte >= 0xF0 && byte <= 0xF4) {
            length = 4, minimum = 0x10000, value = byte & 0x07;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            length = 3, minimum = 0x800, value = byte & 0x0F;
        } else if (byte >= 0xC2 && byte <= 0xDF) {
            length = 2, minimum = 0x80, value = byte & 0x1F;
        } else if (byte >= 0x80) {
            return std::nullopt;
        }
        if (i + length > text.size()) return std::nullopt;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            value = value << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode.
        if (value < minimum || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
            return std::nullopt;
        i += length;
    }
    return count;
}

std::string TextProblem(std::string_view text, const DetailText& info) {
    const std::string field = "Поле " + Quoted(info.label);
    const auto count = CharacterCount(text);
    if (!count) return field + " содержит знаки не в кодировке UTF-8.";
    if (*count > info.maxChars) {
        return field + " может содержать не больше " + std::to_string(info.maxChars) +
               " знаков, в нем " + std::to_string(*count) + ".";
    }
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n' && !info.lines) return field + " занимает одну строку.";
        if ((byte < 0x20 && c != '\n' && c != '\t') || byte == 0x7F)
            return field + " содержит управляющий символ.";
    }
    return "";
}

std::optional<ProposalProblem> CheckProposal(const ProposalDetails& d) {
    const std::pair<ProposalField, const std::string*> texts[] = {
        {ProposalField::Customer, &d.customerOrganisation},
        {ProposalField::Contact, &d.customerContact},
        {ProposalField::Reach, &d.customerReach},
        {ProposalField::Number, &d.number},
        {ProposalField::VatReason, &d.vatExemptReason},
        {ProposalField::Payment, &d.paymentTerms},
        {ProposalField::Delivery, &d.deliveryTerms},
        {ProposalField::Warranty, &d.warranty},
        {ProposalField::Note, &d.note},
    };
    for (const auto& [field, text] : texts) {
        std::string problem = TextProblem(*text, InfoOf(field));
        if (!problem.empty()) return ProposalProblem{field, std::move(problem)};
    }
    const std::pair<ProposalField, CalendarDate> dates[] = {
        {ProposalField::Date, d.date},
        {ProposalField::ValidUntil, d.validUntil},
        {ProposalField::RateDate, d.rateDate},
    };
    for (const auto& [field, date] : dates) {
        if (IsDateSet(date) && !IsRealDate(date)) {
            return ProposalProblem{
                field, "Поле " + Quoted(InfoOf(field).label) + ": такого дня нет в календаре."};
        }
    }
    if (IsDateSet(d.date) && IsDateSet(d.validUntil) && d.validUntil < d.date) {
        return ProposalProblem{ProposalField::ValidUntil,
                               "Предложение не может быть действительно до " +
                                   TypedDateText(d.validUntil) + " — это раньше его даты " +
                                   TypedDateText(d.date) + "."};
    }
    const bool rub = d.currency == ProposalCurrency::RUB;
    if (d.rate < Money() || d.rate > kMaxRate || (rub && d.rate == Money())) {
        return ProposalProblem{ProposalField::Rate,
                               "Курс — положительное число рублей за доллар, не больше 100 000, "
                               "например 95,50."};
    }
    if (rub && !IsDateSet(d.rateDate)) {
        return ProposalProblem{ProposalField::RateDate,
                               "Укажите дату курса в виде ДД.ММ.ГГГГ, например 09.12.2026."};
    }
    if (d.rateMarkupPercent < Money() || d.rateMarkupPercent > kMaxRateMarkup) {
        return ProposalProblem{
            ProposalField::Markup,
            "Надбавка к курсу — число процентов от 0 до 100 (0 — без надбавки)."};
    }
    if (d.vatRate < 0 || d.vatRate > kMaxVatRate) {
        return ProposalProblem{ProposalField::VatRate,
                               "Ставка НДС — целое число процентов от 0 до 99, например 22."};
    }
    if (d.vatMode == VatMode::None && TrimBlanks(d.vatExemptReason).empty()) {
        return ProposalProblem{ProposalField::VatReason,
                               "Укажите, почему предложение без НДС, например «УСН»."};
    }
    return std::nullopt;
}

std::string ProposalNumber(const std::string& prefix, int year, int counter) {
    std::string digits = std::to_string(counter);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    return (prefix.empty() ? "" : prefix + "-") + std::to_string(year) + "-" + digits;
}

std::string OfferedNumber(const SellerDetails& seller, int year) {
    return ProposalNumber(seller.numberPrefix, year, seller.nextNumber);
}

void TakeProposalNumber(SellerDetails& seller) {
    if (seller.nextNumber < kMaxProposalCounter) ++seller.nextNumber;
}

ProposalDetails NewProposalDetails(const ProposalDetails& kept, const SellerDetails& seller,
                                   CalendarDate today) {
    ProposalDetails d;
    d.customerOrganisation = kept.customerOrganisation;
    d.customerContact = kept.customerContact;
    d.customerReach = kept.customerReach;
    d.note = kept.note;
    d.number = kept.number.empty() ? OfferedNumber(seller, today.year) : kept.number;
    d.date = today;
    d.validUntil = AddDays(today, seller.validityDays);
    d.vatMode = seller.vatMode;
    d.vatRate = seller.vatRate;
    d.vatExemptReason = seller.vatMode == VatMode::None ? seller.vatExemptReason : "";
    d.paymentTerms = seller.paymentTerms;
    d.deliveryTerms = seller.deliveryTerms;
    d.warranty = seller.warranty;
    d.cabinetPage = kept.cabinetPage;
    return d;
}

const char* VatModeCaption(VatMode mode) {
    switch (mode) {
        case VatMode::Included:
            return "НДС включен в цены";
        case VatMode::OnTop:
            return "НДС сверху";
        case VatMode::None:
            return "Без НДС";
    }
    return "";
}

const char* VatModeName(VatMode mode) {
    switch (mode) {
        case VatMode::Included:
            return "included";
        case VatMode::OnTop:
            return "ontop";
        case VatMode::None:
            return "none";
    }
    return "";
}

std::optional<VatMode> VatModeNamed(std::string_view name) {
    for (VatMode mode : {VatMode::Included, VatMode::OnTop, VatMode::None}) {
        if (name == VatModeName(mode)) return mode;
    }
    return std::nullopt;
}

}  // namespace veltra
