#pragma once

// A recorded picture in the 16-bit Windows-metafile form: convertToWmf turns
// the plain record list of a recording (EmfRecords.h) into Windows-metafile
// records, in recording order, for the anisotropic mapping mode.
// PlaceableWmf.h puts the placeable header in front for a .wmf file.

#include "picture/emf/EmfRecords.h"

#include <cstdint>
#include <vector>

namespace pluvane {

// Converts a recording of widthPx x heightPx pixels into a complete Windows
// metafile whose logical units are those of the placeable box: the header,
// the map mode, window origin (0, 0) and extent (logicalWidth x
// logicalHeight), every recorded operation up to the end record with its
// coordinates, pen widths, font sizes and advances scaled from pixels to
// logical units, and the end record. Readers lay a placeable file out in the
// units of its box, so a drawing in pixels under a box in 0.01 mm would come
// out at a fraction of its size. Recorded object
// handles become slots of the metafile's object table, the lowest free slot
// on creation; selections of stock objects are dropped, as the format has
// none. Face names and texts are written in the Japanese Windows code page
// (932); a character that code page lacks becomes "?".
//
// The whole result is built in memory and checked against its own header
// (total size, record sizes walked to the end, largest record, object count)
// before it is returned. Throws EOutOfResources when a coordinate, extent,
// advance or font measure lies outside the signed 16-bit range, when a text
// is longer than 32767 bytes, when the recording uses an object it did not
// create or has no end record, when the system has no converter for code
// page 932, or when the check fails.
std::vector<std::uint8_t> convertToWmf(const EmfDocument& document, int widthPx, int heightPx, int logicalWidth,
    int logicalHeight);

} // namespace pluvane
