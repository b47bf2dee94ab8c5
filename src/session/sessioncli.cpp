#include "session/sessioncli.h"

#include "age/dateparse.h"

namespace modVelmora {

SessionRow CalculatedRow(cli::Command command, const QString& entry, const QString& results, const CliEntries& entries,
                         bool extended, LabelSystem labels, const QDateTime& time) {
    cli::Fields fields;
    for (const auto& [name, value] : entries) fields.byColumn.emplace_back(name, value);
    static const DateConventions iso = DateConventions::English();
    const QDate today = time.date();
    const cli::Context context{[](std::string_view text) { return ParseDate(text, iso); },
                               std::chrono::year_month_day(std::chrono::year(today.year()), std::chrono::month(unsigned(today.month())),
                                                           std::chrono::day(unsigned(today.day()))),
                               labels, false, {}};
    cli::Outcome outcome;
    cli::Compute(command, fields, extended, context, outcome);

    SessionRow row{time, SessionModules().at(static_cast<qsizetype>(command)), QString(), entry, results, {}};
    for (const auto& [name, value] : entries) row.fields.emplace_back(QString::fromStdString(name), QString::fromStdString(value));
    const std::vector<std::string> columns = cli::ResultColumns(command, extended, labels);
    for (std::size_t i = 0; i < columns.size() && i < outcome.results.size(); ++i)
        row.fields.emplace_back(QString::fromStdString(columns[i]), QString::fromStdString(outcome.results[i]));
    return row;
}

}  // namespace modVelmora
