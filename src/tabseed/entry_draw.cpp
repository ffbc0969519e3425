#include "tabseed/entry_draw.h"

#include "tabseed/address_forms.h"

namespace tabseed {

namespace {

// Position of each of an entry's draws in the sequence.
enum Draw : int {
    FIRST_VALUE_DRAW = 0, // eight draws for the value table
    SOURCE_FORM_DRAW = 8,
    DESTINATION_FORM_DRAW = 9,
    DIRECTION_DRAW = 10,
    TAIL_DRAW = 11,
    FIRST_PRODUCT_DRAW = 12, // two factors each, column 15 first, column 10 last
    WIDE_MILLIONS_DRAW = 24,
    MID_MILLIONS_DRAW = 25,
    HIGH_MILLIONS_DRAW = 26,
    LOW_MILLIONS_DRAW = 27,
    TEN_THOUSANDS_DRAW = 28,
    MARKER_DRAW = 29,
};
static_assert(MARKER_DRAW + 1 == DRAWS_PER_ENTRY);

constexpr int DRAWN_VALUE_ROUNDS = 8;

AddressForm FormOf(std::uint32_t draw)
{
    return static_cast<AddressForm>(draw % ADDRESS_FORM_COUNT + 1);
}

} // namespace

void DrawEntry(LcgRandom& random, std::uint32_t index, ConnectionEntry& entry)
{
    const auto draws = random.drawMany<DRAWS_PER_ENTRY>();

    // Each draw fills four values a quarter of the table apart; a draw is
    // only 15 bits wide, so the upper half of the table stays zero.
    for (int k = 0; k < DRAWN_VALUE_ROUNDS; ++k) {
        const std::uint32_t r = draws[FIRST_VALUE_DRAW + k];
        entry.values[k] = static_cast<std::uint8_t>(r & 0xFF);
        entry.values[k + 8] = static_cast<std::uint8_t>((r >> 8) & 0xFF);
        entry.values[k + 16] = static_cast<std::uint8_t>((r >> 16) & 0xFF);
        entry.values[k + 24] = static_cast<std::uint8_t>((r >> 24) & 0xFF);
    }
    entry.sourceForm = FormOf(draws[SOURCE_FORM_DRAW]);
    entry.destinationForm = FormOf(draws[DESTINATION_FORM_DRAW]);
    entry.bothWays = (draws[DIRECTION_DRAW] % 2) != 0;
    entry.valuesUsed = static_cast<std::uint32_t>(AddressAdvance(entry.sourceForm, AddressSide::Source)
                                                  + AddressAdvance(entry.destinationForm, AddressSide::Destination));
    entry.tail = draws[TAIL_DRAW] % 4096;
    for (int k = 0; k < PRODUCT_COLUMN_COUNT; ++k) {
        const int first = FIRST_PRODUCT_DRAW + 2 * k;
        entry.products[PRODUCT_COLUMN_COUNT - 1 - k] = draws[first] * draws[first + 1];
    }
    // Columns 3 to 7, drawn last column first.
    const int stepDraws[STEPPED_COLUMN_COUNT] = {TEN_THOUSANDS_DRAW, LOW_MILLIONS_DRAW, HIGH_MILLIONS_DRAW,
                                                MID_MILLIONS_DRAW, WIDE_MILLIONS_DRAW};
    for (int column = 0; column < STEPPED_COLUMN_COUNT; ++column) {
        entry.steps[column] =
            static_cast<std::uint8_t>(draws[stepDraws[column]] % STEPPED_COLUMNS[column].choices);
    }
    entry.marker = draws[MARKER_DRAW] & 0xFF;
    entry.index = index;
}

} // namespace tabseed
