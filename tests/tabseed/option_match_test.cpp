#include "tabseed/option_match.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tabseed {
namespace {

TEST(OptionMatch, UpperCasesOnlyTheLettersAToZ)
{
    std::string text = "-file=out\xe4_x.txt{}`~@[";
    UpperCaseAscii(text);
    EXPECT_EQ(text, "-FILE=OUT\xe4_X.TXT{}`~@[");
}

TEST(OptionMatch, CountNeedsDigitsAfterThePrefix)
{
    const struct {
        const char* argument;
        std::optional<std::uint32_t> count;
    } cases[] = {
        {"-COUNT=5", 5u},
        {"-COUNT=0", 0u},
        {"-COUNT=0001000000", 1000000u},
        {"-COUNT=12ABC", 12u},  // text after the number is ignored
        {"-COUNT= 7", 7u},      // white space before the number is skipped
        {"-COUNT=4294967295", 4294967295u},
        {"-COUNT=4294967296", 4294967295u}, // beyond 32 bits: stays out of range
        {"-COUNT=99999999999999999999999", 4294967295u},
        {"-COUNT=-5", std::nullopt},
        {"-COUNT=+5", std::nullopt},
        {"-COUNT=ABC", std::nullopt},
        {"-COUNT=", std::nullopt},
        {"-COUNT", std::nullopt},
        {"COUNT=5", std::nullopt},
        {"-count=5", std::nullopt}, // matching happens after upper-casing
        {"-FILE=5", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchCountOption(c.argument), c.count) << c.argument;
    }
}

TEST(OptionMatch, FileNameRunsToTheFirstWhiteSpace)
{
    const struct {
        const char* argument;
        std::optional<std::string> name;
    } cases[] = {
        {"-FILE=OUT.TXT", "OUT.TXT"},
        {"-FILE=A B", "A"},
        {"-FILE=  LEAD.TXT", "LEAD.TXT"},
        {"-FILE=DIR/SUB/X-1.TXT", "DIR/SUB/X-1.TXT"},
        {"-FILE=", std::nullopt},
        {"-FILE= \t", std::nullopt},
        {"-FILE", std::nullopt},
        {"-FILES=X", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchFileOption(c.argument), c.name) << c.argument;
    }
    const std::string longName(5000, 'N');
    EXPECT_EQ(MatchFileOption("-FILE=" + longName), longName);
}

} // namespace
} // namespace tabseed
