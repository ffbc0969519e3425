// A whole configuration file, as an operator might open it: damaged, cut
// short, copied from another server or plain wrong. The file goes through
// everything the manager does with it: load, run-time clear, verification,
// the four lists (with the priority-queue structure pass), every record in
// its editor with OK pressed on the fields the editor showed (which must keep
// every byte) and after one edit (which may change only the bytes it owns),
// every exchange of neighbours and back, deletes, and finally the save:
// saving, loading the saved bytes and saving again must give the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "config/change_history.h"
#include "config/config_file.h"
#include "config/text_recognition.h"
#include "config/open_config.h"
#include "config/records.h"
#include "fuzz_checks.h"
#include "operator_edits.h"
#include "pages/masks/mask_editor.h"
#include "pages/masks/mask_line.h"
#include "pages/priq/priq_editor.h"
#include "pages/priq/priq_line.h"
#include "pages/priq/priq_structure.h"
#include "pages/qos/qos_editor.h"
#include "pages/qos/qos_line.h"
#include "pages/rules/rule_config_table.h"
#include "pages/rules/rule_editor.h"
#include "pages/rules/rule_line.h"
#include "tables/config_tables.h"
#include "verify/verification.h"

namespace talvex::fuzz {
namespace {

// A record on its own in a heap block of exactly its size: code that reads
// beyond the record it was given then runs into the block's red zone instead
// of quietly reading the neighbouring record of the image.
template <typename Record>
class Isolated {
public:
    explicit Isolated(Record& home) : home_(home), copy_(std::make_unique<Record>(home)) {}
    ~Isolated() { home_ = *copy_; }
    Isolated(const Isolated&) = delete;
    Isolated& operator=(const Isolated&) = delete;
    Record& operator*() { return *copy_; }

private:
    Record& home_;
    std::unique_ptr<Record> copy_;
};

// Keeps the compiler from dropping work whose result is only looked at here.
void Consume(const std::string& text) { Expect(text.size() < (1u << 20), "text of sane length"); }

// The four lists as their pages draw them when they open.
void RenderLists(ConfigImage& image)
{
    StampRuleNumbers(image.ruleTable);
    for (int r = 0; r < RULE_COUNT; ++r) {
        Isolated<RuleRecord> rule(image.ruleTable[static_cast<std::size_t>(r)]);
        Consume(RuleLineText(*rule, r));
    }
    for (int m = 0; m < MASK_COUNT; ++m) {
        Isolated<AddressMask> mask(image.maskTable[static_cast<std::size_t>(m)]);
        Consume(MaskLineText(*mask, m));
    }
    for (int e = 0; e < PRIQ_COUNT; ++e) {
        Isolated<PriorityQueueEntry> entry(image.priQTable[static_cast<std::size_t>(e)]);
        Consume(PriQLineText(*entry, e));
    }
    RunStructurePass(image.priQTable);
    for (int e = 0; e < PRIQ_COUNT; ++e)
        Consume(PriQLineText(image.priQTable[static_cast<std::size_t>(e)], e));
    for (int q = 0; q < QOS_COUNT; ++q) {
        Isolated<QosNode> node(image.qosTable[static_cast<std::size_t>(q)]);
        Consume(QosLineText(*node, q));
    }
}

// The same lists as talvexcfg writes them: each table's lines after its
// page opened.
void ListWithTalvexCfg(ConfigImage& image)
{
    std::ostringstream out;
    DeriveAsPagesOpen(image);
    for (const ConfigTable* table : ConfigTables()) {
        for (int entry = 0; entry < table->entryCount(); ++entry)
            out << table->lineText(image, entry) << '\n';
    }
    Consume(out.str());
}

void Verify(const ConfigImage& image)
{
    std::string report;
    VerifyConfiguration(image, report);
    Expect(!report.empty(), "verification writes a report");
    Consume(report);
}

bool SameRecord(const void* a, const void* b) { return std::memcmp(a, b, RECORD_SIZE) == 0; }

// Every record is opened in its editor and OK pressed on the fields exactly
// as the editor showed them. On a used entry OK is refused with nothing
// stored, or keeps every byte as the opening left it, but for what the
// editor made itself rather than read (a template's offsets and masks). On
// an unused entry OK makes a new entry from what is shown: it is refused
// with nothing stored, or stores what a second opening shows again. Then, on
// a copy of the opened used record, one edit picked by the record's bytes and
// OK: only the bytes that edit owns may change.

void EditRules(ConfigImage& image)
{
    for (int r = 0; r < RULE_COUNT; ++r) {
        Isolated<RuleRecord> isolated(image.ruleTable[static_cast<std::size_t>(r)]);
        RuleRecord& rule = *isolated;
        const RuleRecord restore = rule;
        WriteRuleEditorDefaults(rule);
        const RuleEditorFields opening = DecodeRuleEditor(rule, r);
        RuleEditorEnablingFor(opening);
        const RuleRecord opened = rule;
        if (!restore.isUsed()) {
            if (!AcceptRuleEditor(std::nullopt, opening, rule)) {
                Expect(SameRecord(&rule, &opened), "a refused new rule stores nothing");
                rule = restore;
                continue;
            }
            const RuleEditorFields again = DecodeRuleEditor(rule, r);
            Expect(again.patternData == opening.patternData
                       && again.patternMask == opening.patternMask
                       && again.offset == opening.offset && again.base == opening.base
                       && again.thenAction == opening.thenAction
                       && again.elseAction == opening.elseAction
                       && rule.frameLength == rule.patternLength,
                   "a new rule stores what its editor showed");
            continue;
        }
        const bool accepted = AcceptRuleEditor(opening, opening, rule);
        Expect(SameRecord(&rule, &opened), "OK without edits keeps every byte of the rule");

        RuleRecord edited = opened;
        RuleEditorFields fields = opening;
        const std::uint64_t owned = EditRuleFields(fields, PickFor(RecordBytes(opened), r));
        if (AcceptRuleEditor(opening, fields, edited))
            Consume(RuleLineText(edited, r));
        ExpectOnlyOwnedBytesChanged(RecordBytes(opened), RecordBytes(edited), owned,
                                    "a rule edit changes only the bytes it owns");
        if (!accepted)
            rule = restore;
    }
}

void EditMasks(ConfigImage& image)
{
    constexpr std::uint64_t ADDRESS_SIDES = OwnedBytes(12, 52);
    for (int m = 0; m < MASK_COUNT; ++m) {
        Isolated<AddressMask> isolated(image.maskTable[static_cast<std::size_t>(m)]);
        AddressMask& mask = *isolated;
        const AddressMask restore = mask;
        WriteMaskEditorDefaults(mask);
        const MaskEditorFields opening = DecodeMaskEditor(mask, m);
        MaskEditorEnablingFor(opening);
        const AddressMask opened = mask;
        if (!restore.isUsed()) {
            if (!AcceptMaskEditor(std::nullopt, opening, mask)) {
                Expect(SameRecord(&mask, &opened), "a refused new mask stores nothing");
                mask = restore;
                continue;
            }
            Expect(DecodeMaskEditor(mask, m) == opening,
                   "a new mask stores what its editor showed");
            continue;
        }
        // With templates the editor shows the template's sides, not the stored ones.
        const std::uint64_t made = opening.useTemplates ? ADDRESS_SIDES : 0;
        const bool accepted = AcceptMaskEditor(opening, opening, mask);
        ExpectOnlyOwnedBytesChanged(RecordBytes(opened), RecordBytes(mask), made,
                                    "OK without edits keeps every byte of the mask");
        Expect(!accepted || DecodeMaskEditor(mask, m) == opening,
               "OK without edits stores the mask as its editor showed it");

        AddressMask edited = opened;
        MaskEditorFields fields = opening;
        const std::uint64_t owned =
            EditMaskFields(fields, opened, PickFor(RecordBytes(opened), m)) | made;
        MaskEditorEnablingFor(fields);
        if (AcceptMaskEditor(opening, fields, edited)) {
            Expect(edited.srcLength + edited.dstLength > 0, "an accepted mask holds a byte");
            Consume(MaskLineText(edited, m));
        }
        ExpectOnlyOwnedBytesChanged(RecordBytes(opened), RecordBytes(edited), owned,
                                    "a mask edit changes only the bytes it owns");
        if (!accepted)
            mask = restore;
    }
}

// OK runs the structure pass over the whole table, which may rewrite the
// derived QoS node and queue number of every entry: without edits on a used
// entry the table must come out as the opening left it, with that pass run.
// The encoding is checked before the pass.
void EditQueues(ConfigImage& image)
{
    for (int e = 0; e < PRIQ_COUNT; ++e) {
        const auto entry = static_cast<std::size_t>(e);
        {
            PriQEditorSession session(image.priQTable, e);
            const PriQEditorFields& opening = session.openingFields();
            const auto opened = std::make_unique<PriQTable>(image.priQTable);
            const auto passed = std::make_unique<PriQTable>(*opened);
            RunStructurePass(*passed);

            PriorityQueueEntry edited = (*opened)[entry];
            if (session.makesNewEntry()) {
                if (AcceptPriQEditor(std::nullopt, opening, edited)) {
                    const std::uint16_t position = PositionBits(edited);
                    Expect(DecodePriQEditor(edited, e) == opening
                               && (position == PQ_START || position == PQ_MIDDLE
                                   || position == PQ_END || position == (PQ_START | PQ_END)),
                           "a new queue entry stores what its editor showed, in one of the "
                           "four positions");
                }
                session.cancel();
                continue;
            }
            PriQEditorFields fields = opening;
            const std::uint64_t owned = EditQueueFields(fields, PickFor(RecordBytes(edited), e));
            AcceptPriQEditor(opening, fields, edited);
            ExpectOnlyOwnedBytesChanged(RecordBytes((*opened)[entry]), RecordBytes(edited), owned,
                                        "a queue edit changes only the bytes it owns");

            const bool accepted = session.accept(opening);
            Expect(std::memcmp(accepted ? passed.get() : opened.get(), &image.priQTable,
                               sizeof(PriQTable)) == 0,
                   "OK without edits keeps every byte of the queue table");
        }
        Consume(PriQLineText(image.priQTable[entry], e));
    }
}

void EditQosNodes(ConfigImage& image)
{
    for (int q = 0; q < QOS_COUNT; ++q) {
        {
            Isolated<QosNode> isolated(image.qosTable[static_cast<std::size_t>(q)]);
            QosNode& node = *isolated;
            const QosNode restore = node;
            WriteQosEditorDefaults(node);
            const QosEditorFields opening = DecodeQosEditor(node, q);
            const QosNode opened = node;
            if (!restore.isUsed()) {
                // Rates and seconds are shown rounded, so a new node is
                // checked by its boxes: the flags are stored as shown.
                if (AcceptQosEditor(std::nullopt, opening, node)) {
                    Expect(node.flags == EncodeQosFlags(opened.flags, opening),
                           "a new node stores the boxes its editor showed");
                    Consume(QosLineText(image.qosTable[static_cast<std::size_t>(q)], q));
                } else {
                    Expect(SameRecord(&node, &opened), "a refused new node stores nothing");
                }
                node = restore;
                continue;
            }
            const bool accepted = AcceptQosEditor(opening, opening, node);
            Expect(SameRecord(&node, &opened), "OK without edits keeps every byte of the node");

            QosNode edited = opened;
            QosEditorFields fields = opening;
            const std::uint64_t owned = EditQosFields(fields, PickFor(RecordBytes(opened), q));
            AcceptQosEditor(opening, fields, edited);
            ExpectOnlyOwnedBytesChanged(RecordBytes(opened), RecordBytes(edited), owned,
                                        "a QoS edit changes only the bytes it owns");
            if (!accepted)
                node = restore;
        }
        Consume(QosLineText(image.qosTable[static_cast<std::size_t>(q)], q));
    }
}

struct TableSnapshot {
    explicit TableSnapshot(const ConfigImage& image)
    {
        for (auto table : {TableBytes(image.ruleTable), TableBytes(image.qosTable),
                           TableBytes(image.maskTable), TableBytes(image.priQTable)})
            bytes.insert(bytes.end(), table.begin(), table.end());
    }
    std::vector<std::uint8_t> bytes;
};

// Neighbour exchanges from the top down, then the same ones again from the
// bottom up: each exchange renumbers its references, and undoing them in
// reverse order must give back the image byte for byte. An exchange names
// exactly the entries it changed, the two exchanged ones besides (checked on
// every eighth exchange, since the check compares the whole image). Rules are
// exchanged where one of the two is in use (the others only swap defaults),
// the smaller tables everywhere.
void ExchangeTellingEveryChange(const ConfigTable& table, ConfigImage& image, int a, int b)
{
    const TableSnapshot before(image);
    const RewrittenEntries rewritten = table.exchange(image, a, b);
    const TableSnapshot after(image);
    // The snapshot holds the tables in file order.
    const TableKind fileOrder[] = {TableKind::Rules, TableKind::Qos, TableKind::Masks,
                                   TableKind::PriQ};
    std::size_t at = 0;
    for (const TableKind kind : fileOrder) {
        const int count = ConfigTableOf(kind).entryCount();
        for (int n = 0; n < count; ++n, at += RECORD_SIZE) {
            const bool changed = std::memcmp(&before.bytes[at], &after.bytes[at], RECORD_SIZE) != 0;
            const bool exchanged = kind == table.kind() && (n == a || n == b);
            Expect(rewritten.contains(kind, n) == (changed || exchanged),
                   "an exchange names exactly the entries it changed");
        }
    }
}

template <typename Worth>
void ExchangeAllAndBack(const ConfigTable& table, ConfigImage& image, Worth worth)
{
    const TableSnapshot before(image);
    std::vector<int> pairs;
    for (int i = 0; i + 1 < table.entryCount(); ++i) {
        if (worth(image, i) || worth(image, i + 1))
            pairs.push_back(i);
    }
    constexpr std::size_t CHECK_EVERY = 8;
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        if (k % CHECK_EVERY == 0)
            ExchangeTellingEveryChange(table, image, pairs[k], pairs[k] + 1);
        else
            table.exchange(image, pairs[k], pairs[k] + 1);
    }
    for (auto it = pairs.rbegin(); it != pairs.rend(); ++it)
        table.exchange(image, *it, *it + 1);
    Expect(TableSnapshot(image).bytes == before.bytes, "exchanges undone give the image back");
}

void ExchangeEverything(ConfigImage& image)
{
    for (const ConfigTable* table : ConfigTables()) {
        if (!table->moves())
            continue;
        if (table->kind() == TableKind::Rules)
            ExchangeAllAndBack(*table, image, [](const ConfigImage& im, int r) {
                return im.ruleTable[static_cast<std::size_t>(r)].isUsed();
            });
        else
            ExchangeAllAndBack(*table, image, [](const ConfigImage&, int) { return true; });
    }
}

// Deletes the entries whose last stored byte is odd, which the file decides.
void DeleteSome(ConfigImage& image)
{
    auto pick = [](const auto& table) {
        std::vector<int> chosen;
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (RecordBytes(table[i])[RECORD_SIZE - 1] & 1)
                chosen.push_back(static_cast<int>(i));
        }
        return chosen;
    };
    const std::vector<int> rules = pick(image.ruleTable);
    const std::vector<int> masks = pick(image.maskTable);
    const std::vector<int> queues = pick(image.priQTable);
    const std::vector<int> nodes = pick(image.qosTable);
    ConfigTableOf(TableKind::Rules).deleteEntries(image, rules);
    ConfigTableOf(TableKind::Masks).deleteEntries(image, masks);
    ConfigTableOf(TableKind::PriQ).deleteEntries(image, queues);
    ConfigTableOf(TableKind::Qos).deleteEntries(image, nodes);
}

