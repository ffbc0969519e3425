#include "config/path_names.h"

#include <gtest/gtest.h>

#include <string>

namespace talvex {
namespace {

std::string FileNameOf(const std::string& path, PathStyle style)
{
    return path.substr(FileNameStart(path, style));
}

TEST(FileNameStart, SplitsAtTheSystemsSeparatorsAndAfterADrive)
{
    EXPECT_EQ(FileNameOf("/srv/cfg/net.cfg", PathStyle::Posix), "net.cfg");
    EXPECT_EQ(FileNameOf("cfg\\net.cfg", PathStyle::Posix), "cfg\\net.cfg");
    EXPECT_EQ(FileNameOf("C:net.cfg", PathStyle::Posix), "C:net.cfg");
    EXPECT_EQ(FileNameOf("C:\\cfg\\net.cfg", PathStyle::Windows), "net.cfg");
    EXPECT_EQ(FileNameOf("cfg/sub\\net.cfg", PathStyle::Windows), "net.cfg");
    EXPECT_EQ(FileNameOf("C:net.cfg", PathStyle::Windows), "net.cfg");
    EXPECT_EQ(FileNameOf("net.cfg", PathStyle::Windows), "net.cfg");
    EXPECT_EQ(FileNameOf("1:net.cfg", PathStyle::Windows), "1:net.cfg");
}

TEST(IsWindowsDeviceName, KnowsTheDevicesInEveryFolderAndWithAnyExtension)
{
    for (const char* device : {"NUL", "nul.cfg", "C:\\cfg\\Con.txt", "sub/aux", "COM1", "lpt9.x.y",
                               "PRN ", "nul .cfg", "COM\xC2\xB9", "conout$", "\\\\.\\pipe\\x",
                               "C:NUL"})
        EXPECT_TRUE(IsWindowsDeviceName(device)) << device;
    for (const char* file : {"null", "nul_.cfg", "COM10", "LPT", "CONFIG.CFG", "cfg\\nul\\x.cfg",
                             "console", "COMA", ""})
        EXPECT_FALSE(IsWindowsDeviceName(file)) << file;
}

} // namespace
} // namespace talvex
