#include "FileOutput.h"

#include "layout/Errors.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace pluvane {

namespace {

// The folder a file is in; "." for a bare name.
std::filesystem::path folderOf(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// The file a name stands for: a symbolic link is followed, link by link, to
// the file it points to, so that saving replaces that file and the link
// stays. A loop of links is a name that cannot be created.
std::string fileBehind(const std::string& path)
{
    std::filesystem::path current(path);
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current.string();
        std::string link(PATH_MAX, '\0');
        const ssize_t n = readlink(current.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size())
            throw EFCreateError(path);
        link.resize(static_cast<std::size_t>(n));
        const std::filesystem::path next(link);
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    throw EFCreateError(path);
}

// The mode a new file gets: that of the file it replaces, or what the
// process's umask allows.
mode_t modeFor(const struct stat* existing)
{
    if (existing)
        return existing->st_mode & 07777;
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

// The name of the temporary file that exists under a name of its own, for
// discardPendingTemporaryFile; a fixed buffer, as a signal handler may read it.
char pendingName[PATH_MAX + 1];
std::atomic<bool> pendingSet { false };

// Interrupts are held while a temporary file has a name of its own, so that
// an interrupt arriving then takes effect once the name is gone again.
class InterruptsHeld {
public:
    InterruptsHeld()
    {
        sigset_t interrupts;
        sigemptyset(&interrupts);
        for (int s : { SIGINT, SIGTERM, SIGHUP, SIGQUIT })
            sigaddset(&interrupts, s);
        pthread_sigmask(SIG_BLOCK, &interrupts, &m_previous);
    }
    ~InterruptsHeld() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;

private:
    sigset_t m_previous {};
};

// A new file in the target's folder, removed again unless it is renamed over
// the target. It is made nameless where the file system allows (O_TMPFILE),
// so that nothing is left behind whatever stops the program while it is
// written; it gets a short name of its own only for the moment before it
// takes the target's. The short name keeps any name that fits the folder
// savable.
class TemporaryFile {
public:
    TemporaryFile(std::filesystem::path folder, mode_t mode) : m_folder(std::move(folder)), m_mode(mode)
    {
        m_fd = open(m_folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (m_fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL))
            m_fd = createNamed();
        if (m_fd < 0)
            throw std::system_error(errno, std::generic_category());
        fchmod(m_fd, m_mode);
    }

    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        forgetName(true);
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Writes the bytes and syncs them when asked. Throws EWriteError when the
    // file takes fewer bytes than written.
    void write(std::span<const std::uint8_t> bytes, bool sync)
    {
        if (!writeAll(m_fd, bytes) || (sync && fdatasync(m_fd) != 0))
            throw EWriteError();
    }

    // Gives the file the target's name. Throws EWriteError when closing it
    // shows the data did not fit, which is where some file systems say so,
    // and EFCreateError, naming `shownName`, when it cannot be renamed.
    void replace(const std::string& target, const std::string& shownName)
    {
        if (m_name.empty() && !link())
            throw EFCreateError(shownName);
        const int fd = std::exchange(m_fd, -1);
        if (::close(fd) != 0)
            throw EWriteError();
        if (rename(m_name.c_str(), target.c_str()) != 0)
            throw EFCreateError(shownName);
        forgetName(false);
    }

private:
    std::string freshName()
    {
        static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        static std::mt19937 random { std::random_device {}() };
        std::string name = ".pluvane-";
        for (int i = 0; i < 6; ++i)
            name += letters[random() % (sizeof letters - 1)];
        return (m_folder / name).string();
    }

    void rememberName(std::string name)
    {
        m_name = std::move(name);
        if (m_name.size() <= PATH_MAX) {
            pendingSet = false;
            std::memcpy(pendingName, m_name.c_str(), m_name.size() + 1);
            pendingSet = true;
        }
    }

    void forgetName(bool remove)
    {
        if (m_name.empty())
            return;
        pendingSet = false;
        if (remove)
            unlink(m_name.c_str());
        m_name.clear();
    }

    // For a file system without nameless files.
    int createNamed()
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = freshName();
            const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd >= 0) {
                rememberName(name);
                return fd;
            }
            if (errno != EEXIST)
                return -1;
        }
        return -1;
    }

    // Gives a nameless file a short name of its own in the folder.
    bool link()
    {
        const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = freshName();
            if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                rememberName(name);
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    std::filesystem::path m_folder;
    mode_t m_mode;
    int m_fd = -1;
    std::string m_name;
};

} // namespace

void writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, Durability durability)
{
    if (path.empty() || path.back() == '/')
        throw EFCreateError(path);
    const std::string target = fileBehind(path);
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    // A folder, and a file its owner has write-protected, are not replaced.
    if (exists && (S_ISDIR(existing.st_mode) || (existing.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0))
        throw EFCreateError(path);

    const InterruptsHeld held;
    try {
        TemporaryFile file(folderOf(target), modeFor(exists ? &existing : nullptr));
        file.write(bytes, durability == Durability::SyncEachFile);
        file.replace(target, path);
    } catch (const std::system_error&) {
        throw EFCreateError(path);
    }
}

void discardPendingTemporaryFile() noexcept
{
    if (pendingSet)
        unlink(pendingName);
}

void syncFileSystemOf(const std::string& path)
{
    // The file itself, through any links, is on the file system to sync;
    // its folder serves when the file is gone.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        fd = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    syncfs(fd);
    ::close(fd);
}

} // namespace pluvane
