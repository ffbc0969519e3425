// A whole configuration file, as an operator might open it: damaged, cut
// short, copied from another server or plain wrong. The file goes through
// everything the manager does with it: load, run-time clear, verification,
// the four lists (with the priority-queue structure pass), every record in
// its editor with OK pressed on the fields the editor showed, every exchange
// of neighbours and back, deletes, and finally the save: saving, loading the
// saved bytes and saving again must give the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_list.h"
#include "config/config_file.h"
#include "config/records.h"
#include "fuzz_checks.h"
#include "pages/masks/mask_editor.h"
#include "pages/masks/mask_lines.h"
#include "pages/masks/mask_table_ops.h"
#include "pages/priq/priq_editor.h"
#include "pages/priq/priq_lines.h"
#include "pages/priq/priq_structure.h"
#include "pages/priq/priq_table_ops.h"
#include "pages/qos/qos_editor.h"
#include "pages/qos/qos_line.h"
#include "pages/qos/qos_table.h"
#include "pages/rules/rule_editor.h"
#include "pages/rules/rule_line.h"
#include "pages/rules/rule_table_ops.h"
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
    const std::vector<std::string> queueLines = PriQListLines(image.priQTable);
    Expect(queueLines.size() == PRIQ_COUNT, "one priority-queue line per entry");
    for (const std::string& line : queueLines)
        Consume(line);
    for (std::uint32_t q = 0; q <= QOS_COUNT; ++q)  // one past the table: the error line
        Consume(QosLineText(image, q));
}

// The same lists as talvexcfg writes them.
void ListWithTalvexCfg(ConfigImage& image)
{
    std::ostringstream out;
    cli::ListRules(image, out);
    cli::ListMasks(image, out);
    cli::ListPriQ(image, out);
    cli::ListQos(image, out);
    Consume(out.str());
}

void Verify(const ConfigImage& image)
{
    std::string report;
    VerifyConfiguration(image, report);
    Expect(!report.empty(), "verification writes a report");
    Consume(report);
}

// Every rule opened in the editor and OK pressed on what it showed. The
// bytes the editor does not own (the number, the index and the engine's
// bytes 16-19 and 22-31) must come out as they went in.
void EditRules(ConfigImage& image)
{
    for (int r = 0; r < RULE_COUNT; ++r) {
        Isolated<RuleRecord> isolated(image.ruleTable[static_cast<std::size_t>(r)]);
        RuleRecord& rule = *isolated;
        const RuleRecord restore = OpenRuleEditor(rule);
        const RuleEditorFields fields = DecodeRuleEditor(rule, r);
        RuleEditorEnablingFor(fields.condition, fields.thenAction, fields.elseAction);
        const RuleRecord opened = rule;
        if (AcceptRuleEditor(fields, rule)) {
            const auto before = RecordBytes(opened);
            const auto after = RecordBytes(rule);
            ExpectSameBytes(before, after, 0, 4, "rule editor keeps number and index");
            ExpectSameBytes(before, after, 16, 20, "rule editor keeps engine bytes 16-19");
            ExpectSameBytes(before, after, 22, 32, "rule editor keeps engine bytes 22-31");
            Expect((rule.ruleFlags & RULE_FLAGS_MASK) == (opened.ruleFlags & RULE_FLAGS_MASK),
                   "rule editor keeps the rule flags");
            Expect(rule.patternLength.get() >= 0 && rule.patternLength.get() <= 16,
                   "rule editor stores a pattern length of 0 to 16");
            Consume(RuleLineText(rule, r));
        } else {
            Expect(std::memcmp(&rule, &opened, RECORD_SIZE) == 0, "a refused OK stores nothing");
            CancelRuleEditor(restore, rule);
        }
    }
}

void ExpectMaskEngineBytesKept(const AddressMask& before, const AddressMask& after)
{
    ExpectSameBytes(RecordBytes(before), RecordBytes(after), 0, 8, "mask editor keeps bytes 0-7");
    ExpectSameBytes(RecordBytes(before), RecordBytes(after), 60, 64,
                    "mask editor keeps bytes 60-63");
}

void EditMasks(ConfigImage& image)
{
    for (int m = 0; m < MASK_COUNT; ++m) {
        Isolated<AddressMask> isolated(image.maskTable[static_cast<std::size_t>(m)]);
        AddressMask& mask = *isolated;
        const AddressMask restore = OpenMaskRecord(mask);
        const MaskEditorFields fields = DecodeMaskFields(mask, m);
        MaskEnablingFor(fields);
        const AddressMask opened = mask;

        // The templates box clicked, then OK, on a scratch copy.
        MaskEditorFields toggled = fields;
        toggled.useTemplates = !toggled.useTemplates;
        ModeRefresh(mask, toggled);
        MaskEnablingFor(toggled);
        AddressMask scratch = mask;
        if (AcceptMaskFields(toggled, scratch)) {
            ExpectMaskEngineBytesKept(opened, scratch);
            Expect(scratch.srcLength <= 16 && scratch.dstLength <= 16, "mask lengths 0 to 16");
        }

        if (AcceptMaskFields(fields, mask)) {
            ExpectMaskEngineBytesKept(opened, mask);
            Expect(mask.srcLength <= 16 && mask.dstLength <= 16, "mask lengths 0 to 16");
            Consume(MaskLineText(mask, m));
        } else {
            Expect(std::memcmp(&mask, &opened, RECORD_SIZE) == 0, "a refused OK stores nothing");
            RestoreMaskRecord(mask, restore);
        }
    }
}

