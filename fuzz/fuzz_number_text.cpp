// The money and number text parsers and formatters: whatever text is read as
// a value, the value's own text reads back as the same value and writes the
// same text; the money texts and the sheet's number formats take any value.
// Input: one byte choosing the decimal separator ("." or else ","), then text;
// the text's first eight bytes are also taken as a raw money value.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "catalogue/money.h"
#include "catalogue/number_text.h"
#include "check.h"
#include "report/workbook.h"

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

std::string Shown(double value, const char* format) {
    SheetCell cell;
    cell.kind = SheetCell::Kind::Number;
    cell.value = value;
    cell.format.numberFormat = format;
    return DisplayText(cell);
}

// The sheet's dollar text: "$", groups of three digits, two decimals; the
// digits read back as the value to the cent.
void CheckDollars(double value) {
    const std::string text = Shown(value, "[$$-409]#,##0.00");
    FUZZ_CHECK(!Shown(value, "0%").empty() && !Shown(value, "").empty());
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text == "#NUM!");
        return;
    }
    const size_t start = value < 0 ? 2 : 1;
    FUZZ_CHECK(text.compare(0, start, value < 0 ? "-$" : "$") == 0);
    std::string digits;
    const size_t point = text.size() - 3;
    FUZZ_CHECK(text[point] == '.');
    for (size_t i = start; i < text.size(); ++i) {
        const bool comma = i < point && (point - i) % 4 == 0;
        FUZZ_CHECK(comma == (text[i] == ','));
        if (!comma) digits += text[i];
    }
    const auto reread = ParseNumber(digits, '.');
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(std::fabs(*reread - std::fabs(value)) <= 0.005 + std::fabs(value) * 1e-15);
}

void CheckRawMoney(std::string_view text) {
    if (text.size() < 8) return;
    int64_t raw;
    std::memcpy(&raw, text.data(), 8);
    const Money money = Money::FromRaw(raw);
    CheckDollars(money.ToDouble());
    // The one value whose magnitude has no positive counterpart to parse.
    if (raw == std::numeric_limits<int64_t>::min()) return;
    for (const char separator : {',', '.'})
        FUZZ_CHECK(Money::Parse(money.RegionalText(separator), separator) == money);
    FUZZ_CHECK(Money::Parse(money.InvariantText(), '.') == money);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const char separator = data[0] == '.' ? '.' : ',';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckMoney(text, separator);
    CheckNumber(text, separator);
    if (const auto number = ParseNumber(text, separator)) CheckDollars(*number);
    CheckRawMoney(text);
    return 0;
}
