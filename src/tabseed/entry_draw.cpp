#include "tabseed/entry_draw.h"

#include "tabseed/address_forms.h"

namespace tabseed {

namespace {

// Position of each of an entry's draws in the sequence.
enum Draw : int {
    kFirstValueDraw = 0, // eight draws for the value table
    kSourceFormDraw = 8,
    kDestinationFormDraw = 9,
    kDirectionDraw = 10,
    kTailDraw = 11,
    kFirstProductDraw = 12, // two factors each, column 15 first, column 10 last
    kWideMillionsDraw = 24,
    kMidMillionsDraw = 25,
    kHighMillionsDraw = 26,
    kLowMillionsDraw = 27,
    kTenThousandsDraw = 28,
    kMarkerDraw = 29,
};
static_assert(kMarkerDraw + 1 == kDrawsPerEntry);

constexpr int kDrawnValueRounds = 8;

AddressForm FormOf(std::uint32_t draw)
{
    return static_cast<AddressForm>(draw % kAddressFormCount + 1);
}

} // namespace

void DrawEntry(LcgRandom& random, std::uint32_t index, ConnectionEntry& entry)
{
    const auto draws = random.DrawMany<kDrawsPerEntry>();

    // Each draw fills four values a quarter of the table apart; a draw is
    // only 15 bits wide, so the upper half of the table stays zero.
    for (int k = 0; k < kDrawnValueRounds; ++k) {
        const std::uint32_t r = draws[kFirstValueDraw + k];
        entry.values[k] = static_cast<std::uint8_t>(r & 0xFF);
        entry.values[k + 8] = static_cast<std::uint8_t>((r >> 8) & 0xFF);
        entry.values[k + 16] = static_cast<std::uint8_t>((r >> 16) & 0xFF);
        entry.values[k + 24] = static_cast<std::uint8_t>((r >> 24) & 0xFF);
    }
    entry.sourceForm = FormOf(draws[kSourceFormDraw]);
    entry.destinationForm = FormOf(draws[kDestinationFormDraw]);
    entry.bothWays = (draws[kDirectionDraw] % 2) != 0;
    entry.valuesUsed = static_cast<std::uint32_t>(AddressAdvance(entry.sourceForm, AddressSide::Source)
                                                  + AddressAdvance(entry.destinationForm, AddressSide::Destination));
    entry.tail = draws[kTailDraw] % 4096;
    for (int k = 0; k < kProductColumnCount; ++k) {
        const int first = kFirstProductDraw + 2 * k;
        entry.products[kProductColumnCount - 1 - k] = draws[first] * draws[first + 1];
    }
    // Columns 3 to 7, drawn last column first.
    const int stepDraws[kSteppedColumnCount] = {kTenThousandsDraw, kLowMillionsDraw, kHighMillionsDraw,
                                                kMidMillionsDraw, kWideMillionsDraw};
    for (int column = 0; column < kSteppedColumnCount; ++column) {
        entry.steps[column] =
            static_cast<std::uint8_t>(draws[stepDraws[column]] % kSteppedColumns[column].choices);
    }
    entry.marker = draws[kMarkerDraw] & 0xFF;
    entry.index = index;
}

} // namespace tabseed
