#pragma once

#include <QString>

// Texts bound for a spreadsheet (a CSV for one, a table on the clipboard): a cell a spreadsheet
// would run as a formula is kept as text, as OWASP advises against CSV injection.

namespace modVelmora {

// The cell with a leading apostrophe where it begins with =, +, -, @, a tab or a carriage return,
// or with apostrophes before one of them, so that FromSpreadsheetCell takes off exactly the one
// added. A number (with a decimal point or comma) is never changed.
QString SpreadsheetCell(const QString& text);

// The text that SpreadsheetCell wrote as cell.
QString FromSpreadsheetCell(const QString& cell);

// A field of a CSV row (RFC 4180): in quotes, its own doubled, where it holds the separator, a quote or a line end.
QString CsvField(const QString& text, QChar separator = u',');

}  // namespace modVelmora
