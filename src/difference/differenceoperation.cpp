#include "difference/differenceoperation.h"

#include <QCoreApplication>
#include <array>
#include <utility>

#include "stats/numbers.h"

namespace modVelmora {

namespace {

using NormsReport = NormsDifferenceReport;
using ControlsReport = ControlsDifferenceReport;

const ResultColumn<NormsReport> kNormsResults[] = {
    {"difference", ShownWhen::Always, [](const NormsReport& r) { return r.differenceText; }},
    {"critical", ShownWhen::Always, [](const NormsReport& r) { return r.criticalText; }},
    {"significant", ShownWhen::Always, [](const NormsReport& r) { return std::string(r.significant ? "yes" : "no"); }},
    {"base_rate", ShownWhen::Always, [](const NormsReport& r) { return r.baseRateText; }},
    {"base_rate_two", ShownWhen::Always, [](const NormsReport& r) { return r.baseRateBothText; }},
};

const ResultColumn<ControlsReport> kControlsResults[] = {
    {"zx", ShownWhen::Always, [](const ControlsReport& r) { return r.zXText; }},
    {"zy", ShownWhen::Always, [](const ControlsReport& r) { return r.zYText; }},
    {"zdcc", ShownWhen::Always, [](const ControlsReport& r) { return r.zdccText; }},
    {"t", ShownWhen::Always, [](const ControlsReport& r) { return r.tText; }},
    {"df", ShownWhen::Always, [](const ControlsReport& r) { return std::to_string(r.df); }},
    {"p", ShownWhen::Always, [](const ControlsReport& r) { return r.pText; }},
    {"more_extreme", ShownWhen::Always, [](const ControlsReport& r) { return r.moreExtremeText; }},
    {"verdict", ShownWhen::Always, [](const ControlsReport& r) { return std::string(DifferenceVerdictText(r.significant)); }},
};

// By NormsDifferenceField and ControlsDifferenceField.
const std::array<const char*, 5> kNormsColumns = {"x", "y", "rxx", "ryy", "rxy"};
const std::array<const char*, 8> kControlsColumns = {"x", "y", "mx", "sx", "my", "sy", "r", "n"};

// The entry's columns read as numbers into its texts, in the columns' order.
template <std::size_t N>
void readNumbers(const Fields& fields, const FieldContext& context, const std::array<const char*, N>& columns,
                 const std::array<std::string*, N>& texts) {
    for (std::size_t i = 0; i < N; ++i) *texts[i] = NumberField(fields, columns[i], context);
}

// The choice first, as velmora-cli's option stands before the columns.
NamedTexts chosen(DifferenceAgainst against) {
    NamedTexts fields;
    fields.add("against", DifferenceAgainstKey(against));
    return fields;
}

class ScoreDifferenceOperation final : public Operation {
public:
    explicit ScoreDifferenceOperation(DifferenceAgainst against) : against_(against) {}

    std::string_view command() const override { return "difference"; }
    std::optional<Choice> choice() const override { return Choice{"against", DifferenceAgainstKey(against_)}; }
    std::vector<std::string_view> requiredColumns(bool) const override {
        if (against_ == DifferenceAgainst::Norms) return {"x", "y", "scale", "rxx", "ryy", "rxy"};
        return {kControlsColumns.begin(), kControlsColumns.end()};
    }
    std::vector<std::string_view> optionalColumns() const override { return {"level"}; }
    std::vector<std::string_view> resultColumns(bool, LabelSystem) const override {
        if (against_ == DifferenceAgainst::Norms) return ColumnNames<NormsReport>(kNormsResults, false, LabelSystem::None);
        return ColumnNames<ControlsReport>(kControlsResults, false, LabelSystem::None);
    }

