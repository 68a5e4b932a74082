#include "calendar_date_input.h"

#include <chrono>
#include <ctime>

namespace veltra {

namespace {

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 and back, counted in eras of 400 years from March, so
// that the leap day comes last.
long long DaysFromCivil(CalendarDate date) {
    const long long y = date.year - (date.month <= 2);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (date.month + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + date.day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CalendarDate CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int day = int(doy - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    return {int(yoe + era * 400 + (month <= 2)), month, day};
}

// Reads `width` digits at `at` (exactly, or 1..width when `exact` is false).
std::optional<int> Digits(std::string_view text, size_t& at, size_t width, bool exact) {
    size_t n = 0;
    int value = 0;
    while (at + n < text.size() && n < width && text[at + n] >= '0' && text[at + n] <= '9')
        value = value * 10 + (text[at + n++] - '0');
    if (n == 0 || (exact && n != width)) return std::nullopt;
    at += n;
    return value;
}

bool Take(std::string_view text, size_t& at, char c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

std::string TwoDigits(int n) {
    return std::string(1, char('0' + n / 10 % 10)) + char('0' + n % 10);
}

std::string FourDigits(int n) {
    return TwoDigits(n / 100) + TwoDigits(n % 100);
}

std::optional<CalendarDate> Real(CalendarDate date) {
    if (!IsRealDate(date)) return std::nullopt;
    return date;
}

}  // namespace

bool IsRealDate(CalendarDate date) {
    return date.year >= kMinDateYear && date.year <= kMaxDateYear && date.month >= 1 &&
           date.month <= 12 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

std::optional<CalendarDate> ParseTypedDate(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    size_t at = 0;
    const auto day = Digits(text, at, 2, false);
    if (!day || !Take(text, at, '.')) return std::nullopt;
    const auto month = Digits(text, at, 2, false);
    if (!month || !Take(text, at, '.')) return std::nullopt;
    const auto year = Digits(text, at, 4, true);
    if (!year || at != text.size()) return std::nullopt;
    return Real({*year, *month, *day});
}

std::string TypedDateText(CalendarDate date) {
    if (!IsDateSet(date)) return "";
    return TwoDigits(date.day) + "." + TwoDigits(date.month) + "." + FourDigits(date.year);
}

std::optional<CalendarDate> ParseFileDate(std::string_view text) {
    size_t at = 0;
    const auto year = Digits(text, at, 4, true);
    if (!year || !Take(text, at, '-')) return std::nullopt;
    const auto month = Digits(text, at, 2, true);
    if (!month || !Take(text, at, '-')) return std::nullopt;
    const auto day = Digits(text, at, 2, true);
    if (!day || at != text.size()) return std::nullopt;
    return Real({*year, *month, *day});
}

std::string FileDateText(CalendarDate date) {
    if (!IsDateSet(date)) return "";
    return FourDigits(date.year) + "-" + TwoDigits(date.month) + "-" + TwoDigits(date.day);
}

CalendarDate AddDays(CalendarDate date, int days) {
    return CivilFromDays(DaysFromCivil(date) + days);
}

int DaysBetween(CalendarDate from, CalendarDate to) {
    return int(DaysFromCivil(to) - DaysFromCivil(from));
}

CalendarDate LocalToday() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace veltra
