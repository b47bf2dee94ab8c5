#include "change/changeoperation.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

#include "stats/numbers.h"

namespace modVelmora {

namespace {

const MethodResult* resultOf(const ChangeReport& report, ChangeMethod method) {
    const auto found = std::find_if(report.methods.begin(), report.methods.end(),
                                    [method](const MethodResult& result) { return result.method == method; });
    return found == report.methods.end() ? nullptr : &*found;
}

// Each method's columns, empty where its entries are missing.
template <ChangeMethod method, std::string MethodTexts::*text>
std::string methodText(const ChangeReport& report) {
    const MethodResult* result = resultOf(report, method);
    return result ? result->texts.*text : std::string();
}

template <ChangeMethod method>
std::string verdictOf(const ChangeReport& report) {
    const MethodResult* result = resultOf(report, method);
    return result ? VerdictText(result->verdict) : "";
}

using M = ChangeMethod;
using T = MethodTexts;
const ResultColumn<ChangeReport> kResults[] = {
    {"jt_expected", ShownWhen::Always, methodText<M::JacobsonTruax, &T::expected>},
    {"jt_se", ShownWhen::Always, methodText<M::JacobsonTruax, &T::se>},
    {"jt_z", ShownWhen::Always, methodText<M::JacobsonTruax, &T::statistic>},
    {"jt_p", ShownWhen::Always, methodText<M::JacobsonTruax, &T::p>},
    {"jt_verdict", ShownWhen::Always, verdictOf<M::JacobsonTruax>},
    {"chelune_expected", ShownWhen::Always, methodText<M::Chelune, &T::expected>},
    {"chelune_se", ShownWhen::Always, methodText<M::Chelune, &T::se>},
    {"chelune_z", ShownWhen::Always, methodText<M::Chelune, &T::statistic>},
    {"chelune_p", ShownWhen::Always, methodText<M::Chelune, &T::p>},
    {"chelune_verdict", ShownWhen::Always, verdictOf<M::Chelune>},
    {"iverson_expected", ShownWhen::Always, methodText<M::Iverson, &T::expected>},
    {"iverson_se", ShownWhen::Always, methodText<M::Iverson, &T::se>},
    {"iverson_z", ShownWhen::Always, methodText<M::Iverson, &T::statistic>},
    {"iverson_p", ShownWhen::Always, methodText<M::Iverson, &T::p>},
    {"iverson_verdict", ShownWhen::Always, verdictOf<M::Iverson>},
    {"cg_expected", ShownWhen::Always, methodText<M::CrawfordGarthwaite, &T::expected>},
    {"cg_se", ShownWhen::Always, methodText<M::CrawfordGarthwaite, &T::se>},
    {"cg_t", ShownWhen::Always, methodText<M::CrawfordGarthwaite, &T::statistic>},
    {"cg_df", ShownWhen::Always,
     [](const ChangeReport& r) {
         const MethodResult* result = resultOf(r, M::CrawfordGarthwaite);
         return result && result->df ? std::to_string(*result->df) : std::string();
     }},
    {"cg_p", ShownWhen::Always, methodText<M::CrawfordGarthwaite, &T::p>},
    {"cg_verdict", ShownWhen::Always, verdictOf<M::CrawfordGarthwaite>},
};

// By ChangeField.
const std::array<const char*, 8> kEntryColumns = {"x1", "x2", "m1", "m2", "sd1", "sd2", "r", "n"};

class ReliableChangeOperation final : public Operation {
public:
    std::string_view command() const override { return "change"; }
    std::vector<std::string_view> requiredColumns(bool) const override { return {"x1", "x2", "sd1", "r"}; }
    std::vector<std::string_view> optionalColumns() const override { return {"sd2", "m1", "m2", "n", "level", "reverse"}; }
    std::vector<std::string_view> resultColumns(bool, LabelSystem) const override {
        return ColumnNames<ChangeReport>(kResults, false, LabelSystem::None);
    }

