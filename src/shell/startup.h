#pragma once
// The start-up of the manager up to the property sheet, apart from windows:
// reset, new or load, the damaged name, the run-time fields, and whether the
// old-format prompt is due.
#include <string>
#include <vector>

#include "config/open_config.h"
#include "config/records.h"

namespace talvex {

struct StartupState {
    std::string fileName;    // shown in the caption and written on save
    std::string loadedName;  // the file named on the command line, if any
    bool newFile = false;
    bool loadFailed = false;
    std::string loadFailure;  // why the load failed, for the record
    bool oldFormatPromptDue = false;
};

// Opens the named file, or a new image for an empty text (OpenConfig); the
// prompt's answer is ApplyOldFormatAnswer.
StartupState StartUp(ConfigImage& image, const std::string& commandLineText);

// The sheet's pages in their order; the two optional pages only while their
// block is present.
enum class PageKind { Rules, AddressMasks, PriorityQueue, Qos, Verify, Info };
std::vector<PageKind> SheetPages(const ConfigImage& image);

} // namespace talvex
