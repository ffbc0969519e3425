#include "shell/startup.h"

#include <gtest/gtest.h>

#include <memory>

#include "config/config_file.h"
#include "support/temp_dir.h"

namespace talvex {
namespace {

using testing::PatternBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(StartUp, WithoutAFileNameStartsANewImageWithAllBlocks)
{
    auto image = std::make_unique<ConfigImage>();
    const StartupState state = StartUp(*image, "");
    EXPECT_EQ(state.fileName, "New TALVEX.CFG");
    EXPECT_TRUE(state.newFile);
    EXPECT_FALSE(state.oldFormatPromptDue);
    EXPECT_EQ(SheetTables(*image).size(), 4u);
    EXPECT_EQ(image->ruleTable[9].ruleNumber, 9);
}

TEST(StartUp, AnOldFileAsksAndTheAnswerDecidesThePages)
{
    TempDir dir;
    WriteBytes(dir.file("beta1.cfg"), PatternBytes(27648));
    for (const auto answer : {OldFormatAnswer::Retain, OldFormatAnswer::Extend}) {
        auto image = std::make_unique<ConfigImage>();
        const StartupState state = StartUp(*image, dir.file("beta1.cfg"));
        EXPECT_EQ(state.fileName, dir.file("beta1.cfg"));
        EXPECT_FALSE(state.loadFailure);
        EXPECT_TRUE(state.oldFormatPromptDue);
        ApplyOldFormatAnswer(*image, answer);
        const std::vector<TableKind> tables = SheetTables(*image);
        if (answer == OldFormatAnswer::Retain)
            EXPECT_EQ(tables, (std::vector<TableKind>{TableKind::Rules, TableKind::Masks,
                                                      TableKind::Qos}));
        else
            EXPECT_EQ(tables.size(), 4u);
    }
}

TEST(StartUp, AFileThatFailsToLoadIsDamagedAndClearsTheRunTimeFields)
{
    TempDir dir;
    auto bytes = PatternBytes(20000);
    WriteBytes(dir.file("short.cfg"), bytes);
    auto image = std::make_unique<ConfigImage>();
    const StartupState state = StartUp(*image, dir.file("short.cfg"));
    ASSERT_TRUE(state.loadFailure);
    EXPECT_EQ(state.fileName, dir.file("Damaged short.cfg"));
    EXPECT_EQ(state.loadedName, dir.file("short.cfg"));
    EXPECT_EQ(state.loadFailure->reason, "it is 20000 bytes long, at least 22529 are needed");
    EXPECT_TRUE(state.oldFormatPromptDue);
    EXPECT_EQ(SheetTables(*image), (std::vector<TableKind>{TableKind::Rules, TableKind::Qos}));
    // What was read stays, less the run-time fields.
    EXPECT_EQ(image->ruleTable[0].ruleNumber, bytes[0] | (bytes[1] << 8));
    EXPECT_EQ(image->ruleTable[0].runtimeA, 0u);
}

} // namespace
} // namespace talvex
