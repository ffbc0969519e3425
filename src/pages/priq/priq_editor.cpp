#include "pages/priq/priq_editor.h"

#include <optional>

#include "config/number_reads.h"
#include "config/number_texts.h"
#include "config/preconditions.h"
#include "pages/priq/priq_structure.h"

namespace talvex {

PriQEditorFields DecodePriQEntry(const PriorityQueueEntry& entry, int entryNumber)
{
    PriQEditorFields fields;
    fields.entryNumber = DecimalText(entryNumber);
    fields.qos = DecimalText(entry.qosNode.get());
    fields.metrics = {DecimalText(entry.metric1.get()), DecimalText(entry.metric2.get()),
                      DecimalText(entry.metric3.get()), DecimalText(entry.metric4.get())};
    fields.startChecked = (entry.flags & PQ_START) != 0;
    fields.endChecked = (entry.flags & PQ_END) != 0;
    return fields;
}

void WritePriQOpenDefaults(PriQTable& table, int entryNumber)
{
    PriorityQueueEntry& entry = EntryAt(table, entryNumber);
    if (entry.flags == 0)
        entry.flags = PQ_IN_USE;
    if (entryNumber == 0 || PositionBits(entry) != 0)
        return;
    const std::uint16_t above = PositionBits(table[static_cast<std::size_t>(entryNumber - 1)]);
    std::uint16_t flags = entry.flags;
    if ((above & (PQ_START | PQ_MIDDLE)) != 0)
        flags |= PQ_MIDDLE;
    if (above == 0)
        flags |= PQ_START;
    entry.flags = flags;
}

std::uint16_t EncodePriQFlags(std::uint16_t oldFlags, bool startChecked, bool endChecked)
{
    std::uint16_t flags = static_cast<std::uint16_t>(oldFlags & ~PQ_POSITION_MASK);
    if (endChecked)
        flags |= PQ_END;
    if (startChecked)
        flags |= PQ_START;
    if (!startChecked && !endChecked)
        flags |= PQ_MIDDLE;
    return static_cast<std::uint16_t>(flags | PQ_IN_USE);
}

bool EncodePriQEntry(const ShownAtOpen<PriQEditorFields>& opening,
                     const PriQEditorFields& fields, PriorityQueueEntry& entry)
{
    using F = PriQEditorFields;
    // The inputs of each stored value: the QoS node and each metric its own
    // box, the position bits and PQ_IN_USE the two check boxes.
    PriorityQueueEntry result = entry;
    if (InputsEdited(opening, fields, &F::qos)) {
        const std::optional<std::uint32_t> qos = ReadUnsigned(fields.qos);
        if (!qos)
            return false;
        result.qosNode = static_cast<std::int32_t>(*qos);
    }
    LeU16* const metrics[] = {&result.metric1, &result.metric2, &result.metric3, &result.metric4};
    for (std::size_t i = 0; i < fields.metrics.size(); ++i) {
        if (opening && fields.metrics[i] == opening->metrics[i])
            continue;
        const std::optional<std::uint32_t> metric = ReadUnsigned(fields.metrics[i]);
        if (!metric)
            return false;
        *metrics[i] = static_cast<std::uint16_t>(*metric);
    }
    if (InputsEdited(opening, fields, &F::startChecked, &F::endChecked))
        result.flags = EncodePriQFlags(entry.flags, fields.startChecked, fields.endChecked);
    entry = result;
    return true;
}

PriQEditorSession::PriQEditorSession(PriQTable& table, int entryNumber)
    : EditorSession(table, entryNumber), table_(table)
{
    WritePriQOpenDefaults(table_, entryNumber);
    setOpeningFields(DecodePriQEntry(record(), entryNumber));
}

bool PriQEditorSession::encode(const ShownAtOpen<PriQEditorFields>& opening,
                               const PriQEditorFields& current, PriorityQueueEntry& entry)
{
    if (!EncodePriQEntry(opening, current, entry))
        return false;
    RunStructurePass(table_);
    return true;
}

} // namespace talvex
