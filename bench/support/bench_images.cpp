#include "support/bench_images.h"

#include <array>
#include <fstream>

#include "config/config_file.h"

namespace talvex::bench {

namespace {

// Every action that carries a reference or depends on the next rule.
constexpr std::array<std::uint8_t, 9> REFERENCE_ACTIONS{
    ACTION_GOTO_RULE, ACTION_GOTO_SEQUENCE, ACTION_QOS,           ACTION_PRIORITY_QUEUE,
    ACTION_ADDRESS_MASK, ACTION_AUDIT_FORWARD, ACTION_AUDIT_NEXT_RULE, ACTION_NEXT_RULE,
    ACTION_NEXT_SEQUENCE};

// The stored conditions, comparisons and parameterised ones alike.
constexpr std::array<std::uint8_t, 16> CONDITIONS{0x00, 0x02, 0x03, 0x04, 0x05, 0x10, 0x12, 0x13,
                                                  0x14, 0x15, 0x01, 0x11, 0x08, 0x18, 0x09, 0x19};

// A parameter for the action: a few past the table's end, the rest spread
// over entries that may be used or empty.
std::int16_t ParamFor(std::uint8_t action, int seed)
{
    switch (action) {
    case ACTION_GOTO_RULE:
    case ACTION_GOTO_SEQUENCE: return static_cast<std::int16_t>(seed % (RULE_COUNT + 3));
    case ACTION_QOS: return static_cast<std::int16_t>(seed % (QOS_COUNT + 6));
    case ACTION_PRIORITY_QUEUE: return static_cast<std::int16_t>(seed % (PRIQ_COUNT + 2));
    case ACTION_ADDRESS_MASK:
    case ACTION_AUDIT_FORWARD:
    case ACTION_AUDIT_NEXT_RULE: return static_cast<std::int16_t>(seed % (MASK_COUNT + 4));
    default: return 0;
    }
}

void FillRules(ConfigImage& image, std::uint32_t variant)
{
    for (int r = 0; r < RULE_COUNT; ++r) {
        RuleRecord& rule = image.ruleTable[static_cast<std::size_t>(r)];
        const int k = r + static_cast<int>(variant);
        const std::uint8_t flags = RULE_DEFINED | (k % 3 == 0 ? ALWAYS_HIT : 0)
            | (k % 5 == 0 ? ALWAYS_MISS : 0);
        rule.ruleFlags = static_cast<std::uint8_t>(flags | ((k % 8) << 4));
        rule.condition = CONDITIONS[static_cast<std::size_t>(k) % CONDITIONS.size()];
        rule.thenAction = REFERENCE_ACTIONS[static_cast<std::size_t>(k) % REFERENCE_ACTIONS.size()];
        rule.elseAction =
            REFERENCE_ACTIONS[static_cast<std::size_t>(k * 7 + 3) % REFERENCE_ACTIONS.size()];
        rule.thenParam = ParamFor(rule.thenAction, k * 5 + 1);
        rule.elseParam = ParamFor(rule.elseAction, k * 11 + 2);
        rule.offset = static_cast<std::int16_t>(k % 256);
        rule.patternLength = 16;
        rule.frameLength = 16;
        for (int i = 0; i < 16; ++i) {
            rule.patternData[i] = static_cast<std::uint8_t>(k * 31 + i * 17);
            rule.patternMask[i] = static_cast<std::uint8_t>(0xFF - i);
        }
    }
}

void FillQos(ConfigImage& image, std::uint32_t variant)
{
    for (int q = 0; q < QOS_COUNT; ++q) {
        QosNode& node = image.qosTable[static_cast<std::size_t>(q)];
        const int k = q + static_cast<int>(variant);
        if (k % 4 == 3) {
            node.flags = 0;  // empty: rule, mask and queue references to it are findings
            continue;
        }
        node.flags = static_cast<std::uint16_t>(
            (k % 2 ? QOS_BY_BYTES : QOS_BY_FRAMES) | QOS_IMMORTAL | QOS_THRESHOLDS | QOS_ABSOLUTE
            | QOS_BANKING | QOS_FIXED_DELAY);
        node.rateInterval = static_cast<std::uint32_t>(1 + k * 977);
        node.samplePeriod = static_cast<std::uint32_t>(10000 + k * 12345);
        node.highThreshold = static_cast<std::uint32_t>(4000000 + k * 3);
        node.lowThreshold = static_cast<std::uint32_t>(1000000 + k * 7);
    }
}

void FillMasks(ConfigImage& image, std::uint32_t variant)
{
    for (int m = 0; m < MASK_COUNT; ++m) {
        AddressMask& mask = image.maskTable[static_cast<std::size_t>(m)];
        const int k = m + static_cast<int>(variant);
        // Every fourth entry has flags without MASK_IN_USE.
        mask.flags = static_cast<std::uint16_t>(k % 4 == 2 ? MASK_AUDIT
                                                           : MASK_IN_USE | MASK_BIDIR_QOS | MASK_AUDIT);
        mask.qosNode = static_cast<std::int16_t>((k * 9) % (QOS_COUNT + 6));
        mask.srcKeyType = static_cast<std::uint8_t>(1 + k % 15);
        mask.dstKeyType = static_cast<std::uint8_t>(1 + (k + 7) % 15);
        mask.srcBase = BASE_FRAGS;
        mask.dstBase = BASE_FRAGS;
        mask.srcOffset = 12;
        mask.dstOffset = 16;
        mask.srcLength = 16;
        mask.dstLength = 16;
        mask.srcMask.fill(0xFF);
        mask.dstMask.fill(0xF0);
        mask.ttlTicks = static_cast<std::uint32_t>(18 * (60 + k));
        mask.keyGroup = static_cast<std::uint8_t>(k);
        mask.defaultAction = ACTION_QOS;
        mask.defaultParam = static_cast<std::int16_t>(k % QOS_COUNT);
    }
}

void FillPriQ(ConfigImage& image, std::uint32_t variant)
{
    // Starts without ends, middles outside any queue, ends without starts,
    // and entries with flags but without PQ_IN_USE.
    constexpr std::array<std::uint16_t, 7> POSITIONS{
        PQ_IN_USE | PQ_START, PQ_IN_USE | PQ_MIDDLE, PQ_IN_USE | PQ_START, PQ_IN_USE | PQ_END,
        PQ_IN_USE | PQ_END,   PQ_IN_USE | PQ_END,    PQ_MIDDLE};
    for (int e = 0; e < PRIQ_COUNT; ++e) {
        PriorityQueueEntry& entry = image.priQTable[static_cast<std::size_t>(e)];
        const int k = e + static_cast<int>(variant);
        entry.flags = POSITIONS[static_cast<std::size_t>(k) % POSITIONS.size()];
        entry.qosNode = (k * 13) % (QOS_COUNT + 6);
        entry.queueNumber = static_cast<std::uint16_t>(k / 7);
        entry.metric1 = static_cast<std::uint16_t>(k);
        entry.metric2 = static_cast<std::uint16_t>(k * 2);
        entry.metric3 = static_cast<std::uint16_t>(k * 3);
        entry.metric4 = static_cast<std::uint16_t>(k * 4);
    }
}

} // namespace

void FillWorstCaseImage(ConfigImage& image, std::uint32_t variant)
{
    ResetTables(image);
    FillRules(image, variant);
    FillQos(image, variant);
    FillMasks(image, variant);
    FillPriQ(image, variant);
    image.masksBlockAbsent = false;
    image.priQBlockAbsent = false;
}

void FillResetImage(ConfigImage& image)
{
    ResetTables(image);
    image.masksBlockAbsent = false;
    image.priQBlockAbsent = false;
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

} // namespace talvex::bench
