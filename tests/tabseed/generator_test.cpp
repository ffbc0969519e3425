#include "tabseed/lcg_random.h"

#include "tabseed_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tabseed {
namespace {

std::vector<std::uint32_t> DrawOneByOne(LcgRandom random, int count)
{
    std::vector<std::uint32_t> draws;
    for (int k = 0; k < count; ++k) {
        draws.push_back(random.draw());
    }
    return draws;
}

TEST(LcgRandom, DrawsTheUpperBitsOfTheStateAfterEachStep)
{
    // state = state * 1103515245 + 12345, draw = bits 16 to 30, worked by hand.
    EXPECT_EQ(DrawOneByOne(LcgRandom(0), 5), (std::vector<std::uint32_t>{0, 21468, 9988, 22117, 3498}));
    EXPECT_EQ(DrawOneByOne(LcgRandom(0xDEADBEEF), 3), (std::vector<std::uint32_t>{7169, 7993, 27334}));
}

TEST(LcgRandom, DrawManyAndSkipMatchSingleDraws)
{
    for (const std::uint32_t seed : {0u, 1u, 0x5EEDu, 0xFFFFFFFFu}) {
        const std::vector<std::uint32_t> single = DrawOneByOne(LcgRandom(seed), 70000);
        LcgRandom random(seed);
        const auto many = random.drawMany<30>();
        EXPECT_EQ(std::vector<std::uint32_t>(many.begin(), many.end()),
                  std::vector<std::uint32_t>(single.begin(), single.begin() + 30));
        EXPECT_EQ(random.draw(), single[30]) << "drawMany leaves the state after its last draw";
        for (const std::uint64_t skipped : {0ull, 1ull, 29ull, 30ull, 1023ull, 69999ull}) {
            LcgRandom skipping(seed);
            skipping.skip(skipped);
            if (skipped < single.size()) {
                EXPECT_EQ(skipping.draw(), single[skipped]) << "seed " << seed << " skipped " << skipped;
            }
        }
    }
}

TEST(EntryGenerator, FixedSeedsGiveTheEntriesWorkedOutByHand)
{
    struct Case {
        std::uint32_t seed;
        std::uint32_t count;
        const char* text;
    };
    const Case cases[] = {
        {1, 3,
         "\r\n* <-> C67E816B:*:2744, 136, 12,     120000,    1500000,    2100000,    1400000,    7700000, A017, 19,"
         "  211323945,  134236748,  642652542,  531460287,  565323175,  109553040,      0,   479"
         "\r\n*:*:3C59 --> 234.86.19.123:30575, 153, 10,     170000,    1700000,    2200000,    1800000,    7200000,"
         " A017, 19,  259042532,   28844760,  634806708,  323883495,  218805602,  132928155,      1,  2900"
         "\r\n*:8079 --> 63.54.238.67:14453,   5, 10,     160000,    1100000,    2100000,    1900000,    7000000,"
         " A017, 19,   84651888,  203301546,   41779254,  390672700,    7440468,  146912808,      2,  1702"},
        // Both sides "*": nothing read, column 2 is 0.
        {66, 1,
         "\r\n* --> *, 144,  0,     140000,    1200000,    2900000,    1500000,    4200000, A017, 19,  119646450,"
         "  549493735,  224809427,  221418428,     719656,   70366298,      0,  1759"},
        // Both sides the full IPX form: the destination reads the always-zero values 12 to 23.
        {40, 1,
         "\r\nFC44A968:DD8C02C8463D:3A07 --> 5E5C7F47:000000000000:0000, 192, 24,     100000,    1300000,    2200000,"
         "    1000000,    2300000, A017, 19,  397425375,  184255540,  117295053,   70158906,  159457815,   40986360,"
         "      0,   428"},
        // Host and port on both sides: the source port comes from values 8 and 9, the destination's from 16 and 17.
        {228, 1,
         "\r\n158.173.0.46:5164 <-> 23.84.105.114:0, 238, 18,     100000,    1600000,    2100000,    1400000,    5500000,"
         " A017, 19,  134614137,  618994656,  302982778,  244878928,  125069740,      10382,      0,  1859"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(testing::Entries(c.seed, c.count), c.text) << "seed " << c.seed;
    }
}

} // namespace
} // namespace tabseed
