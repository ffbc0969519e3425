#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "config/config_file.h"
#include "config/number_texts.h"
#include "config/text_recognition.h"
#include "textform/field_values.h"
#include "textform/text_form.h"
#include "textform/text_messages.h"

namespace talvex::textform {

namespace {

constexpr std::string_view HEADER_HINT
    = "\"TALVEX configuration Beta 1\" or \"TALVEX configuration Beta 2\"";
constexpr std::string_view ENTRY_WORD_UNUSED = "unused";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// A word of a line and where it stands: the column of its first character
// and, for name=value, of the value's first character.
struct Word {
    std::string text;
    int column = 0;
    int valueColumn = 0;
};

// The words of a line: runs of characters between blanks, where double
// quotes group blanks into a word and are taken off, and "#" outside quotes
// ends the line. False at a double quote that is not closed.
bool SplitWords(std::string_view line, std::vector<Word>& words, Failure& failure)
{
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i == line.size() || line[i] == '#')
            return true;
        Word word{{}, static_cast<int>(i + 1), 0};
        bool valueNext = false;
        while (i < line.size() && !IsBlank(line[i]) && line[i] != '#') {
            if (valueNext) {
                word.valueColumn = static_cast<int>(i + 1);
                valueNext = false;
            }
            if (line[i] != '"') {
                valueNext = line[i] == '=' && word.valueColumn == 0;
                word.text += line[i++];
                continue;
            }
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                failure = {"a double quote is not closed", 0, static_cast<int>(i + 1)};
                return false;
            }
            const std::string_view quoted = line.substr(i + 1, close - i - 1);
            const std::size_t equals = word.valueColumn == 0 ? quoted.find('=') : quoted.npos;
            if (equals != quoted.npos)
                word.valueColumn = static_cast<int>(i + equals + 3);
            word.text.append(quoted);
            i = close + 1;
        }
        if (valueNext)
            word.valueColumn = static_cast<int>(i + 1);
        words.push_back(std::move(word));
    }
    return true;
}

// What is wrong with the text as a whole, before its lines: an encoding
// other than ASCII or UTF-8 without a byte-order mark.
std::optional<std::string> EncodingProblem(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        return "the text starts with a UTF-8 byte-order mark (EF BB BF); save it without one";
    if (text.starts_with("\xFF\xFE"))
        return "the text is UTF-16 (it starts with the byte-order mark FF FE); save it as UTF-8";
    if (text.starts_with("\xFE\xFF"))
        return "the text is UTF-16 (it starts with the byte-order mark FE FF); save it as UTF-8";
    if (text.size() >= 2 && (text[0] == '\0') != (text[1] == '\0'))
        return "the text is UTF-16 (every other byte is 0), without a byte-order mark; "
               "save it as UTF-8";
    return std::nullopt;
}

// A field a line names, and the column of its name.
using NamedField = std::pair<const FieldForm*, int>;

// The column of `field` among the named ones, else `otherwise`.
int ColumnOf(std::span<const NamedField> named, const FieldForm& field,
             int otherwise)
{
    const auto at = std::ranges::find(named, &field, &NamedField::first);
    return at == named.end() ? otherwise : at->second;
}

std::vector<std::string_view> NamesOf(const TableForm& table)
{
    std::vector<std::string_view> names;
    for (const FieldForm& field : table.fields)
        names.push_back(field.name);
    return names;
}

// "; did you mean 'NAME'?" when one of the names is near the word, else
// `otherwise`.
std::string Suggestion(std::string_view word, std::span<const std::string_view> names,
                       std::string_view otherwise = "")
{
    const auto nearest = NearestName(word, names);
    return nearest ? "; did you mean '" + std::string(*nearest) + "'?" : std::string(otherwise);
}

} // namespace

// The lines of one text read into a TextImport.
class TextReader {
public:
    TextReader(TextImport& import, std::vector<Failure>& failures)
        : import_(import), failures_(failures)
    {
    }

    bool read(std::string_view text)
    {
        const std::size_t before = failures_.size();
        if (const auto problem = EncodingProblem(text)) {
            fail(*problem, 1, 1);
            return false;
        }
        for (std::size_t start = 0; start < text.size() && !stopped_;) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            std::string_view line = text.substr(start, end - start);
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            ++number_;
            readLine(line);
            start = end + 1;
        }
        if (headerLine_ == 0 && !stopped_)
            fail("no header line: expected " + std::string(HEADER_HINT), 1, 1);
        return failures_.size() == before;
    }

