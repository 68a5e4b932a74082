#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace veltra {

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<DecimalParts> SplitDecimal(std::string_view text, char decimalSeparator) {
    text = TrimBlanks(text);
    DecimalParts parts;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) parts.negative = text[i++] == '-';
    int integerDigits = 0;
    bool seenSeparator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            parts.digits.push_back(c);
            if (!seenSeparator) ++integerDigits;
        } else if (c == decimalSeparator && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (parts.digits.empty()) return std::nullopt;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        const size_t start = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == start) return std::nullopt;
        if (negativeExponent) exponent = -exponent;
    }
    if (i != text.size()) return std::nullopt;
    parts.pointPosition = integerDigits + int(exponent);
    return parts;
}

std::optional<double> ParseNumber(std::string_view text, char decimalSeparator) {
    const auto parts = SplitDecimal(text, decimalSeparator);
    if (!parts) return std::nullopt;
    // Rebuild in the C form that from_chars reads, whatever the separator was.
    std::string plain = "0." + parts->digits + "e" + std::to_string(parts->pointPosition);
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = parts->pointPosition > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return parts->negative ? -value : value;
}

bool IsNumeric(std::string_view text, char decimalSeparator) {
    return SplitDecimal(text, decimalSeparator).has_value();
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

int16_t CountFromText(std::string_view text, char decimalSeparator) {
    return CountFromNumber(ParseNumber(text, decimalSeparator).value_or(0.0));
}

int16_t CountFromNumber(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return 0;
    return static_cast<int16_t>(rounded);
}

long long WholeNumber(double value) {
    if (std::isnan(value)) return 0;
    // 2^63 is exact in a double; anything at or beyond it saturates.
    constexpr double kLimit = 9223372036854775808.0;
    if (value >= kLimit) return std::numeric_limits<long long>::max();
    if (value <= -kLimit) return std::numeric_limits<long long>::min();
    return static_cast<long long>(value);
}

std::string NumberToText(double value, char decimalSeparator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    if (text == "-0") text = "0";
    for (char& c : text) {
        if (c == '.') c = decimalSeparator;
    }
    return text;
}

}  // namespace veltra
