#pragma once
// The fixed texts of the shell's own windows.

namespace talvex {

constexpr const char* HINTS_WINDOW_TITLE = "Talvex Config Tool Hints";

constexpr const char* PRODUCT_BANNER =
    "Zorvanthis TSE Beta 1\r\n"
    "\r\n"
    "TALVEX Traffic Shaping Engine configuration manager.\r\n"
    "\r\n"
    "Move through the pages and their fields; this window explains each one as it gets the "
    "focus.";

constexpr const char* OLD_FORMAT_TITLE = "Config Tool - Old Config File Info";
constexpr const char* OLD_FORMAT_TEXT_1 =
    "This config file appears to be for an older version of the TSE.";
constexpr const char* OLD_FORMAT_TEXT_2 =
    "Config files are forwards and backwards compatible between the Beta 1 and Beta 2 NLM.   "
    "Beta 1 will ignore extended configuration info in a Beta 2 config file.  This version of "
    "the config tool can edit both.";
constexpr const char* OLD_FORMAT_TEXT_3 =
    "Select \"Retain...\" to edit and save the config file in the Beta 1 format.   Choose "
    "\"Extend...\" to edit and save the config file with the Beta 2 format.   No changes are "
    "made to the config file untill you save your changes.";
constexpr const char* RETAIN_OLD_FORMAT = "Retain Old Format";
constexpr const char* EXTEND_TO_NEW_FORMAT = "Extend To New Format";

constexpr const char* INFO_PRODUCT_TEXT =
    "Zorvanthis Config Tool\n"
    "~~~~~~~~~~~~~~~~~~~~~~\n"
    "(For TALVEX.NLM 0.93c)\n"
    "\n"
    "Zorvanthis Networks\n"
    "Technical support: support@zorvanthis.example\n"
    "Telephone: +1 555 0100";

} // namespace talvex
