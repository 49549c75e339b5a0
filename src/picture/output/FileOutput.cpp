#include "FileOutput.h"

#include "layout/Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace pluvane {

namespace {

// The folder a file is in; "." for a bare name.
std::filesystem::path folderOf(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// The mode a new file gets: that of the file it replaces, or what the
// process's umask allows.
mode_t modeFor(const std::string& path)
{
    struct stat existing {};
    if (stat(path.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

void writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, Durability durability)
{
    std::error_code ignored;
    if (path.empty() || path.back() == '/' || std::filesystem::is_directory(path, ignored))
        throw EFCreateError(path);

    const std::filesystem::path target(path);
    std::string temporary = (folderOf(path) / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        throw EFCreateError(path);
    fchmod(fd, modeFor(path));

    bool written = writeAll(fd, bytes);
    if (written && durability == Durability::SyncEachFile)
        written = fdatasync(fd) == 0;
    // close() is where some file systems report that the data did not fit.
    written = ::close(fd) == 0 && written;
    if (!written) {
        unlink(temporary.c_str());
        throw EWriteError();
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        throw EFCreateError(path);
    }
}

void syncFileSystemOf(const std::string& path)
{
    const int fd = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    syncfs(fd);
    ::close(fd);
}

} // namespace pluvane
