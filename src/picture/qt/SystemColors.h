#pragma once

#include "layout/Color.h"

#include <QColor>

#include <cstdint>

class QPalette;

namespace pluvane {

// The 0x00BBGGRR colour a TColor is drawn in: plain colours pass through,
// system colours come from the application's Qt palette. Needs a
// QGuiApplication.
std::uint32_t resolveWithPalette(TColor color);

// A plain colour for Qt: a system colour (clWindowText and the like) becomes
// the palette's current colour for that role, so a dialog opens on what the
// user actually sees.
QColor toQColor(TColor color, const QPalette& palette);

// The plain 0x00BBGGRR form of a Qt colour; alpha is dropped.
TColor toTColor(const QColor& color);

} // namespace pluvane
