#pragma once
// Numbers as the user's regional settings write them. A text is numeric when,
// after blanks at both ends, it is an optional sign, digits with at most one
// regional decimal separator (at least one digit in all) and an optional
// exponent. With the decimal comma "12,5" is numeric and "12.5" is not.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltra {

struct DecimalParts {
    bool negative = false;
    std::string digits;     // integer and fraction digits, no separator
    int pointPosition = 0;  // digits before the decimal point, after the exponent
};

std::optional<DecimalParts> SplitDecimal(std::string_view text, char decimalSeparator);
std::optional<double> ParseNumber(std::string_view text, char decimalSeparator);
bool IsNumeric(std::string_view text, char decimalSeparator);

// Rounds to the nearest integer, a half to the even neighbour.
double RoundHalfEven(double value);

// A count field's value as a 16-bit whole number: numeric texts are rounded
// half to even; other texts and values outside -32768..32767 give 0.
int16_t CountFromText(std::string_view text, char decimalSeparator);
// The same for a number already read.
int16_t CountFromNumber(double value);

// The whole part of a value (truncated toward zero), saturating at the limits
// of long long; not-a-number gives 0. Typed texts such as "1e300" reach here.
long long WholeNumber(double value);

// The platform's default conversion of a double to text: up to 15 significant
// digits, no trailing zeros, the regional separator ("12", "2,5").
std::string NumberToText(double value, char decimalSeparator);

std::string_view TrimBlanks(std::string_view text);

}  // namespace veltra
