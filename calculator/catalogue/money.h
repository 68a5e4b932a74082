#pragma once
// Prices and totals: a fixed-point decimal with four fractional digits held in
// a 64-bit integer, so sums of prices are exact. Arithmetic is overflow-checked.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "count.h"

namespace veltra {

class Money {
  public:
    static constexpr int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money FromRaw(int64_t raw) { return Money(raw); }
    static Money FromUnits(int64_t units);  // whole dollars

    constexpr int64_t raw() const { return raw_; }
    double ToDouble() const { return double(raw_) / kScale; }

    friend Money operator+(Money a, Money b);
    friend Money operator-(Money a, Money b);
    friend Money operator*(Money a, Count qty);
    Money& operator+=(Money b) { return *this = *this + b; }

    friend constexpr bool operator==(Money a, Money b) = default;
    friend constexpr auto operator<=>(Money a, Money b) = default;

    // Locale-independent text of the status bar: a leading blank for values of
    // zero and above (minus sign otherwise), point, no trailing zeros: " 1234.5".
    std::string InvariantText() const;
    // Regional text for lists and boxes: the given decimal separator, no
    // grouping, no trailing zeros, no leading blank: "31,5", "10", "-3,25".
    std::string RegionalText(char decimalSeparator) const;

    // Parses a number written in the regional format (see number_text.h);
    // digits beyond the fourth decimal are rounded half to even.
    static std::optional<Money> Parse(std::string_view text, char decimalSeparator);

  private:
    explicit constexpr Money(int64_t raw) : raw_(raw) {}
    int64_t raw_ = 0;
};

}  // namespace veltra
