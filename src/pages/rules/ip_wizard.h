#pragma once
// The IP wizard apart from its widgets: seven IPv4/TCP/UDP header fields,
// each with a box that says whether it is tested, turned into a rule's
// offset, dotted pattern and mask (counted from the start of the IP header),
// and read back from them when the wizard opens.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "pages/rules/pattern_wizard.h"

namespace talvex {

enum class IpFieldKind { Number, Address };

struct IpFieldRow {
    std::string_view label;
    int headerPosition;   // position of the field's first byte in the header
    int size;             // bytes of the field
    int filler;           // untested header bytes that follow it
    IpFieldKind kind;
    std::uint32_t maximum;  // numbers: accepted 0 to maximum
};

constexpr int IP_FIELD_COUNT = 7;
enum IpField : int { IP_TOS, IP_LENGTH, IP_PROTOCOL, IP_SOURCE, IP_DEST, IP_SOURCE_PORT,
                     IP_DEST_PORT };

// The seven fields in header order.
std::span<const IpFieldRow, IP_FIELD_COUNT> IpFieldRows();

struct IpWizardFields {
    std::array<bool, IP_FIELD_COUNT> checked{};
    std::array<std::string, IP_FIELD_COUNT> texts;
};

// Boxes and field texts to offset, pattern, displays and OK. A checked field
// whose text is no accepted value shows as zero data under a zero mask, and
// keeps OK disabled (with empty results) until it is corrected or cleared.
WizardOutput GenerateIpPattern(const IpWizardFields& fields);

using IpWizardState = WizardState<IpWizardFields>;

// Opening the wizard on the editor's texts (OpenWizard): the boxes and texts
// read off the pattern. A failed load leaves every box cleared and shows the
// load-failure texts; OK then returns the given texts unchanged.
IpWizardState OpenIpWizard(const PatternTexts& given);

} // namespace talvex
