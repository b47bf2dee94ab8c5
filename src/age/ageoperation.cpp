#include "age/ageoperation.h"

#include <QCoreApplication>

namespace modVelmora {

namespace {

std::string corrected(const AgeReport& report, int Age::*part) {
    const std::optional<Correction>& correction = report.correction;
    return correction && correction->age ? std::to_string((*correction->age).*part) : std::string();
}

const ResultColumn<AgeReport> kResults[] = {
    {"years", ShownWhen::Always, [](const AgeReport& r) { return std::to_string(r.age->years); }},
    {"months", ShownWhen::Always, [](const AgeReport& r) { return std::to_string(r.age->months); }},
    {"days", ShownWhen::Always, [](const AgeReport& r) { return std::to_string(r.age->days); }},
    {"age", ShownWhen::Always, [](const AgeReport& r) { return r.ageText; }},
    {"total_months", ShownWhen::Always, [](const AgeReport& r) { return std::to_string(TotalMonths(*r.age)); }},
    {"due_date", ShownWhen::Extended,
     [](const AgeReport& r) { return r.correction && r.correction->dueDate ? IsoDate(*r.correction->dueDate) : std::string(); }},
    {"corrected_years", ShownWhen::Extended, [](const AgeReport& r) { return corrected(r, &Age::years); }},
    {"corrected_months", ShownWhen::Extended, [](const AgeReport& r) { return corrected(r, &Age::months); }},
    {"corrected_days", ShownWhen::Extended, [](const AgeReport& r) { return corrected(r, &Age::days); }},
    {"corrected_age", ShownWhen::Extended, [](const AgeReport& r) { return r.correction ? r.correction->text : std::string(); }},
    {"corrected_total_months", ShownWhen::Extended,
     [](const AgeReport& r) {
         return r.correction && r.correction->age ? std::to_string(TotalMonths(*r.correction->age)) : std::string();
     }},
};

class AgeCalculationOperation final : public Operation {
public:
    std::string_view command() const override { return "age"; }
    std::vector<std::string_view> requiredColumns(bool) const override { return {"birth"}; }
    std::vector<std::string_view> optionalColumns() const override { return {"test", "gestation"}; }
    std::vector<std::string_view> extendingColumns() const override { return {"gestation"}; }
    std::vector<std::string_view> resultColumns(bool extended, LabelSystem) const override {
        return ColumnNames<AgeReport>(kResults, extended, LabelSystem::None);
    }

    ReportLine reportLine(const Fields& fields, const QString&) const override {
        const auto text = [&](std::string_view column) { return QString::fromStdString(std::string(FieldText(fields, column))); };
        const auto inMonths = [&](const char* months, const char* days) {
            return QCoreApplication::translate("modVelmora::Report", "%1 months %2 days").arg(text(months), text(days));
        };
        QStringList details{QCoreApplication::translate("modVelmora::Report", "age %1 (%2)").arg(text("age"), inMonths("total_months", "days"))};
        if (!FieldText(fields, "corrected_total_months").empty())
            details << QCoreApplication::translate("modVelmora::Report", "corrected age %1 (%2)")
                           .arg(text("corrected_age"), inMonths("corrected_total_months", "corrected_days"));
        else if (!FieldText(fields, "corrected_age").empty())
            details << QCoreApplication::translate("modVelmora::Report", "corrected age: %1")
                           .arg(QCoreApplication::translate(kMessageContext, std::string(FieldText(fields, "corrected_age")).c_str()));
        ReportLine line;
        line.details = details.join(QStringLiteral("; "));
        return line;
    }

protected:
    void computeNamed(const Fields& fields, bool extended, const FieldContext& context, NamedTexts& results) const override {
        const AgeReport report = CalculateAge(ReadAgeEntry(fields, context), context.readDate);
        // Both dates are there, so every refusal has its message; a date that cannot be read (the
        // refusal that empties its box) names its column, as a number that is not one does.
        if (!report.refusals.empty()) {
            const Refusal<AgeField>& refusal = report.refusals.front();
            if (!refusal.emptiesEntry) throw FieldError(refusal.message);
            const char* column = refusal.field == AgeField::BirthDate ? "birth" : "test";
            throw FieldError(std::string(refusal.message) + " in " + column + ": " + std::string(FieldText(fields, column)));
        }
        NameAgeResults(report, extended, results);
    }
};

}  // namespace

AgeEntry ReadAgeEntry(const Fields& fields, const FieldContext& context) {
    const std::string_view birth = FieldText(fields, "birth"), test = FieldText(fields, "test");
    if (birth.empty()) throw FieldError("Please enter a birth date.");
    // Today stands in for a test date left out.
    return {std::string(birth), test.empty() ? IsoDate(context.today) : std::string(test), std::string(FieldText(fields, "gestation"))};
}

NamedTexts AgeFields(const AgeEntry& entry, const AgeReport& report) {
    NamedTexts fields;
    if (report.birthDate) fields.add("birth", IsoDate(*report.birthDate));
    if (report.testDate) fields.add("test", IsoDate(*report.testDate));
    const std::size_t first = entry.gestation.find_first_not_of(" \t"), last = entry.gestation.find_last_not_of(" \t");
    if (first != std::string::npos) fields.add("gestation", entry.gestation.substr(first, last - first + 1));
    return fields;
}

void NameAgeResults(const AgeReport& report, bool extended, NamedTexts& results) {
    NameResults<AgeReport>(kResults, report, extended, LabelSystem::None, results);
}

const Operation& AgeOperation() {
    static const AgeCalculationOperation operation;
    return operation;
}

}  // namespace modVelmora
