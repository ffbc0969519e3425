#include "pages/qos/qos_editor.h"

#include <optional>

#include "pages/qos/qos_units.h"

namespace talvex {

QosNode OpenQosEditor(QosNode& node)
{
    const QosNode copy = node;
    if (node.flags == 0)
        node.flags = QOS_NEW_NODE_FLAGS;
    if (node.rateInterval == 0u)
        node.rateInterval = DEFAULT_RATE_INTERVAL;
    if (node.samplePeriod == 0u)
        node.samplePeriod = DEFAULT_SAMPLE_PERIOD;
    return copy;
}

QosEditorFields DecodeQosEditor(const QosNode& node, int index)
{
    QosEditorFields fields;
    const std::uint32_t rateInterval = node.rateInterval != 0u ? node.rateInterval.get()
                                                               : DEFAULT_RATE_INTERVAL;
    const std::uint32_t samplePeriod = node.samplePeriod != 0u ? node.samplePeriod.get()
                                                               : DEFAULT_SAMPLE_PERIOD;
    const float seconds = SampleSeconds(samplePeriod);
    fields.index = std::to_string(index);
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

bool AcceptQosEditor(const QosEditorFields& fields, QosNode& node)
{
    const std::optional<std::uint32_t> rateInterval = RateIntervalFromText(fields.rate);
    if (!rateInterval)
        return false;
    const std::optional<SamplePeriodRead> sample = SamplePeriodFromText(fields.seconds);
    if (!sample)
        return false;
    // The thresholds scale with the seconds as typed, not with the stored
    // microseconds, and are checked even while thresholds are off.
    const std::optional<std::uint32_t> low = ThresholdFromText(fields.low, sample->seconds);
    if (!low)
        return false;
    const std::optional<std::uint32_t> high = ThresholdFromText(fields.high, sample->seconds);
    if (!high)
        return false;

    node.rateInterval = *rateInterval;
    node.lowThreshold = *low;
    node.highThreshold = *high;
    node.samplePeriod = sample->samplePeriod;
    node.flags = EncodeQosFlags(node.flags, fields);
    return true;
}

} // namespace talvex
