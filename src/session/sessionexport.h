#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <span>

#include "common/report.h"

#include "session/sessionrecord.h"

// The session as others read it: a table pasted into a spreadsheet or a
// report, a CSV file for a spreadsheet, and one of velmora-cli's columns.

namespace modVelmora {

class Operation;

// The operation that made the row, of velmora-cli's: its command word's, and of a word's several the
// one its fields choose (the first where they name none); nullptr when there is none.
const Operation* RowOperation(std::span<const Operation* const> operations, const SessionRow& row);
// The row as a report's line, numbers with separator for the point; a row that no operation reads
// gives its results in words as its details.
ReportLine RowReportLine(std::span<const Operation* const> operations, const SessionRow& row, const QString& separator);

// Rows of cells, the first the header, separated by tabs with "\n" after each row. A tab or
// line break inside a cell becomes a space so that the table keeps its shape when pasted, and a
// cell a spreadsheet would run as a formula is kept as text (SpreadsheetCell).
QString TabSeparated(const QList<QStringList>& table);

// The same table as a small HTML document, the first row as header cells, every cell escaped.
QString HtmlTable(const QList<QStringList>& table);

// The table as CSV for a spreadsheet of the user's region: cells between separators (";" where the
// decimal separator is a comma), quoted where they hold one, a quote or a line break, and a cell
// it would run as a formula kept as text; UTF-8 with a byte-order mark, so that "Müller" reads as such.
QByteArray SpreadsheetCsv(const QList<QStringList>& table, QChar separator);

// RFC 4180 CSV with "\n" line ends: time (the row's own wall-clock time, to the second, without
// offset), patient (its identifier in patients), module, test, then every field name the rows have, in columnOrder's order and any
// other name after them as first met. A field named like one of the first three columns goes
// under "<module>_<name>" (age's test date becomes "age_test"). A row leaves empty what it lacks.
// It is meant for spreadsheets: a cell one would run as a formula is kept as text (SpreadsheetCell).
QString SessionCsv(const QList<SessionRow>& rows, const QStringList& columnOrder, const QStringList& patients = {});

}  // namespace modVelmora
