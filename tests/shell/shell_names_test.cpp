#include "shell/shell_names.h"

#include <gtest/gtest.h>

namespace talvex {
namespace {

TEST(CommandLineText, JoinsTheArgumentsWithSingleSpacesAndKeepsQuotes)
{
    EXPECT_EQ(CommandLineText({}), "");
    EXPECT_EQ(CommandLineText({"my", "net.cfg"}), "my net.cfg");
    EXPECT_EQ(CommandLineText({"\"a", "b.cfg\""}), "\"a b.cfg\"");
}

TEST(DamagedName, PutsThePrefixBeforeTheFileNameInItsDirectory)
{
    EXPECT_EQ(DamagedName("net.cfg"), "Damaged net.cfg");
    EXPECT_EQ(DamagedName("/srv/cfg/net.cfg"), "/srv/cfg/Damaged net.cfg");
    EXPECT_EQ(DamagedName("cfg/my net.cfg"), "cfg/Damaged my net.cfg");
    EXPECT_EQ(DamagedName("\"net.cfg\""), "Damaged \"net.cfg\"");
#ifdef _WIN32
    EXPECT_EQ(DamagedName("C:\\cfg\\net.cfg"), "C:\\cfg\\Damaged net.cfg");
    EXPECT_EQ(DamagedName("C:net.cfg"), "C:Damaged net.cfg");
#endif
}

TEST(SheetCaption, QuotesTheFileName)
{
    EXPECT_EQ(SheetCaption("TALVEX.CFG"), "TALVEX Manager - \"TALVEX.CFG\"");
}

} // namespace
} // namespace talvex
