#include "config/file_access.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "config/path_names.h"

namespace talvex {

int OpenForLoading(const std::string& fileName, Failure& failure)
{
    if (IsWindowsDeviceName(fileName)) {
        failure.reason = DEVICE_REASON;
        return -1;
    }
    // Windows does not open a folder as a file; say what reading one says
    // elsewhere.
    const DWORD attributes = ::GetFileAttributesA(fileName.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        failure.reason = std::string("cannot read it: ") + std::strerror(EISDIR);
        return -1;
    }
    const int fd = ::_open(fileName.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        failure.reason = std::string("cannot open it: ") + std::strerror(errno);
        return -1;
    }
    // A name the check above does not know may still reach a device or a pipe.
    if (::GetFileType(reinterpret_cast<HANDLE>(::_get_osfhandle(fd))) != FILE_TYPE_DISK) {
        ::_close(fd);
        failure.reason = DEVICE_REASON;
        return -1;
    }
    return fd;
}

std::ptrdiff_t ReadFromFile(int fd, void* buffer, std::size_t count)
{
    return ::_read(fd, buffer, static_cast<unsigned>(std::min<std::size_t>(count, INT_MAX)));
}

void CloseFile(int fd) { ::_close(fd); }

void PrepareStandardFiles()
{
    for (std::FILE* stream : {stdin, stdout, stderr})
        ::_setmode(::_fileno(stream), _O_BINARY);
}

} // namespace talvex
