#include "pages/qos/qos_units.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "config/number_reads.h"
#include "config/number_texts.h"

namespace talvex {

namespace {

constexpr double NANOSECONDS_PER_SECOND = 1000000000.0;
constexpr double MICROSECONDS_PER_SECOND = 1000000.0;
constexpr double TWO_TO_32 = 4294967296.0;
constexpr double MIN_SAMPLE_PERIOD_EXCLUSIVE = 10000.0;
constexpr double MAX_SAMPLE_PERIOD_EXCLUSIVE = 1000000000.0;
constexpr float MAX_RATE_EXCLUSIVE = 1000000000.0f;

// The low 32 bits of a non-negative whole number held in a double.
std::uint32_t LowWord(double whole)
{
    return static_cast<std::uint32_t>(std::fmod(whole, TWO_TO_32));
}

// True when the decimal number at the start of the text (after white space
// and one sign) fits in 32 bits; "%u" would silently keep only its low bits.
bool FitsInWord(std::string_view text)
{
    std::size_t pos = text.find_first_not_of(" \t\n\v\f\r");
    if (pos == std::string_view::npos)
        return false;
    if (text[pos] == '+' || text[pos] == '-')
        ++pos;
    return ReadNumberInRange(text.substr(pos), 0, 0xFFFFFFFFu).has_value();
}

// A threshold per second as units per sample period; nothing from 2^32 on.
std::optional<std::uint32_t> ThresholdUnits(std::uint32_t perSecond, float sampleSeconds)
{
    const double units =
        std::trunc(static_cast<double>(perSecond) * static_cast<double>(sampleSeconds));
    if (!(units >= 0.0 && units < TWO_TO_32))
        return std::nullopt;
    return static_cast<std::uint32_t>(units);
}

} // namespace

std::string RateText(std::uint32_t rateInterval)
{
    return FixedText(NANOSECONDS_PER_SECOND / rateInterval, 0);
}

std::string SecondsText(std::uint32_t samplePeriod)
{
    return FixedText(static_cast<double>(samplePeriod) * static_cast<double>(MICROSECOND_FACTOR), 6);
}

float SampleSeconds(std::uint32_t samplePeriod)
{
    // The product is rounded once, to single precision. Formed in double it
    // would be rounded twice (to 53 bits, then to 24), which gives another
    // float for a few periods (1220723819, 2441447638 and 3611114389). The
    // factor is a 24-bit whole number M times 2^E, so the exact product is
    // the whole number samplePeriod × M, below 2^56 and exact in 64 bits,
    // times 2^E: converting that number to float is the one rounding (to
    // nearest, as every IEEE conversion does), and scaling a normal float by
    // a power of two is exact.
    constexpr int FLOAT_DIGITS = std::numeric_limits<float>::digits;
    int exponent = 0;
    const float fraction = std::frexp(MICROSECOND_FACTOR, &exponent);
    const auto factorDigits = static_cast<std::int64_t>(std::ldexp(fraction, FLOAT_DIGITS));
    const std::int64_t product = static_cast<std::int64_t>(samplePeriod) * factorDigits;
    return std::ldexp(static_cast<float>(product), exponent - FLOAT_DIGITS);
}

std::string PerSecondText(std::uint32_t threshold, float sampleSeconds)
{
    return FixedText(static_cast<double>(threshold) / static_cast<double>(sampleSeconds), 0);
}

std::optional<std::uint32_t> RateIntervalFromText(std::string_view text)
{
    const std::optional<float> rate = ReadFloat(text);
    if (!rate || !(*rate > 0.0f && *rate < MAX_RATE_EXCLUSIVE))
        return std::nullopt;
    return LowWord(std::trunc(NANOSECONDS_PER_SECOND / static_cast<double>(*rate)));
}

std::optional<SamplePeriodRead> SamplePeriodFromText(std::string_view text)
{
    const std::optional<float> seconds = ReadFloat(text);
    if (!seconds)
        return std::nullopt;
    const double micro = std::trunc(static_cast<double>(*seconds) * MICROSECONDS_PER_SECOND);
    if (!(micro > MIN_SAMPLE_PERIOD_EXCLUSIVE && micro < MAX_SAMPLE_PERIOD_EXCLUSIVE))
        return std::nullopt;
    return SamplePeriodRead{*seconds, static_cast<std::uint32_t>(micro)};
}

std::optional<std::uint32_t> ThresholdFromText(std::string_view text, float sampleSeconds)
{
    const std::optional<std::uint32_t> perSecond = ReadUnsigned(text);
    if (!perSecond || !FitsInWord(text))
        return std::nullopt;
    return ThresholdUnits(*perSecond, sampleSeconds);
}

std::uint32_t MaxThresholdPerSecond(float sampleSeconds)
{
    constexpr std::uint32_t LARGEST = std::numeric_limits<std::uint32_t>::max();
    if (!(sampleSeconds > 0.0f))
        return sampleSeconds == 0.0f ? LARGEST : 0;
    // The units grow with the number: the largest that fits lies next to
    // 2^32 / seconds, which the rounding of the product may move by one.
    const double estimate = std::floor(TWO_TO_32 / static_cast<double>(sampleSeconds));
    auto largest = static_cast<std::uint32_t>(std::min(estimate, static_cast<double>(LARGEST)));
    while (largest > 0 && !ThresholdUnits(largest, sampleSeconds))
        --largest;
    while (largest < LARGEST && ThresholdUnits(largest + 1, sampleSeconds))
        ++largest;
    return largest;
}

} // namespace talvex
