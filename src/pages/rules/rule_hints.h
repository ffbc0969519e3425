#pragma once
// The hint topics of the Rules page and the rule editor. Each starts with its
// title line, then an empty line, then paragraphs separated by empty lines.
#include <string_view>

namespace talvex {

constexpr std::string_view RULES_HINT =
    "Rules\r\n"
    "\r\n"
    "This is the list of rules.\r\n"
    "\r\n"
    "Rules can be added, edited or deleted by highlighting one and using the buttons below "
    "the list. Double-clicking a rule opens it in the rule editor.\r\n"
    "\r\n"
    "Each rule acts as an 'IF condition THEN action ELSE action' statement that identifies "
    "traffic by the content of the frame.\r\n"
    "\r\n"
    "Several rules can be executed in sequence to identify and group arbitrary traffic.";

constexpr std::string_view PATTERN_DATA_HINT =
    "Pattern Data\r\n"
    "\r\n"
    "The pattern the frame data is compared with, in dotted hexadecimal: two hexadecimal "
    "digits per byte, bytes separated by periods, for example 08.00.E6.D0.\r\n"
    "\r\n"
    "The pattern is used together with the Mask.\r\n"
    "\r\n"
    "Up to 16 bytes can be entered.";

constexpr std::string_view PATTERN_MASK_HINT =
    "Pattern Mask\r\n"
    "\r\n"
    "The mask applied before the comparison, in dotted hexadecimal. Bits set to 1 are "
    "tested, bits set to 0 are ignored. For example FF.FF.00.C3 tests the first two bytes "
    "completely, ignores the third byte, and tests only the two highest and the two lowest "
    "bits of the fourth byte.\r\n"
    "\r\n"
    "Up to 16 bytes can be entered.\r\n"
    "\r\n"
    "The default mask is all FF; it is placed automatically when this field is left empty.\r\n"
    "\r\n"
    "The mask must have the same size as the pattern data, otherwise the dialog cannot be "
    "dismissed.";

constexpr std::string_view OPERATOR_HINT =
    "Comparison Operation\r\n"
    "\r\n"
    "The comparison reads: frame data, operator, pattern data.\r\n"
    "\r\n"
    "== the frame data equals the pattern.\r\n"
    "> the frame data is greater than the pattern.\r\n"
    "< the frame data is less than the pattern.\r\n"
    "<> the frame data differs from the pattern.\r\n"
    ">= the frame data is greater than or equal to the pattern.\r\n"
    "=< the frame data is less than or equal to the pattern.\r\n"
    "\r\n"
    "The inequalities compare numeric magnitude when the frame data holds its most "
    "significant byte first.\r\n"
    "\r\n"
    "The mask is applied to both the frame data and the pattern before they are compared.\r\n"
    "\r\n"
    "$ is not implemented.";

constexpr std::string_view OFFSET_BASE_HINT =
    "Offset Type ( From )\r\n"
    "\r\n"
    "Where the offset counts from:\r\n"
    "\r\n"
    "RAW: the first byte of the raw frame.\r\n"
    "D-MAC: the destination MAC address.\r\n"
    "S-MAC: the source MAC address.\r\n"
    "FRAME: the first byte after the source MAC address.\r\n"
    "FRAGS: the first byte that does not depend on the frame encapsulation, typically the "
    "protocol payload.\r\n"
    "ECB: the first byte of the ECB, an internal NetWare data structure.\r\n"
    "\r\n"
    "The other types are not implemented and behave as RAW.\r\n"
    "\r\n"
    "RAW, S-MAC and D-MAC make the engine build the frame headers of sent frames, which "
    "costs time.";

constexpr std::string_view OFFSET_HINT =
    "Offset Value\r\n"
    "\r\n"
    "The offset of the compared frame data from the selected offset type, an integer from "
    "0 to 255.\r\n"
    "\r\n"
    "For example RAW 6 in an Ethernet frame is the source MAC address, the same as S-MAC 0.\r\n"
    "\r\n"
    "Negative offsets are not supported.";

// What every action does; the Then and Else topics share it.
#define RULE_ACTIONS_EXPLAINED \
    "Delay Frame: holds the frame for the parameter in units of 10 microseconds.\r\n" \
    "Drop Frame: the frame is not delivered.\r\n" \
    "Forward Frame: the frame is processed no further and passed on.\r\n" \
    "Address Mask: directs the frame to the address mask given as parameter.\r\n" \
    "Next Rule: continues with the next rule, which must be defined.\r\n" \
    "Next Sequence: not implemented.\r\n" \
    "QoS: the QoS node given as parameter manages the frame.\r\n" \
    "Goto Rule: continues with the rule given as parameter.\r\n" \
    "Goto Sequence: not implemented; the parameter is a rule number."

constexpr std::string_view THEN_ACTION_HINT =
    "Then Action\r\n"
    "\r\n"
    "The action taken when the condition holds.\r\n"
    "\r\n"
    RULE_ACTIONS_EXPLAINED;

constexpr std::string_view ELSE_ACTION_HINT =
    "Else Action\r\n"
    "\r\n"
    "The action taken when the condition fails.\r\n"
    "\r\n"
    RULE_ACTIONS_EXPLAINED;

constexpr std::string_view THEN_PARAM_HINT =
    "Then Parameter\r\n"
    "\r\n"
    "The parameter of the Then action. Its meaning and range depend on the action selected: "
    "a rule, QoS node, address mask or priority queue number, a delay, or a TOS or DiffServ "
    "value.";

constexpr std::string_view ELSE_PARAM_HINT =
    "Else Parameter\r\n"
    "\r\n"
    "The parameter of the Else action. Its meaning and range depend on the action selected: "
    "a rule, QoS node, address mask or priority queue number, a delay, or a TOS or DiffServ "
    "value.";

constexpr std::string_view LENGTH_HINT =
    "Frame Data Langth\r\n"
    "\r\n"
    "Set automatically to the length of the pattern; there is no need to change it.\r\n"
    "\r\n"
    "It is reserved for substring comparisons.";

constexpr std::string_view RULE_TYPE_HINT =
    "Rule Type\r\n"
    "\r\n"
    "This field is not implemented.\r\n"
    "\r\n"
    "Leave it set to the default value.";

constexpr std::string_view CONDITION_HINT =
    "Rule Operation\r\n"
    "\r\n"
    "This field is not implemented.\r\n"
    "\r\n"
    "Leave it set to the default value.";

#undef RULE_ACTIONS_EXPLAINED

} // namespace talvex
