// The two pattern wizards opened on arbitrary data, mask and offset texts,
// and generating from arbitrary boxes and field texts. Whatever they are
// given, what they show and return must be consistent: OK enabled exactly
// when there is something to return, data and mask of one length, and every
// pattern they return loads again, as the same texts, when the wizard is
// reopened on it.
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "config/code_tables.h"
#include "config/dotted_hex.h"
#include "config/number_reads.h"
#include "fuzz_checks.h"
#include "pages/rules/ecb_wizard.h"
#include "pages/rules/ip_wizard.h"
#include "pages/rules/pattern_wizard.h"

namespace talvex::fuzz {
namespace {

constexpr std::size_t MAX_TEXT = 80;

int DottedCount(const std::string& text)
{
    Bytes<DOTTED_HEX_MAX_BYTES> bytes{};
    const int count = ParseDottedHex(text, bytes);
    Expect(FormatDottedHex(bytes, count) == text, "a returned pattern is in canonical form");
    return count;
}

// What holds for the output of every generation.
void ExpectGenerated(const WizardOutput& out)
{
    Expect(out.display.offset == out.results.offset, "the offset display shows the result");
    Expect(ReadSignedDecimal(out.results.offset).has_value(), "the offset is a number");
    Expect(out.okEnabled == (!out.results.data.empty() && !out.results.mask.empty()),
           "OK is enabled exactly when there is a pattern");
    if (!out.okEnabled) {
        Expect(out.results.data.empty() && out.results.mask.empty(),
               "no half pattern is returned");
        return;
    }
    const int count = DottedCount(out.results.data);
    Expect(count >= 1 && count <= DOTTED_HEX_MAX_BYTES, "a pattern of 1 to 16 bytes");
    Expect(DottedCount(out.results.mask) == count, "data and mask of the same length");
    Expect(out.display.data == out.results.data && out.display.mask == out.results.mask,
           "the displays show the results");
}

void ExpectLoadFailure(const WizardOutput& out, const PatternTexts& given)
{
    Expect(out.display.data == LOAD_FAILED_DATA_TEXT && out.display.mask == LOAD_FAILED_MASK_TEXT,
           "a failed load shows the two failure texts");
    Expect(out.results == given, "a failed load returns the given texts");
}

// A returned pattern of up to 15 bytes loads when the wizard is reopened.
template <typename Open>
void ExpectReopens(const WizardOutput& out, Open open)
{
    if (!out.okEnabled)
        return;
    Bytes<DOTTED_HEX_MAX_BYTES> bytes{};
    if (ParseDottedHex(out.results.data, bytes) >= DOTTED_HEX_MAX_BYTES)
        return;
    const auto again = open(out.results);
    Expect(again.loaded, "a pattern the wizard returned loads again");
    ExpectGenerated(again.output);
    // A pattern can only come back as it went when every byte it tests was
    // generated from a value the wizard could read.
    Expect(again.output.results == out.results, "a returned pattern reopens to the same texts");
}

void IpWizard(FuzzedDataProvider& input, const PatternTexts& given)
{
    const IpWizardState state = OpenIpWizard(given);
    if (state.loaded) {
        ExpectGenerated(state.output);
        ExpectReopens(state.output, OpenIpWizard);
    } else {
        ExpectLoadFailure(state.output, given);
    }

    IpWizardFields fields = state.fields;
    for (int f = 0; f < IP_FIELD_COUNT; ++f) {
        const auto i = static_cast<std::size_t>(f);
        if (input.ConsumeBool())
            fields.checked[i] = !fields.checked[i];
        if (input.ConsumeBool())
            fields.texts[i] = input.ConsumeRandomLengthString(MAX_TEXT);
    }
    const WizardOutput generated = GenerateIpPattern(fields);
    ExpectGenerated(generated);
    ExpectReopens(generated, OpenIpWizard);
}

void EcbWizard(FuzzedDataProvider& input, const PatternTexts& given)
{
    const EcbWizardState state = OpenEcbWizard(given);
    if (state.loaded) {
        ExpectGenerated(state.output);
        ExpectReopens(state.output, OpenEcbWizard);
    } else {
        ExpectLoadFailure(state.output, given);
    }
    Expect(LookupCodeEntry(ProtocolIdTable(), state.fields.protocol) != nullptr,
           "the ECB wizard always selects a row of its table");

    EcbWizardFields fields = state.fields;
    fields.checked = input.ConsumeBool();
    const auto rows = ProtocolIdTable();
    fields.protocol = rows[input.ConsumeIntegralInRange<std::size_t>(0, rows.size() - 2)].code;
    const WizardOutput generated = GenerateEcbPattern(fields);
    ExpectGenerated(generated);
    if (fields.checked) {
        Expect(generated.results.offset == "16" && generated.results.mask == "FF.FF.FF.FF.FF.FF",
               "the protocol identifier is tested at 16 with a full mask");
        const EcbWizardState again = OpenEcbWizard(generated.results);
        Expect(again.loaded && again.fields.checked && again.fields.protocol == fields.protocol,
               "the ECB wizard reads back the protocol it generated");
    }
}

} // namespace
} // namespace talvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace talvex;
    using namespace talvex::fuzz;
    FuzzedDataProvider input(data, size);
    const bool ip = input.ConsumeBool();
    PatternTexts given;
    given.data = input.ConsumeRandomLengthString(MAX_TEXT);
    given.mask = input.ConsumeRandomLengthString(MAX_TEXT);
    given.offset = input.ConsumeRandomLengthString(MAX_TEXT);
    if (ip)
        IpWizard(input, given);
    else
        EcbWizard(input, given);
    return 0;
}
