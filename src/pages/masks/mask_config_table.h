#pragma once
// The address-mask table as its list shows it: 64 entries, an entry in use
// when its flags are not 0, and the actions that name a mask renumbered when
// two entries change places.
#include "config/config_table.h"

namespace talvex {

class MaskConfigTable final : public ImageTable<&ConfigImage::maskTable> {
public:
    constexpr MaskConfigTable() : ImageTable(TableKind::Masks, /*moves=*/true)
    {
    }

    std::string lineText(const ConfigImage& image, int entry) const override;

protected:
    // ClearMaskEntry.
    void emptyEntry(ConfigImage& image, int entry) const override;
    // "Address Mask...", "Audit, Then Forward..." and "Audit, Then Next
    // Rule..." (whole action bytes 0x12, 0x16, 0x17) in the rules and in the
    // masks' own default actions follow.
    void renumberReferences(ConfigImage& image, int a, int b,
                            RewrittenEntries& rewritten) const override;
};

// Marks one entry unused: flags, both offsets and lengths and the first byte
// of each mask become 0. Everything else (QoS node, TTL, key group, default
// action, key types, bases, the other mask bytes) stays, so it shows again
// when the entry is used anew.
void ClearMaskEntry(AddressMask& mask);

} // namespace talvex
