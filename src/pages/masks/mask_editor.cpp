#include "pages/masks/mask_editor.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "config/dotted_hex.h"
#include "config/edited_inputs.h"
#include "config/number_reads.h"
#include "config/number_texts.h"
#include "pages/masks/mask_templates.h"

namespace talvex {

namespace {

constexpr std::uint32_t TICKS_PER_SECOND = 18;
// The flag bits the editor owns; every other bit of `flags` is kept.
constexpr std::uint16_t EDITOR_FLAG_BITS =
    MASK_BIDIR_QOS | MASK_ABSOLUTE_TTL | MASK_KEY_GROUP | MASK_AUDIT;
constexpr std::uint8_t KEPT_BASE_BITS = 0x0F;
constexpr std::uint8_t KEPT_ACTION_BITS = 0xE0;

// The choice a freshly filled list shows after selecting `code`.
int ChoiceAfterSelect(std::span<const CodeEntry> table, std::uint32_t code)
{
    return static_cast<int>(ShownChoiceCode(table, code));
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

std::int16_t LowWord(std::uint32_t number)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(number));
}

std::uint16_t EncodeMaskFlags(std::uint16_t oldFlags, const MaskEditorFields& fields)
{
    std::uint16_t flags = oldFlags & static_cast<std::uint16_t>(~EDITOR_FLAG_BITS);
    if (fields.bidirectionalQos)
        flags |= MASK_BIDIR_QOS;
    if (fields.absoluteTtl)
        flags |= MASK_ABSOLUTE_TTL;
    if (fields.useKeyGroup)
        flags |= MASK_KEY_GROUP;
    if (fields.auditConnections)
        flags |= MASK_AUDIT;
    return flags;
}

// One address side: the record fields it stores and the fields it is read from.
struct AddressSide {
    Bytes<16> AddressMask::*mask;
    std::uint8_t AddressMask::*keyType;
    std::uint8_t AddressMask::*base;
    std::uint8_t AddressMask::*offset;
    std::uint8_t AddressMask::*length;
    MaskSideFields inputs;
};

constexpr AddressSide ADDRESS_SIDES[] = {
    {&AddressMask::srcMask, &AddressMask::srcKeyType, &AddressMask::srcBase,
     &AddressMask::srcOffset, &AddressMask::srcLength, MASK_SOURCE},
    {&AddressMask::dstMask, &AddressMask::dstKeyType, &AddressMask::dstBase,
     &AddressMask::dstOffset, &AddressMask::dstLength, MASK_DESTINATION},
};

// Reads one side's list, offset and mask into the record. False, naming the
// first of them that is invalid, when the choice is not a row of the list
// (the fields did not come from the editor), the offset holds no number or
// the mask text is not empty but yields no byte; the record may then be half
// written.
bool EncodeSide(const AddressSide& side, const MaskEditorFields& fields, AddressMask& record,
                FieldRefusal* refusal)
{
    const int choice = fields.*side.inputs.choice;
    const std::optional<std::uint32_t> offset = ReadUnsigned(fields.*side.inputs.offsetText);
    const MaskSide mask = ReadMaskSide(fields.*side.inputs.maskText);
    const std::string name = side.inputs.name;
    if (LookupCodeEntry(AddressListTable(fields.useTemplates), static_cast<std::uint32_t>(choice))
        == nullptr)
        return Refuse(refusal, side.inputs.choice, name + " Address: choose a row of the list");
    if (!offset)
        return Refuse(refusal, side.inputs.offsetText, WholeNumberReason(name + " Offset"));
    if (!mask.acceptable)
        return Refuse(refusal, side.inputs.maskText,
                      name + " Mask: type bytes in dotted hexadecimal such as FF.FF, or leave it"
                             " empty");
    record.*side.offset = static_cast<std::uint8_t>(*offset);
    record.*side.length = static_cast<std::uint8_t>(mask.count);
    record.*side.mask = mask.bytes;
    // Templates give the FRAGS base and remember the key type; without them
    // the list is the base and the key type is cleared.
    const bool templated = fields.useTemplates;
    record.*side.base = StoredBase(record.*side.base,
                                   templated ? BASE_FRAGS : static_cast<std::uint8_t>(choice));
    record.*side.keyType = templated ? static_cast<std::uint8_t>(choice) : 0;
    return true;
}

// A side's offset, mask bytes, length, base and key type are encoded
// together, from the templates box and the side's list and two boxes; with
// templates at open the boxes showed the template, so the side is stored as
// shown. A mask needs at least one byte on one of its sides, kept or stored.
bool AcceptSides(const ShownAtOpen<MaskEditorFields>& opening, const MaskEditorFields& fields,
                 AddressMask& result, FieldRefusal* refusal)
{
    using F = MaskEditorFields;
    const bool templatesShown = opening && opening->useTemplates;
    for (const AddressSide& side : ADDRESS_SIDES) {
        if ((templatesShown
             || InputsEdited(opening, fields, &F::useTemplates, side.inputs.choice,
                             side.inputs.offsetText, side.inputs.maskText))
            && !EncodeSide(side, fields, result, refusal))
            return false;
    }
    if (result.srcLength + result.dstLength != 0)
        return true;
    return fields.useTemplates
        ? Refuse(refusal, &F::srcChoice,
                 "Source Address: choose a template other than <Don't Care> here or under"
                 " Destination Address")
        : Refuse(refusal, &F::srcMask,
                 "Source Mask: give at least one byte here or in the Destination Mask");
}

} // namespace

