#pragma once
// What the two pattern wizards share: the three texts they exchange with the
// rule editor, the reading of those texts when a wizard opens, and the texts
// a wizard shows and returns for a generated pattern.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "config/dotted_hex.h"
#include "config/records.h"

namespace talvex {

// The rule editor's pattern data, Mask and Offset texts.
struct PatternTexts {
    std::string data;
    std::string mask;
    std::string offset;
    bool operator==(const PatternTexts&) const = default;
};

// The wizard's three read-only displays.
struct WizardDisplay {
    std::string offset;
    std::string data;
    std::string mask;
    bool operator==(const WizardDisplay&) const = default;
};

// Everything a wizard shows and returns after a load or a generation.
struct WizardOutput {
    WizardDisplay display;
    PatternTexts results;
    bool okEnabled = false;
    // The results are a pattern the wizard generated, not the texts it was
    // handed: only then does the rule editor take the wizard's offset base.
    bool generated = false;
};

constexpr std::string_view NO_ITEMS_DATA_TEXT = "Use CheckBoxes To Select Items To Test.";
constexpr std::string_view NO_ITEMS_MASK_TEXT = "Enter Data To Match In The Data Fields.";
constexpr std::string_view TOO_LONG_DATA_TEXT = "Compare Too Long!  Select Less Items.";
constexpr std::string_view TOO_LONG_MASK_TEXT = "Or Use Two Rules To Test All Of Them.";
constexpr std::string_view LOAD_FAILED_DATA_TEXT = "Could Not Parse Current Mask Data From Rule.";
constexpr std::string_view LOAD_FAILED_MASK_TEXT = "It May Not Be Properly Formatted Or Was Empty.";

// The texts handed to a wizard, read back into bytes.
struct LoadedPattern {
    Bytes<DOTTED_HEX_MAX_BYTES> data{};
    Bytes<DOTTED_HEX_MAX_BYTES> mask{};
    int count = 0;            // 1 to 15
    std::int64_t offset = 0;  // the position of the first byte
};

// Succeeds only when the data text gives 1 to 15 bytes, the offset text a
// decimal number (optionally signed), and the mask text as many bytes as the
// data text.
std::optional<LoadedPattern> ReadPatternTexts(const PatternTexts& given);

// After a failed load: the two failure texts are shown, and OK returns the
// texts that were handed over, unchanged.
WizardOutput LoadFailureOutput(const PatternTexts& given);

// What a wizard shows when it opens on the rule editor's texts.
template <typename Fields>
struct WizardState {
    bool loaded = false;  // the texts read as a pattern
    Fields fields;
    WizardOutput output;
};

// Opening a wizard: the load of the given texts, then, when it succeeds, the
// wizard's fields read off the pattern and a generation from them. A failed
// load leaves the fields as they start and shows the load-failure texts.
template <typename Fields, typename Read, typename Generate>
WizardState<Fields> OpenWizard(const PatternTexts& given, Read read, Generate generate)
{
    WizardState<Fields> state;
    const std::optional<LoadedPattern> pattern = ReadPatternTexts(given);
    if (!pattern) {
        state.output = LoadFailureOutput(given);
        return state;
    }
    state.loaded = true;
    state.fields = read(*pattern);
    state.output = generate(state.fields);
    return state;
}

// The output for a generated pattern of `length` bytes at `offset`: no bytes
// and more than `longest` bytes give the two texts for those cases and empty
// results (OK disabled); otherwise the dotted texts are shown and returned.
WizardOutput PatternOutput(std::span<const std::uint8_t> data, std::span<const std::uint8_t> mask,
                           int length, int offset, int longest = DOTTED_HEX_MAX_BYTES);

} // namespace talvex
