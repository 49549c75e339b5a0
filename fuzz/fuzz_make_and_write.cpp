// Structured bytes as calendar settings and a reference screen, in and far
// out of range and with odd font names: made into a picture, then into the
// bytes of every file format, in memory. Every input must give a picture
// and files or be refused with one of the fixed errors, never crash.

#include "FuzzSupport.h"

#include "layout/Errors.h"
#include "picture/MakeCalendar.h"
#include "picture/output/PictureRendering.h"
#include "picture/output/PictureSaving.h"
#include "picture/qt/Fonts.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace pluvane;

namespace {

// Mostly a value of the program's own range, sometimes any value at all.
int measure(FuzzedDataProvider& input, int low, int high)
{
    return input.ConsumeBool() ? input.ConsumeIntegral<int>() : input.ConsumeIntegralInRange<int>(low, high);
}

TColor colour(FuzzedDataProvider& input)
{
    // Plain colours, and system colours by index, valid or not.
    return input.ConsumeIntegral<TColor>() & (systemColorFlag | 0xFFFFFF);
}

template <class Enum> Enum oneOf(FuzzedDataProvider& input, int count)
{
    return static_cast<Enum>(input.ConsumeIntegralInRange<int>(0, count - 1));
}

CalendarSettings settingsFrom(FuzzedDataProvider& input)
{
    CalendarSettings s;
    s.year = measure(input, 1900, 2500);
    s.month = measure(input, 1, 12);
    s.titlemonth = measure(input, 1, 12);
    s.font.name = input.ConsumeRandomLengthString(48);
    s.font.height = measure(input, -1000, -1);
    s.font.bold = input.ConsumeBool();
    s.font.italic = input.ConsumeBool();
    s.font.underline = input.ConsumeBool();
    s.font.strikeout = input.ConsumeBool();
    s.font.pitch = oneOf<FontPitch>(input, 3);
    s.font.color = s.daycolor = colour(input);
    s.xtrack = measure(input, 2, 100);
    s.ytrack = measure(input, 1, 100);
    s.montrack = measure(input, 20, 100);
    s.tukiiti = measure(input, 0, 2);
    s.ptn = measure(input, 0, 2);
    s.moncolor = colour(input);
    s.weekcolor = colour(input);
    s.linecolor = colour(input);
    s.holidays = oneOf<HolidayCalendar>(input, 2);
    if (input.ConsumeBool())
        s.saturdayColor = colour(input);
    s.firstWeekday = oneOf<FirstWeekday>(input, 2);
    s.weekdayLabels = oneOf<WeekdayLabels>(input, 2);
    s.titleText = oneOf<TitleText>(input, 4);
    return s;
}

// The PNG is made when it is small enough to be quick, or so large that it
// must be refused before anything is allocated.
bool pngWorthMaking(const Picture& picture, int scale)
{
    const qint64 width = qint64 { picture.widthPx() } * scale;
    const qint64 height = qint64 { picture.heightPx() } * scale;
    const bool refused = width > maxRasterSide || height > maxRasterSide || width * height > maxRasterPixels;
    return refused || width * height <= 1 << 20;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QtTextMeasurer measurer;
    FuzzedDataProvider input(data, size);
    const CalendarSettings settings = settingsFrom(input);
    const ScreenMetrics screen { measure(input, 1, 100000), measure(input, 1, 100000), measure(input, 1, 100000),
        measure(input, 1, 100000) };
    const SaveOptions options { input.ConsumeIntegralInRange<int>(0, 17), input.ConsumeBool() };

    MadeCalendar made;
    try {
        made = makeCalendar(settings, measurer, screen);
    } catch (const PluvaneError&) {
        return 0;
    }
    for (const PictureFormat format : { PictureFormat::PlaceableWmf, PictureFormat::Emf, PictureFormat::Svg,
             PictureFormat::Pdf, PictureFormat::Png }) {
        if (format == PictureFormat::Png && !pngWorthMaking(made.picture, options.pngScale))
            continue;
        try {
            (void)pictureBytesFor(made.picture, format, options);
        } catch (const PluvaneError&) {
        }
    }
    return 0;
}