void SaveLoadSave(const ConfigImage& image)
{
    const std::vector<std::uint8_t> first = ConfigFileBytes(image);
    std::size_t expected = MASK_BLOCK_OFFSET;
    if (!image.masksBlockAbsent)
        expected += MASK_BLOCK_SIZE + GAP_SIZE;
    if (!image.priQBlockAbsent)
        expected += PRIQ_BLOCK_SIZE + GAP_SIZE;
    Expect(first.size() == expected, "the saved length follows the present blocks");

    auto again = std::make_unique<ConfigImage>();
    ResetTables(*again);
    const bool loaded = LoadConfigBytes(*again, first);
    Expect(loaded == !image.masksBlockAbsent, "a saved file loads when it holds the mask block");
    Expect(again->masksBlockAbsent == image.masksBlockAbsent
               && (again->priQBlockAbsent == image.priQBlockAbsent || image.masksBlockAbsent),
           "a saved file loads as the generation it was saved in");
    again->masksBlockAbsent = image.masksBlockAbsent;
    again->priQBlockAbsent = image.priQBlockAbsent;
    Expect(ConfigFileBytes(*again) == first, "save, load and save again give the same bytes");
}

// The operator's commands as steps of the history: undone all the way they
// give back the image the sheet first showed, byte for byte, and redone all
// the way the image as it was before the undos.
class RecordedCommands {
public:
    explicit RecordedCommands(ConfigImage& image)
        : image_(image), opened_(std::make_unique<ConfigImage>(image))
    {
    }

