#pragma once
// The rule table as its list shows it: 256 slots, a slot in use when bytes 4
// to 7 are not zero, rules that name rules renumbered when two slots change
// places, and every slot's own number stamped into it when the page opens.
#include "config/config_table.h"

namespace talvex {

class RuleConfigTable final : public ImageTable<&ConfigImage::ruleTable> {
public:
    constexpr RuleConfigTable()
        : ImageTable(TableKind::Rules, /*moves=*/true)
    {
    }

    std::string lineText(const ConfigImage& image, int slot) const override;

    // Stamps every slot (StampRuleNumbers).
    void deriveOnOpen(ConfigImage& image) const override;
    // ruleNumber and ruleIndex, the rule stamps.
    DerivedFields derivedFields() const override;
    // Every line, then the width.
    ListUpdate openUpdate() const override;
    // The other pages rewrite rule parameters when they move their entries:
    // every line again, then the width; selection and caret stay.
    ListUpdate activateUpdate() const override;

protected:
    void emptyEntry(ConfigImage& image, int slot) const override;
    // A copy keeps the own number and index stamped into the slot it lands in.
    void copyRecord(ConfigImage& image, int from, int to) const override;
    // Deleting slot 255 as the lowest leaves no line selected.
    SelectAfter afterDeletingLastLine() const override { return SelectAfter::NoLine; }
    // "Goto Sequence..." and "Goto Rule..." (whole action byte 0x04 or 0x05)
    // in the rules and in the address masks' default actions follow.
    void renumberReferences(ConfigImage& image, int a, int b,
                            RewrittenEntries& rewritten) const override;
};

// Writes every slot's own number into its ruleNumber and ruleIndex.
void StampRuleNumbers(RuleTable& table);

// Empties one slot: ruleNumber becomes the slot number, bytes 2 to 25 and 28
// to 31 become zero; bytes 26 and 27 and the pattern and mask stay.
void ClearRule(RuleTable& table, int slot);

} // namespace talvex
