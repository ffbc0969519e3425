#include "pages/rules/pattern_wizard.h"

#include "config/number_reads.h"
#include "config/number_texts.h"

namespace talvex {

namespace {

constexpr int MOST_LOADED_BYTES = DOTTED_HEX_MAX_BYTES - 1;

} // namespace

std::optional<LoadedPattern> ReadPatternTexts(const PatternTexts& given)
{
    LoadedPattern loaded;
    loaded.count = ParseDottedHex(given.data, loaded.data);
    const int maskCount = ParseDottedHex(given.mask, loaded.mask);
    const auto offset = ReadSignedDecimal(given.offset);
    if (loaded.count < 1 || loaded.count > MOST_LOADED_BYTES || !offset
        || maskCount != loaded.count)
        return std::nullopt;
    loaded.offset = static_cast<std::int32_t>(*offset);
    return loaded;
}

WizardOutput LoadFailureOutput(const PatternTexts& given)
{
    WizardOutput output;
    output.display.data = LOAD_FAILED_DATA_TEXT;
    output.display.mask = LOAD_FAILED_MASK_TEXT;
    output.results = given;
    output.okEnabled = true;
    return output;
}

WizardOutput PatternOutput(std::span<const std::uint8_t> data, std::span<const std::uint8_t> mask,
                           int length, int offset, int longest)
{
    WizardOutput output;
    output.generated = true;
    output.display.offset = DecimalText(offset);
    output.results.offset = output.display.offset;
    if (length <= 0) {
        output.display.data = NO_ITEMS_DATA_TEXT;
        output.display.mask = NO_ITEMS_MASK_TEXT;
    } else if (length > longest) {
        output.display.data = TOO_LONG_DATA_TEXT;
        output.display.mask = TOO_LONG_MASK_TEXT;
    } else {
        output.results.data = FormatDottedHex(data, length);
        output.results.mask = FormatDottedHex(mask, length);
        output.display.data = output.results.data;
        output.display.mask = output.results.mask;
    }
    output.okEnabled = !output.results.data.empty() && !output.results.mask.empty();
    return output;
}

} // namespace talvex
