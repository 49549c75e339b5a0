#include "MakeCalendar.h"

#include "layout/CalendarDrawing.h"
#include "picture/emf/EmfRecorder.h"

namespace pluvane {

MadeCalendar makeCalendar(const CalendarSettings& settings, const TextMeasurer& measurer, const ScreenMetrics& screen,
    const ColorResolver& resolveColor)
{
    MadeCalendar made;
    made.geometry = calendarGeometry(settings, measurer);

    EmfRecorder recorder(made.geometry.picwidth, made.geometry.picheight, { screen.widthPx, screen.heightPx },
        { screen.widthMm, screen.heightMm }, measurer, resolveColor);
    drawCalendar(recorder, settings, made.geometry);
    made.picture = Picture::fromEmfBytes(recorder.close());

    made.previewBox = fitPreviewBox(made.geometry.picwidth, made.geometry.picheight);
    made.readout = sizeReadout(made.geometry);
    return made;
}

} // namespace pluvane
