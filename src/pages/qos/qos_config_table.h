#pragma once
// The QoS table as its list shows it: 64 nodes, a node in use when its flags
// are not 0, and every reference to a node renumbered when two nodes change
// places.
#include "config/config_table.h"

namespace talvex {

class QosConfigTable final : public ImageTable<&ConfigImage::qosTable> {
public:
    constexpr QosConfigTable() : ImageTable(TableKind::Qos, /*moves=*/true) {}

    std::string lineText(const ConfigImage& image, int entry) const override;

protected:
    // EmptyQosNode.
    void emptyEntry(ConfigImage& image, int entry) const override;
    // The "QoS..." parameters (action byte exactly 0x11) of all 256 rules and
    // of the address masks' default actions, and the QoS numbers of all
    // address masks and priority-queue entries, used or not, follow.
    void renumberReferences(ConfigImage& image, int a, int b,
                            RewrittenEntries& rewritten) const override;
};

// Puts the node into its empty state: every field zero except the sample
// period, which becomes 1000000. The last word (engine-owned) is kept.
void EmptyQosNode(QosNode& node);

} // namespace talvex
