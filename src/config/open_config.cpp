#include "config/open_config.h"

#include <utility>

#include "config/config_file.h"

namespace talvex {

OpenedConfig OpenConfig(ConfigImage& image, const std::optional<std::string>& fileName)
{
    if (fileName)
        return OpenConfig(image, ReadConfigFile(*fileName, InputKind::File));
    ResetTables(image);
    image.masksBlockAbsent = false;
    image.priQBlockAbsent = false;
    ClearRuntimeFields(image);
    return {};
}

OpenedConfig OpenConfig(ConfigImage& image, const ConfigInput& input)
{
    OpenedConfig opened;
    ResetTables(image);
    Failure failure;
    if (!LoadConfigInput(image, input, &failure))
        opened.loadFailure = std::move(failure);
    opened.oldFormatPromptDue = image.masksBlockAbsent || image.priQBlockAbsent;
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
