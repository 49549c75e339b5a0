#include "SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace pluvane {

namespace {

QPalette::ColorRole roleOf(std::uint32_t systemIndex)
{
    switch (systemIndex) {
    case 5: return QPalette::Base;            // window background
    case 8: return QPalette::WindowText;      // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;
    case 18: return QPalette::ButtonText;
    default: return QPalette::WindowText;
    }
}

} // namespace

std::uint32_t resolveWithPalette(TColor color)
{
    if (!isSystemColor(color))
        return color & 0x00FFFFFF;
    const QColor c = QGuiApplication::palette().color(QPalette::Active, roleOf(color & 0xFF));
    return rgbColor(c.red(), c.green(), c.blue());
}

} // namespace pluvane
