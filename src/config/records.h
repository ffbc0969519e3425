#pragma once
// The four record kinds of the configuration file and the image that holds
// them. Every record is 64 bytes; the lines after each record give every
// member's offset and width, which are the file format.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

#include "config/little_endian.h"

namespace talvex {

constexpr std::size_t RECORD_SIZE = 64;
constexpr int RULE_COUNT = 256;
constexpr int QOS_COUNT = 64;
constexpr int MASK_COUNT = 64;
constexpr int PRIQ_COUNT = 64;

// A record as the file holds it: 64 bytes without padding, copied to and
// from the file byte for byte.
template <typename T>
constexpr bool IS_FILE_RECORD = sizeof(T) == RECORD_SIZE && alignof(T) == 1
    && std::is_trivially_copyable_v<T> && std::is_standard_layout_v<T>;

// A member's place in the file: its offset in the record and its width.
#define TALVEX_FILE_FIELD(Record, member, offset, width)                                    \
    static_assert(offsetof(Record, member) == (offset) && sizeof(Record::member) == (width), \
                  #Record "::" #member " is not at byte " #offset " with " #width " bytes")

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
    LeU16 ruleNumber;
    LeU16 ruleIndex;
    std::uint8_t ruleFlags;      // bits 0-3 flags, bits 4-7 `offsetBase`
    std::uint8_t condition;      // bits 0-4 condition, bits 5-7 kept
    std::uint8_t thenAction;     // bits 0-4 action code, bits 5-7 kept
    std::uint8_t elseAction;
    LeI16 offset;
    LeI16 frameLength;
    LeI16 patternLength;
    LeI16 thenParam;
    LeU32 runtimeA;              // engine-owned, cleared after load
    LeI16 elseParam;
    LeU32 runtimeB;              // engine-owned, cleared after load
    Bytes<2> engineReserved;     // engine-owned, never written
    LeU32 engineLink;            // engine-owned, zeroed by reset and delete
    Bytes<16> patternData;       // pattern, or `conditionParams` P1 to P4
    Bytes<16> patternMask;

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

static_assert(IS_FILE_RECORD<RuleRecord>);
TALVEX_FILE_FIELD(RuleRecord, ruleNumber, 0, 2);
TALVEX_FILE_FIELD(RuleRecord, ruleIndex, 2, 2);
TALVEX_FILE_FIELD(RuleRecord, ruleFlags, 4, 1);
TALVEX_FILE_FIELD(RuleRecord, condition, 5, 1);
TALVEX_FILE_FIELD(RuleRecord, thenAction, 6, 1);
TALVEX_FILE_FIELD(RuleRecord, elseAction, 7, 1);
TALVEX_FILE_FIELD(RuleRecord, offset, 8, 2);
TALVEX_FILE_FIELD(RuleRecord, frameLength, 10, 2);
TALVEX_FILE_FIELD(RuleRecord, patternLength, 12, 2);
TALVEX_FILE_FIELD(RuleRecord, thenParam, 14, 2);
TALVEX_FILE_FIELD(RuleRecord, runtimeA, 16, 4);
TALVEX_FILE_FIELD(RuleRecord, elseParam, 20, 2);
TALVEX_FILE_FIELD(RuleRecord, runtimeB, 22, 4);
TALVEX_FILE_FIELD(RuleRecord, engineReserved, 26, 2);
TALVEX_FILE_FIELD(RuleRecord, engineLink, 28, 4);
TALVEX_FILE_FIELD(RuleRecord, patternData, 32, 16);
TALVEX_FILE_FIELD(RuleRecord, patternMask, 48, 16);

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
    Bytes<12> runtimeA;          // engine-owned, cleared after load
    LeU16 flags;                 // 0 means empty
    LeU16 runtimeB;              // engine-owned, cleared after load
    Bytes<20> runtimeC;          // engine-owned, cleared after load
    LeU32 rateInterval;          // nanoseconds per byte or frame
    LeU32 samplePeriod;          // microseconds
    LeU32 highThreshold;
    LeU32 lowThreshold;
    Bytes<8> runtimeD;           // engine-owned, cleared after load
    Bytes<4> engineReserved;     // engine-owned, never written

    bool isUsed() const { return flags != 0; }
};

static_assert(IS_FILE_RECORD<QosNode>);
TALVEX_FILE_FIELD(QosNode, runtimeA, 0, 12);
TALVEX_FILE_FIELD(QosNode, flags, 12, 2);
TALVEX_FILE_FIELD(QosNode, runtimeB, 14, 2);
TALVEX_FILE_FIELD(QosNode, runtimeC, 16, 20);
TALVEX_FILE_FIELD(QosNode, rateInterval, 36, 4);
TALVEX_FILE_FIELD(QosNode, samplePeriod, 40, 4);
TALVEX_FILE_FIELD(QosNode, highThreshold, 44, 4);
TALVEX_FILE_FIELD(QosNode, lowThreshold, 48, 4);
TALVEX_FILE_FIELD(QosNode, runtimeD, 52, 8);
TALVEX_FILE_FIELD(QosNode, engineReserved, 60, 4);

// ---- address masks -----------------------------------------------------

constexpr std::uint16_t MASK_IN_USE = 0x0001;
constexpr std::uint16_t MASK_BIDIR_QOS = 0x0002;
constexpr std::uint16_t MASK_ABSOLUTE_TTL = 0x0008;
constexpr std::uint16_t MASK_KEY_GROUP = 0x0010;
constexpr std::uint16_t MASK_AUDIT = 0x0020;

struct AddressMask {
    Bytes<8> engineReserved;     // engine-owned, never written
    LeI16 qosNode;
    LeU16 flags;                 // 0 means empty
    Bytes<16> srcMask;
    std::uint8_t srcKeyType;     // template code 1-15, or 0
    std::uint8_t srcBase;        // high nibble offset base, low nibble kept
    std::uint8_t srcOffset;
    std::uint8_t srcLength;
    Bytes<16> dstMask;
    std::uint8_t dstKeyType;
    std::uint8_t dstBase;
    std::uint8_t dstOffset;
    std::uint8_t dstLength;
    LeU32 ttlTicks;              // ticks of 1/18 s
    std::uint8_t keyGroup;
    std::uint8_t defaultAction;  // bits 0-4 action code, bits 5-7 kept
    LeI16 defaultParam;
    Bytes<4> engineTail;         // engine-owned, never written

