#pragma once

#include "picture/qt/ScreenMetrics.h"

namespace pluvane::fixtures {

// The screen the hand-worked numbers of the tests are for: 800 x 600 pixels
// on 280 x 210 mm, so a pixel is 0.35 mm across and down.
inline constexpr ScreenMetrics referenceScreen { 800, 600, 280, 210 };

} // namespace pluvane::fixtures
