#pragma once

#include <ostream>

namespace pluvane {

// The years --list-holidays accepts: from the year the holiday law took
// effect (1948-07-20) to the last year the holiday engine covers.
inline constexpr int firstHolidayYear = 1948;
inline constexpr int lastHolidayYear = 2500;

// Prints Japan's days off from the first to the last year, both included,
// one "YYYY-MM-DD<TAB>name" line each in date order.
void printHolidayList(int firstYear, int lastYear, std::ostream& out);

} // namespace pluvane
