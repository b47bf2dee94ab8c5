#include "rawscore/rawscoreoperation.h"

#include <QCoreApplication>
#include <array>

#include "common/yesno.h"
#include "stats/numbers.h"

namespace modVelmora {

namespace {

using Column = ResultColumn<RawScoreReport>;

std::string small(const RawScoreReport& report, std::string SmallSampleTexts::*text) {
    return report.smallSample ? (*report.smallSample).*text : std::string();
}

const Column kResults[] = {
    {"z", ShownWhen::Always, [](const RawScoreReport& r) { return r.z; }},
    {"percentile", ShownWhen::Always, [](const RawScoreReport& r) { return r.percentile; }},
    {"t", ShownWhen::Extended, [](const RawScoreReport& r) { return small(r, &SmallSampleTexts::t); }},
    {"adjusted_percentile", ShownWhen::Extended, [](const RawScoreReport& r) { return small(r, &SmallSampleTexts::adjustedPercentile); }},
    {"ci_low", ShownWhen::Extended, [](const RawScoreReport& r) { return small(r, &SmallSampleTexts::intervalLow); }},
    {"ci_high", ShownWhen::Extended, [](const RawScoreReport& r) { return small(r, &SmallSampleTexts::intervalHigh); }},
    {"zcc", ShownWhen::Extended, [](const RawScoreReport& r) { return small(r, &SmallSampleTexts::zcc); }},
    {"zcc_low", ShownWhen::Extended, [](const RawScoreReport& r) { return small(r, &SmallSampleTexts::zccLow); }},
    {"zcc_high", ShownWhen::Extended, [](const RawScoreReport& r) { return small(r, &SmallSampleTexts::zccHigh); }},
    {"label", ShownWhen::Labelled, [](const RawScoreReport& r) { return std::string(r.label ? r.label->text : ""); }},
};

// By RawScoreField.
const std::array<const char*, 4> kEntryColumns = {"raw", "mean", "sd", "n"};

// The norm set a row names gives its mean, sd, n and reverse, which the row then leaves empty.
std::optional<NamedTexts> normSetIn(const Fields& fields, const FieldContext& context) {
    const std::string name(FieldText(fields, "norms"));
    if (name.empty()) return std::nullopt;
    std::string given;
    for (const char* column : {"mean", "sd", "n", "reverse"})
        if (!FieldText(fields, column).empty()) given += (given.empty() ? "" : ", ") + std::string(column);
    if (!given.empty()) throw FieldError("norm set \"" + name + "\" gives mean, sd, n and reverse; leave out " + given);
    if (!context.normSet) throw FieldError("no norm set named \"" + name + "\"");
    auto found = context.normSet(name);
    if (const auto* reason = std::get_if<std::string>(&found)) throw FieldError(*reason);
    return std::get<NamedTexts>(std::move(found));
}

class ScoreOperation final : public Operation {
public:
    std::string_view command() const override { return "score"; }
    std::vector<std::string_view> requiredColumns(bool normSet) const override {
        if (normSet) return {"raw"};
        return {"raw", "mean", "sd"};
    }
    std::vector<std::string_view> optionalColumns() const override { return {"n", "reverse", "decimals", "norms"}; }
    std::vector<std::string_view> extendingColumns() const override { return {"n", "norms"}; }
    std::vector<std::string_view> resultColumns(bool extended, LabelSystem labels) const override {
        return ColumnNames<RawScoreReport>(kResults, extended, labels);
    }

    ReportLine reportLine(const Fields& fields, const QString& separator) const override {
        const auto shown = [&](std::string_view column) { return ShownIn(FieldText(fields, column), separator); };
        const bool smallSample = !FieldText(fields, "t").empty();
        ReportLine line;
        line.score = QCoreApplication::translate("modVelmora::Report", "raw %1 (mean %2, SD %3)").arg(shown("raw"), shown("mean"), shown("sd"));
        line.sentenceScore = line.score;
        line.percentileValue = FieldText(fields, smallSample ? "adjusted_percentile" : "percentile");
        line.percentile = ShownIn(line.percentileValue, separator);
        line.label = LabelIn(fields);
        QStringList details{QCoreApplication::translate("modVelmora::Report", "z %1").arg(shown("z"))};
        if (smallSample) {
            line.interval = QCoreApplication::translate("modVelmora::Report", "%1 to %2").arg(shown("ci_low"), shown("ci_high"));
            details << QCoreApplication::translate("modVelmora::Report", "t %1 against a normative sample of %2").arg(shown("t"), shown("n"))
                    << QCoreApplication::translate("modVelmora::Report", "z-CC %1 (95% CI %2 to %3)")
                           .arg(shown("zcc"), shown("zcc_low"), shown("zcc_high"));
        }
        if (ReadYesNo(FieldText(fields, "reverse")).value_or(false))
            details << QCoreApplication::translate("modVelmora::Report", "low scores are good");
        line.details = details.join(QStringLiteral("; "));
        return line;
    }

protected:
    void computeNamed(const Fields& fields, bool extended, const FieldContext& context, NamedTexts& results) const override {
        const RawScoreEntry entry = ReadRawScoreEntry(fields, extended, context);
        const RawScoreReport report = ScoreRawScore(entry);
        if (report.refusal) ThrowRefusal(*report.refusal, fields, kEntryColumns);
        NameRawScoreResults(report, extended, context.labels, results);
    }
};

}  // namespace

RawScoreEntry ReadRawScoreEntry(const Fields& fields, bool extended, const FieldContext& context) {
    const std::optional<NamedTexts> set = normSetIn(fields, context);
    RawScoreEntry entry(context.labels);
    entry.rawScore = NumberField(fields, "raw", context);
    const auto readNorms = [&entry](const Fields& norms, const FieldContext& written) {
        entry.mean = NumberField(norms, "mean", written);
        entry.sd = NumberField(norms, "sd", written);
        entry.sampleSize = NumberField(norms, "n", written);
    };
    if (set) {
        // A saved set is written with ".", whatever the file's convention.
        FieldContext saved = context;
        saved.decimalComma = false;
        readNorms(Fields(*set), saved);
    } else {
        readNorms(fields, context);
    }
    entry.decimals = DecimalsField(fields);
    entry.reverse = set ? YesNoField(Fields(*set), "reverse") : YesNoField(fields, "reverse");
    // A row without a sample size has no t-test.
    entry.useTTest = extended && !entry.sampleSize.empty();
    return entry;
}

NamedTexts RawScoreFields(const RawScoreEntry& entry) {
    NamedTexts fields;
    fields.add("raw", NumericPrefixText(entry.rawScore));
    fields.add("mean", NumericPrefixText(entry.mean));
    fields.add("sd", NumericPrefixText(entry.sd));
    if (entry.useTTest) fields.add("n", NumericPrefixText(entry.sampleSize));
    fields.add("reverse", entry.reverse ? "1" : "0");
    fields.add("decimals", std::to_string(entry.decimals));
    return fields;
}

void NameRawScoreResults(const RawScoreReport& report, bool extended, LabelSystem labels, NamedTexts& results) {
    NameResults<RawScoreReport>(kResults, report, extended, labels, results);
}

const Operation& RawScoreOperation() {
    static const ScoreOperation operation;
    return operation;
}

}  // namespace modVelmora
