#include "money.h"

#include <cstdlib>

#include "number_text.h"

namespace veltra {

namespace {

int64_t CheckedAdd(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_add_overflow(a, b, &r)) throw OverflowError();
    return r;
}

int64_t CheckedMul(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw OverflowError();
    return r;
}

std::string Digits(int64_t raw, char separator) {
    const uint64_t magnitude = raw < 0 ? 0 - uint64_t(raw) : uint64_t(raw);
    std::string text = std::to_string(magnitude / Money::kScale);
    uint64_t fraction = magnitude % Money::kScale;
    if (fraction != 0) {
        std::string f = std::to_string(fraction);
        f.insert(0, 4 - f.size(), '0');
        while (f.back() == '0') f.pop_back();
        text += separator;
        text += f;
    }
    return text;
}

}  // namespace

Money Money::FromUnits(int64_t units) {
    return Money(CheckedMul(units, kScale));
}

Money operator+(Money a, Money b) {
    return Money(CheckedAdd(a.raw_, b.raw_));
}
Money operator-(Money a, Money b) {
    int64_t r;
    if (__builtin_sub_overflow(a.raw_, b.raw_, &r)) throw OverflowError();
    return Money(r);
}
Money operator*(Money a, Count qty) {
    return Money(CheckedMul(a.raw_, qty.value()));
}

std::string Money::InvariantText() const {
    return (raw_ < 0 ? "-" : " ") + Digits(raw_, '.');
}

std::string Money::RegionalText(char decimalSeparator) const {
    return (raw_ < 0 ? "-" : "") + Digits(raw_, decimalSeparator);
}

std::optional<Money> Money::Parse(std::string_view text, char decimalSeparator) {
    const auto parts = SplitDecimal(text, decimalSeparator);
    if (!parts) return std::nullopt;
    // Integer part and the first four fraction digits exactly; the rest only
    // decides the rounding.
    const std::string& d = parts->digits;
    const int point = parts->pointPosition;
    if (point > 18) {
        // Too large for a currency value unless all digits are zero.
        if (d.find_first_not_of('0') != std::string::npos) return std::nullopt;
        return Money();
    }
    int64_t raw = 0;
    const int lastKept = point + 4;  // digits with index < lastKept are kept
    for (int i = 0; i < lastKept; ++i) {
        const int digit = (i >= 0 && i < int(d.size())) ? d[i] - '0' : 0;
        if (__builtin_mul_overflow(raw, 10, &raw) || __builtin_add_overflow(raw, digit, &raw))
            return std::nullopt;
    }
    // Rounding: look at the dropped digits.
    int firstDropped = 0;
    bool restNonZero = false;
    for (int i = std::max(lastKept, 0); i < int(d.size()); ++i) {
        if (i == lastKept) {
            firstDropped = d[i] - '0';
        } else if (d[i] != '0') {
            restNonZero = true;
        }
    }
    if (lastKept < 0) {
        firstDropped = 0;  // all digits lie beyond the fourth decimal and below 0.00005
        restNonZero = false;
    }
    if (firstDropped > 5 || (firstDropped == 5 && (restNonZero || (raw & 1)))) {
        if (__builtin_add_overflow(raw, 1, &raw)) return std::nullopt;
    }
    return Money(parts->negative ? -raw : raw);
}

}  // namespace veltra