std::span<const CodeEntry> AddressListTable(bool useTemplates)
{
    return useTemplates ? KeyTypeTable() : OffsetBaseTable();
}

void WriteMaskEditorDefaults(AddressMask& record)
{
    if (record.flags == 0)
        record.flags = static_cast<std::uint16_t>(MASK_IN_USE | MASK_BIDIR_QOS);
}

MaskEditorFields DecodeMaskEditor(const AddressMask& record, int entry)
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
    // Whole seconds of the unsigned tick count.
    fields.ttl = DecimalText(record.ttlTicks.get() / TICKS_PER_SECOND);
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

MaskEditorEnabling MaskEditorEnablingFor(const MaskEditorFields& fields)
{
    MaskEditorEnabling enabling{};
    enabling.offsetsAndMasks = !fields.useTemplates;
    enabling.keyGroup = fields.useKeyGroup;
    const CodeEntry* action =
        LookupCodeEntry(DefaultActionTable(), static_cast<std::uint32_t>(fields.defaultAction));
    enabling.defaultParam = fields.defaultAction >= 0 && action != nullptr && action->argument > 0;
    return enabling;
}

bool AcceptMaskEditor(const ShownAtOpen<MaskEditorFields>& opening,
                      const MaskEditorFields& fields, AddressMask& record, FieldRefusal* refusal)
{
    using F = MaskEditorFields;
    const auto edited = [&](auto... inputs) { return InputsEdited(opening, fields, inputs...); };
    // The fields are read in the order the keyboard reaches them, so a
    // refusal names the first invalid one.
    AddressMask result = record;
    if (!AcceptSides(opening, fields, result, refusal))
        return false;

    // Numbers are read with "%u" and keep the low bits their field holds.
    // Disabled boxes are read too: an emptied parameter box refuses OK even
    // when the chosen action takes no parameter.
    const auto readNumber = [&](std::string F::*text, std::string_view label, auto store) {
        if (!edited(text))
            return true;
        const std::optional<std::uint32_t> number = ReadUnsigned(fields.*text);
        if (!number)
            return Refuse(refusal, text, WholeNumberReason(label));
        store(*number);
        return true;
    };
    if (!readNumber(&F::ttl, "TTL",
                    [&](std::uint32_t n) { result.ttlTicks = n * TICKS_PER_SECOND; })
        || !readNumber(&F::qos, "QoS", [&](std::uint32_t n) { result.qosNode = LowWord(n); })
        || !readNumber(&F::keyGroup, "Key Group",
                       [&](std::uint32_t n) { result.keyGroup = static_cast<std::uint8_t>(n); }))
        return false;

    if (edited(&F::bidirectionalQos, &F::absoluteTtl, &F::useKeyGroup, &F::auditConnections))
        result.flags = EncodeMaskFlags(record.flags, fields);

    if (edited(&F::defaultAction)) {
        // The lists are pick lists, so a choice outside its table means the
        // fields did not come from the editor; nothing is stored then.
        if (LookupCodeEntry(DefaultActionTable(),
                            static_cast<std::uint32_t>(fields.defaultAction)) == nullptr)
            return Refuse(refusal, &F::defaultAction, "Default Action: choose a row of the list");
        result.defaultAction = static_cast<std::uint8_t>(
            (record.defaultAction & KEPT_ACTION_BITS) | (fields.defaultAction & ACTION_CODE_MASK));
    }
    if (!readNumber(&F::defaultParam, "Default Action Parameter",
                    [&](std::uint32_t n) { result.defaultParam = LowWord(n); }))
        return false;
    record = result;
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

} // namespace talvex