private:
    // Adds a failure; reading stops after the last one reported and one
    // more, which tells that there are more.
    void fail(std::string reason, int line, int column)
    {
        if (stopped_)
            return;
        failures_.push_back({std::move(reason), line, column});
        stopped_ = failures_.size() > MAX_TEXT_FAILURES;
    }
    void fail(std::string reason, int column) { fail(std::move(reason), number_, column); }

    void readLine(std::string_view line)
    {
        if (const std::size_t cr = line.find('\r'); cr != line.npos) {
            fail("a CR alone ends a line here (CR-only line ends); save the text with LF or "
                 "CR LF line ends",
                 static_cast<int>(cr + 1));
            // Before the header, the lines cannot be told apart.
            stopped_ = stopped_ || headerLine_ == 0;
            return;
        }
        Failure failure;
        if (!SplitWords(line, words_, failure)) {
            fail(failure.reason, failure.column);
            return;
        }
        if (words_.empty())
            return;
        const std::string_view first = words_.front().text;
        if (IsMergeConflictMarker(line.substr(static_cast<std::size_t>(words_[0].column - 1)))) {
            fail("a merge-conflict marker '" + ShownToken(first)
                     + "': resolve the conflict and take the markers out",
                 words_[0].column);
        } else if (headerLine_ == 0) {
            header(line);
        } else if (startsAsHeader()) {
            fail("a second header line; the text's header is line " + DecimalText(headerLine_),
                 words_[0].column);
        } else {
            entry();
        }
    }

    // Whether the line's first two words are the header's (CONFIG_TEXT_HEADER).
    bool startsAsHeader() const
    {
        const std::size_t space = CONFIG_TEXT_HEADER.find(' ');
        return words_.size() > 1 && words_[0].text == CONFIG_TEXT_HEADER.substr(0, space)
            && words_[1].text == CONFIG_TEXT_HEADER.substr(space + 1);
    }

    void header(std::string_view line)
    {
        const bool isHeader = words_.size() == 4 && startsAsHeader() && words_[2].text == "Beta"
            && (words_[3].text == "1" || words_[3].text == "2");
        if (!isHeader) {
            const auto from = static_cast<std::size_t>(words_[0].column - 1);
            fail("expected the header line " + std::string(HEADER_HINT) + ", found '"
                     + ShownToken(line.substr(from)) + "'",
                 words_[0].column);
            stopped_ = true;
            return;
        }
        import_.given_->priQBlockAbsent = words_[3].text == "1";
        headerLine_ = number_;
    }

    void entry()
    {
        const auto tables = TableForms();
        const Word& tableWord = words_[0];
        const auto table = std::ranges::find(tables, std::string_view(tableWord.text),
                                             &TableForm::name);
        if (table == tables.end()) {
            std::vector<std::string_view> names;
            for (const TableForm& t : tables)
                names.push_back(t.name());
            fail("unknown table '" + ShownToken(tableWord.text)
                     + "', expected rule, qos, mask or priq" + Suggestion(tableWord.text, names),
                 tableWord.column);
            return;
        }
        if (table->beta2Only && import_.given_->priQBlockAbsent) {
            fail("a Beta 1 configuration has no priority queues", tableWord.column);
            return;
        }
        const std::optional<int> n = entryNumber(*table);
        if (!n)
            return;
        auto& lines = lines_[static_cast<std::size_t>(table->kind)];
        lines.resize(static_cast<std::size_t>(table->count()));
        int& firstLine = lines[static_cast<std::size_t>(*n)];
        if (firstLine != 0) {
            fail(tableWord.text + " " + DecimalText(*n) + " is already given on line "
                     + DecimalText(firstLine),
                 tableWord.column);
            return;
        }
        firstLine = number_;
        if (words_.size() > 2 && words_[2].text == ENTRY_WORD_UNUSED)
            emptyEntry(*table, *n);
        else
            fields(*table, *n);
    }

    std::optional<int> entryNumber(const TableForm& table)
    {
        const std::string expected = "expected an entry number from 0 to "
            + DecimalText(table.count() - 1) + " after '" + words_[0].text + "', found ";
        if (words_.size() < 2) {
            fail(expected + "the end of the line",
                 words_[0].column + static_cast<int>(words_[0].text.size()));
            return std::nullopt;
        }
        const auto n = ReadWholeNumber(words_[1].text);
        if (!n || *n < 0 || *n >= table.count()) {
            fail(expected + "'" + ShownToken(words_[1].text) + "'", words_[1].column);
            return std::nullopt;
        }
        return static_cast<int>(*n);
    }

    // "TABLE ENTRY unused": the entry as new, every field to be derived.
    void emptyEntry(const TableForm& table, int n)
    {
        if (words_.size() > 3) {
            fail("'unused' makes the entry new and takes no fields, found '"
                     + ShownToken(words_[3].text) + "'",
                 words_[3].column);
            return;
        }
        std::ranges::copy(table.entry(NewConfiguration(), n),
                          table.entry(*import_.given_, n).begin());
        import_.givenFields_.clear(table, n);
    }

    void fields(const TableForm& table, int n)
    {
        const auto record = table.entry(*import_.given_, n);
        std::vector<NamedField> named;
        for (std::size_t w = 2; w < words_.size(); ++w) {
            const Word& word = words_[w];
            const std::size_t equals = word.text.find('=');
            if (equals == std::string::npos) {
                fail("expected name=value, found '" + ShownToken(word.text) + "'", word.column);
                continue;
            }
            const std::string_view name = std::string_view(word.text).substr(0, equals);
            const FieldForm* field = table.field(name);
            if (field == nullptr) {
                fail("a " + words_[0].text + " has no field '" + ShownToken(name) + "'"
                         + Suggestion(name, NamesOf(table),
                                      "; talvexcfg fields " + words_[0].text + " lists them"),
                     word.column);
                continue;
            }
            if (std::ranges::find(named, field, &NamedField::first)
                != named.end()) {
                fail(std::string(field->name) + " is given twice", word.column);
                continue;
            }
            named.emplace_back(field, word.column);
            Failure failure;
            if (!StoreField(*field, std::string_view(word.text).substr(equals + 1), record,
                            failure)) {
                fail(failure.reason, word.valueColumn);
                continue;
            }
            import_.givenFields_.mark(table, n, *field);
        }
        keepsNoRuntimeState(table, record, named);
    }

    // Run-time state in the record fails at the column of the field's name,
    // or of the line's table word where no name gave it.
    void keepsNoRuntimeState(const TableForm& table, RecordView record,
                             std::span<const NamedField> named)
    {
        RecordBits kept{};
        std::ranges::transform(record, RuntimeBits(table),
                               kept.begin(), std::bit_and<>());
        const RecordBits none{};
        for (const FieldForm& field : table.fields) {
            if (FieldDiffers(field, kept, none)) {
                fail(std::string(field.name) + ": " + FormatField(field, kept)
                         + " is the engine's run-time state, which every load clears; leave it "
                           "out",
                     ColumnOf(named, field, words_[0].column));
            }
        }
    }

    TextImport& import_;
    std::vector<Failure>& failures_;
    // By table kind, by entry: the line that gave it in this text, or 0.
    std::array<std::vector<int>, TABLE_KIND_COUNT> lines_;
    std::vector<Word> words_;
    int number_ = 0;
    int headerLine_ = 0;
    bool stopped_ = false;
};