    bool isUsed() const { return flags != 0; }
};

static_assert(IS_FILE_RECORD<AddressMask>);
TALVEX_FILE_FIELD(AddressMask, engineReserved, 0, 8);
TALVEX_FILE_FIELD(AddressMask, qosNode, 8, 2);
TALVEX_FILE_FIELD(AddressMask, flags, 10, 2);
TALVEX_FILE_FIELD(AddressMask, srcMask, 12, 16);
TALVEX_FILE_FIELD(AddressMask, srcKeyType, 28, 1);
TALVEX_FILE_FIELD(AddressMask, srcBase, 29, 1);
TALVEX_FILE_FIELD(AddressMask, srcOffset, 30, 1);
TALVEX_FILE_FIELD(AddressMask, srcLength, 31, 1);
TALVEX_FILE_FIELD(AddressMask, dstMask, 32, 16);
TALVEX_FILE_FIELD(AddressMask, dstKeyType, 48, 1);
TALVEX_FILE_FIELD(AddressMask, dstBase, 49, 1);
TALVEX_FILE_FIELD(AddressMask, dstOffset, 50, 1);
TALVEX_FILE_FIELD(AddressMask, dstLength, 51, 1);
TALVEX_FILE_FIELD(AddressMask, ttlTicks, 52, 4);
TALVEX_FILE_FIELD(AddressMask, keyGroup, 56, 1);
TALVEX_FILE_FIELD(AddressMask, defaultAction, 57, 1);
TALVEX_FILE_FIELD(AddressMask, defaultParam, 58, 2);
TALVEX_FILE_FIELD(AddressMask, engineTail, 60, 4);

// ---- priority queues ---------------------------------------------------

constexpr std::uint16_t PQ_IN_USE = 0x0001;
constexpr std::uint16_t PQ_START = 0x0010;
constexpr std::uint16_t PQ_MIDDLE = 0x0020;
constexpr std::uint16_t PQ_END = 0x0040;
constexpr std::uint16_t PQ_POSITION_MASK = PQ_START | PQ_MIDDLE | PQ_END;

struct PriorityQueueEntry {
    Bytes<8> engineA;
    Bytes<16> engineReserved;    // never written
    LeI32 qosNode;
    LeU16 flags;                 // 0 means empty
    LeU16 queueNumber;           // derived by the structure pass
    LeU16 metric1;
    LeU16 metric2;
    LeU16 metric3;
    LeU16 metric4;
    Bytes<2> engineB;
    Bytes<4> engineC;
    Bytes<4> engineD;
    Bytes<2> engineE;
    Bytes<8> engineF;
    Bytes<4> engineTail;         // never written

