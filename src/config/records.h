#pragma once
// The four record kinds of the configuration file and the image that holds
// them. Every record is 64 bytes; the field offsets are the file format.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "config/little_endian.h"

namespace talvex {

constexpr std::size_t RECORD_SIZE = 64;
constexpr int RULE_COUNT = 256;
constexpr int QOS_COUNT = 64;
constexpr int MASK_COUNT = 64;
constexpr int PRIQ_COUNT = 64;

// ---- rules -------------------------------------------------------------

// Byte 4, bits 0-3 (`ruleFlags`).
constexpr std::uint8_t RULE_DEFINED = 0x01;
constexpr std::uint8_t ALWAYS_HIT = 0x02;
constexpr std::uint8_t ALWAYS_MISS = 0x04;
constexpr std::uint8_t RULE_FLAGS_MASK = 0x0F;
// Byte 4, bits 4-7 (`offsetBase`), as the value of the whole nibble.
constexpr std::uint8_t OFFSET_BASE_MASK = 0xF0;
constexpr std::uint8_t BASE_RAW = 0x00;
constexpr std::uint8_t BASE_DMAC = 0x10;
constexpr std::uint8_t BASE_SMAC = 0x20;
constexpr std::uint8_t BASE_FRAME = 0x30;
constexpr std::uint8_t BASE_FRAGS = 0x40;
constexpr std::uint8_t BASE_ECB = 0x50;
constexpr std::uint8_t BASE_MLID = 0x60;
constexpr std::uint8_t BASE_END = 0x70;
// Byte 5, bits 0-4 (`condition`); bit 0x10 negates the test in bits 0-3.
constexpr std::uint8_t CONDITION_MASK = 0x1F;
// The same five bits in the condition word (bytes 4 and 5 read as one
// little-endian word), where the code tables give the operator and condition
// codes.
constexpr std::uint16_t CONDITION_WORD_MASK = 0x1F00;
constexpr std::uint16_t CONDITION_NEGATED = 0x1000;
// Comparison operators.
constexpr std::uint16_t OPERATOR_EQUAL = 0x0000;
constexpr std::uint16_t OPERATOR_GREATER = 0x0200;
constexpr std::uint16_t OPERATOR_LESS = 0x0300;
constexpr std::uint16_t OPERATOR_DOLLAR = 0x0400;
constexpr std::uint16_t OPERATOR_QUERY = 0x0500;
constexpr std::uint16_t OPERATOR_NOT_EQUAL = OPERATOR_EQUAL | CONDITION_NEGATED;
constexpr std::uint16_t OPERATOR_NOT_GREATER = OPERATOR_GREATER | CONDITION_NEGATED;
constexpr std::uint16_t OPERATOR_NOT_LESS = OPERATOR_LESS | CONDITION_NEGATED;
constexpr std::uint16_t OPERATOR_NOT_DOLLAR = OPERATOR_DOLLAR | CONDITION_NEGATED;
constexpr std::uint16_t OPERATOR_NOT_QUERY = OPERATOR_QUERY | CONDITION_NEGATED;
// Condition kinds; a comparison is any of the operators above.
constexpr std::uint16_t CONDITION_COMPARISON = 0x0000;
constexpr std::uint16_t CONDITION_RECEIVED = 0x0100;
constexpr std::uint16_t CONDITION_SENT = CONDITION_RECEIVED | CONDITION_NEGATED;
constexpr std::uint16_t CONDITION_CONNECTION_EXISTS = 0x0800;
constexpr std::uint16_t CONDITION_CONNECTION_NEW = CONDITION_CONNECTION_EXISTS | CONDITION_NEGATED;
constexpr std::uint16_t CONDITION_POPULATION_IN = 0x0900;
constexpr std::uint16_t CONDITION_POPULATION_OUT = CONDITION_POPULATION_IN | CONDITION_NEGATED;
// Bytes 6 and 7 and an address mask's `defaultAction`: bits 0-4 are the action code.
constexpr std::uint8_t ACTION_CODE_MASK = 0x1F;

// Action codes.
constexpr std::uint8_t ACTION_NONE = 0x00;
constexpr std::uint8_t ACTION_NEXT_SEQUENCE = 0x02;
constexpr std::uint8_t ACTION_NEXT_RULE = 0x03;
constexpr std::uint8_t ACTION_GOTO_SEQUENCE = 0x04;
constexpr std::uint8_t ACTION_GOTO_RULE = 0x05;
constexpr std::uint8_t ACTION_DROP_FRAME = 0x08;
constexpr std::uint8_t ACTION_FORWARD_FRAME = 0x09;
constexpr std::uint8_t ACTION_DELAY_FRAME = 0x10;
constexpr std::uint8_t ACTION_QOS = 0x11;
constexpr std::uint8_t ACTION_ADDRESS_MASK = 0x12;
constexpr std::uint8_t ACTION_TOS = 0x13;
constexpr std::uint8_t ACTION_DIFFSERV = 0x14;
constexpr std::uint8_t ACTION_PRIORITY_QUEUE = 0x15;
constexpr std::uint8_t ACTION_AUDIT_FORWARD = 0x16;
constexpr std::uint8_t ACTION_AUDIT_NEXT_RULE = 0x17;
constexpr std::uint8_t ACTION_LOG_FORWARD = 0x18;
constexpr std::uint8_t ACTION_LOG_NEXT_RULE = 0x19;

// The value of bytes 4 to 7 that the rule editor writes into an unused slot:
// RULE_DEFINED, RAW, "==", then "Next Rule", else "Forward Frame".
constexpr std::uint32_t NEW_RULE_DEFAULT = 0x09030001;

struct RuleRecord {
    LeU16 ruleNumber;            // 0
    LeU16 ruleIndex;             // 2
    std::uint8_t ruleFlags;      // 4: bits 0-3 flags, bits 4-7 `offsetBase`
    std::uint8_t condition;      // 5: bits 0-4 condition, bits 5-7 kept
    std::uint8_t thenAction;     // 6: bits 0-4 action code, bits 5-7 kept
    std::uint8_t elseAction;     // 7
    LeI16 offset;                // 8
    LeI16 frameLength;           // 10
    LeI16 patternLength;         // 12
    LeI16 thenParam;             // 14
    LeU32 runtimeA;              // 16: engine-owned, cleared after load
    LeI16 elseParam;             // 20
    LeU32 runtimeB;              // 22: engine-owned, cleared after load
    Bytes<2> engineReserved;     // 26: engine-owned, never written
    LeU32 engineLink;            // 28: engine-owned, zeroed by reset and delete
    Bytes<16> patternData;       // 32: pattern, or `conditionParams` P1 to P4
    Bytes<16> patternMask;       // 48

