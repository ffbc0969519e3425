#include <ostream>

#include "cli/cli_list.h"
#include "pages/masks/mask_lines.h"

namespace talvex::cli {

void ListMasks(ConfigImage& image, std::ostream& out)
{
    for (int i = 0; i < MASK_COUNT; ++i)
        out << MaskLineText(image.maskTable[static_cast<std::size_t>(i)], i) << '\n';
}

} // namespace talvex::cli
