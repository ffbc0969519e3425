// Arbitrary text given to `talvexcfg import`. The reader either refuses it
// with the number of a line the text has and a reason, or takes it; then the
// image's text reads back to the same bytes and the same text, and the file
// it saves loads back, run-time clear included, to the bytes it saved.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "config/config_file.h"
#include "fuzz_checks.h"
#include "textform/text_form.h"

namespace talvex::fuzz {
namespace {

void ReadText(std::string_view text)
{
    auto image = std::make_unique<ConfigImage>();
    Failure error;
    if (!textform::ReadConfigText(text, *image, error)) {
        const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        Expect(error.line >= 1 && error.line <= lines, "a refusal names a line of the text");
        Expect(!error.reason.empty(), "a refusal says why");
        return;
    }
    const auto bytes = ConfigFileBytes(*image);
    const std::string written = textform::WriteConfigText(*image);
    auto again = std::make_unique<ConfigImage>();
    Expect(textform::ReadConfigText(written, *again, error), "a written text reads back");
    Expect(ConfigFileBytes(*again) == bytes, "a written text reads back to the same bytes");
    Expect(textform::WriteConfigText(*again) == written,
           "a written text is written again unchanged");

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
