#include "workedexamples.h"

#include <sstream>
#include <vector>

#include "age/agecalculation.h"
#include "age/dateparse.h"
#include "calculator/calculatorengine.h"
#include "change/reliablechange.h"
#include "converter/conversions.h"
#include "interval/scoreinterval.h"
#include "rawscore/rawscore.h"
#include "stats/numbers.h"

namespace helpdoc {

namespace {

using namespace modVelmora;

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

unsigned count(const std::string& word) { return static_cast<unsigned>(ReadNumericPrefix(word)); }

ScoreScale scale(const std::string& name) {
    if (const auto found = ScaleNamed(name)) return *found;
    throw UnknownPlaceholder("no scale named " + name);
}

ConfidenceLevel level(const std::string& percent) {
    if (percent != "90" && percent != "95") throw UnknownPlaceholder("no level " + percent);
    return percent == "90" ? ConfidenceLevel::Ninety : ConfidenceLevel::NinetyFive;
}

// The raw score window's report for RAW MEAN SD, with a sample size for the t-test.
RawScoreReport rawScore(const std::vector<std::string>& w, const std::string& sampleSize, unsigned decimals, bool reverse) {
    const RawScoreReport report = ScoreRawScore({w.at(1), w.at(2), w.at(3), sampleSize, reverse, !sampleSize.empty(), decimals});
    if (report.refusal) throw UnknownPlaceholder("refused entry in " + w[0]);
    return report;
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

std::string fill(const std::vector<std::string>& w, const std::string& version, std::vector<Picture>& pictures) {
    const std::string& what = w.at(0);
    const auto needs = [&](size_t n) {
        if (w.size() < n + 1) throw UnknownPlaceholder(what + " needs " + std::to_string(n) + " values");
    };
    if (what == "version") return version;
    if (what == "z" || what == "percentile") {
        needs(4);
        const RawScoreReport report = rawScore(w, "", count(w[4]), w.size() > 5 && w[5] == "reverse");
        return what == "z" ? report.z : report.percentile;
    }
    if (what == "tscore" || what == "adjusted") {
        needs(what == "tscore" ? 4 : 5);
        const RawScoreReport report = rawScore(w, w[4], what == "adjusted" ? count(w[5]) : 1, false);
        return what == "tscore" ? report.smallSample->t : report.smallSample->adjustedPercentile;
    }
    if (what.starts_with("interval") || what == "zcc") {
        needs(4);
        const SmallSampleTexts small = *rawScore(w, w[4], w.size() > 5 ? count(w[5]) : 2, false).smallSample;
        if (what == "interval-low") return small.intervalLow;
        if (what == "interval-high") return small.intervalHigh;
        if (what == "interval") return small.intervalLow + " to " + small.intervalHigh;
        return small.zcc + " (95% CI " + small.zccLow + " to " + small.zccHigh + ")";
    }
    if (what == "convert") {
        needs(4);
        const ConversionReport report = ConvertScore({w[3], scale(w[1]), scale(w[2]), count(w[4])});
        if (report.refusal) throw UnknownPlaceholder("refused conversion");
        return report.answer;
    }
    if (what == "label" || what == "standard") {
        needs(3);
        const auto system = LabelSystemNamed(w[3]);
        if (!system) throw UnknownPlaceholder("no label system named " + w[3]);
        const ConversionReport report = ConvertScore({w[2], scale(w[1]), ScoreScale::StandardScore, 1, *system});
        if (report.refusal || !report.label) throw UnknownPlaceholder("no label for " + w[2]);
        return what == "label" ? report.label->text : report.answer;
    }
    if (what == "age" || what == "corrected" || what == "due") {
        needs(what == "age" ? 2 : 3);
        static const DateConventions english = DateConventions::English();
        const AgeReport report =
            CalculateAge({w[1], w[2], w.size() > 3 ? w[3] : ""}, [](std::string_view text) { return ParseDate(text, english); });
        if (!report.age || (what != "age" && !report.correction)) throw UnknownPlaceholder("refused " + what + " " + w[1]);
        if (what == "age") return report.ageText;
        if (what == "corrected") return report.correction->text;
        return IsoDate(report.correction->dueDate.value());
    }
    if (what == "ci") {
        needs(6);
        const IntervalReport report = ComputeScoreInterval({w[2], scale(w[1]), w[3], level(w[4]),
                                                            w[5] == "true" ? IntervalCentre::EstimatedTrue : IntervalCentre::Obtained});
        if (report.refusal) throw UnknownPlaceholder("refused score interval " + w[2]);
        const std::string& part = w[6];
        if (part == "bounds") return report.low + " to " + report.high;
        if (part == "percentiles") return report.percentileLow + " to " + report.percentileHigh;
        if (part == "centre") return report.centre;
        if (part == "stanine") return report.stanine + ", sten " + report.sten + ", NCE " + report.nce;
        if (part == "picture") {
            pictures.push_back({"bellcurve-" + std::to_string(pictures.size() + 1) + ".png", report, scale(w[1])});
            return "![Bell curve of " + w[1] + " score " + w[2] + "](" + pictures.back().name + ")";
        }
        throw UnknownPlaceholder("no part " + part + " of a score interval");
    }
    if (what == "change") {
        // X1 X2 S1 S2 M1 M2 N R LEVEL METHOD, "-" for an entry left out; the method's results in a table row.
        needs(10);
        const auto entry = [&](size_t i) { return w[i] == "-" ? std::string() : w[i]; };
        const ChangeReport report =
            ComputeReliableChange({entry(1), entry(2), entry(5), entry(6), entry(3), entry(4), entry(8), entry(7), level(w[9])});
        for (const MethodResult& result : report.methods) {
            if (std::string(MethodName(result.method)).rfind(w[10], 0) != 0) continue;
            const std::string statistic = result.df ? "t " + result.texts.statistic + " (" + std::to_string(*result.df) + " df)"
                                                    : "z " + result.texts.statistic;
            if (w.size() > 11 && w[11] == "verdict") return std::string(VerdictText(result.verdict)) + " (p " + result.texts.p + ")";
            return result.texts.expected + " | " + result.texts.se + " | " + statistic + " | " + result.texts.p + " | " +
                   result.texts.low + " to " + result.texts.high + " | " + VerdictText(result.verdict);
        }
        throw UnknownPlaceholder("no method " + w[10] + " for these entries");
    }
    if (what == "calc") {
        needs(1);
        return calculatorDisplay(w[1]);
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
        const auto w = words(text.substr(open + 2, close - open - 2));
        if (w.empty()) throw UnknownPlaceholder("empty placeholder");
        result.text += text.substr(from, open - from) + fill(w, version, result.pictures);
        from = close + 2;
    }
    result.text += text.substr(from);
    return result;
}

}  // namespace helpdoc
