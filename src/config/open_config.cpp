#include "config/open_config.h"

#include <utility>

#include "config/config_file.h"

namespace talvex {

OpenedConfig OpenConfig(ConfigImage& image, const std::optional<std::string>& fileName)
{
    OpenedConfig opened;
    ResetTables(image);
    if (fileName) {
        Failure failure;
        if (!LoadConfig(image, *fileName, &failure))
            opened.loadFailure = std::move(failure);
        opened.oldFormatPromptDue = image.masksBlockAbsent || image.priQBlockAbsent;
    } else {
        image.masksBlockAbsent = false;
        image.priQBlockAbsent = false;
    }
    ClearRuntimeFields(image);
    return opened;
}

void ApplyOldFormatAnswer(ConfigImage& image, OldFormatAnswer answer)
{
    if (answer == OldFormatAnswer::Extend) {
        image.masksBlockAbsent = false;
        image.priQBlockAbsent = false;
    }
}

} // namespace talvex
