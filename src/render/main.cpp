// pluvane-render: the calendar pipeline from the command line, no display needed.

#include "HolidayList.h"
#include "RenderBatch.h"
#include "RenderOptions.h"
#include "layout/Errors.h"
#include "picture/qt/Fonts.h"

#include <QDate>
#include <QGuiApplication>

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
        std::cout << renderUsage();
        return 0;
    }
    if (options.holidayYears) {
        // Pure arithmetic: no Qt application is needed for the list.
        printHolidayList(options.holidayYears->first, options.holidayYears->second, std::cout);
        return 0;
    }

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
    }
    return 0;
}
