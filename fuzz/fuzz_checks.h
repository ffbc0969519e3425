#pragma once
// The fuzz targets' own assertions: a broken expectation is a finding, so it
// ends the run the way a sanitizer report does.
#include <cstdint>
#include <span>

namespace talvex::fuzz {

// Prints `what` and aborts when `condition` is false.
void Expect(bool condition, const char* what);

// Aborts when the bytes of `before` and `after` differ in [first, last).
void ExpectSameBytes(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                     std::size_t first, std::size_t last, const char* what);

} // namespace talvex::fuzz
