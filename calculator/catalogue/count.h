#pragma once
// 16-bit signed counts with overflow-checked arithmetic. Every board, line and
// item quantity of the configuration is a Count; an overflow stops the running
// operation with OverflowError, which the event loop reports and survives.

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace veltra {

class OverflowError : public std::runtime_error {
  public:
    OverflowError() : std::runtime_error("Переполнение") {}
};

class Count {
  public:
    constexpr Count() = default;
    // Implicit so that literals mix with counts; out-of-range values throw.
    constexpr Count(long long v) : value_(Checked(v)) {}  // NOLINT

    constexpr int16_t value() const { return value_; }
    constexpr operator int() const { return value_; }  // NOLINT

    friend constexpr Count operator+(Count a, Count b) { return Count(int(a.value_) + b.value_); }
    friend constexpr Count operator-(Count a, Count b) { return Count(int(a.value_) - b.value_); }
    friend constexpr Count operator*(Count a, Count b) { return Count(int(a.value_) * b.value_); }
    friend constexpr Count operator+(Count a, int b) { return Count((long long)a.value_ + b); }
    friend constexpr Count operator-(Count a, int b) { return Count((long long)a.value_ - b); }
    friend constexpr Count operator*(Count a, int b) { return Count((long long)a.value_ * b); }
    friend constexpr Count operator+(int a, Count b) { return Count(a + (long long)b.value_); }
    friend constexpr Count operator-(int a, Count b) { return Count(a - (long long)b.value_); }
    friend constexpr Count operator*(int a, Count b) { return Count(a * (long long)b.value_); }
    constexpr Count& operator+=(Count b) { return *this = *this + b; }
    constexpr Count& operator-=(Count b) { return *this = *this - b; }

  private:
    static constexpr int16_t Checked(long long v) {
        if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
            throw OverflowError();
        return static_cast<int16_t>(v);
    }
    int16_t value_ = 0;
};

}  // namespace veltra
