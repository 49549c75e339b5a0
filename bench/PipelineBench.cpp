// Prints how long the pipeline's steps take: a make at default settings and
// with Japan's holidays on, playing its picture into the preview-sized
// image, a year of files, and working out every day off from 1948 to 2500.

#include "layout/JapaneseHolidays.h"
#include "picture/MakeCalendar.h"
#include "picture/output/FileOutput.h"
#include "picture/player/PicturePlayer.h"
#include "picture/qt/Fonts.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace pluvane;

namespace {

const ScreenMetrics referenceScreen { 800, 600, 280, 210 };

CalendarSettings defaults(int month = 3)
{
    CalendarSettings s;
    s.year = 2027;
    s.month = month;
    s.titlemonth = month;
    return s;
}

void makeAtDefaults(benchmark::State& state)
{
    const QtTextMeasurer measurer;
    for (auto _ : state) {
        MadeCalendar made = makeCalendar(defaults(), measurer, referenceScreen);
        benchmark::DoNotOptimize(made);
    }
}
BENCHMARK(makeAtDefaults)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same month with the holidays drawn red: March 2027 has two.
void makeWithHolidays(benchmark::State& state)
{
    const QtTextMeasurer measurer;
    CalendarSettings settings = defaults();
    settings.holidays = HolidayCalendar::Japan;
    for (auto _ : state) {
        MadeCalendar made = makeCalendar(settings, measurer, referenceScreen);
        benchmark::DoNotOptimize(made);
    }
}
BENCHMARK(makeWithHolidays)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What --list-holidays 1948-2500 computes, without the process around it.
void holidaysOfEveryYear(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t days = 0;
        for (int year = 1948; year <= 2500; ++year)
            days += japaneseHolidaysOf(year).size();
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(holidaysOfEveryYear)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void playbackIntoPreview(benchmark::State& state)
{
    const QtTextMeasurer measurer;
    const MadeCalendar made = makeCalendar(defaults(), measurer, referenceScreen);
    QImage image(280, 210, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        playEmfBytes(painter, made.picture.bytes(), QRectF(0, 0, 280, 210));
    }
}
BENCHMARK(playbackIntoPreview)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void twelveMonthsToFiles(benchmark::State& state)
{
    const QtTextMeasurer measurer;
    QTemporaryDir dir;
    for (auto _ : state) {
        for (int month = 1; month <= 12; ++month) {
            const MadeCalendar made = makeCalendar(defaults(month), measurer, referenceScreen);
            writeFileAtomically(
                dir.filePath(QString("2027-%1.emf").arg(month, 2, 10, QChar('0'))).toStdString(), made.picture.bytes());
        }
    }
}
BENCHMARK(twelveMonthsToFiles)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
