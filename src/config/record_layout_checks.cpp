// Compile-time proof that every record field sits at its file offset with its
// file width. Nothing here runs.
#include <cstddef>
#include <type_traits>

#include "config/records.h"

namespace talvex {
namespace {

#define TALVEX_FIELD(Type, field, off, width)                                                      \
    static_assert(offsetof(Type, field) == (off), #Type "::" #field " offset");                  \
    static_assert(sizeof(Type::field) == (width), #Type "::" #field " width")

template <typename T>
constexpr bool IS_FILE_RECORD =
    sizeof(T) == RECORD_SIZE && alignof(T) == 1 && std::is_trivially_copyable_v<T>
    && std::is_standard_layout_v<T>;

static_assert(IS_FILE_RECORD<RuleRecord>);
static_assert(IS_FILE_RECORD<QosNode>);
static_assert(IS_FILE_RECORD<AddressMask>);
static_assert(IS_FILE_RECORD<PriorityQueueEntry>);

TALVEX_FIELD(RuleRecord, ruleNumber, 0, 2);
TALVEX_FIELD(RuleRecord, ruleIndex, 2, 2);
TALVEX_FIELD(RuleRecord, ruleFlags, 4, 1);
TALVEX_FIELD(RuleRecord, condition, 5, 1);
TALVEX_FIELD(RuleRecord, thenAction, 6, 1);
TALVEX_FIELD(RuleRecord, elseAction, 7, 1);
TALVEX_FIELD(RuleRecord, offset, 8, 2);
TALVEX_FIELD(RuleRecord, frameLength, 10, 2);
TALVEX_FIELD(RuleRecord, patternLength, 12, 2);
TALVEX_FIELD(RuleRecord, thenParam, 14, 2);
TALVEX_FIELD(RuleRecord, runtimeA, 16, 4);
TALVEX_FIELD(RuleRecord, elseParam, 20, 2);
TALVEX_FIELD(RuleRecord, runtimeB, 22, 4);
TALVEX_FIELD(RuleRecord, engineReserved, 26, 2);
TALVEX_FIELD(RuleRecord, engineLink, 28, 4);
TALVEX_FIELD(RuleRecord, patternData, 32, 16);
TALVEX_FIELD(RuleRecord, patternMask, 48, 16);

TALVEX_FIELD(QosNode, runtimeA, 0, 12);
TALVEX_FIELD(QosNode, flags, 12, 2);
TALVEX_FIELD(QosNode, runtimeB, 14, 2);
TALVEX_FIELD(QosNode, runtimeC, 16, 20);
TALVEX_FIELD(QosNode, rateInterval, 36, 4);
TALVEX_FIELD(QosNode, samplePeriod, 40, 4);
TALVEX_FIELD(QosNode, highThreshold, 44, 4);
TALVEX_FIELD(QosNode, lowThreshold, 48, 4);
TALVEX_FIELD(QosNode, runtimeD, 52, 8);
TALVEX_FIELD(QosNode, engineReserved, 60, 4);

TALVEX_FIELD(AddressMask, engineReserved, 0, 8);
TALVEX_FIELD(AddressMask, qosNode, 8, 2);
TALVEX_FIELD(AddressMask, flags, 10, 2);
TALVEX_FIELD(AddressMask, srcMask, 12, 16);
TALVEX_FIELD(AddressMask, srcKeyType, 28, 1);
TALVEX_FIELD(AddressMask, srcBase, 29, 1);
TALVEX_FIELD(AddressMask, srcOffset, 30, 1);
TALVEX_FIELD(AddressMask, srcLength, 31, 1);
TALVEX_FIELD(AddressMask, dstMask, 32, 16);
TALVEX_FIELD(AddressMask, dstKeyType, 48, 1);
TALVEX_FIELD(AddressMask, dstBase, 49, 1);
TALVEX_FIELD(AddressMask, dstOffset, 50, 1);
TALVEX_FIELD(AddressMask, dstLength, 51, 1);
TALVEX_FIELD(AddressMask, ttlTicks, 52, 4);
TALVEX_FIELD(AddressMask, keyGroup, 56, 1);
TALVEX_FIELD(AddressMask, defaultAction, 57, 1);
TALVEX_FIELD(AddressMask, defaultParam, 58, 2);
TALVEX_FIELD(AddressMask, engineTail, 60, 4);

TALVEX_FIELD(PriorityQueueEntry, engineA, 0, 8);
TALVEX_FIELD(PriorityQueueEntry, engineReserved, 8, 16);
TALVEX_FIELD(PriorityQueueEntry, qosNode, 24, 4);
TALVEX_FIELD(PriorityQueueEntry, flags, 28, 2);
TALVEX_FIELD(PriorityQueueEntry, queueNumber, 30, 2);
TALVEX_FIELD(PriorityQueueEntry, metric1, 32, 2);
TALVEX_FIELD(PriorityQueueEntry, metric2, 34, 2);
TALVEX_FIELD(PriorityQueueEntry, metric3, 36, 2);
TALVEX_FIELD(PriorityQueueEntry, metric4, 38, 2);
TALVEX_FIELD(PriorityQueueEntry, engineB, 40, 2);
TALVEX_FIELD(PriorityQueueEntry, engineC, 42, 4);
TALVEX_FIELD(PriorityQueueEntry, engineD, 46, 4);
TALVEX_FIELD(PriorityQueueEntry, engineE, 50, 2);
TALVEX_FIELD(PriorityQueueEntry, engineF, 52, 8);
TALVEX_FIELD(PriorityQueueEntry, engineTail, 60, 4);

#undef TALVEX_FIELD

} // namespace
} // namespace talvex
