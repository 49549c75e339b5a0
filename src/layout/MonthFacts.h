#pragma once

namespace pluvane {

struct MonthFacts {
    int firstcol = 0; // column of day 1: 0 Sunday .. 6 Saturday
    int daycount = 0;
};

// The proleptic Gregorian facts of one month. Throws EConvertError for a year
// outside 1..9999 or a month outside 1..12.
MonthFacts monthFacts(int year, int month);

} // namespace pluvane
