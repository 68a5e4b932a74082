#include "seller_rules.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "catalogue/number_text.h"

namespace veltra {

namespace {

constexpr DetailText kFields[kSellerFieldCount] = {
    {"organisation", "Организация", kMaxLineChars, false},
    {"innKpp", "ИНН / КПП", kMaxLineChars, false},
    {"address", "Адрес", kMaxLineChars, false},
    {"telephone", "Телефон", kMaxLineChars, false},
    {"email", "E-mail", kMaxLineChars, false},
    {"website", "Сайт", kMaxLineChars, false},
    {"bankDetails", "Банковские реквизиты", kMaxTermsChars, true},
    {"signerPosition", "Должность подписывающего", kMaxLineChars, false},
    {"signerName", "Подписывающий (ФИО)", kMaxLineChars, false},
    {"numberPrefix", "Префикс номера", kMaxPrefixChars, false},
    {"nextNumber", "Следующий номер", 6, false},
    {"validityDays", "Срок действия, дней", 4, false},
    {"vatRate", "Ставка НДС, %", 5, false},
    {"vatExemptReason", "Основание «Без НДС»", kMaxVatReasonChars, false},
    {"paymentTerms", "Условия оплаты", kMaxTermsChars, true},
    {"deliveryTerms", "Условия поставки", kMaxTermsChars, true},
    {"warranty", "Гарантия", kMaxTermsChars, true},
};

std::string Quoted(const std::string& text) {
    return "\u00AB" + text + "\u00BB";
}

// The member holding a text field; nullptr for the whole numbers.
template <class Seller>
auto TextOf(Seller& s, SellerField field) -> decltype(&s.organisation) {
    switch (field) {
        case SellerField::Organisation:
            return &s.organisation;
        case SellerField::InnKpp:
            return &s.innKpp;
        case SellerField::Address:
            return &s.address;
        case SellerField::Telephone:
            return &s.telephone;
        case SellerField::Email:
            return &s.email;
        case SellerField::Website:
            return &s.website;
        case SellerField::BankDetails:
            return &s.bankDetails;
        case SellerField::SignerPosition:
            return &s.signerPosition;
        case SellerField::SignerName:
            return &s.signerName;
        case SellerField::NumberPrefix:
            return &s.numberPrefix;
        case SellerField::VatReason:
            return &s.vatExemptReason;
        case SellerField::Payment:
            return &s.paymentTerms;
        case SellerField::Delivery:
            return &s.deliveryTerms;
        case SellerField::Warranty:
            return &s.warranty;
        default:
            return nullptr;
    }
}

struct Whole {
    int SellerDetails::*member;
    int min, max;
    const char* what;
};

std::optional<Whole> WholeOf(SellerField field) {
    switch (field) {
        case SellerField::NextNumber:
            return Whole{&SellerDetails::nextNumber, 1, kMaxProposalCounter,
                         "номер — целое число от 1 до 999999"};
        case SellerField::ValidityDays:
            return Whole{&SellerDetails::validityDays, 1, kMaxValidityDays,
                         "срок — целое число дней от 1 до 3650"};
        case SellerField::VatRate:
            return Whole{&SellerDetails::vatRate, 0, kMaxVatRate,
                         "ставка — целое число процентов от 0 до 99"};
        default:
            return std::nullopt;
    }
}

bool LooksLikeEmail(const std::string& text) {
    const size_t at = text.find('@');
    return at != std::string::npos && at > 0 && at + 1 < text.size() &&
           text.find_first_of(" \t,;") == std::string::npos;
}

}  // namespace

const DetailText& InfoOf(SellerField field) {
    return kFields[size_t(field)];
}

std::string SellerText(const SellerDetails& seller, SellerField field) {
    if (const auto whole = WholeOf(field)) return std::to_string(seller.*(whole->member));
    return *TextOf(seller, field);
}

std::string SetSellerText(SellerDetails& seller, SellerField field, const std::string& typed) {
    const DetailText& info = InfoOf(field);
    const std::string text = info.lines ? typed : std::string(TrimBlanks(typed));
    const std::string label = "Поле " + Quoted(info.label);
    // A number says what it must be, whatever was typed.
    if (const auto whole = WholeOf(field)) {
        std::string digits = text;
        if (field == SellerField::VatRate && !digits.empty() && digits.back() == '%')
            digits = std::string(TrimBlanks(digits.substr(0, digits.size() - 1)));
        const bool number = !digits.empty() && digits.size() <= 7 &&
                            digits.find_first_not_of("0123456789") == std::string::npos;
        const int value = number ? std::stoi(digits) : -1;
        if (value < whole->min || value > whole->max) return label + ": " + whole->what + ".";
        seller.*(whole->member) = value;
        return "";
    }
    std::string problem = TextProblem(typed, info);
    if (!problem.empty()) return problem;
    if (field == SellerField::Email && !text.empty() && !LooksLikeEmail(text))
        return label + ": " + Quoted(text) + " — не адрес электронной почты.";
    *TextOf(seller, field) = text;
    return "";
}

std::optional<SellerProblem> CheckSeller(const SellerDetails& seller) {
    if (seller.vatMode == VatMode::None && TrimBlanks(seller.vatExemptReason).empty()) {
        return SellerProblem{SellerField::VatReason,
                             "Укажите, почему предложения без НДС, например «УСН»."};
    }
    return std::nullopt;
}

std::string LogoProblem(const std::string& path) {
    const std::string file = "Файл " + Quoted(path);
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) return file + " не найден.";
    if (!std::filesystem::is_regular_file(status)) return file + " — не рисунок.";
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return file + " не читается.";
    if (size > kMaxLogoBytes) return file + " слишком велик для логотипа (больше 10 МБ).";
    std::ifstream in(path, std::ios::binary);
    char head[8] = {};
    if (in) in.read(head, sizeof head);
    if (!in.is_open() || in.bad()) return file + " не читается.";
    const std::string start(head, size_t(in.gcount()));
    if (start == std::string("\x89PNG\r\n\x1A\n", 8) || start.rfind("\xFF\xD8\xFF", 0) == 0)
        return "";
    return file + " — не рисунок PNG или JPEG.";
}

}  // namespace veltra
