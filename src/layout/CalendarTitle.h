#pragma once

#include "CalendarSettings.h"

#include <string>

namespace pluvane {

// The title the picture prints for the settings' year and title month, in
// the form their titleText asks for: "3", "2027年3月", "令和9年3月" (the
// first year of an era is "元年") or "March 2027". UTF-8.
//
// The era is the one in force on the month's first day: 明治, 大正 from
// 1912-07-30, 昭和 from 1926-12-25, 平成 from 1989-01-08 and 令和 from
// 2019-05-01, which continues. A month before 1868, when the era names in
// this list begin, is titled with its year instead.
std::string calendarTitle(const CalendarSettings& settings);

} // namespace pluvane
