#include "operator_edits.h"

#include <string>
#include <string_view>

#include "config/code_tables.h"
#include "fuzz_checks.h"

namespace talvex::fuzz {
namespace {

// What the operator types: numbers in and out of every range, no number,
// seconds, masks and patterns.
constexpr std::string_view TYPED[] = {"",    "0",     "7",  "-1",    "300", "65536", "4294967296",
                                      "x",   "0.5",   "FF", "08.00", "FF.00.FF.FF"};

// Takes the pick apart into several small choices.
class Picker {
public:
    explicit Picker(std::size_t pick) : rest_(pick) {}
    std::size_t Next(std::size_t count)
    {
        const std::size_t chosen = rest_ % count;
        rest_ /= count;
        return chosen;
    }
    std::string Text() { return std::string(TYPED[Next(std::size(TYPED))]); }
    // The code of one row of a pick list (never the end row).
    std::uint32_t Row(std::span<const CodeEntry> table)
    {
        return table[Next(table.size() - 1)].code;
    }

private:
    std::size_t rest_;
};

} // namespace

std::size_t PickFor(std::span<const std::uint8_t, 64> record, int entry)
{
    std::uint64_t hash = 1469598103934665603u ^ static_cast<std::uint64_t>(entry);
    for (std::uint8_t byte : record)
        hash = (hash ^ byte) * 1099511628211u;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

std::uint64_t EditRuleFields(RuleEditorFields& f, std::size_t pick)
{
    Picker p(pick);
    constexpr std::uint64_t PATTERN = OwnedBytes(12, 14) | OwnedBytes(32, 64);
    switch (p.Next(12)) {
    case 0: f.offset = p.Text(); return OwnedBytes(8, 10);
    case 1: f.thenParam = p.Text(); return OwnedBytes(14, 16);
    case 2: f.elseParam = p.Text(); return OwnedBytes(20, 22);
    case 3: f.length = p.Text(); return OwnedBytes(10, 12);
    case 4: f.patternData = p.Text(); return OwnedBytes(10, 12) | PATTERN;
    case 5: f.patternMask = p.Text(); return OwnedBytes(10, 12) | PATTERN;
    case 6: f.params[p.Next(4)] = p.Text(); return PATTERN;
    case 7: f.condition = p.Row(ConditionTable()); return OwnedBytes(5, 6) | PATTERN;
    case 8: f.comparison = p.Row(OperatorTable()); return OwnedBytes(5, 6);
    case 9: f.base = p.Row(OffsetBaseTable()); return OwnedBytes(4, 5);
    case 10: f.thenAction = p.Row(ActionTable()); return OwnedBytes(6, 7);
    default: f.elseAction = p.Row(ActionTable()); return OwnedBytes(7, 8);
    }
}

std::uint64_t EditMaskFields(MaskEditorFields& f, const AddressMask& record, std::size_t pick)
{
    Picker p(pick);
    constexpr std::uint64_t SOURCE = OwnedBytes(12, 32);
    constexpr std::uint64_t DESTINATION = OwnedBytes(32, 52);
    const auto chooseAddress = [&](int& choice) {
        choice = static_cast<int>(p.Row(AddressListTable(f.useTemplates)));
        if (f.useTemplates)
            FieldRefresh(record, f);
    };
    switch (p.Next(13)) {
    case 0: f.ttl = p.Text(); return OwnedBytes(52, 56);
    case 1: f.qos = p.Text(); return OwnedBytes(8, 10);
    case 2: f.keyGroup = p.Text(); return OwnedBytes(56, 57);
    case 3: f.defaultParam = p.Text(); return OwnedBytes(58, 60);
    // The mode refresh a new action or "Use Key Group" runs gives back the
    // opening texts and choices here, nothing else having been edited.
    case 4:
        f.defaultAction = static_cast<int>(p.Row(DefaultActionTable()));
        return OwnedBytes(57, 58);
    case 5: {
        bool* const boxes[] = {&f.bidirectionalQos, &f.absoluteTtl, &f.useKeyGroup,
                               &f.auditConnections};
        bool& box = *boxes[p.Next(4)];
        box = !box;
        return OwnedBytes(10, 12);
    }
    case 6: f.srcOffset = p.Text(); return SOURCE;
    case 7: f.srcMask = p.Text(); return SOURCE;
    case 8: chooseAddress(f.srcChoice); return SOURCE;
    case 9: f.dstOffset = p.Text(); return DESTINATION;
    case 10: f.dstMask = p.Text(); return DESTINATION;
    case 11: chooseAddress(f.dstChoice); return DESTINATION;
    default:
        f.useTemplates = !f.useTemplates;
        ModeRefresh(record, f);
        return SOURCE | DESTINATION;
    }
}

std::uint64_t EditQueueFields(PriQEditorFields& f, std::size_t pick)
{
    Picker p(pick);
    switch (p.Next(4)) {
    case 0: f.qos = p.Text(); return OwnedBytes(24, 28);
    case 1: {
        const std::size_t metric = p.Next(4);
        f.metrics[metric] = p.Text();
        return OwnedBytes(32 + 2 * metric, 34 + 2 * metric);
    }
    case 2: f.startChecked = !f.startChecked; return OwnedBytes(28, 30);
    default: f.endChecked = !f.endChecked; return OwnedBytes(28, 30);
    }
}

std::uint64_t EditQosFields(QosEditorFields& f, std::size_t pick)
{
    Picker p(pick);
    switch (p.Next(5)) {
    case 0: f.rate = p.Text(); return OwnedBytes(36, 40);
    case 1: f.seconds = p.Text(); return OwnedBytes(40, 52);  // the thresholds follow it
    case 2: f.low = p.Text(); return OwnedBytes(48, 52);
    case 3: f.high = p.Text(); return OwnedBytes(44, 48);
    default: {
        bool* const boxes[] = {&f.bytes,      &f.frames,  &f.thresholds, &f.absolute,
                               &f.fixedDelay, &f.banking, &f.immortal};
        bool& box = *boxes[p.Next(7)];
        box = !box;
        return OwnedBytes(12, 14);
    }
    }
}

void ExpectOnlyOwnedBytesChanged(std::span<const std::uint8_t, 64> before,
                                 std::span<const std::uint8_t, 64> after, std::uint64_t owned,
                                 const char* what)
{
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (((owned >> i) & 1) == 0)
            ExpectSameBytes(before, after, i, i + 1, what);
    }
}

} // namespace talvex::fuzz
