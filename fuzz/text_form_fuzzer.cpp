// Arbitrary text given to `talvexcfg import`. The reader either refuses it,
// every failure naming a line the text has, a column of that line and a
// reason, or takes it; then the image's text reads back to the same bytes
// and the same text, also once the pages derived their fields (which the text
// then leaves out, where it gave them before), and the file it saves loads
// back, run-time clear included, to the bytes it saved. Cut at its first NUL
// byte, the input is a base and a site read in that order; the site's image
// written over the base reads back over the base to the same bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "config/config_file.h"
#include "fuzz_checks.h"
#include "tables/config_tables.h"
#include "textform/text_form.h"

namespace talvex::fuzz {
namespace {

using textform::TextImport;

// Whether the failures name real places of the text: a line it has, a
// column of that line or just after its end.
bool NamesPlacesOf(std::string_view text, const std::vector<Failure>& failures)
{
    std::vector<std::size_t> lengths;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lengths.push_back(end - start);
        start = end + 1;
    }
    return std::ranges::all_of(failures, [&](const Failure& f) {
        return !f.reason.empty() && f.line >= 1 && f.line <= static_cast<int>(lengths.size())
            && f.column >= 1
            && f.column <= static_cast<int>(lengths[static_cast<std::size_t>(f.line - 1)]) + 1;
    });
}

// Reads the texts in order; false, after checking what they say is wrong.
bool ReadTexts(std::initializer_list<std::string_view> texts, TextImport& import)
{
    for (const std::string_view text : texts) {
        std::vector<Failure> failures;
        if (!import.read(text, failures)) {
            Expect(!failures.empty() && failures.size() <= textform::MAX_TEXT_FAILURES + 1,
                   "a refusal says why, at most the last reported failure and one");
            Expect(NamesPlacesOf(text, failures), "a refusal names a line and a column");
            return false;
        }
    }
    return true;
}

// The configuration of texts the writer wrote, which must read back.
std::unique_ptr<ConfigImage> ReadBack(std::initializer_list<std::string_view> texts)
{
    TextImport import(ConfigTables());
    Expect(ReadTexts(texts, import), "a written text reads back, over its base if any");
    auto image = std::make_unique<ConfigImage>();
    import.finish(*image);
    return image;
}

// The image's text reads back to its bytes and is written again unchanged.
void ExpectRoundTrip(const ConfigImage& image)
{
    const std::string written = textform::WriteConfigText(image, ConfigTables());
    const auto again = ReadBack({written});
    Expect(ConfigFileBytes(*again) == ConfigFileBytes(image),
           "a written text reads back to the same bytes");
    Expect(textform::WriteConfigText(*again, ConfigTables()) == written,
           "a written text is written again unchanged");
}

void ReadText(std::string_view text)
{
    const std::size_t cut = text.find('\0');
    TextImport import(ConfigTables());
    auto image = std::make_unique<ConfigImage>();
    if (cut != std::string_view::npos) {
        const std::string_view base = text.substr(0, cut);
        TextImport baseOnly(ConfigTables());
        if (!ReadTexts({base}, baseOnly) || !ReadTexts({base, text.substr(cut + 1)}, import))
            return;
        import.finish(*image);
        const std::string site = textform::WriteConfigText(*image, ConfigTables(), &baseOnly);
        Expect(ConfigFileBytes(*ReadBack({base, site})) == ConfigFileBytes(*image),
               "a text written over its base reads over it to the same bytes");
        return;
    }
    if (!ReadTexts({text}, import))
        return;
    import.finish(*image);
    ExpectRoundTrip(*image);
    // As the manager saves it after opening its pages.
    auto saved = std::make_unique<ConfigImage>(*image);
    DeriveAsPagesOpen(*saved);
    ExpectRoundTrip(*saved);

    const auto bytes = ConfigFileBytes(*image);
    auto loaded = std::make_unique<ConfigImage>();
    ResetTables(*loaded);
    Expect(LoadConfigBytes(*loaded, bytes), "an imported file loads");
    ClearRuntimeFields(*loaded);
    Expect(ConfigFileBytes(*loaded) == bytes, "an imported file loads as it was written");
}

} // namespace
} // namespace talvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    talvex::fuzz::ReadText(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
