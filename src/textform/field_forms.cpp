#include "textform/field_forms.h"

#include <array>

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
constexpr std::array PRIQ_FLAG_NAMES{FlagName{"PQ_IN_USE", PQ_IN_USE}, FlagName{"PQ_START", PQ_START},
                                   FlagName{"PQ_MIDDLE", PQ_MIDDLE}, FlagName{"PQ_END", PQ_END}};

constexpr FieldForm Number(std::string_view name, std::uint8_t offset, std::uint8_t width,
                           ValueForm form)
{
    return {name, offset, width, 0, form};
}
constexpr FieldForm Coded(std::string_view name, std::uint8_t offset, std::uint32_t bits,
                          std::span<const WordSource> words)
{
    return {name, offset, 1, bits, Words, words};
}
constexpr FieldForm Flagged(std::string_view name, std::uint8_t offset, std::uint8_t width,
                            std::uint32_t bits, std::span<const FlagName> flags)
{
    return {name, offset, width, bits, Flags, {}, flags};
}

// Engine-owned spans are named by their offset.
constexpr std::array RULE_FIELDS{
    Number("ruleNumber", 0, 2, Unsigned),
    Number("ruleIndex", 2, 2, Unsigned),
    Flagged("ruleFlags", 4, 1, RULE_FLAGS_MASK, RULE_FLAG_NAMES),
    Coded("offsetBase", 4, OFFSET_BASE_MASK, OFFSET_BASE_WORDS),
    Coded("condition", 5, 0, CONDITION_WORDS),
    Coded("thenAction", 6, 0, ACTION_WORDS),
    Coded("elseAction", 7, 0, ACTION_WORDS),
    Number("offset", 8, 2, Signed),
    Number("frameLength", 10, 2, Signed),
    Number("patternLength", 12, 2, Signed),
    Number("thenParam", 14, 2, Signed),
    Number("engine16", 16, 4, Hex),
    Number("elseParam", 20, 2, Signed),
    Number("engine22", 22, 4, Hex),
    Number("engine26", 26, 2, Bytes),
    Number("engine28", 28, 4, Hex),
    Number("patternData", 32, 16, Bytes),
    Number("patternMask", 48, 16, Bytes),
};

constexpr std::array QOS_FIELDS{
    Number("engine0", 0, 4, Hex),
    Number("engine4", 4, 4, Hex),
    Number("engine8", 8, 4, Hex),
    Flagged("flags", 12, 2, 0, QOS_FLAG_NAMES),
    Number("engine14", 14, 2, Hex),
    Number("engine16", 16, 4, Hex),
    Number("engine20", 20, 4, Hex),
    Number("engine24", 24, 4, Hex),
    Number("engine28", 28, 4, Hex),
    Number("engine32", 32, 4, Hex),
    Number("rateInterval", 36, 4, Unsigned),
    Number("samplePeriod", 40, 4, Unsigned),
    Number("highThreshold", 44, 4, Unsigned),
    Number("lowThreshold", 48, 4, Unsigned),
    Number("engine52", 52, 4, Hex),
    Number("engine56", 56, 4, Hex),
    Number("engine60", 60, 4, Hex),
};

constexpr std::array MASK_FIELDS{
    Number("engine0", 0, 8, Bytes),
    Number("qosNode", 8, 2, Signed),
    Flagged("flags", 10, 2, 0, MASK_FLAG_NAMES),
    Number("srcMask", 12, 16, Bytes),
    Coded("srcKeyType", 28, 0, KEY_TYPE_WORDS),
    Coded("srcBase", 29, 0, OFFSET_BASE_WORDS),
    Number("srcOffset", 30, 1, Unsigned),
    Number("srcLength", 31, 1, Unsigned),
    Number("dstMask", 32, 16, Bytes),
    Coded("dstKeyType", 48, 0, KEY_TYPE_WORDS),
    Coded("dstBase", 49, 0, OFFSET_BASE_WORDS),
    Number("dstOffset", 50, 1, Unsigned),
    Number("dstLength", 51, 1, Unsigned),
    Number("ttlTicks", 52, 4, Unsigned),
    Number("keyGroup", 56, 1, Unsigned),
    Coded("defaultAction", 57, 0, DEFAULT_ACTION_WORDS),
    Number("defaultParam", 58, 2, Signed),
    Number("engine60", 60, 4, Bytes),
};

constexpr std::array PRIQ_FIELDS{
    Number("engine0", 0, 4, Hex),
    Number("engine4", 4, 4, Hex),
    Number("engine8", 8, 16, Bytes),
    Number("qosNode", 24, 4, Signed),
    Flagged("flags", 28, 2, 0, PRIQ_FLAG_NAMES),
    Number("queueNumber", 30, 2, Unsigned),
    Number("metric1", 32, 2, Unsigned),
    Number("metric2", 34, 2, Unsigned),
    Number("metric3", 36, 2, Unsigned),
    Number("metric4", 38, 2, Unsigned),
    Number("engine40", 40, 2, Hex),
    Number("engine42", 42, 4, Hex),
    Number("engine46", 46, 4, Hex),
    Number("engine50", 50, 2, Hex),
    Number("engine52", 52, 4, Hex),
    Number("engine56", 56, 4, Hex),
    Number("engine60", 60, 4, Hex),
};

// Every bit of the 64 bytes is owned by exactly one field, and no two
// fields share a name.
constexpr bool OwnsEveryBitOnce(std::span<const FieldForm> fields)
{
    std::array<std::uint8_t, RECORD_SIZE> owned{};
    for (const FieldForm& f : fields) {
        if (f.offset + f.width > static_cast<int>(RECORD_SIZE) || f.width == 0)
            return false;
        if (f.form != Bytes && f.width > 4)
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
static_assert(OwnsEveryBitOnce(RULE_FIELDS));
static_assert(OwnsEveryBitOnce(QOS_FIELDS));
static_assert(OwnsEveryBitOnce(MASK_FIELDS));
static_assert(OwnsEveryBitOnce(PRIQ_FIELDS));

constexpr std::array TABLE_FORMS{
    TableForm{TableKind::Rules, RULE_FIELDS,
              [](const ConfigImage& image) { return TableBytes(image.ruleTable); }, false},
    TableForm{TableKind::Qos, QOS_FIELDS,
              [](const ConfigImage& image) { return TableBytes(image.qosTable); }, false},
    TableForm{TableKind::Masks, MASK_FIELDS,
              [](const ConfigImage& image) { return TableBytes(image.maskTable); }, false},
    TableForm{TableKind::PriQ, PRIQ_FIELDS,
              [](const ConfigImage& image) { return TableBytes(image.priQTable); }, true},
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

} // namespace talvex::textform
