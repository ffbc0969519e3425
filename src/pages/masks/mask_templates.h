#pragma once
// The standard IP and IPX key templates of the address-mask editor, indexed
// by key-type code. The IP rows count from the start of an IPv4 header
// without options, the IPX rows from the start of the IPX header; the stored
// entry always gets the FRAGS base for templates.
#include <cstdint>
#include <string_view>

namespace talvex {

struct MaskTemplate {
    std::uint32_t srcOffset;
    std::string_view srcMask;
    std::uint32_t dstOffset;
    std::string_view dstMask;
};

constexpr int MASK_TEMPLATE_COUNT = 16;

// Row `keyType` of the table. Row 0 ("<No Source>" / "<No Destination>") is
// never offered and its texts are no masks; codes outside 0 to 15 give row 0.
const MaskTemplate& MaskTemplateFor(int keyType);

} // namespace talvex
