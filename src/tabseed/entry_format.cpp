#include "tabseed/entry_format.h"

#include "tabseed/digit_writers.h"

#include <array>
#include <cstring>

namespace tabseed {

namespace {

using digits::DecimalRight;
using digits::HexPadded;
using digits::Text;

char* Separator(char* out)
{
    return Text(out, ", ");
}

// Columns 8 and 9 never change: ", A017, 19".
constexpr std::array<char, 10> FIXED_COLUMNS_TEXT = [] {
    std::array<char, 10> text{};
    char* out = text.data();
    out = Text(out, ", ");
    out = HexPadded(out, FIXED_WORD_COLUMN, 4);
    out = Text(out, ", ");
    HexPadded(out, FIXED_BYTE_COLUMN, 2);
    return text;
}();

// ", " and the right-aligned text of a stepped column for every step count
// its field can hold, so that the columns cost one copy each.
using SteppedColumnTexts = std::array<std::array<char, 12>, 256>;

constexpr SteppedColumnTexts MakeSteppedColumnTexts(const SteppedColumn& column)
{
    SteppedColumnTexts texts{};
    for (std::uint32_t steps = 0; steps < texts.size(); ++steps) {
        std::array<char, 12>& text = texts[steps];
        text.fill(' ');
        text[0] = ',';
        std::uint32_t value = column.ValueAt(steps);
        for (std::size_t at = text.size(); at-- > 2;) {
            text[at] = static_cast<char>('0' + value % 10);
            value /= 10;
            if (value == 0) {
                break;
            }
        }
    }
    return texts;
}

constexpr std::array<SteppedColumnTexts, STEPPED_COLUMN_COUNT> STEPPED_COLUMN_TEXTS = [] {
    std::array<SteppedColumnTexts, STEPPED_COLUMN_COUNT> texts{};
    for (int column = 0; column < STEPPED_COLUMN_COUNT; ++column) {
        texts[column] = MakeSteppedColumnTexts(STEPPED_COLUMNS[column]);
    }
    return texts;
}();

} // namespace

char* FormatNumericColumns(const ConnectionEntry& entry, char* out)
{
    out = DecimalRight<4>(out, entry.marker);
    out = DecimalRight<2>(Separator(out), entry.valuesUsed);
    for (int column = 0; column < STEPPED_COLUMN_COUNT; ++column) {
        const std::array<char, 12>& text = STEPPED_COLUMN_TEXTS[column][entry.steps[column]];
        std::memcpy(out, text.data(), text.size());
        out += text.size();
    }
    std::memcpy(out, FIXED_COLUMNS_TEXT.data(), FIXED_COLUMNS_TEXT.size());
    out += FIXED_COLUMNS_TEXT.size();
    for (const std::uint32_t product : entry.products) {
        out = DecimalRight<10>(Separator(out), product);
    }
    out = DecimalRight<6>(Separator(out), entry.index);
    out = DecimalRight<5>(Separator(out), entry.tail);
    return out;
}

char* FormatEntry(const ConnectionEntry& entry, char* out)
{
    out = Text(out, "\r\n");
    const std::uint8_t* values = entry.values.data();
    out = FormatAddress(entry.sourceForm, AddressSide::Source, values, out);
    values += AddressAdvance(entry.sourceForm, AddressSide::Source);
    out = entry.bothWays ? Text(out, " <-> ") : Text(out, " --> ");
    out = FormatAddress(entry.destinationForm, AddressSide::Destination, values, out);
    *out++ = ',';
    return FormatNumericColumns(entry, out);
}

} // namespace tabseed
