#include "tabseed/address_forms.h"

#include "tabseed/digit_writers.h"

namespace tabseed {

namespace {

using digits::ByteDecimal;
using digits::Decimal;
using digits::HexByte;
using digits::Text;

char* DottedBytes(char* out, const std::uint8_t* values, int count)
{
    out = ByteDecimal(out, values[0]);
    for (int k = 1; k < count; ++k) {
        *out++ = '.';
        out = ByteDecimal(out, values[k]);
    }
    return out;
}

char* HexBytes(char* out, const std::uint8_t* values, int count)
{
    for (int k = 0; k < count; ++k) {
        out = HexByte(out, values[k]);
    }
    return out;
}

// Port of the host-and-port form: high byte first, taken from further along
// on the source side than on the destination side.
std::uint32_t HostPort(const std::uint8_t* values, AddressSide side)
{
    const int high = side == AddressSide::Source ? 8 : 6;
    return values[high] * 256u + values[high + 1];
}

constexpr int NET_BYTES = 4;
constexpr int NODE_BYTES = 6;
constexpr int SOCKET_BYTES = 2;

} // namespace

char* FormatAddress(AddressForm form, AddressSide side, const std::uint8_t* v, char* out)
{
    switch (form) {
    case AddressForm::Any:
        *out++ = '*';
        return out;
    case AddressForm::IpNet8:
        out = ByteDecimal(out, v[0]);
        return Text(out, ".0.0.0/8:*");
    case AddressForm::IpNet16:
        out = DottedBytes(out, v, 2);
        return Text(out, ".0.0/16:*");
    case AddressForm::IpNet24:
        out = DottedBytes(out, v, 3);
        return Text(out, ".0/24:*");
    case AddressForm::IpHost:
        out = DottedBytes(out, v, 4);
        return Text(out, ":*");
    case AddressForm::IpPort:
        out = Text(out, "*:");
        return Decimal(out, v[1] * 256u + v[0]);
    case AddressForm::IpHostPort:
        out = DottedBytes(out, v, 4);
        *out++ = ':';
        return Decimal(out, HostPort(v, side));
    case AddressForm::IpxNet:
        out = HexBytes(out, v, NET_BYTES);
        return Text(out, ":*:*");
    case AddressForm::IpxNode:
        out = Text(out, "*:");
        out = HexBytes(out, v, NODE_BYTES);
        return Text(out, ":*");
    case AddressForm::IpxSocket:
        out = Text(out, "*:*:");
        return HexBytes(out, v, SOCKET_BYTES);
    case AddressForm::IpxNetNode:
        out = HexBytes(out, v, NET_BYTES);
        *out++ = ':';
        out = HexBytes(out, v + NET_BYTES, NODE_BYTES);
        return Text(out, ":*");
    case AddressForm::IpxNodeSocket:
        out = Text(out, "*:");
        out = HexBytes(out, v, NODE_BYTES);
        *out++ = ':';
        return HexBytes(out, v + NODE_BYTES, SOCKET_BYTES);
    case AddressForm::IpxNetSocket:
        // The socket sits where it would follow a node, so the node's bytes
        // are stepped over.
        out = HexBytes(out, v, NET_BYTES);
        out = Text(out, ":*:");
        return HexBytes(out, v + NET_BYTES + NODE_BYTES, SOCKET_BYTES);
    case AddressForm::IpxNetNodeSocket:
        out = HexBytes(out, v, NET_BYTES);
        *out++ = ':';
        out = HexBytes(out, v + NET_BYTES, NODE_BYTES);
        *out++ = ':';
        return HexBytes(out, v + NET_BYTES + NODE_BYTES, SOCKET_BYTES);
    }
    return out;
}

} // namespace tabseed
