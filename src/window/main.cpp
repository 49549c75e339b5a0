// pluvane: the calendar window.

#include "CalendarWindow.h"
#include "QtTranslations.h"
#include "picture/qt/Fonts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    pluvane::registerFontSubstitutes();
    pluvane::installQtTranslations(app);
    pluvane::CalendarWindow window;
    window.show();
    return app.exec();
}
