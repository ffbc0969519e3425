#include "config/atomic_file_write.h"
#include "config/path_names.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace talvex {

namespace {

constexpr int MAX_LINK_DEPTH = 40;
constexpr mode_t NEW_FILE_MODE = 0666;

std::string ErrnoText(int error) { return std::strerror(error); }

std::string DirectoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// Follows symbolic links until the path names no link (or names nothing).
bool ResolveLinks(std::string& path, Failure* failure)
{
    for (int depth = 0; depth < MAX_LINK_DEPTH; ++depth) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        const auto size = static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX);
        std::vector<char> buffer(size + 1);
        const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (n < 0)
            return Fail(failure, "cannot follow the link: " + ErrnoText(errno));
        std::string target(buffer.data(), static_cast<std::size_t>(n));
        if (target.empty() || target.front() != '/')
            target = DirectoryOf(path) + "/" + target;
        path = std::move(target);
    }
    return Fail(failure, ErrnoText(ELOOP));
}

// Writes all bytes from the start of the file, whatever its position.
bool WriteAllFromStart(int fd, std::span<const std::uint8_t> bytes, int& error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                   static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        if (n == 0) {
            error = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadWhole(int fd, std::vector<std::uint8_t>& out, std::size_t size, int& error)
{
    out.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, out.data() + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = errno;
            return false;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return true;
}

// Whether the process may make a file of `size` bytes at all: a file size
// limit would cut the writes short part-way.
bool WithinFileSizeLimit(std::size_t size)
{
    rlimit limit {};
    return ::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY
        || size <= limit.rlim_cur;
}

// The fallback for a directory that refuses new files: the file itself is
// rewritten, and only a regular file is. The room the new content needs is
// taken before the first byte changes, and should a write still fail, the
// old content is put back.
bool RewriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes,
                    Failure* failure)
{
    // Not blocking: a FIFO must not hang the save until someone reads it.
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Fail(failure, ErrnoText(errno));
    struct stat st {};
    int error = 0;
    std::vector<std::uint8_t> old;
    bool ok = true;
    if (::fstat(fd, &st) != 0) {
        error = errno;
        ok = false;
    } else if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return Fail(failure, "not a regular file");
    }
    if (ok && !WithinFileSizeLimit(bytes.size())) {
        error = EFBIG;
        ok = false;
    }
    if (ok)
        ok = ReadWhole(fd, old, static_cast<std::size_t>(st.st_size), error);
    if (ok && bytes.size() > old.size()) {
        error = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
        if (error != 0) {
            [[maybe_unused]] const int ignored = ::ftruncate(fd, static_cast<off_t>(old.size()));
            ok = false;
        }
    }
    if (ok) {
        ok = WriteAllFromStart(fd, bytes, error);
        if (ok && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
            error = errno;
            ok = false;
        }
        if (ok && ::fsync(fd) != 0 && errno != EINVAL) {
            error = errno;
            ok = false;
        }
        if (!ok) {
            // Put the old content back as far as the disk lets us.
            int ignoredError = 0;
            if (WriteAllFromStart(fd, old, ignoredError)
                && ::ftruncate(fd, static_cast<off_t>(old.size())) == 0)
                ::fsync(fd);
        }
    }
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (!ok)
        Fail(failure, ErrnoText(error));
    return ok;
}

// Some noise for a temporary file's name.
std::uint64_t NameNoise(int attempt)
{
    std::uint64_t noise = 0;
    if (::getentropy(&noise, sizeof noise) == 0)
        return noise;
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return (static_cast<std::uint64_t>(now.tv_nsec) << 16) ^ static_cast<std::uint64_t>(::getpid())
        ^ (static_cast<std::uint64_t>(attempt) * 0x9E3779B97F4A7C15u);
}

// Creates a file no other process can have opened, under a fresh name in
// `directory`, with `mode` as a new file's permission bits (the process's
// umask applies, as to every new file). The file's name goes to `path`.
int CreateTemporary(const std::string& directory, mode_t mode, std::string& path)
{
    constexpr std::string_view LETTERS =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < SAVE_TEMPORARY_ATTEMPTS; ++attempt) {
        std::string name = SaveTemporaryName(directory + "/", NameNoise(attempt), LETTERS);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            path = std::move(name);
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

} // namespace

bool WriteFileSafely(const std::string& requested, std::span<const std::uint8_t> bytes,
                     Failure* failure)
{
    if (requested.empty())
        return Fail(failure, "no file name");
    std::string path = requested;
    if (!ResolveLinks(path, failure))
        return false;

    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return Fail(failure, ErrnoText(EISDIR));
    // A device or a FIFO would be replaced by the rename: refuse it instead.
    if (exists && !S_ISREG(existing.st_mode))
        return Fail(failure, "not a regular file");
    if (!exists && errno != ENOENT)
        return Fail(failure, ErrnoText(errno));

    // A new file gets the usual permission bits; a replaced file gets its own
    // ones once the content is written.
    const std::string directory = DirectoryOf(path);
    std::string temp;
    const int fd = CreateTemporary(directory, exists ? S_IRUSR | S_IWUSR : NEW_FILE_MODE, temp);
    if (fd < 0) {
        const int error = errno;
        if (exists && (error == EACCES || error == EPERM || error == EROFS)
            && ::access(path.c_str(), W_OK) == 0)
            return RewriteInPlace(path, bytes, failure);
        return Fail(failure, ErrnoText(error));
    }

    int error = 0;
    bool ok = WriteAllFromStart(fd, bytes, error);
    if (ok && exists && ::fchmod(fd, existing.st_mode & 07777) != 0) {
        error = errno;
        ok = false;
    }
    if (ok && exists) {
        // Keep the owner where we may; an ordinary user cannot, and need not.
        [[maybe_unused]] const int ignored = ::fchown(fd, existing.st_uid, existing.st_gid);
    }
    if (ok && ::fsync(fd) != 0) {
        error = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Fail(failure, ErrnoText(error));
    }
    // Make the rename itself durable.
    const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

} // namespace talvex
