#pragma once
// The rules of the seller's details: each one as a text the dialog and the
// program's settings hold, read back checked, and the logo's file.

#include <optional>
#include <string>

#include "state/proposal_rules.h"

namespace veltra {

inline constexpr size_t kMaxPrefixChars = 20;
// A logo is a small picture; anything larger is a slip of the file dialog.
inline constexpr size_t kMaxLogoBytes = 10 * 1024 * 1024;

// The texts of the seller dialog, in its order; the logo is a file of its own.
enum class SellerField {
    Organisation,
    InnKpp,
    Address,
    Telephone,
    Email,
    Website,
    BankDetails,
    SignerPosition,
    SignerName,
    NumberPrefix,
    NextNumber,
    ValidityDays,
    VatRate,
    VatReason,
    Payment,
    Delivery,
    Warranty,
};
inline constexpr size_t kSellerFieldCount = 17;
// `name` is also the field's key in the settings.
const DetailText& InfoOf(SellerField field);

// The value of a field as its entry shows it.
std::string SellerText(const SellerDetails& seller, SellerField field);
// Reads a typed text into its field: "" when taken, else why not (the field
// keeps its value).
std::string SetSellerText(SellerDetails& seller, SellerField field, const std::string& text);

struct SellerProblem {
    SellerField field;
    std::string message;
};
// What the fields cannot be on their own says SetSellerText; this checks
// the whole: no VAT needs its reason.
std::optional<SellerProblem> CheckSeller(const SellerDetails& seller);

// Why the logo file cannot be used, "" when it can: missing, unreadable,
// larger than kMaxLogoBytes or not a PNG or JPEG picture.
std::string LogoProblem(const std::string& path);

}  // namespace veltra
