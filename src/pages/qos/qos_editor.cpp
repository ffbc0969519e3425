#include "pages/qos/qos_editor.h"

#include <optional>

#include "config/number_reads.h"
#include "config/number_texts.h"
#include "pages/qos/qos_units.h"

namespace talvex {

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
                     const QosEditorFields& fields, QosNode& node)
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

    QosNode result = node;
    if (rateEdited) {
        const std::optional<std::uint32_t> rateInterval = RateIntervalFromText(fields.rate);
        if (!rateInterval)
            return false;
        result.rateInterval = *rateInterval;
    }
    if (secondsEdited) {
        const std::optional<SamplePeriodRead> sample = SamplePeriodFromText(fields.seconds);
        if (!sample)
            return false;
        result.samplePeriod = sample->samplePeriod;
    }
    if (lowEdited || highEdited) {
        // The thresholds scale with the seconds as typed, not with the stored
        // microseconds, and are read even while thresholds are off.
        const std::optional<float> seconds = ReadFloat(fields.seconds);
        if (!seconds)
            return false;
        const auto encode = [&](const std::string& text, LeU32& threshold) {
            const std::optional<std::uint32_t> units = ThresholdFromText(text, *seconds);
            if (units)
                threshold = *units;
            return units.has_value();
        };
        if ((lowEdited && !encode(fields.low, result.lowThreshold))
            || (highEdited && !encode(fields.high, result.highThreshold)))
            return false;
    }
    if (flagsEdited)
        result.flags = EncodeQosFlags(node.flags, fields);
    node = result;
    return true;
}

} // namespace talvex
