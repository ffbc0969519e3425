#pragma once
// The number-to-text writes of the lists, editors and texts, the other half
// of number_reads.h. Every write is independent of the process locale.
#include <cstdint>
#include <string>

namespace talvex {

// "%d" / "%u": the number in decimal, with a minus sign when negative.
std::string DecimalText(std::int64_t value);

// "%0*d": at least `width` characters, zero-padded after the sign ("%02d"
// of 7 is "07", "%03d" of -7 is "-07").
std::string ZeroPaddedText(std::int64_t value, int width);

// "%02X": two upper-case hexadecimal digits of a byte.
std::string HexByteText(std::uint8_t value);

// "%.Nf" in the "C" locale: `decimals` digits after the point; empty when
// the number cannot be written.
std::string FixedText(double value, int decimals);

} // namespace talvex
