#include <QtTest>

#include "rawscore/frmrawscoreconverter.h"
#include "rows.h"
#include "scenario.h"
#include "shell/modvelmora.h"
#include "shell/twips.h"

using namespace modVelmora;

const QString kDecimals3 = "Number of Decimals=3", kDecimals4 = "Number of Decimals=4";
const QString kTTest = "UseTTest=1";
const QString kCalculated = "115\r100\r15\r";  // Enter in the SD box calculates, or moves on to the sample size

// The raw score window as a user works it: typed keys, clicks, and what the labels, messages and clipboard show.
const Scenario kRows[] = {
    {"115 100 15", 1, {}, kCalculated, {"lblZscore=1.00", "lblAnswer=84.1", "messages=", "focus=cmdClear"}},
    {"reversed", 1, {}, "[chkReverse][txtRawScore]" + kCalculated, {"lblZscore=-1.00", "lblAnswer=15.9"}},
    {"at the mean", 1, {}, "100\r100\r15\r", {"lblZscore=0.00", "lblAnswer=50.0"}},
    {"three decimals show z with three", 1, {kDecimals3}, kCalculated, {"lblZscore=1.000", "lblAnswer=84.134"}},
    {"no decimals still show z with two", 1, {"Number of Decimals=0"}, kCalculated, {"lblZscore=1.00", "lblAnswer=84"}},
    {"a z on a half shows rounded away from zero", 1, {}, "101.875\r100\r15\r", {"lblZscore=0.13"}},
    {"negative sd changes the sign of z", 1, {}, "115\r100\r-15\r", {"lblZscore=-1.00", "lblAnswer=15.9"}},
    {"z of -4 shows 0.0", 1, {}, "40\r100\r15\r", {"lblZscore=-4.00", "lblAnswer=0.0"}},
    {"z of 40 shows 100.0", 1, {}, "700\r100\r15\r", {"lblZscore=40.00", "lblAnswer=100.0"}},
    {"a huge z stays a single-precision number", 1, {}, "99999999\r-9999999\r.0000001\r", {"lblZscore=1099999978979330.00"}},
    // Each fails when one single-precision step or rounding rule is done otherwise.
    {"t of the normal in single precision", 1, {kDecimals4}, "94.2\r100\r15\r", {"lblAnswer=34.9502"}},
    {"s of the normal in single precision", 1, {kDecimals4}, "97.6\r100\r15\r", {"lblAnswer=43.6440"}},
    {"the lower tail taken directly", 1, {kDecimals4}, "71\r100\r15\r", {"lblAnswer=2.6598"}},
    {"the entries in single precision", 1, {kDecimals4}, "98.2\r100\r15\r", {"lblAnswer=45.2241", "lblZscore=-0.1200"}},
    {"the percentile in single precision", 1, {kDecimals4}, "[chkReverse][txtRawScore]71\r100\r15\r", {"lblAnswer=97.3402"}},
    {"the percentile rounded half to even", 1, {kDecimals4}, "[chkReverse][txtRawScore]76.95\r100\r15\r", {"lblAnswer=93.7812"}},
    {"t-test with n 10", 1, {kTTest}, kCalculated + "10\r",
     {"lblZscore=1.00", "lblAnswer=84.1", "lblTScore=0.9535", "lblAdjustedPercentile=81.7", "lblInterval=95% CI 58.5 to 96.0",
      "tip:lblInterval=95% interval estimate of the percentage of the population below this score (Crawford and Garthwaite, "
      "2002). z-CC 1.00, 95% CI 0.21 to 1.75.", "focus=cmdClear"}},
    {"sample size 1.5 reads as 2", 1, {kTTest}, kCalculated + "1.5\r", {"lblTScore=0.8165", "lblAdjustedPercentile=71.8"}},
    {"sample size 2.5 reads as 2", 1, {kTTest}, kCalculated + "2.5\r", {"lblTScore=0.8165"}},
    // Refused entries: the message, the focus, and whether the previous percentile stays.
    {"no raw score", 1, {}, kCalculated + "[txtRawScore=][cmdCalculate]",
     {"messages=Please enter a raw score.", "focus=txtRawScore", "lblAnswer=84.1", "txtSD=15"}},
    {"no mean", 1, {}, kCalculated + "[txtMean=][cmdCalculate]",
     {"messages=Please enter the sample mean.", "focus=txtMean", "lblAnswer=", "txtRawScore=115"}},
    {"no sd", 1, {}, kCalculated + "[txtSD=][cmdCalculate]",
     {"messages=Please enter the sample standard deviation.", "focus=txtSD", "lblAnswer="}},
    {"sd 0.0", 1, {}, kCalculated + "[txtSD=0.0][cmdCalculate]",
     {"messages=The standard deviation cannot equal zero.", "focus=txtSD", "lblAnswer=84.1", "txtSD="}},
    {"sd -0", 1, {}, "115\r100\r-0\r", {"messages=The standard deviation cannot equal zero.", "txtSD=", "txtMean=100"}},
    {"a lone minus reads as a zero sd", 1, {}, "115\r100\r-\r", {"messages=The standard deviation cannot equal zero."}},
    {"no sample size", 1, {kTTest}, kCalculated + "10\r[txtSampleN=][cmdCalculate]",
     {"messages=Please enter the size of the normative sample.", "focus=txtSampleN", "lblAnswer="}},
    {"sample size 1.4", 1, {kTTest}, kCalculated + "1.4\r",
     {"messages=The normative sample size must be greater than 1.", "focus=txtSampleN", "txtSampleN=1.4"}},
    {"sample size abc", 1, {kTTest}, kCalculated + "abc\r", {"messages=The normative sample size must be greater than 1."}},
    // Keys as they are typed: numbers only in the three number boxes, anything in the sample size box.
    {"digits, minus and point pass", 1, {}, "-1.5\r-2.5\r.25", {"txtRawScore=-1.5", "txtMean=-2.5", "txtSD=.25", "beeps=0"}},
    {"letters, blanks and commas beep", 1, {}, "1a ,2", {"txtRawScore=12", "beeps=3"}},
    {"backspace passes, eight characters at most", 1, {}, "12\b34567890", {"txtRawScore=13456789", "beeps=0"}},
    {"paste, cut and undo keys are refused", 1, {}, "\r12{Ctrl+V}{Ctrl+X}{Ctrl+Z}", {"txtMean=12", "beeps=3"}},
    {"the sample size box takes any key", 1, {kTTest}, "[txtSampleN]a1 x", {"txtSampleN=a1 x", "beeps=0"}},
    // Copying, clearing and the decimals.
    {"copy with nothing shown copies nothing", 1, {}, "[cmdCopy]", {"clipboard="}},
    {"copy takes the percentile", 1, {}, kCalculated + "[cmdCopy]", {"clipboard=84.1"}},
    {"with the t-test copy takes the adjusted percentile", 1, {kTTest}, kCalculated + "10\r[cmdCopy]", {"clipboard=81.7"}},
    {"Esc clears but keeps the options", 1, {kTTest, "Number of Decimals=2"}, "[chkReverse][txtRawScore]" + kCalculated + "10\r\x1b",
     {"lblZscore=", "lblAnswer=", "lblTScore=", "lblAdjustedPercentile=", "lblInterval=", "txtRawScore=", "txtSampleN=", "checked:chkReverse=1",
      "checked:chkUseTtest=1", "lblNumberOfDecimals= 2", "focus=txtRawScore"}},
    {"the spinner sets the decimals for the next calculation", 1, {}, kCalculated + "[up][up][up][up][up]",
     {"lblNumberOfDecimals= 4", "lblAnswer=84.1"}},
    {"then Calculate uses them", 1, {}, kCalculated + "[up][up][up][cmdCalculate]", {"lblAnswer=84.1345"}},
    {"the t-test option expands the window", 1, {}, "[chkUseTtest]",
     {"shown:txtSampleN=1", "focus=txtSampleN", "tip:cmdCopy=Copy adjusted percentile to clipboard",
      "tip:UpDown1=Set number of decimal places in percentile and adjusted percentile"}},
    {"and collapses it, emptying the t-test results", 1, {kTTest}, kCalculated + "10\r[chkUseTtest]",
     {"shown:txtSampleN=0", "txtSampleN=", "lblTScore=", "lblInterval=", "focus=txtRawScore", "tip:cmdCopy=Copy percentile to clipboard"}},
};

class TestRawScoreWindow : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void scenarios_data() { AddRows(kRows); }
    void scenarios() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }

    void expansionTakes124StepsEachWay() {
        auto* form = StartProgram(1);
        auto* window = static_cast<frmRawScoreConverter*>(TheProgram().window(1));
        auto* clear = form->findChild<QWidget*>("cmdClear");
        const int collapsedTop = clear->y(), collapsedHeight = form->height();
        QCOMPARE(window->outerHeightTwips(), 4671);
        Play("[chkUseTtest]");
        QCOMPARE(window->outerHeightTwips(), 4671 + 124 * 6);
        QCOMPARE(clear->y() - collapsedTop, TwipsToPixels(3780) - TwipsToPixels(3780 - 744));
        QCOMPARE(form->height() - collapsedHeight, TwipsToPixels(4740) - TwipsToPixels(3996));
        Play("[chkUseTtest]");
        QCOMPARE(clear->y(), collapsedTop);
        QCOMPARE(form->height(), collapsedHeight);
        StopProgram();
    }
};

QTEST_MAIN(TestRawScoreWindow)
#include "tst_rawscorewindow.moc"
