#pragma once

#include "layout/Color.h"

#include <cstdint>
#include <functional>

namespace pluvane {

// Turns a TColor into the 0x00BBGGRR colour actually drawn: plain colours
// pass through, system colours become the system's current colour.
using ColorResolver = std::function<std::uint32_t(TColor)>;

// System colours from the application's Qt palette. Needs a QGuiApplication.
std::uint32_t resolveWithPalette(TColor color);

} // namespace pluvane
