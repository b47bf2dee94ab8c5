#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

#include "rawscore/rawscore.h"
#include "agreement.h"
#include "rows.h"
#include "scenario.h"
#include "shell/twips.h"

using namespace modVelmora;
using F = RawScoreField;
using R = ShownResults;

// What the computation shows for an entry: z and the percentile, then with a sample size
// t, the adjusted percentile, its interval and z-CC with its interval.
// An entry as typed into the boxes, labelled in AACN 2020.
struct Typed {
    const char *raw, *mean, *sd;
    unsigned decimals;
    bool reverse;
    const char* n;  // nullptr without the t-test
    RawScoreEntry made() const {
        RawScoreEntry entry(LabelSystem::Aacn);
        entry.rawScore = raw, entry.mean = mean, entry.sd = sd, entry.sampleSize = n ? n : "";
        entry.reverse = reverse, entry.useTTest = n != nullptr, entry.decimals = decimals;
        return entry;
    }
};

struct ScoreRow {
    const char* name;
    Typed entry;
    const char* z;
    const char* percentile;
    const char* smallSample = "";  // "t adjusted | low to high | zcc (zccLow to zccHigh)", or its first parts
};
struct RefusalRow { const char* name; Typed entry; F field; const char* message; bool emptied; R results; };
Q_DECLARE_METATYPE(ScoreRow)
Q_DECLARE_METATYPE(RefusalRow)

Typed Entry(const char* raw, const char* mean, const char* sd, unsigned decimals = 1, bool reverse = false, const char* n = nullptr) {
    return {raw, mean, sd, decimals, reverse, n};
}

const ScoreRow kScoreRows[] = {
    {"115 100 15", Entry("115", "100", "15"), "1.00", "84.1"},
    {"reversed", Entry("115", "100", "15", 1, true), "-1.00", "15.9"},
    {"at the mean", Entry("100", "100", "15"), "0.00", "50.0"},
    {"three decimals show z with three", Entry("115", "100", "15", 3), "1.000", "84.134"},
    {"no decimals still show z with two", Entry("115", "100", "15", 0), "1.00", "84"},
    {"a z on a half shows rounded away from zero", Entry("101.875", "100", "15"), "0.13", "55.0"},
    {"z of -4 shows 0.0", Entry("40", "100", "15"), "-4.00", "0.0"},
    {"z of 40 shows 100.0", Entry("700", "100", "15"), "40.00", "100.0"},
    {"numeric prefixes", Entry("115abc", "1.0.0e2", "15-"), "7.60", "100.0"},
    // Each fails when one single-precision step or rounding rule is done otherwise.
    {"t of the normal in single precision", Entry("94.2", "100", "15", 4), "-0.3867", "34.9502"},
    {"s of the normal in single precision", Entry("97.6", "100", "15", 4), "-0.1600", "43.6440"},
    {"the lower tail taken directly", Entry("71", "100", "15", 4), "-1.9333", "2.6598"},
    {"the entries in single precision", Entry("98.2", "100", "15", 4), "-0.1200", "45.2241"},
    {"the percentile in single precision", Entry("71", "100", "15", 4, true), "1.9333", "97.3402"},
    {"the percentile rounded half to even", Entry("76.95", "100", "15", 4, true), "1.5367", "93.7812"},
    // The t-test, its interval estimate and z-CC.
    {"t-test with n 10", Entry("115", "100", "15", 1, false, "10"), "1.00", "84.1", "0.9535 81.7 | 58.5 to 96.0 | 1.00 (0.21 to 1.75)"},
    {"sample size 1.5 reads as 2", Entry("115", "100", "15", 1, false, "1.5"), "1.00", "84.1", "0.8165 71.8"},
    {"sample size 2.5 reads as 2", Entry("115", "100", "15", 1, false, "2.5"), "1.00", "84.1", "0.8165 71.8"},
    {"an extreme score can lie outside its interval", Entry("-20", "100", "15", 4, false, "10"), "-8.0000", "0.0000",
     "-7.6277 0.0016 | < 0.0001 to 0.0008"},
    {"thousands of norms: the single-precision point, the double interval", Entry("32.5", "100", "15", 4, false, "9999"),
     "-4.5000", "0.0003", "-4.4998 0.0307 | 0.0002 to 0.0005"},
};

