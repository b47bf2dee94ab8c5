#include "common/report.h"

#include <QCoreApplication>
#include <cmath>

#include "common/fields.h"
#include "common/labels.h"
#include "common/scales.h"
#include "stats/numbers.h"

namespace modVelmora {

namespace {

QString translated(const char* text) { return QCoreApplication::translate(kReportContext, text); }

// "1st", "2nd", "3rd", "4th", "11th", "21st".
QString englishOrdinal(int n) {
    const char* suffix = "th";
    if (n % 100 < 11 || n % 100 > 13) suffix = n % 10 == 1 ? "st" : n % 10 == 2 ? "nd" : n % 10 == 3 ? "rd" : "th";
    return QString::number(n) + QLatin1String(suffix);
}

}  // namespace

QStringList ReportHeaders() {
    return {translated(QT_TRANSLATE_NOOP("modVelmora::Report", "Test")), translated(QT_TRANSLATE_NOOP("modVelmora::Report", "Score")),
            translated(QT_TRANSLATE_NOOP("modVelmora::Report", "Percentile")),
            translated(QT_TRANSLATE_NOOP("modVelmora::Report", "Confidence interval")),
            translated(QT_TRANSLATE_NOOP("modVelmora::Report", "Descriptive label")),
            translated(QT_TRANSLATE_NOOP("modVelmora::Report", "Details"))};
}

QString ShownIn(std::string_view number, const QString& separator) {
    return QString::fromUtf8(number.data(), qsizetype(number.size())).replace(QLatin1Char('.'), separator);
}

QString LabelIn(const Fields& fields) {
    const std::string label(FieldText(fields, "label"));
    return label.empty() ? QString() : QCoreApplication::translate(kLabelContext, label.c_str());
}

QString ScaleCaptionIn(const Fields& fields, std::string_view column) {
    const auto scale = ScaleNamed(FieldText(fields, column));
    return scale ? QCoreApplication::translate(kScaleContext, ScaleCaption(*scale)) : QString();
}

QString ScaleInSentenceIn(const Fields& fields, std::string_view column) {
    const auto scale = ScaleNamed(FieldText(fields, column));
    return scale ? QCoreApplication::translate(kScaleContext, ScaleInSentence(*scale)) : QString();
}

QString PercentileInWords(std::string_view percentile, QLocale::Language language) {
    if (percentile.empty()) return {};
    // Whole numbers: a percentile shown beyond the last step, or one that rounds to 0 or 100, is at an end.
    const bool beyond = percentile.front() == '<' || percentile.front() == '>';
    const double whole = std::round(ReadNumericPrefix(percentile));
    const bool below = beyond ? percentile.front() == '<' : whole < 1, above = beyond ? percentile.front() == '>' : whole > 99;
    const QString n = below ? QStringLiteral("< 1") : above ? QStringLiteral("> 99") : QString::number(int(whole));
    switch (language) {
        case QLocale::German: return QStringLiteral("PR ") + n;
        case QLocale::French:
            if (below || above) return QStringLiteral("rang centile ") + n;
            return n + (whole == 1 ? QStringLiteral("er rang centile") : QStringLiteral("e rang centile"));
        case QLocale::Spanish: return QStringLiteral("percentil ") + n;
        default:
            if (below) return QStringLiteral("< 1st percentile");
            if (above) return QStringLiteral("> 99th percentile");
            return englishOrdinal(int(whole)) + QStringLiteral(" percentile");
    }
}

QString ReportSentence(const QString& test, const ReportLine& line, QLocale::Language language) {
    QStringList parts{line.sentenceScore, PercentileInWords(line.percentileValue, language), line.label};
    if (line.percentile.isEmpty() && line.label.isEmpty()) parts << line.details;
    parts.removeAll(QString());
    QString text = parts.join(QStringLiteral(", "));
    if (test.trimmed().isEmpty()) {
        if (!text.isEmpty()) text[0] = text[0].toUpper();
    } else {
        text = translated(QT_TRANSLATE_NOOP("modVelmora::Report", "%1: %2")).arg(test.trimmed(), text);
    }
    return text + QLatin1Char('.');
}

}  // namespace modVelmora
