#pragma once
// talvexmgr --help and talvexmgr --version: the two command lines the manager
// answers on standard output, before any window, instead of opening a file.
#include <optional>
#include <string>

namespace talvex {

// The text to print when the whole command-line text is exactly "--help" or
// "--version"; nothing for any other text, which names the file to open
// (`talvexmgr ./--help` opens the file "--help").
std::optional<std::string> CommandLineAnswer(const std::string& commandLineText,
                                             const std::string& version);

} // namespace talvex