    bool isUsed() const { return flags != 0; }
};

static_assert(IS_FILE_RECORD<PriorityQueueEntry>);
TALVEX_FILE_FIELD(PriorityQueueEntry, engineA, 0, 8);
TALVEX_FILE_FIELD(PriorityQueueEntry, engineReserved, 8, 16);
TALVEX_FILE_FIELD(PriorityQueueEntry, qosNode, 24, 4);
TALVEX_FILE_FIELD(PriorityQueueEntry, flags, 28, 2);
TALVEX_FILE_FIELD(PriorityQueueEntry, queueNumber, 30, 2);
TALVEX_FILE_FIELD(PriorityQueueEntry, metric1, 32, 2);
TALVEX_FILE_FIELD(PriorityQueueEntry, metric2, 34, 2);
TALVEX_FILE_FIELD(PriorityQueueEntry, metric3, 36, 2);
TALVEX_FILE_FIELD(PriorityQueueEntry, metric4, 38, 2);
TALVEX_FILE_FIELD(PriorityQueueEntry, engineB, 40, 2);
TALVEX_FILE_FIELD(PriorityQueueEntry, engineC, 42, 4);
TALVEX_FILE_FIELD(PriorityQueueEntry, engineD, 46, 4);
TALVEX_FILE_FIELD(PriorityQueueEntry, engineE, 50, 2);
TALVEX_FILE_FIELD(PriorityQueueEntry, engineF, 52, 8);
TALVEX_FILE_FIELD(PriorityQueueEntry, engineTail, 60, 4);

#undef TALVEX_FILE_FIELD

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

// Whether the four tables of two images hold the same bytes (the absent
// flags are not compared).
inline bool SameTables(const ConfigImage& a, const ConfigImage& b)
{
    return std::memcmp(&a.ruleTable, &b.ruleTable, sizeof a.ruleTable) == 0
        && std::memcmp(&a.qosTable, &b.qosTable, sizeof a.qosTable) == 0
        && std::memcmp(&a.maskTable, &b.maskTable, sizeof a.maskTable) == 0
        && std::memcmp(&a.priQTable, &b.priQTable, sizeof a.priQTable) == 0;
}

// The table of the image that holds records of this kind.
template <typename Record>
auto& TableOf(ConfigImage& image)
{
    if constexpr (std::is_same_v<Record, RuleRecord>)
        return image.ruleTable;
    else if constexpr (std::is_same_v<Record, QosNode>)
        return image.qosTable;
    else if constexpr (std::is_same_v<Record, AddressMask>)
        return image.maskTable;
    else
        return image.priQTable;
}

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
