#include "seller_settings.h"

#include "seller_rules.h"

namespace veltra {

namespace {

const char* const kVatModeKey = "vatMode";
const char* const kLogoKey = "logoPath";

}  // namespace

std::vector<std::pair<std::string, std::string>> SellerSettings(const SellerDetails& seller) {
    std::vector<std::pair<std::string, std::string>> values;
    for (size_t i = 0; i < kSellerFieldCount; ++i)
        values.emplace_back(InfoOf(SellerField(i)).name, SellerText(seller, SellerField(i)));
    values.emplace_back(kVatModeKey, VatModeName(seller.vatMode));
    values.emplace_back(kLogoKey, seller.logoPath);
    return values;
}

SellerDetails SellerFromSettings(const SettingsValue& value) {
    SellerDetails seller;
    for (size_t i = 0; i < kSellerFieldCount; ++i) {
        const auto field = SellerField(i);
        if (const auto text = value(InfoOf(field).name)) SetSellerText(seller, field, *text);
    }
    if (const auto name = value(kVatModeKey)) {
        const auto mode = VatModeNamed(*name);
        SellerDetails candidate = seller;
        if (mode) candidate.vatMode = *mode;
        if (mode && !CheckSeller(candidate)) seller = candidate;
    }
    // The logo is checked when a document is made: a file that has gone is
    // told then, and the setting kept for when it is back.
    if (const auto logo = value(kLogoKey)) {
        if (TextProblem(*logo, DetailText{"", "", 4096, false}).empty()) seller.logoPath = *logo;
    }
    return seller;
}

}  // namespace veltra
