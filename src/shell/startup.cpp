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
    if (opened.loadFailure) {
        state.loadFailure = std::move(opened.loadFailure);
        state.fileName = DamagedName(commandLineText);
    }
    state.oldFormatPromptDue = opened.oldFormatPromptDue;
    return state;
}

std::vector<TableKind> SheetTables(const ConfigImage& image)
{
    std::vector<TableKind> tables{TableKind::Rules};
    if (!image.masksBlockAbsent)
        tables.push_back(TableKind::Masks);
    if (!image.priQBlockAbsent)
        tables.push_back(TableKind::PriQ);
    tables.push_back(TableKind::Qos);
    return tables;
}

} // namespace talvex
