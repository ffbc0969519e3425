#pragma once
// The rule editor apart from its widgets: a rule record decoded into the
// texts and choice codes of the "Edit Rule..." dialog, the enabling of its
// fields, and OK's check and encoding back into the record.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/edited_inputs.h"
#include "config/editor_session.h"
#include "config/field_refusal.h"
#include "config/records.h"

namespace talvex {

struct RuleEditorFields {
    std::string entry;                // "Rule:", the slot number (read-only)
    std::uint32_t ruleType = 0;       // RuleTypeTable code
    std::uint32_t condition = 0;      // ConditionTable code
    std::string offset;               // "Offset:"
    std::string length;               // "Len:"
    std::uint32_t base = 0;           // "From:", OffsetBaseTable code
    std::uint32_t comparison = 0;     // OperatorTable code
    std::string patternData;          // dotted hexadecimal
    std::string patternMask;          // "Mask:", dotted hexadecimal
    std::uint32_t thenAction = 0;     // ActionTable code
    std::string thenParam;
    std::uint32_t elseAction = 0;
    std::string elseParam;
    std::array<std::string, 4> params;  // "Parameter 1:" to "Parameter 4:"
};

// The default the editor writes when it opens: an unused record (bytes 4 to
// 7 zero) becomes a new rule with NEW_RULE_DEFAULT there.
void WriteRuleEditorDefaults(RuleRecord& record);

// The fields the editor shows for the record in slot `entry`. A code without
// a row in its table shows as the table's first row.
RuleEditorFields DecodeRuleEditor(const RuleRecord& record, int entry);

// Which fields are usable for the selected choices.
struct RuleEditorEnabling {
    bool thenParamEnabled = false;
    bool elseParamEnabled = false;
    bool comparisonShown = false;   // Offset, Len, From, operator, pattern, Mask, wizards
    bool parametersShown = false;   // the four parameter rows
    std::array<std::string_view, 4> parameterLabels{};
    std::array<bool, 4> parameterEnabled{};
};
RuleEditorEnabling RuleEditorEnablingFor(const RuleEditorFields& fields);

// OK. `opening` holds the fields as the editor showed them when it opened on
// a used rule, none for a new rule; `fields` the fields now. A new rule is
// encoded from every field. In a used rule a stored value is encoded again
// only when one of its inputs changed; every other value is kept as stored
// and its box is not read. The inputs: offset, Then and Else parameters their own boxes; the
// base, Then and Else codes their lists; the condition bits the condition and
// operator lists; the comparison block (pattern length, data and mask, or P1
// to P4) the condition, both pattern texts and the four parameters; the frame
// length the "Len:" box and both pattern texts. Invalid fields read (a box
// without a number, or a non-empty mask whose byte count differs from the
// data's) return false, leave the record untouched and name the first of
// them in the dialog's keyboard order in `refusal`. Every bit the editor does
// not own is kept.
bool AcceptRuleEditor(const ShownAtOpen<RuleEditorFields>& opening,
                      const RuleEditorFields& fields, RuleRecord& record,
                      FieldRefusal* refusal = nullptr);

// One run of the editor on one slot of the live table, opened with
// RuleEditorSession(table, entry). The wizards' results reach only the
// fields, never the session.
using RuleEditorSession = RecordEditorSession<RuleRecord, RuleEditorFields, WriteRuleEditorDefaults,
                                              DecodeRuleEditor, AcceptRuleEditor>;

} // namespace talvex
