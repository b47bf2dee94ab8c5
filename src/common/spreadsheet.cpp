#include "common/spreadsheet.h"

#include <QRegularExpression>

namespace modVelmora {

namespace {

// Apostrophes already there count too: otherwise "'=1" would read back as "=1".
bool runsAsFormula(const QString& text) {
    static const QRegularExpression formula(QStringLiteral("^'*[=+\\-@\\t\\r]"));
    return formula.match(text).hasMatch();
}

bool isNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?$"));
    return number.match(text).hasMatch();
}

}  // namespace

QString SpreadsheetCell(const QString& text) {
    return runsAsFormula(text) && !isNumber(text) ? u'\'' + text : text;
}

QString FromSpreadsheetCell(const QString& cell) {
    return cell.startsWith(u'\'') && runsAsFormula(cell.mid(1)) ? cell.mid(1) : cell;
}

QString CsvField(const QString& text, QChar separator) {
    if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n')) return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace modVelmora
