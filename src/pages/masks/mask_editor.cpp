#include "pages/masks/mask_editor.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

#include "config/dotted_hex.h"
#include "config/number_reads.h"
#include "pages/masks/mask_templates.h"

namespace talvex {

namespace {

constexpr std::uint32_t TICKS_PER_SECOND = 18;
// The flag bits the editor owns; every other bit of `flags` is kept.
constexpr std::uint16_t EDITOR_FLAG_BITS =
    MASK_BIDIR_QOS | MASK_ABSOLUTE_TTL | MASK_KEY_GROUP | MASK_AUDIT;
constexpr std::uint8_t KEPT_BASE_BITS = 0x0F;
constexpr std::uint8_t KEPT_ACTION_BITS = 0xE0;

// "%d" / "%u" without the process locale.
std::string DecimalText(std::int64_t value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, result.ptr);
}

// The code a freshly filled list shows after selecting `code`: the code
// itself when a row has it, else the table's first row, which the fill
// selected.
int ChoiceAfterSelect(std::span<const CodeEntry> table, std::uint32_t code)
{
    if (LookupCodeEntry(table, code) != nullptr)
        return static_cast<int>(code);
    return static_cast<int>(table.front().code);
}

// The stored mask as its box shows it; a damaged length above 16 shows the
// 16 bytes that exist.
std::string StoredMaskText(const Bytes<16>& mask, std::uint8_t length)
{
    return FormatDottedHex(std::span<const std::uint8_t>(mask.data(), mask.size()), length);
}

struct MaskSide {
    Bytes<16> bytes{};
    int count = 0;
    bool acceptable = false;
};

MaskSide ReadMaskSide(const std::string& text)
{
    MaskSide side;
    side.count = ParseDottedHex(text, std::span<std::uint8_t, DOTTED_HEX_MAX_BYTES>(side.bytes));
    side.acceptable = side.count > 0 || text.empty();
    // Only the bytes read belong to the mask.
    for (std::size_t i = static_cast<std::size_t>(side.count); i < side.bytes.size(); ++i)
        side.bytes[i] = 0;
    return side;
}

std::uint8_t StoredBase(std::uint8_t oldBase, std::uint8_t newHighNibble)
{
    return static_cast<std::uint8_t>((oldBase & KEPT_BASE_BITS) | (newHighNibble & 0xF0));
}

} // namespace

std::span<const CodeEntry> AddressListTable(bool useTemplates)
{
    return useTemplates ? KeyTypeTable() : OffsetBaseTable();
}

AddressMask OpenMaskRecord(AddressMask& record)
{
    const AddressMask restoreCopy = record;
    if (record.flags == 0)
        record.flags = static_cast<std::uint16_t>(MASK_IN_USE | MASK_BIDIR_QOS);
    return restoreCopy;
}

MaskEditorFields DecodeMaskFields(const AddressMask& record, int entry)
{
    MaskEditorFields fields;
    fields.entry = DecimalText(entry);
    fields.useTemplates = record.srcKeyType != 0;
    const std::uint16_t flags = record.flags;
    fields.bidirectionalQos = (flags & MASK_BIDIR_QOS) != 0;
    fields.absoluteTtl = (flags & MASK_ABSOLUTE_TTL) != 0;
    fields.useKeyGroup = (flags & MASK_KEY_GROUP) != 0;
    fields.auditConnections = (flags & MASK_AUDIT) != 0;

    fields.keyGroup = DecimalText(static_cast<std::int8_t>(record.keyGroup));
    fields.defaultParam = DecimalText(record.defaultParam.get());
    fields.qos = DecimalText(record.qosNode.get());
    // Ticks read as a signed count; integer division truncates toward zero.
    fields.ttl = DecimalText(static_cast<std::int32_t>(record.ttlTicks.get())
                             / static_cast<std::int32_t>(TICKS_PER_SECOND));
    fields.defaultAction =
        ChoiceAfterSelect(DefaultActionTable(), record.defaultAction & ACTION_CODE_MASK);
    ModeRefresh(record, fields);
    return fields;
}

void ModeRefresh(const AddressMask& record, MaskEditorFields& fields)
{
    const auto table = AddressListTable(fields.useTemplates);
    if (fields.useTemplates) {
        fields.srcChoice = ChoiceAfterSelect(table, record.srcKeyType);
        fields.dstChoice = ChoiceAfterSelect(table, record.dstKeyType);
    } else {
        fields.srcChoice = ChoiceAfterSelect(table, record.srcBase & OFFSET_BASE_MASK);
        fields.dstChoice = ChoiceAfterSelect(table, record.dstBase & OFFSET_BASE_MASK);
    }
    FieldRefresh(record, fields);
}

void FieldRefresh(const AddressMask& record, MaskEditorFields& fields)
{
    if (fields.useTemplates) {
        const MaskTemplate& src = MaskTemplateFor(fields.srcChoice);
        const MaskTemplate& dst = MaskTemplateFor(fields.dstChoice);
        fields.srcOffset = DecimalText(src.srcOffset);
        fields.srcMask = std::string(src.srcMask);
        fields.dstOffset = DecimalText(dst.dstOffset);
        fields.dstMask = std::string(dst.dstMask);
        return;
    }
    fields.srcOffset = DecimalText(record.srcOffset);
    fields.dstOffset = DecimalText(record.dstOffset);
    fields.srcMask = StoredMaskText(record.srcMask, record.srcLength);
    fields.dstMask = StoredMaskText(record.dstMask, record.dstLength);
}

