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

inline constexpr int kAddressFormCount = 14;

// Which end of the connection an address stands for; only the host-and-port
// form reads its port from different bytes on the two sides.
enum class AddressSide : std::uint8_t { Source, Destination };

inline constexpr int kEntryValueCount = 32;
inline constexpr int kProductColumnCount = 6;

// Everything one generated line shows, before it is formatted.
struct ConnectionEntry {
    std::array<std::uint8_t, kEntryValueCount> values{};
    AddressForm sourceForm = AddressForm::Any;
    AddressForm destinationForm = AddressForm::Any;
    bool bothWays = false;          // " <-> " instead of " --> "
    std::uint32_t marker = 0;       // column 1
    std::uint32_t valuesUsed = 0;   // column 2: bytes read by both sides
    std::uint32_t tenThousands = 0; // column 3
    std::uint32_t lowMillions = 0;  // column 4
    std::uint32_t highMillions = 0; // column 5
    std::uint32_t midMillions = 0;  // column 6
    std::uint32_t wideMillions = 0; // column 7
    std::array<std::uint32_t, kProductColumnCount> products{}; // columns 10 to 15
    std::uint32_t index = 0;        // column 16
    std::uint32_t tail = 0;         // column 17
};

// Columns 8 and 9 never change.
inline constexpr std::uint32_t kFixedWordColumn = 40983; // printed A017
inline constexpr std::uint32_t kFixedByteColumn = 25;    // printed 19

} // namespace tabseed
