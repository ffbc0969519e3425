#include "config/config_file.h"

#include <algorithm>
#include <memory>

#include "config/atomic_file_write.h"
#include "config/config_input.h"
#include "config/text_recognition.h"

namespace talvex {

namespace {

constexpr std::uint8_t RULE_PATTERN_FIRST = 0x41; // 'A'

// A read position over the file's bytes that may move past its end, as a
// file position may.
class BlockReader {
public:
    explicit BlockReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // Copies up to target.size() bytes from the position; returns the count.
    std::size_t read(std::span<std::uint8_t> target)
    {
        std::size_t n = 0;
        if (position_ < bytes_.size())
            n = std::min(target.size(), bytes_.size() - position_);
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), n, target.begin());
        position_ += n;
        return n;
    }
    void skip(std::size_t count) { position_ += count; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

void AppendBlock(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> block)
{
    out.insert(out.end(), block.begin(), block.end());
    out.insert(out.end(), block.begin(), block.begin() + GAP_SIZE);
}

std::string ShortFileReason(std::size_t length)
{
    return "it is " + std::to_string(length) + " bytes long, at least "
        + std::to_string(MIN_LOADABLE_SIZE) + " are needed";
}

} // namespace

void ResetTables(ConfigImage& image)
{
    for (int r = 0; r < RULE_COUNT; ++r) {
        RuleRecord& rule = image.ruleTable[r];
        std::ranges::fill(RecordBytes(rule), 0);
        rule.ruleNumber = static_cast<std::uint16_t>(r);
        for (int i = 0; i < 16; ++i)
            rule.patternData[i] = static_cast<std::uint8_t>(RULE_PATTERN_FIRST + i);
        rule.patternMask.fill(0xFF);
    }
    for (QosNode& node : image.qosTable) {
        std::ranges::fill(RecordBytes(node), 0);
        node.samplePeriod = DEFAULT_SAMPLE_PERIOD;
    }
    std::ranges::fill(TableBytes(image.maskTable), 0);
    std::ranges::fill(TableBytes(image.priQTable), 0);
}

const ConfigImage& NewConfiguration()
{
    static const std::unique_ptr<const ConfigImage> IMAGE = [] {
        auto image = std::make_unique<ConfigImage>();
        ResetTables(*image);
        return image;
    }();
    return *IMAGE;
}

bool LoadConfigBytes(ConfigImage& image, std::span<const std::uint8_t> bytes, Failure* failure)
{
    image.masksBlockAbsent = true;
    image.priQBlockAbsent = true;
    if (IsConfigText(bytes))
        return Fail(failure, CONFIG_TEXT_REASON);
    BlockReader reader(bytes);
    if (reader.read(TableBytes(image.ruleTable)) == 0)
        return Fail(failure, ShortFileReason(bytes.size()));
    reader.skip(GAP_SIZE);
    if (reader.read(TableBytes(image.qosTable)) == 0)
        return Fail(failure, ShortFileReason(bytes.size()));
    reader.skip(GAP_SIZE);
    if (reader.read(TableBytes(image.maskTable)) == 0)
        return Fail(failure, ShortFileReason(bytes.size()));
    reader.skip(GAP_SIZE);
    if (reader.read(TableBytes(image.priQTable)) != 0)
        image.priQBlockAbsent = false;
    image.masksBlockAbsent = false;
    return true;
}

bool LoadConfig(ConfigImage& image, const std::string& fileName, Failure* failure)
{
    return LoadConfig(image, fileName, failure, ReadFromFile);
}

bool LoadConfig(ConfigImage& image, const std::string& fileName, Failure* failure,
                FileRead read)
{
    // Only the first FULL_FILE_SIZE bytes can matter; whatever follows is ignored.
    return LoadConfigInput(image, ReadConfigFile(fileName, InputKind::File, read), failure);
}

void ClearRuntimeFields(ConfigImage& image)
{
    for (QosNode& node : image.qosTable) {
        node.runtimeA.fill(0);
        node.runtimeB = 0;
        node.runtimeC.fill(0);
        node.runtimeD.fill(0);
    }
    for (RuleRecord& rule : image.ruleTable) {
        rule.runtimeA = 0;
        rule.runtimeB = 0;
        rule.ruleFlags &= static_cast<std::uint8_t>(~(ALWAYS_HIT | ALWAYS_MISS));
    }
}

std::vector<std::uint8_t> ConfigFileBytes(const ConfigImage& image)
{
    std::vector<std::uint8_t> out;
    out.reserve(FULL_FILE_SIZE);
    AppendBlock(out, TableBytes(image.ruleTable));
    AppendBlock(out, TableBytes(image.qosTable));
    if (!image.masksBlockAbsent)
        AppendBlock(out, TableBytes(image.maskTable));
    if (!image.priQBlockAbsent)
        AppendBlock(out, TableBytes(image.priQTable));
    return out;
}

bool SaveConfig(const ConfigImage& image, const std::string& fileName, Failure* failure)
{
    return WriteFileSafely(fileName, ConfigFileBytes(image), failure);
}

} // namespace talvex
