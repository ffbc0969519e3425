#pragma once
// The priority-queue table as its list shows it: 64 entries drawn as a tree
// of queues, an entry in use when its flags are not 0, no Up and Dn, and the
// structure pass before every full drawing of the list.
#include "config/config_table.h"

namespace talvex {

class PriQConfigTable final : public ImageTable<&ConfigImage::priQTable> {
public:
    constexpr PriQConfigTable()
        : ImageTable(TableKind::PriQ, /*moves=*/false)
    {
    }

    std::string lineText(const ConfigImage& image, int entry) const override;

    // Opening and every change run the full refresh: the structure pass
    // (RunStructurePass), then every line, the width, and the caret line
    // alone selected. A change may move the queue numbers and QoS nodes of
    // other entries.
    void deriveOnOpen(ConfigImage& image) const override;
    void deriveAfterChange(ConfigImage& image) const override;
    // qosNode and queueNumber, the queue structure.
    DerivedFields derivedFields() const override;
    ListUpdate openUpdate() const override;
    ListUpdate changeUpdate() const override;

protected:
    // Only the flags word becomes 0.
    void emptyEntry(ConfigImage& image, int entry) const override;
};

} // namespace talvex
