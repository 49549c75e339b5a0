#pragma once

#include "EmfRecords.h"

#include <cstdint>
#include <optional>
#include <span>

namespace pluvane {

// Reads the header alone; nothing when the bytes do not start with a
// well-formed enhanced-metafile header.
std::optional<EmfHeader> readEmfHeader(std::span<const std::uint8_t> bytes);

// Decodes the records this program draws with. Any byte sequence is safe:
// records of other kinds, and records too short for their kind, are skipped;
// reading stops at the end record or at the first record whose framing runs
// past the data. Nothing when the header itself is not well-formed.
std::optional<EmfDocument> readEmf(std::span<const std::uint8_t> bytes);

} // namespace pluvane
