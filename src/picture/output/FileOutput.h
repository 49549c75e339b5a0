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
// file behind, whatever the error. A replaced file keeps its permissions; a
// symbolic link is written through, so the file it points to is replaced and
// the link stays. Throws EFCreateError when the file cannot be created: the
// name is a folder or ends in "/", the existing file is write-protected, or
// its folder takes no new file (a writable file in a read-only folder is not
// saved either, as it could not be replaced safely), and EWriteError when the
// file takes fewer bytes than written. Interrupt signals (SIGINT, SIGTERM,
// SIGHUP, SIGQUIT) are held in the calling thread while it runs.
void writeFileAtomically(
    const std::string& path, std::span<const std::uint8_t> bytes, Durability durability = Durability::SyncEachFile);

// Removes the temporary file a write in progress has named, if any. Safe to
// call from a signal handler, for a program that ends on a signal: another
// thread may take the signal while the writing one holds it.
void discardPendingTemporaryFile() noexcept;

// Puts everything written to the file system holding `path` on disk.
void syncFileSystemOf(const std::string& path);

} // namespace pluvane
