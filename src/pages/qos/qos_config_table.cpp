#include "pages/qos/qos_config_table.h"

#include "config/action_references.h"
#include "config/preconditions.h"
#include "pages/qos/qos_line.h"

namespace talvex {

namespace {

// Exchanges a and b in one QoS number; true when it held one of them.
template <typename Number>
bool ExchangeQosNumber(Number& number, int a, int b)
{
    const int value = number.get();
    const int exchanged = ExchangedNumber(value, a, b);
    number = static_cast<decltype(number.get())>(exchanged);
    return exchanged != value;
}

} // namespace

std::string QosConfigTable::lineText(const ConfigImage& image, int entry) const
{
    return QosLineText(entryIn(image, entry), entry);
}

void QosConfigTable::emptyEntry(ConfigImage& image, int entry) const
{
    EmptyQosNode(entryIn(image, entry));
}

void QosConfigTable::renumberReferences(ConfigImage& image, int a, int b,
                                        RewrittenEntries& rewritten) const
{
    SwapActionReferences(image, TableKind::Qos, a, b, rewritten);
    for (int m = 0; m < MASK_COUNT; ++m) {
        if (ExchangeQosNumber(image.maskTable[static_cast<std::size_t>(m)].qosNode, a, b))
            rewritten.add(TableKind::Masks, m);
    }
    for (int e = 0; e < PRIQ_COUNT; ++e) {
        if (ExchangeQosNumber(image.priQTable[static_cast<std::size_t>(e)].qosNode, a, b))
            rewritten.add(TableKind::PriQ, e);
    }
}

void EmptyQosNode(QosNode& node)
{
    const auto kept = node.engineReserved;
    node = QosNode{};
    node.samplePeriod = DEFAULT_SAMPLE_PERIOD;
    node.engineReserved = kept;
}

} // namespace talvex
