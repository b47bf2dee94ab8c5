#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

#include "converter/conversions.h"
#include "agreement.h"
#include "rows.h"
#include "scenario.h"

using namespace modVelmora;
using S = ScoreScale;
constexpr S Pct = S::Percentile, Scaled = S::ScaledScore, Std = S::StandardScore, T = S::TScore, Z = S::ZScore;
// The answer, or the refusal's message ("(beep)" for one told by the beep alone).
struct ConversionRow { const char* name; S from, to; const char* entry; int decimals; const char* text; };
Q_DECLARE_METATYPE(ConversionRow)

// The conversion table, From by To, with the published figures.
const ConversionRow kRows[] = {
    {"z 1 to percentile", Z, Pct, "1", 1, "84.1"}, {"z 1 to percentile, two places", Z, Pct, "1", 2, "84.13"},
    {"z 1.96 to percentile", Z, Pct, "1.96", 1, "97.5"}, {"z 5 to percentile", Z, Pct, "5", 1, "100.0"},
    {"z -5 to percentile", Z, Pct, "-5", 1, "0.0"}, {"percentile 50 to z", Pct, Z, "50", 1, "0.00"},
    {"percentile 50 to z, no places", Pct, Z, "50", 0, "0.00"}, {"percentile 50 to z, three places", Pct, Z, "50", 3, "0.000"},
    {"percentile 50 to T", Pct, T, "50", 1, "50"}, {"percentile 50 to standard", Pct, Std, "50", 1, "100"},
    {"percentile 50 to scaled", Pct, Scaled, "50", 1, "10"}, {"percentile 97.5 to z", Pct, Z, "97.5", 1, "1.96"},
    {"percentile 97.5 to T", Pct, T, "97.5", 1, "70"}, {"percentile 97.5 to standard", Pct, Std, "97.5", 1, "129"},
    {"percentile 97.5 to scaled", Pct, Scaled, "97.5", 1, "16"}, {"percentile 0.01 to scaled is held at 1", Pct, Scaled, "0.01", 1, "1"},
    {"percentile 99.99 to scaled is held at 20", Pct, Scaled, "99.99", 1, "20"}, {"percentile to itself", Pct, Pct, "84.13", 1, "84.1"},
    {"percentile to itself, four places", Pct, Pct, "2.5", 4, "2.5000"}, {"percentile 52.85 to itself", Pct, Pct, "52.85", 1, "52.9"},
    {"percentile 22.05 is divided before it is single", Pct, Pct, "22.05", 1, "22.1"}, {"scaled 20 is converted", Scaled, T, "20", 1, "83"},
    {"percentile 88.95 to itself", Pct, Pct, "88.95", 1, "89.0"}, {"z 4 to scaled has no upper limit", Z, Scaled, "4", 1, "22"},
    {"z -4 to scaled is raised to 0", Z, Scaled, "-4", 1, "0"}, {"T 55 to standard rounds half to even", T, Std, "55", 1, "108"},
    {"T 45 to standard rounds half to even", T, Std, "45", 1, "92"}, {"scaled 13 to standard", Scaled, Std, "13", 1, "115"},
    {"scaled 1 to percentile", Scaled, Pct, "1", 2, "0.13"}, {"standard 70 to T", Std, T, "70", 1, "30"},
    {"standard 130 to z", Std, Z, "130", 4, "2.0000"}, {"standard to itself", Std, Std, "115", 1, "115"},
    {"negative standard score", Std, Z, "-50", 1, "-10.00"}, {"T 60 to scaled", T, Scaled, "60", 1, "13"},
    {"z to itself", Z, Z, "1.2345", 3, "1.235"}, {"numeric prefix of the entry", Z, T, "1.2.3", 1, "62"},
    // Each fails when one single-precision step or rounding rule is done otherwise.
    {"the entry in single precision", Std, Scaled, "16777217", 1, "3355433"}, {"z in single precision", T, Std, "7", 1, "35"},
    {"the result in single precision before rounding", T, Std, "47", 1, "96"},
    {"p of a percentile in single precision", Pct, Pct, "52.5", 0, "52"},
    {"the shown percentile in single precision", Pct, Pct, "50.5", 0, "51"},
    {"z of a percentile in single precision", Pct, Z, "67.24", 4, "0.4466"},
    {"the percentile of a score in single precision", Scaled, Pct, "19", 2, "99.86"},
    {"an extreme entry stays a faithful number", Z, Std, "99999999", 1, "1500000128"},
    {"an empty entry beeps", Z, Pct, "", 1, "(beep)"},
    {"percentile 0", Pct, Z, "0", 1, "Please enter a percentile that is greater than 0 and less than 100."},
    {"percentile -5", Pct, T, "-5", 1, "Please enter a percentile that is greater than 0 and less than 100."},
    {"a pasted percentile too small for single precision", Pct, T, ".000000000000000000000000000000000000000000004", 1,
     "Please enter a percentile that is greater than 0 and less than 100."},
    {"scaled 0", Scaled, T, "0", 1, "Scaled score values must be between 1 and 20"},
    {"a pasted entry past the single range", Std, Scaled, "66666666666664666666666466666666666666666", 4, "(beep)"},
    {"a result past twelve digits", Z, Std, "300000000000000000000000000000000000000", 1, "The result is out of range."},
};

