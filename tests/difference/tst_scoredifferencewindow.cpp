#include <QtTest>

#include "agreement.h"
#include "rows.h"
#include "scenario.h"
#include "session/sessionlog.h"

using namespace modVelmora;
constexpr Module Diff = Module::ScoreDifference;
// 112 and 94 on the standard scale, r_xx .94, r_yy .88, r_xy .45, each box left with Enter.
const QString kNorms = "112\r94\r.94\r.88\r.45\r";
const QString kControls = "-3.857\r-1.875\r0\r1\r0\r1\r.68\r20\r";
const QString kAgainstControls = "Difference Against=controls";
const QString kSignificant = "#ffe0b2";

// The window as a user works it: typed boxes, Enter, the choices, Calculate, Copy and Esc.
const Scenario kRows[] = {
    {"a first run compares against the norms, standard scores at 95 %", Diff, {}, "",
     {"checked:optAgainst0=1", "checked:optScale2=1", "checked:optConfidence1=1", "colour:optAgainst0=#ffff00", "colour:optScale2=#ffff00",
      "colour:optAgainst1=#ffffff", "shown:txtScoreX=1", "shown:txtPatientX=0", "focus=txtScoreX", "rows:tblResults=0",
      "name:txtCorrelationXY=Correlation r", "name:tblResults=Results"}},
    {"the norms' example", Diff, {}, kNorms,
     {"rows:tblResults=5", "cell:tblResults:0:0=Difference X − Y", "cell:tblResults:0:1=18", "cell:tblResults:1:0=Critical difference (95%)",
      "cell:tblResults:1:1=12.47", "cell:tblResults:2:1=12.6%", "cell:tblResults:3:1=25.3%", "cell:tblResults:4:1=Significant difference",
      "colour:tblResults:4:1=" + kSignificant, "colour:tblResults:1:1=none", "messages=", "focus=cmdClear"}},
    {"each row in words", Diff, {}, kNorms,
     {"tip:tblResults:1:0=Critical difference (95%): 12.47. The smallest difference larger than the tests' unreliability explains at "
      "95% confidence"}},
    {"the controls' example", Diff, {kAgainstControls}, kControls,
     {"rows:tblResults=7", "cell:tblResults:0:1=-3.86", "cell:tblResults:1:1=-1.88", "cell:tblResults:2:1=-2.48",
      "cell:tblResults:3:1=t -2.30 (19 df)", "cell:tblResults:4:1=0.033", "cell:tblResults:5:1=1.65%",
      "cell:tblResults:6:1=Significant difference", "colour:tblResults:6:1=" + kSignificant}},
    {"at 90 % the same difference is no more significant by the norms", Diff, {"Difference Confidence=90"}, "112\r100\r.94\r.88\r.45\r",
     {"cell:tblResults:1:0=Critical difference (90%)", "cell:tblResults:1:1=10.47", "cell:tblResults:4:1=Significant difference"}},
    {"a difference below the critical one", Diff, {}, "112\r100\r.94\r.88\r.45\r",
     {"cell:tblResults:0:1=12", "cell:tblResults:4:1=No significant difference", "colour:tblResults:4:1=none"}},
    // Enter: on to the next box, Calculate once the boxes after are empty; a box still to fill is the next stop.
    {"Enter in a first box goes on to the next", Diff, {}, "112\r", {"focus=txtScoreY", "messages=", "rows:tblResults=0"}},
    {"and past a filled box without calculating", Diff, {}, "[txtScoreY=94][txtReliabilityX=.94][txtScoreX]112\r",
     {"focus=txtScoreY", "rows:tblResults=0"}},
    {"a refused box of its own tells why", Diff, {}, "112\r94\r1.2\r",
     {"messages=The reliability of X must be greater than 0 and less than 1.", "focus=txtReliabilityX", "txtReliabilityX=1.2"}},
    {"a missing box before it tells too", Diff, {}, "[txtReliabilityX][txtScoreX=112].94\r",
     {"messages=Please enter score Y.", "focus=txtScoreY"}},
    {"Enter on a button presses it", Diff, {}, kNorms + "[txtScoreX=1][cmdClear]\r", {"txtScoreX=", "rows:tblResults=0", "focus=txtScoreX"}},
    // Refused entries: the message, the results emptied, the box focused and kept.
    {"decimals pasted on a whole scale", Diff, {}, kNorms + "[txtScoreX=112.5][cmdCalculate]",
     {"messages=Scores on this scale are whole numbers: please enter them without decimals.", "focus=txtScoreX", "txtScoreX=112.5",
      "rows:tblResults=0"}},
    {"a sample of 2", Diff, {kAgainstControls}, kControls + "[txtSampleSize=2][cmdCalculate]",
     {"messages=The number of controls must be from 3 to 9999.", "focus=txtSampleSize", "rows:tblResults=0"}},
    {"an SD of 0", Diff, {kAgainstControls}, "[txtSDY=0][txtPatientX=1][txtPatientY=2][txtMeanX=0][txtSDX=1][txtMeanY=0][txtCorrelation=0]"
     "[txtSampleSize=5][cmdCalculate]", {"messages=The controls' SD on Y must be greater than 0.", "focus=txtSDY"}},
    // Keys: each box takes what its number can hold.
    {"no decimal point in a standard score", Diff, {}, "112.5", {"txtScoreX=1125", "beeps=1"}},
    {"a z-score takes one", Diff, {"Difference Scale=4"}, "-0.83", {"txtScoreX=-0.83", "beeps=0"}},
    {"no minus in a reliability, one in the correlation", Diff, {}, "[txtReliabilityX]-.9[txtCorrelationXY]-.2",
     {"txtReliabilityX=.9", "txtCorrelationXY=-.2", "beeps=1"}},
    {"n is a count of four digits", Diff, {kAgainstControls}, "[txtSampleSize]1.23456", {"txtSampleSize=1234", "beeps=1"}},
    {"the user's separator is a decimal point", Diff, {kAgainstControls},
     Shown("-3.857") + "\r" + Shown("-1.875") + "\r0\r1\r0\r1\r" + Shown(".68") + "\r20\r", {"cell:tblResults:3:1=t -2.30 (19 df)", "beeps=0"}},
    // The choices, stored at once; each empties the results.
    {"against a control sample", Diff, {}, kNorms + "[optAgainst1]",
     {"stored:Difference Against=controls", "shown:txtPatientX=1", "shown:txtScoreX=0", "focus=txtPatientX", "rows:tblResults=0",
      "colour:optAgainst1=#ffff00", "colour:optAgainst0=#ffffff"}},
    {"and back, the norms' boxes as they were", Diff, {}, "112[optAgainst1][optAgainst0]", {"txtScoreX=112", "stored:Difference Against=norms"}},
    {"the scale", Diff, {}, kNorms + "[optScale3]", {"stored:Difference Scale=3", "rows:tblResults=0", "colour:optScale3=#ffff00"}},
    {"the confidence", Diff, {}, kNorms + "[optConfidence0]", {"stored:Difference Confidence=90", "rows:tblResults=0"}},
    {"restored at the next start", Diff, {kAgainstControls, "Difference Scale=3", "Difference Confidence=90"}, "",
     {"checked:optAgainst1=1", "checked:optScale3=1", "checked:optConfidence0=1", "focus=txtPatientX"}},
    {"a damaged store reads as the defaults", Diff, {"Difference Against=both", "Difference Scale=0", "Difference Confidence=80"}, "",
     {"checked:optAgainst0=1", "checked:optScale2=1", "checked:optConfidence1=1"}},
    {"opening the window stores nothing", Diff, {}, "", {"stored:Difference Against=<none>"}},
    // Copy and Esc.
    {"copy puts the table with its header on the clipboard", Diff, {}, kNorms + "[cmdCopy]",
     {"clipboard=Result\tValue\nDifference X − Y\t18\nCritical difference (95%)\t12.47\nBase rate, same direction\t12.6%\n"
      "Base rate, either direction\t25.3%\nVerdict\tSignificant difference"}},
    {"copy without results copies an empty text", Diff, {}, "[cmdCopy]", {"clipboard="}},
    {"Esc clears the page's boxes and the table", Diff, {}, kNorms + "\x1b",
     {"rows:tblResults=0", "txtScoreX=", "txtCorrelationXY=", "focus=txtScoreX"}},
};

