#pragma once

// What every fuzz target needs before its first input: a Qt application on
// the offscreen platform, so fonts and painting work without a display.

namespace pluvane::fuzz {

void startQt();

} // namespace pluvane::fuzz
