#include "pages/qos/qos_editor.h"

#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "config/number_reads.h"
#include "config/number_texts.h"
#include "pages/qos/qos_hints.h"
#include "pages/qos/qos_units.h"

namespace talvex {

namespace {

// What the editor takes in the rate and seconds boxes, as their hints say it:
// the whole rates whose single-precision value lies below 1000000000, and the
// seconds whose microseconds lie strictly between 10000 and 1000000000.
constexpr const char* RATE_REASON = "Per Second: type a whole number from " TALVEX_QOS_RATE_RANGE;
constexpr const char* SECONDS_REASON =
    "Seconds Per Sample: type a number of seconds from " TALVEX_QOS_SAMPLE_RANGE;

// A threshold's reason: its label and the numbers it takes at these seconds.
std::string ThresholdReason(std::string_view label, float seconds)
{
    const std::uint32_t largest = MaxThresholdPerSecond(seconds);
    std::string reason = std::string(label) + ": type a whole number from 0 to "
        + DecimalText(largest);
    if (largest < std::numeric_limits<std::uint32_t>::max())
        reason += " at this sample period";
    return reason;
}

} // namespace

void WriteQosEditorDefaults(QosNode& node)
{
    if (node.flags == 0)
        node.flags = QOS_NEW_NODE_FLAGS;
    if (node.rateInterval == 0u)
        node.rateInterval = DEFAULT_RATE_INTERVAL;
    if (node.samplePeriod == 0u)
        node.samplePeriod = DEFAULT_SAMPLE_PERIOD;
}

QosEditorFields DecodeQosEditor(const QosNode& node, int entry)
{
    QosEditorFields fields;
    const std::uint32_t rateInterval = node.rateInterval != 0u ? node.rateInterval.get()
                                                               : DEFAULT_RATE_INTERVAL;
    const std::uint32_t samplePeriod = node.samplePeriod != 0u ? node.samplePeriod.get()
                                                               : DEFAULT_SAMPLE_PERIOD;
    const float seconds = SampleSeconds(samplePeriod);
    fields.entry = DecimalText(entry);
    fields.rate = RateText(rateInterval);
    fields.seconds = SecondsText(samplePeriod);
    fields.low = PerSecondText(node.lowThreshold, seconds);
    fields.high = PerSecondText(node.highThreshold, seconds);

    const std::uint16_t flags = node.flags;
    fields.bytes = (flags & QOS_BY_BYTES) != 0;
    fields.frames = (flags & QOS_BY_FRAMES) != 0;
    fields.thresholds = (flags & QOS_THRESHOLDS) != 0;
    fields.absolute = (flags & QOS_ABSOLUTE) != 0;
    fields.fixedDelay = (flags & QOS_FIXED_DELAY) != 0;
    fields.banking = (flags & QOS_BANKING) != 0;
    fields.immortal = (flags & QOS_IMMORTAL) != 0;
    return fields;
}

std::uint16_t EncodeQosFlags(std::uint16_t oldFlags, const QosEditorFields& fields)
{
    std::uint16_t flags = oldFlags & static_cast<std::uint16_t>(~QOS_EDITOR_BITS);
    const auto setIf = [&flags](bool checked, std::uint16_t bit) {
        if (checked)
            flags = static_cast<std::uint16_t>(flags | bit);
    };
    setIf(fields.immortal, QOS_IMMORTAL);
    setIf(fields.fixedDelay, QOS_FIXED_DELAY);
    setIf(fields.bytes, QOS_BY_BYTES);
    setIf(fields.frames, QOS_BY_FRAMES);
    setIf(fields.thresholds, QOS_THRESHOLDS);
    setIf(fields.absolute, QOS_ABSOLUTE);
    setIf(fields.banking, QOS_BANKING);
    return flags;
}

bool AcceptQosEditor(const ShownAtOpen<QosEditorFields>& opening,
                     const QosEditorFields& fields, QosNode& node, FieldRefusal* refusal)
{
    using F = QosEditorFields;
    // The inputs of each stored value. Low and High are per-second figures
    // computed with the seconds, so a new seconds text encodes them again
    // from their texts: what the operator sees per second keeps its meaning.
    const bool rateEdited = InputsEdited(opening, fields, &F::rate);
    const bool secondsEdited = InputsEdited(opening, fields, &F::seconds);
    const bool lowEdited = InputsEdited(opening, fields, &F::low, &F::seconds);
    const bool highEdited = InputsEdited(opening, fields, &F::high, &F::seconds);
    const bool flagsEdited = InputsEdited(opening, fields, &F::bytes, &F::frames, &F::thresholds,
                                          &F::absolute, &F::fixedDelay, &F::banking, &F::immortal);

    // The texts are read in the order the keyboard reaches them, so a
    // refusal names the first invalid one.
    QosNode result = node;
    if (rateEdited) {
        const std::optional<std::uint32_t> rateInterval = RateIntervalFromText(fields.rate);
        if (!rateInterval)
            return Refuse(refusal, &F::rate, RATE_REASON);
        result.rateInterval = *rateInterval;
    }
    if (secondsEdited) {
        const std::optional<SamplePeriodRead> sample = SamplePeriodFromText(fields.seconds);
        if (!sample)
            return Refuse(refusal, &F::seconds, SECONDS_REASON);
        result.samplePeriod = sample->samplePeriod;
    }
    if (lowEdited || highEdited) {
        // The thresholds scale with the seconds as typed, not with the stored
        // microseconds, and are read even while thresholds are off.
        const std::optional<float> seconds = ReadFloat(fields.seconds);
        if (!seconds)
            return Refuse(refusal, &F::seconds, SECONDS_REASON);
        const auto encode = [&](const std::string& text, LeU32& threshold) {
            const std::optional<std::uint32_t> units = ThresholdFromText(text, *seconds);
            if (units)
                threshold = *units;
            return units.has_value();
        };
        if (lowEdited && !encode(fields.low, result.lowThreshold))
            return Refuse(refusal, &F::low, ThresholdReason("Low", *seconds));
        if (highEdited && !encode(fields.high, result.highThreshold))
            return Refuse(refusal, &F::high, ThresholdReason("High", *seconds));
    }
    if (flagsEdited)
        result.flags = EncodeQosFlags(node.flags, fields);
    node = result;
    return true;
}

} // namespace talvex
