#include "CalendarDrawing.h"

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

void drawDayNumbers(Canvas& canvas, const CalendarSettings& s, const CalendarGeometry& g)
{
    const int cw = g.cellwidth;
    int column = g.firstcol;
    // Pattern 2 puts the number at the top of its band; the others centre it.
    int rowOffset = s.ptn == 1 ? 2 : (g.cellheight - g.fontheight) / 2;
    for (int day = 1; day <= g.daycount; ++day) {
        const std::string text = std::to_string(day);
        const int w = canvas.textWidth(text);
        const int x = (cw - w + 1) / 2 + column * cw;
        canvas.setFontColor(column == 0 ? clRed : s.daycolor);
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
    const std::string m = std::to_string(s.titlemonth);
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
    static constexpr const char* labels[6] = { "MON", "TUE", "WED", "THU", "FRI", "SAT" };
    canvas.setFontHeight(2 - g.weekband);
    const int y = g.topRule() + 1;
    // All seven labels share the offset of "SUN" so they line up as a row.
    const int o = (g.cellwidth - canvas.textWidth("SUN") + 1) / 2;
    canvas.setFontColor(clRed);
    canvas.textOut(o, y, "SUN");
    canvas.setFontColor(s.weekcolor);
    for (int k = 1; k <= 6; ++k)
        canvas.textOut(k * g.cellwidth + o, y, labels[k - 1]);
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
