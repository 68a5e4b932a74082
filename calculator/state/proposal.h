#pragma once
// The commercial proposal: what a calculation's document says beyond the
// bill of materials (kept in its file), and the seller who sends it (kept
// once per machine with the program's settings).

#include <string>

#include "catalogue/money.h"

namespace veltra {

// A day of the civil calendar; year 0 means "not set".
struct CalendarDate {
    int year = 0, month = 0, day = 0;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
    friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

enum class ProposalCurrency { USD, RUB };

// How the document states VAT: prices that include it, VAT added on top, or
// none with a reason ("Без НДС (УСН)").
enum class VatMode { Included, OnTop, None };

inline constexpr int kDefaultVatRate = 22;
inline constexpr int kOfferedVatRates[] = {22, 20, 10, 7, 5, 0};
inline constexpr int kDefaultValidityDays = 30;

struct ProposalDetails {
    std::string customerOrganisation;
    std::string customerContact;  // contact person
    std::string customerReach;    // telephone and/or e-mail
    std::string number;           // "КП-2026-0042"
    CalendarDate date;
    CalendarDate validUntil;

    ProposalCurrency currency = ProposalCurrency::USD;
    Money rate;                 // roubles per dollar, positive for RUB
    CalendarDate rateDate;      // the day the rate was taken for
    Money rateMarkupPercent;    // over the rate, 0 for none ("+ 2 %")

    VatMode vatMode = VatMode::Included;
    int vatRate = kDefaultVatRate;  // percent
    std::string vatExemptReason;    // with VatMode::None: "УСН"

    std::string paymentTerms;
    std::string deliveryTerms;
    std::string warranty;
    std::string note;
    bool cabinetPage = false;  // the cabinet picture as the last page

    friend bool operator==(const ProposalDetails&, const ProposalDetails&) = default;
};

// The seller's details and the defaults of every new proposal.
struct SellerDetails {
    std::string organisation;
    std::string innKpp;  // "ИНН 7701234567 / КПП 770101001"
    std::string address;
    std::string telephone;
    std::string email;
    std::string website;
    std::string bankDetails;  // several lines, may be empty
    std::string signerPosition;
    std::string signerName;
    std::string logoPath;  // PNG or JPEG; empty for none

    // Defaults for a new proposal.
    std::string numberPrefix = "КП";  // "КП-2026-0042": prefix, year, counter
    int nextNumber = 1;
    int validityDays = kDefaultValidityDays;
    VatMode vatMode = VatMode::Included;
    int vatRate = kDefaultVatRate;
    std::string vatExemptReason;
    std::string paymentTerms;
    std::string deliveryTerms;
    std::string warranty;

    friend bool operator==(const SellerDetails&, const SellerDetails&) = default;
};

}  // namespace veltra
