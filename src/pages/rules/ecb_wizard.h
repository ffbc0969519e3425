#pragma once
// The ECB wizard apart from its widgets: the choice of one frame protocol
// turned into the six-byte test of the protocol identifier at offset 16 of
// the ECB, and read back from a rule's texts when the wizard opens.
#include <cstdint>

#include "pages/rules/pattern_wizard.h"

namespace talvex {

constexpr int ECB_PROTOCOL_ID_POSITION = 16;
constexpr int ECB_PROTOCOL_ID_SIZE = 6;

struct EcbWizardFields {
    bool checked = false;    // "Protocol ID"
    std::uint32_t protocol;  // ProtocolIdTable code
    EcbWizardFields();       // the table's first row, box cleared
};

// Box and protocol to offset, pattern, displays and OK.
WizardOutput GenerateEcbPattern(const EcbWizardFields& fields);

using EcbWizardState = WizardState<EcbWizardFields>;

// Opening the wizard on the editor's texts (OpenWizard): the box and the
// protocol read off a six-byte test at offset 16; a failed load shows the
// load-failure texts and OK returns the given texts unchanged.
EcbWizardState OpenEcbWizard(const PatternTexts& given);

} // namespace talvex
