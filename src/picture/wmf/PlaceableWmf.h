#pragma once

// The .wmf file of a picture: the 22-byte placeable header, which states the
// picture's physical size, followed by the picture converted to a Windows
// metafile (WmfConverter.h). The whole file is made and checked in memory;
// writing it anywhere is the caller's business.

#include "picture/emf/EmfRecords.h"
#include "picture/wmf/WmfFaceNames.h"

#include <cstdint>
#include <vector>

namespace pluvane {

// A picture's size in pixels of its reference device and in 0.01 mm.
struct PictureSize {
    int widthPx = 0;
    int heightPx = 0;
    int widthHmm = 0;
    int heightHmm = 0;
};

// The bytes of the placeable Windows metafile of a recording. The box runs from
// (0, 0) to the picture's size in 0.01 mm at 2540 units per inch; when a side
// is longer than 327.67 mm, so that it would not fit the box's signed 16-bit
// fields, the units per inch are lowered to the largest value at which both
// sides fit and the box is scaled to them, so the file still states the true
// size. Face names go through the converter's table, then `asciiFaceName`
// (WmfConverter.h). Throws EOutOfResources when the conversion fails its
// check.
std::vector<std::uint8_t> placeableWmfBytes(
    const EmfDocument& recording, const PictureSize& size, const AsciiFaceNameLookup& asciiFaceName = {});

} // namespace pluvane
