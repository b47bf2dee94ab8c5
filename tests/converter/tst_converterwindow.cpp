#include <QtTest>

#include "rows.h"
#include "scenario.h"

const QString kYellow = "#ffff00", kWhite = "#ffffff";
const QString kPercentileMessage = "messages=Please enter a percentile that is greater than 0 and less than 100.";
const QString kScaledMessage = "messages=Scaled score values must be between 1 and 20";
const QString kFromT = "Convert From=3";

// The score converter as a user works it: option clicks, typed keys, Enter and Esc.
const Scenario kRows[] = {
    {"a first run converts z to percentile", 2, {}, "1\r",
     {"colour:optFrom4=" + kYellow, "colour:optFrom0=" + kWhite, "colour:optTo0=" + kYellow, "lblFrom=Z-Score",
      "lblTo=Percentile", "shown:UpDown1=1", "tip:cmdCopy=Copy Percentile to clipboard", "lblAnswer=84.1", "focus=cmdClear"}},
    {"a second Enter, the keypad's, clears", 2, {}, "1\r{Enter}", {"lblAnswer=", "txtFrom=", "focus=txtFrom"}},
    {"to scaled score hides the decimals", 2, {}, "1\r[optTo1]",
     {"shown:UpDown1=0", "shown:lblNumberOfDecimals=0", "tip:cmdCopy=Copy Scaled Score to clipboard",
      "tip:UpDown1=Set number of places in Scaled Score", "lblTo=Scaled Score", "lblAnswer=", "focus=txtFrom",
      "colour:optTo1=" + kYellow, "colour:optTo0=" + kWhite}},
    {"to standard and T-score hide them too", 2, {}, "[optTo2]", {"shown:UpDown1=0", "tip:lblNumberOfDecimals=Set number of places in Standard Score"}},
    {"to z-score shows them", 2, {"Convert To=3"}, "[optTo4]", {"shown:UpDown1=1", "shown:lblNumberOfDecimals=1"}},
    {"a source choice empties the answer and takes the focus", 2, {}, "1\r[optFrom2]",
     {"lblFrom=Standard Score", "lblAnswer=", "focus=txtFrom", "colour:optFrom2=" + kYellow, "colour:optFrom4=" + kWhite}},
    {"choices are stored at once", 2, {}, "[optFrom3][optTo2]", {"stored:Convert From=3", "stored:Convert To=2"}},
    {"and read back on the next load", 2, {kFromT, "Convert To=2"}, "", {"checked:optFrom3=1", "checked:optTo2=1", "lblTo=Standard Score"}},
    {"arrow keys move within a group", 2, {}, "[optFrom4]{Up}", {"checked:optFrom3=1", "lblFrom=T-Score", "stored:Convert From=3"}},
    {"a damaged choice opens with the default", 2, {"Convert From=5", "Convert To=abc"}, "",
     {"checked:optFrom4=1", "checked:optTo0=1", "stored:Convert From=4", "stored:Convert To=0"}},
    {"percentile to itself", 2, {"Convert From=0", "Convert To=0"}, "22.05\r", {"lblAnswer=22.1"}},
    {"T 45 to standard rounds half to even", 2, {kFromT, "Convert To=2"}, "45\r", {"lblAnswer=92"}},
    // Refused entries.
    {"empty input only beeps", 2, {}, "1\r[txtFrom=][cmdCalculate]", {"beeps=1", "messages=", "lblAnswer=84.1", "focus=txtFrom"}},
    {"percentile 0 empties the answer", 2, {"Convert From=0", "Convert To=3"}, "50\r[txtFrom=0][cmdCalculate]",
     {kPercentileMessage, "lblAnswer=", "txtFrom=", "focus=txtFrom"}},
    {"percentile 100", 2, {"Convert From=0"}, "100\r", {kPercentileMessage, "lblAnswer="}},
    {"a lone point is percentile 0", 2, {"Convert From=0"}, ".\r", {kPercentileMessage}},
    {"scaled 21 keeps the answer", 2, {"Convert From=1", "Convert To=3"}, "13\r[txtFrom=21][cmdCalculate]",
     {kScaledMessage, "lblAnswer=60", "txtFrom=", "focus=txtFrom"}},
    {"a lone minus reads as scaled 0", 2, {"Convert From=1"}, "-\r", {kScaledMessage}},
    // Keys as they are typed, filtered by the source scale.
    {"percentile takes a point", 2, {"Convert From=0"}, "12.5", {"txtFrom=12.5", "beeps=0"}},
    {"z-score takes a point and minus", 2, {}, "-1.5", {"txtFrom=-1.5", "beeps=0"}},
    {"scaled score refuses a point", 2, {"Convert From=1"}, "1.5", {"txtFrom=15", "beeps=1"}},
    {"standard score refuses a point", 2, {"Convert From=2"}, "1.5", {"txtFrom=15", "beeps=1"}},
    {"T-score refuses a point", 2, {kFromT}, "1.5", {"txtFrom=15", "beeps=1"}},
    {"letters and blanks beep", 2, {}, "1a b", {"txtFrom=1", "beeps=3"}},
    {"minus anywhere, backspace", 2, {"Convert From=2"}, "5-3\b", {"txtFrom=5-", "beeps=0"}},
    // The decimals, the copy button and Esc.
    {"the spinner waits for the next Calculate", 2, {}, "1\r[up][up]", {"lblNumberOfDecimals= 3", "lblAnswer=84.1"}},
    {"then Calculate and copy use it", 2, {}, "1\r[up][up][cmdCalculate][cmdCopy]", {"lblAnswer=84.134", "clipboard=84.134"}},
    {"Esc clears and copy then copies nothing", 2, {}, "1\r\x1b[cmdCopy]", {"lblAnswer=", "txtFrom=", "clipboard="}},
};

class TestConverterWindow : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void scenarios_data() { AddRows(kRows); }
    void scenarios() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }
};

QTEST_MAIN(TestConverterWindow)
#include "tst_converterwindow.moc"
