// Every text read of the editors and wizards on arbitrary text: the dotted
// hexadecimal codec, the decimal, "%u", float, range and address reads, and
// the QoS unit conversions. Besides not crashing, each read keeps its
// promises: counts and values in range, formatting and reading back agree.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "config/dotted_hex.h"
#include "config/little_endian.h"
#include "config/number_reads.h"
#include "config/number_texts.h"
#include "fuzz_checks.h"
#include "pages/qos/qos_units.h"

namespace talvex::fuzz {
namespace {

constexpr std::size_t MAX_TEXT = 96;

void DottedHex(const std::string& text)
{
    constexpr std::uint8_t SENTINEL = 0xA5;
    Bytes<16> bytes;
    bytes.fill(SENTINEL);
    const int count = ParseDottedHex(text, bytes);
    Expect(count >= 0 && count <= DOTTED_HEX_MAX_BYTES, "dotted hex reads 0 to 16 bytes");
    for (int i = count; i < DOTTED_HEX_MAX_BYTES; ++i)
        Expect(bytes[static_cast<std::size_t>(i)] == SENTINEL, "bytes after the count are kept");

    const std::string formatted = FormatDottedHex(bytes, count);
    Expect(formatted.size() == (count == 0 ? 0u : static_cast<std::size_t>(count) * 3 - 1),
           "two digits per byte joined by dots");
    Bytes<16> again{};
    Expect(ParseDottedHex(formatted, again) == count, "formatted bytes read back in full");
    for (int i = 0; i < count; ++i)
        Expect(again[static_cast<std::size_t>(i)] == bytes[static_cast<std::size_t>(i)],
               "formatted bytes read back unchanged");
}

void Decimals(const std::string& text, std::uint32_t minimum, std::uint32_t maximum)
{
    const auto wrapped = ReadSignedDecimal(text);
    const auto unsignedValue = ReadUnsigned(text);
    Expect(wrapped.has_value() == unsignedValue.has_value(), "both decimal reads see a number");

    if (const auto inRange = ReadNumberInRange(text, minimum, maximum)) {
        Expect(*inRange >= minimum && *inRange <= maximum, "a range read stays in its range");
        Expect(wrapped && *wrapped == *inRange, "a range read agrees with the decimal read");
    }

    if (const auto address = ReadDottedAddress(text)) {
        char shown[20];
        std::snprintf(shown, sizeof shown, "%d.%d.%d.%d", (*address)[0], (*address)[1],
                      (*address)[2], (*address)[3]);
        Expect(ReadDottedAddress(shown) == address, "an address reads back as shown");
    }
}

void Units(const std::string& text, const std::string& second, std::uint32_t stored)
{
    if (const auto value = ReadFloat(text))
        Expect(std::isfinite(*value), "a float read never gives an infinity or NaN");

    // The rate box takes digits only; for such a text a valid rate is a
    // whole number from 1 up, which gives 1 to 1000000000 nanoseconds.
    // (Other texts keep the low 32 bits of the quotient, by design.)
    const bool digitsOnly = !text.empty()
        && text.find_first_not_of("0123456789") == std::string::npos;
    if (const auto interval = RateIntervalFromText(text); interval && digitsOnly)
        Expect(*interval >= 1u && *interval <= 1000000000u,
               "a whole rate gives 1 to 1000000000 nanoseconds per unit");

    const auto sample = SamplePeriodFromText(text);
    if (sample)
        Expect(sample->samplePeriod > 10000u && sample->samplePeriod < 1000000000u,
               "a sample period lies between 10000 and 1000000000 microseconds");
    const float seconds = sample ? sample->seconds : SampleSeconds(stored == 0 ? 1 : stored);
    ThresholdFromText(second, seconds);

    // The texts the editor shows for stored values must be readable numbers.
    const std::uint32_t interval = stored == 0 ? 1 : stored;
    Expect(ReadFloat(RateText(interval)).has_value(), "the rate text is a number");
    Expect(ReadFloat(SecondsText(stored)).has_value(), "the seconds text is a number");
    const std::string perSecond = PerSecondText(stored, SampleSeconds(interval));
    Expect(perSecond.empty() || ReadFloat(perSecond).has_value(), "the threshold text is a number");
}

} // namespace
} // namespace talvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace talvex::fuzz;
    FuzzedDataProvider input(data, size);
    const std::uint32_t minimum = input.ConsumeIntegral<std::uint32_t>();
    const std::uint32_t maximum = input.ConsumeIntegral<std::uint32_t>();
    const std::uint32_t stored = input.ConsumeIntegral<std::uint32_t>();
    const double wide = input.ConsumeFloatingPoint<double>();
    const int decimals = input.ConsumeIntegralInRange(0, 9);
    const std::string second = input.ConsumeRandomLengthString(MAX_TEXT);
    const std::string text = input.ConsumeRemainingBytesAsString();

    DottedHex(text);
    Decimals(text, minimum, maximum);
    Units(text, second, stored);
    const std::string fixed = talvex::FixedText(wide, decimals);
    Expect(!std::isfinite(wide) || !fixed.empty(), "a finite number always has a fixed text");
    return 0;
}
