#include "workedexamples.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <vector>

#include "age/dateparse.h"
#include "calculator/calculatorengine.h"
#include "change/changeoperation.h"
#include "cli/commands.h"
#include "interval/intervaloperation.h"

namespace helpdoc {

namespace {

using namespace modVelmora;

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

std::string joined(const std::vector<std::string_view>& columns) {
    std::string text;
    for (const std::string_view column : columns) text += (text.empty() ? "" : ",") + std::string(column);
    return text;
}

// A placeholder's NAME=VALUE words: the fields, and the descriptive labels they are read with.
struct Entry {
    NamedTexts texts;
    LabelSystem labels = LabelSystem::Aacn;
};

Entry entryOf(const std::vector<std::string>& w) {
    Entry entry;
    for (auto word = w.begin() + 1; word != w.end(); ++word) {
        const std::size_t equals = word->find('=');
        if (equals == std::string::npos || equals == 0) throw UnknownPlaceholder("not NAME=VALUE: " + *word);
        const std::string name = word->substr(0, equals), value = word->substr(equals + 1);
        if (name == "labels") {
            const auto system = LabelSystemNamed(value);
            if (!system) throw UnknownPlaceholder("no label system named " + value);
            entry.labels = *system;
            continue;
        }
        // Named texts keep views of their names, so each name is kept for the run.
        static std::set<std::string, std::less<>> names;
        entry.texts.add(*names.insert(name).first, value);
    }
    return entry;
}

FieldContext contextOf(const Entry& entry) {
    static const DateConventions iso = DateConventions::English();
    return {[](std::string_view text) { return ParseDate(text, iso); }, Date{}, entry.labels, false, {}};
}

// The command on the fields, its results in the template's $columns; the results kept where asked.
std::string operationText(const Operation& operation, const Entry& entry, const std::string& pattern, NamedTexts* kept = nullptr) {
    const Fields fields(entry.texts);
    const std::vector<std::string_view> extending = operation.extendingColumns();
    const bool extended = std::any_of(extending.begin(), extending.end(), [&](std::string_view column) { return fields(column).has_value(); });
    Outcome outcome;
    operation.compute(fields, extended, contextOf(entry), outcome);
    if (!outcome.error.empty()) throw UnknownPlaceholder(std::string(operation.command()) + " refused: " + outcome.error);
    if (kept) *kept = outcome.results;
    std::string text;
    for (std::size_t at = 0; at < pattern.size();) {
        if (pattern[at] != '$') {
            text += pattern[at++];
            continue;
        }
        const std::size_t end = pattern.find_first_not_of("abcdefghijklmnopqrstuvwxyz_0123456789", at + 1);
        const std::string column = pattern.substr(at + 1, end - at - 1);
        const auto& items = outcome.results.items;
        if (std::none_of(items.begin(), items.end(), [&](const auto& item) { return item.first == column; }))
            throw UnknownPlaceholder(std::string(operation.command()) + " has no result " + column);
        text += outcome.results[column];
        at = end == std::string::npos ? pattern.size() : end;
    }
    return text;
}

std::string noChangeRange(const Entry& entry, const std::string& prefix) {
    const ChangeReport report = ComputeReliableChange(ReadChangeEntry(Fields(entry.texts), contextOf(entry)));
    const std::pair<ChangeMethod, const char*> prefixes[] = {
        {ChangeMethod::JacobsonTruax, "jt"}, {ChangeMethod::Chelune, "chelune"}, {ChangeMethod::Iverson, "iverson"}, {ChangeMethod::CrawfordGarthwaite, "cg"}};
    for (const MethodResult& result : report.methods)
        for (const auto& [method, name] : prefixes)
            if (method == result.method && prefix == name) return result.texts.low + " to " + result.texts.high;
    throw UnknownPlaceholder("no method " + prefix + " for these entries");
}

// The command's operation that the entry's fields choose.
const Operation& commandOf(const std::string& word, const Entry& entry) {
    const Operation* operation = cli::CommandNamed(word, Fields(entry.texts));
    if (!operation) throw UnknownPlaceholder("no command " + word + " for these fields");
    return *operation;
}

std::string columnsOf(const std::vector<std::string>& w) {
    if (w.size() != 3 && w.size() != 4) throw UnknownPlaceholder("columns needs a command, perhaps its choice, and a kind");
    const std::string& kind = w.back();
    const Operation* operation = &commandOf(w[1], entryOf({w.begin() + 1, w.end() - 1}));
    if (kind == "required") return joined(operation->requiredColumns());
    if (kind == "optional") return joined(operation->optionalColumns());
    // The results of a row without the extending columns, and those they add.
    const std::vector<std::string_view> plain = operation->resultColumns(false, LabelSystem::None);
    if (kind == "results") return joined(plain);
    if (kind == "extended") {
        std::vector<std::string_view> more = operation->resultColumns(true, LabelSystem::None);
        std::erase_if(more, [&](std::string_view column) { return std::find(plain.begin(), plain.end(), column) != plain.end(); });
        return joined(more);
    }
    throw UnknownPlaceholder("no kind of columns " + kind);
}

std::string calculatorDisplay(const std::string& keys) {
    CalculatorEngine engine;
    for (char c : keys) {
        const auto key = KeyWithCaption(c);
        if (!key) throw UnknownPlaceholder(std::string("no calculator key ") + c);
        engine.press(*key);
    }
    return engine.displayText();
}

std::string fill(const std::string& placeholder, const std::string& version, FilledManual& filled) {
    std::vector<Picture>& pictures = filled.pictures;
    const std::size_t colon = placeholder.find(" : ");
    const std::vector<std::string> w = words(placeholder.substr(0, colon));
    if (w.empty()) throw UnknownPlaceholder("empty placeholder");
    const std::string& what = w[0];
    const std::string pattern = colon == std::string::npos ? std::string() : placeholder.substr(colon + 3);
    if (what == "version") return version;
    if (what == "calc" && w.size() == 2) return calculatorDisplay(w[1]);
    if (what == "columns") return columnsOf(w);
    if (what == "no-change") return noChangeRange(entryOf(w), pattern);
    if (what == "bell-curve") {
        const Entry entry = entryOf(w);
        const IntervalEntry interval = ReadIntervalEntry(Fields(entry.texts), contextOf(entry));
        const IntervalReport report = ComputeScoreInterval(interval);
        if (report.refusal) throw UnknownPlaceholder("refused score interval " + interval.score);
        pictures.push_back({"bellcurve-" + std::to_string(pictures.size() + 1) + ".png", report, interval.scale});
        return "![Bell curve of " + std::string(ScaleName(interval.scale)) + " score " + interval.score + "](" + pictures.back().name + ")";
    }
    if (what == "profile-picture") {
        if (filled.profileRows.empty()) throw UnknownPlaceholder("profile-picture needs profile examples before it");
        filled.profiles.push_back({"profile-" + std::to_string(filled.profiles.size() + 1) + ".png", std::move(filled.profileRows)});
        filled.profileRows.clear();
        return "![Score profile](" + filled.profiles.back().name + ")";
    }
    if (cli::CommandNamed(what)) {
        if (pattern.empty()) throw UnknownPlaceholder(what + " needs \" : \" and the results to show");
        const Entry entry = entryOf(w);
        if (what != "profile") return operationText(commandOf(what, entry), entry, pattern);
        // A battery's rows, drawn by the next picture: a test once, however many of its results the manual names.
        NamedTexts results;
        const std::string text = operationText(commandOf(what, entry), entry, pattern, &results);
        const std::string test(FieldText(Fields(entry.texts), "test"));
        auto& rows = filled.profileRows;
        if (std::none_of(rows.begin(), rows.end(), [&](const auto& row) { return row.first == test; })) rows.emplace_back(test, std::move(results));
        return text;
    }
    throw UnknownPlaceholder("unknown placeholder " + what);
}

}  // namespace

FilledManual FillWorkedExamples(const std::string& text, const std::string& version) {
    FilledManual result;
    size_t from = 0;
    for (size_t open; (open = text.find("{{", from)) != std::string::npos;) {
        const size_t close = text.find("}}", open);
        if (close == std::string::npos) throw UnknownPlaceholder("unclosed placeholder");
        try {
            result.text += text.substr(from, open - from) + fill(text.substr(open + 2, close - open - 2), version, result);
        } catch (const FieldError& error) {
            throw UnknownPlaceholder(text.substr(open, close + 2 - open) + ": " + error.what());
        }
        from = close + 2;
    }
    result.text += text.substr(from);
    return result;
}

}  // namespace helpdoc