const RefusalRow kRefusalRows[] = {
    {"no raw score", Entry("", "100", "15"), F::RawScore, "Please enter a raw score.", false, R::Kept},
    {"no mean empties the percentile first", Entry("115", "", "15"), F::Mean, "Please enter the sample mean.", false, R::EmptiedFirst},
    {"no sd", Entry("115", "100", ""), F::SD, "Please enter the sample standard deviation.", false, R::EmptiedFirst},
    {"sd 0.0 empties its box", Entry("115", "100", "0.0"), F::SD, "The standard deviation cannot equal zero.", true, R::Kept},
    {"a lone minus reads as a zero sd", Entry("115", "100", "-"), F::SD, "The standard deviation cannot equal zero.", true, R::Kept},
    {"a negative sd, like a zero one", Entry("115", "100", "-15"), F::SD, "The standard deviation cannot be negative.", true, R::Kept},
    {"with the t-test too", Entry("85", "100", "-0.5", 1, false, "10"), F::SD, "The standard deviation cannot be negative.", true, R::Kept},
    {"no sample size", Entry("115", "100", "15", 1, false, ""), F::SampleSize, "Please enter the size of the normative sample.", false,
     R::EmptiedFirst},
    {"sample size 1.4", Entry("115", "100", "15", 1, false, "1.4"), F::SampleSize, "The normative sample size must be greater than 1.",
     false, R::Kept},
    {"sample size abc", Entry("115", "100", "15", 1, false, "abc"), F::SampleSize, "The normative sample size must be greater than 1.",
     false, R::Kept},
    {"a z of sixteen digits, however finite", Entry("99999999", "-9999999", ".0000001"), F::RawScore, "The result is out of range.", false,
     R::EmptiedFirst},
    {"one beyond single precision, from a file", Entry("300000000000000000000000000000000000000", "-300000000000000000000000000000000000000", "1"),
     F::RawScore, "The result is out of range.", false, R::EmptiedFirst},
    {"a sample of 10000, from a file", Entry("115", "100", "15", 1, false, "10000"), F::SampleSize,
     "The normative sample size must be at most 9999.", false, R::Kept},
};

// A paste into a number box: what the box held, what was on the clipboard, what the box then holds.
struct PasteRow { const char* name; const char* box; const char* held; QString clipboard; QString after; int beeps; };
Q_DECLARE_METATYPE(PasteRow)
const bool kComma = QLocale::system().decimalPoint() == ",";
const PasteRow kPasteRows[] = {
    {"a number with a spreadsheet's line end", "txtMean", "", "31.4\r\n", "31.4", 0},
    {"blanks around it dropped", "txtRawScore", "", "  -2.5\t", "-2.5", 0},
    {"in the user's notation", "txtSD", "", Shown("5.2"), Shown("5.2"), 0},
    {"two cells of a spreadsheet", "txtMean", "7", "31,4\t5,2", "7", 1},
    {"two numbers", "txtMean", "7", "31 4", "7", 1},
    {"no number", "txtRawScore", "7", "abc", "7", 1},
    {"a comma where it is no separator", "txtRawScore", "", "1,5", kComma ? "1,5" : "", kComma ? 0 : 1},
    {"more than the box holds", "txtMean", "", "123.45678", "", 1},
    {"added to what the box holds", "txtRawScore", "12", "34", "1234", 0},
    {"too much with what the box holds", "txtRawScore", "1234567", "89", "1234567", 1},
    {"the sample size box as well", "txtSampleN", "", "24 ", "24", 0},
};

const QString kTTest = "UseTTest=1";
const QString kCalculated = "115\r100\r15\r";  // Enter in the SD box calculates, or moves on to the sample size
constexpr Module Raw = Module::RawScore;
const bool kCommaLocale = QLocale::system().decimalPoint() == ",";

