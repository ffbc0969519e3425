#include "config/config_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "config/text_recognition.h"
#include "support/temp_dir.h"

namespace talvex {
namespace {

using testing::PatternBytes;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::unique_ptr<ConfigImage> ResetImage()
{
    auto image = std::make_unique<ConfigImage>();
    ResetTables(*image);
    return image;
}

std::vector<std::uint8_t> Bytes(std::span<const std::uint8_t> s) { return {s.begin(), s.end()}; }

TEST(ResetTables, WritesTheDefaultsOfEveryTable)
{
    auto image = std::make_unique<ConfigImage>();
    std::ranges::fill(TableBytes(image->ruleTable), 0x5A);
    std::ranges::fill(TableBytes(image->qosTable), 0x5A);
    std::ranges::fill(TableBytes(image->maskTable), 0x5A);
    std::ranges::fill(TableBytes(image->priQTable), 0x5A);
    ResetTables(*image);

    for (int r = 0; r < RULE_COUNT; ++r) {
        const RuleRecord& rule = image->ruleTable[r];
        EXPECT_EQ(rule.ruleNumber, r);
        EXPECT_FALSE(rule.isUsed());
        const auto bytes = RecordBytes(rule);
        for (int i = 2; i < 32; ++i)
            ASSERT_EQ(bytes[i], 0) << "rule " << r << " byte " << i;
        for (int i = 0; i < 16; ++i) {
            ASSERT_EQ(rule.patternData[i], 'A' + i);
            ASSERT_EQ(rule.patternMask[i], 0xFF);
        }
    }
    for (const QosNode& node : image->qosTable) {
        EXPECT_FALSE(node.isUsed());
        EXPECT_EQ(node.samplePeriod, 1000000u);
        auto bytes = Bytes(RecordBytes(node));
        std::fill(bytes.begin() + 40, bytes.begin() + 44, 0);
        EXPECT_EQ(bytes, std::vector<std::uint8_t>(64, 0));
    }
    EXPECT_EQ(Bytes(TableBytes(image->maskTable)), std::vector<std::uint8_t>(4096, 0));
    EXPECT_EQ(Bytes(TableBytes(image->priQTable)), std::vector<std::uint8_t>(4096, 0));
}

struct LengthCase {
    std::size_t length;
    bool loads;
    bool masksAbsent;
    bool priQAbsent;
};

class LoadByLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(LoadByLength, SucceedsFromTheFirstMaskByteAndKeepsQueuesFromTheFirstQueueByte)
{
    const LengthCase c = GetParam();
    TempDir dir;
    const auto file = PatternBytes(c.length, 7);
    WriteBytes(dir.file("cfg"), file);
    auto image = ResetImage();
    const auto defaults = *image;

    Failure failure;
    EXPECT_EQ(LoadConfig(*image, dir.file("cfg"), &failure), c.loads);
    EXPECT_EQ(image->masksBlockAbsent, c.masksAbsent);
    EXPECT_EQ(image->priQBlockAbsent, c.priQAbsent);
    if (!c.loads) {
        EXPECT_NE(failure.reason.find(std::to_string(c.length)), std::string::npos)
            << failure.reason;
    }

