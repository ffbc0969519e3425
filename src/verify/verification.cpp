#include "verify/verification.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "config/action_references.h"

namespace talvex {

namespace {

// Collects the report text and counts the finding lines.
class Report {
public:
    explicit Report(std::string& text, std::vector<std::string>* findings = nullptr)
        : text_(text), findings_(findings)
    {
        text_.clear();
    }

    void Heading(std::string_view heading) { text_ += heading; }

    // A finding: the pieces are appended in order, numbers in "%d" form.
    template <typename... Pieces>
    void Finding(const Pieces&... pieces)
    {
        const std::size_t start = text_.size();
        (Append(pieces), ...);
        ++errors_;
        if (findings_) {
            std::string_view line(text_);
            line.remove_prefix(start);
            const auto first = line.find_first_not_of("\r\n");
            const auto last = line.find_last_not_of("\r\n");
            findings_->emplace_back(line.substr(first, last + 1 - first));
        }
    }

    int errors() const { return errors_; }
    void Append(std::string_view piece) { text_ += piece; }
    void Append(const char* piece) { text_ += piece; }
    void Append(int number) { text_ += std::to_string(number); }

private:
    std::string& text_;
    std::vector<std::string>* findings_;
    int errors_ = 0;
};

bool RuleUsed(const ConfigImage& image, int r)
{
    return r >= 0 && r < RULE_COUNT && image.ruleTable[static_cast<std::size_t>(r)].isUsed();
}
bool QosUsed(const ConfigImage& image, int q)
{
    return image.qosTable[static_cast<std::size_t>(q)].isUsed();
}
bool MaskUsed(const ConfigImage& image, int m)
{
    return image.maskTable[static_cast<std::size_t>(m)].isUsed();
}
bool PriQUsed(const ConfigImage& image, int e)
{
    return image.priQTable[static_cast<std::size_t>(e)].isUsed();
}

bool InRange(int value, int last) { return value >= 0 && value <= last; }

// The ten reference checks of one rule. `side` is "Then" or "Else"; the two
// sides differ only in the wording of the QoS lines.
struct Side {
    const char* name;
    std::uint8_t action;
    int param;
    const char* qosOutOfRange;
    const char* qosEmpty;
};

void CheckRuleTarget(Report& report, const ConfigImage& image, int r, const Side& s)
{
    if (ActionReferenceTable(s.action) != TableKind::Rules)
        return;
    if (!InRange(s.param, RULE_COUNT - 2))
        report.Finding("Rule ", r, " ", s.name, " Action: Rule ", s.param, " Out Of Range\r\n");
    else if (!RuleUsed(image, s.param))
        report.Finding("Rule ", r, " ", s.name, " Action: Rule ", s.param, " Empty\r\n");
}

void CheckNextRule(Report& report, const ConfigImage& image, int r, const Side& s)
{
    if (s.action != ACTION_NEXT_SEQUENCE && s.action != ACTION_NEXT_RULE
        && s.action != ACTION_AUDIT_NEXT_RULE)
        return;
    if (!RuleUsed(image, r + 1))
        report.Finding("Rule ", r, " ", s.name, " Action: Next Rule (", r + 1, ") Empty\r\n");
}

void CheckQosTarget(Report& report, const ConfigImage& image, int r, const Side& s)
{
    if (ActionReferenceTable(s.action) != TableKind::Qos)
        return;
    if (!InRange(s.param, QOS_COUNT - 1))
        report.Finding("Rule ", r, " ", s.name, " Action: QoS ", s.param, s.qosOutOfRange);
    else if (!QosUsed(image, s.param))
        report.Finding("Rule ", r, " ", s.name, " Action: QoS ", s.param, s.qosEmpty);
}

void CheckPriQTarget(Report& report, const ConfigImage& image, int r, const Side& s)
{
    if (ActionReferenceTable(s.action) != TableKind::PriQ)
        return;
    if (!InRange(s.param, PRIQ_COUNT - 1))
        report.Finding("Rule ", r, " ", s.name, " Action: PriQ ", s.param, " Out Of Range\r\n");
    else if (!PriQUsed(image, s.param))
        report.Finding("Rule ", r, " ", s.name, " Action: PriQ ", s.param, " Empty\r\n");
}

void CheckMaskTarget(Report& report, const ConfigImage& image, int r, const Side& s)
{
    if (ActionReferenceTable(s.action) != TableKind::Masks)
        return;
    if (!InRange(s.param, MASK_COUNT - 1))
        report.Finding("Rule ", r, " ", s.name, " Action: Mask ", s.param, " Out Of Range\r\n");
    else if (!MaskUsed(image, s.param))
        report.Finding("Rule ", r, " ", s.name, " Action: Mask ", s.param, " Empty\r\n");
}

void CheckRuleReferences(Report& report, const ConfigImage& image)
{
    report.Heading("Checking Rules For Bad References...\r\n\r\n");
    for (int r = 0; r < RULE_COUNT; ++r) {
        const RuleRecord& rule = image.ruleTable[static_cast<std::size_t>(r)];
        const Side thenSide{"Then", rule.thenAction, rule.thenParam.get(), " Out Of Range\r\n",
                            " Empty\r\n"};
        const Side elseSide{"Else", rule.elseAction, rule.elseParam.get(),
                            " Is Out Of Range\r\n", " Is Empty\r\n"};
        CheckRuleTarget(report, image, r, thenSide);
        CheckRuleTarget(report, image, r, elseSide);
        CheckNextRule(report, image, r, thenSide);
        CheckNextRule(report, image, r, elseSide);
        CheckQosTarget(report, image, r, thenSide);
        CheckQosTarget(report, image, r, elseSide);
        CheckPriQTarget(report, image, r, thenSide);
        CheckPriQTarget(report, image, r, elseSide);
        CheckMaskTarget(report, image, r, thenSide);
        CheckMaskTarget(report, image, r, elseSide);
    }
}

void CheckQosReference(Report& report, const ConfigImage& image, const char* holder, int entry,
                       int q)
{
    if (!InRange(q, QOS_COUNT - 1))
        report.Finding(holder, entry, ": QoS ", q, " Out Of Range\r\n");
    else if (!QosUsed(image, q))
        report.Finding(holder, entry, ": QoS ", q, " Empty\r\n");
}

void CheckMaskReferences(Report& report, const ConfigImage& image)
{
    report.Heading("\r\nChecking Address Masks For Bad References...\r\n\r\n");
    for (int m = 0; m < MASK_COUNT; ++m) {
        if (MaskUsed(image, m))
            CheckQosReference(report, image, "Mask ", m,
                              image.maskTable[static_cast<std::size_t>(m)].qosNode.get());
    }
}

void CheckPriQReferences(Report& report, const ConfigImage& image)
{
    report.Heading("\r\nChecking Priority Queues For Bad References...\r\n\r\n");
    for (int e = 0; e < PRIQ_COUNT; ++e) {
        if (PriQUsed(image, e))
            CheckQosReference(report, image, "PriQ ", e,
                              image.priQTable[static_cast<std::size_t>(e)].qosNode.get());
    }
}

void CheckPriQStructure(Report& report, const ConfigImage& image)
{
    report.Heading("\r\nChecking Priority Queue Structure...\r\n\r\n");
    int depth = 0;
    for (int e = 0; e < PRIQ_COUNT; ++e) {
        const std::uint16_t flags = image.priQTable[static_cast<std::size_t>(e)].flags;
        if ((flags & PQ_IN_USE) == 0)
            continue;
        if (flags & PQ_START) {
            ++depth;
            if (depth == 2)
                report.Finding("PriQ ", e, ": New Q started without ending previous\r\n");
        }
        if (flags & PQ_END) {
            --depth;
            if (depth == -1)
                report.Finding("PriQ ", e, ": Q ended without having been started\r\n");
        }
        if ((flags & (PQ_START | PQ_END)) == 0 && depth != 1)
            report.Finding("PriQ ", e, ": Entry lies outside a valid Queue structure\r\n");
    }
    if (depth > 0)
        report.Finding(depth, " Priority Queue Structure(s) lack Lo Priority levels\r\n");
    if (depth < 0)
        report.Finding(-depth, " Priority Queue Structure(s) lack Hi Priority levels\r\n");
}

void CheckFlags(Report& report, const ConfigImage& image)
{
    report.Heading("\r\nChecking For Invalid Flags...\r\n\r\n");
    for (int i = 0; i < RULE_COUNT; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (i < MASK_COUNT) {
            const std::uint16_t flags = image.maskTable[at].flags;
            if (flags != 0 && (flags & MASK_IN_USE) == 0)
                report.Finding("\r\nMask ", i, " Is Empty But Has Non-Zero Flags");
        }
        if (i < PRIQ_COUNT) {
            const std::uint16_t flags = image.priQTable[at].flags;
            if (flags != 0 && (flags & PQ_IN_USE) == 0)
                report.Finding("\r\nPriQ ", i, " Is Empty But Has Non-Zero Flags");
        }
        const RuleRecord& rule = image.ruleTable[at];
        if (rule.isUsed() && (rule.ruleFlags & RULE_DEFINED) == 0)
            report.Finding("\r\nRule ", i, " Is Empty But Has Non-Zero Flags");
        if (rule.ruleFlags & ALWAYS_HIT)
            report.Finding("\r\nRule ", i, " Has ALWAYS_HIT Flag");
        if (rule.ruleFlags & ALWAYS_MISS)
            report.Finding("\r\nRule ", i, " Has ALWAYS_MISS Flag");
    }
}

void RunChecks(Report& out, const ConfigImage& image)
{
    CheckRuleReferences(out, image);
    CheckMaskReferences(out, image);
    CheckPriQReferences(out, image);
    CheckPriQStructure(out, image);
    CheckFlags(out, image);
}

} // namespace

std::vector<std::string> VerificationFindings(const ConfigImage& image)
{
    std::string report;
    std::vector<std::string> findings;
    Report out(report, &findings);
    RunChecks(out, image);
    return findings;
}

bool VerifyConfiguration(const ConfigImage& image, std::string& report)
{
    Report out(report);
    RunChecks(out, image);
    if (out.errors() > 0) {
        out.Append("\r\n");
        out.Append(out.errors());
        out.Append(" Error(s) Found!  This Configuration Is NOT Valid!\r\n");
        return true;
    }
    out.Append("\r\nConfig Passes Validation Tests.");
    return false;
}

} // namespace talvex
