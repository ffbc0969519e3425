#pragma once
// Taking file names apart by the rules of the system the program runs on:
// POSIX names split at '/'; Windows names also at '\' and after a drive's
// colon ("C:net.cfg"), and a few names there are devices in every folder.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace talvex {

enum class PathStyle { Posix, Windows };

#ifdef _WIN32
constexpr PathStyle NATIVE_PATH_STYLE = PathStyle::Windows;
#else
constexpr PathStyle NATIVE_PATH_STYLE = PathStyle::Posix;
#endif

// Where the last component of `path` starts: 0 when it names no folder.
std::size_t FileNameStart(std::string_view path, PathStyle style = NATIVE_PATH_STYLE);

// Whether Windows takes `path` for a device rather than a file: a name in
// the device namespace ("\\.\COM1"), or a last component that is CON, PRN,
// AUX, NUL, COM0 to COM9, LPT0 to LPT9 (also with a superscript 1 to 3),
// CONIN$ or CONOUT$, in any case, also with an extension ("nul.cfg") or
// trailing spaces.
bool IsWindowsDeviceName(std::string_view path);

// How many fresh names a save tries for its temporary file.
constexpr int SAVE_TEMPORARY_ATTEMPTS = 100;

// A name for a save's temporary file in `folder` ("" or ending in a
// separator): ".talvex-save-" and six of `letters`, drawn from `noise`.
std::string SaveTemporaryName(std::string_view folder, std::uint64_t noise,
                              std::string_view letters);

} // namespace talvex
