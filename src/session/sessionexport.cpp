#include "session/sessionexport.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace modVelmora {

namespace {

const QStringList kLeadingColumns{"time", "module", "test"};

void appendCsvField(QString& out, const QString& field) {
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\r') && !field.contains(u'\n')) {
        out += field;
        return;
    }
    out += u'"';
    out += QString(field).replace(u'"', QStringLiteral("\"\""));
    out += u'"';
}

void appendCsvRow(QString& out, const QStringList& fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) out += u',';
        appendCsvField(out, fields[i]);
    }
    out += u'\n';
}

}  // namespace

QString TabSeparated(const QList<QStringList>& table) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|[\t\r\n]"));
    QString out;
    for (const QStringList& row : table) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0) out += u'\t';
            out += QString(row[i]).replace(breaks, QStringLiteral(" "));
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

QString SessionCsv(const QList<SessionRow>& rows, const QStringList& columnOrder) {
    // A column is a header text and which of that row's fields so named it holds: interval's rows
    // have two "centre" fields, as velmora-cli writes them, and so two "centre" columns.
    using Column = std::pair<QString, qsizetype>;
    QSet<QString> plainNames;
    for (const SessionRow& row : rows)
        for (const auto& [name, value] : row.fields)
            if (!kLeadingColumns.contains(name)) plainNames.insert(name);
    // Each row's fields in turn, as the columns they go under.
    QList<QList<Column>> placed;
    QList<Column> columns;  // in order of first appearance
    QHash<QString, QString> renamed;  // "module/name" of a field named like a leading column, to its header
    for (const SessionRow& row : rows) {
        QList<Column>& cells = placed.emplaceBack();
        QHash<QString, qsizetype> seen;
        for (const auto& [name, value] : row.fields) {
            QString header = name;
            if (kLeadingColumns.contains(name)) {
                const QString key = row.module + u'/' + name;
                if (!renamed.contains(key)) {
                    QString unique = row.module + u'_' + name;
                    while (plainNames.contains(unique) || std::ranges::count(renamed, unique) > 0) unique += u'_';
                    renamed.insert(key, unique);
                }
                header = renamed.value(key);
            }
            const Column column{header, seen[name]++};
            cells.append(column);
            if (!columns.contains(column)) columns.append(column);
        }
    }
    // By velmora-cli's order, a second field of a name by the name's second place there.
    const auto rank = [&](const Column& column) {
        const QString name = renamed.key(column.first, column.first).section(u'/', -1);
        qsizetype at = -1;
        for (qsizetype found = 0; found <= column.second; ++found)
            if ((at = columnOrder.indexOf(name, at + 1)) < 0) return columnOrder.size();
        return at;
    };
    std::ranges::stable_sort(columns, [&](const Column& a, const Column& b) { return rank(a) < rank(b); });

    QStringList header = kLeadingColumns;
    for (const Column& column : columns) header.append(column.first);
    QString out;
    appendCsvRow(out, header);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const SessionRow& row = rows[r];
        QStringList cells(header.size());
        // The wall-clock time where and when the row was made, whatever the zone of this export.
        const QDateTime shown = row.time.toOffsetFromUtc(row.time.offsetFromUtc());
        if (shown.isValid()) cells[0] = shown.date().toString(Qt::ISODate) + u'T' + shown.time().toString(Qt::ISODate);
        cells[1] = row.module;
        cells[2] = row.test;
        for (qsizetype f = 0; f < qsizetype(row.fields.size()); ++f)
            cells[kLeadingColumns.size() + columns.indexOf(placed[r][f])] = row.fields[size_t(f)].second;
        appendCsvRow(out, cells);
    }
    return out;
}

}  // namespace modVelmora
