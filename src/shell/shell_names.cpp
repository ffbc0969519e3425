#include "shell/shell_names.h"

namespace talvex {

std::string CommandLineText(const std::vector<std::string>& arguments)
{
    std::string text;
    for (const std::string& argument : arguments) {
        if (!text.empty())
            text += ' ';
        text += argument;
    }
    return text;
}

std::string DamagedName(const std::string& fileName)
{
    const auto slash = fileName.find_last_of('/');
    if (slash == std::string::npos)
        return DAMAGED_PREFIX + fileName;
    return fileName.substr(0, slash + 1) + DAMAGED_PREFIX + fileName.substr(slash + 1);
}

std::string SheetCaption(const std::string& fileName)
{
    return "TALVEX Manager - \"" + fileName + "\"";
}

} // namespace talvex
