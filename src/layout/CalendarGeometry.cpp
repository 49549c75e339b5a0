#include "CalendarGeometry.h"

#include "MonthFacts.h"

namespace pluvane {

CalendarGeometry calendarLengths(const CalendarSettings& settings, const TextMeasurer& measurer)
{
    CalendarGeometry g;
    g.fontheight = settings.font.characterHeight();
    g.weekfontheight = 2 * g.fontheight / 3; // integer division truncates toward zero
    g.weekband = g.weekfontheight + 2;
    g.gridtop = settings.montrack + g.weekband + 5;
    g.cellheight = g.fontheight + settings.ytrack;
    // The cell is as wide as the widest two-digit day in the same font.
    g.cellwidth = measurer.textWidth(settings.font, "33") + settings.xtrack;
    g.picwidth = 7 * g.cellwidth;
    g.picheight = 6 * g.cellheight + g.gridtop;
    return g;
}

CalendarGeometry calendarGeometry(const CalendarSettings& settings, const TextMeasurer& measurer)
{
    const MonthFacts facts = monthFacts(settings.year, settings.month);
    CalendarGeometry g = calendarLengths(settings, measurer);
    // The columns run from the first weekday, Sunday (0) or Monday.
    g.firstcol = settings.firstWeekday == FirstWeekday::Monday ? (facts.firstcol + 6) % 7 : facts.firstcol;
    g.daycount = facts.daycount;
    return g;
}

SizeReadout sizeReadout(const CalendarGeometry& geometry)
{
    return { "MAX X=" + std::to_string(geometry.picwidth), "MAX Y=" + std::to_string(geometry.picheight) };
}

SizeReadout sizeReadout(const CalendarSettings& settings, const TextMeasurer& measurer)
{
    return sizeReadout(calendarLengths(settings, measurer));
}

} // namespace pluvane
