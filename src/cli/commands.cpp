#include "cli/commands.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "age/agecalculation.h"
#include "common/yesno.h"
#include "change/reliablechange.h"
#include "converter/conversions.h"
#include "interval/scoreinterval.h"
#include "rawscore/rawscore.h"

namespace modVelmora::cli {

namespace {

// Ends the row with its reason.
struct RowFailure {
    std::string reason;
};

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view fieldIn(const Fields& fields, std::string_view column) { return trimmed(fields(column).value_or("")); }

// Read strictly: the whole field is an optional minus, digits and at most one decimal point (the
// file's: "." or, with --decimal-comma, ","), never "12abc". An empty field is left to the
// computation, whose message it gets. Given to the computation with ".".
std::string numberIn(const Fields& fields, std::string_view column, const Context& context) {
    const char point = context.decimalComma ? ',' : '.';
    const std::string_view text = fieldIn(fields, column);
    const std::string_view digits = text.substr(!text.empty() && text[0] == '-' ? 1 : 0);
    int points = 0, digitCount = 0;
    for (const char c : digits) {
        points += c == point;
        digitCount += c >= '0' && c <= '9';
    }
    if (!text.empty() && (points > 1 || digitCount == 0 || points + digitCount != int(digits.size())))
        throw RowFailure{std::string(column) + " is not a number: " + std::string(text)};
    std::string number(text);
    std::replace(number.begin(), number.end(), point, '.');
    return number;
}

unsigned decimalsIn(const Fields& fields) {
    const std::string_view text = fieldIn(fields, "decimals");
    if (text.empty()) return 1;
    unsigned decimals = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), decimals);
    if (error != std::errc() || end != text.data() + text.size() || decimals > 4)
        throw RowFailure{"decimals must be a whole number from 0 to 4: " + std::string(text)};
    return decimals;
}

bool reverseIn(const Fields& fields) {
    const std::string_view text = fieldIn(fields, "reverse");
    if (const std::optional<bool> reverse = ReadYesNo(text)) return *reverse;
    throw RowFailure{"reverse must be 0 or 1, true or false, yes or no: " + std::string(text)};
}

ScoreScale scaleIn(const Fields& fields, std::string_view column) {
    const std::string_view text = fieldIn(fields, column);
    if (const auto scale = ScaleNamed(text)) return *scale;
    throw RowFailure{std::string(column) + " must be percentile, scaled, standard, t or z: " + std::string(text)};
}

// A computation's refusal as the row's reason: the window's message, or for a number
// beyond what the windows' boxes can hold, which only a file reaches, the field it is in.
template <class Field>
void failOn(const std::optional<Refusal<Field>>& refusal, const Fields& fields, std::string_view column) {
    if (!refusal) return;
    if (refusal->message) throw RowFailure{refusal->message};
    throw RowFailure{std::string(column) + " is out of range: " + std::string(fieldIn(fields, column))};
}

// The label's text, English, after the other results; none under "none".
void addLabel(const std::optional<DescriptiveLabel>& label, LabelSystem labels, std::vector<std::string>& shown) {
    if (labels != LabelSystem::None) shown.emplace_back(label ? label->text : "");
}

// The norm set a row names gives its mean, sd, n and reverse, which the row then leaves empty.
std::optional<NormValues> normSetIn(const Fields& fields, const Context& context) {
    const std::string name(fieldIn(fields, "norms"));
    if (name.empty()) return std::nullopt;
    std::string given;
    for (const char* column : {"mean", "sd", "n", "reverse"})
        if (!fieldIn(fields, column).empty()) given += (given.empty() ? "" : ", ") + std::string(column);
    if (!given.empty()) throw RowFailure{"norm set \"" + name + "\" gives mean, sd, n and reverse; leave out " + given};
    if (!context.normSet) throw RowFailure{"no norm set named \"" + name + "\""};
    auto found = context.normSet(name);
    if (const auto* reason = std::get_if<std::string>(&found)) throw RowFailure{*reason};
    return std::get<NormValues>(std::move(found));
}

void score(const Fields& fields, bool extended, const Context& context, Outcome& outcome) {
    static const char* const kColumns[] = {"raw", "mean", "sd", "n"};  // by RawScoreField
    const LabelSystem labels = context.labels;
    const std::optional<NormValues> norms = normSetIn(fields, context);
    RawScoreEntry entry{numberIn(fields, "raw", context), numberIn(fields, "mean", context), numberIn(fields, "sd", context),
                        numberIn(fields, "n", context)};
    entry.decimals = decimalsIn(fields);
    entry.reverse = reverseIn(fields);
    if (norms) {
        entry.mean = norms->mean, entry.sd = norms->sd, entry.sampleSize = norms->n;
        entry.reverse = norms->reverse;
    }
    // A row without a sample size has no t-test.
    entry.useTTest = extended && !entry.sampleSize.empty();
    entry.labels = labels;
    const RawScoreReport report = ScoreRawScore(entry);
    if (report.refusal) failOn(report.refusal, fields, kColumns[static_cast<int>(report.refusal->field)]);
    std::vector<std::string>& shown = outcome.results;
    shown = {report.z, report.percentile};
    if (extended) {
        if (const auto& small = report.smallSample)
            shown.insert(shown.end(), {small->t, small->adjustedPercentile, small->intervalLow, small->intervalHigh, small->zcc,
                                       small->zccLow, small->zccHigh});
        shown.resize(ResultColumns(Command::Score, true, LabelSystem::None).size());
    }
    addLabel(report.label, labels, shown);
    outcome.reversed = entry.reverse;
}

