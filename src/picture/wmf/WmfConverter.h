#pragma once

// A recording in, a 16-bit Windows metafile out: convertToWmf turns the
// plain record list of a recording (EmfRecords.h) into Windows-metafile
// records, in recording order, for the anisotropic mapping mode.
// PlaceableWmf.h puts the placeable header in front for a .wmf file;
// WmfLayout.h holds the records' function numbers and field offsets.

#include "picture/emf/EmfRecords.h"
#include "picture/wmf/WmfFaceNames.h"

#include <cstdint>
#include <vector>

namespace pluvane {

// The recording's size in pixels and the same size in the metafile's
// logical units, which are those of the placeable box.
struct WmfConversion {
    int widthPx = 0;
    int heightPx = 0;
    int logicalWidth = 0;
    int logicalHeight = 0;
    // Asked for a face's ASCII name when WmfFaceNames.h's table has none.
    AsciiFaceNameLookup asciiFaceName;
};

// Converts a recording into a complete Windows metafile: the header, the map
// mode, window origin (0, 0) and extent (logicalWidth x logicalHeight),
// every recorded operation up to the end record with its coordinates, pen
// widths, font sizes and advances scaled from pixels to logical units
// (rounded to the nearest unit, halves away from zero), and the end record.
// Readers lay a placeable file out in the units of its box, so a drawing in
// pixels under a box in 0.01 mm would come out at a fraction of its size.
// Recorded object handles become slots of the metafile's object table, the
// lowest free slot on creation; selections of stock objects are dropped, as
// the format has none. A face name is written as its ASCII name where the
// table of WmfFaceNames.h or the conversion's lookup gives one; other face
// names and all texts are written in the Japanese Windows code page (932),
// where a character that code page lacks becomes "?".
//
// The whole result is built in memory and checked against its own header
// (total size, record sizes walked to the end, largest record, object count)
// before it is returned. Throws EOutOfResources when a size is not positive,
// when a coordinate, extent, advance or font measure lies outside the signed
// 16-bit range, when a text is longer than 32767 bytes, when the recording
// uses an object it did not create or has no end record, when the system has
// no converter for code page 932, or when the check fails.
std::vector<std::uint8_t> convertToWmf(const EmfDocument& document, const WmfConversion& conversion);

} // namespace pluvane