    std::uint8_t offsetBase() const { return ruleFlags & OFFSET_BASE_MASK; }
    // Bytes 4 and 5 as one little-endian word: bits 8-12 condition, 4-7 base.
    std::uint16_t conditionWord() const
    {
        return static_cast<std::uint16_t>(ruleFlags | (condition << 8));
    }
    // Bytes 4 to 7 as one little-endian value; zero means the slot is unused.
    std::uint32_t codeWord() const
    {
        return static_cast<std::uint32_t>(ruleFlags) | (static_cast<std::uint32_t>(condition) << 8)
            | (static_cast<std::uint32_t>(thenAction) << 16)
            | (static_cast<std::uint32_t>(elseAction) << 24);
    }
    void setCodeWord(std::uint32_t v)
    {
        ruleFlags = static_cast<std::uint8_t>(v);
        condition = static_cast<std::uint8_t>(v >> 8);
        thenAction = static_cast<std::uint8_t>(v >> 16);
        elseAction = static_cast<std::uint8_t>(v >> 24);
    }
    bool isUsed() const { return codeWord() != 0; }

    // P1 to P4 (index 0 to 3) of a parameterised condition, four
    // little-endian u32 values in `patternData`.
    std::uint32_t conditionParam(int index) const
    {
        std::uint32_t value = 0;
        for (std::size_t i = 4; i-- > 0;)
            value = (value << 8) | patternData[static_cast<std::size_t>(index) * 4 + i];
        return value;
    }
    void setConditionParam(int index, std::uint32_t value)
    {
        for (std::size_t i = 0; i < 4; ++i)
            patternData[static_cast<std::size_t>(index) * 4 + i] =
                static_cast<std::uint8_t>(value >> (8 * i));
    }
};

// ---- QoS nodes ---------------------------------------------------------

constexpr std::uint16_t QOS_IMMORTAL = 0x0001;
constexpr std::uint16_t QOS_FIXED_DELAY = 0x0004;
constexpr std::uint16_t QOS_BY_BYTES = 0x0008;
constexpr std::uint16_t QOS_BY_FRAMES = 0x0010;
constexpr std::uint16_t QOS_THRESHOLDS = 0x0020;
constexpr std::uint16_t QOS_ABSOLUTE = 0x0040;
constexpr std::uint16_t QOS_BANKING = 0x0100;

constexpr std::uint32_t DEFAULT_SAMPLE_PERIOD = 1000000;

struct QosNode {
    Bytes<12> runtimeA;          // 0: engine-owned, cleared after load
    LeU16 flags;                 // 12: 0 means empty
    LeU16 runtimeB;              // 14: engine-owned, cleared after load
    Bytes<20> runtimeC;          // 16: engine-owned, cleared after load
    LeU32 rateInterval;          // 36: nanoseconds per byte or frame
    LeU32 samplePeriod;          // 40: microseconds
    LeU32 highThreshold;         // 44
    LeU32 lowThreshold;          // 48
    Bytes<8> runtimeD;           // 52: engine-owned, cleared after load
    Bytes<4> engineReserved;     // 60: engine-owned, never written

