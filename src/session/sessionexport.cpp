#include "session/sessionexport.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <numeric>

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
    // Each (module, field name) gets its column; one named like a leading column takes a name no other column has.
    QSet<QString> plainNames;
    for (const SessionRow& row : rows)
        for (const auto& [name, value] : row.fields)
            if (!kLeadingColumns.contains(name)) plainNames.insert(name);
    QHash<QString, QString> columnOf;  // "module/name" to its column
    QStringList columns, sortNames;    // in order of first appearance; the name each is placed by
    for (const SessionRow& row : rows) {
        for (const auto& [name, value] : row.fields) {
            const QString key = row.module + u'/' + name;
            if (columnOf.contains(key)) continue;
            QString column = name;
            if (kLeadingColumns.contains(name)) {
                column = row.module + u'_' + name;
                while (plainNames.contains(column) || columns.contains(column)) column += u'_';
            }
            columnOf.insert(key, column);
            if (columns.contains(column)) continue;
            columns.append(column);
            sortNames.append(name);
        }
    }
    QList<qsizetype> order(columns.size());
    std::iota(order.begin(), order.end(), 0);
    const auto rank = [&](qsizetype i) {
        const qsizetype at = columnOrder.indexOf(sortNames[i]);
        return at < 0 ? columnOrder.size() : at;
    };
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return rank(a) < rank(b); });

    QStringList header = kLeadingColumns;
    QHash<QString, qsizetype> indexOf;
    for (qsizetype i : order) {
        indexOf.insert(columns[i], header.size());
        header.append(columns[i]);
    }
    QString out;
    appendCsvRow(out, header);
    QStringList cells;
    for (const SessionRow& row : rows) {
        cells = QStringList(header.size());
        // The wall-clock time where and when the row was made, whatever the zone of this export.
        const QDateTime shown = row.time.toOffsetFromUtc(row.time.offsetFromUtc());
        if (shown.isValid()) cells[0] = shown.date().toString(Qt::ISODate) + u'T' + shown.time().toString(Qt::ISODate);
        cells[1] = row.module;
        cells[2] = row.test;
        for (const auto& [name, value] : row.fields) cells[indexOf.value(columnOf.value(row.module + u'/' + name))] = value;
        appendCsvRow(out, cells);
    }
    return out;
}

}  // namespace modVelmora
