#include "workedexamples.h"

#include <map>
#include <sstream>
#include <vector>

#include "age/agerule.h"
#include "calculator/calculatorengine.h"
#include "converter/conversions.h"
#include "rawscore/rawscore.h"
#include "stats/intervals.h"
#include "stats/numbers.h"
#include "stats/smallsample.h"

namespace helpdoc {

namespace {

using namespace modVelmora;

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

float number(const std::string& word) { return static_cast<float>(ReadNumericPrefix(word)); }
unsigned count(const std::string& word) { return static_cast<unsigned>(ReadNumericPrefix(word)); }

ScoreScale scale(const std::string& name) {
    static const std::map<std::string, ScoreScale> scales{{"percentile", ScoreScale::Percentile},
                                                          {"scaled", ScoreScale::ScaledScore},
                                                          {"standard", ScoreScale::StandardScore},
                                                          {"T", ScoreScale::TScore},
                                                          {"z", ScoreScale::ZScore}};
    const auto found = scales.find(name);
    if (found == scales.end()) throw UnknownPlaceholder("no scale named " + name);
    return found->second;
}

std::chrono::year_month_day isoDate(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char dash1 = 0, dash2 = 0;
    std::istringstream in(text);
    in >> y >> dash1 >> m >> dash2 >> d;
    const std::chrono::year_month_day date{std::chrono::year(y), std::chrono::month(static_cast<unsigned>(m)),
                                           std::chrono::day(static_cast<unsigned>(d))};
    if (!date.ok()) throw UnknownPlaceholder("not a date: " + text);
    return date;
}

std::string calculatorDisplay(const std::string& keys) {
    CalculatorEngine engine;
    for (char c : keys) {
        const auto key = KeyWithCaption(c);
        if (!key) throw UnknownPlaceholder(std::string("no calculator key ") + c);
        engine.press(*key);
    }
    return engine.display();
}

std::string fill(const std::vector<std::string>& w, const std::string& version) {
    const std::string& what = w.at(0);
    const auto needs = [&](size_t n) {
        if (w.size() < n + 1) throw UnknownPlaceholder(what + " needs " + std::to_string(n) + " values");
    };
    if (what == "version") return version;
    if (what == "z" || what == "percentile") {
        needs(4);
        const bool reverse = w.size() > 5 && w[5] == "reverse";
        const unsigned decimals = count(w[4]);
        const RawScoreResult result = ScoreRawScore(number(w[1]), number(w[2]), number(w[3]), reverse, decimals);
        return what == "z" ? FormatPlaces(result.z, ZScorePlaces(decimals)) : FormatPlaces(result.percentile, decimals);
    }
    if (what == "tscore" || what == "adjusted") {
        needs(what == "tscore" ? 4 : 5);
        const unsigned decimals = what == "adjusted" ? count(w[5]) : 1;
        const SmallSampleResult result = SmallN(number(w[1]), number(w[2]), number(w[3]),
                                                ReadSampleSize(w[4]), false, decimals);
        return FormatGeneral(what == "tscore" ? result.tScore : result.adjustedPercentile, 7);
    }
    if (what.starts_with("interval") || what == "zcc") {
        needs(4);
        const unsigned decimals = w.size() > 5 ? count(w[5]) : 2;
        const IntervalEstimate e = SmallSampleInterval(number(w[1]), number(w[2]), number(w[3]), ReadSampleSize(w[4]), false);
        const std::string low = PercentileBoundText(e.percentileLow, decimals), high = PercentileBoundText(e.percentileHigh, decimals);
        if (what == "interval-low") return low;
        if (what == "interval-high") return high;
        if (what == "interval") return low + " to " + high;
        return FormatPlaces(e.zcc, 2) + " (95% CI " + ZccBoundText(e.zccLow, 2) + " to " + ZccBoundText(e.zccHigh, 2) + ")";
    }
    if (what == "convert") {
        needs(4);
        const Conversion result = ConvertScore(scale(w[1]), scale(w[2]), w[3], count(w[4]));
        if (result.outcome != Conversion::Outcome::Converted) throw UnknownPlaceholder("refused conversion");
        return result.text;
    }
    if (what == "age") {
        needs(2);
        return AgeText(ComputeAge(isoDate(w[1]), isoDate(w[2])));
    }
    if (what == "calc") {
        needs(1);
        return calculatorDisplay(w[1]);
    }
    throw UnknownPlaceholder("unknown placeholder " + what);
}

}  // namespace

std::string FillWorkedExamples(const std::string& text, const std::string& version) {
    std::string result;
    size_t from = 0;
    for (size_t open; (open = text.find("{{", from)) != std::string::npos;) {
        const size_t close = text.find("}}", open);
        if (close == std::string::npos) throw UnknownPlaceholder("unclosed placeholder");
        const auto w = words(text.substr(open + 2, close - open - 2));
        if (w.empty()) throw UnknownPlaceholder("empty placeholder");
        result += text.substr(from, open - from) + fill(w, version);
        from = close + 2;
    }
    return result + text.substr(from);
}

}  // namespace helpdoc