void convert(const Fields& fields, const Context& context, std::vector<std::string>& shown) {
    const LabelSystem labels = context.labels;
    const ScoreScale from = scaleIn(fields, "from"), to = scaleIn(fields, "to");
    const std::string value = numberIn(fields, "value", context);
    if (value.empty()) throw RowFailure{"value is empty"};
    const ConversionReport report = ConvertScore({value, from, to, decimalsIn(fields), labels});
    failOn(report.refusal, fields, "value");
    shown = {report.answer};
    addLabel(report.label, labels, shown);
}

// 90 or 95, the default when the field is empty.
ConfidenceLevel levelIn(const Fields& fields, ConfidenceLevel fallback) {
    const std::string_view text = fieldIn(fields, "level");
    if (text.empty()) return fallback;
    if (text == "90") return ConfidenceLevel::Ninety;
    if (text == "95") return ConfidenceLevel::NinetyFive;
    throw RowFailure{"level must be 90 or 95: " + std::string(text)};
}

void interval(const Fields& fields, const Context& context, std::vector<std::string>& shown) {
    const ScoreScale scale = scaleIn(fields, "scale");
    const std::string score = numberIn(fields, "score", context), reliability = numberIn(fields, "reliability", context);
    if (score.empty()) throw RowFailure{"score is empty"};
    const std::string_view centreText = fieldIn(fields, "centre");
    const std::optional<IntervalCentre> centre = centreText.empty() ? IntervalCentre::Obtained : IntervalCentreNamed(centreText);
    if (!centre) throw RowFailure{"centre must be obtained or true: " + std::string(centreText)};
    const IntervalEntry entry{score, scale, reliability, levelIn(fields, ConfidenceLevel::NinetyFive), *centre, decimalsIn(fields),
                              context.labels};
    const IntervalReport report = ComputeScoreInterval(entry);
    failOn(report.refusal, fields, report.refusal && report.refusal->field == IntervalField::Reliability ? "reliability" : "score");
    shown.assign(report.scores.begin(), report.scores.end());
    shown.insert(shown.end(), {report.stanine, report.sten, report.nce});
    addLabel(report.label, context.labels, shown);
    shown.insert(shown.end(), {report.centre, report.low, report.high, report.percentileLow, report.percentileHigh});
}

void change(const Fields& fields, const Context& context, std::vector<std::string>& shown) {
    static const char* const kColumns[] = {"x1", "x2", "m1", "m2", "sd1", "sd2", "r", "n"};  // by ChangeField
    ChangeEntry entry{numberIn(fields, "x1", context),  numberIn(fields, "x2", context), numberIn(fields, "m1", context),
                      numberIn(fields, "m2", context),  numberIn(fields, "sd1", context), numberIn(fields, "sd2", context),
                      numberIn(fields, "r", context),   numberIn(fields, "n", context)};
    entry.level = levelIn(fields, ConfidenceLevel::Ninety);
    entry.reverse = reverseIn(fields);
    const ChangeReport report = ComputeReliableChange(entry);
    if (report.refusal) failOn(report.refusal, fields, kColumns[static_cast<int>(report.refusal->field)]);
    // Each method's columns, empty where its entries are missing.
    for (const ChangeMethod method : {ChangeMethod::JacobsonTruax, ChangeMethod::Chelune, ChangeMethod::Iverson,
                                      ChangeMethod::CrawfordGarthwaite}) {
        const auto result = std::find_if(report.methods.begin(), report.methods.end(),
                                         [&](const MethodResult& shownMethod) { return shownMethod.method == method; });
        const bool regression = method == ChangeMethod::CrawfordGarthwaite;
        if (result == report.methods.end()) {
            shown.resize(shown.size() + (regression ? 6 : 5));
            continue;
        }
        shown.insert(shown.end(), {result->texts.expected, result->texts.se, result->texts.statistic});
        if (regression) shown.push_back(std::to_string(result->df.value_or(0)));
        shown.insert(shown.end(), {result->texts.p, VerdictText(result->verdict)});
    }
}

