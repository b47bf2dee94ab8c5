#include "cli/commands.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "age/agerule.h"
#include "converter/conversions.h"
#include "rawscore/rawscore.h"
#include "stats/intervals.h"
#include "stats/numbers.h"
#include "stats/smallsample.h"

namespace modVelmora::cli {

namespace {

// Ends the row with its reason.
struct RowFailure {
    std::string reason;
};

constexpr int kLargestSample = 9999;  // what the window's sample size box holds

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool sameWord(std::string_view text, std::string_view word) {
    return std::equal(text.begin(), text.end(), word.begin(), word.end(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b; });
}

std::string_view fieldIn(const Fields& fields, std::string_view column) { return trimmed(fields(column).value_or("")); }

// Read strictly: the whole field is an optional minus, digits and at most one point, never "12abc" or "1,5".
double numberIn(const Fields& fields, std::string_view column, const char* whenEmpty) {
    const std::string_view text = fieldIn(fields, column);
    if (text.empty()) throw RowFailure{whenEmpty};
    const std::string_view digits = text.substr(text[0] == '-' ? 1 : 0);
    int points = 0, digitCount = 0;
    for (const char c : digits) {
        points += c == '.';
        digitCount += c >= '0' && c <= '9';
    }
    if (points > 1 || digitCount == 0 || points + digitCount != int(digits.size()))
        throw RowFailure{std::string(column) + " is not a number: " + std::string(text)};
    double value = 0;
    // Hundreds of digits are more than a double holds; the windows' reading decides what they become.
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) return ReadNumericPrefix(text);
    return value;
}

// The windows hold entries in single precision; a file may hold what no box can.
float singleIn(const Fields& fields, std::string_view column, const char* whenEmpty) {
    const float value = static_cast<float>(numberIn(fields, column, whenEmpty));
    if (!std::isfinite(value)) throw RowFailure{std::string(column) + " is out of range: " + std::string(fieldIn(fields, column))};
    return value;
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
    if (text.empty() || text == "0" || sameWord(text, "false") || sameWord(text, "no")) return false;
    if (text == "1" || sameWord(text, "true") || sameWord(text, "yes")) return true;
    throw RowFailure{"reverse must be 0 or 1, true or false, yes or no: " + std::string(text)};
}

ScoreScale scaleIn(const Fields& fields, std::string_view column) {
    static const char* const names[] = {"percentile", "scaled", "standard", "t", "z"};
    const std::string_view text = fieldIn(fields, column);
    for (int scale = 0; scale < kScaleCount; ++scale)
        if (sameWord(text, names[scale])) return static_cast<ScoreScale>(scale);
    throw RowFailure{std::string(column) + " must be percentile, scaled, standard, t or z: " + std::string(text)};
}

void score(const Fields& fields, bool withSampleSize, std::vector<std::string>& shown) {
    const float raw = singleIn(fields, "raw", "Please enter a raw score.");
    const float mean = singleIn(fields, "mean", "Please enter the sample mean.");
    const float sd = singleIn(fields, "sd", "Please enter the sample standard deviation.");
    if (sd == 0) throw RowFailure{"The standard deviation cannot equal zero."};
    const unsigned decimals = decimalsIn(fields);
    const bool reverse = reverseIn(fields);
    const RawScoreResult result = ScoreRawScore(raw, mean, sd, reverse, decimals);
    shown.push_back(FormatPlaces(result.z, ZScorePlaces(decimals)));
    shown.push_back(FormatPlaces(result.percentile, decimals));
    if (!withSampleSize) return;
    // A row without a sample size has no t-test.
    if (fieldIn(fields, "n").empty()) {
        shown.resize(ResultColumns(Command::Score, true).size());
        return;
    }
    numberIn(fields, "n", "");  // a number throughout, before the window's reading of it
    const std::int16_t n = ReadSampleSize(fieldIn(fields, "n"));
    if (n < 2) throw RowFailure{"The normative sample size must be greater than 1."};
    if (n > kLargestSample) throw RowFailure{"The normative sample size must be at most 9999."};
    const SmallSampleResult small = SmallN(raw, mean, sd, n, reverse, decimals);
    const IntervalEstimate interval = SmallSampleInterval(raw, mean, sd, n, reverse);
    const unsigned zPlaces = ZScorePlaces(decimals);
    shown.insert(shown.end(), {FormatGeneral(small.tScore, 7), FormatGeneral(small.adjustedPercentile, 7),
                               PercentileBoundText(interval.percentileLow, decimals),
                               PercentileBoundText(interval.percentileHigh, decimals), FormatPlaces(interval.zcc, zPlaces),
                               ZccBoundText(interval.zccLow, zPlaces), ZccBoundText(interval.zccHigh, zPlaces)});
}

void convert(const Fields& fields, std::vector<std::string>& shown) {
    const ScoreScale from = scaleIn(fields, "from"), to = scaleIn(fields, "to");
    numberIn(fields, "value", "value is empty");
    const Conversion result = ConvertScore(from, to, fieldIn(fields, "value"), decimalsIn(fields));
    switch (result.outcome) {
        case Conversion::Outcome::Converted: shown.push_back(result.text); return;
        case Conversion::Outcome::PercentileOutOfRange:
            throw RowFailure{"Please enter a percentile that is greater than 0 and less than 100."};
        case Conversion::Outcome::ScaledScoreOutOfRange: throw RowFailure{"Scaled score values must be between 1 and 20"};
        default: throw RowFailure{"value is out of range: " + std::string(fieldIn(fields, "value"))};
    }
}

void age(const Fields& fields, const Context& context, std::vector<std::string>& shown) {
    const auto dateIn = [&](std::string_view column) -> std::optional<std::chrono::year_month_day> {
        const std::string_view text = fieldIn(fields, column);
        if (text.empty()) return std::nullopt;
        if (auto date = context.readDate(text)) return date;
        throw RowFailure{"Invalid Date"};
    };
    const auto birth = dateIn("birth");
    if (!birth) throw RowFailure{"Please enter a birth date."};
    const auto test = dateIn("test").value_or(context.today);
    if (std::chrono::sys_days(test) < std::chrono::sys_days(*birth))
        throw RowFailure{"The test date cannot be less than the birth date."};
    const Age years = ComputeAge(*birth, test);
    shown = {std::to_string(years.years), std::to_string(years.months), std::to_string(years.days), AgeText(years)};
}

}  // namespace