MaskEditorEnabling MaskEnablingFor(const MaskEditorFields& fields)
{
    MaskEditorEnabling enabling{};
    enabling.offsetsAndMasks = !fields.useTemplates;
    enabling.keyGroup = fields.useKeyGroup;
    const CodeEntry* action =
        LookupCodeEntry(DefaultActionTable(), static_cast<std::uint32_t>(fields.defaultAction));
    enabling.defaultParam = fields.defaultAction >= 0 && action != nullptr && action->argument > 0;
    return enabling;
}

bool AcceptMaskFields(const MaskEditorFields& fields, AddressMask& record)
{
    // Disabled boxes are read too: a parameter box without a digit refuses
    // OK even when the chosen action takes no parameter.
    const auto param = ReadUnsigned(fields.defaultParam);
    const auto keyGroup = ReadUnsigned(fields.keyGroup);
    const auto qos = ReadUnsigned(fields.qos);
    const auto ttl = ReadUnsigned(fields.ttl);
    const auto srcOffset = ReadUnsigned(fields.srcOffset);
    const auto dstOffset = ReadUnsigned(fields.dstOffset);
    const MaskSide src = ReadMaskSide(fields.srcMask);
    const MaskSide dst = ReadMaskSide(fields.dstMask);
    if (!param || !keyGroup || !qos || !ttl || !srcOffset || !dstOffset)
        return false;
    if (!src.acceptable || !dst.acceptable || src.count + dst.count == 0)
        return false;
    // The lists are pick lists, so a choice outside its table means the
    // fields did not come from the editor; nothing is stored then.
    if (LookupCodeEntry(AddressListTable(fields.useTemplates),
                        static_cast<std::uint32_t>(fields.srcChoice)) == nullptr
        || LookupCodeEntry(AddressListTable(fields.useTemplates),
                           static_cast<std::uint32_t>(fields.dstChoice)) == nullptr
        || LookupCodeEntry(DefaultActionTable(),
                           static_cast<std::uint32_t>(fields.defaultAction)) == nullptr)
        return false;

    std::uint16_t flags = record.flags & static_cast<std::uint16_t>(~EDITOR_FLAG_BITS);
    if (fields.bidirectionalQos)
        flags |= MASK_BIDIR_QOS;
    if (fields.absoluteTtl)
        flags |= MASK_ABSOLUTE_TTL;
    if (fields.useKeyGroup)
        flags |= MASK_KEY_GROUP;
    if (fields.auditConnections)
        flags |= MASK_AUDIT;
    record.flags = flags;

    record.defaultParam = static_cast<std::int16_t>(static_cast<std::uint16_t>(*param));
    record.qosNode = static_cast<std::int16_t>(static_cast<std::uint16_t>(*qos));
    record.ttlTicks = *ttl * TICKS_PER_SECOND;
    record.keyGroup = static_cast<std::uint8_t>(*keyGroup);

    record.srcLength = static_cast<std::uint8_t>(src.count);
    record.dstLength = static_cast<std::uint8_t>(dst.count);
    record.srcOffset = static_cast<std::uint8_t>(*srcOffset);
    record.dstOffset = static_cast<std::uint8_t>(*dstOffset);

    if (fields.useTemplates) {
        record.srcBase = StoredBase(record.srcBase, BASE_FRAGS);
        record.dstBase = StoredBase(record.dstBase, BASE_FRAGS);
        record.srcKeyType = static_cast<std::uint8_t>(fields.srcChoice);
        record.dstKeyType = static_cast<std::uint8_t>(fields.dstChoice);
    } else {
        record.srcBase = StoredBase(record.srcBase, static_cast<std::uint8_t>(fields.srcChoice));
        record.dstBase = StoredBase(record.dstBase, static_cast<std::uint8_t>(fields.dstChoice));
        record.srcKeyType = 0;
        record.dstKeyType = 0;
    }
    record.defaultAction = static_cast<std::uint8_t>((record.defaultAction & KEPT_ACTION_BITS)
                                                     | (fields.defaultAction & ACTION_CODE_MASK));
    record.srcMask = src.bytes;
    record.dstMask = dst.bytes;
    return true;
}

std::string StepOffsetText(std::string_view text, int delta)
{
    constexpr std::int64_t HIGHEST_OFFSET = 255;
    // A number above the range (also "-1", which reads as 4294967295) first
    // comes back to 255, so Down always moves into the range.
    const std::int64_t start =
        std::min<std::int64_t>(ReadUnsigned(text).value_or(0), HIGHEST_OFFSET);
    return DecimalText(std::clamp<std::int64_t>(start + delta, 0, HIGHEST_OFFSET));
}

void RestoreMaskRecord(AddressMask& record, const AddressMask& restoreCopy)
{
    record = restoreCopy;
}

} // namespace talvex
