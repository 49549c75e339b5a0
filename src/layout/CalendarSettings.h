#pragma once

// Data flows through the layout in one direction: a CalendarSettings snapshot
// and a text measurer give the month facts and the CalendarGeometry
// (CalendarGeometry.h), and drawCalendar (CalendarDrawing.h) turns both into
// an ordered list of operations on an abstract Canvas (Canvas.h). Nothing
// here knows about Qt, files or the window.

#include "Color.h"
#include "FontSpec.h"

#include <optional>

namespace pluvane {

enum class TitlePosition { Left = 0, Centre = 1, Right = 2 };
enum class RulingPattern { Grid = 0, NumberBands = 1, RowsOnly = 2 };

// The calendar conventions beyond the plain grid; each default draws the
// picture exactly as without them.
enum class HolidayCalendar { None, Japan };     // holidays drawn in the Sunday red
enum class FirstWeekday { Sunday, Monday };     // the first column
enum class WeekdayLabels { English, Japanese }; // "SUN" .. "SAT" or "日" .. "土"
enum class TitleText {
    Month,     // "3"
    YearMonth, // "2027年3月"
    EraMonth,  // "令和9年3月"
    English,   // "March 2027"
};

// Everything one make reads, taken from the window at one moment.
struct CalendarSettings {
    int year = 1900;    // 1900..2500 from the year box
    int month = 1;      // 1..12 from the month box
    int titlemonth = 1; // the month the calendar control shows, printed as the title
    FontSpec font;      // the current font, whose colour is the day colour
    TColor daycolor = clWindowText;
    int xtrack = 10;   // extra cell width, 2..100
    int ytrack = 10;   // extra cell height, 1..100
    int montrack = 20; // title character height, 20..100
    int tukiiti = 1;   // title position: 0 left, 1 centre, 2 right
    int ptn = 0;       // ruling pattern 0, 1, 2
    TColor moncolor = clBlack;
    TColor weekcolor = clBlack;
    TColor linecolor = clBlack;

    HolidayCalendar holidays = HolidayCalendar::None;
    std::optional<TColor> saturdayColor; // Saturday numbers and label; none: as other days
    FirstWeekday firstWeekday = FirstWeekday::Sunday;
    WeekdayLabels weekdayLabels = WeekdayLabels::English;
    TitleText titleText = TitleText::Month;
};

} // namespace pluvane
