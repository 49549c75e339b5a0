// From a click on "作成" to the repainted preview, in the real window. Run
// it on a real X server (bench/window_timing.sh starts one under Xvfb).

#include "picture/qt/Fonts.h"
#include "window/CalendarWindow.h"
#include "window/PreviewImage.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace pluvane;

namespace {

CalendarWindow* theWindow = nullptr;

void makeToRepaint(benchmark::State& state)
{
    auto* make = theWindow->findChild<QPushButton*>("Button1");
    auto* preview = theWindow->findChild<PreviewImage*>("Image1");
    for (auto _ : state) {
        make->click();
        preview->repaint(); // paints now and flushes to the screen
        QApplication::sync();
    }
}
BENCHMARK(makeToRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    registerFontSubstitutes();
    CalendarWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    theWindow = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
