#pragma once

#include <cstdint>
#include <span>

namespace pluvane {

// Reads finished Windows-metafile bytes back as any player would: the
// header's size must be the data's, the records' sizes must walk from the
// header exactly to the end, the last record must be the end record, and the
// largest record and the object count must be the ones announced.
bool wmfMatchesItsHeader(std::span<const std::uint8_t> bytes, std::uint16_t objects);

} // namespace pluvane
