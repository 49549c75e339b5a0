#pragma once

#include "CalendarSettings.h"
#include "TextMeasurer.h"

#include <string>

namespace pluvane {

// The integer measures of one picture, in pixels, origin top left.
struct CalendarGeometry {
    int fontheight = 0;
    int weekfontheight = 0;
    int weekband = 0;
    int gridtop = 0;
    int firstcol = 0; // the column of day 1, counted from the first weekday
    int daycount = 0;
    int cellheight = 0;
    int cellwidth = 0;
    int picwidth = 0;
    int picheight = 0;

    // The y of the rule between the title band and the weekday band.
    int topRule() const { return gridtop - weekband; }

    bool operator==(const CalendarGeometry&) const = default;
};

// The lengths only: everything but the month facts, which stay 0. Needs no
// valid date, so the size readout can be shown while a year is being typed.
// Throws EOutOfResources for settings so far out of range that a length does
// not fit 32 bits.
CalendarGeometry calendarLengths(const CalendarSettings& settings, const TextMeasurer& measurer);

// The month facts and all lengths. Throws EConvertError for an impossible
// date and EOutOfResources as calendarLengths does.
CalendarGeometry calendarGeometry(const CalendarSettings& settings, const TextMeasurer& measurer);

struct SizeReadout {
    std::string maxX; // "MAX X=" and the picture width
    std::string maxY; // "MAX Y=" and the picture height

    bool operator==(const SizeReadout&) const = default;
};

SizeReadout sizeReadout(const CalendarGeometry& geometry);
SizeReadout sizeReadout(const CalendarSettings& settings, const TextMeasurer& measurer);

} // namespace pluvane
