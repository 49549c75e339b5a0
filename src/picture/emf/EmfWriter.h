#pragma once

#include "EmfRecords.h"

#include <cstdint>
#include <vector>

namespace pluvane {

// Encodes a document as enhanced-metafile bytes. The header's byte and
// record counts are filled in from what is written; its other fields are
// taken as given. Throws EInvalidGraphic when the device's size in
// millimetres is too large to be stated in micrometres.
std::vector<std::uint8_t> writeEmf(const EmfDocument& document);

} // namespace pluvane
