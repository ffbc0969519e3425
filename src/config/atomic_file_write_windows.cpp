#include "config/atomic_file_write.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <windows.h>

#include "config/path_names.h"

namespace talvex {

namespace {

// Another program holding the target open (an editor, a virus scanner, a
// backup) usually lets go soon: the move is tried this often, this far apart.
constexpr int IN_USE_ATTEMPTS = 10;
constexpr DWORD IN_USE_PAUSE_MS = 100;
// The marks a replaced file keeps.
constexpr DWORD KEPT_ATTRIBUTES =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
// WriteFile takes at most this much at once.
constexpr std::size_t MAX_WRITE = 1u << 30;

// A system error in the words the POSIX save uses for the same fault, so
// that messages and scripts read alike on both systems.
std::string ErrorText(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return std::strerror(ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
        return std::strerror(EACCES);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::strerror(ENOSPC);
    case ERROR_FILENAME_EXCED_RANGE:
        return std::strerror(ENAMETOOLONG);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return TARGET_IN_USE_REASON;
    default:
        break;
    }
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length > 0 ? std::string(text, length) : "";
    ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'
                                || message.back() == '.' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "system error " + std::to_string(error) : message;
}

// Whether another program holds `path` open so that it cannot be replaced.
bool OpenElsewhere(const std::string& path)
{
    const HANDLE probe = ::CreateFileA(path.c_str(), DELETE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_SHARING_VIOLATION;
    ::CloseHandle(probe);
    return false;
}

// Some noise for a temporary file's name.
std::uint64_t NameNoise(int attempt)
{
    LARGE_INTEGER counter {};
    ::QueryPerformanceCounter(&counter);
    return (static_cast<std::uint64_t>(counter.QuadPart) << 16)
        ^ static_cast<std::uint64_t>(::GetCurrentProcessId())
        ^ (static_cast<std::uint64_t>(attempt) * 0x9E3779B97F4A7C15u);
}

// Creates a file no other program can have opened, under a fresh name beside
// `target`; its name goes to `path`.
HANDLE CreateTemporary(std::string_view target, std::string& path)
{
    // Lower case only: Windows names ignore case.
    constexpr std::string_view LETTERS = "abcdefghijklmnopqrstuvwxyz0123456789";
    const std::string_view folder = target.substr(0, FileNameStart(target, PathStyle::Windows));
    for (int attempt = 0; attempt < SAVE_TEMPORARY_ATTEMPTS; ++attempt) {
        std::string name = SaveTemporaryName(folder, NameNoise(attempt), LETTERS);
        const HANDLE file = ::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) {
            path = std::move(name);
            return file;
        }
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min(bytes.size(), MAX_WRITE));
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return false;
        if (written == 0) {
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

// Moves the written file over the target, waiting a little for a program
// that holds the target open. Returns 0 or the error.
DWORD MoveOver(const std::string& temp, const std::string& target, bool targetExists)
{
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExA(temp.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return 0;
        const DWORD error = ::GetLastError();
        // Windows reports a target held open as a refused access.
        const bool inUse = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION
            || (error == ERROR_ACCESS_DENIED && targetExists && OpenElsewhere(target));
        if (!inUse)
            return error;
        if (attempt == IN_USE_ATTEMPTS)
            return ERROR_SHARING_VIOLATION;
        ::Sleep(IN_USE_PAUSE_MS);
    }
}

} // namespace

bool WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                     Failure* failure)
{
    if (path.empty())
        return Fail(failure, "no file name");
    // A device would take the bytes, or the move would fail: refuse it.
    if (IsWindowsDeviceName(path))
        return Fail(failure, "not a regular file");
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    const DWORD lookError = exists ? 0 : ::GetLastError();
    if (lookError != 0 && lookError != ERROR_FILE_NOT_FOUND)
        return Fail(failure, ErrorText(lookError));
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return Fail(failure, std::strerror(EISDIR));
    // Windows keeps a read-only file from being replaced; so does the save.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return Fail(failure, std::strerror(EACCES));

    std::string temp;
    const HANDLE file = CreateTemporary(path, temp);
    if (file == INVALID_HANDLE_VALUE)
        return Fail(failure, ErrorText(::GetLastError()));
    DWORD error = 0;
    if (!WriteAll(file, bytes) || !::FlushFileBuffers(file))
        error = ::GetLastError();
    if (!::CloseHandle(file) && error == 0)
        error = ::GetLastError();
    const DWORD kept = exists ? attributes & KEPT_ATTRIBUTES : 0;
    if (error == 0 && kept != 0 && !::SetFileAttributesA(temp.c_str(), kept))
        error = ::GetLastError();
    if (error == 0)
        error = MoveOver(temp, path, exists);
    if (error != 0) {
        ::DeleteFileA(temp.c_str());
        return Fail(failure, ErrorText(error));
    }
    return true;
}

} // namespace talvex
