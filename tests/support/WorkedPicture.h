#pragma once

#include "FixedWidthMeasurer.h"
#include "ReferenceScreen.h"
#include "WorkedExample.h"

#include "picture/MakeCalendar.h"

namespace pluvane::fixtures {

// The worked example made into a picture, measured with six-pixel digits
// and recorded against the reference screen: 154 x 167 pixels.
inline MadeCalendar madeMarch1998(const CalendarSettings& settings = march1998())
{
    static const FixedWidthMeasurer sixPixelDigits(6);
    return makeCalendar(settings, sixPixelDigits, referenceScreen);
}

} // namespace pluvane::fixtures
