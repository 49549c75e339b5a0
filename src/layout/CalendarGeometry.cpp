#include "CalendarGeometry.h"

#include "Errors.h"
#include "MonthFacts.h"

#include <cstdint>
#include <limits>

namespace pluvane {

namespace {

// A length worked out in 64 bits, kept only when it fits the picture's
// 32-bit measures: settings far out of range are refused here, before any
// text is measured with them or anything is recorded.
int fitted(std::int64_t length)
{
    if (length < std::numeric_limits<int>::min() || length > std::numeric_limits<int>::max())
        throw EOutOfResources();
    return static_cast<int>(length);
}

} // namespace

CalendarGeometry calendarLengths(const CalendarSettings& settings, const TextMeasurer& measurer)
{
    CalendarGeometry g;
    // The character height is the negated Font.Height; the one height whose
    // negation does not fit is refused rather than wrapped.
    g.fontheight = fitted(-std::int64_t { settings.font.height });
    g.weekfontheight = fitted(2 * std::int64_t { g.fontheight } / 3); // truncates toward zero
    g.weekband = fitted(std::int64_t { g.weekfontheight } + 2);
    g.gridtop = fitted(std::int64_t { settings.montrack } + g.weekband + 5);
    g.cellheight = fitted(std::int64_t { g.fontheight } + settings.ytrack);
    // The cell is as wide as the widest two-digit day in the same font.
    g.cellwidth = fitted(std::int64_t { measurer.textWidth(settings.font, "33") } + settings.xtrack);
    g.picwidth = fitted(7 * std::int64_t { g.cellwidth });
    g.picheight = fitted(6 * std::int64_t { g.cellheight } + g.gridtop);
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
