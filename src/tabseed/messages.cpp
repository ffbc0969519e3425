#include "tabseed/messages.h"

namespace tabseed::messages {

namespace {

std::string Join(std::string_view before, std::string_view middle, std::string_view after)
{
    std::string text;
    text.reserve(before.size() + middle.size() + after.size());
    text.append(before).append(middle).append(after);
    return text;
}

} // namespace

std::string CountOutOfRange(std::string_view argument)
{
    return Join("\r\nTABSEED - \"", argument, "\" should be between 0 and 1000000");
}

std::string InvalidOption(std::string_view argument)
{
    return Join("\r\nTABSEED - Invalid command line option \"", argument,
                "\" specified\r\n          Usage: TABSEED -COUNT=n -FILE=output.fil");
}

std::string CouldNotOpen(std::string_view fileName)
{
    return Join("\nTABSEED - Could Not Open ", fileName, " ");
}

std::string AddingTo(std::string_view fileName)
{
    return Join("\nTALVEX - Export Process Is Adding To ", fileName, " ");
}

std::string CouldNotWrite(std::string_view outputName)
{
    return Join("\nTABSEED - Could Not Write ", outputName, " ");
}

} // namespace tabseed::messages