const QString kYellow = "#ffff00", kWhite = "#ffffff";
const QString kPercentileMessage = "messages=Please enter a percentile that is greater than 0 and less than 100.";
const QString kScaledMessage = "messages=Scaled score values must be between 1 and 20";
const QString kFromT = "Convert From=3";
constexpr Module Conv = Module::ScoreConverter;

// The window: option clicks, typed keys, Enter and Esc.
const Scenario kWindowRows[] = {
    {"a first run converts z to percentile", Conv, {}, "1\r",
     {"colour:optFrom4=" + kYellow, "colour:optFrom0=" + kWhite, "colour:optTo0=" + kYellow, "lblFrom=Z-Score",
      "lblTo=Percentile", "shown:UpDown1=1", "tip:cmdCopy=Copy Percentile to clipboard", "lblAnswer=84.1", "focus=cmdClear"}},
    {"a second Enter, the keypad's, clears", Conv, {}, "1\r{Enter}", {"lblAnswer=", "lblDescription=", "txtFrom=", "focus=txtFrom"}},
    {"the label under the answer", Conv, {"Convert From=0"}, "2\r",
     {"lblDescription=Exceptionally low score", "tip:lblDescription=Standard score 69: Exceptionally low score (AACN 2020)",
      "name:lblDescription=Descriptive label"}},
    {"a scale choice empties it", Conv, {}, "1\r[optTo2]", {"lblDescription="}},
    {"to scaled score hides the decimals", Conv, {}, "1\r[optTo1]",
     {"shown:UpDown1=0", "shown:lblNumberOfDecimals=0", "tip:cmdCopy=Copy Scaled Score to clipboard",
      "tip:UpDown1=Set number of places in Scaled Score", "lblTo=Scaled Score", "lblAnswer=", "focus=txtFrom",
      "colour:optTo1=" + kYellow, "colour:optTo0=" + kWhite}},
    {"to standard and T-score hide them too", Conv, {}, "[optTo2]", {"shown:UpDown1=0", "tip:lblNumberOfDecimals=Set number of places in Standard Score"}},
    {"to z-score shows them", Conv, {"Convert To=3"}, "[optTo4]", {"shown:UpDown1=1", "shown:lblNumberOfDecimals=1"}},
    {"a source choice empties the answer and takes the focus", Conv, {}, "1\r[optFrom2]",
     {"lblFrom=Standard Score", "lblAnswer=", "focus=txtFrom", "colour:optFrom2=" + kYellow, "colour:optFrom4=" + kWhite}},
    {"choices are stored at once", Conv, {}, "[optFrom3][optTo2]", {"stored:Convert From=3", "stored:Convert To=2"}},
    {"and read back on the next load", Conv, {kFromT, "Convert To=2"}, "", {"checked:optFrom3=1", "checked:optTo2=1", "lblTo=Standard Score"}},
    {"arrow keys move within a group", Conv, {}, "[optFrom4]{Up}", {"checked:optFrom3=1", "lblFrom=T-Score", "stored:Convert From=3"}},
    {"a damaged choice opens with the default", Conv, {"Convert From=5", "Convert To=abc"}, "",
     {"checked:optFrom4=1", "checked:optTo0=1", "stored:Convert From=4", "stored:Convert To=0"}},
    // Refused entries.
    {"empty input only beeps", Conv, {}, "1\r[txtFrom=][cmdCalculate]", {"beeps=1", "messages=", "lblAnswer=84.1", "focus=txtFrom"}},
    {"percentile 0 empties the answer", Conv, {"Convert From=0", "Convert To=3"}, "50\r[txtFrom=0][cmdCalculate]",
     {kPercentileMessage, "lblAnswer=", "txtFrom=", "focus=txtFrom"}},
    {"a lone point is percentile 0", Conv, {"Convert From=0"}, ".\r", {kPercentileMessage}},
    {"scaled 21 keeps the answer", Conv, {"Convert From=1", "Convert To=3"}, "13\r[txtFrom=21][cmdCalculate]",
     {kScaledMessage, "lblAnswer=60", "txtFrom=", "focus=txtFrom"}},
    {"a lone minus reads as scaled 0", Conv, {"Convert From=1"}, "-\r", {kScaledMessage}},
    // Keys as they are typed, filtered by the source scale.
    {"percentile takes a point", Conv, {"Convert From=0"}, "12.5", {"txtFrom=12.5"}}, {"z-score too", Conv, {}, "-1.5", {"txtFrom=-1.5", "beeps=0"}},
    {"and the user's decimal separator", Conv, {}, Shown("1.96") + "\r", {"lblAnswer=97.5"}},
    {"a scaled score refuses the separator too", Conv, {"Convert From=1"}, Shown("1.5"), {"txtFrom=15", "beeps=1"}},
    {"scaled score refuses a point", Conv, {"Convert From=1"}, "1.5", {"txtFrom=15", "beeps=1"}},
    {"T-score refuses a point", Conv, {kFromT}, "1.5", {"txtFrom=15", "beeps=1"}},
    {"letters and blanks beep", Conv, {}, "1a b", {"txtFrom=1", "beeps=3"}},
    {"minus anywhere, backspace", Conv, {"Convert From=2"}, "5-3\b", {"txtFrom=5-", "beeps=0"}},
    // The decimals, the copy button and Esc.
    {"the spinner waits for the next Calculate", Conv, {}, "1\r[up][up]", {"lblNumberOfDecimals= 3", "lblAnswer=84.1"}},
    {"then Calculate and copy use it", Conv, {}, "1\r[up][up][cmdCalculate][cmdCopy]", {"lblAnswer=84.134", "clipboard=84.134"}},
    {"Esc clears and copy then copies nothing", Conv, {}, "1\r\x1b[cmdCopy]", {"lblAnswer=", "txtFrom=", "clipboard="}},
};