std::vector<std::string> yearsMonthsDays(const Age& age) {
    return {std::to_string(age.years), std::to_string(age.months), std::to_string(age.days)};
}

void age(const Fields& fields, bool extended, const Context& context, std::vector<std::string>& shown) {
    if (fieldIn(fields, "birth").empty()) throw RowFailure{"Please enter a birth date."};
    // Today stands in for a test date left out.
    const std::string test = fieldIn(fields, "test").empty() ? IsoDate(context.today) : std::string(fieldIn(fields, "test"));
    const AgeReport report =
        CalculateAge({std::string(fieldIn(fields, "birth")), test, std::string(fieldIn(fields, "gestation"))}, context.readDate);
    // Both dates are there, so every refusal has its message.
    if (!report.refusals.empty()) throw RowFailure{report.refusals.front().message};
    shown = yearsMonthsDays(*report.age);
    shown.push_back(report.ageText);
    if (!extended) return;
    const std::optional<Correction>& correction = report.correction;
    shown.push_back(correction && correction->dueDate ? IsoDate(*correction->dueDate) : "");
    const std::vector<std::string> corrected = correction && correction->age ? yearsMonthsDays(*correction->age)
                                                                              : std::vector<std::string>(3);
    shown.insert(shown.end(), corrected.begin(), corrected.end());
    shown.push_back(correction ? correction->text : "");
}

}  // namespace

std::vector<std::string> RequiredColumns(Command command, bool normSet) {
    switch (command) {
        case Command::Score: return normSet ? std::vector<std::string>{"raw"} : std::vector<std::string>{"raw", "mean", "sd"};
        case Command::Convert: return {"value", "from", "to"};
        case Command::Age: return {"birth"};
        case Command::Interval: return {"score", "scale", "reliability"};
        case Command::Change: return {"x1", "x2", "sd1", "r"};
    }
    return {};
}

std::vector<std::string> ExtendingColumns(Command command) {
    switch (command) {
        case Command::Score: return {"n", "norms"};
        case Command::Age: return {"gestation"};
        case Command::Convert:
        case Command::Interval:
        case Command::Change: break;
    }
    return {};
}

std::vector<std::string> OptionalColumns(Command command) {
    switch (command) {
        case Command::Score: return {"n", "reverse", "decimals", "norms"};
        case Command::Convert: return {"decimals"};
        case Command::Age: return {"test", "gestation"};
        case Command::Interval: return {"level", "centre", "decimals"};
        case Command::Change: return {"sd2", "m1", "m2", "n", "level", "reverse"};
    }
    return {};
}

std::vector<std::string> ResultColumns(Command command, bool extended, LabelSystem labels) {
    std::vector<std::string> columns;
    switch (command) {
        case Command::Score:
            columns = {"z", "percentile"};
            if (extended) columns.insert(columns.end(), {"t", "adjusted_percentile", "ci_low", "ci_high", "zcc", "zcc_low", "zcc_high"});
            break;
        case Command::Convert: columns = {"result"}; break;
        case Command::Age:
            if (!extended) return {"years", "months", "days", "age"};
            return {"years", "months", "days", "age", "due_date", "corrected_years", "corrected_months", "corrected_days",
                    "corrected_age"};
        case Command::Interval:
            columns = {"percentile", "scaled", "standard", "t", "z", "stanine", "sten", "nce"};
            if (labels != LabelSystem::None) columns.emplace_back("label");
            columns.insert(columns.end(), {"centre", "low", "high", "percentile_low", "percentile_high"});
            return columns;
        case Command::Change:
            return {"jt_expected",      "jt_se",         "jt_z",        "jt_p",         "jt_verdict",      "chelune_expected",
                    "chelune_se",       "chelune_z",     "chelune_p",   "chelune_verdict", "iverson_expected", "iverson_se",
                    "iverson_z",        "iverson_p",     "iverson_verdict", "cg_expected", "cg_se",           "cg_t",
                    "cg_df",            "cg_p",          "cg_verdict"};
    }
    if (labels != LabelSystem::None) columns.emplace_back("label");
    return columns;
}

void Compute(Command command, const Fields& fields, bool extended, const Context& context, Outcome& outcome) {
    outcome.results.clear();
    outcome.error.clear();
    outcome.reversed = false;
    try {
        switch (command) {
            case Command::Score: return score(fields, extended, context, outcome);
            case Command::Convert: return convert(fields, context, outcome.results);
            case Command::Age: return age(fields, extended, context, outcome.results);
            case Command::Interval: return interval(fields, context, outcome.results);
            case Command::Change: return change(fields, context, outcome.results);
        }
    } catch (const RowFailure& failure) {
        outcome.results.assign(ResultColumns(command, extended, context.labels).size(), {});
        outcome.error = failure.reason;
    }
}

}  // namespace modVelmora::cli
