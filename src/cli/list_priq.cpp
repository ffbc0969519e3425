#include <ostream>

#include "cli/cli_list.h"
#include "pages/priq/priq_lines.h"
#include "pages/priq/priq_structure.h"

namespace talvex::cli {

// The page's lines as it draws them when it opens: after the structure pass.
void ListPriQ(ConfigImage& image, std::ostream& out)
{
    RunStructurePass(image.priQTable);
    for (const std::string& line : PriQListLines(image.priQTable))
        out << line << '\n';
}

} // namespace talvex::cli
