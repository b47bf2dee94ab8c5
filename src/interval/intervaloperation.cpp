#include "interval/intervaloperation.h"

#include <QCoreApplication>
#include <array>

#include "converter/conversionoperation.h"
#include "stats/numbers.h"

namespace modVelmora {

namespace {

template <ScoreScale scale>
std::string scoreOn(const IntervalReport& r) {
    return r.scores[static_cast<std::size_t>(scale)];
}

const ResultColumn<IntervalReport> kResults[] = {
    {"percentile", ShownWhen::Always, scoreOn<ScoreScale::Percentile>},
    {"scaled", ShownWhen::Always, scoreOn<ScoreScale::ScaledScore>},
    {"standard", ShownWhen::Always, scoreOn<ScoreScale::StandardScore>},
    {"t_score", ShownWhen::Always, scoreOn<ScoreScale::TScore>},
    {"z", ShownWhen::Always, scoreOn<ScoreScale::ZScore>},
    {"stanine", ShownWhen::Always, [](const IntervalReport& r) { return r.stanine; }},
    {"sten", ShownWhen::Always, [](const IntervalReport& r) { return r.sten; }},
    {"nce", ShownWhen::Always, [](const IntervalReport& r) { return r.nce; }},
    {"label", ShownWhen::Labelled, [](const IntervalReport& r) { return std::string(r.label ? r.label->text : ""); }},
    {"true_score", ShownWhen::Always, [](const IntervalReport& r) { return r.centre; }},
    {"low", ShownWhen::Always, [](const IntervalReport& r) { return r.low; }},
    {"high", ShownWhen::Always, [](const IntervalReport& r) { return r.high; }},
    {"percentile_low", ShownWhen::Always, [](const IntervalReport& r) { return r.percentileLow; }},
    {"percentile_high", ShownWhen::Always, [](const IntervalReport& r) { return r.percentileHigh; }},
};

const std::array<const char*, 2> kEntryColumns = {"score", "reliability"};  // by IntervalField

class ScoreIntervalOperation final : public Operation {
public:
    std::string_view command() const override { return "interval"; }
    std::vector<std::string_view> requiredColumns(bool) const override { return {"score", "scale", "reliability"}; }
    std::vector<std::string_view> optionalColumns() const override { return {"level", "centre", "decimals"}; }
    std::vector<std::string_view> resultColumns(bool, LabelSystem labels) const override {
        return ColumnNames<IntervalReport>(kResults, false, labels);
    }

    ReportLine reportLine(const Fields& fields, const QString& separator) const override {
        const auto shown = [&](std::string_view column) { return ShownIn(FieldText(fields, column), separator); };
        ReportLine line = IntervalReportLine(fields, separator);
        QStringList details{line.details};
        if (!FieldText(fields, "true_score").empty())
            details << QCoreApplication::translate(kReportContext, "around the estimated true score %1").arg(shown("true_score"));
        details << QCoreApplication::translate(kReportContext, "percentiles %1 to %2").arg(shown("percentile_low"), shown("percentile_high"));
        line.details = details.join(QStringLiteral("; "));
        return line;
    }

protected:
    void computeNamed(const Fields& fields, bool, const FieldContext& context, NamedTexts& results) const override {
        const IntervalReport report = ComputeScoreInterval(ReadIntervalEntry(fields, context));
        if (report.refusal) ThrowRefusal(*report.refusal, fields, kEntryColumns);
        NameIntervalResults(report, context.labels, results);
    }
};

}  // namespace

IntervalEntry ReadIntervalEntry(const Fields& fields, const FieldContext& context) {
    IntervalEntry entry(context.labels);
    entry.scale = ScaleField(fields, "scale");
    entry.score = NumberField(fields, "score", context);
    entry.reliability = NumberField(fields, "reliability", context);
    if (entry.score.empty()) throw FieldError("score is empty");
    const std::string_view centre = FieldText(fields, "centre");
    if (!centre.empty()) {
        const std::optional<IntervalCentre> named = IntervalCentreNamed(centre);
        if (!named) throw FieldError("centre must be obtained or true: " + std::string(centre));
        entry.centre = *named;
    }
    entry.level = LevelField(fields, ConfidenceLevel::NinetyFive);
    entry.decimals = DecimalsField(fields);
    return entry;
}

NamedTexts IntervalFields(const IntervalEntry& entry) {
    NamedTexts fields;
    fields.add("score", NumericPrefixText(entry.score));
    fields.add("scale", ScaleName(entry.scale));
    fields.add("reliability", NumericPrefixText(entry.reliability));
    fields.add("level", std::to_string(static_cast<int>(entry.level)));
    fields.add("centre", IntervalCentreKey(entry.centre));
    fields.add("decimals", std::to_string(entry.decimals));
    return fields;
}

void NameIntervalResults(const IntervalReport& report, LabelSystem labels, NamedTexts& results) {
    NameResults<IntervalReport>(kResults, report, false, labels, results);
}

ReportLine IntervalReportLine(const Fields& fields, const QString& separator, bool boundsOnStandardScale) {
    const auto shown = [&](std::string_view column) { return ShownIn(FieldText(fields, column), separator); };
    const auto translated = [](const char* text) { return QCoreApplication::translate(kReportContext, text); };
    ReportLine line;
    line.score = ScaleCaptionIn(fields, "scale") + QLatin1Char(' ') + shown("score");
    line.sentenceScore = ScaleInSentenceIn(fields, "scale") + QLatin1Char(' ') + shown("score");
    line.percentileValue = FieldText(fields, "percentile");
    line.percentile = ShownIn(line.percentileValue, separator);
    line.label = LabelIn(fields);
    if (FieldText(fields, "low").empty()) return line;
    const QString level = FieldText(fields, "level").empty() ? QStringLiteral("95") : shown("level");
    line.interval = translated("%1 to %2").arg(shown("low"), shown("high"));
    line.details = translated("%1% confidence, reliability %2").arg(level, shown("reliability"));
    if (!boundsOnStandardScale || FieldText(fields, "scale") == ScaleName(ScoreScale::StandardScore))
        line.sentenceScore = translated("%1 %2 (%3% CI %4)").arg(ScaleInSentenceIn(fields, "scale"), shown("score"), level, line.interval);
    else
        line.interval += QStringLiteral(" (%1)").arg(QCoreApplication::translate(kScaleContext, ScaleCaption(ScoreScale::StandardScore)));
    return line;
}

const Operation& IntervalOperation() {
    static const ScoreIntervalOperation operation;
    return operation;
}

}  // namespace modVelmora
