#pragma once

#include <string>
#include <string_view>

// The texts written to standard error, byte for byte with their line breaks.
namespace tabseed::messages {

// How a failed write names standard output.
inline constexpr std::string_view STANDARD_OUTPUT_NAME = "STDOUT";

std::string CountOutOfRange(std::string_view argument);
std::string InvalidOption(std::string_view argument); // with the usage line
std::string CouldNotOpen(std::string_view fileName);
std::string AddingTo(std::string_view fileName);
std::string CouldNotWrite(std::string_view outputName);

} // namespace tabseed::messages
