#pragma once
// The text-to-number reads of the editors and wizards. Every read is
// independent of the process locale: "0.7" is seven tenths everywhere.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace talvex {

// Rule editor: optional white space, an optionally signed decimal number,
// anything after it ignored; the value taken modulo 2^32. No digit: nothing.
std::optional<std::uint32_t> ReadSignedDecimal(std::string_view text);

// The "%u" read of the C library: white space skipped, an optional sign (a
// minus wraps the value modulo 2^32), digits up to the first non-digit,
// accumulated modulo 2^32. No digit: nothing. Text after the digits is ignored.
std::optional<std::uint32_t> ReadUnsigned(std::string_view text);

// The "%f" read into a single-precision number. Nothing when no number is
// found at the start of the text (after white space). A number too large for
// a float also gives nothing (never an infinity); one too small reads as 0.
std::optional<float> ReadFloat(std::string_view text);

// IP wizard number field: after optional spaces an optionally signed decimal
// number that lies in [minimum, maximum] (a negative number never does); the
// rest of the text is ignored. Nothing when there is no such number.
std::optional<std::uint32_t> ReadNumberInRange(std::string_view text, std::uint32_t minimum,
                                               std::uint32_t maximum);

// IP wizard address field: up to four decimal numbers separated by ".", the
// first one present, missing parts 0, every part 0 to 255.
std::optional<std::array<std::uint8_t, 4>> ReadDottedAddress(std::string_view text);

} // namespace talvex
