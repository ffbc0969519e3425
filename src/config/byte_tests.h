#pragma once
// Two tests on the bytes of a pattern, used to choose how a pattern is shown.
// Both accept no bytes at all (a null pointer or a length of 0 or less).
#include <cstdint>

namespace talvex {

// Every one of the first `length` bytes is 0xFF.
bool AllBytesFF(const std::uint8_t* bytes, int length);

// Every one of the first `length` bytes is a printable character, 0x20 to 0x7E.
bool AllPrintable(const std::uint8_t* bytes, int length);

} // namespace talvex
