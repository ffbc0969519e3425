#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <memory>
#include <vector>

#include "config/config_file.h"
#include "config/number_texts.h"
#include "textform/field_values.h"
#include "textform/text_form.h"

namespace talvex::textform {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// The words of a line: runs of characters between blanks, where double
// quotes group blanks into a word and are taken off, and "#" outside quotes
// ends the line.
bool SplitWords(std::string_view line, std::vector<std::string>& words, Failure& failure)
{
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i == line.size() || line[i] == '#')
            return true;
        std::string word;
        while (i < line.size() && !IsBlank(line[i]) && line[i] != '#') {
            if (line[i] != '"') {
                word += line[i++];
                continue;
            }
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos)
                return Fail(&failure, "a double quote is not closed");
            word.append(line.substr(i + 1, close - i - 1));
            i = close + 1;
        }
        words.push_back(std::move(word));
    }
    return true;
}

constexpr std::string_view HEADER_HINT
    = "\"TALVEX configuration Beta 1\" or \"TALVEX configuration Beta 2\"";

// The run-time bits of each record kind: those ClearRuntimeFields clears.
using RecordBits = std::array<std::uint8_t, RECORD_SIZE>;
std::vector<RecordBits> RuntimeBits()
{
    auto image = std::make_unique<ConfigImage>();
    std::vector<RecordBits> bits;
    for (const TableForm& table : TableForms()) {
        const auto entry = table.entry(*image, 0);
        std::ranges::fill(entry, 0xFF);
    }
    ClearRuntimeFields(*image);
    for (const TableForm& table : TableForms()) {
        RecordBits cleared{};
        std::ranges::transform(table.entry(*image, 0), cleared.begin(),
                               [](std::uint8_t b) { return static_cast<std::uint8_t>(~b); });
        bits.push_back(cleared);
    }
    return bits;
}

class Reader {
public:
    explicit Reader(ConfigImage& image) : image_(image), runtime_(RuntimeBits())
    {
        ResetTables(image_);
        image_.masksBlockAbsent = false;
        image_.priQBlockAbsent = false;
        for (const TableForm& table : TableForms())
            lines_.emplace_back(static_cast<std::size_t>(table.count()), 0);
    }

    // The words of line `number`; false with the reason when the line is
    // wrong.
    bool Line(int number, const std::vector<std::string>& words, Failure& failure)
    {
        if (!haveHeader_)
            return Header(words, failure);
        return Entry(number, words, failure);
    }

    bool haveHeader() const { return haveHeader_; }

private:
    bool Header(const std::vector<std::string>& words, Failure& failure)
    {
        const bool isHeader = words.size() == 4 && words[0] == "TALVEX"
            && words[1] == "configuration" && words[2] == "Beta"
            && (words[3] == "1" || words[3] == "2");
        if (!isHeader)
            return Fail(&failure, "expected the header line " + std::string(HEADER_HINT));
        image_.priQBlockAbsent = words[3] == "1";
        haveHeader_ = true;
        return true;
    }

    bool Entry(int number, const std::vector<std::string>& words, Failure& failure)
    {
        const auto tables = TableForms();
        const auto table = std::ranges::find(tables, std::string_view(words[0]), &TableForm::name);
        if (table == tables.end())
            return Fail(&failure, "unknown table '" + words[0] + "' (rule, qos, mask or priq)");
        if (table->beta2Only && image_.priQBlockAbsent)
            return Fail(&failure, "a Beta 1 configuration has no priority queues");
        const auto at = static_cast<std::size_t>(table - tables.begin());
        const std::string& entryText = words.size() > 1 ? words[1] : "";
        int n = -1;
        const auto [end, error]
            = std::from_chars(entryText.data(), entryText.data() + entryText.size(), n);
        if (error != std::errc() || end != entryText.data() + entryText.size() || n < 0
            || n >= table->count()) {
            return Fail(&failure, "expected an entry number from 0 to "
                                      + DecimalText(table->count() - 1) + " after '" + words[0]
                                      + "'");
        }
        int& firstLine = lines_[at][static_cast<std::size_t>(n)];
        if (firstLine != 0) {
            return Fail(&failure, words[0] + " " + entryText + " is already given on line "
                                      + DecimalText(firstLine));
        }
        firstLine = number;
        const auto record = table->entry(image_, n);
        std::vector<const FieldForm*> given;
        for (std::size_t w = 2; w < words.size(); ++w) {
            const std::string_view word = words[w];
            const std::size_t equals = word.find('=');
            const FieldForm* field
                = equals == std::string_view::npos ? nullptr : table->field(word.substr(0, equals));
            if (!field) {
                return Fail(&failure, equals == std::string_view::npos
                                          ? "expected name=value, found '" + std::string(word) + "'"
                                          : "a " + words[0] + " has no field '"
                                              + std::string(word.substr(0, equals)) + "'");
            }
            if (std::ranges::find(given, field) != given.end())
                return Fail(&failure, std::string(field->name) + " is given twice");
            given.push_back(field);
            if (!StoreField(*field, word.substr(equals + 1), record, failure))
                return false;
        }
        return KeepsNoRuntimeState(*table, record, runtime_[at], failure);
    }

    static bool KeepsNoRuntimeState(const TableForm& table, RecordView record,
                                    const RecordBits& runtime, Failure& failure)
    {
        RecordBits kept{};
        std::ranges::transform(record, runtime, kept.begin(), std::bit_and<>());
        const RecordBits none{};
        for (const FieldForm& field : table.fields) {
            if (FieldDiffers(field, kept, none)) {
                return Fail(&failure, std::string(field.name) + ": " + FormatField(field, kept)
                                          + " is the engine's run-time state, which every load "
                                            "clears; leave it out");
            }
        }
        return true;
    }

    ConfigImage& image_;
    std::vector<RecordBits> runtime_;
    std::vector<std::vector<int>> lines_; // per table and entry: the line that gave it, or 0
    bool haveHeader_ = false;
};

} // namespace

bool ReadConfigText(std::string_view text, ConfigImage& image, Failure& failure)
{
    Reader reader(image);
    std::vector<std::string> words;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        ++number;
        if (!SplitWords(text.substr(start, end - start), words, failure)
            || (!words.empty() && !reader.Line(number, words, failure))) {
            failure.line = number;
            return false;
        }
        start = end + 1;
    }
    if (!reader.haveHeader()) {
        failure = {"no header line: expected " + std::string(HEADER_HINT), 1};
        return false;
    }
    return true;
}

} // namespace talvex::textform
