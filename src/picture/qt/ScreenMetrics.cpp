#include "ScreenMetrics.h"

#include "picture/binary/MulDiv.h"

#include <QGuiApplication>
#include <QScreen>

namespace pluvane {

ScreenMetrics primaryScreenMetrics()
{
    ScreenMetrics m { 1024, 768, 0, 0 };
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize px = screen->size();
        const QSizeF mm = screen->physicalSize();
        m.widthPx = px.width();
        m.heightPx = px.height();
        m.widthMm = qRound(mm.width());
        m.heightMm = qRound(mm.height());
    }
    // 96 pixels per inch is 25.4 mm per 96 pixels.
    if (m.widthMm <= 0 || m.heightMm <= 0) {
        // Any screen size Qt reports fits: a pixel is a quarter millimetre.
        m.widthMm = mulDiv(m.widthPx, 254, 960).value_or(0);
        m.heightMm = mulDiv(m.heightPx, 254, 960).value_or(0);
    }
    return m;
}

} // namespace pluvane
