// pluvane-render: the calendar pipeline from the command line, no display needed.

#include "HolidayList.h"
#include "RenderBatch.h"
#include "RenderOptions.h"
#include "layout/Errors.h"
#include "picture/output/FileOutput.h"
#include "picture/qt/Fonts.h"

#include <QDate>
#include <QGuiApplication>

#include <csignal>
#include <iostream>

using namespace pluvane;

namespace {

// Without a display the offscreen platform serves; with one, its primary
// screen is the reference screen.
void choosePlatform()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    const bool display = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", display ? "xcb;offscreen" : "offscreen");
}

// Qt's own notices (a missing runtime folder, a display it could not reach)
// are no concern of someone rendering a file; real failures still show.
void dropQtNotices(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "pluvane-render: " << message.toStdString() << '\n';
}

// Stopped by a signal, the program removes the temporary file a save has
// named (the writer holds signals in its own thread, but another thread may
// take one) and then ends as the signal would have ended it.
extern "C" void endOnSignal(int signal)
{
    discardPendingTemporaryFile();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void endCleanlyOnSignals()
{
    for (int s : { SIGINT, SIGTERM, SIGHUP })
        std::signal(s, endOnSignal);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const QDate today = QDate::currentDate();
    RenderOptions options;
    try {
        options = parseRenderOptions(args, today.year(), today.month());
    } catch (const UsageError& e) {
        std::cerr << "pluvane-render: " << e.what() << '\n';
        return 2;
    }
    if (options.help) {
        if (!(std::cout << renderUsage() << std::flush)) {
            std::cerr << "pluvane-render: standard output: " << EWriteError().what() << '\n';
            return 1;
        }
        return 0;
    }
    if (options.holidayYears) {
        // Pure arithmetic: no Qt application is needed for the list.
        printHolidayList(options.holidayYears->first, options.holidayYears->second, std::cout);
        if (!(std::cout << std::flush)) {
            std::cerr << "pluvane-render: standard output: " << EWriteError().what() << '\n';
            return 1;
        }
        return 0;
    }
    endCleanlyOnSignals();

    choosePlatform();
    qInstallMessageHandler(dropQtNotices);
    // Our own arguments are not Qt's: Qt sees only the program name.
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    registerFontSubstitutes();

    try {
        const QtTextMeasurer measurer;
        const ScreenMetrics screen = options.screen.value_or(primaryScreenMetrics());
        runBatch(options, measurer, screen, std::cout, std::cerr);
    } catch (const PluvaneError& e) {
        std::cerr << "pluvane-render: " << e.what() << '\n';
        return 1;
    } catch (const BatchFileError& e) {
        std::cerr << "pluvane-render: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
