#pragma once

#include <array>
#include <cstdint>

namespace tabseed {

// The fourteen address forms a side of an entry can take.
enum class AddressForm : std::uint8_t {
    Any = 1,              // *
    IpNet8 = 2,           // a.0.0.0/8:*
    IpNet16 = 3,          // a.b.0.0/16:*
    IpNet24 = 4,          // a.b.c.0/24:*
    IpHost = 5,           // a.b.c.d:*
    IpPort = 6,           // *:port
    IpHostPort = 7,       // a.b.c.d:port
    IpxNet = 8,           // NNNNNNNN:*:*
    IpxNode = 9,          // *:NNNNNNNNNNNN:*
    IpxSocket = 10,       // *:*:SSSS
    IpxNetNode = 11,      // NNNNNNNN:NNNNNNNNNNNN:*
    IpxNodeSocket = 12,   // *:NNNNNNNNNNNN:SSSS
    IpxNetSocket = 13,    // NNNNNNNN:*:SSSS
    IpxNetNodeSocket = 14 // NNNNNNNN:NNNNNNNNNNNN:SSSS
};

inline constexpr int ADDRESS_FORM_COUNT = 14;

// Which end of the connection an address stands for; only the host-and-port
// form reads its port from different bytes on the two sides.
enum class AddressSide : std::uint8_t { Source, Destination };

inline constexpr int ENTRY_VALUE_COUNT = 32;
inline constexpr int PRODUCT_COLUMN_COUNT = 6;

// Columns 3 to 7 are each a base plus a drawn number of equal steps.
struct SteppedColumn {
    std::uint32_t base;
    std::uint32_t step;
    std::uint32_t choices; // the draw takes 0 to choices - 1 steps

    constexpr std::uint32_t ValueAt(std::uint32_t steps) const { return base + steps * step; }
};

inline constexpr int STEPPED_COLUMN_COUNT = 5;
inline constexpr std::array<SteppedColumn, STEPPED_COLUMN_COUNT> STEPPED_COLUMNS = {{
    {100000, 10000, 10},    // column 3
    {1000000, 100000, 10},  // column 4
    {2000000, 100000, 10},  // column 5
    {1000000, 100000, 10},  // column 6
    {1000000, 100000, 100}, // column 7
}};

// Everything one generated line shows, before it is formatted.
struct ConnectionEntry {
    std::array<std::uint8_t, ENTRY_VALUE_COUNT> values{};
    AddressForm sourceForm = AddressForm::Any;
    AddressForm destinationForm = AddressForm::Any;
    bool bothWays = false;          // " <-> " instead of " --> "
    std::uint32_t marker = 0;       // column 1
    std::uint32_t valuesUsed = 0;   // column 2: bytes read by both sides
    std::array<std::uint8_t, STEPPED_COLUMN_COUNT> steps{}; // columns 3 to 7, see STEPPED_COLUMNS
    std::array<std::uint32_t, PRODUCT_COLUMN_COUNT> products{}; // columns 10 to 15
    std::uint32_t index = 0;        // column 16
    std::uint32_t tail = 0;         // column 17
};

// Columns 8 and 9 never change.
inline constexpr std::uint32_t FIXED_WORD_COLUMN = 40983; // printed A017
inline constexpr std::uint32_t FIXED_BYTE_COLUMN = 25;    // printed 19

} // namespace tabseed
