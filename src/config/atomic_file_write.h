#pragma once
// Replacing a file's content so that a failure part-way never destroys the
// old content. One implementation per system: atomic_file_write_posix.cpp
// and atomic_file_write_windows.cpp.
#include <cstdint>
#include <span>
#include <string>

#include "config/failure.h"

namespace talvex {

// What a save says about a target that another program holds open (Windows).
constexpr const char* TARGET_IN_USE_REASON = "it is open in another program";

// Writes `bytes` to a new file in the target's directory, flushes it to the
// disk and moves it over the target. On failure returns false with a short
// reason, removes the temporary file and leaves the target as it was. A
// device (on Windows also NUL, CON and their kin in any folder) or a
// directory is never replaced.
//
// POSIX: symbolic links are followed to their final target; an existing
// target keeps its permission bits. When the directory refuses the new file
// but the target is a writable regular file, the target is rewritten in
// place instead: only once the room for the new content is secured, and with
// the old content put back should a write still fail.
//
// Windows: an existing target keeps its hidden, system and archive marks; a
// read-only one is refused. A target another program holds open is tried
// again for about a second before the save gives up with
// TARGET_IN_USE_REASON.
bool WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                     Failure* failure = nullptr);

} // namespace talvex
