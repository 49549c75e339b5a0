#pragma once

// A month drawn into a logging canvas, for the tests of the drawing.

#include "support/LoggingCanvas.h"

#include "layout/CalendarDrawing.h"

#include <memory>
#include <vector>

namespace pluvane::fixtures {

// Each part in a colour of its own, so a part drawn in another's colour shows.
constexpr TColor dayColor = 0x112233;
constexpr TColor monthColor = 0x00AA00;
constexpr TColor weekColor = 0xAA0000;
constexpr TColor lineColor = 0x445566;

// The month with each part in its own colour, in a ruling pattern and title
// position of choice.
inline CalendarSettings settingsFor(int year, int month, int ptn = 0, int tukiiti = 1)
{
    CalendarSettings s;
    s.year = year;
    s.month = month;
    s.titlemonth = month;
    s.ptn = ptn;
    s.tukiiti = tukiiti;
    s.daycolor = s.font.color = dayColor;
    s.moncolor = monthColor;
    s.weekcolor = weekColor;
    s.linecolor = lineColor;
    return s;
}

// What drawing a month left: its geometry, every call on the canvas, and the
// texts in the order they were drawn.
struct DrawnCalendar {
    CalendarGeometry geometry;
    LoggingCanvas canvas;
    std::vector<CanvasCall> texts;

    // The day numbers come first, one text each.
    const CanvasCall& day(int n) const { return texts[static_cast<std::size_t>(n - 1)]; }
    // The seven weekday labels, drawn last.
    std::vector<CanvasCall> labels() const { return { texts.end() - 7, texts.end() }; }
};

// Lays the month out and draws it with `measurer`, which must outlive the
// result (the canvas measures through it).
inline std::unique_ptr<DrawnCalendar> drawLogged(const CalendarSettings& s, const TextMeasurer& measurer)
{
    auto d
        = std::make_unique<DrawnCalendar>(DrawnCalendar { calendarGeometry(s, measurer), LoggingCanvas(measurer), {} });
    drawCalendar(d->canvas, s, d->geometry);
    d->texts = d->canvas.ofKind(CanvasCall::TextOut);
    return d;
}

} // namespace pluvane::fixtures
