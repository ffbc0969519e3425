#include "textform/field_values.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <memory>

#include "config/config_file.h"
#include "config/dotted_hex.h"
#include "config/number_texts.h"
#include "textform/text_messages.h"

namespace talvex::textform {

namespace {

// The action whose parameter is a time, 0 to 65535 tens of microseconds;
// every other parameter names an entry or a small value, signed.
constexpr std::uint8_t UNSIGNED_PARAM_ACTION = ACTION_DELAY_FRAME;

// The little-endian number of `width` bytes at `offset`.
std::uint32_t NumberAt(RecordView record, std::size_t offset, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
    return value;
}

// "0x" and two digits a byte of the field's width.
std::string HexNumber(std::uint32_t value, int width)
{
    std::string text = "0x";
    for (int i = width; i-- > 0;)
        text += HexByteText(static_cast<std::uint8_t>(value >> (8 * i)));
    return text;
}

std::int64_t SignedValue(std::uint32_t value, int width)
{
    const std::int64_t range = std::int64_t{1} << (8 * width);
    return value >= static_cast<std::uint64_t>(range / 2) ? value - range : value;
}

bool WordMatches(std::string_view rowText, std::string_view word)
{
    // "QoS..." may also be written "QoS".
    return word == rowText
        || (rowText.ends_with("...") && word == rowText.substr(0, rowText.size() - 3));
}

std::optional<std::string_view> WordFor(const FieldForm& field, std::uint32_t value)
{
    for (const WordSource& source : field.words) {
        if (auto text = LookupCodeText(source.rows(), value << source.shift))
            return text;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> WordValue(const FieldForm& field, std::string_view word)
{
    for (const WordSource& source : field.words) {
        for (const CodeEntry& row : source.rows()) {
            if (row.code == CODE_TABLE_END)
                break;
            if (WordMatches(row.text, word))
                return row.code >> source.shift;
        }
    }
    return std::nullopt;
}

std::string FlagsText(const FieldForm& field, std::uint32_t value)
{
    std::string text;
    for (const FlagName& flag : field.flags) {
        if ((value & flag.bit) != 0) {
            text += (text.empty() ? "" : "|") + std::string(flag.name);
            value &= ~flag.bit;
        }
    }
    if (value != 0 || text.empty())
        text += (text.empty() ? "" : "|")
            + (value == 0 ? std::string("0") : HexNumber(value, field.width));
    return text;
}

// How many bytes of a span the record says are in use: its length member,
// 0 to the span's width; none for a span without one.
int UsedBytes(const FieldForm& field, RecordView record)
{
    const LinkedMember& length = field.link;
    if (length.width == 0)
        return 0;
    const std::int64_t used = length.isSigned
        ? SignedValue(NumberAt(record, length.offset, length.width), length.width)
        : NumberAt(record, length.offset, length.width);
    return static_cast<int>(std::clamp<std::int64_t>(used, 0, field.width));
}

// Every byte in use and every byte up to the last one that is not zero.
std::string BytesText(const FieldForm& field, RecordView record)
{
    const auto bytes = record.subspan(field.offset, field.width);
    const auto last
        = std::find_if(bytes.rbegin(), bytes.rend(), [](std::uint8_t b) { return b != 0; });
    const int count
        = std::max({1, static_cast<int>(bytes.rend() - last), UsedBytes(field, record)});
    return FormatDottedHex(bytes, count);
}

// A parameter is unsigned where its action (the whole byte, so a code with
// a kept high bit set is none) makes it a time.
bool IsUnsignedParam(const FieldForm& field, RecordView record)
{
    return record[field.link.offset] == UNSIGNED_PARAM_ACTION;
}

// A decimal number with an optional minus, or 0x and hexadecimal digits
// (hexadecimal gives the bits, so it is never negative).
struct Integer {
    std::int64_t value;
    bool hex;
};
std::optional<Integer> ReadInteger(std::string_view text)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (hex)
        text.remove_prefix(2);
    std::int64_t value = 0;
    const auto [end, error]
        = std::from_chars(text.data(), text.data() + text.size(), value, hex ? 16 : 10);
    if (error != std::errc() || end != text.data() + text.size() || (hex && text[0] == '-'))
        return std::nullopt;
    return Integer{value, hex};
}

// A number that gives the field's bits directly: hexadecimal, or decimal
// from 0 up; no bits outside the field.
std::optional<std::uint32_t> ReadBits(const FieldForm& field, std::string_view text)
{
    const auto number = ReadInteger(text);
    if (!number || number->value < 0 || number->value > 0xFFFFFFFF
        || (static_cast<std::uint32_t>(number->value) & ~field.ownedBits()) != 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(number->value);
}

// The failure of a value given for the field: the field's name, the value
// in single quotes, and what is wrong with it.
bool Refuse(const FieldForm& field, std::string_view value, std::string_view wrong,
            Failure& failure)
{
    return Fail(&failure, std::string(field.name) + ": '" + ShownToken(value) + "' "
                              + std::string(wrong));
}

std::string QuotedIfNeeded(std::string text)
{
    const bool plain = !text.empty() && std::ranges::all_of(text, [](unsigned char c) {
        return std::isalnum(c) || c == '_' || c == '.' || c == '|' || c == '+' || c == '-';
    });
    return plain ? text : "\"" + text + "\"";
}

std::string WordList(const FieldForm& field)
{
    std::string list;
    for (const WordSource& source : field.words) {
        for (const CodeEntry& row : source.rows()) {
            if (row.code == CODE_TABLE_END)
                break;
            list += (list.empty() ? "" : " ") + QuotedIfNeeded(std::string(row.text));
        }
    }
    return list;
}

std::string FlagList(const FieldForm& field)
{
    std::string list;
    for (const FlagName& flag : field.flags)
        list += (list.empty() ? "" : " ") + std::string(flag.name);
    return list;
}

bool StoreNumber(const FieldForm& field, std::string_view value, RecordSpan record,
                 Failure& failure)
{
    // A parameter is read in either meaning, signed or unsigned.
    const std::int64_t range = std::int64_t{1} << (8 * field.width);
    const bool isSigned = field.form == ValueForm::Signed || field.form == ValueForm::Param;
    const std::int64_t low = isSigned ? -range / 2 : 0;
    const std::int64_t high = field.form == ValueForm::Signed ? range / 2 - 1 : range - 1;
    const auto number = ReadInteger(value);
    const bool fits = number
        && (number->hex ? number->value < range : number->value >= low && number->value <= high);
    if (!fits) {
        return Refuse(field, value,
                      "is not a whole number from " + DecimalText(low) + " to "
                          + DecimalText(high) + ", nor its bits as 0x and hexadecimal digits",
                      failure);
    }
    SetFieldBits(field, record, static_cast<std::uint32_t>(number->value));
    return true;
}

bool StoreWord(const FieldForm& field, std::string_view value, RecordSpan record,
               Failure& failure)
{
    auto code = WordValue(field, value);
    if (!code)
        code = ReadBits(field, value);
    if (!code) {
        return Refuse(field, value,
                      "is none of " + WordList(field) + ", nor a code as 0x and hexadecimal digits",
                      failure);
    }
    SetFieldBits(field, record, *code);
    return true;
}

bool StoreFlags(const FieldForm& field, std::string_view value, RecordSpan record,
                Failure& failure)
{
    std::uint32_t bits = 0;
    for (std::size_t start = 0; start <= value.size();) {
        const std::size_t bar = std::min(value.find('|', start), value.size());
        const std::string_view part = value.substr(start, bar - start);
        const auto flag = std::find_if(field.flags.begin(), field.flags.end(),
                                       [&](const FlagName& f) { return f.name == part; });
        const auto number = flag == field.flags.end() ? ReadBits(field, part) : flag->bit;
        if (!number) {
            return Refuse(field, part,
                          "is none of " + FlagList(field)
                              + ", nor bits as 0x and hexadecimal digits",
                          failure);
        }
        bits |= *number;
        start = bar + 1;
    }
    SetFieldBits(field, record, bits);
    return true;
}

bool StoreBytes(const FieldForm& field, std::string_view value, RecordSpan record,
                Failure& failure)
{
    Bytes<DOTTED_HEX_MAX_BYTES> bytes{};
    const int count = ParseDottedHex(value, bytes);
    std::string upper(value);
    std::ranges::transform(upper, upper.begin(), [](unsigned char c) { return std::toupper(c); });
    if (count == 0 || FormatDottedHex(bytes, count) != upper) {
        return Refuse(field, value,
                      "is not dotted hexadecimal bytes (two digits a byte, joined by \".\")",
                      failure);
    }
    if (count > field.width) {
        return Refuse(field, value,
                      "has " + DecimalText(count) + " bytes, the field " + DecimalText(field.width),
                      failure);
    }
    const auto target = record.subspan(field.offset, field.width);
    std::ranges::fill(target, 0);
    std::copy_n(bytes.begin(), count, target.begin());
    return true;
}

} // namespace

const RecordBits& RuntimeBits(const TableForm& table)
{
    // The bits a load clears, found by clearing a record of all ones.
    static const std::array<RecordBits, TABLE_KIND_COUNT> BITS = [] {
        std::array<RecordBits, TABLE_KIND_COUNT> bits{};
        auto image = std::make_unique<ConfigImage>();
        for (const TableForm& form : TableForms()) {
            std::ranges::fill(form.entry(*image, 0), 0xFF);
            ClearRuntimeFields(*image);
            std::ranges::transform(form.entry(*image, 0),
                                   bits[static_cast<std::size_t>(form.kind)].begin(),
                                   [](std::uint8_t b) { return static_cast<std::uint8_t>(~b); });
        }
        return bits;
    }();
    return BITS[static_cast<std::size_t>(table.kind)];
}

std::string FormText(const TableForm& table, const FieldForm& field)
{
    // How many values a number of the field's width has; numbers are 1, 2 or
    // 4 bytes wide, byte spans up to 16, which have no range.
    const std::int64_t range = field.width <= 4 ? std::int64_t{1} << (8 * field.width) : 0;
    std::string text;
    switch (field.form) {
    case ValueForm::Signed:
        text = "a number from " + DecimalText(-range / 2) + " to " + DecimalText(range / 2 - 1);
        break;
    case ValueForm::Unsigned:
        text = "a number from 0 to " + DecimalText(range - 1);
        break;
    case ValueForm::Param:
        text = "a number: after " + QuotedIfNeeded(std::string(*LookupCodeText(
                   ActionTable(), UNSIGNED_PARAM_ACTION)))
            + " from 0 to " + DecimalText(range - 1) + " (tens of microseconds), else from "
            + DecimalText(-range / 2) + " to " + DecimalText(range / 2 - 1)
            + "; either form is read";
        break;
    case ValueForm::Hex:
        text = "the engine's number: 0x and " + DecimalText(2 * field.width)
            + " hexadecimal digits";
        break;
    case ValueForm::Bytes: {
        text = "up to " + DecimalText(field.width) + " bytes in dotted hexadecimal";
        const auto length = std::ranges::find(table.fields, field.link.offset, &FieldForm::offset);
        if (field.link.width != 0 && length != table.fields.end())
            text += ", written as far as " + std::string(length->name) + " says";
        break;
    }
    case ValueForm::Words:
        text = "one of " + WordList(field) + ", or a code as 0x and hexadecimal digits";
        break;
    case ValueForm::Flags:
        text = "flag names joined by |: " + FlagList(field) + ", other bits as 0x and "
               "hexadecimal digits";
        break;
    }
    // The run-time bits every load clears: refused by the reader.
    const RecordBits runtime = RuntimeBits(table);
    const std::uint32_t cleared = field.form == ValueForm::Bytes ? 0 : FieldBits(field, runtime);
    if (cleared != 0 && cleared == field.ownedBits())
        return text + "; the engine's run-time state, which every load clears: only 0 is read";
    std::string names;
    for (const FlagName& flag : field.flags) {
        if ((cleared & flag.bit) != 0)
            names += (names.empty() ? "" : " and ") + std::string(flag.name);
    }
    if (!names.empty())
        text += "; " + names
            + ", the engine's run-time state, which every load clears, are refused";
    return text;
}

std::optional<std::int64_t> ReadWholeNumber(std::string_view text)
{
    const auto number = ReadInteger(text);
    return number ? std::optional(number->value) : std::nullopt;
}

std::uint32_t FieldBits(const FieldForm& field, RecordView record)
{
    return NumberAt(record, field.offset, field.width) & field.ownedBits();
}

void SetFieldBits(const FieldForm& field, RecordSpan record, std::uint32_t value)
{
    const std::uint32_t owned = field.ownedBits();
    for (int i = 0; i < field.width; ++i) {
        auto& byte = record[field.offset + static_cast<std::size_t>(i)];
        const auto mask = static_cast<std::uint8_t>(owned >> (8 * i));
        byte = static_cast<std::uint8_t>((byte & ~mask) | ((value >> (8 * i)) & mask));
    }
}

std::string FormatField(const FieldForm& field, RecordView record)
{
    if (field.form == ValueForm::Bytes)
        return BytesText(field, record);
    const std::uint32_t value = FieldBits(field, record);
    switch (field.form) {
    case ValueForm::Signed:
        return DecimalText(SignedValue(value, field.width));
    case ValueForm::Unsigned:
        return DecimalText(value);
    case ValueForm::Param:
        return DecimalText(IsUnsignedParam(field, record) ? value
                                                          : SignedValue(value, field.width));
    case ValueForm::Words:
        if (const auto word = WordFor(field, value))
            return QuotedIfNeeded(std::string(*word));
        break;
    case ValueForm::Flags:
        return FlagsText(field, value);
    default:
        break;
    }
    return HexNumber(value, field.width);
}

bool StoreField(const FieldForm& field, std::string_view value, RecordSpan record,
                Failure& failure)
{
    switch (field.form) {
    case ValueForm::Bytes:
        return StoreBytes(field, value, record, failure);
    case ValueForm::Words:
        return StoreWord(field, value, record, failure);
    case ValueForm::Flags:
        return StoreFlags(field, value, record, failure);
    default:
        return StoreNumber(field, value, record, failure);
    }
}

void CopyField(const FieldForm& field, RecordView from, RecordSpan to)
{
    if (field.form == ValueForm::Bytes)
        std::ranges::copy(from.subspan(field.offset, field.width), to.begin() + field.offset);
    else
        SetFieldBits(field, to, FieldBits(field, from));
}

bool FieldDiffers(const FieldForm& field, RecordView a, RecordView b)
{
    if (field.form == ValueForm::Bytes)
        return !std::ranges::equal(a.subspan(field.offset, field.width),
                                   b.subspan(field.offset, field.width));
    return FieldBits(field, a) != FieldBits(field, b);
}

std::string DifferingFields(const TableForm& table, RecordView record, RecordView other)
{
    std::string text;
    for (const FieldForm& field : table.fields) {
        if (FieldDiffers(field, record, other))
            text += " " + std::string(field.name) + "=" + FormatField(field, record);
    }
    return text;
}

} // namespace talvex::textform
