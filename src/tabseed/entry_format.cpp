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
constexpr std::array<char, 10> kFixedColumnsText = [] {
    std::array<char, 10> text{};
    char* out = text.data();
    out = Text(out, ", ");
    out = HexPadded(out, kFixedWordColumn, 4);
    out = Text(out, ", ");
    HexPadded(out, kFixedByteColumn, 2);
    return text;
}();

} // namespace

char* FormatNumericColumns(const ConnectionEntry& entry, char* out)
{
    out = DecimalRight<4>(out, entry.marker);
    out = DecimalRight<2>(Separator(out), entry.valuesUsed);
    out = DecimalRight<10>(Separator(out), entry.tenThousands);
    out = DecimalRight<10>(Separator(out), entry.lowMillions);
    out = DecimalRight<10>(Separator(out), entry.highMillions);
    out = DecimalRight<10>(Separator(out), entry.midMillions);
    out = DecimalRight<10>(Separator(out), entry.wideMillions);
    std::memcpy(out, kFixedColumnsText.data(), kFixedColumnsText.size());
    out += kFixedColumnsText.size();
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
