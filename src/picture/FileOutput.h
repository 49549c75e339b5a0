#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace pluvane {

// Writes the bytes under `path` through an atomic replace: a failed write
// leaves any existing file of that name as it was and no partial file
// behind. Throws EFCreateError when the file cannot be created and
// EWriteError when it takes fewer bytes than written.
void writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace pluvane
