#include <QtTest>

#include "agreement.h"
#include "rows.h"
#include "scenario.h"

using namespace modVelmora;
constexpr Module Change = Module::ReliableChange;
// X1 104, X2 96, M1 100, M2 104.3, S1 13.8, S2 15, r .95, n 50, typed box by box in the tab order.
const QString kExample = "104\t96\t100\t104.3\t13.8\t15\t.95\t50\r";
const QString kWithoutMeans = "104\t96\t\t\t13.8\t15\t.95\t50\r";
const QString k90 = "Change Confidence=90";

// The window as a user works it: typed boxes, the options, Calculate, Copy and Esc.
const Scenario kRows[] = {
    {"a first run opens at 95 % with the test score focused", Change, {}, "",
     {"checked:optConfidence1=1", "checked:chkReverse=0", "colour:optConfidence1=#ffff00", "colour:optConfidence0=#ffffff",
      "rows:tblResults=0", "focus=txtTest", "name:tblResults=Results", "name:txtCorrelation=Test–retest r"}},
    {"the worked example at 95 %", Change, {}, kExample,
     {"rows:tblResults=4", "cell:tblResults:0:0=Jacobson & Truax (1991)", "cell:tblResults:0:1=104.00", "cell:tblResults:0:2=4.36",
      "cell:tblResults:0:3=z -1.83", "cell:tblResults:0:4=0.067", "cell:tblResults:0:5=95.45 to 112.55",
      "cell:tblResults:0:6=No reliable change", "colour:tblResults:0:6=none", "cell:tblResults:1:0=Chelune et al. (1993)",
      "cell:tblResults:1:1=108.30", "cell:tblResults:1:3=z -2.82", "cell:tblResults:1:4=0.005", "cell:tblResults:1:6=Reliable decline",
      "colour:tblResults:1:6=#ffcccc", "cell:tblResults:2:0=Iverson (2001)", "cell:tblResults:2:2=4.56", "cell:tblResults:2:3=z -2.70",
      "cell:tblResults:2:4=0.007", "cell:tblResults:3:0=Crawford & Garthwaite (2007)", "cell:tblResults:3:1=108.43",
      "cell:tblResults:3:2=4.78", "cell:tblResults:3:3=t -2.60 (48 df)", "cell:tblResults:3:4=0.012",
      "cell:tblResults:3:6=Reliable decline", "focus=cmdClear"}},
    {"each row in words", Change, {}, kExample, {"tip:tblResults:1:4=Chelune et al. (1993): expected retest score 108.30, SE 4.36; "
                                                  "z -2.82, p 0.005; range of no reliable change: 99.75 to 116.85; Reliable decline"}},
    {"at 90 % Jacobson & Truax finds a decline too", Change, {k90}, kExample, {"cell:tblResults:0:6=Reliable decline", "cell:tblResults:0:5=96.82 to 111.18"}},
    {"Reverse makes the fall an improvement", Change, {k90}, "[chkReverse][txtTest]" + kExample,
     {"cell:tblResults:0:6=Reliable improvement", "colour:tblResults:0:6=#ccffcc", "cell:tblResults:0:3=z -1.83"}},
    {"without the means only two methods", Change, {}, kWithoutMeans,
     {"rows:tblResults=2", "cell:tblResults:0:0=Jacobson & Truax (1991)", "cell:tblResults:1:0=Iverson (2001)", "cell:tblResults:1:3=z -1.76"}},
    // Enter goes on row by row, and calculates once the entries needed are there and the rest are empty.
    {"a number and Enter, box after box; the boxes left empty at the end are not needed", Change, {}, "104\r96\r100\r13.8\r.95\r104.3\r",
     {"messages=", "rows:tblResults=2", "cell:tblResults:1:3=z -2.82", "focus=cmdClear"}},
    {"an optional box left empty is passed over", Change, {}, "104\r96\r\r13.8\r.95\r",
     {"messages=", "rows:tblResults=1", "txtMeanTest=", "focus=cmdClear"}},
    {"Enter in a box with entries after it moves on", Change, {}, kExample + "[txtTest]\r",
     {"focus=txtRetest", "rows:tblResults=4"}},
    // Refused entries: the message, the results emptied, the box focused and kept.
    {"an r of 1.2", Change, {}, kExample + "[txtCorrelation=1.2][cmdCalculate]",
     {"messages=Please enter a test–retest correlation greater than 0 and less than 1.", "rows:tblResults=0", "txtCorrelation=1.2",
      "focus=txtCorrelation"}},
    {"Enter goes to the other mean rather than calculate with one", Change, {}, "104\t96\t100\t\t13.8\t\t.95\r",
     {"messages=", "focus=txtMeanRetest"}},
    {"a lone mean", Change, {}, "104\t96\t100\t\t13.8\t\t.95[cmdCalculate]",
     {"messages=Please enter both means of the retest study, or neither.", "focus=txtMeanRetest"}},
    {"a sample of 2", Change, {}, kExample + "[txtSampleSize=2][cmdCalculate]",
     {"messages=The size of the retest sample must be from 3 to 9999.", "focus=txtSampleSize", "rows:tblResults=0"}},
    // Keys.
    {"letters and blanks beep and are dropped", Change, {}, "1a 2", {"txtTest=12", "beeps=2"}},
    {"the user's separator is a decimal point", Change, {}, "104\t96\t\t\t" + Shown("13.8") + "\t\t" + Shown(".95") + "\r",
     {"rows:tblResults=1", "cell:tblResults:0:2=4.36", "beeps=0"}},
    {"eight characters a box, four the sample size", Change, {}, "123456789\t\t\t\t\t\t\t12345", {"txtTest=12345678", "txtSampleSize=1234"}},
    // The choices, stored at once; each empties the results.
    {"the confidence", Change, {}, kExample + "[optConfidence0]",
     {"stored:Change Confidence=90", "stored:Change Reverse=0", "rows:tblResults=0", "colour:optConfidence0=#ffff00", "colour:optConfidence1=#ffffff"}},
    {"Reverse", Change, {}, kExample + "[chkReverse]", {"stored:Change Reverse=1", "rows:tblResults=0"}},
    {"restored at the next start", Change, {k90, "Change Reverse=1"}, "", {"checked:optConfidence0=1", "checked:chkReverse=1", "colour:optConfidence0=#ffff00"}},
    {"opening the window stores nothing", Change, {}, "", {"stored:Change Confidence=<none>"}},
    // Copy and Esc.
    {"copy puts the table with its header on the clipboard", Change, {}, kWithoutMeans + "[cmdCopy]",
     {"clipboard=Method\tExpected retest\tSE\tStatistic\tp\tNo reliable change\tVerdict\n"
      "Jacobson & Truax (1991)\t104.00\t4.36\tz -1.83\t0.067\t95.45 to 112.55\tNo reliable change\n"
      "Iverson (2001)\t104.00\t4.56\tz -1.76\t0.079\t95.07 to 112.93\tNo reliable change"}},
    {"copy without results copies an empty text", Change, {}, "[cmdCopy]", {"clipboard="}},
    {"Esc clears every box and the table", Change, {}, kExample + "\x1b",
     {"rows:tblResults=0", "txtTest=", "txtCorrelation=", "txtSampleSize=", "focus=txtTest"}},
};

