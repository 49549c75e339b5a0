#include "SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace pluvane {

namespace {

// The palette role standing in for a system colour index (the low byte of a
// system colour). Indices without a counterpart fall back to the text colour.
QPalette::ColorRole roleOfSystemColor(TColor color)
{
    switch (color & 0xFF) {
    case 5: // the window background
        return QPalette::Base;
    case 13: // selected items
        return QPalette::Highlight;
    case 14: // text of selected items
        return QPalette::HighlightedText;
    case 15: // button faces
        return QPalette::Button;
    case 18: // button text
        return QPalette::ButtonText;
    default: // 8, the window text, and everything else
        return QPalette::WindowText;
    }
}

} // namespace

QColor toQColor(TColor color, const QPalette& palette)
{
    if (isSystemColor(color)) {
        const QColor resolved = palette.color(QPalette::Active, roleOfSystemColor(color));
        return QColor(resolved.red(), resolved.green(), resolved.blue());
    }
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

TColor toTColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return rgbColor(rgb.red(), rgb.green(), rgb.blue());
}

std::uint32_t resolveWithPalette(TColor color)
{
    return toTColor(toQColor(color, QGuiApplication::palette()));
}

} // namespace pluvane