    bool isUsed() const { return flags != 0; }
};

// ---- address masks -----------------------------------------------------

constexpr std::uint16_t MASK_IN_USE = 0x0001;
constexpr std::uint16_t MASK_BIDIR_QOS = 0x0002;
constexpr std::uint16_t MASK_ABSOLUTE_TTL = 0x0008;
constexpr std::uint16_t MASK_KEY_GROUP = 0x0010;
constexpr std::uint16_t MASK_AUDIT = 0x0020;

struct AddressMask {
    Bytes<8> engineReserved;     // 0: engine-owned, never written
    LeI16 qosNode;               // 8
    LeU16 flags;                 // 10: 0 means empty
    Bytes<16> srcMask;           // 12
    std::uint8_t srcKeyType;     // 28: template code 1-15, or 0
    std::uint8_t srcBase;        // 29: high nibble offset base, low nibble kept
    std::uint8_t srcOffset;      // 30
    std::uint8_t srcLength;      // 31
    Bytes<16> dstMask;           // 32
    std::uint8_t dstKeyType;     // 48
    std::uint8_t dstBase;        // 49
    std::uint8_t dstOffset;      // 50
    std::uint8_t dstLength;      // 51
    LeU32 ttlTicks;              // 52: ticks of 1/18 s
    std::uint8_t keyGroup;       // 56
    std::uint8_t defaultAction;  // 57: bits 0-4 action code, bits 5-7 kept
    LeI16 defaultParam;          // 58
    Bytes<4> engineTail;         // 60: engine-owned, never written

    bool isUsed() const { return flags != 0; }
};

// ---- priority queues ---------------------------------------------------

constexpr std::uint16_t PQ_IN_USE = 0x0001;
constexpr std::uint16_t PQ_START = 0x0010;
constexpr std::uint16_t PQ_MIDDLE = 0x0020;
constexpr std::uint16_t PQ_END = 0x0040;
constexpr std::uint16_t PQ_POSITION_MASK = PQ_START | PQ_MIDDLE | PQ_END;

struct PriorityQueueEntry {
    Bytes<8> engineA;            // 0
    Bytes<16> engineReserved;    // 8: never written
    LeI32 qosNode;               // 24
    LeU16 flags;                 // 28: 0 means empty
    LeU16 queueNumber;           // 30: derived by the structure pass
    LeU16 metric1;               // 32
    LeU16 metric2;               // 34
    LeU16 metric3;               // 36
    LeU16 metric4;               // 38
    Bytes<2> engineB;            // 40
    Bytes<4> engineC;            // 42
    Bytes<4> engineD;            // 46
    Bytes<2> engineE;            // 50
    Bytes<8> engineF;            // 52
    Bytes<4> engineTail;         // 60: never written

    bool isUsed() const { return flags != 0; }
};

// ---- the image ---------------------------------------------------------

using RuleTable = std::array<RuleRecord, RULE_COUNT>;
using QosTable = std::array<QosNode, QOS_COUNT>;
using MaskTable = std::array<AddressMask, MASK_COUNT>;
using PriQTable = std::array<PriorityQueueEntry, PRIQ_COUNT>;

struct ConfigImage {
    RuleTable ruleTable{};
    QosTable qosTable{};
    MaskTable maskTable{};
    PriQTable priQTable{};
    bool masksBlockAbsent = false;
    bool priQBlockAbsent = false;
};

// The raw bytes of a record or a whole table.
template <typename Record>
std::span<std::uint8_t, RECORD_SIZE> RecordBytes(Record& r)
{
    return std::span<std::uint8_t, RECORD_SIZE>(reinterpret_cast<std::uint8_t*>(&r), RECORD_SIZE);
}
template <typename Record>
std::span<const std::uint8_t, RECORD_SIZE> RecordBytes(const Record& r)
{
    return std::span<const std::uint8_t, RECORD_SIZE>(reinterpret_cast<const std::uint8_t*>(&r),
                                                      RECORD_SIZE);
}
template <typename Record, std::size_t N>
std::span<std::uint8_t> TableBytes(std::array<Record, N>& t)
{
    return {reinterpret_cast<std::uint8_t*>(t.data()), N * RECORD_SIZE};
}
template <typename Record, std::size_t N>
std::span<const std::uint8_t> TableBytes(const std::array<Record, N>& t)
{
    return {reinterpret_cast<const std::uint8_t*>(t.data()), N * RECORD_SIZE};
}

} // namespace talvex
