#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace pluvane {

enum class Durability {
    SyncEachFile, // the file is on disk before the call returns
    SyncLater,    // the caller syncs once after a batch (syncFileSystemOf)
};

// Writes the bytes under `path` through an atomic replace: the bytes go to a
// new file beside the target, which then takes the target's name, so a
// failed write leaves any existing file of that name as it was and no partial
// file behind. A replaced file keeps its permissions. Throws EFCreateError
// when the file cannot be created and EWriteError when it takes fewer bytes
// than written.
void writeFileAtomically(
    const std::string& path, std::span<const std::uint8_t> bytes, Durability durability = Durability::SyncEachFile);

// Puts everything written to the file system holding `path` on disk.
void syncFileSystemOf(const std::string& path);

} // namespace pluvane