TextImport::TextImport(DerivingTables tables)
    : tables_(tables), given_(std::make_unique<ConfigImage>())
{
    ResetTables(*given_);
    given_->masksBlockAbsent = false;
    given_->priQBlockAbsent = false;
}

TextImport::~TextImport() = default;

bool TextImport::read(std::string_view text, std::vector<Failure>& failures)
{
    return TextReader(*this, failures).read(text);
}

bool TextImport::gives(const TableForm& table, int entry, const FieldForm& field) const
{
    return givenFields_.marked(table, entry, field);
}

void TextImport::finish(ConfigImage& image) const
{
    // A field the pages do not derive is the same in both images.
    auto derived = std::make_unique<ConfigImage>(*given_);
    DeriveOnOpen(*derived, tables_);
    image = *given_;
    for (const TableForm& table : TableForms()) {
        for (int n = 0; n < table.count(); ++n) {
            for (const FieldForm& field : table.fields) {
                if (!gives(table, n, field))
                    CopyField(field, table.entry(*derived, n), table.entry(image, n));
            }
        }
    }
}

bool ReadConfigText(std::string_view text, ConfigImage& image, std::vector<Failure>& failures,
                    DerivingTables tables)
{
    TextImport import(tables);
    if (!import.read(text, failures))
        return false;
    import.finish(image);
    return true;
}

} // namespace talvex::textform
