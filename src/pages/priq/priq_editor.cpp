#include "pages/priq/priq_editor.h"

#include <optional>
#include <string>

#include "config/number_reads.h"
#include "config/number_texts.h"
#include "config/preconditions.h"
#include "pages/priq/priq_structure.h"

namespace talvex {

PriQEditorFields DecodePriQEditor(const PriorityQueueEntry& record, int entry)
{
    PriQEditorFields fields;
    fields.entry = DecimalText(entry);
    fields.qos = DecimalText(record.qosNode.get());
    fields.metrics = {DecimalText(record.metric1.get()), DecimalText(record.metric2.get()),
                      DecimalText(record.metric3.get()), DecimalText(record.metric4.get())};
    fields.startChecked = (record.flags & PQ_START) != 0;
    fields.endChecked = (record.flags & PQ_END) != 0;
    return fields;
}

void WritePriQEditorDefaults(PriQTable& table, int entry)
{
    PriorityQueueEntry& record = EntryAt(table, entry);
    if (record.flags == 0)
        record.flags = PQ_IN_USE;
    if (entry == 0 || PositionBits(record) != 0)
        return;
    const std::uint16_t above = PositionBits(table[static_cast<std::size_t>(entry - 1)]);
    std::uint16_t flags = record.flags;
    if ((above & (PQ_START | PQ_MIDDLE)) != 0)
        flags |= PQ_MIDDLE;
    if (above == 0)
        flags |= PQ_START;
    record.flags = flags;
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

bool AcceptPriQEditor(const ShownAtOpen<PriQEditorFields>& opening,
                      const PriQEditorFields& fields, PriorityQueueEntry& record,
                      FieldRefusal* refusal)
{
    using F = PriQEditorFields;
    // The inputs of each stored value: the QoS node and each metric its own
    // box, the position bits and PQ_IN_USE the two check boxes.
    PriorityQueueEntry result = record;
    if (InputsEdited(opening, fields, &F::qos)) {
        const std::optional<std::uint32_t> qos = ReadUnsigned(fields.qos);
        if (!qos)
            return Refuse(refusal, &F::qos, WholeNumberReason("QoS"));
        result.qosNode = static_cast<std::int32_t>(*qos);
    }
    LeU16* const metrics[] = {&result.metric1, &result.metric2, &result.metric3, &result.metric4};
    for (std::size_t i = 0; i < fields.metrics.size(); ++i) {
        if (opening && fields.metrics[i] == opening->metrics[i])
            continue;
        const std::optional<std::uint32_t> metric = ReadUnsigned(fields.metrics[i]);
        if (!metric)
            return Refuse(refusal, FieldOffset(&F::metrics, i),
                          WholeNumberReason("Metric " + std::to_string(i + 1)));
        *metrics[i] = static_cast<std::uint16_t>(*metric);
    }
    if (InputsEdited(opening, fields, &F::startChecked, &F::endChecked))
        result.flags = EncodePriQFlags(record.flags, fields.startChecked, fields.endChecked);
    record = result;
    return true;
}

PriQEditorSession::PriQEditorSession(PriQTable& table, int entry)
    : EditorSession(table, entry), table_(table)
{
    WritePriQEditorDefaults(table_, entry);
    setOpeningFields(DecodePriQEditor(record(), entry));
}

bool PriQEditorSession::encode(const ShownAtOpen<PriQEditorFields>& opening,
                               const PriQEditorFields& current, PriorityQueueEntry& record,
                               FieldRefusal* refusal)
{
    if (!AcceptPriQEditor(opening, current, record, refusal))
        return false;
    RunStructurePass(table_);
    return true;
}

} // namespace talvex
