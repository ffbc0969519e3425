#include "pages/rules/rule_editor.h"

#include <optional>
#include <span>

#include "config/code_tables.h"
#include "config/dotted_hex.h"
#include "config/number_reads.h"
#include "pages/rules/condition_params.h"

namespace talvex {

namespace {

constexpr std::uint16_t CONDITION_WORD_MASK = 0x1F00;
constexpr std::uint32_t CONDITION_COMPARISON = 0x0000;
constexpr std::uint32_t FORM_COMPARISON = 1;
constexpr std::uint8_t KEPT_HIGH_BITS = 0xE0;

// The code the choice shows: the record's code when its table has that row,
// otherwise the table's first row, which the filled list selects.
std::uint32_t ShownCode(std::span<const CodeEntry> table, std::uint32_t code)
{
    if (LookupCodeEntry(table, code) != nullptr)
        return code;
    return table.front().code;
}

std::string Unsigned(std::uint32_t value) { return std::to_string(value); }

std::uint32_t ReadParam(const Bytes<16>& bytes, int index)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | bytes[static_cast<std::size_t>(index * 4 + i)];
    return value;
}

void WriteParam(Bytes<16>& bytes, int index, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(index * 4 + i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

const CodeEntry& ConditionRow(std::uint32_t condition)
{
    const CodeEntry* row = LookupCodeEntry(ConditionTable(), condition);
    return row != nullptr ? *row : ConditionTable().front();
}

bool TakesParameter(std::uint32_t action)
{
    const CodeEntry* row = LookupCodeEntry(ActionTable(), action);
    return row != nullptr && row->argument == 1;
}

// The eight numbers OK reads, in the order of the dialog.
struct EditorNumbers {
    std::uint32_t thenParam;
    std::uint32_t elseParam;
    std::uint32_t offset;
    std::array<std::uint32_t, 4> params;
};

std::optional<EditorNumbers> ReadNumbers(const RuleEditorFields& fields)
{
    const auto thenParam = ReadSignedDecimal(fields.thenParam);
    const auto elseParam = ReadSignedDecimal(fields.elseParam);
    const auto offset = ReadSignedDecimal(fields.offset);
    // "Len:" must hold a number too, although the pattern length replaces it.
    const auto length = ReadSignedDecimal(fields.length);
    if (!thenParam || !elseParam || !offset || !length)
        return std::nullopt;
    EditorNumbers numbers{*thenParam, *elseParam, *offset, {}};
    for (std::size_t k = 0; k < fields.params.size(); ++k) {
        const auto param = ReadSignedDecimal(fields.params[k]);
        if (!param)
            return std::nullopt;
        numbers.params[k] = *param;
    }
    return numbers;
}

} // namespace

RuleRecord OpenRuleEditor(RuleRecord& record)
{
    const RuleRecord copy = record;
    if (!record.isUsed())
        record.setCodeWord(NEW_RULE_DEFAULT);
    return copy;
}

RuleEditorFields DecodeRuleEditor(const RuleRecord& record, int slot)
{
    RuleEditorFields fields;
    fields.rule = std::to_string(slot);
    fields.ruleType = RuleTypeTable().front().code;
    const std::uint32_t conditionCode = record.conditionWord() & CONDITION_WORD_MASK;
    fields.condition = ShownCode(ConditionTable(), conditionCode);
    fields.comparison = ShownCode(OperatorTable(), conditionCode);
    fields.base = ShownCode(OffsetBaseTable(), record.offsetBase());
    fields.thenAction = ShownCode(ActionTable(), record.thenAction & ACTION_CODE_MASK);
    fields.elseAction = ShownCode(ActionTable(), record.elseAction & ACTION_CODE_MASK);

    fields.offset = Unsigned(static_cast<std::uint16_t>(record.offset.get()));
    fields.length = Unsigned(static_cast<std::uint16_t>(record.frameLength.get()));
    fields.thenParam = Unsigned(static_cast<std::uint16_t>(record.thenParam.get()));
    fields.elseParam = Unsigned(static_cast<std::uint16_t>(record.elseParam.get()));
    for (std::size_t k = 0; k < fields.params.size(); ++k)
        fields.params[k] = Unsigned(ReadParam(record.patternData, static_cast<int>(k)));

    // FormatDottedHex holds a stored length outside 0 to 16 to the bytes
    // that exist, so the editor shows at most the sixteen of each field.
    fields.patternData = FormatDottedHex(record.patternData, record.patternLength);
    fields.patternMask = FormatDottedHex(record.patternMask, record.patternLength);
    return fields;
}

RuleEditorEnabling RuleEditorEnablingFor(std::uint32_t condition, std::uint32_t thenAction,
                                         std::uint32_t elseAction)
{
    RuleEditorEnabling enabling;
    enabling.thenParamEnabled = TakesParameter(thenAction);
    enabling.elseParamEnabled = TakesParameter(elseAction);

    const CodeEntry& row = ConditionRow(condition);
    enabling.comparisonShown = row.argument == FORM_COMPARISON;
    enabling.parametersShown = row.argument > FORM_COMPARISON;
    const ConditionParams& params = ConditionParamsFor(row.ordinal);
    for (int k = 0; k < CONDITION_PARAM_ROWS; ++k) {
        const auto i = static_cast<std::size_t>(k);
        enabling.parameterLabels[i] = params.params[i].label;
        enabling.parameterEnabled[i] = k < params.count;
    }
    return enabling;
}

bool AcceptRuleEditor(const RuleEditorFields& fields, RuleRecord& record)
{
    const auto numbers = ReadNumbers(fields);

    Bytes<16> data{};
    Bytes<16> mask{};
    mask.fill(0xFF);
    const int n = ParseDottedHex(fields.patternData, data);
    const int m = ParseDottedHex(fields.patternMask, mask);
    if (!numbers || (m != n && !fields.patternMask.empty()))
        return false;

    for (int i = n; i < DOTTED_HEX_MAX_BYTES; ++i) {
        data[static_cast<std::size_t>(i)] = 0;
        mask[static_cast<std::size_t>(i)] = 0;
    }

    record.patternLength = static_cast<std::int16_t>(n);
    record.frameLength = static_cast<std::int16_t>(n);
    record.offset = static_cast<std::int16_t>(numbers->offset);
    record.thenParam = static_cast<std::int16_t>(numbers->thenParam);
    record.elseParam = static_cast<std::int16_t>(numbers->elseParam);

    record.condition &= KEPT_HIGH_BITS;
    record.ruleFlags &= RULE_FLAGS_MASK;
    record.thenAction &= KEPT_HIGH_BITS;
    record.elseAction &= KEPT_HIGH_BITS;

    std::uint32_t conditionCode = fields.condition;
    if (fields.condition == CONDITION_COMPARISON) {
        conditionCode = fields.comparison;
        record.patternData = data;
        record.patternMask = mask;
    } else {
        for (std::size_t k = 0; k < numbers->params.size(); ++k)
            WriteParam(record.patternData, static_cast<int>(k), numbers->params[k]);
    }
    record.condition |= static_cast<std::uint8_t>((conditionCode & CONDITION_WORD_MASK) >> 8);
    record.ruleFlags |= static_cast<std::uint8_t>(fields.base & OFFSET_BASE_MASK);
    record.thenAction |= static_cast<std::uint8_t>(fields.thenAction & ACTION_CODE_MASK);
    record.elseAction |= static_cast<std::uint8_t>(fields.elseAction & ACTION_CODE_MASK);
    return true;
}

void CancelRuleEditor(const RuleRecord& copy, RuleRecord& record) { record = copy; }

} // namespace talvex
