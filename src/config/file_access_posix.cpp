#include "config/file_access.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvex {

int OpenForLoading(const std::string& fileName, Failure& failure)
{
    struct stat status {};
    if (::stat(fileName.c_str(), &status) == 0
        && (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))) {
        failure.reason = DEVICE_REASON;
        return -1;
    }
    // Opened without waiting, so a FIFO nobody writes to reads as empty
    // instead of blocking the open; the reads themselves may wait again.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        failure.reason = std::string("cannot open it: ") + std::strerror(errno);
        return -1;
    }
    const int statusFlags = ::fcntl(fd, F_GETFL);
    if (statusFlags != -1)
        ::fcntl(fd, F_SETFL, statusFlags & ~O_NONBLOCK);
    return fd;
}

std::ptrdiff_t ReadFromFile(int fd, void* buffer, std::size_t count)
{
    return ::read(fd, buffer, count);
}

void CloseFile(int fd) { ::close(fd); }

void PrepareStandardFiles() { std::signal(SIGXFSZ, SIG_IGN); }

} // namespace talvex
