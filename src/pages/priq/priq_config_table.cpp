#include "pages/priq/priq_config_table.h"

#include "pages/priq/priq_line.h"
#include "pages/priq/priq_structure.h"

namespace talvex {

namespace {

constexpr ListUpdate FULL_REFRESH{.allLines = true, .fitWidth = true, .caretOnly = true};

} // namespace

std::string PriQConfigTable::lineText(const ConfigImage& image, int entry) const
{
    return PriQLineText(entryIn(image, entry), entry);
}

void PriQConfigTable::deriveOnOpen(ConfigImage& image) const { RunStructurePass(image.priQTable); }

void PriQConfigTable::deriveAfterChange(ConfigImage& image) const { deriveOnOpen(image); }

ListUpdate PriQConfigTable::openUpdate() const { return FULL_REFRESH; }

ListUpdate PriQConfigTable::changeUpdate() const { return FULL_REFRESH; }

void PriQConfigTable::emptyEntry(ConfigImage& image, int entry) const
{
    entryIn(image, entry).flags = 0;
}

} // namespace talvex
