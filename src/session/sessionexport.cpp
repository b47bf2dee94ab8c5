#include "session/sessionexport.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

#include "common/operation.h"
#include "common/spreadsheet.h"

namespace modVelmora {

namespace {

const QStringList kLeadingColumns{"time", "patient", "module", "test"};

void appendCsvRow(QString& out, const QStringList& fields, QChar separator = u',') {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) out += separator;
        out += CsvField(SpreadsheetCell(fields[i]), separator);
    }
    out += u'\n';
}

}  // namespace

const Operation* RowOperation(std::span<const Operation* const> operations, const SessionRow& row) {
    const auto field = [&](std::string_view name) -> const QString* {
        for (const auto& [key, value] : row.fields)
            if (key == QLatin1String(name.data(), qsizetype(name.size()))) return &value;
        return nullptr;
    };
    for (const Operation* operation : operations) {
        if (row.module != QLatin1String(operation->command().data(), qsizetype(operation->command().size()))) continue;
        const std::optional<Choice> choice = operation->choice();
        const QString* chosen = choice ? field(choice->option) : nullptr;
        if (!chosen || *chosen == QLatin1String(choice->value.data(), qsizetype(choice->value.size()))) return operation;
    }
    return nullptr;
}

ReportLine RowReportLine(std::span<const Operation* const> operations, const SessionRow& row, const QString& separator) {
    const Operation* operation = RowOperation(operations, row);
    if (!operation) {
        ReportLine line;
        line.details = row.results;
        return line;
    }
    // The fields' texts in UTF-8, held while the operation reads them.
    std::vector<std::pair<std::string, std::string>> texts;
    texts.reserve(row.fields.size());
    for (const auto& [name, value] : row.fields) texts.emplace_back(name.toStdString(), value.toStdString());
    Fields fields;
    for (const auto& [name, value] : texts) fields.byName.emplace_back(name, value);
    return operation->reportLine(fields, separator);
}

QString TabSeparated(const QList<QStringList>& table) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|[\t\r\n]"));
    QString out;
    for (const QStringList& row : table) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0) out += u'\t';
            out += SpreadsheetCell(row[i]).replace(breaks, QStringLiteral(" "));
        }
        out += u'\n';
    }
    return out;
}

QString HtmlTable(const QList<QStringList>& table) {
    QString out =
        QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n<table border=\"1\">\n");
    for (qsizetype r = 0; r < table.size(); ++r) {
        const QString cell = r == 0 ? QStringLiteral("th") : QStringLiteral("td");
        out += QStringLiteral("<tr>");
        for (const QString& text : table[r]) out += QStringLiteral("<%1>%2</%1>").arg(cell, text.toHtmlEscaped());
        out += QStringLiteral("</tr>\n");
    }
    return out + QStringLiteral("</table>\n</body></html>\n");
}

QByteArray SpreadsheetCsv(const QList<QStringList>& table, QChar separator) {
    QString out;
    for (const QStringList& row : table) appendCsvRow(out, row, separator);
    return "\xEF\xBB\xBF" + out.toUtf8();
}

QString SessionCsv(const QList<SessionRow>& rows, const QStringList& columnOrder, const QStringList& patients) {
    QSet<QString> plainNames;
    for (const SessionRow& row : rows)
        for (const auto& [name, value] : row.fields)
            if (!kLeadingColumns.contains(name)) plainNames.insert(name);
    // A field named like a leading column goes under "<module>_<name>", made unique.
    QHash<QString, QString> renamed;  // "module/name" to its header
    const auto headerOf = [&](const SessionRow& row, const QString& name) {
        if (!kLeadingColumns.contains(name)) return name;
        const QString key = row.module + u'/' + name;
        if (!renamed.contains(key)) {
            QString unique = row.module + u'_' + name;
            while (plainNames.contains(unique) || std::ranges::count(renamed, unique) > 0) unique += u'_';
            renamed.insert(key, unique);
        }
        return renamed.value(key);
    };
    QStringList columns;  // in order of first appearance
    for (const SessionRow& row : rows)
        for (const auto& [name, value] : row.fields)
            if (const QString header = headerOf(row, name); !columns.contains(header)) columns.append(header);
    // By velmora-cli's order, any other name after them.
    const auto rank = [&](const QString& header) {
        const qsizetype at = columnOrder.indexOf(renamed.key(header, header).section(u'/', -1));
        return at < 0 ? columnOrder.size() : at;
    };
    std::ranges::stable_sort(columns, [&](const QString& a, const QString& b) { return rank(a) < rank(b); });

    QString out;
    appendCsvRow(out, kLeadingColumns + columns);
    for (const SessionRow& row : rows) {
        QStringList cells(kLeadingColumns.size() + columns.size());
        // The wall-clock time where and when the row was made, whatever the zone of this export.
        const QDateTime shown = row.time.toOffsetFromUtc(row.time.offsetFromUtc());
        if (shown.isValid()) cells[0] = shown.date().toString(Qt::ISODate) + u'T' + shown.time().toString(Qt::ISODate);
        cells[1] = patients.value(row.patient);
        cells[2] = row.module;
        cells[3] = row.test;
        for (const auto& [name, value] : row.fields) cells[kLeadingColumns.size() + columns.indexOf(headerOf(row, name))] = value;
        appendCsvRow(out, cells);
    }
    return out;
}

}  // namespace modVelmora
