#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>

// A result as a clinician's report gives it: a line of the report's table, and a sentence. Each
// operation says how its results read (Operation::reportLine), from its named fields, so a result
// kept long ago reads as one made today. Texts are in the user's language, in this context.

namespace modVelmora {

inline constexpr const char* kReportContext = "modVelmora::Report";

struct ReportLine {
    QString score;       // what the report cites: "Scaled Score 13", "raw 23 (mean 31.4, SD 5.2)", "104 → 96"
    QString percentile;  // where the module gives one (the adjusted one with the t-test)
    QString interval;    // the confidence interval where the module gives one: "121 to 139", "58.5 to 96.0"
    QString label;       // the descriptive label
    QString details;     // everything else, in words
    // For the sentence: the score as a sentence cites it ("scaled score 13", "standard score 78 (95% CI 74 to 84)"),
    // and the percentile as the fields hold it, with ".".
    QString sentenceScore;
    std::string percentileValue;
};

// The report table's column names, in the user's language: Score, Percentile, Confidence interval,
// Descriptive label, Details (the test's name stands before them).
QStringList ReportHeaders();

// A number of the fields as the user reads it: their decimal separator for the point.
QString ShownIn(std::string_view number, const QString& separator);

struct Fields;
enum class ScoreScale : std::uint8_t;
// The descriptive label in the field "label", translated.
QString LabelIn(const Fields& fields);
// The caption of the scale named in the field ("Scaled Score"), and as a sentence names it ("scaled score"),
// translated; empty for a field that names none.
QString ScaleCaptionIn(const Fields& fields, std::string_view column);
QString ScaleInSentenceIn(const Fields& fields, std::string_view column);

// The percentile a whole number, as the language writes it in a sentence: "84th percentile", "PR 84",
// "84e rang centile", "percentil 84"; "< 1" and "> 99" at the ends. Empty for an empty text.
QString PercentileInWords(std::string_view percentile, QLocale::Language language);

// "Vocabulary: scaled score 13, 84th percentile, High average score."; without a test's name the
// sentence starts with the score, and a line with neither percentile nor label gives its details.
QString ReportSentence(const QString& test, const ReportLine& line, QLocale::Language language);

}  // namespace modVelmora
