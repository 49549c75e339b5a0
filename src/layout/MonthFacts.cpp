#include "MonthFacts.h"

#include "Errors.h"

namespace pluvane {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

static int daysInMonth(int year, int month)
{
    static constexpr int lengths[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

MonthFacts monthFacts(int year, int month)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12)
        throw EConvertError();

    // Day number of the 1st, counting 0001-01-01 as day 1; that day is a
    // Monday, so the day number mod 7 is the weekday with Sunday as 0.
    const long long y = year - 1;
    long long dayNumber = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m)
        dayNumber += daysInMonth(year, m);
    dayNumber += 1;

    return { static_cast<int>(dayNumber % 7), daysInMonth(year, month) };
}

} // namespace pluvane