// The conversions among the five scales, and the score converter window as a user works it.
// A scale's number in the settings, by velmora-cli's name in any letter case.
QString Index(const QString& scale) { return QString::number(static_cast<int>(ScaleNamed(scale.toStdString()).value_or(ScoreScale::ZScore))); }

class TestConverter : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void conversions_data() { AddRows(kRows); }
    void conversions() {
        QFETCH(ConversionRow, row);
        ConversionEntry entry(LabelSystem::Aacn);
        entry.value = row.entry, entry.from = row.from, entry.to = row.to, entry.decimals = unsigned(row.decimals);
        const ConversionReport report = ConvertScore(entry);
        const std::string refusal = !report.refusal ? "" : report.refusal->message ? report.refusal->message : "(beep)";
        QCOMPARE(report.refusal ? refusal : report.answer, std::string(row.text));
    }

    void window_data() { AddRows(kWindowRows); }
    void window() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }

    // A scaled score is a whole number: a pasted decimal is refused as a typed point is.
    void aPastedDecimalOnAWholeScale() {
        StartProgram(Conv, {"Convert From=1"});
        platform.reset();
        auto* box = TheProgram().shownWindow()->form()->findChild<QLineEdit*>("txtFrom");
        QGuiApplication::clipboard()->setText(Shown("12.5"));
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QGuiApplication::clipboard()->setText("13");
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box->text() + QString::number(platform.beeps), QString("131"));
        StopProgram();
    }

    // Every row of velmora-cli's conversions and label edges typed into the window shows velmora-cli's
    // texts, in both label systems.
    void windowAgreesWithTheCommandLine() {
        for (const QString fixture : {"conversions.csv", "labels.csv"}) {
            const CliAgreement conversions{Conv, "convert", fixture,
                                           [](const CliRecord& row) {
                                               return std::pair{QStringList{"Convert From=" + Index(row["from"]),
                                                                            "Convert To=" + Index(row["to"]),
                                                                            "Number of Decimals=" + (row["decimals"].isEmpty() ? "1" : row["decimals"])},
                                                                "[txtFrom=" + Shown(row["value"]) + "][cmdCalculate]"};
                                           },
                                           [](const CliRecord& row) {
                                               return QStringList{"lblAnswer=" + row["result"],
                                                                  "lblDescription=" + Translated("modVelmora::Labels", row["label"])};
                                           }};
            QVERIFY(CheckAgainstCli(conversions, platform) >= 10);
        }
    }
};

QTEST_MAIN(TestConverter)
#include "tst_converter.moc"
