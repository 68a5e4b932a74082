// The money and number text parsers: whatever text is read as a value, the
// value's own text reads back as the same value and writes the same text.
// Input: one byte choosing the decimal separator ("." or else ","), then text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/money.h"
#include "catalogue/number_text.h"
#include "check.h"

using namespace veltra;

namespace {

void CheckMoney(std::string_view text, char separator) {
    const auto money = Money::Parse(text, separator);
    if (!money) return;
    FUZZ_CHECK(IsNumeric(text, separator));
    const std::string regional = money->RegionalText(separator);
    FUZZ_CHECK(Money::Parse(regional, separator) == money);
    FUZZ_CHECK(Money::Parse(money->InvariantText(), '.') == money);
    // The double reading of the same text agrees within the money's rounding.
    const auto number = ParseNumber(text, separator);
    FUZZ_CHECK(number.has_value());
    const double difference = std::fabs(money->ToDouble() - *number);
    FUZZ_CHECK(difference <= 0.00005 + std::fabs(*number) * 1e-15);
}

void CheckNumber(std::string_view text, char separator) {
    const auto number = ParseNumber(text, separator);
    FUZZ_CHECK(number.has_value() == IsNumeric(text, separator));
    const int16_t count = CountFromText(text, separator);
    if (!number) {
        FUZZ_CHECK(count == 0);
        return;
    }
    const double rounded = RoundHalfEven(*number);
    if (rounded >= -32768.0 && rounded <= 32767.0) {
        FUZZ_CHECK(count == rounded);
        FUZZ_CHECK(CountFromText(std::to_string(count), separator) == count);
    } else {
        FUZZ_CHECK(count == 0);
    }
    if (!std::isfinite(*number)) return;
    const std::string written = NumberToText(*number, separator);
    const auto reread = ParseNumber(written, separator);
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(NumberToText(*reread, separator) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const char separator = data[0] == '.' ? '.' : ',';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckMoney(text, separator);
    CheckNumber(text, separator);
    return 0;
}
