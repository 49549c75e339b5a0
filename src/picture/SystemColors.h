#pragma once

#include "layout/Color.h"

#include <QColor>

#include <cstdint>
#include <functional>

class QPalette;

namespace pluvane {

// Turns a TColor into the 0x00BBGGRR colour actually drawn: plain colours
// pass through, system colours become the system's current colour.
using ColorResolver = std::function<std::uint32_t(TColor)>;

// System colours from the application's Qt palette. Needs a QGuiApplication.
std::uint32_t resolveWithPalette(TColor color);

// A plain colour for Qt: a system colour (clWindowText and the like) becomes
// the palette's current colour for that role, so a dialog opens on what the
// user actually sees.
QColor toQColor(TColor color, const QPalette& palette);

// The plain 0x00BBGGRR form of a Qt colour; alpha is dropped.
TColor toTColor(const QColor& color);

} // namespace pluvane
