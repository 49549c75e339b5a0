#pragma once

// The worked-example month as a picture on several screens, and what it
// draws, for the Windows-metafile tests.

#include "support/FixedWidthMeasurer.h"
#include "support/ReferenceScreen.h"
#include "support/WorkedExample.h"

#include "picture/MakeCalendar.h"

#include <string>
#include <vector>

namespace pluvane::fixtures {

// Ten millimetres a pixel: the 154 x 167 px calendar is 1.54 m x 1.67 m.
inline constexpr ScreenMetrics coarseScreen { 100, 100, 1000, 1000 };
// Fine across, coarse down: only the height is too long for 0.01 mm.
inline constexpr ScreenMetrics tallPixelScreen { 800, 100, 280, 1000 };

inline Picture marchPicture(const ScreenMetrics& screen = referenceScreen, int ptn = 0)
{
    static const FixedWidthMeasurer sixPixelDigits(6);
    CalendarSettings s = march1998();
    s.ptn = ptn;
    return makeCalendar(s, sixPixelDigits, screen).picture;
}

// What March 1998 draws, in drawing order: the day numbers, the title, the
// weekday labels.
inline std::vector<std::string> marchTexts()
{
    std::vector<std::string> texts;
    for (int day = 1; day <= 31; ++day)
        texts.push_back(std::to_string(day));
    texts.push_back("3");
    for (const char* label : { "SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT" })
        texts.push_back(label);
    return texts;
}

// The 1st is a Sunday, so days 1, 8, 15, 22, 29 and "SUN" are red.
inline bool isRedInMarch(std::size_t textIndex, const std::string& text)
{
    return (textIndex < 31 && textIndex % 7 == 0) || text == "SUN";
}

} // namespace pluvane::fixtures
