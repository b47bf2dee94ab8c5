#include "profile/profileoperation.h"

#include <QCoreApplication>
#include <array>

#include "interval/intervaloperation.h"

namespace modVelmora {

namespace {

const ResultColumn<ProfileReport> kResults[] = {
    {"percentile", ShownWhen::Always, [](const ProfileReport& r) { return r.percentile; }},
    {"standard", ShownWhen::Always, [](const ProfileReport& r) { return r.standard; }},
    {"label", ShownWhen::Labelled, [](const ProfileReport& r) { return std::string(r.label ? r.label->text : ""); }},
    {"low", ShownWhen::Always, [](const ProfileReport& r) { return r.low; }},
    {"high", ShownWhen::Always, [](const ProfileReport& r) { return r.high; }},
};

const std::array<const char*, 2> kEntryColumns = {"score", "reliability"};  // by IntervalField

class ScoreProfileOperation final : public Operation {
public:
    std::string_view command() const override { return "profile"; }
    std::vector<std::string_view> requiredColumns(bool) const override { return {"test", "score", "scale"}; }
    std::vector<std::string_view> optionalColumns() const override { return {"reliability", "level", "centre", "decimals"}; }
    std::vector<std::string_view> resultColumns(bool, LabelSystem labels) const override {
        return ColumnNames<ProfileReport>(kResults, false, labels);
    }
    // The score on its own scale; the interval, as the picture draws it, on the standard scale.
    ReportLine reportLine(const Fields& fields, const QString& separator) const override {
        const auto shown = [&](std::string_view column) { return ShownIn(FieldText(fields, column), separator); };
        const auto translated = [](const char* text) { return QCoreApplication::translate(kReportContext, text); };
        const bool standard = FieldText(fields, "scale") == ScaleName(ScoreScale::StandardScore);
        const QString standardCaption = QCoreApplication::translate(kScaleContext, ScaleCaption(ScoreScale::StandardScore));
        ReportLine line;
        line.score = ScaleCaptionIn(fields, "scale") + QLatin1Char(' ') + shown("score");
        line.sentenceScore = ScaleInSentenceIn(fields, "scale") + QLatin1Char(' ') + shown("score");
        line.percentileValue = FieldText(fields, "percentile");
        line.percentile = ShownIn(line.percentileValue, separator);
        line.label = LabelIn(fields);
        QStringList details;
        if (!standard) details << standardCaption + QLatin1Char(' ') + shown("standard");
        if (!FieldText(fields, "low").empty()) {
            const QString level = FieldText(fields, "level").empty() ? QStringLiteral("95") : shown("level");
            line.interval = translated("%1 to %2").arg(shown("low"), shown("high"));
            if (standard)
                line.sentenceScore = translated("%1 %2 (%3% CI %4)").arg(ScaleInSentenceIn(fields, "scale"), shown("score"), level, line.interval);
            else
                line.interval = QStringLiteral("%1 (%2)").arg(line.interval, standardCaption);
            details << translated("%1% confidence, reliability %2").arg(level, shown("reliability"));
        }
        line.details = details.join(QStringLiteral("; "));
        return line;
    }

protected:
    void computeNamed(const Fields& fields, bool, const FieldContext& context, NamedTexts& results) const override {
        const ProfileReport report = ComputeProfileRow(ReadIntervalEntry(fields, context));
        if (report.refusal) ThrowRefusal(*report.refusal, fields, kEntryColumns);
        NameProfileResults(report, context.labels, results);
    }
};

}  // namespace

void NameProfileResults(const ProfileReport& report, LabelSystem labels, NamedTexts& results) {
    NameResults<ProfileReport>(kResults, report, false, labels, results);
}

const Operation& ProfileOperation() {
    static const ScoreProfileOperation operation;
    return operation;
}

}  // namespace modVelmora
