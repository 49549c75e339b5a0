#pragma once

#include "layout/CalendarSettings.h"

namespace pluvane::fixtures {

// March 1998 (day 1 a Sunday) at the window's default settings, in black:
// the month the hand-worked numbers of the tests are for.
inline CalendarSettings march1998()
{
    CalendarSettings s;
    s.year = 1998;
    s.month = 3;
    s.titlemonth = 3;
    s.font.color = s.daycolor = clBlack;
    return s;
}

} // namespace pluvane::fixtures