    // Each block holds the file's bytes as far as the file reaches and its
    // defaults after that.
    struct Block {
        std::span<const std::uint8_t> now, before;
        std::size_t offset;
    };
    const Block blocks[] = {
        {TableBytes(image->ruleTable), TableBytes(defaults.ruleTable), 0},
        {TableBytes(image->qosTable), TableBytes(defaults.qosTable), QOS_BLOCK_OFFSET},
        {TableBytes(image->maskTable), TableBytes(defaults.maskTable), MASK_BLOCK_OFFSET},
        {TableBytes(image->priQTable), TableBytes(defaults.priQTable), PRIQ_BLOCK_OFFSET},
    };
    for (const Block& b : blocks) {
        for (std::size_t i = 0; i < b.now.size(); ++i) {
            const std::size_t at = b.offset + i;
            const std::uint8_t want = at < c.length ? file[at] : b.before[i];
            ASSERT_EQ(b.now[i], want) << "block at " << b.offset << " byte " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    BoundaryLengths, LoadByLength,
    ::testing::Values(LengthCase{0, false, true, true}, LengthCase{100, false, true, true},
                      LengthCase{16384, false, true, true}, LengthCase{17409, false, true, true},
                      LengthCase{22528, false, true, true}, LengthCase{22529, true, false, true},
                      LengthCase{27648, true, false, true}, LengthCase{27649, true, false, false},
                      LengthCase{32768, true, false, false}, LengthCase{40000, true, false, false}),
    [](const auto& test) { return "Length" + std::to_string(test.param.length); });

TEST(LoadConfig, AMissingFileOrADirectoryFailsWithBothBlocksAbsent)
{
    TempDir dir;
    auto image = ResetImage();
    image->masksBlockAbsent = false;
    image->priQBlockAbsent = false;
    Failure failure;
    EXPECT_FALSE(LoadConfig(*image, dir.file("missing"), &failure));
    EXPECT_NE(failure.reason.find("cannot open"), std::string::npos);
    EXPECT_TRUE(image->masksBlockAbsent);
    EXPECT_TRUE(image->priQBlockAbsent);
    EXPECT_FALSE(LoadConfig(*image, dir.path().string(), &failure));
    EXPECT_FALSE(failure.reason.empty());
}

// A configuration text, recognised by its header line, is never loaded as
// records, however long: the load fails naming talvexcfg import, the tables
// keep their defaults and no block counts as read.
TEST(LoadConfig, AConfigurationTextFailsAndLoadsNothing)
{
    const std::string utf16 = "#\nTALVEX configuration";
    std::string wide = "\xFF\xFE";
    for (char c : utf16)
        wide += std::string{c, '\0'};
    const struct {
        std::string start;
        bool text;
    } cases[] = {
        {"TALVEX configuration Beta 2\n", true},
        {"\xEF\xBB\xBF# kept in git\n\n<<<<<<< ours\n\t TALVEX configuration Beta 7\n", true},
        {wide, true},
        {"TALVEX configuration Beta 2\rrule 1\r", true},
        {std::string("# a NUL ") + '\0' + " before it\nTALVEX configuration Beta 2\n", false},
        {"rule 1\nTALVEX configuration Beta 2\n", false},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string text = c.start + std::string(30000, '\n');
        const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        EXPECT_EQ(IsConfigText(bytes), c.text) << c.start;
        WriteBytes(dir.file("text"), {bytes.begin(), bytes.end()});
        auto image = ResetImage();
        Failure failure;
        EXPECT_EQ(LoadConfig(*image, dir.file("text"), &failure), !c.text) << c.start;
        if (c.text) {
            EXPECT_EQ(failure.reason, CONFIG_TEXT_REASON);
            EXPECT_TRUE(image->masksBlockAbsent && image->priQBlockAbsent);
            image->masksBlockAbsent = image->priQBlockAbsent = false;
            EXPECT_EQ(ConfigFileBytes(*image), ConfigFileBytes(*ResetImage()));
        }
    }
}

TEST(ClearRuntimeFields, ZeroesOnlyTheEngineRunTimeBytesOfRulesAndQosNodes)
{
    auto image = std::make_unique<ConfigImage>();
    std::ranges::fill(TableBytes(image->ruleTable), 0xFF);
    std::ranges::fill(TableBytes(image->qosTable), 0xFF);
    std::ranges::fill(TableBytes(image->maskTable), 0xFF);
    std::ranges::fill(TableBytes(image->priQTable), 0xFF);
    ClearRuntimeFields(*image);

    for (const RuleRecord& rule : image->ruleTable) {
        const auto b = RecordBytes(rule);
        for (int i = 0; i < 64; ++i) {
            std::uint8_t want = 0xFF;
            if ((i >= 16 && i < 20) || (i >= 22 && i < 26))
                want = 0;
            if (i == 4)
                want = 0xF9;
            ASSERT_EQ(b[i], want) << "rule byte " << i;
        }
    }
    for (const QosNode& node : image->qosTable) {
        const auto b = RecordBytes(node);
        for (int i = 0; i < 64; ++i) {
            const bool cleared = i < 12 || (i >= 14 && i < 36) || (i >= 52 && i < 60);
            ASSERT_EQ(b[i], cleared ? 0 : 0xFF) << "qos byte " << i;
        }
    }
    for (std::uint8_t b : TableBytes(image->maskTable))
        ASSERT_EQ(b, 0xFF);
    for (std::uint8_t b : TableBytes(image->priQTable))
        ASSERT_EQ(b, 0xFF);
}

TEST(ConfigFileBytes, WritesThePresentBlocksEachFollowedByACopyOfItsFirst1024Bytes)
{
    auto image = std::make_unique<ConfigImage>();
    const auto pattern = PatternBytes(4 * 4096 + 16384, 3);
    auto it = pattern.begin();
    for (auto table : {TableBytes(image->ruleTable), TableBytes(image->qosTable),
                       TableBytes(image->maskTable), TableBytes(image->priQTable)}) {
        std::copy_n(it, table.size(), table.begin());
        it += static_cast<std::ptrdiff_t>(table.size());
    }
    const std::vector<std::uint8_t> rules = Bytes(TableBytes(image->ruleTable));
    const std::vector<std::uint8_t> qos = Bytes(TableBytes(image->qosTable));
    const std::vector<std::uint8_t> masks = Bytes(TableBytes(image->maskTable));
    const std::vector<std::uint8_t> queues = Bytes(TableBytes(image->priQTable));
    auto expect = [](std::initializer_list<const std::vector<std::uint8_t>*> blocks) {
        std::vector<std::uint8_t> out;
        for (const auto* b : blocks) {
            out.insert(out.end(), b->begin(), b->end());
            out.insert(out.end(), b->begin(), b->begin() + 1024);
        }
        return out;
    };

    EXPECT_EQ(ConfigFileBytes(*image), expect({&rules, &qos, &masks, &queues}));
    image->priQBlockAbsent = true;
    EXPECT_EQ(ConfigFileBytes(*image), expect({&rules, &qos, &masks}));
    EXPECT_EQ(ConfigFileBytes(*image).size(), 27648u);
    image->masksBlockAbsent = true;
    EXPECT_EQ(ConfigFileBytes(*image), expect({&rules, &qos}));
    EXPECT_EQ(ConfigFileBytes(*image).size(), 22528u);
}

TEST(SaveConfig, LoadThenSaveKeepsEveryByteButTheRunTimeFieldsAndTheGaps)
{
    TempDir dir;
    const auto original = PatternBytes(FULL_FILE_SIZE, 11);
    WriteBytes(dir.file("in.cfg"), original);
    auto image = ResetImage();
    ASSERT_TRUE(LoadConfig(*image, dir.file("in.cfg")));
    ClearRuntimeFields(*image);
    ASSERT_TRUE(SaveConfig(*image, dir.file("out.cfg")));
    const auto saved = ReadBytes(dir.file("out.cfg"));
    ASSERT_EQ(saved.size(), FULL_FILE_SIZE);

    auto cleared = [](std::size_t at) {
        if (at < RULE_BLOCK_SIZE) {
            const std::size_t i = at % 64;
            return (i >= 16 && i < 20) || (i >= 22 && i < 26) || i == 4;
        }
        if (at >= QOS_BLOCK_OFFSET && at < QOS_BLOCK_OFFSET + QOS_BLOCK_SIZE) {
            const std::size_t i = (at - QOS_BLOCK_OFFSET) % 64;
            return i < 12 || (i >= 14 && i < 36) || (i >= 52 && i < 60);
        }
        return false;
    };
    const std::size_t blockStarts[] = {0, QOS_BLOCK_OFFSET, MASK_BLOCK_OFFSET, PRIQ_BLOCK_OFFSET};
    const std::size_t blockSizes[] = {RULE_BLOCK_SIZE, QOS_BLOCK_SIZE, MASK_BLOCK_SIZE, PRIQ_BLOCK_SIZE};
    for (int b = 0; b < 4; ++b) {
        const std::size_t start = blockStarts[b];
        for (std::size_t i = 0; i < blockSizes[b]; ++i) {
            const std::size_t at = start + i;
            if (cleared(at))
                continue;
            ASSERT_EQ(saved[at], original[at]) << "byte " << at;
        }
        for (std::size_t i = 0; i < GAP_SIZE; ++i)
            ASSERT_EQ(saved[start + blockSizes[b] + i], saved[start + i]) << "gap byte " << i;
    }
    EXPECT_EQ(saved[4] & 0xF9, original[4] & 0xF9);

    // A second round changes nothing more.
    auto again = ResetImage();
    ASSERT_TRUE(LoadConfig(*again, dir.file("out.cfg")));
    ClearRuntimeFields(*again);
    EXPECT_EQ(ConfigFileBytes(*again), saved);
}

TEST(SaveConfig, CreatesNewFilesAndReplacesLongerOnes)
{
    TempDir dir;
    auto image = ResetImage();
    image->priQBlockAbsent = true;
    WriteBytes(dir.file("long.cfg"), PatternBytes(50000));
    ASSERT_TRUE(SaveConfig(*image, dir.file("long.cfg")));
    EXPECT_EQ(ReadBytes(dir.file("long.cfg")).size(), 27648u);
    ASSERT_TRUE(SaveConfig(*image, dir.file("fresh.cfg")));
    EXPECT_EQ(ReadBytes(dir.file("fresh.cfg")), ConfigFileBytes(*image));
    // Nothing but the saved files is left in the directory.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2);
}

// Symbolic links, permission bits, the umask and a file size limit are
// POSIX's; the Windows save has its cases in config_file_windows_test.cpp.
#ifndef _WIN32
TEST(SaveConfig, FollowsASymbolicLinkAndKeepsThePermissionBits)
{
    TempDir dir;
    WriteBytes(dir.file("real.cfg"), PatternBytes(100));
    ASSERT_EQ(::chmod(dir.file("real.cfg").c_str(), 0640), 0);
    std::filesystem::create_symlink("real.cfg", dir.file("link.cfg"));
    auto image = ResetImage();
    ASSERT_TRUE(SaveConfig(*image, dir.file("link.cfg")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.cfg")));
    EXPECT_EQ(ReadBytes(dir.file("real.cfg")), ConfigFileBytes(*image));
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("real.cfg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(SaveConfig, ANewFileTakesTheModeTheUmaskLeavesAndTheUmaskStays)
{
    TempDir dir;
    auto image = ResetImage();
    for (const mode_t mask : {022u, 077u, 027u}) {
        const mode_t before = ::umask(mask);
        const std::string name = dir.file("new" + std::to_string(mask) + ".cfg");
        ASSERT_TRUE(SaveConfig(*image, name));
        EXPECT_EQ(::umask(before), mask);
        struct stat st {};
        ASSERT_EQ(::stat(name.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask);
    }
}

// Each failure leaves the earlier file byte for byte and says why.
TEST(SaveConfig, FailuresLeaveTheOldFileAndGiveAReason)
{
    TempDir dir;
    auto image = ResetImage();
    const auto old = PatternBytes(1234);
    WriteBytes(dir.file("old.cfg"), old);
    WriteBytes(dir.file("plain"), old);
    std::filesystem::create_directory(dir.file("adir"));
    std::filesystem::create_symlink("adir", dir.file("link-to-dir"));
    std::filesystem::create_symlink("nowhere/x.cfg", dir.file("link-to-missing-dir"));

    const std::string targets[] = {
        dir.file("adir"),                 // a directory
        dir.file("missing/x.cfg"),        // a missing directory
        dir.file("plain/x.cfg"),          // a path through a regular file
        dir.file("link-to-dir"),          // a link to a directory
        dir.file("link-to-missing-dir"),  // a link into a missing directory
    };
    for (const std::string& target : targets) {
        Failure failure;
        EXPECT_FALSE(SaveConfig(*image, target, &failure)) << target;
        EXPECT_FALSE(failure.reason.empty()) << target;
    }
    EXPECT_EQ(ReadBytes(dir.file("plain")), old);
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("adir")));
    EXPECT_EQ(ReadBytes(dir.file("old.cfg")), old);
}

TEST(SaveConfig, AFullDiskLeavesTheOldFileAndNoTemporaryFile)
{
    TempDir dir;
    auto image = ResetImage();
    const auto old = PatternBytes(1234);
    WriteBytes(dir.file("old.cfg"), old);

    // The file size limit stands in for a full disk; it is set in a child so
    // the test program itself keeps writing freely.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        Failure failure;
        const bool saved = SaveConfig(*image, dir.file("old.cfg"), &failure);
        ::_exit(saved ? 0 : (failure.reason.empty() ? 2 : 1));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadBytes(dir.file("old.cfg")), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}
#endif

} // namespace
} // namespace talvex
