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
    EXPECT_EQ(SheetPages(*image).size(), 6u);
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
        EXPECT_FALSE(state.loadFailed);
        EXPECT_TRUE(state.oldFormatPromptDue);
        ApplyOldFormatAnswer(*image, answer);
        const std::vector<PageKind> pages = SheetPages(*image);
        if (answer == OldFormatAnswer::Retain)
            EXPECT_EQ(pages, (std::vector<PageKind>{PageKind::Rules, PageKind::AddressMasks,
                                                    PageKind::Qos, PageKind::Verify,
                                                    PageKind::Info}));
        else
            EXPECT_EQ(pages.size(), 6u);
    }
}

TEST(StartUp, AFileThatFailsToLoadIsDamagedAndClearsTheRunTimeFields)
{
    TempDir dir;
    auto bytes = PatternBytes(20000);
    WriteBytes(dir.file("short.cfg"), bytes);
    auto image = std::make_unique<ConfigImage>();
    const StartupState state = StartUp(*image, dir.file("short.cfg"));
    EXPECT_TRUE(state.loadFailed);
    EXPECT_EQ(state.fileName, dir.file("Damaged short.cfg"));
    EXPECT_EQ(state.loadedName, dir.file("short.cfg"));
    EXPECT_EQ(state.loadFailure, "it is 20000 bytes long, at least 22529 are needed");
    EXPECT_TRUE(state.oldFormatPromptDue);
    EXPECT_EQ(SheetPages(*image), (std::vector<PageKind>{PageKind::Rules, PageKind::Qos,
                                                         PageKind::Verify, PageKind::Info}));
    // What was read stays, less the run-time fields.
    EXPECT_EQ(image->ruleTable[0].ruleNumber, bytes[0] | (bytes[1] << 8));
    EXPECT_EQ(image->ruleTable[0].runtimeA, 0u);
}

} // namespace
} // namespace talvex
