#include <QtTest>
#include <clocale>

#include "rows.h"
#include "scenario.h"

// Written with the comma they are shown with; typed numbers keep ".".
const Scenario kRows[] = {
    {"raw score", 1, {}, "115\r100\r15\r", {"lblZscore=1,00", "lblAnswer=84,1"}},
    {"raw score, three decimals", 1, {"Number of Decimals=3"}, "115\r100\r15\r[cmdCopy]", {"lblAnswer=84,134", "clipboard=84,134"}},
    {"t-test", 1, {"UseTTest=1"}, "115\r100\r15\r10\r[cmdCopy]",
     {"lblZscore=1,00", "lblTScore=0,9535", "lblAdjustedPercentile=81,7", "lblInterval=95% CI 58,5 to 96,0", "clipboard=81,7"}},
    {"z 1 to percentile", 2, {}, "1\r[cmdCopy]", {"lblAnswer=84,1", "clipboard=84,1"}},
    {"percentile 97.5 to z", 2, {"Convert From=0", "Convert To=4"}, "97.5\r", {"lblAnswer=1,96"}},
    {"calculator 1.5 + 2", 5, {}, "1.5+2\r", {"Readout=3,5"}},
    {"calculator 10 / 4, then an operator", 5, {}, "10/4\r+1\r", {"Readout=3,5", "beeps=0"}},
    {"the comma key is the decimal point", 5, {}, "1,25*2\r", {"Readout=2,5"}},
    {"memory of a display below 1", 5, {}, ".5[cmdMemStore]\x1b[cmdMemRecall]",
     {"Readout=0,5", "lblMemoryValue=M", "tip:lblMemoryValue=Memory Value: 0,5"}},
    {"memory plus of 0,5", 5, {}, ".5[cmdMemPlus][cmdMemPlus][cmdMemRecall]", {"Readout=1,"}},
};

// Every window in a comma-decimal locale: the same digits as with a point,
// only the separator changed, on screen and on the clipboard.
class TestRegional : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void initTestCase() {
        // A locale missing from the machine leaves the C library in "C" and hides the fault.
        QCOMPARE(QString(std::localeconv()->decimal_point), QString(","));
        QCOMPARE(QLocale::system().decimalPoint(), QString(","));
    }

    void shownWithTheLocalesSeparator_data() { AddRows(kRows); }
    void shownWithTheLocalesSeparator() {
        QFETCH(Scenario, row);
        Run(row, platform);
    }
};

QTEST_MAIN(TestRegional)
#include "tst_regional.moc"
