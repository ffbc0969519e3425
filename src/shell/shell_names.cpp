#include "shell/shell_names.h"

#include "config/path_names.h"

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
    const std::size_t start = FileNameStart(fileName);
    return fileName.substr(0, start) + DAMAGED_PREFIX + fileName.substr(start);
}

std::string SheetCaption(const std::string& fileName)
{
    return "TALVEX Manager - \"" + fileName + "\"";
}

} // namespace talvex
