#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "config/change_history.h"
#include "support/fresh_image.h"

namespace talvex {
namespace {

using testing::FreshImage;

// A command as the pages run it: what it does to the image, and what it is.
struct Command {
    std::function<void(ConfigImage&)> run;
    ChangeDescription description;
};

const std::vector<Command>& Commands()
{
    static const std::vector<Command> COMMANDS{
        {[](ConfigImage& i) { i.ruleTable[3].thenAction = ACTION_DROP_FRAME; },
         {"Edit", TableKind::Rules, {3}, {3}}},
        {[](ConfigImage& i) {
             std::swap(i.qosTable[4], i.qosTable[5]);
             i.maskTable[9].qosNode = 5;
         },
         {"Dn", TableKind::Qos, {4}, {5}}},
        {[](ConfigImage& i) { i.ruleTable[3].thenAction = 0; i.ruleTable[7].thenAction = 0; },
         {"Delete", TableKind::Rules, {3, 7}, {3, 7}}},
        {[](ConfigImage&) {}, {"Delete", TableKind::Masks, {}, {}}},  // changed nothing
        {[](ConfigImage& i) { i.priQTable[0].flags = PQ_IN_USE | PQ_START; },
         {"Add", TableKind::PriQ, {0}, {0}}},
    };
    return COMMANDS;
}

TEST(ChangeHistory, UndoesAndRedoesEachStepByteForByte)
{
    auto image = FreshImage();
    ChangeHistory history;
    std::vector<std::unique_ptr<ConfigImage>> states;
    states.push_back(std::make_unique<ConfigImage>(*image));
    for (const Command& command : Commands()) {
        const ConfigImage before = *image;
        command.run(*image);
        if (history.record(before, *image, command.description))
            states.push_back(std::make_unique<ConfigImage>(*image));
    }
    ASSERT_EQ(states.size(), 5u);  // the command that changed nothing is no step
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_NE(history.undo(*image), nullptr);
        EXPECT_TRUE(SameTables(*image, *states[i - 1])) << i;
    }
    EXPECT_EQ(history.undo(*image), nullptr);
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_NE(history.redo(*image), nullptr);
        EXPECT_TRUE(SameTables(*image, *states[i])) << i;
    }
    EXPECT_FALSE(history.canRedo());
}

TEST(ChangeHistory, ANewStepDropsTheUndoneOnesAndTheOldestGoBeyondTheDepth)
{
    auto image = FreshImage();
    ChangeHistory history;
    const auto edit = [&](int value) {
        const ConfigImage before = *image;
        image->qosTable[0].lowThreshold = static_cast<std::uint32_t>(value);
        history.record(before, *image, {"Edit", TableKind::Qos, {0}, {0}});
    };
    edit(1);
    edit(2);
    history.undo(*image);
    edit(3);
    EXPECT_FALSE(history.canRedo());
    history.undo(*image);
    EXPECT_EQ(image->qosTable[0].lowThreshold, 1u);
    for (int value = 0; value < static_cast<int>(ChangeHistory::DEPTH) + 5; ++value)
        edit(100 + value);
    int undone = 0;
    while (history.undo(*image) != nullptr)
        ++undone;
    EXPECT_EQ(undone, static_cast<int>(ChangeHistory::DEPTH));
}

TEST(ChangeHistory, StepsSayWhatWasDoneToWhichEntries)
{
    struct Row {
        ChangeDescription description;
        const char* text;
    } const rows[] = {
        {{"Delete", TableKind::Rules, {12}, {12}}, "Delete of rule 12"},
        {{"Delete", TableKind::Rules, {3, 7}, {3, 7}}, "Delete of rules 3 and 7"},
        {{"Up", TableKind::Masks, {5}, {4}}, "Up of address masks 4 and 5"},
        {{"Edit", TableKind::Qos, {9}, {9}}, "Edit of QoS node 9"},
        {{"Delete", TableKind::PriQ, {1, 2, 8}, {1, 2, 8}},
         "Delete of priority queue entries 1, 2 and 8"},
    };
    for (const Row& row : rows)
        EXPECT_EQ((ChangeStep{row.description, {}}.text()), row.text);
}

} // namespace
} // namespace talvex
