#include "pages/priq/priq_config_table.h"

#include "pages/priq/priq_lines.h"
#include "pages/priq/priq_structure.h"

namespace talvex {

namespace {

ListUpdate FullRefresh(ConfigImage& image)
{
    RunStructurePass(image.priQTable);
    return {.allLines = true, .fitWidth = true, .caretOnly = true};
}

} // namespace

std::string PriQConfigTable::lineText(const ConfigImage& image, int entry) const
{
    return PriQLineText(entryIn(image, entry), entry);
}

ListUpdate PriQConfigTable::openPage(ConfigImage& image) const { return FullRefresh(image); }

ListUpdate PriQConfigTable::afterChange(ConfigImage& image) const { return FullRefresh(image); }

void PriQConfigTable::emptyEntry(ConfigImage& image, int entry) const
{
    entryIn(image, entry).flags = 0;
}

} // namespace talvex
