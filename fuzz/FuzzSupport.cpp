#include "FuzzSupport.h"

#include "picture/qt/Fonts.h"

#include <QGuiApplication>

namespace pluvane::fuzz {

namespace {

// Qt's notices (fonts it could not find, a missing runtime folder) would
// drown the fuzzer's own output.
void dropQtNotices(QtMsgType, const QMessageLogContext&, const QString&)
{
}

} // namespace

void startQt()
{
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropQtNotices);
    static int argc = 1;
    static char name[] = "pluvane-fuzz";
    static char* argv[] = { name, nullptr };
    // The application lives as long as the process; the fuzzer never returns
    // to a point where it could be destroyed in order.
    new QGuiApplication(argc, argv);
    registerFontSubstitutes();
}

} // namespace pluvane::fuzz
