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
        ReportLine line = IntervalReportLine(fields, separator, true);
        QStringList details;
        if (FieldText(fields, "scale") != ScaleName(ScoreScale::StandardScore))
            details << QCoreApplication::translate(kScaleContext, ScaleCaption(ScoreScale::StandardScore)) + QLatin1Char(' ') +
                           ShownIn(FieldText(fields, "standard"), separator);
        if (!line.details.isEmpty()) details << line.details;
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
