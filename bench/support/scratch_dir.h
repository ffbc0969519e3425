#pragma once
// A fresh directory under the temporary directory (TMPDIR when set), removed
// with its content when the object ends.
#include <filesystem>
#include <string>

namespace talvex::bench {

class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

} // namespace talvex::bench
