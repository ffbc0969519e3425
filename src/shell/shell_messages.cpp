#include "shell/shell_messages.h"

namespace talvex {

std::string DiscardQuestion(const std::string& fileName)
{
    return "Discard the changes to " + fileName + "?";
}

std::string SaveFailedMessage(const std::string& target, const std::string& reason)
{
    return "The configuration could not be saved to \"" + target + "\": " + reason
        + ".\n\nNothing was written there. Choose \"" + SAVE_AS_BUTTON
        + "\" to save the configuration under another name, or \"" + CANCEL_BUTTON
        + "\" to return to it.";
}

std::string DamagedFileMessage(const std::string& loadedName, const std::string& reason,
                               const std::string& savePath)
{
    return "\"" + loadedName + "\" could not be loaded: " + reason
        + ".\n\nThe pages show what could be read. Saving writes the configuration beside it, "
          "to \"" + savePath + "\"; \"" + loadedName + "\" itself is not changed.";
}

} // namespace talvex
