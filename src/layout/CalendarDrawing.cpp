#include "CalendarDrawing.h"

#include "CalendarTitle.h"
#include "JapaneseHolidays.h"

#include <cstdint>
#include <string>

namespace pluvane {

namespace {

void drawVerticalRules(Canvas& canvas, const CalendarGeometry& g)
{
    const int top = g.topRule();
    const int bottom = g.picheight - 1;
    const int right = g.picwidth - 1;
    for (int i = 0; i <= 6; ++i) {
        canvas.moveTo(i * g.cellwidth, top);
        canvas.lineTo(i * g.cellwidth, bottom);
    }
    canvas.moveTo(right, top);
    canvas.lineTo(right, bottom);
}

void drawHorizontalRules(Canvas& canvas, const CalendarGeometry& g, bool numberBands)
{
    const int right = g.picwidth - 1;
    for (int i = 0; i <= 5; ++i) {
        const int y = g.gridtop + i * g.cellheight;
        canvas.moveTo(0, y);
        canvas.lineTo(right, y);
        if (numberBands) {
            // The band under the day number is as tall as the canvas font.
            const int bandY = y + canvas.font().characterHeight() + 5;
            canvas.moveTo(0, bandY);
            canvas.lineTo(right, bandY);
        }
    }
}

void drawBorders(Canvas& canvas, const CalendarGeometry& g)
{
    const int right = g.picwidth - 1;
    canvas.moveTo(0, g.picheight - 1);
    canvas.lineTo(right, g.picheight - 1);
    canvas.moveTo(0, g.topRule());
    canvas.lineTo(right, g.topRule());
}

// The weekday of a column: 0 Sunday .. 6 Saturday.
int weekdayOf(int column, FirstWeekday first)
{
    return first == FirstWeekday::Monday ? (column + 1) % 7 : column;
}

// Sundays and holidays are red; Saturdays take their own colour when one is set.
TColor dayNumberColor(const CalendarSettings& s, int weekday, bool holiday)
{
    if (weekday == 0 || holiday)
        return clRed;
    if (weekday == 6 && s.saturdayColor)
        return *s.saturdayColor;
    return s.daycolor;
}

void drawDayNumbers(Canvas& canvas, const CalendarSettings& s, const CalendarGeometry& g)
{
    const int cw = g.cellwidth;
    const std::uint32_t holidays
        = s.holidays == HolidayCalendar::Japan ? japaneseHolidayDaysOf(s.year, s.month) : std::uint32_t { 0 };
    int column = g.firstcol;
    // Pattern 2 puts the number at the top of its band; the others centre it.
    int rowOffset = s.ptn == 1 ? 2 : (g.cellheight - g.fontheight) / 2;
    for (int day = 1; day <= g.daycount; ++day) {
        const std::string text = std::to_string(day);
        const int w = canvas.textWidth(text);
        const int x = (cw - w + 1) / 2 + column * cw;
        const bool holiday = (holidays >> day) & 1U;
        canvas.setFontColor(dayNumberColor(s, weekdayOf(column, s.firstWeekday), holiday));
        canvas.textOut(x, g.gridtop + rowOffset, text);
        if (++column > 6) {
            column = 0;
            rowOffset += g.cellheight;
        }
    }
}

void drawTitle(Canvas& canvas, const CalendarSettings& s, const CalendarGeometry& g)
{
    canvas.setFontColor(s.moncolor);
    canvas.setFontHeight(-(g.topRule() - 5));
    const std::string m = calendarTitle(s);
    switch (s.tukiiti) {
    case 0:
        canvas.textOut(0, 0, m);
        break;
    case 1:
        canvas.textOut((g.picwidth - canvas.textWidth(m)) / 2, 0, m);
        break;
    case 2:
        canvas.textOut(g.picwidth - canvas.textWidth(m), 0, m);
        break;
    default:
        break; // no title for a position the window never offers
    }
}

void drawWeekdayLabels(Canvas& canvas, const CalendarSettings& s, const CalendarGeometry& g)
{
    static constexpr const char* english[7] = { "SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT" };
    static constexpr const char* japanese[7] = { "日", "月", "火", "水", "木", "金", "土" };
    const char* const* labels = s.weekdayLabels == WeekdayLabels::Japanese ? japanese : english;
    canvas.setFontHeight(2 - g.weekband);
    const int y = g.topRule() + 1;
    // All seven labels share the offset of the Sunday label so they line up as a row.
    const int o = (g.cellwidth - canvas.textWidth(labels[0]) + 1) / 2;
    // The colour is set where the kind of label changes (Sunday, a coloured
    // Saturday, any other day), whatever the colours, so a Sunday-first row
    // sets it twice, before "SUN" and before "MON".
    enum class Kind { None, Sunday, Saturday, Other } previous = Kind::None;
    for (int column = 0; column <= 6; ++column) {
        const int weekday = weekdayOf(column, s.firstWeekday);
        const Kind kind
            = weekday == 0 ? Kind::Sunday : (weekday == 6 && s.saturdayColor ? Kind::Saturday : Kind::Other);
        if (kind != previous) {
            canvas.setFontColor(
                kind == Kind::Sunday ? clRed : (kind == Kind::Saturday ? *s.saturdayColor : s.weekcolor));
            previous = kind;
        }
        canvas.textOut(column * g.cellwidth + o, y, labels[weekday]);
    }
}

} // namespace

void drawCalendar(Canvas& canvas, const CalendarSettings& settings, const CalendarGeometry& geometry)
{
    canvas.setBrushClear();
    canvas.setFont(settings.font);
    canvas.setPenSolid();
    canvas.setPenColor(settings.linecolor);
    canvas.setPenModeCopy();

    if (settings.ptn == 0 || settings.ptn == 1)
        drawVerticalRules(canvas, geometry);
    drawHorizontalRules(canvas, geometry, settings.ptn == 1);
    drawBorders(canvas, geometry);
    drawDayNumbers(canvas, settings, geometry);
    drawTitle(canvas, settings, geometry);
    drawWeekdayLabels(canvas, settings, geometry);
}

} // namespace pluvane
