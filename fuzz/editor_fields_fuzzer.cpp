// OK pressed in each editor with arbitrary field texts and choices on an
// arbitrary record. An editor that refuses its fields must leave the record
// as it was and name one of its fields with a reason of one line; one that
// accepts them must keep every byte and bit it does not own and store lengths
// that fit the record. Asking for the reason changes nothing OK does.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <type_traits>

#include "config/code_tables.h"
#include "config/field_refusal.h"
#include "config/records.h"
#include "fuzz_checks.h"
#include "pages/masks/mask_editor.h"
#include "pages/masks/mask_line.h"
#include "pages/priq/priq_editor.h"
#include "pages/priq/priq_line.h"
#include "pages/qos/qos_editor.h"
#include "pages/qos/qos_line.h"
#include "pages/rules/rule_editor.h"
#include "pages/rules/rule_line.h"

namespace talvex::fuzz {
namespace {

constexpr std::size_t MAX_TEXT = 64;

template <typename Record>
Record ConsumeRecord(FuzzedDataProvider& input)
{
    Record record{};
    const std::vector<std::uint8_t> bytes = input.ConsumeBytes<std::uint8_t>(RECORD_SIZE);
    if (!bytes.empty())
        std::memcpy(&record, bytes.data(), bytes.size());
    return record;
}

std::string Text(FuzzedDataProvider& input) { return input.ConsumeRandomLengthString(MAX_TEXT); }

// Mostly a code the choice list offers, sometimes any value at all.
std::uint32_t Choice(FuzzedDataProvider& input, std::span<const CodeEntry> table)
{
    if (input.ConsumeBool())
        return input.ConsumeIntegral<std::uint32_t>();
    return table[input.ConsumeIntegralInRange<std::size_t>(0, table.size() - 2)].code;
}

bool Same(const void* a, const void* b) { return std::memcmp(a, b, RECORD_SIZE) == 0; }

// OK as `accept` (an Accept<T>Editor) with and without asking why, on two
// copies of the record: both must end alike. A refusal names one of
// `refusable` (FieldOffset) and says why in one line; an accepted OK says
// nothing.
template <typename Record, typename Accept, typename Fields>
bool AcceptAndCheckRefusal(Record& record, Accept accept, const ShownAtOpen<Fields>& shown,
                           const Fields& fields, std::initializer_list<std::size_t> refusable)
{
    Record asked = record;
    FieldRefusal refusal;
    const bool acceptedWhenAsked = accept(shown, fields, asked, &refusal);
    const bool accepted = accept(shown, fields, record, nullptr);
    Expect(acceptedWhenAsked == accepted && Same(&asked, &record),
           "asking why OK was refused changes nothing OK does");
    if (accepted) {
        Expect(refusal == FieldRefusal{}, "an accepted OK names no field");
        return true;
    }
    Expect(std::find(refusable.begin(), refusable.end(), refusal.field) != refusable.end(),
           "a refused OK names a field of its editor");
    Expect(!refusal.reason.empty() && refusal.reason.find_first_of("\r\n") == std::string::npos,
           "a refused OK says why in one line");
    return false;
}

// The fields a session's OK takes as shown at open: none for a new entry.
template <typename Session>
auto ShownBy(const Session& session)
{
    using Fields = std::decay_t<decltype(session.openingFields())>;
    return session.makesNewEntry() ? std::nullopt : ShownAtOpen<Fields>(session.openingFields());
}

void RuleEditor(FuzzedDataProvider& input)
{
    RuleRecord rule = ConsumeRecord<RuleRecord>(input);
    const int slot = input.ConsumeIntegralInRange(0, RULE_COUNT - 1);
    const RuleEditorFields opening = DecodeRuleEditor(rule, slot);
    RuleEditorFields fields = opening;
    fields.condition = Choice(input, ConditionTable());
    fields.comparison = Choice(input, OperatorTable());
    fields.base = Choice(input, OffsetBaseTable());
    fields.thenAction = Choice(input, ActionTable());
    fields.elseAction = Choice(input, ActionTable());
    for (std::string* text : {&fields.offset, &fields.length, &fields.patternData,
                              &fields.patternMask, &fields.thenParam, &fields.elseParam,
                              &fields.params[0], &fields.params[1], &fields.params[2],
                              &fields.params[3]}) {
        if (input.ConsumeBool())
            *text = Text(input);
    }
    RuleEditorEnablingFor(fields);

    const RuleRecord before = rule;
    // The editor made a new rule, or opened a used one.
    const ShownAtOpen<RuleEditorFields> shown =
        input.ConsumeBool() ? std::nullopt : ShownAtOpen<RuleEditorFields>(opening);
    using F = RuleEditorFields;
    if (!AcceptAndCheckRefusal(rule, AcceptRuleEditor, shown, fields,
                               {FieldOffset(&F::offset), FieldOffset(&F::length),
                                FieldOffset(&F::patternMask), FieldOffset(&F::params, 0),
                                FieldOffset(&F::params, 1), FieldOffset(&F::params, 2),
                                FieldOffset(&F::params, 3), FieldOffset(&F::thenParam),
                                FieldOffset(&F::elseParam)})) {
        Expect(Same(&rule, &before), "a refused rule OK stores nothing");
        return;
    }
    const auto was = RecordBytes(before);
    const auto now = RecordBytes(rule);
    ExpectSameBytes(was, now, 0, 4, "rule editor keeps number and index");
    ExpectSameBytes(was, now, 16, 20, "rule editor keeps engine bytes 16-19");
    ExpectSameBytes(was, now, 22, 32, "rule editor keeps engine bytes 22-31");
    Expect((rule.ruleFlags & RULE_FLAGS_MASK) == (before.ruleFlags & RULE_FLAGS_MASK),
           "rule editor keeps the rule flags");
    Expect((rule.condition & 0xE0) == (before.condition & 0xE0)
               && (rule.thenAction & 0xE0) == (before.thenAction & 0xE0)
               && (rule.elseAction & 0xE0) == (before.elseAction & 0xE0),
           "rule editor keeps bits 5-7 of the condition and action bytes");
    // Lengths are kept as stored or written from the pattern texts.
    const auto fits = [](const LeI16& now, const LeI16& was) {
        return now == was || (now.get() >= 0 && now.get() <= 16);
    };
    Expect(fits(rule.patternLength, before.patternLength)
               && fits(rule.frameLength, before.frameLength),
           "rule editor writes pattern lengths of 0 to 16");
    DecodeRuleEditor(rule, slot);
    RuleLineText(rule, slot);
}

void MaskEditor(FuzzedDataProvider& input)
{
    AddressMask mask = ConsumeRecord<AddressMask>(input);
    const int entry = input.ConsumeIntegralInRange(0, MASK_COUNT - 1);
    const MaskEditorFields opening = DecodeMaskEditor(mask, entry);
    MaskEditorFields fields = opening;
    if (input.ConsumeBool()) {
        fields.useTemplates = !fields.useTemplates;
        ModeRefresh(mask, fields);
    }
    const auto table = AddressListTable(fields.useTemplates);
    if (input.ConsumeBool()) {
        fields.srcChoice = static_cast<int>(Choice(input, table));
        fields.dstChoice = static_cast<int>(Choice(input, table));
        FieldRefresh(mask, fields);
    }
    if (input.ConsumeBool())
        fields.defaultAction = static_cast<int>(Choice(input, DefaultActionTable()));
    fields.bidirectionalQos = input.ConsumeBool();
    fields.absoluteTtl = input.ConsumeBool();
    fields.useKeyGroup = input.ConsumeBool();
    fields.auditConnections = input.ConsumeBool();
    for (std::string* text : {&fields.srcOffset, &fields.srcMask, &fields.dstOffset,
                              &fields.dstMask, &fields.ttl, &fields.qos, &fields.keyGroup,
                              &fields.defaultParam}) {
        if (input.ConsumeBool())
            *text = Text(input);
    }
    MaskEditorEnablingFor(fields);

    const AddressMask before = mask;
    const ShownAtOpen<MaskEditorFields> shown =
        input.ConsumeBool() ? std::nullopt : ShownAtOpen<MaskEditorFields>(opening);
    using F = MaskEditorFields;
    if (!AcceptAndCheckRefusal(mask, AcceptMaskEditor, shown, fields,
                               {FieldOffset(&F::srcChoice), FieldOffset(&F::srcOffset),
                                FieldOffset(&F::srcMask), FieldOffset(&F::dstChoice),
                                FieldOffset(&F::dstOffset), FieldOffset(&F::dstMask),
                                FieldOffset(&F::ttl), FieldOffset(&F::qos),
                                FieldOffset(&F::keyGroup), FieldOffset(&F::defaultAction),
                                FieldOffset(&F::defaultParam)})) {
        Expect(Same(&mask, &before), "a refused mask OK stores nothing");
        return;
    }
    ExpectSameBytes(RecordBytes(before), RecordBytes(mask), 0, 8, "mask editor keeps bytes 0-7");
    ExpectSameBytes(RecordBytes(before), RecordBytes(mask), 60, 64,
                    "mask editor keeps bytes 60-63");
    constexpr std::uint16_t EDITOR_FLAGS =
        MASK_BIDIR_QOS | MASK_ABSOLUTE_TTL | MASK_KEY_GROUP | MASK_AUDIT;
    Expect((mask.flags & ~EDITOR_FLAGS) == (before.flags & ~EDITOR_FLAGS),
           "mask editor keeps the flag bits it does not own");
    Expect((mask.srcBase & 0x0F) == (before.srcBase & 0x0F)
               && (mask.dstBase & 0x0F) == (before.dstBase & 0x0F)
               && (mask.defaultAction & 0xE0) == (before.defaultAction & 0xE0),
           "mask editor keeps the low base nibbles and the action's upper bits");
    Expect(mask.srcLength + mask.dstLength > 0, "an accepted mask holds at least one byte");
    // A side is kept as stored or written whole from its texts.
    const auto sideWritten = [](const Bytes<16>& bytes, std::uint8_t length) {
        for (std::size_t i = length; i < bytes.size(); ++i) {
            if (bytes[i] != 0)
                return false;
        }
        return length <= 16;
    };
    Expect((mask.srcMask == before.srcMask && mask.srcLength == before.srcLength)
               || sideWritten(mask.srcMask, mask.srcLength),
           "a written source side has 0 to 16 bytes and zeros after them");
    Expect((mask.dstMask == before.dstMask && mask.dstLength == before.dstLength)
               || sideWritten(mask.dstMask, mask.dstLength),
           "a written destination side has 0 to 16 bytes and zeros after them");
    DecodeMaskEditor(mask, entry);
    MaskLineText(mask, entry);
}

void QueueEditor(FuzzedDataProvider& input)
{
    auto table = std::make_unique<PriQTable>();
    const int entry = input.ConsumeIntegralInRange(0, PRIQ_COUNT - 1);
    // The entry and the one above it come from the input; the others are
    // shaped by a few flags words.
    for (int i = 0; i < PRIQ_COUNT; ++i) {
        auto& slot = (*table)[static_cast<std::size_t>(i)];
        if (i == entry || i + 1 == entry)
            slot = ConsumeRecord<PriorityQueueEntry>(input);
        else
            slot.flags = input.ConsumeIntegral<std::uint16_t>();
    }
    PriQEditorFields fields;
    fields.qos = Text(input);
    for (std::string& metric : fields.metrics)
        metric = Text(input);
    fields.startChecked = input.ConsumeBool();
    fields.endChecked = input.ConsumeBool();

    const auto before = std::make_unique<PriQTable>(*table);
    bool accepted = false;
    std::uint16_t openedFlags = 0;
    {
        using F = PriQEditorFields;
        PriQEditorSession session(*table, entry);
        const PriorityQueueEntry& opened = (*table)[static_cast<std::size_t>(entry)];
        openedFlags = opened.flags;
        const PriQEditorFields& chosen = input.ConsumeBool() ? fields : session.openingFields();
        // The editor's OK on a copy of the entry, then the session's.
        PriorityQueueEntry alone = opened;
        const bool acceptedAlone = AcceptAndCheckRefusal(
            alone, AcceptPriQEditor, ShownBy(session), chosen,
            {FieldOffset(&F::qos), FieldOffset(&F::metrics, 0), FieldOffset(&F::metrics, 1),
             FieldOffset(&F::metrics, 2), FieldOffset(&F::metrics, 3)});
        accepted = session.accept(chosen);
        Expect(accepted == acceptedAlone, "the queue session accepts what its editor accepts");
    }
    for (int i = 0; i < PRIQ_COUNT; ++i) {
        const auto& was = (*before)[static_cast<std::size_t>(i)];
        const auto& now = (*table)[static_cast<std::size_t>(i)];
        ExpectSameBytes(RecordBytes(was), RecordBytes(now), 0, 24, "queue editor keeps bytes 0-23");
        ExpectSameBytes(RecordBytes(was), RecordBytes(now), 40, 64,
                        "queue editor keeps bytes 40-63");
        if (i != entry)
            Expect(was.flags == now.flags, "the queue editor changes only its own flags");
        PriQLineText(now, i);
    }
    if (!accepted) {
        Expect(std::memcmp(before.get(), table.get(), sizeof(PriQTable)) == 0,
               "a refused or cancelled queue editor leaves the table");
        return;
    }
    const auto& was = (*before)[static_cast<std::size_t>(entry)];
    const auto& now = (*table)[static_cast<std::size_t>(entry)];
    constexpr std::uint16_t OWNED = PQ_POSITION_MASK | PQ_IN_USE;
    Expect((now.flags & ~OWNED) == (was.flags & ~OWNED),
           "the queue editor keeps the flag bits it does not own");
    Expect(now.flags == openedFlags
               || ((now.flags & PQ_IN_USE) != 0 && (now.flags & PQ_POSITION_MASK) != 0),
           "flags written from the boxes are in use and have a position");
}

void QosEditor(FuzzedDataProvider& input)
{
    auto image = std::make_unique<ConfigImage>();
    const int index = input.ConsumeIntegralInRange(0, QOS_COUNT - 1);
    QosNode& node = image->qosTable[static_cast<std::size_t>(index)];
    node = ConsumeRecord<QosNode>(input);
    QosEditorSession session(image->qosTable, index);
    QosEditorFields fields = session.openingFields();
    for (std::string* text : {&fields.rate, &fields.seconds, &fields.low, &fields.high}) {
        if (input.ConsumeBool())
            *text = Text(input);
    }
    for (bool* box : {&fields.bytes, &fields.frames, &fields.thresholds, &fields.absolute,
                      &fields.fixedDelay, &fields.banking, &fields.immortal})
        *box = input.ConsumeBool();

    const QosNode before = node;
    // The editor's OK on a copy of the node, then the session's.
    using F = QosEditorFields;
    QosNode alone = node;
    const bool acceptedAlone = AcceptAndCheckRefusal(
        alone, AcceptQosEditor, ShownBy(session), fields,
        {FieldOffset(&F::rate), FieldOffset(&F::seconds), FieldOffset(&F::low),
         FieldOffset(&F::high)});
    const bool accepted = session.accept(fields);
    Expect(accepted == acceptedAlone && Same(&node, &alone),
           "the QoS session stores what its editor stores");
    if (!accepted) {
        Expect(Same(&node, &before), "a refused QoS OK stores nothing");
        session.cancel();
        Expect(Same(&node, &session.restoreCopy()), "cancel gives the node back");
        return;
    }
    const auto was = RecordBytes(before);
    const auto now = RecordBytes(node);
    ExpectSameBytes(was, now, 0, 12, "QoS editor keeps bytes 0-11");
    ExpectSameBytes(was, now, 14, 36, "QoS editor keeps bytes 14-35");
    ExpectSameBytes(was, now, 52, 64, "QoS editor keeps bytes 52-63");
    Expect((node.flags & ~QOS_EDITOR_BITS) == (before.flags & ~QOS_EDITOR_BITS),
           "QoS editor keeps the flag bits it does not own");
    Expect(node.samplePeriod == before.samplePeriod
               || (node.samplePeriod > 10000u && node.samplePeriod < 1000000000u),
           "a sample period written lies in its range");
    DecodeQosEditor(node, index);
    QosLineText(node, index);
}

} // namespace
} // namespace talvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace talvex::fuzz;
    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0: RuleEditor(input); break;
    case 1: MaskEditor(input); break;
    case 2: QueueEditor(input); break;
    default: QosEditor(input); break;
    }
    return 0;
}
