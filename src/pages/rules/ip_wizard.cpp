#include "pages/rules/ip_wizard.h"

#include <optional>

#include "config/number_reads.h"
#include "config/number_texts.h"

namespace talvex {

namespace {

constexpr std::array<IpFieldRow, IP_FIELD_COUNT> IP_FIELD_ROWS{{
    {"TOS / DiffServ ( 0 - 63 )", 1, 1, 0, IpFieldKind::Number, 63},
    {"Length ( 0 - 65535 )", 2, 2, 5, IpFieldKind::Number, 65535},
    {"Protocol ( 6 = TCP, 17 = UDP, etc. )", 9, 1, 2, IpFieldKind::Number, 255},
    {"Source IP", 12, 4, 0, IpFieldKind::Address, 0},
    {"Dest. IP", 16, 4, 0, IpFieldKind::Address, 0},
    {"Source Port For UDP / TCP", 20, 2, 0, IpFieldKind::Number, 65535},
    {"Destination Port For UDP / TCP", 22, 2, 0, IpFieldKind::Number, 65535},
}};

// Room for every field and filler from TOS to the destination port.
constexpr std::size_t GENERATED_BYTES = 32;

struct FieldBytes {
    std::array<std::uint8_t, 4> data{};
    std::array<std::uint8_t, 4> mask{};
};

// An address tests its leading parts up to the last non-zero one; zero parts
// in the middle are tested.
std::array<std::uint8_t, 4> AddressMaskBytes(const std::array<std::uint8_t, 4>& parts)
{
    if (parts[1] == 0 && parts[2] == 0 && parts[3] == 0)
        return {0xFF, 0x00, 0x00, 0x00};
    if (parts[2] == 0 && parts[3] == 0)
        return {0xFF, 0xFF, 0x00, 0x00};
    if (parts[3] == 0)
        return {0xFF, 0xFF, 0xFF, 0x00};
    return {0xFF, 0xFF, 0xFF, 0xFF};
}

// The bytes of a field whose text holds an accepted value, or nothing.
std::optional<FieldBytes> AcceptedBytes(const IpFieldRow& field, const std::string& text)
{
    FieldBytes bytes;
    if (field.kind == IpFieldKind::Address) {
        const auto parts = ReadDottedAddress(text);
        if (!parts)
            return std::nullopt;
        bytes.data = *parts;
        bytes.mask = AddressMaskBytes(*parts);
        return bytes;
    }
    const auto value = ReadNumberInRange(text, 0, field.maximum);
    if (!value)
        return std::nullopt;
    // Most significant byte first, as the header holds it.
    for (int i = 0; i < field.size; ++i) {
        const auto at = static_cast<std::size_t>(i);
        bytes.data[at] = static_cast<std::uint8_t>(*value >> (8 * (field.size - 1 - i)));
        bytes.mask[at] = 0xFF;
    }
    return bytes;
}

std::string DottedDecimal(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text += '.';
        text += DecimalText(bytes[i]);
    }
    return text;
}

// The text a field gets from the pattern bytes it covers.
std::string LoadedText(const IpFieldRow& field, std::span<const std::uint8_t> bytes)
{
    if (field.kind == IpFieldKind::Address)
        return DottedDecimal(bytes);
    std::uint32_t value = 0;
    for (std::uint8_t b : bytes)
        value = value * 256 + b;
    return DecimalText(value);
}

// Fills boxes and texts from the pattern, field by field where the bytes at
// a field's header position are all there; other bytes are skipped.
IpWizardFields WalkPattern(const LoadedPattern& pattern)
{
    IpWizardFields fields;
    std::int64_t position = pattern.offset;
    int index = 0;
    while (index < pattern.count) {
        const int left = pattern.count - index;
        int consumed = 1;
        for (int f = 0; f < IP_FIELD_COUNT; ++f) {
            const IpFieldRow& field = IP_FIELD_ROWS[static_cast<std::size_t>(f)];
            if (field.headerPosition != position || field.size > left)
                continue;
            const auto first = static_cast<std::size_t>(index);
            const auto size = static_cast<std::size_t>(field.size);
            fields.texts[static_cast<std::size_t>(f)] =
                LoadedText(field, std::span<const std::uint8_t>(pattern.data).subspan(first, size));
            fields.checked[static_cast<std::size_t>(f)] = pattern.mask[first] != 0;
            consumed = field.size;
            break;
        }
        position += consumed;
        index += consumed;
    }
    return fields;
}

} // namespace

std::span<const IpFieldRow, IP_FIELD_COUNT> IpFieldRows() { return IP_FIELD_ROWS; }

WizardOutput GenerateIpPattern(const IpWizardFields& fields)
{
    std::array<std::uint8_t, GENERATED_BYTES> data{};
    std::array<std::uint8_t, GENERATED_BYTES> mask{};
    int offset = 0;
    int position = 0;
    int length = 0;
    bool unreadable = false;
    for (int f = 0; f < IP_FIELD_COUNT; ++f) {
        const auto i = static_cast<std::size_t>(f);
        const IpFieldRow& field = IP_FIELD_ROWS[i];
        const bool checked = fields.checked[i];
        if (checked && offset == 0)
            offset = field.headerPosition;
        if (!checked && offset == 0)
            continue;  // before the first tested field
        const auto bytes = checked ? AcceptedBytes(field, fields.texts[i]) : std::nullopt;
        unreadable = unreadable || (checked && !bytes);
        for (int b = 0; b < field.size; ++b) {
            const auto at = static_cast<std::size_t>(position + b);
            data[at] = bytes ? bytes->data[static_cast<std::size_t>(b)] : 0;
            mask[at] = bytes ? bytes->mask[static_cast<std::size_t>(b)] : 0;
        }
        position += field.size;
        if (checked)
            length = position;
        position += field.filler;  // the buffers start zeroed
    }
    WizardOutput output = PatternOutput(data, mask, length, offset);
    if (unreadable) {
        // The field would be tested with mask 00, that is not at all: the
        // displays show that pattern, but OK waits for a value it can read.
        output.results.data.clear();
        output.results.mask.clear();
        output.okEnabled = false;
    }
    return output;
}

IpWizardState OpenIpWizard(const PatternTexts& given)
{
    return OpenWizard<IpWizardFields>(given, WalkPattern, GenerateIpPattern);
}

} // namespace talvex
