#include "pages/rules/ecb_wizard.h"

#include <array>

#include "config/code_tables.h"

namespace talvex {

EcbWizardFields::EcbWizardFields() : protocol(ProtocolIdTable().front().code) {}

WizardOutput GenerateEcbPattern(const EcbWizardFields& fields)
{
    std::array<std::uint8_t, ECB_PROTOCOL_ID_SIZE> data{};
    std::array<std::uint8_t, ECB_PROTOCOL_ID_SIZE> mask{};
    if (!fields.checked)
        return PatternOutput(data, mask, 0, 0);
    // Two zero bytes, then the code as a 32-bit big-endian value.
    for (int i = 0; i < 4; ++i)
        data[static_cast<std::size_t>(2 + i)] =
            static_cast<std::uint8_t>(fields.protocol >> (8 * (3 - i)));
    mask.fill(0xFF);
    return PatternOutput(data, mask, ECB_PROTOCOL_ID_SIZE, ECB_PROTOCOL_ID_POSITION);
}

namespace {

// The box and the protocol of the first six-byte test at offset 16 whose
// code has a row; the fields as they start without one.
EcbWizardFields ReadEcbPattern(const LoadedPattern& pattern)
{
    EcbWizardFields fields;
    std::int64_t position = pattern.offset;
    int index = 0;
    while (index < pattern.count) {
        if (position == ECB_PROTOCOL_ID_POSITION
            && pattern.count - index >= ECB_PROTOCOL_ID_SIZE) {
            // Bytes 2 to 5 of the six are the code; bytes 0 and 1 are not read.
            std::uint32_t code = 0;
            for (int i = 2; i < ECB_PROTOCOL_ID_SIZE; ++i)
                code = (code << 8) | pattern.data[static_cast<std::size_t>(index + i)];
            if (LookupCodeEntry(ProtocolIdTable(), code) != nullptr)
                fields.protocol = code;
            fields.checked = pattern.mask[static_cast<std::size_t>(index)] != 0;
            position += ECB_PROTOCOL_ID_SIZE;
            index += ECB_PROTOCOL_ID_SIZE;
        } else {
            ++position;
            ++index;
        }
    }
    return fields;
}

} // namespace

EcbWizardState OpenEcbWizard(const PatternTexts& given)
{
    return OpenWizard<EcbWizardFields>(given, ReadEcbPattern, GenerateEcbPattern);
}

} // namespace talvex
