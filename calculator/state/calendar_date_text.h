#pragma once
// A calendar date as the documents write it: "09.12.2026".

#include <cstdio>
#include <string>

#include "proposal.h"

namespace veltra {

// "DD.MM.YYYY" with leading zeros; empty for a date that is not set.
inline std::string DateText(const CalendarDate& date) {
    if (date.year == 0) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    return text;
}

}  // namespace veltra