// What only the window does: Enter from box to box, the report shown with the user's separator, a refusal's
// message, focus and emptied labels, the key filter, copy, Esc, the spinner and the t-test's expansion.
const Scenario kWindowRows[] = {
    {"Enter from box to box, then the results", Raw, {}, kCalculated,
     {"lblZscore=1.00", "lblAnswer=84.1", "lblDescription=High average score", "messages=", "focus=cmdClear",
      "tip:lblDescription=Standard score 115: High average score (AACN 2020)", "name:lblDescription=Descriptive label"}},
    {"reversed, the label is low", Raw, {}, "[chkReverse][txtRawScore]" + kCalculated, {"lblDescription=Low average score"}},
    {"another system at once, and kept", Raw, {}, kCalculated + "[mnuLabelswechsler]",
     {"lblDescription=High average", "tip:lblDescription=Standard score 115: High average (Wechsler)",
      "stored:Descriptive Labels=wechsler", "checked:mnuLabelswechsler=1", "checked:mnuLabelsaacn=0"}},
    {"none hides the label", Raw, {"Descriptive Labels=none"}, kCalculated, {"shown:lblDescription=0", "checked:mnuLabelsnone=1"}},
    {"an unknown system reads as AACN 2020", Raw, {"Descriptive Labels=foo"}, kCalculated,
     {"lblDescription=High average score", "checked:mnuLabelsaacn=1"}},
    {"t-test: Enter goes on to the sample size", Raw, {kTTest}, kCalculated + "10\r",
     {"lblZscore=1.00", "lblAnswer=84.1", "lblTScore=0.9535", "lblAdjustedPercentile=81.7", "lblInterval=95% CI 58.5 to 96.0",
      "tip:lblInterval=95% interval estimate of the percentage of the population below this score (Crawford and Garthwaite, "
      "2002). z-CC 1.00, 95% CI 0.21 to 1.75.", "focus=cmdClear"}},
    {"with Reverse the interval is of the population above", Raw, {kTTest}, "[chkReverse][txtRawScore]" + kCalculated + "10\r",
     {"lblInterval=95% CI 4.0 to 41.5", "tip:lblInterval=95% interval estimate of the percentage of the population above this score "
      "(Crawford and Garthwaite, 2002). z-CC -1.00, 95% CI -1.75 to -0.21."}},
    {"a refusal that keeps the percentile", Raw, {}, kCalculated + "[txtRawScore=][cmdCalculate]",
     {"messages=Please enter a raw score.", "focus=txtRawScore", "lblAnswer=84.1", "txtSD=15"}},
    {"one that empties it", Raw, {}, kCalculated + "[txtMean=][cmdCalculate]",
     {"messages=Please enter the sample mean.", "focus=txtMean", "lblAnswer=", "lblDescription=", "lblZscore=1.00", "txtRawScore=115"}},
    {"one that empties its box", Raw, {}, kCalculated + "[txtSD=0.0][cmdCalculate]",
     {"messages=The standard deviation cannot equal zero.", "focus=txtSD", "lblAnswer=84.1", "txtSD=", "txtMean=100"}},
    {"a negative SD likewise", Raw, {kTTest}, "23\r31.4\r-5.2\r24\r",
     {"messages=The standard deviation cannot be negative.", "focus=txtSD", "txtSD=", "lblAnswer=", "lblAdjustedPercentile=", "txtSampleN=24"}},
    // Keys as they are typed: numbers only in the three number boxes, anything in the sample size box.
    {"digits, minus and point pass", Raw, {}, "-1.5\r-2.5\r.25", {"txtRawScore=-1.5", "txtMean=-2.5", "txtSD=.25", "beeps=0"}},
    {"letters and blanks beep, and a comma where it is no decimal separator", Raw, {}, "1a ,2",
     {kCommaLocale ? "txtRawScore=1,2" : "txtRawScore=12", kCommaLocale ? "beeps=2" : "beeps=3"}},
    {"the user's decimal separator is typed as the point", Raw, {}, Shown("115\r100\r1.5\r"), {"lblZscore=10.00", "lblAnswer=100.0"}},
    {"backspace passes, eight characters at most", Raw, {}, "12\b34567890", {"txtRawScore=13456789", "beeps=0"}},
    {"paste, cut and undo keys are refused", Raw, {}, "\r12{Ctrl+V}{Ctrl+X}{Ctrl+Z}", {"txtMean=12", "beeps=3"}},
    {"an Alt+letter that is no shortcut types nothing", Raw, {}, "7{Alt+Q}", {"txtRawScore=7"}},
    {"the sample size box takes any key", Raw, {kTTest}, "[txtSampleN]a1 x", {"txtSampleN=a1 x", "beeps=0"}},
    // Copying, clearing and the decimals.
    {"copy with nothing shown copies nothing", Raw, {}, "[cmdCopy]", {"clipboard="}},
    {"copy takes the percentile", Raw, {}, kCalculated + "[cmdCopy]", {"clipboard=84.1"}},
    {"an out-of-date percentile is not copied, and the tooltip says why", Raw, {}, kCalculated + "[txtMean=101][cmdCopy]",
     {"clipboard=(clipboard untouched)", "beeps=1", "tip:cmdCopy=Copy percentile to clipboard\nOut of date: press Calculate before copying."}},
    {"once calculated again it is", Raw, {}, kCalculated + "[txtMean=101][cmdCalculate][cmdCopy]",
     {"clipboard=82.5", "beeps=0", "tip:cmdCopy=Copy percentile to clipboard"}},
    {"with the t-test copy takes the adjusted percentile", Raw, {kTTest}, kCalculated + "10\r[cmdCopy]", {"clipboard=81.7"}},
    {"Esc clears but keeps the options", Raw, {kTTest, "Number of Decimals=2"}, "[chkReverse][txtRawScore]" + kCalculated + "10\r\x1b",
     {"lblZscore=", "lblAnswer=", "lblTScore=", "lblAdjustedPercentile=", "lblInterval=", "txtRawScore=", "txtSampleN=",
      "checked:chkReverse=1", "checked:chkUseTtest=1", "lblNumberOfDecimals= 2", "focus=txtRawScore"}},
    {"the spinner sets the decimals for the next calculation", Raw, {}, kCalculated + "[up][up][up][up][up]",
     {"lblNumberOfDecimals= 4", "lblAnswer=84.1"}},
    {"then Calculate uses them", Raw, {}, kCalculated + "[up][up][up][cmdCalculate]", {"lblAnswer=84.1345"}},
    {"the t-test option expands the window", Raw, {}, "[chkUseTtest]",
     {"shown:txtSampleN=1", "focus=txtSampleN", "tip:cmdCopy=Copy adjusted percentile to clipboard",
      "tip:UpDown1=Set number of decimal places in percentile and adjusted percentile"}},
    {"and collapses it, emptying the t-test results", Raw, {kTTest}, kCalculated + "10\r[chkUseTtest]",
     {"shown:txtSampleN=0", "txtSampleN=", "lblTScore=", "lblInterval=", "focus=txtRawScore", "tip:cmdCopy=Copy percentile to clipboard"}},
};

