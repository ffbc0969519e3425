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
// directory refuses the new file but the target exists and is writable, the
// target is rewritten in place instead. On failure returns false with a short
// reason and removes the temporary file.
bool WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                     std::string* reason = nullptr);

} // namespace talvex
