#include "config/path_names.h"

#include <algorithm>
#include <array>
#include <string>

namespace talvex {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool IsNumberedPort(std::string_view stem)
{
    if (stem.size() < 4 || (stem.substr(0, 3) != "COM" && stem.substr(0, 3) != "LPT"))
        return false;
    const std::string_view number = stem.substr(3);
    // The superscripts one to three, as UTF-8.
    constexpr std::array<std::string_view, 3> SUPERSCRIPTS = {"\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9')
        || std::ranges::find(SUPERSCRIPTS, number) != SUPERSCRIPTS.end();
}

} // namespace

std::size_t FileNameStart(std::string_view path, PathStyle style)
{
    const std::size_t separator =
        path.find_last_of(style == PathStyle::Windows ? std::string_view("/\\") : "/");
    if (separator != std::string_view::npos)
        return separator + 1;
    const bool driveOnly =
        style == PathStyle::Windows && path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':';
    return driveOnly ? 2 : 0;
}

bool IsWindowsDeviceName(std::string_view path)
{
    if (path.starts_with("\\\\.\\") || path.starts_with("//./"))
        return true;
    const std::string_view name = path.substr(FileNameStart(path, PathStyle::Windows));
    std::string stem = UpperAscii(name.substr(0, name.find_first_of(".:")));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    constexpr std::array<std::string_view, 6> DEVICES = {"CON", "PRN", "AUX", "NUL", "CONIN$",
                                                         "CONOUT$"};
    return std::ranges::find(DEVICES, stem) != DEVICES.end() || IsNumberedPort(stem);
}

std::string SaveTemporaryName(std::string_view folder, std::uint64_t noise,
                              std::string_view letters)
{
    constexpr int NAME_LETTERS = 6;
    std::string name = std::string(folder) + ".talvex-save-";
    for (int i = 0; i < NAME_LETTERS; ++i) {
        name += letters[noise % letters.size()];
        noise /= letters.size();
    }
    return name;
}

} // namespace talvex
