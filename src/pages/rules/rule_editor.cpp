#include "pages/rules/rule_editor.h"

#include <optional>
#include <span>
#include <string>

#include "config/code_tables.h"
#include "config/dotted_hex.h"
#include "config/edited_inputs.h"
#include "config/number_reads.h"
#include "config/number_texts.h"
#include "pages/rules/condition_params.h"

namespace talvex {

namespace {

constexpr std::uint32_t FORM_COMPARISON = 1;
constexpr std::uint8_t KEPT_HIGH_BITS = 0xE0;

const CodeEntry& ConditionRow(std::uint32_t condition)
{
    const CodeEntry* row = LookupCodeEntry(ConditionTable(), condition);
    return row != nullptr ? *row : ConditionTable().front();
}

// An action byte with the code of `action` and the kept high bits of `old`.
std::uint8_t ActionByte(std::uint8_t old, std::uint32_t action)
{
    return static_cast<std::uint8_t>((old & KEPT_HIGH_BITS) | (action & ACTION_CODE_MASK));
}

bool TakesParameter(std::uint32_t action)
{
    const CodeEntry* row = LookupCodeEntry(ActionTable(), action);
    return row != nullptr && row->argument == 1;
}

// A 16-bit number field read from its box; false when the box holds no number.
bool ReadWord(const std::string& text, LeI16& field)
{
    const std::optional<std::uint32_t> number = ReadSignedDecimal(text);
    if (number)
        field = static_cast<std::int16_t>(*number);
    return number.has_value();
}

// Parameter row k as its label names it for the selected condition, or as
// "Parameter k" where the condition leaves the row without a label.
std::string ParameterName(std::uint32_t condition, std::size_t k)
{
    std::string_view label = ConditionParamsFor(ConditionRow(condition).ordinal).labels[k];
    if (label.ends_with(':'))
        label.remove_suffix(1);
    return label.empty() ? "Parameter " + std::to_string(k + 1) : std::string(label);
}

// The pattern texts read for the comparison block and for the frame length,
// with "Len:" and the four parameters. False, naming the first of them in the
// keyboard's order that is invalid, when a number box read holds no number
// or the mask has a byte count other than the data's (and is not empty).
bool EncodePattern(const RuleEditorFields& fields, bool blockEdited, bool lengthEdited,
                   RuleRecord& record, FieldRefusal* refusal)
{
    using F = RuleEditorFields;
    // "Len:" must hold a number, although the pattern length replaces it.
    if (lengthEdited && !ReadSignedDecimal(fields.length))
        return Refuse(refusal, &F::length, WholeNumberReason("Len"));
    Bytes<16> data{};
    Bytes<16> mask{};
    mask.fill(0xFF);
    const int n = ParseDottedHex(fields.patternData, data);
    const int m = ParseDottedHex(fields.patternMask, mask);
    // Texts shown for a used rule always agree (both show the stored
    // length), so there this refuses only an edited data or mask text.
    if (m != n && !fields.patternMask.empty())
        return Refuse(refusal, &F::patternMask,
                      "Mask: give as many bytes as the pattern data (" + std::to_string(n)
                          + "), or leave it empty");
    if (lengthEdited)
        record.frameLength = static_cast<std::int16_t>(n);
    if (!blockEdited)
        return true;
    std::array<std::uint32_t, 4> params{};
    for (std::size_t k = 0; k < params.size(); ++k) {
        const auto param = ReadSignedDecimal(fields.params[k]);
        if (!param)
            return Refuse(refusal, FieldOffset(&F::params, k),
                          WholeNumberReason(ParameterName(fields.condition, k)));
        params[k] = *param;
    }
    // Only the bytes read belong to the pattern; an empty Mask tests them all.
    for (int i = n; i < DOTTED_HEX_MAX_BYTES; ++i) {
        data[static_cast<std::size_t>(i)] = 0;
        mask[static_cast<std::size_t>(i)] = 0;
    }
    record.patternLength = static_cast<std::int16_t>(n);
    if (fields.condition == CONDITION_COMPARISON) {
        record.patternData = data;
        record.patternMask = mask;
    } else {
        for (std::size_t k = 0; k < params.size(); ++k)
            record.setConditionParam(static_cast<int>(k), params[k]);
    }
    return true;
}

} // namespace

void WriteRuleEditorDefaults(RuleRecord& record)
{
    if (!record.isUsed())
        record.setCodeWord(NEW_RULE_DEFAULT);
}

RuleEditorFields DecodeRuleEditor(const RuleRecord& record, int entry)
{
    RuleEditorFields fields;
    fields.entry = DecimalText(entry);
    fields.ruleType = RuleTypeTable().front().code;
    const std::uint32_t conditionCode = record.conditionWord() & CONDITION_WORD_MASK;
    fields.condition = ShownChoiceCode(ConditionTable(), conditionCode);
    fields.comparison = ShownChoiceCode(OperatorTable(), conditionCode);
    fields.base = ShownChoiceCode(OffsetBaseTable(), record.offsetBase());
    fields.thenAction = ShownChoiceCode(ActionTable(), record.thenAction & ACTION_CODE_MASK);
    fields.elseAction = ShownChoiceCode(ActionTable(), record.elseAction & ACTION_CODE_MASK);

    fields.offset = DecimalText(static_cast<std::uint16_t>(record.offset.get()));
    fields.length = DecimalText(static_cast<std::uint16_t>(record.frameLength.get()));
    fields.thenParam = DecimalText(static_cast<std::uint16_t>(record.thenParam.get()));
    fields.elseParam = DecimalText(static_cast<std::uint16_t>(record.elseParam.get()));
    for (std::size_t k = 0; k < fields.params.size(); ++k)
        fields.params[k] = DecimalText(record.conditionParam(static_cast<int>(k)));

    // FormatDottedHex holds a stored length outside 0 to 16 to the bytes
    // that exist, so the editor shows at most the sixteen of each field.
    fields.patternData = FormatDottedHex(record.patternData, record.patternLength);
    fields.patternMask = FormatDottedHex(record.patternMask, record.patternLength);
    return fields;
}

RuleEditorEnabling RuleEditorEnablingFor(const RuleEditorFields& fields)
{
    RuleEditorEnabling enabling;
    enabling.thenParamEnabled = TakesParameter(fields.thenAction);
    enabling.elseParamEnabled = TakesParameter(fields.elseAction);

    const CodeEntry& row = ConditionRow(fields.condition);
    enabling.comparisonShown = row.argument == FORM_COMPARISON;
    enabling.parametersShown = row.argument > FORM_COMPARISON;
    const ConditionParams& params = ConditionParamsFor(row.ordinal);
    for (std::size_t i = 0; i < params.labels.size(); ++i) {
        enabling.parameterLabels[i] = params.labels[i];
        enabling.parameterEnabled[i] = !params.labels[i].empty();
    }
    return enabling;
}

bool AcceptRuleEditor(const ShownAtOpen<RuleEditorFields>& opening,
                      const RuleEditorFields& fields, RuleRecord& record, FieldRefusal* refusal)
{
    using F = RuleEditorFields;
    const auto edited = [&](auto... inputs) { return InputsEdited(opening, fields, inputs...); };
    RuleRecord result = record;

    // The boxes are read in the order the keyboard reaches them, so a refusal
    // names the first invalid one; an edited box is read even when it is
    // hidden or disabled. The comparison block (pattern length, data and
    // mask, or P1 to P4 in the data bytes) comes from the condition, both
    // pattern texts and the four parameters; "Len:", which OK sets to the
    // pattern length, from its own box and the pattern texts.
    const bool blockEdited = edited(&F::condition, &F::patternData, &F::patternMask, &F::params);
    const bool lengthEdited = edited(&F::length, &F::patternData, &F::patternMask);
    if (edited(&F::offset) && !ReadWord(fields.offset, result.offset))
        return Refuse(refusal, &F::offset, WholeNumberReason("Offset"));
    if ((blockEdited || lengthEdited)
        && !EncodePattern(fields, blockEdited, lengthEdited, result, refusal))
        return false;
    if (edited(&F::thenParam) && !ReadWord(fields.thenParam, result.thenParam))
        return Refuse(refusal, &F::thenParam, WholeNumberReason("Then Parameter"));
    if (edited(&F::elseParam) && !ReadWord(fields.elseParam, result.elseParam))
        return Refuse(refusal, &F::elseParam, WholeNumberReason("Else Parameter"));

    // The codes of bytes 4 to 7, each from its list; the condition bits from
    // the condition and operator lists. The flags and the three high bits of
    // bytes 5 to 7 stay as they were.
    if (edited(&F::base))
        result.ruleFlags = static_cast<std::uint8_t>((record.ruleFlags & RULE_FLAGS_MASK)
                                                     | (fields.base & OFFSET_BASE_MASK));
    if (edited(&F::condition, &F::comparison)) {
        const std::uint32_t code =
            fields.condition == CONDITION_COMPARISON ? fields.comparison : fields.condition;
        result.condition = static_cast<std::uint8_t>((record.condition & KEPT_HIGH_BITS)
                                                     | ((code & CONDITION_WORD_MASK) >> 8));
    }
    if (edited(&F::thenAction))
        result.thenAction = ActionByte(record.thenAction, fields.thenAction);
    if (edited(&F::elseAction))
        result.elseAction = ActionByte(record.elseAction, fields.elseAction);
    record = result;
    return true;
}

} // namespace talvex
