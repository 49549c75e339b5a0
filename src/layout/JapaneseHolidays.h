#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pluvane {

// One day off that Japan's national holiday law makes: a national holiday,
// a substitute holiday ("<name> 振替休日") or a day between two holidays
// ("休日"). Names are UTF-8.
struct Holiday {
    int month = 0;
    int day = 0;
    std::string name;

    bool operator==(const Holiday&) const = default;
};

// The days off of one year in date order, by the law in force on each date:
// nothing before 1948-07-20, when the law took effect. Throws EConvertError
// for a year outside 1..2500: after 2500 the equinox days are not reliable.
std::vector<Holiday> japaneseHolidaysOf(int year);

// The name of the day off on that date, or nothing for an ordinary day.
// Throws EConvertError for an impossible date or a year outside 1..2500.
std::optional<std::string> japaneseHolidayName(int year, int month, int day);

// The days off of one month as bits: bit d is set when day d is one.
// Throws EConvertError for a month outside 1..12 or a year outside 1..2500.
std::uint32_t japaneseHolidayDaysOf(int year, int month);

} // namespace pluvane
