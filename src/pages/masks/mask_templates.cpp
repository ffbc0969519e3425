#include "pages/masks/mask_templates.h"

#include <array>

namespace talvex {

namespace {

constexpr std::array<MaskTemplate, MASK_TEMPLATE_COUNT> TEMPLATES{{
    {0, "<No Source>", 0, "<No Destination>"},
    {0, "", 0, ""},                                      // <Don't Care>
    {12, "FF", 16, "FF"},                                // IP Class A net
    {12, "FF.FF", 16, "FF.FF"},                          // IP Class B net
    {12, "FF.FF.FF", 16, "FF.FF.FF"},                    // IP Class C net
    {12, "FF.FF.FF.FF", 16, "FF.FF.FF.FF"},              // IP addr
    {20, "FF.FF", 22, "FF.FF"},                          // IP port
    {12, "FF.FF.FF.FF.00.00.00.00.FF.FF", 16, "FF.FF.FF.FF.00.00.FF.FF"}, // IP addr+port
    {18, "FF.FF.FF.FF", 6, "FF.FF.FF.FF"},               // IPX net
    {22, "FF.FF.FF.FF.FF.FF", 10, "FF.FF.FF.FF.FF.FF"},  // IPX node
    {28, "FF.FF", 16, "FF.FF"},                          // IPX socket
    {18, "FF.FF.FF.FF.FF.FF.FF.FF.FF.FF", 6, "FF.FF.FF.FF.FF.FF.FF.FF.FF.FF"}, // IPX net+node
    {22, "FF.FF.FF.FF.FF.FF.FF.FF", 10, "FF.FF.FF.FF.FF.FF.FF.FF"},             // IPX node+port
    {18, "FF.FF.FF.FF.00.00.00.00.00.00.FF.FF", 6,
     "FF.FF.FF.FF.00.00.00.00.00.00.FF.FF"},             // IPX net+port
    {18, "FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF", 6,
     "FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF"},             // IPX net+node+socket
    {0, "FF.FF.FF.FF.FF.FF", 0, "FF.FF.FF.FF.FF.FF"},    // MAC address
}};

} // namespace

const MaskTemplate& MaskTemplateFor(int keyType)
{
    if (keyType < 0 || keyType >= MASK_TEMPLATE_COUNT)
        return TEMPLATES[0];
    return TEMPLATES[static_cast<std::size_t>(keyType)];
}

} // namespace talvex
