#pragma once

#include "layout/Color.h"

#include <QColor>

class QPalette;

namespace pluvane {

// A plain colour for Qt: a system colour (clWindowText and the like) becomes
// the palette's current colour for that role, so a dialog opens on what the
// user actually sees.
QColor toQColor(TColor color, const QPalette& palette);

// The plain 0x00BBGGRR form of a Qt colour; alpha is dropped.
TColor toTColor(const QColor& color);

} // namespace pluvane
