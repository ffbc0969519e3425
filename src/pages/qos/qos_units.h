#pragma once
// Conversions between the units the QoS editor shows (a rate per second, a
// sample period in seconds, thresholds per second) and the units stored in
// the node (nanoseconds per unit, microseconds, units per sample period).
// The arithmetic is fixed to the bit: the stored values must come out exactly
// as the TSE's own tools have always written them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace talvex {

// The single-precision value nearest to 0.000001.
constexpr float MICROSECOND_FACTOR = 0.000001f;

constexpr std::uint32_t DEFAULT_RATE_INTERVAL = 1000;

// Shown values. The rate interval must not be 0 (the editor writes defaults
// before it shows anything).
std::string RateText(std::uint32_t rateInterval);              // "%.0f" of 1e9 / interval
std::string SecondsText(std::uint32_t samplePeriod);           // "%.6f", double precision
float SampleSeconds(std::uint32_t samplePeriod);  // period × factor, rounded once to float
std::string PerSecondText(std::uint32_t threshold, float sampleSeconds);  // "%.0f"

// Read back. Nothing means the text is invalid.

// A rate per second, 0 < rate < 1000000000 in single precision, as the
// nanoseconds per unit: 1e9 / rate truncated, low 32 bits.
std::optional<std::uint32_t> RateIntervalFromText(std::string_view text);

struct SamplePeriodRead {
    float seconds;               // as typed, single precision
    std::uint32_t samplePeriod;  // microseconds, 10001 to 999999999
};
std::optional<SamplePeriodRead> SamplePeriodFromText(std::string_view text);

// A threshold per second as units per sample period: the "%u" value times the
// typed seconds, in double precision, truncated. A result of 2^32 or more, or
// a number too long for 32 bits, is invalid rather than cut to its low bits.
std::optional<std::uint32_t> ThresholdFromText(std::string_view text, float sampleSeconds);

// The largest threshold per second ThresholdFromText takes at these seconds.
std::uint32_t MaxThresholdPerSecond(float sampleSeconds);

} // namespace talvex