class TestScoreDifferenceWindow : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

    // The steps that type a row of velmora-cli's file into the boxes, and Calculate.
    static QString typed(const CliRecord& row, const QStringList& boxes, const QStringList& columns) {
        QString steps;
        for (int i = 0; i < boxes.size(); ++i) steps += "[" + boxes[i] + "=" + Shown(row[columns[i]]) + "]";
        return steps + "[cmdCalculate]";
    }
    static QString confidence(const CliRecord& row) { return "Difference Confidence=" + (row["level"] == "90" ? QString("90") : "95"); }
    static QString verdict(bool significant) {
        return Translated("modVelmora::Difference", significant ? "Significant difference" : "No significant difference");
    }
    static QString percent(const QString& number) { return Translated("modVelmora::frmScoreDifference", "%1%").arg(Shown(number)); }

private slots:
    void window_data() { AddRows(kRows); }
    void window() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }

    // Every row of velmora-cli's differences typed into the window shows velmora-cli's texts.
    void windowAgreesWithTheCommandLine() {
        const QStringList scales = {"percentile", "scaled", "standard", "t", "z"};
        const CliAgreement norms{
            Diff, "difference", "differences.csv",
            [&](const CliRecord& row) {
                return std::pair{QStringList{"Difference Against=norms", "Difference Scale=" + QString::number(scales.indexOf(row["scale"])),
                                             confidence(row)},
                                 typed(row, {"txtScoreX", "txtScoreY", "txtReliabilityX", "txtReliabilityY", "txtCorrelationXY"},
                                       {"x", "y", "rxx", "ryy", "rxy"})};
            },
            [](const CliRecord& row) {
                return QStringList{"cell:tblResults:0:1=" + row["difference"], "cell:tblResults:1:1=" + row["critical"],
                                   "cell:tblResults:2:1=" + percent(row["base_rate"]), "cell:tblResults:3:1=" + percent(row["base_rate_two"]),
                                   "cell:tblResults:4:1=" + verdict(row["significant"] == "yes")};
            },
            false};
        const CliAgreement controls{
            Diff, "difference", "dissociations.csv",
            [](const CliRecord& row) {
                return std::pair{QStringList{"Difference Against=controls", confidence(row)},
                                 typed(row, {"txtPatientX", "txtPatientY", "txtMeanX", "txtSDX", "txtMeanY", "txtSDY", "txtCorrelation", "txtSampleSize"},
                                       {"x", "y", "mx", "sx", "my", "sy", "r", "n"})};
            },
            [](const CliRecord& row) {
                const QString t = Translated("modVelmora::frmScoreDifference", "t %1 (%2 df)").arg(Shown(row["t"]), row["df"]);
                return QStringList{"cell:tblResults:0:1=" + row["zx"],  "cell:tblResults:1:1=" + row["zy"],
                                   "cell:tblResults:2:1=" + row["zdcc"], "cell:tblResults:3:1=" + t,
                                   "cell:tblResults:4:1=" + row["p"],    "cell:tblResults:5:1=" + percent(row["more_extreme"]),
                                   "cell:tblResults:6:1=" + verdict(row["verdict"] == "Significant difference")};
            },
            false, {"--against", "controls"}};
        QVERIFY(CheckAgainstCli(norms, platform) >= 15);
        QVERIFY(CheckAgainstCli(controls, platform) >= 15);
    }

    // The session's CSV can go back through velmora-cli: the choice, the columns and the results.
    void aSessionRowKeepsVelmoraClisColumns() {
        for (const QString& stored : {QString(), kAgainstControls}) {
            StartProgram(Diff, stored.isEmpty() ? QStringList() : QStringList{stored});
            Play(stored.isEmpty() ? kNorms : kControls);
            QStringList fields;
            for (const auto& [name, value] : TheProgram().session().rows().value(0).fields) fields << name + "=" + value;
            QCOMPARE(fields.join(' '), stored.isEmpty() ? "against=norms x=112 y=94 scale=standard rxx=.94 ryy=.88 rxy=.45 level=95 "
                                                          "difference=18 critical=12.47 significant=yes base_rate=12.6 base_rate_two=25.3"
                                                        : "against=controls x=-3.857 y=-1.875 mx=0 sx=1 my=0 sy=1 r=.68 n=20 level=95 "
                                                          "zx=-3.86 zy=-1.88 zdcc=-2.48 t=-2.30 df=19 p=0.033 more_extreme=1.65 "
                                                          "verdict=Significant difference");
            StopProgram();
        }
    }

    void tabVisitsTheControlsInOrder() {
        StartProgram(Diff);
        QStringList visited;
        for (int step = 0; step < 15; ++step, Play("\t")) visited << FocusName();
        QCOMPARE(visited.join(' '), QString("txtScoreX txtScoreY optScale2 txtReliabilityX txtReliabilityY txtCorrelationXY optConfidence1 "
                                            "cmdCalculate cmdClear cmdCopy tblResults cmdSession optAgainst0 txtScoreX txtScoreY"));
        StopProgram();
    }
};

QTEST_MAIN(TestScoreDifferenceWindow)
#include "tst_scoredifferencewindow.moc"
