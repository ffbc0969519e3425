#include <ostream>

#include "cli/cli_list.h"
#include "pages/qos/qos_line.h"

namespace talvex::cli {

void ListQos(ConfigImage& image, std::ostream& out)
{
    for (int i = 0; i < QOS_COUNT; ++i)
        out << QosLineText(image, static_cast<std::uint32_t>(i)) << '\n';
}

} // namespace talvex::cli
