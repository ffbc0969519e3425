#include "pages/priq/priq_config_table.h"

#include <array>

#include "pages/priq/priq_line.h"
#include "pages/priq/priq_structure.h"

namespace talvex {

namespace {

constexpr ListUpdate FULL_REFRESH{.allLines = true, .fitWidth = true, .caretOnly = true};

constexpr std::array STRUCTURE{
    DerivedMember{TALVEX_MEMBER_NAME(PriorityQueueEntry, qosNode),
                  "in a used entry that does not start a queue, the QoS node of its queue's start"},
    DerivedMember{TALVEX_MEMBER_NAME(PriorityQueueEntry, queueNumber),
                  "in a used entry, the number of its queue"}};

} // namespace

std::string PriQConfigTable::lineText(const ConfigImage& image, int entry) const
{
    return PriQLineText(entryIn(image, entry), entry);
}

void PriQConfigTable::deriveOnOpen(ConfigImage& image) const { RunStructurePass(image.priQTable); }

void PriQConfigTable::deriveAfterChange(ConfigImage& image) const { deriveOnOpen(image); }

DerivedFields PriQConfigTable::derivedFields() const
{
    return {"queue structure", STRUCTURE};
}

ListUpdate PriQConfigTable::openUpdate() const { return FULL_REFRESH; }

ListUpdate PriQConfigTable::changeUpdate() const { return FULL_REFRESH; }

void PriQConfigTable::emptyEntry(ConfigImage& image, int entry) const
{
    entryIn(image, entry).flags = 0;
}

} // namespace talvex