std::vector<std::string> RequiredColumns(Command command) {
    switch (command) {
        case Command::Score: return {"raw", "mean", "sd"};
        case Command::Convert: return {"value", "from", "to"};
        case Command::Age: return {"birth"};
    }
    return {};
}

std::vector<std::string> OptionalColumns(Command command) {
    switch (command) {
        case Command::Score: return {"n", "reverse", "decimals"};
        case Command::Convert: return {"decimals"};
        case Command::Age: return {"test"};
    }
    return {};
}

std::vector<std::string> ResultColumns(Command command, bool withSampleSize) {
    switch (command) {
        case Command::Score:
            if (!withSampleSize) return {"z", "percentile"};
            return {"z", "percentile", "t", "adjusted_percentile", "ci_low", "ci_high", "zcc", "zcc_low", "zcc_high"};
        case Command::Convert: return {"result"};
        case Command::Age: return {"years", "months", "days", "age"};
    }
    return {};
}

void Compute(Command command, const Fields& fields, bool withSampleSize, const Context& context, Outcome& outcome) {
    outcome.results.clear();
    outcome.error.clear();
    try {
        switch (command) {
            case Command::Score: return score(fields, withSampleSize, outcome.results);
            case Command::Convert: return convert(fields, outcome.results);
            case Command::Age: return age(fields, context, outcome.results);
        }
    } catch (const RowFailure& failure) {
        outcome.results.assign(ResultColumns(command, withSampleSize).size(), {});
        outcome.error = failure.reason;
    }
}

}  // namespace modVelmora::cli