    template <typename Command>
    void run(TableKind table, Command command)
    {
        const auto before = std::make_unique<ConfigImage>(image_);
        command(image_);
        history_.record(*before, image_, {"Edit", table, {}, {}});
    }

    void undoAndRedoAll()
    {
        const auto last = std::make_unique<ConfigImage>(image_);
        while (history_.undo(image_) != nullptr) {
        }
        Expect(SameTables(image_, *opened_), "undone all the way, the image is as opened");
        while (history_.redo(image_) != nullptr) {
        }
        Expect(SameTables(image_, *last), "redone all the way, the image is as before the undos");
    }

private:
    ConfigImage& image_;
    std::unique_ptr<ConfigImage> opened_;
    ChangeHistory history_;
};

} // namespace
} // namespace talvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace talvex;
    using namespace talvex::fuzz;

    auto image = std::make_unique<ConfigImage>();
    ResetTables(*image);
    Failure failure;
    const std::span<const std::uint8_t> file(data, size);
    const bool loaded = LoadConfigBytes(*image, file, &failure);
    Expect(loaded == (size >= MIN_LOADABLE_SIZE && !IsConfigText(file)),
           "the file loads exactly from 22529 bytes, unless it is a configuration text");
    Expect(loaded || !failure.reason.empty(), "a failed load says why");
    Expect(image->priQBlockAbsent == (size < MIN_BETA2_SIZE), "the queue block from 27649 bytes");
    ClearRuntimeFields(*image);
    // The operator's answer to the old-format prompt, taken from the
    // length's parity: odd lengths extend the file to the new format.
    if (image->priQBlockAbsent && size % 2 == 1)
        ApplyOldFormatAnswer(*image, OldFormatAnswer::Extend);

    Verify(*image);
    RenderLists(*image);

    RecordedCommands commands(*image);
    commands.run(TableKind::Rules, EditRules);
    commands.run(TableKind::Masks, EditMasks);
    commands.run(TableKind::PriQ, EditQueues);
    commands.run(TableKind::Qos, EditQosNodes);
    Verify(*image);

    commands.run(TableKind::Rules, ExchangeEverything);
    commands.run(TableKind::Rules, DeleteSome);
    commands.undoAndRedoAll();
    Verify(*image);
    ListWithTalvexCfg(*image);

    SaveLoadSave(*image);
    return 0;
}
