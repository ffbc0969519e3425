#pragma once

#include "support/temp_dir.h"
#include "tabseed/entry_block.h"
#include "tabseed/entry_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tabseed::testing {

// Runs each test inside a fresh directory of its own, since the program
// takes its file names relative to the working directory (and upper-cased).
class InTempDirectory : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(directory_.path());
    }

    void TearDown() override { std::filesystem::current_path(previous_); }

private:
    talvex::testing::TempDir directory_;
    std::filesystem::path previous_;
};

inline std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string StreamText(std::FILE* stream)
{
    std::fflush(stream);
    std::rewind(stream);
    std::string text;
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0) {
        text.append(chunk, got);
    }
    return text;
}

// The entries a run from `seed` writes, made here in one piece.
inline std::string Entries(std::uint32_t seed, std::uint32_t count)
{
    std::vector<char> bytes(MaxBlockBytes(count) + 1);
    return std::string(bytes.data(), FormatEntryBlock(seed, 0, count, bytes.data()));
}

inline std::string Header()
{
    return std::string(FILE_HEADER);
}

} // namespace tabseed::testing
