#pragma once
// Dates as a user types them ("09.12.2026") and as the calculation file keeps
// them ("2026-12-09"), each checked to be a day of the calendar, and the
// arithmetic of a validity: a date and a number of days.

#include <optional>
#include <string>
#include <string_view>

#include "proposal.h"

namespace veltra {

// The years a proposal, its validity or a rate's date may fall in.
inline constexpr int kMinDateYear = 1900;
inline constexpr int kMaxDateYear = 2999;

inline bool IsDateSet(CalendarDate date) {
    return date != CalendarDate{};
}
// A day the calendar has, in kMinDateYear..kMaxDateYear.
bool IsRealDate(CalendarDate date);

// "09.12.2026" or "9.12.2026", blanks at both ends ignored; nullopt for any
// other text and for a day the calendar lacks ("31.02.2026").
std::optional<CalendarDate> ParseTypedDate(std::string_view text);
// "09.12.2026"; "" when not set.
std::string TypedDateText(CalendarDate date);

// "2026-12-09" exactly; nullopt otherwise.
std::optional<CalendarDate> ParseFileDate(std::string_view text);
// "2026-12-09"; "" when not set.
std::string FileDateText(CalendarDate date);

// The day `days` after `date` (before it when negative); a real date stays
// real within the years of the proleptic Gregorian calendar.
CalendarDate AddDays(CalendarDate date, int days);
// Days from `from` to `to`, negative when `to` is earlier.
int DaysBetween(CalendarDate from, CalendarDate to);

// Today in the local time zone.
CalendarDate LocalToday();

}  // namespace veltra
