#pragma once
// Replacing a file's content so that a failure part-way never destroys the
// old content.
#include <cstdint>
#include <span>
#include <string>

namespace talvex {

// Writes `bytes` to a new file in the target's directory, flushes it to the
// disk and renames it over the target. Symbolic links are followed to their
// final target; an existing target keeps its permission bits. When the
// directory refuses the new file but the target is a writable regular file,
// the target is rewritten in place instead: only once the room for the new
// content is secured, and with the old content put back should a write still
// fail. On failure returns false with a short reason, removes the temporary
// file and leaves the target as it was.
bool WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                     std::string* reason = nullptr);

} // namespace talvex
