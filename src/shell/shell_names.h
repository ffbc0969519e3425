#pragma once
// The names the shell gives the image: the command-line text, the name of a
// new image, the name a damaged file is saved under, and the sheet caption.
#include <string>
#include <vector>

namespace talvex {

constexpr const char* NEW_FILE_NAME = "New TALVEX.CFG";
constexpr const char* DAMAGED_PREFIX = "Damaged ";

// The whole text after the program name: the arguments joined with single
// spaces, so `talvexmgr my net.cfg` names "my net.cfg".
std::string CommandLineText(const std::vector<std::string>& arguments);

// "Damaged " before the file's own name, in the same directory:
// "/srv/cfg/net.cfg" gives "/srv/cfg/Damaged net.cfg", "net.cfg" gives
// "Damaged net.cfg"; on Windows also "C:\cfg\Damaged net.cfg" and
// "C:Damaged net.cfg".
std::string DamagedName(const std::string& fileName);

// TALVEX Manager - "NAME"
std::string SheetCaption(const std::string& fileName);

} // namespace talvex
