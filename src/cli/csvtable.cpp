#include "cli/csvtable.h"

#include <algorithm>
#include <csv.h>
#include <optional>
#include <memory>
#include <string>
#include <vector>

namespace modVelmora::cli {

namespace {

constexpr int kRowNotBegun = 0;  // libcsv's parser state between records
constexpr int kFieldBegun = 2;   // and inside a field
// No row of a CSV file for these commands comes near this; past it a stray quote, or no line ends at
// all, would hold the rest of the stream in memory.
constexpr std::size_t kLongestRow = 1 << 20;
const char* const kQuoteRunsOn = "a quoted field runs past 1 MB: an unmatched quote?";
const char* const kRowRunsOn = "the row runs past 1 MB";
const char* const kEndsInQuote = "the file ends inside a quoted field: an unmatched quote?";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // UTF-8's, as spreadsheets save it

void appendField(std::string& out, std::string_view field, char delimiter) {
    if (std::none_of(field.begin(), field.end(), [&](char c) { return c == delimiter || c == '"' || c == '\r' || c == '\n'; })) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string columnName(std::string_view field) {
    std::string name(field.substr(0, field.find_last_not_of(" \t") + 1));
    name.erase(0, name.find_first_not_of(" \t"));
    std::transform(name.begin(), name.end(), name.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return name;
}

// The parse in progress: libcsv hands over fields and row ends; this turns them into output rows.
class Table {
public:
    Table(const Operation& command, const FieldContext& context, const CsvStreams& streams, const CsvFormat& format, const Fields& defaults)
        : command_(command), context_(context), streams_(streams), format_(format), defaults_(defaults),
          outputDelimiter_(format.tabbedOutput ? '\t' : format.delimiter) {}

    // The record's fields are kept end to end in one buffer, reused from row to row; one that would take
    // the row past its bound is left empty and fails the row.
    void field(std::string_view text) {
        if (rowSize() + text.size() > kLongestRow) {
            if (failure_.empty()) failure_ = kRowRunsOn;
            text = {};
        }
        spans_.emplace_back(arena_.size(), text.size());
        arena_ += text;
    }
    void rowEnd() {
        if (hasHeader()) takeRecord();
        else if (failure_.empty()) takeHeader();
        else usageProblem = "the header: " + failure_;
        failure_.clear();
        arena_.clear();
        spans_.clear();
        if (out_.size() > (1 << 20)) flush();
    }
    void flush() {
        streams_.write(out_);
        out_.clear();
    }
    // Written before the header: a spreadsheet's byte-order mark on the file read goes on the rows written.
    void startWith(std::string_view text) { out_.insert(0, text); }

    // What the row read so far holds, in bytes of the file.
    std::size_t rowSize() const { return arena_.size() + spans_.size(); }
    // The row read so far fails: written with the fields it has and the reason, and the next row starts afresh.
    void failRow(const std::string& reason) {
        failure_ = reason;
        rowEnd();
    }
    // The row that ends next fails for this reason, whatever else it holds.
    void failNextRow(const std::string& reason) { failure_ = reason; }

    bool hasHeader() const { return !header_.empty(); }

    long recordLine = 1;
    std::string usageProblem;
    CsvCounts counts;

private:
    std::string_view fieldAt(size_t index) const { return std::string_view(arena_).substr(spans_[index].first, spans_[index].second); }

    void takeHeader() {
        for (size_t i = 0; i < spans_.size(); ++i) header_.emplace_back(fieldAt(i));
        // Where each column the command reads stands; the first of two like-named columns counts.
        std::vector<std::string_view> read = command_.requiredColumns(), optional = command_.optionalColumns();
        read.insert(read.end(), optional.begin(), optional.end());
        for (const std::string_view column : read) {
            for (size_t i = 0; i < header_.size(); ++i) {
                if (columnName(header_[i]) != column) continue;
                columns_.emplace_back(column, int(i));
                break;
            }
        }
        const bool normSet = indexOf("norms") || defaults_("norms");
        for (const std::string_view required : command_.requiredColumns(normSet)) {
            if (indexOf(required) || defaults_(required) || !usageProblem.empty()) continue;
            // A spreadsheet that separates with semicolons gives one column named "value;from;to".
            const bool semicolons = format_.delimiter != ';' && header_.size() == 1 && header_[0].find(';') != std::string::npos;
            usageProblem = semicolons ? "the header has semicolons between its columns: give --delimiter ';' (and --decimal-comma "
                                        "for numbers written with a comma)"
                                      : "the file has no column \"" + std::string(required) + "\"";
        }
        const std::vector<std::string_view> extending = command_.extendingColumns();
        extended_ = std::any_of(extending.begin(), extending.end(),
                                [&](std::string_view column) { return indexOf(column) || defaults_(column); });
        std::vector<std::string_view> names(header_.begin(), header_.end());
        for (const std::string_view column : command_.resultColumns(extended_, context_.labels)) names.push_back(column);
        names.emplace_back("error");
        writeRow(names);
    }

    void takeRecord() {
        ++counts.rows;
        fields_.byName.clear();
        for (const auto& [name, index] : columns_)
            fields_.byName.emplace_back(name, size_t(index) < spans_.size() ? fieldAt(size_t(index)) : std::string_view());
        for (const auto& [name, text] : defaults_.byName)
            if (!indexOf(name)) fields_.byName.emplace_back(name, text);
        Outcome& outcome = outcome_;
        command_.compute(fields_, extended_, context_, outcome);
        // Results go out in the file's own convention for decimals.
        if (context_.decimalComma)
            for (auto& [name, result] : outcome.results.items) std::replace(result.begin(), result.end(), '.', ',');
        if (!failure_.empty()) {
            for (auto& [name, result] : outcome.results.items) result.clear();
            outcome.error = failure_;
        } else if (spans_.size() > header_.size()) {
            // Fields past the header's columns would be lost from the row written: the row fails, and says what they hold.
            for (auto& [name, result] : outcome.results.items) result.clear();
            outcome.error = "the row has more fields than the header: ";
            for (size_t i = header_.size(); i < spans_.size(); ++i) {
                if (i > header_.size()) outcome.error += outputDelimiter_;
                appendField(outcome.error, fieldAt(i), outputDelimiter_);
            }
        }
        if (streams_.computed) streams_.computed(fields_, outcome);
        row_.clear();
        for (size_t i = 0; i < header_.size(); ++i) row_.push_back(i < spans_.size() ? fieldAt(i) : std::string_view());
        for (const auto& [name, result] : outcome.results.items) row_.push_back(result);
        row_.push_back(outcome.error);
        writeRow(row_);
        if (outcome.error.empty()) return;
        ++counts.failed;
        streams_.report("line " + std::to_string(recordLine) + ": " + outcome.error);
    }

    std::optional<int> indexOf(std::string_view column) const {
        for (const auto& [name, index] : columns_)
            if (name == column) return index;
        return std::nullopt;
    }

    void writeRow(const std::vector<std::string_view>& fields) {
        for (size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) out_ += outputDelimiter_;
            appendField(out_, fields[i], outputDelimiter_);
        }
        out_ += '\n';
    }

    const Operation& command_;
    const FieldContext& context_;
    const CsvStreams& streams_;
    const CsvFormat& format_;
    const Fields& defaults_;
    const char outputDelimiter_;
    std::vector<std::string> header_;
    std::vector<std::pair<std::string_view, int>> columns_;  // the command's columns in the file
    bool extended_ = false;
    std::string arena_;
    std::vector<std::pair<size_t, size_t>> spans_;
    std::string failure_;  // why the row in hand fails before it is read, when it does
    std::vector<std::string_view> row_;
    Fields fields_;
    Outcome outcome_;
    std::string out_;
};

void onField(void* text, size_t size, void* table) {
    static_cast<Table*>(table)->field(std::string_view(static_cast<const char*>(text), text ? size : 0));
}
void onRowEnd(int, void* table) { static_cast<Table*>(table)->rowEnd(); }
// Fields are passed on exactly as written: no blanks trimmed.
int noBlanks(unsigned char) { return 0; }

// A parser at the start of a row; whatever it held is let go.
void startParser(csv_parser& parser, char delimiter, bool again) {
    if (again) csv_free(&parser);
    csv_init(&parser, 0);
    csv_set_space_func(&parser, noBlanks);
    csv_set_delim(&parser, static_cast<unsigned char>(delimiter));
}

}  // namespace

CsvCounts RunCsv(const Operation& command, const FieldContext& context, const CsvStreams& streams, const CsvFormat& format,
                 const Fields& defaults) {
    Table table(command, context, streams, format, defaults);
    csv_parser parser;
    startParser(parser, format.delimiter, false);
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> owner(&parser, csv_free);

    // Fed a line at a time, so that each record's first line is known for its report.
    std::vector<char> buffer(1 << 16);
    long line = 1;
    bool atLineStart = true, first = true;
    bool skipping = false;  // the rest of a line whose row ran too long
    for (std::size_t got; (got = streams.read(buffer.data(), buffer.size())) > 0; first = false) {
        std::string_view chunk(buffer.data(), got);
        if (first && chunk.starts_with(kByteOrderMark)) {
            chunk.remove_prefix(kByteOrderMark.size());
            table.startWith(kByteOrderMark);
        }
        while (!chunk.empty()) {
            const size_t end = chunk.find('\n');
            const size_t take = end == std::string_view::npos ? chunk.size() : end + 1;
            if (!skipping) {
                if (atLineStart && parser.pstate == kRowNotBegun) table.recordLine = line;
                csv_parse(&parser, chunk.data(), take, onField, onRowEnd, &table);
            }
            atLineStart = end != std::string_view::npos;
            line += atLineStart;
            chunk.remove_prefix(take);
            skipping = skipping && !atLineStart;
            // A row past the bound fails with what it has, and reading goes on at the next line.
            if (!skipping && parser.entry_pos + table.rowSize() > kLongestRow) {
                table.failRow(parser.quoted ? kQuoteRunsOn : kRowRunsOn);
                startParser(parser, format.delimiter, true);
                skipping = !atLineStart;
            }
            if (!table.usageProblem.empty()) throw UsageError(table.usageProblem);
        }
    }
    if (parser.pstate == kFieldBegun && parser.quoted) table.failNextRow(kEndsInQuote);
    csv_fini(&parser, onField, onRowEnd, &table);
    if (!table.usageProblem.empty()) throw UsageError(table.usageProblem);
    if (!table.hasHeader()) throw UsageError("the file is empty: it needs a header line");
    table.flush();
    return table.counts;
}

}  // namespace modVelmora::cli