    ReportLine reportLine(const Fields& fields, const QString& separator) const override {
        const auto shown = [&](std::string_view column) { return ShownIn(FieldText(fields, column), separator); };
        const bool significant = against_ == DifferenceAgainst::Norms ? FieldText(fields, "significant") == "yes"
                                                                      : FieldText(fields, "verdict") == DifferenceVerdictText(true);
        const QString verdict = QCoreApplication::translate(kDifferenceContext, DifferenceVerdictText(significant));
        ReportLine line;
        if (against_ == DifferenceAgainst::Norms) {
            line.score = QCoreApplication::translate("modVelmora::Report", "%1 %2 and %3").arg(ScaleCaptionIn(fields, "scale"), shown("x"), shown("y"));
            line.sentenceScore = QCoreApplication::translate("modVelmora::Report", "%1 %2 and %3").arg(ScaleInSentenceIn(fields, "scale"), shown("x"), shown("y"));
            line.details = QCoreApplication::translate("modVelmora::Report", "difference %1, critical difference %2: %3; base rate %4% (%5% either direction)")
                               .arg(shown("difference"), shown("critical"), verdict, shown("base_rate"), shown("base_rate_two"));
        } else {
            line.score = line.sentenceScore = QCoreApplication::translate("modVelmora::Report", "%1 and %2").arg(shown("x"), shown("y"));
            line.details = QCoreApplication::translate("modVelmora::Report", "z %1 and %2, Z-DCC %3, t %4 (%5 df), p %6: %7")
                               .arg(shown("zx"), shown("zy"), shown("zdcc"), shown("t"), shown("df"), shown("p"), verdict);
        }
        return line;
    }

protected:
    void computeNamed(const Fields& fields, bool, const FieldContext& context, NamedTexts& results) const override {
        if (against_ == DifferenceAgainst::Norms) {
            const NormsReport report = CompareWithNorms(ReadNormsDifferenceEntry(fields, context));
            if (report.refusal) ThrowRefusal(*report.refusal, fields, kNormsColumns);
            NameNormsDifferenceResults(report, results);
        } else {
            const ControlsReport report = CompareWithControls(ReadControlsDifferenceEntry(fields, context));
            if (report.refusal) ThrowRefusal(*report.refusal, fields, kControlsColumns);
            NameControlsDifferenceResults(report, results);
        }
    }

private:
    const DifferenceAgainst against_;
};

}  // namespace

NormsDifferenceEntry ReadNormsDifferenceEntry(const Fields& fields, const FieldContext& context) {
    NormsDifferenceEntry entry;
    readNumbers(fields, context, kNormsColumns, {&entry.x, &entry.y, &entry.reliabilityX, &entry.reliabilityY, &entry.correlation});
    // A percentile's differences are no distance on a scale.
    const std::string_view scale = FieldText(fields, "scale");
    const std::optional<ScoreScale> named = ScaleNamed(scale);
    if (!named || *named == ScoreScale::Percentile) throw FieldError("scale must be scaled, standard, t or z: " + std::string(scale));
    entry.scale = *named;
    entry.level = LevelField(fields, ConfidenceLevel::NinetyFive);
    return entry;
}

NamedTexts NormsDifferenceFields(const NormsDifferenceEntry& entry) {
    NamedTexts fields = chosen(DifferenceAgainst::Norms);
    fields.add("x", NumericPrefixText(entry.x));
    fields.add("y", NumericPrefixText(entry.y));
    fields.add("scale", ScaleName(entry.scale));
    for (const auto& [column, text] : {std::pair{"rxx", &entry.reliabilityX}, {"ryy", &entry.reliabilityY}, {"rxy", &entry.correlation}})
        fields.add(column, NumericPrefixText(*text));
    fields.add("level", std::to_string(static_cast<int>(entry.level)));
    return fields;
}

void NameNormsDifferenceResults(const NormsDifferenceReport& report, NamedTexts& results) {
    NameResults<NormsReport>(kNormsResults, report, false, LabelSystem::None, results);
}

ControlsDifferenceEntry ReadControlsDifferenceEntry(const Fields& fields, const FieldContext& context) {
    ControlsDifferenceEntry entry;
    readNumbers(fields, context, kControlsColumns,
                {&entry.x, &entry.y, &entry.meanX, &entry.sdX, &entry.meanY, &entry.sdY, &entry.correlation, &entry.sampleSize});
    entry.level = LevelField(fields, ConfidenceLevel::NinetyFive);
    return entry;
}

NamedTexts ControlsDifferenceFields(const ControlsDifferenceEntry& entry) {
    NamedTexts fields = chosen(DifferenceAgainst::Controls);
    const std::array<const std::string*, 8> texts = {&entry.x,    &entry.y,    &entry.meanX,       &entry.sdX,
                                                     &entry.meanY, &entry.sdY, &entry.correlation, &entry.sampleSize};
    for (std::size_t i = 0; i < texts.size(); ++i) fields.add(kControlsColumns[i], NumericPrefixText(*texts[i]));
    fields.add("level", std::to_string(static_cast<int>(entry.level)));
    return fields;
}

void NameControlsDifferenceResults(const ControlsDifferenceReport& report, NamedTexts& results) {
    NameResults<ControlsReport>(kControlsResults, report, false, LabelSystem::None, results);
}

const Operation& DifferenceOperation(DifferenceAgainst against) {
    static const ScoreDifferenceOperation norms(DifferenceAgainst::Norms), controls(DifferenceAgainst::Controls);
    return against == DifferenceAgainst::Norms ? norms : controls;
}

}  // namespace modVelmora
