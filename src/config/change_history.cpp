#include "config/change_history.h"

#include <algorithm>
#include <cstring>

#include "config/number_texts.h"

namespace talvex {

namespace {

// The records of one table of the image (const or not), as bytes.
template <typename Image>
auto TableRecords(Image& image, TableKind table)
{
    switch (table) {
    case TableKind::Masks: return TableBytes(image.maskTable);
    case TableKind::PriQ: return TableBytes(image.priQTable);
    case TableKind::Qos: return TableBytes(image.qosTable);
    case TableKind::Rules: break;
    }
    return TableBytes(image.ruleTable);
}

// "3", "3 and 7", "3, 7 and 9".
std::string EntryList(const std::vector<int>& entries)
{
    std::string text;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            text += i + 1 == entries.size() ? " and " : ", ";
        text += DecimalText(entries[i]);
    }
    return text;
}

void Apply(const ChangeStep& step, ConfigImage& image, bool after)
{
    for (const RecordChange& change : step.records) {
        const auto& bytes = after ? change.after : change.before;
        auto records = TableRecords(image, change.table);
        std::memcpy(records.data() + static_cast<std::size_t>(change.entry) * RECORD_SIZE,
                    bytes.data(), RECORD_SIZE);
    }
}

} // namespace

std::vector<int> ChangeStep::entriesOf(TableKind table) const
{
    std::vector<int> entries;
    for (const RecordChange& change : records) {
        if (change.table == table)
            entries.push_back(change.entry);
    }
    return entries;
}

std::string ChangeStep::text() const
{
    std::vector<int> entries = description.selectedBefore;
    entries.insert(entries.end(), description.selectedAfter.begin(),
                   description.selectedAfter.end());
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    const TableFacts& facts = FactsOf(description.table);
    if (entries.empty())
        return description.verb + " of " + std::string(facts.entriesNoun);
    const std::string_view noun = entries.size() == 1 ? facts.entryNoun : facts.entriesNoun;
    return description.verb + " of " + std::string(noun) + " " + EntryList(entries);
}

bool ChangeHistory::record(const ConfigImage& before, const ConfigImage& after,
                           ChangeDescription description)
{
    ChangeStep step{std::move(description), {}};
    for (const TableFacts& facts : TABLE_FACTS) {
        const auto was = TableRecords(before, facts.kind);
        const auto now = TableRecords(after, facts.kind);
        for (int entry = 0; entry < facts.entryCount; ++entry) {
            const std::size_t at = static_cast<std::size_t>(entry) * RECORD_SIZE;
            if (std::memcmp(was.data() + at, now.data() + at, RECORD_SIZE) == 0)
                continue;
            RecordChange& change = step.records.emplace_back();
            change.table = facts.kind;
            change.entry = entry;
            std::memcpy(change.before.data(), was.data() + at, RECORD_SIZE);
            std::memcpy(change.after.data(), now.data() + at, RECORD_SIZE);
        }
    }
    if (step.records.empty())
        return false;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back(std::move(step));
    if (steps_.size() > DEPTH)
        steps_.pop_front();
    done_ = steps_.size();
    return true;
}

const ChangeStep* ChangeHistory::undo(ConfigImage& image)
{
    if (!canUndo())
        return nullptr;
    const ChangeStep& step = steps_[--done_];
    Apply(step, image, false);
    return &step;
}

const ChangeStep* ChangeHistory::redo(ConfigImage& image)
{
    if (!canRedo())
        return nullptr;
    const ChangeStep& step = steps_[done_++];
    Apply(step, image, true);
    return &step;
}

} // namespace talvex
