#include "shell/startup.h"

#include "config/config_file.h"
#include "shell/shell_names.h"

namespace talvex {

StartupState StartUp(ConfigImage& image, const std::string& commandLineText)
{
    StartupState state;
    ResetTables(image);
    if (commandLineText.empty()) {
        state.fileName = NEW_FILE_NAME;
        state.newFile = true;
        image.masksBlockAbsent = false;
        image.priQBlockAbsent = false;
    } else {
        state.fileName = commandLineText;
        state.loadedName = commandLineText;
        if (!LoadConfig(image, commandLineText, &state.loadFailure)) {
            state.loadFailed = true;
            state.fileName = DamagedName(commandLineText);
        }
    }
    ClearRuntimeFields(image);
    state.oldFormatPromptDue =
        !state.newFile && (image.masksBlockAbsent || image.priQBlockAbsent);
    return state;
}

void ApplyOldFormatAnswer(ConfigImage& image, OldFormatAnswer answer)
{
    if (answer == OldFormatAnswer::Extend) {
        image.masksBlockAbsent = false;
        image.priQBlockAbsent = false;
    }
}

std::vector<PageKind> SheetPages(const ConfigImage& image)
{
    std::vector<PageKind> pages{PageKind::Rules};
    if (!image.masksBlockAbsent)
        pages.push_back(PageKind::AddressMasks);
    if (!image.priQBlockAbsent)
        pages.push_back(PageKind::PriorityQueue);
    pages.insert(pages.end(), {PageKind::Qos, PageKind::Verify, PageKind::Info});
    return pages;
}

} // namespace talvex
