#pragma once

// The .wmf file of a picture: the 22-byte placeable header, which states the
// picture's physical size, followed by the picture converted to a Windows
// metafile (WmfConverter.h). The whole file is made and checked in memory;
// writing it anywhere is the caller's business.

#include "Picture.h"

#include <cstdint>
#include <vector>

namespace pluvane {

// The bytes of the placeable Windows metafile of `picture`. The box runs from
// (0, 0) to the picture's size in 0.01 mm at 2540 units per inch; when a side
// is longer than 327.67 mm, so that it would not fit the box's signed 16-bit
// fields, the units per inch are lowered to the largest value at which both
// sides fit and the box is scaled to them, so the file still states the true
// size. Throws EInvalidGraphic when the picture's bytes cannot be read and
// EOutOfResources when the conversion fails its check.
std::vector<std::uint8_t> placeableWmfBytes(const Picture& picture);

} // namespace pluvane
