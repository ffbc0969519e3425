#pragma once
// The texts of the shell's own questions and messages: leaving with changes,
// a save that failed, and a named file that could not be loaded.
#include <string>

namespace talvex {

constexpr const char* DISCARD_BUTTON = "Discard";
constexpr const char* CANCEL_BUTTON = "Cancel";
constexpr const char* SAVE_AS_BUTTON = "Save As...";
constexpr const char* SAVE_AS_TITLE = "Save the Configuration As";

// "Discard the changes to NAME?"
std::string DiscardQuestion(const std::string& fileName);

// Why the save to `target` failed, and the two ways on: another name, or back
// to the sheet.
std::string SaveFailedMessage(const std::string& target, const std::string& reason);

// The named file, why it did not load (the reason as talvexcfg prints it),
// and where a save will write instead.
std::string DamagedFileMessage(const std::string& loadedName, const std::string& reason,
                               const std::string& savePath);

} // namespace talvex
