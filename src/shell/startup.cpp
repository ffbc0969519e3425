#include "shell/startup.h"

#include <optional>
#include <utility>

#include "shell/shell_names.h"

namespace talvex {

StartupState StartUp(ConfigImage& image, const std::string& commandLineText)
{
    StartupState state;
    state.newFile = commandLineText.empty();
    std::optional<std::string> fileName;
    if (!state.newFile) {
        fileName = commandLineText;
        state.loadedName = commandLineText;
    }
    OpenedConfig opened = OpenConfig(image, fileName);
    state.fileName = state.newFile ? NEW_FILE_NAME : commandLineText;
    if (!opened.loaded) {
        state.loadFailed = true;
        state.loadFailure = std::move(opened.loadFailure);
        state.fileName = DamagedName(commandLineText);
    }
    state.oldFormatPromptDue = opened.oldFormatPromptDue;
    return state;
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
