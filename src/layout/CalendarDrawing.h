#pragma once

#include "CalendarGeometry.h"
#include "CalendarSettings.h"
#include "Canvas.h"

namespace pluvane {

// Paints one month in a fixed order: set-up, vertical rules, horizontal rules
// (with the number-band rules of pattern 2), bottom and top borders, day
// numbers, the month title and the weekday labels. Leaves the weekday-label
// font selected.
//
// Sunday numbers and holidays (with settings.holidays) are red whatever their
// column, Saturdays take settings.saturdayColor when one is set, the columns
// run from settings.firstWeekday, and the title is calendarTitle's text
// (CalendarTitle.h), placed by its own width.
void drawCalendar(Canvas& canvas, const CalendarSettings& settings, const CalendarGeometry& geometry);

} // namespace pluvane
