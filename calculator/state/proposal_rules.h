#pragma once
// The rules of the proposal's details, one set for the dialog, the
// calculation file and the scenario language: what each text is called and
// how long it may be, which dates, rates and VAT are accepted, and the
// details a new proposal starts with.

#include <optional>
#include <string>
#include <string_view>

#include "state/proposal.h"

namespace veltra {

inline constexpr size_t kMaxLineChars = 300;    // a text on one line
inline constexpr size_t kMaxTermsChars = 3000;  // terms and notes, several lines
inline constexpr size_t kMaxNumberChars = 40;
inline constexpr size_t kMaxVatReasonChars = 100;
inline constexpr int kMaxVatRate = 99;
inline constexpr Money kMaxRate = Money::FromRaw(100'000 * Money::kScale);    // roubles per dollar
inline constexpr Money kMaxRateMarkup = Money::FromRaw(100 * Money::kScale);  // percent
inline constexpr int kMaxProposalCounter = 999'999;
inline constexpr int kMaxValidityDays = 3650;

// A text the user types: its scenario name, its caption and its bounds.
struct DetailText {
    const char* name;   // "customer"
    const char* label;  // "Организация"
    size_t maxChars;
    bool lines;  // several lines allowed
};

// The texts of the proposal dialog, in its order.
enum class ProposalField {
    Customer,
    Contact,
    Reach,
    Number,
    Date,
    ValidUntil,
    Rate,
    RateDate,
    Markup,
    VatRate,
    VatReason,
    Payment,
    Delivery,
    Warranty,
    Note,
};
inline constexpr size_t kProposalFieldCount = 15;
const DetailText& InfoOf(ProposalField field);

// Characters of a UTF-8 text; nullopt when it is no UTF-8.
std::optional<size_t> CharacterCount(std::string_view text);
// What is wrong with a text typed into `info`, "" when nothing: too long,
// not UTF-8, a control character (a line break, unless several lines are
// allowed).
std::string TextProblem(std::string_view text, const DetailText& info);

struct ProposalProblem {
    ProposalField field;
    std::string message;
};
// The first fault of a proposal's details as the dialog tells it: a text
// that TextProblem refuses, a date that is no day of the calendar, validity
// before the date, roubles without a positive rate and its date, a mark-up
// outside 0..100 %, a VAT rate outside 0..99 %, no VAT without a reason.
// Dates and the number may be unset (a proposal never confirmed).
std::optional<ProposalProblem> CheckProposal(const ProposalDetails& details);

// "КП-2026-0042": prefix, year, counter in four digits ("2026-0042" without
// a prefix).
std::string ProposalNumber(const std::string& prefix, int year, int counter);
// The number a new proposal of `year` is offered.
std::string OfferedNumber(const SellerDetails& seller, int year);
// The counter moves on once its number is taken.
void TakeProposalNumber(SellerDetails& seller);

// What a proposal starts with: the number offered for the year of `today`,
// today's date, valid for the seller's days, in dollars, with the VAT and
// terms of the seller's defaults. The customer and the note are kept.
ProposalDetails NewProposalDetails(const ProposalDetails& kept, const SellerDetails& seller,
                                   CalendarDate today);

// "НДС включен в цены", "НДС сверху", "Без НДС": the modes as the dialogs
// offer them.
const char* VatModeCaption(VatMode mode);
// "included", "ontop", "none": the modes as files, settings and scenarios
// name them.
const char* VatModeName(VatMode mode);
std::optional<VatMode> VatModeNamed(std::string_view name);

}  // namespace veltra
