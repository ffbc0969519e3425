#include "textform/field_forms.h"

#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <type_traits>

namespace talvex::textform {

namespace {

using enum ValueForm;

constexpr std::array OFFSET_BASE_WORDS{WordSource{OffsetBaseTable, 0}};
// Byte 5 holds the operator of a comparison or the kind of another
// condition; both tables code it as the word at offset 4.
constexpr std::array CONDITION_WORDS{WordSource{OperatorTable, 8}, WordSource{ConditionTable, 8}};
constexpr std::array ACTION_WORDS{WordSource{ActionTable, 0}};
constexpr std::array DEFAULT_ACTION_WORDS{WordSource{DefaultActionTable, 0}};
constexpr std::array KEY_TYPE_WORDS{WordSource{KeyTypeTable, 0}};

constexpr std::array RULE_FLAG_NAMES{FlagName{"RULE_DEFINED", RULE_DEFINED},
                                   FlagName{"ALWAYS_HIT", ALWAYS_HIT},
                                   FlagName{"ALWAYS_MISS", ALWAYS_MISS}};
constexpr std::array QOS_FLAG_NAMES{
    FlagName{"QOS_IMMORTAL", QOS_IMMORTAL},     FlagName{"QOS_FIXED_DELAY", QOS_FIXED_DELAY},
    FlagName{"QOS_BY_BYTES", QOS_BY_BYTES},     FlagName{"QOS_BY_FRAMES", QOS_BY_FRAMES},
    FlagName{"QOS_THRESHOLDS", QOS_THRESHOLDS}, FlagName{"QOS_ABSOLUTE", QOS_ABSOLUTE},
    FlagName{"QOS_BANKING", QOS_BANKING}};
constexpr std::array MASK_FLAG_NAMES{
    FlagName{"MASK_IN_USE", MASK_IN_USE}, FlagName{"MASK_BIDIR_QOS", MASK_BIDIR_QOS},
    FlagName{"MASK_ABSOLUTE_TTL", MASK_ABSOLUTE_TTL}, FlagName{"MASK_KEY_GROUP", MASK_KEY_GROUP},
    FlagName{"MASK_AUDIT", MASK_AUDIT}};
constexpr std::array PRIQ_FLAG_NAMES{
    FlagName{"PQ_IN_USE", PQ_IN_USE}, FlagName{"PQ_START", PQ_START},
    FlagName{"PQ_MIDDLE", PQ_MIDDLE}, FlagName{"PQ_END", PQ_END}};

// The number a member holds: the integer itself, or that of a little-endian
// integer; void for a span of bytes.
template <typename Member>
struct NumberOf {
    using Type = void;
};
template <std::integral T>
struct NumberOf<T> {
    using Type = T;
};
template <typename T>
struct NumberOf<LittleEndian<T>> {
    using Type = T;
};

// How a member named by its own name is written: decimal, signed where the
// member is; a span of bytes in dotted hexadecimal.
template <typename Member>
constexpr ValueForm FormOf()
{
    using Number = typename NumberOf<Member>::Type;
    if constexpr (std::is_void_v<Number>)
        return Bytes;
    else
        return std::is_signed_v<Number> ? Signed : Unsigned;
}

constexpr FieldForm Row(std::string_view name, std::size_t offset, std::size_t width,
                        std::uint32_t bits, ValueForm form, std::span<const WordSource> words = {},
                        std::span<const FlagName> flags = {}, LinkedMember link = {},
                        std::string_view editor = {})
{
    return {name, static_cast<std::uint8_t>(offset), static_cast<std::uint8_t>(width), bits, form,
            words, flags, link, editor};
}

// The place of a number member another row is written by.
template <typename Member>
constexpr LinkedMember Link(std::size_t offset)
{
    using Number = typename NumberOf<Member>::Type;
    return {static_cast<std::uint8_t>(offset), static_cast<std::uint8_t>(sizeof(Member)),
            std::is_signed_v<Number>};
}

// The offset of the `width` bytes at `at` in a member of `size` bytes at
// `offset`; past the record when they do not lie inside the member, which
// fails the table check below.
constexpr std::size_t PartOffset(std::size_t offset, std::size_t size, std::size_t at,
                                 std::size_t width)
{
    return at + width <= size ? offset + at : RECORD_SIZE;
}

// The rows of the tables, each made from the record member whose bytes it
// holds: its name is the member's name (an engine-owned span's is its
// offset), its offset and width are the member's place. The last argument
// is the editor field that shows it.

// A member by its own name, written as FormOf says.
#define TEXT_FIELD(Record, member, editor)                                                         \
    Row(#member, offsetof(Record, member), sizeof(Record::member), 0,                              \
        FormOf<decltype(Record::member)>(), {}, {}, {}, editor)
// A span of bytes written as far as the member `length` says they are used.
#define TEXT_SPAN(Record, member, length, editor)                                                  \
    Row(#member, offsetof(Record, member), sizeof(Record::member), 0, Bytes, {}, {},               \
        Link<decltype(Record::length)>(offsetof(Record, length)), editor)
// A 16-bit parameter written in the meaning the action byte `action` gives it.
#define TEXT_PARAM(Record, member, action, editor)                                                 \
    Row(#member, offsetof(Record, member), sizeof(Record::member), 0, Param, {}, {},               \
        Link<decltype(Record::action)>(offsetof(Record, action)), editor)
// A coded member by the manager's words for its codes.
#define TEXT_CODE(Record, member, words, editor)                                                   \
    Row(#member, offsetof(Record, member), sizeof(Record::member), 0, Words, words, {}, {}, editor)
// The `bits` of a flag member (0: all of them) by their flag names.
#define TEXT_FLAGS(Record, member, bits, names, editor)                                            \
    Row(#member, offsetof(Record, member), sizeof(Record::member), bits, Flags, {}, names, {},     \
        editor)
// The coded `bits` of a member that holds two fields, named by the record's
// accessor of those bits.
#define TEXT_CODE_PART(Record, member, accessor, bits, words, editor)                              \
    Row((static_cast<void>(&Record::accessor), #accessor), offsetof(Record, member),               \
        sizeof(Record::member), bits, Words, words, {}, {}, editor)
// An engine-owned member, named by its offset ("engine16").
#define ENGINE_FIELD(Record, member, name, form)                                                   \
    Row(name, offsetof(Record, member), sizeof(Record::member), 0, form)
// The engine's u32 at byte `at` of an engine-owned member, named by its
// offset in the record.
#define ENGINE_WORD(Record, member, at, name)                                                      \
    Row(name, PartOffset(offsetof(Record, member), sizeof(Record::member), at, 4), 4, 0, Hex)

constexpr std::array RULE_FIELDS{
    TEXT_FIELD(RuleRecord, ruleNumber, ""),
    TEXT_FIELD(RuleRecord, ruleIndex, ""),
    TEXT_FLAGS(RuleRecord, ruleFlags, RULE_FLAGS_MASK, RULE_FLAG_NAMES,
               "RULE_DEFINED: set by OK on a new rule"),
    TEXT_CODE_PART(RuleRecord, ruleFlags, offsetBase, OFFSET_BASE_MASK, OFFSET_BASE_WORDS, "From"),
    TEXT_CODE(RuleRecord, condition, CONDITION_WORDS,
              "the condition list; for a comparison the operator list"),
    TEXT_CODE(RuleRecord, thenAction, ACTION_WORDS, "Then"),
    TEXT_CODE(RuleRecord, elseAction, ACTION_WORDS, "Else"),
    TEXT_FIELD(RuleRecord, offset, "Offset"),
    TEXT_FIELD(RuleRecord, frameLength, "Len (OK writes the pattern's byte count)"),
    TEXT_FIELD(RuleRecord, patternLength, "the byte count of the pattern data"),
    TEXT_PARAM(RuleRecord, thenParam, thenAction, "the box beside Then"),
    ENGINE_FIELD(RuleRecord, runtimeA, "engine16", Hex),
    TEXT_PARAM(RuleRecord, elseParam, elseAction, "the box beside Else"),
    ENGINE_FIELD(RuleRecord, runtimeB, "engine22", Hex),
    ENGINE_FIELD(RuleRecord, engineReserved, "engine26", Bytes),
    ENGINE_FIELD(RuleRecord, engineLink, "engine28", Hex),
    TEXT_SPAN(RuleRecord, patternData, patternLength,
              "the pattern data; Parameter 1 to 4 for the conditions that take them"),
    TEXT_SPAN(RuleRecord, patternMask, patternLength, "Mask"),
};

constexpr std::array QOS_FIELDS{
    ENGINE_WORD(QosNode, runtimeA, 0, "engine0"),
    ENGINE_WORD(QosNode, runtimeA, 4, "engine4"),
    ENGINE_WORD(QosNode, runtimeA, 8, "engine8"),
    TEXT_FLAGS(QosNode, flags, 0, QOS_FLAG_NAMES,
               "Bytes or Frames, Enable Thresholds, Fixed Delay, Allow Banking, Create Imortal "
               "Nodes, Use Absolute Thresholds"),
    ENGINE_FIELD(QosNode, runtimeB, "engine14", Hex),
    ENGINE_WORD(QosNode, runtimeC, 0, "engine16"),
    ENGINE_WORD(QosNode, runtimeC, 4, "engine20"),
    ENGINE_WORD(QosNode, runtimeC, 8, "engine24"),
    ENGINE_WORD(QosNode, runtimeC, 12, "engine28"),
    ENGINE_WORD(QosNode, runtimeC, 16, "engine32"),
    TEXT_FIELD(QosNode, rateInterval, "Per Second (as nanoseconds a byte or frame)"),
    TEXT_FIELD(QosNode, samplePeriod, "Seconds Per Sample (in microseconds)"),
    TEXT_FIELD(QosNode, highThreshold, "High"),
    TEXT_FIELD(QosNode, lowThreshold, "Low"),
    ENGINE_WORD(QosNode, runtimeD, 0, "engine52"),
    ENGINE_WORD(QosNode, runtimeD, 4, "engine56"),
    ENGINE_FIELD(QosNode, engineReserved, "engine60", Hex),
};

constexpr std::array MASK_FIELDS{
    ENGINE_FIELD(AddressMask, engineReserved, "engine0", Bytes),
    TEXT_FIELD(AddressMask, qosNode, "QoS"),
    TEXT_FLAGS(AddressMask, flags, 0, MASK_FLAG_NAMES,
               "Bidirectional QoS, Absolute TTL, Use Key Group, Audit Connections"),
    TEXT_SPAN(AddressMask, srcMask, srcLength, "Source Address: the mask"),
    TEXT_CODE(AddressMask, srcKeyType, KEY_TYPE_WORDS, "Source Address: the template list"),
    TEXT_CODE(AddressMask, srcBase, OFFSET_BASE_WORDS, "Source Address: the offset type list"),
    TEXT_FIELD(AddressMask, srcOffset, "Source Address: Offset"),
    TEXT_FIELD(AddressMask, srcLength, "Source Address: the mask's byte count"),
    TEXT_SPAN(AddressMask, dstMask, dstLength, "Destination Address: the mask"),
    TEXT_CODE(AddressMask, dstKeyType, KEY_TYPE_WORDS, "Destination Address: the template list"),
    TEXT_CODE(AddressMask, dstBase, OFFSET_BASE_WORDS,
              "Destination Address: the offset type list"),
    TEXT_FIELD(AddressMask, dstOffset, "Destination Address: Offset"),
    TEXT_FIELD(AddressMask, dstLength, "Destination Address: the mask's byte count"),
    TEXT_FIELD(AddressMask, ttlTicks, "TTL (in seconds, 18 ticks each)"),
    TEXT_FIELD(AddressMask, keyGroup, "the box beside Use Key Group"),
    TEXT_CODE(AddressMask, defaultAction, DEFAULT_ACTION_WORDS, "Default Action"),
    TEXT_PARAM(AddressMask, defaultParam, defaultAction, "the box beside Default Action"),
    ENGINE_FIELD(AddressMask, engineTail, "engine60", Bytes),
};

constexpr std::array PRIQ_FIELDS{
    ENGINE_WORD(PriorityQueueEntry, engineA, 0, "engine0"),
    ENGINE_WORD(PriorityQueueEntry, engineA, 4, "engine4"),
    ENGINE_FIELD(PriorityQueueEntry, engineReserved, "engine8", Bytes),
    TEXT_FIELD(PriorityQueueEntry, qosNode, "QoS"),
    TEXT_FLAGS(PriorityQueueEntry, flags, 0, PRIQ_FLAG_NAMES,
               "Highest Priority, Lowest Priority"),
    TEXT_FIELD(PriorityQueueEntry, queueNumber, ""),
    TEXT_FIELD(PriorityQueueEntry, metric1, "Metric 1"),
    TEXT_FIELD(PriorityQueueEntry, metric2, "Metric 2"),
    TEXT_FIELD(PriorityQueueEntry, metric3, "Metric 3"),
    TEXT_FIELD(PriorityQueueEntry, metric4, "Metric 4"),
    ENGINE_FIELD(PriorityQueueEntry, engineB, "engine40", Hex),
    ENGINE_FIELD(PriorityQueueEntry, engineC, "engine42", Hex),
    ENGINE_FIELD(PriorityQueueEntry, engineD, "engine46", Hex),
    ENGINE_FIELD(PriorityQueueEntry, engineE, "engine50", Hex),
    ENGINE_WORD(PriorityQueueEntry, engineF, 0, "engine52"),
    ENGINE_WORD(PriorityQueueEntry, engineF, 4, "engine56"),
    ENGINE_FIELD(PriorityQueueEntry, engineTail, "engine60", Hex),
};

#undef TEXT_FIELD
#undef TEXT_SPAN
#undef TEXT_PARAM
#undef TEXT_CODE
#undef TEXT_FLAGS
#undef TEXT_CODE_PART
#undef ENGINE_FIELD
#undef ENGINE_WORD

// An engine-owned span is named "engine" and its offset in decimal; no
// other name starts with "engine".
constexpr bool NamedByOffsetIfEngine(const FieldForm& f)
{
    constexpr std::string_view ENGINE = "engine";
    if (!f.name.starts_with(ENGINE))
        return true;
    std::string_view digits = f.name.substr(ENGINE.size());
    int offset = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        offset = offset * 10 + (c - '0');
    }
    return !digits.empty() && offset == f.offset;
}

// Every bit of the 64 bytes is owned by exactly one field, no two fields
// share a name, and engine spans are named by their offset.
constexpr bool IsExactTable(std::span<const FieldForm> fields)
{
    std::array<std::uint8_t, RECORD_SIZE> owned{};
    for (const FieldForm& f : fields) {
        if (f.offset + f.width > static_cast<int>(RECORD_SIZE) || f.width == 0)
            return false;
        if ((f.form != Bytes && f.width > 4) || !NamedByOffsetIfEngine(f))
            return false;
        // A parameter is 16 bits with an action byte; only it and spans link.
        const bool linked = f.link.width != 0;
        if ((f.form == Param && (f.width != 2 || f.link.width != 1))
            || (linked && f.form != Param && f.form != Bytes))
            return false;
        for (int i = 0; i < f.width; ++i) {
            const auto bits
                = f.form == Bytes ? 0xFFu : static_cast<std::uint8_t>(f.ownedBits() >> (8 * i));
            if ((owned[f.offset + i] & bits) != 0)
                return false;
            owned[f.offset + i] = static_cast<std::uint8_t>(owned[f.offset + i] | bits);
        }
        for (const FieldForm& other : fields) {
            if (&other != &f && other.name == f.name)
                return false;
        }
    }
    for (std::uint8_t byte : owned) {
        if (byte != 0xFF)
            return false;
    }
    return true;
}
static_assert(IsExactTable(RULE_FIELDS));
static_assert(IsExactTable(QOS_FIELDS));
static_assert(IsExactTable(MASK_FIELDS));
static_assert(IsExactTable(PRIQ_FIELDS));

constexpr std::array TABLE_FORMS{
    TableForm{TableKind::Rules, RULE_FIELDS,
              [](const ConfigImage& image) { return TableBytes(image.ruleTable); }, false,
              "rule editor"},
    TableForm{TableKind::Qos, QOS_FIELDS,
              [](const ConfigImage& image) { return TableBytes(image.qosTable); }, false,
              "QoS editor"},
    TableForm{TableKind::Masks, MASK_FIELDS,
              [](const ConfigImage& image) { return TableBytes(image.maskTable); }, false,
              "address mask editor"},
    TableForm{TableKind::PriQ, PRIQ_FIELDS,
              [](const ConfigImage& image) { return TableBytes(image.priQTable); }, true,
              "priority queue editor"},
};

} // namespace

const FieldForm* TableForm::field(std::string_view fieldName) const
{
    for (const FieldForm& f : fields) {
        if (f.name == fieldName)
            return &f;
    }
    return nullptr;
}

std::span<const TableForm> TableForms() { return TABLE_FORMS; }

const TableForm& TableFormOf(TableKind kind)
{
    return *std::ranges::find(TABLE_FORMS, kind, &TableForm::kind);
}

FieldMarks::FieldMarks()
{
    for (const TableForm& table : TableForms())
        bits_[static_cast<std::size_t>(table.kind)].assign(static_cast<std::size_t>(table.count()),
                                                           0);
}

void FieldMarks::mark(const TableForm& table, int entry, const FieldForm& field)
{
    bits_[static_cast<std::size_t>(table.kind)][static_cast<std::size_t>(entry)] |=
        std::uint64_t{1} << table.indexOf(field);
}

void FieldMarks::clear(const TableForm& table, int entry)
{
    bits_[static_cast<std::size_t>(table.kind)][static_cast<std::size_t>(entry)] = 0;
}

bool FieldMarks::marked(const TableForm& table, int entry, const FieldForm& field) const
{
    const std::uint64_t bits =
        bits_[static_cast<std::size_t>(table.kind)][static_cast<std::size_t>(entry)];
    return (bits >> table.indexOf(field) & 1) != 0;
}

} // namespace talvex::textform
