#pragma once
// The start-up of the manager up to the property sheet, apart from windows:
// reset, new or load, the damaged name, the run-time fields, and whether the
// old-format prompt is due.
#include <optional>
#include <string>
#include <vector>

#include "config/open_config.h"
#include "config/records.h"
#include "config/table_kind.h"

namespace talvex {

struct StartupState {
    std::string fileName;    // shown in the caption and written on save
    std::string loadedName;  // the file named on the command line, if any
    bool newFile = false;
    std::optional<Failure> loadFailure;  // set when the load failed
    bool oldFormatPromptDue = false;
};

// Opens the named file, or a new image for an empty text (OpenConfig); the
// prompt's answer is ApplyOldFormatAnswer.
StartupState StartUp(ConfigImage& image, const std::string& commandLineText);

// The tables whose pages the sheet shows, in their order: the address masks
// and the priority queues only while their block is present. The Verify and
// Info pages always follow them.
std::vector<TableKind> SheetTables(const ConfigImage& image);

} // namespace talvex