class TestRawScore : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void shownResults_data() { AddRows(kScoreRows); }
    void shownResults() {
        QFETCH(ScoreRow, row);
        const RawScoreReport report = ScoreRawScore(row.entry.made());
        QVERIFY(!report.refusal);
        QCOMPARE(report.z, std::string(row.z));
        QCOMPARE(report.percentile, std::string(row.percentile));
        std::string small;
        if (const auto& s = report.smallSample)
            small = s->t + " " + s->adjustedPercentile + " | " + s->intervalLow + " to " + s->intervalHigh + " | " + s->zcc + " (" +
                    s->zccLow + " to " + s->zccHigh + ")";
        const std::string expected = row.smallSample;
        QCOMPARE(small.substr(0, expected.empty() && small.empty() ? 0 : expected.size()), expected);
        QCOMPARE(small.empty(), expected.empty());
    }

    void refusals_data() { AddRows(kRefusalRows); }
    void refusals() {
        QFETCH(RefusalRow, row);
        const RawScoreReport report = ScoreRawScore(row.entry.made());
        QVERIFY(report.refusal);
        QCOMPARE(report.refusal->field, row.field);
        QCOMPARE(std::string(report.refusal->message), std::string(row.message));
        QCOMPARE(report.refusal->emptiesEntry, row.emptied);
        QCOMPARE(report.refusal->results, row.results);
    }

    void window_data() { AddRows(kWindowRows); }
    void window() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }

    void pasteIntoANumberBox_data() { AddRows(kPasteRows); }
    void pasteIntoANumberBox() {
        QFETCH(PasteRow, row);
        StartProgram(Raw, {kTTest});
        platform.reset();
        auto* box = TheProgram().shownWindow()->form()->findChild<QLineEdit*>(row.box);
        box->setText(row.held);
        box->setFocus();
        QGuiApplication::clipboard()->setText(row.clipboard);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box->text(), row.after);
        QCOMPARE(platform.beeps, row.beeps);
        StopProgram();
    }

    // After Calculate the focus is on Clear, and Clear shows it, so the next key is not typed blind.
    void theFocusedButtonShowsIt() {
        StartProgram(Raw);
        Play(kCalculated);
        auto* clear = TheProgram().shownWindow()->form()->findChild<QWidget*>("cmdClear");
        QCOMPARE(FocusName(), QString("cmdClear"));
        const QImage focused = clear->grab().toImage();
        Play("[txtRawScore]");
        QVERIFY(focused != clear->grab().toImage());
        StopProgram();
    }

    void theTTestGrowsTheWindowBy744Twips() {
        QWidget* form = StartProgram(Raw);
        QWidget* clear = form->findChild<QWidget*>("cmdClear");
        const QPoint collapsed(clear->y(), form->height());
        Play("[chkUseTtest]");
        const int grown = TwipsToPixels(3780) - TwipsToPixels(3780 - 744);  // the buttons' design top, expanded
        QCOMPARE(QPoint(clear->y(), form->height()) - collapsed, QPoint(grown, TwipsToPixels(4740) - TwipsToPixels(3996)));
        Play("[chkUseTtest]");
        QCOMPARE(QPoint(clear->y(), form->height()), collapsed);
        StopProgram();
    }

    // Every row of velmora-cli's scores typed into the window shows velmora-cli's texts, in both label systems.
    void windowAgreesWithTheCommandLine() {
        const CliAgreement scores{Raw, "score", "scores.csv",
                                  [](const CliRecord& row) {
                                      QStringList stored = {"Number of Decimals=" + (row["decimals"].isEmpty() ? "1" : row["decimals"])};
                                      QString steps = "[txtRawScore=" + Shown(row["raw"]) + "][txtMean=" + Shown(row["mean"]) + "][txtSD=" +
                                                      Shown(row["sd"]) + "]";
                                      if (!row["n"].isEmpty()) stored << kTTest, steps += "[txtSampleN=" + Shown(row["n"]) + "]";
                                      if (row["reverse"] == "yes") steps += "[chkReverse]";
                                      return std::pair{stored, steps + "[cmdCalculate]"};
                                  },
                                  [](const CliRecord& row) {
                                      QStringList seen = {"lblZscore=" + row["z"], "lblAnswer=" + row["percentile"],
                                                          "lblDescription=" + Translated("modVelmora::Labels", row["label"])};
                                      if (!row["t"].isEmpty())
                                          seen << "lblTScore=" + row["t"] << "lblAdjustedPercentile=" + row["adjusted_percentile"]
                                               << "lblInterval=" + Translated("modVelmora::frmRawScoreConverter", "95% CI %1 to %2")
                                                                       .arg(row["ci_low"], row["ci_high"]);
                                      return seen;
                                  }};
        QVERIFY(CheckAgainstCli(scores, platform) >= 12);
    }
};

QTEST_MAIN(TestRawScore)
#include "tst_rawscore.moc"