// Every entry opened in the editor and OK pressed on what it showed; each OK
// runs the structure pass over the whole table, which may rewrite only the
// derived QoS node and queue number of the entries.
void EditQueues(ConfigImage& image)
{
    const auto before = std::make_unique<PriQTable>(image.priQTable);
    for (int e = 0; e < PRIQ_COUNT; ++e) {
        const auto opened = std::make_unique<PriQTable>(image.priQTable);
        bool accepted = false;
        {
            PriQEditorSession session(image.priQTable, e);
            accepted = session.Accept(session.openingFields());
        }
        if (!accepted)
            Expect(std::memcmp(opened.get(), &image.priQTable, sizeof(PriQTable)) == 0,
                   "a cancelled queue editor leaves the table");
        Consume(PriQLineText(image.priQTable[static_cast<std::size_t>(e)], e));
    }
    for (int i = 0; i < PRIQ_COUNT; ++i) {
        const auto& was = (*before)[static_cast<std::size_t>(i)];
        const auto& now = image.priQTable[static_cast<std::size_t>(i)];
        ExpectSameBytes(RecordBytes(was), RecordBytes(now), 0, 24, "queue editor keeps bytes 0-23");
        ExpectSameBytes(RecordBytes(was), RecordBytes(now), 40, 64,
                        "queue editor keeps bytes 40-63");
    }
}

void EditQosNodes(ConfigImage& image)
{
    for (int q = 0; q < QOS_COUNT; ++q) {
        {
            Isolated<QosNode> isolated(image.qosTable[static_cast<std::size_t>(q)]);
            QosNode& node = *isolated;
            const QosNode restore = OpenQosEditor(node);
            const QosEditorFields fields = DecodeQosEditor(node, q);
            const QosNode opened = node;
            if (AcceptQosEditor(fields, node)) {
                const auto before = RecordBytes(opened);
                const auto after = RecordBytes(node);
                ExpectSameBytes(before, after, 0, 12, "QoS editor keeps bytes 0-11");
                ExpectSameBytes(before, after, 14, 36, "QoS editor keeps bytes 14-35");
                ExpectSameBytes(before, after, 52, 64, "QoS editor keeps bytes 52-63");
            } else {
                Expect(std::memcmp(&node, &opened, RECORD_SIZE) == 0,
                       "a refused OK stores nothing");
                CancelQosEditor(restore, node);
            }
        }
        Consume(QosLineText(image, static_cast<std::uint32_t>(q)));
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
// reverse order must give back the image byte for byte. Rules are exchanged
// where one of the two is in use (the others only swap defaults), the
// smaller tables everywhere.
template <typename Exchange, typename Worth>
void ExchangeAllAndBack(ConfigImage& image, int count, Exchange exchange, Worth worth,
                        const char* what)
{
    const TableSnapshot before(image);
    std::vector<int> pairs;
    for (int i = 0; i + 1 < count; ++i) {
        if (worth(image, i) || worth(image, i + 1))
            pairs.push_back(i);
    }
    for (int i : pairs)
        exchange(image, i, i + 1);
    for (auto it = pairs.rbegin(); it != pairs.rend(); ++it)
        exchange(image, *it, *it + 1);
    Expect(TableSnapshot(image).bytes == before.bytes, what);
}

void ExchangeEverything(ConfigImage& image)
{
    const auto always = [](const ConfigImage&, int) { return true; };
    ExchangeAllAndBack(
        image, RULE_COUNT, [](ConfigImage& im, int a, int b) { ExchangeRules(im.ruleTable, a, b); },
        [](const ConfigImage& im, int r) { return im.ruleTable[static_cast<std::size_t>(r)].isUsed(); },
        "rule exchanges undone give the image back");
    ExchangeAllAndBack(image, MASK_COUNT, ExchangeMasks, always,
                       "mask exchanges undone give the image back");
    ExchangeAllAndBack(image, QOS_COUNT, ExchangeQosNodes, always,
                       "QoS exchanges undone give the image back");
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
        chosen.push_back(-1);  // lines outside the table are ignored
        chosen.push_back(static_cast<int>(table.size()));
        return chosen;
    };
    const std::vector<int> rules = pick(image.ruleTable);
    const std::vector<int> masks = pick(image.maskTable);
    const std::vector<int> queues = pick(image.priQTable);
    const std::vector<int> nodes = pick(image.qosTable);
    DeleteRules(image.ruleTable, rules);
    DeleteMasks(image, masks);
    DeleteSelectedEntries(image.priQTable, queues);
    DeleteQosEntries(image, nodes);
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

} // namespace
} // namespace talvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace talvex;
    using namespace talvex::fuzz;

    auto image = std::make_unique<ConfigImage>();
    ResetTables(*image);
    std::string reason;
    const bool loaded = LoadConfigBytes(*image, std::span<const std::uint8_t>(data, size), &reason);
    Expect(loaded == (size >= MIN_LOADABLE_SIZE), "the file loads exactly from 22529 bytes");
    Expect(loaded || !reason.empty(), "a failed load says why");
    Expect(image->priQBlockAbsent == (size < MIN_BETA2_SIZE), "the queue block from 27649 bytes");
    ClearRuntimeFields(*image);
    // The operator's answer to the old-format prompt, taken from the
    // length's parity: odd lengths extend the file to the new format.
    if (image->priQBlockAbsent && size % 2 == 1) {
        image->masksBlockAbsent = false;
        image->priQBlockAbsent = false;
    }

    Verify(*image);
    RenderLists(*image);

    EditRules(*image);
    EditMasks(*image);
    EditQueues(*image);
    EditQosNodes(*image);
    Verify(*image);

    ExchangeEverything(*image);
    DeleteSome(*image);
    Verify(*image);
    ListWithTalvexCfg(*image);

    SaveLoadSave(*image);
    return 0;
}