    ReportLine reportLine(const Fields& fields, const QString& separator) const override {
        const auto shown = [&](const std::string& column) { return ShownIn(FieldText(fields, column), separator); };
        ReportLine line;
        line.score = line.sentenceScore = QCoreApplication::translate("modVelmora::Report", "%1 → %2").arg(shown("x1"), shown("x2"));
        QStringList verdicts;
        const std::pair<ChangeMethod, std::string> methods[] = {{ChangeMethod::JacobsonTruax, "jt_"}, {ChangeMethod::Chelune, "chelune_"},
                                                                {ChangeMethod::Iverson, "iverson_"}, {ChangeMethod::CrawfordGarthwaite, "cg_"}};
        for (const auto& [method, prefix] : methods) {
            const std::string verdict(FieldText(fields, prefix + "verdict"));
            if (verdict.empty()) continue;
            const QString statistic = method == ChangeMethod::CrawfordGarthwaite
                                          ? QCoreApplication::translate("modVelmora::Report", "t %1 (%2 df)").arg(shown("cg_t"), shown("cg_df"))
                                          : QCoreApplication::translate("modVelmora::Report", "z %1").arg(shown(prefix + "z"));
            verdicts << QCoreApplication::translate("modVelmora::Report", "%1: %2 (%3, p %4)")
                            .arg(QCoreApplication::translate(kChangeContext, MethodName(method)),
                                 QCoreApplication::translate(kChangeContext, verdict.c_str()), statistic, shown(prefix + "p"));
        }
        line.details = verdicts.join(QStringLiteral("; "));
        return line;
    }

protected:
    void computeNamed(const Fields& fields, bool, const FieldContext& context, NamedTexts& results) const override {
        const ChangeReport report = ComputeReliableChange(ReadChangeEntry(fields, context));
        if (report.refusal) ThrowRefusal(*report.refusal, fields, kEntryColumns);
        NameChangeResults(report, results);
    }
};

}  // namespace

ChangeEntry ReadChangeEntry(const Fields& fields, const FieldContext& context) {
    ChangeEntry entry;
    std::string* const texts[] = {&entry.test,    &entry.retest,   &entry.meanTest,    &entry.meanRetest,
                                  &entry.sdTest,  &entry.sdRetest, &entry.correlation, &entry.sampleSize};
    for (std::size_t field = 0; field < kEntryColumns.size(); ++field) *texts[field] = NumberField(fields, kEntryColumns[field], context);
    entry.level = LevelField(fields, ConfidenceLevel::NinetyFive);
    entry.reverse = YesNoField(fields, "reverse");
    return entry;
}

NamedTexts ChangeFields(const ChangeEntry& entry) {
    NamedTexts fields;
    fields.add("x1", NumericPrefixText(entry.test));
    fields.add("x2", NumericPrefixText(entry.retest));
    fields.add("sd1", NumericPrefixText(entry.sdTest));
    fields.add("r", NumericPrefixText(entry.correlation));
    // The optional entries only where given, as an empty one is not given.
    const std::pair<const char*, const std::string*> optional[] = {
        {"sd2", &entry.sdRetest}, {"m1", &entry.meanTest}, {"m2", &entry.meanRetest}, {"n", &entry.sampleSize}};
    for (const auto& [column, text] : optional)
        if (!text->empty()) fields.add(column, NumericPrefixText(*text));
    fields.add("level", std::to_string(static_cast<int>(entry.level)));
    fields.add("reverse", entry.reverse ? "1" : "0");
    return fields;
}

void NameChangeResults(const ChangeReport& report, NamedTexts& results) {
    NameResults<ChangeReport>(kResults, report, false, LabelSystem::None, results);
}

const Operation& ChangeOperation() {
    static const ReliableChangeOperation operation;
    return operation;
}

}  // namespace modVelmora