class TestReliableChangeWindow : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void window_data() { AddRows(kRows); }
    void window() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }

    // Every row of velmora-cli's reliable changes typed into the window shows velmora-cli's texts.
    void windowAgreesWithTheCommandLine() {
        const CliAgreement changes{
            Change, "change", "changes.csv",
            [](const CliRecord& row) {
                const QStringList boxes = {"txtTest", "txtRetest", "txtMeanTest", "txtMeanRetest", "txtSDTest", "txtSDRetest", "txtCorrelation",
                                           "txtSampleSize"};
                const QStringList columns = {"x1", "x2", "m1", "m2", "sd1", "sd2", "r", "n"};
                QString steps;
                for (int i = 0; i < boxes.size(); ++i) steps += "[" + boxes[i] + "=" + Shown(row[columns[i]]) + "]";
                return std::pair{QStringList{"Change Confidence=" + (row["level"] == "90" ? QString("90") : "95"),
                                             "Change Reverse=" + QString(row["reverse"] == "yes" ? "1" : "0")},
                                 steps + "[cmdCalculate]"};
            },
            [](const CliRecord& row) {
                QStringList seen;
                int shown = 0;
                for (const QString method : {"jt", "chelune", "iverson", "cg"}) {
                    if (row[method + "_expected"].isEmpty()) continue;
                    const QString statistic =
                        method == "cg" ? Translated("modVelmora::frmReliableChange", "t %1 (%2 df)").arg(Shown(row["cg_t"]), row["cg_df"])
                                       : Translated("modVelmora::frmReliableChange", "z %1").arg(Shown(row[method + "_z"]));
                    const QString cell = QString("cell:tblResults:%1:").arg(shown++);
                    seen << cell + "1=" + row[method + "_expected"] << cell + "2=" + row[method + "_se"] << cell + "3=" + statistic
                         << cell + "4=" + row[method + "_p"] << cell + "6=" + Translated("modVelmora::Change", row[method + "_verdict"]);
                }
                return seen << QString("rows:tblResults=%1").arg(shown);
            },
            false};
        QVERIFY(CheckAgainstCli(changes, platform) >= 10);
    }

    void copyGivesAWordProcessorAnHtmlTable() {
        Run({"", Change, {}, kExample + "[cmdCopy]", {}}, platform);
        QVERIFY(platform.clipboardHtml.startsWith("<table") && platform.clipboardHtml.endsWith("</table>"));
        QCOMPARE(platform.clipboardHtml.count("<tr>"), 5);
        QVERIFY(platform.clipboardHtml.contains("<th>Method</th>") && platform.clipboardHtml.contains("<td>Jacobson &amp; Truax (1991)</td>"));
    }

    void tabVisitsTheControlsInOrder() {
        StartProgram(Change);
        QStringList visited;
        for (int step = 0; step < 16; ++step, Play("\t")) visited << FocusName();
        QCOMPARE(visited.join(' '), QString("txtTest txtRetest txtMeanTest txtMeanRetest txtSDTest txtSDRetest txtCorrelation "
                                            "txtSampleSize optConfidence1 chkReverse cmdCalculate cmdClear cmdCopy tblResults cmdSession txtTest"));
        StopProgram();
    }
};

QTEST_MAIN(TestReliableChangeWindow)
#include "tst_reliablechangewindow.moc"
