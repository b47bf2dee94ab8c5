#include "converter/conversionoperation.h"

#include <array>

#include "stats/numbers.h"

namespace modVelmora {

namespace {

const ResultColumn<ConversionReport> kResults[] = {
    {"result", ShownWhen::Always, [](const ConversionReport& r) { return r.answer; }},
    {"label", ShownWhen::Labelled, [](const ConversionReport& r) { return std::string(r.label ? r.label->text : ""); }},
};

const std::array<const char*, 1> kEntryColumns = {"value"};  // by ConversionField

class ConvertOperation final : public Operation {
public:
    std::string_view command() const override { return "convert"; }
    std::vector<std::string_view> requiredColumns(bool) const override { return {"value", "from", "to"}; }
    std::vector<std::string_view> optionalColumns() const override { return {"decimals"}; }
    std::vector<std::string_view> resultColumns(bool, LabelSystem labels) const override {
        return ColumnNames<ConversionReport>(kResults, false, labels);
    }

    ReportLine reportLine(const Fields& fields, const QString& separator) const override {
        // The percentile, given or gained, has a column of its own; the score is the other side.
        const bool fromPercentile = FieldText(fields, "from") == ScaleName(ScoreScale::Percentile);
        const bool toPercentile = FieldText(fields, "to") == ScaleName(ScoreScale::Percentile);
        const char* scored = fromPercentile ? "to" : "from";
        const QString score = ShownIn(FieldText(fields, fromPercentile ? "result" : "value"), separator);
        ReportLine line;
        line.score = ScaleCaptionIn(fields, scored) + QLatin1Char(' ') + score;
        line.sentenceScore = ScaleInSentenceIn(fields, scored) + QLatin1Char(' ') + score;
        line.percentileValue = FieldText(fields, fromPercentile ? "value" : toPercentile ? "result" : "");
        line.percentile = ShownIn(line.percentileValue, separator);
        line.label = LabelIn(fields);
        if (!fromPercentile && !toPercentile) line.details = ScaleCaptionIn(fields, "to") + QLatin1Char(' ') + ShownIn(FieldText(fields, "result"), separator);
        return line;
    }

protected:
    void computeNamed(const Fields& fields, bool, const FieldContext& context, NamedTexts& results) const override {
        const ConversionReport report = ConvertScore(ReadConversionEntry(fields, context));
        if (report.refusal) ThrowRefusal(*report.refusal, fields, kEntryColumns);
        NameConversionResults(report, context.labels, results);
    }
};

}  // namespace

ScoreScale ScaleField(const Fields& fields, std::string_view name) {
    const std::string_view text = FieldText(fields, name);
    if (const auto scale = ScaleNamed(text)) return *scale;
    throw FieldError(std::string(name) + " must be percentile, scaled, standard, t or z: " + std::string(text));
}

ConversionEntry ReadConversionEntry(const Fields& fields, const FieldContext& context) {
    ConversionEntry entry(context.labels);
    entry.from = ScaleField(fields, "from");
    entry.to = ScaleField(fields, "to");
    entry.value = NumberField(fields, "value", context);
    if (entry.value.empty()) throw FieldError("value is empty");
    entry.decimals = DecimalsField(fields);
    return entry;
}

NamedTexts ConversionFields(const ConversionEntry& entry) {
    NamedTexts fields;
    fields.add("value", NumericPrefixText(entry.value));
    fields.add("from", ScaleName(entry.from));
    fields.add("to", ScaleName(entry.to));
    fields.add("decimals", std::to_string(entry.decimals));
    return fields;
}

void NameConversionResults(const ConversionReport& report, LabelSystem labels, NamedTexts& results) {
    NameResults<ConversionReport>(kResults, report, false, labels, results);
}

const Operation& ConversionOperation() {
    static const ConvertOperation operation;
    return operation;
}

}  // namespace modVelmora
