#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "rawscore/frmrawscoreconverter.h"
#include "shell/twips.h"
#include "shell/updown.h"
#include "rows.h"
#include "windowfixture.h"

using namespace modVelmora;

struct CalculationRow { const char* name; const char* keys; int decimals; bool reverse; const char* sampleSize; QStringList shown; };
struct RefusedRow { const char* name; QStringList boxes; const char* message; const char* focus; bool percentileEmptied; };
struct KeyRow { const char* name; const char* keys; const char* text; int beeps; };
Q_DECLARE_METATYPE(CalculationRow)
Q_DECLARE_METATYPE(RefusedRow)
Q_DECLARE_METATYPE(KeyRow)

// Typed keys (\r is Enter) and the z-score, percentile, t and adjusted percentile shown.
const CalculationRow kCalculationRows[] = {
    {"115 100 15", "115\r100\r15\r", 1, false, "", {"1.00", "84.1", "", ""}},
    {"reversed", "115\r100\r15\r", 1, true, "", {"-1.00", "15.9", "", ""}},
    {"at the mean", "100\r100\r15\r", 1, false, "", {"0.00", "50.0", "", ""}},
    {"three decimals show z with three", "115\r100\r15\r", 3, false, "", {"1.000", "84.134", "", ""}},
    {"no decimals still show z with two", "115\r100\r15\r", 0, false, "", {"1.00", "84", "", ""}},
    {"negative sd changes the sign of z", "115\r100\r-15\r", 1, false, "", {"-1.00", "15.9", "", ""}},
    {"z of -4 shows 0.0", "40\r100\r15\r", 1, false, "", {"-4.00", "0.0", "", ""}},
    {"z of 40 shows 100.0", "700\r100\r15\r", 1, false, "", {"40.00", "100.0", "", ""}},
    {"a huge z stays a single-precision number", "99999999\r-9999999\r.0000001\r", 1, false, "", {"1099999978979330.00", "100.0", "", ""}},
    {"t-test with n 10", "115\r100\r15\r", 1, false, "10", {"1.00", "84.1", "0.9535", "81.7"}},
    {"t-test reversed", "115\r100\r15\r", 1, true, "10", {"-1.00", "15.9", "-0.9535", "18.3"}},
    {"t-test n 5 two decimals", "130\r100\r15\r", 2, false, "5", {"2.00", "97.72", "1.8257", "92.9"}},
    {"sample size 1.5 reads as 2", "115\r100\r15\r", 1, false, "1.5", {"1.00", "84.1", "0.8165", "71.8"}},
};

// Raw score, mean, SD and sample size ("" = t-test off, " " = on but empty).
const RefusedRow kRefusedRows[] = {
    {"no raw score", {"", "100", "15", ""}, "Please enter a raw score.", "txtRawScore", false},
    {"no mean", {"115", "", "15", ""}, "Please enter the sample mean.", "txtMean", true},
    {"no sd", {"115", "100", "", ""}, "Please enter the sample standard deviation.", "txtSD", true},
    {"sd 0", {"115", "100", "0", ""}, "The standard deviation cannot equal zero.", "txtSD", false},
    {"sd 0.0", {"115", "100", "0.0", ""}, "The standard deviation cannot equal zero.", "txtSD", false},
    {"sd -0", {"115", "100", "-0", ""}, "The standard deviation cannot equal zero.", "txtSD", false},
    {"a lone minus reads as a zero sd", {"115", "100", "-", ""}, "The standard deviation cannot equal zero.", "txtSD", false},
    {"no sample size", {"115", "100", "15", " "}, "Please enter the size of the normative sample.", "txtSampleN", true},
    {"sample size 1", {"115", "100", "15", "1"}, "The normative sample size must be greater than 1.", "txtSampleN", false},
    {"sample size 1.4", {"115", "100", "15", "1.4"}, "The normative sample size must be greater than 1.", "txtSampleN", false},
    {"sample size abc", {"115", "100", "15", "abc"}, "The normative sample size must be greater than 1.", "txtSampleN", false},
};

const KeyRow kKeyRows[] = {
    {"digits, minus and point pass", "-1.5", "-1.5", 0}, {"letters, blanks and commas beep", "1a ,2", "12", 3},
    {"backspace passes", "12\b3", "13", 0}, {"eight characters at most", "1234567890", "12345678", 0},
};

// The raw score window driven as a user would: keys into the focused box,
// clicks on its buttons, and what the labels, messages and clipboard show.
class TestRawScoreWindow : public QObject, WindowFixture<frmRawScoreConverter> {
    Q_OBJECT

    void open(int decimals = 1) {
        SettingsRecord settings;
        settings.numberOfDecimals = std::uint8_t(decimals);
        WindowFixture::open(settings);
    }
    void useTTest(const QString& sampleSize) {
        window->chkUseTtest->click();
        window->txtSampleN->setText(sampleSize);
        window->txtRawScore->setFocus();
    }
    QStringList results() const {
        return {window->lblZscore->text(), window->lblAnswer->text(), window->lblTScore->text(), window->lblAdjustedPercentile->text()};
    }

private slots:
    void init() { ClearStore(); }
    void cleanup() { close(); }

    void calculation_data() { AddRows(kCalculationRows); }
    void calculation() {
        QFETCH(CalculationRow, row);
        open(row.decimals);
        window->chkReverse->setChecked(row.reverse);
        QString keys = row.keys;
        if (*row.sampleSize) {
            useTTest(row.sampleSize);
            keys += "\r";  // Enter in the SD box moves on to the sample size box
        }
        TypeKeys(keys);
        QStringList shown;
        for (const QString& text : row.shown) shown << Shown(text);
        QCOMPARE(results(), shown);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(FocusName(), QString("cmdClear"));
    }

    void refusedInput_data() { AddRows(kRefusedRows); }
    void refusedInput() {
        QFETCH(RefusedRow, row);
        open();
        if (row.boxes[3] != "") useTTest(row.boxes[3].trimmed());
        window->lblAnswer->setText("previous");
        window->txtRawScore->setText(row.boxes[0]);
        window->txtMean->setText(row.boxes[1]);
        window->txtSD->setText(row.boxes[2]);
        window->cmdCalculate->click();
        QCOMPARE(platform.messageTexts(), QStringList{row.message});
        QCOMPARE(platform.messages.first().icon, MessageIcon::Information);
        QCOMPARE(FocusName(), QString(row.focus));
        QCOMPARE(window->lblAnswer->text(), row.percentileEmptied ? QString() : QString("previous"));
        // Only a zero standard deviation is emptied; every other entry stays as typed.
        QCOMPARE(window->txtSD->text(), QString(row.message).contains("zero") ? QString() : row.boxes[2]);
        QCOMPARE(window->txtRawScore->text(), row.boxes[0]);
    }

    void numberBoxesFilterKeys_data() { AddRows(kKeyRows); }
    void numberBoxesFilterKeys() {
        QFETCH(KeyRow, row);
        open();
        for (QLineEdit* box : {window->txtRawScore, window->txtMean, window->txtSD}) {
            box->setFocus();
            platform.reset();
            TypeKeys(row.keys);
            QCOMPARE(box->text(), QString(row.text));
            QCOMPARE(platform.beeps, row.beeps);
        }
    }

    void pasteCutAndUndoKeysAreRefused() {
        open();
        window->txtRawScore->setText("12");
        window->txtRawScore->selectAll();
        QApplication::clipboard()->setText("99");
        for (Qt::Key key : {Qt::Key_V, Qt::Key_X, Qt::Key_Z}) QTest::keyClick(window->txtRawScore, key, Qt::ControlModifier);
        QCOMPARE(window->txtRawScore->text(), QString("12"));
        QCOMPARE(platform.beeps, 3);
        // The sample size box takes any key.
        useTTest("");
        window->txtSampleN->setFocus();
        TypeKeys("a1 x");
        QCOMPARE(window->txtSampleN->text(), QString("a1 x"));
        QCOMPARE(platform.beeps, 3);
    }

    void copyTakesTheShownPercentile() {
        open();
        window->cmdCopy->click();
        QCOMPARE(platform.clipboardWrites, 1);
        QCOMPARE(platform.clipboard, QString());
        TypeKeys("115\r100\r15\r");
        window->cmdCopy->click();
        QCOMPARE(platform.clipboard, Shown("84.1"));
        useTTest("10");
        TypeKeys("115\r100\r15\r\r");
        window->cmdCopy->click();
        QCOMPARE(platform.clipboard, Shown("81.7"));
    }

    void escapeClearsButKeepsTheOptions() {
        open(2);
        useTTest("10");
        window->chkReverse->setChecked(true);
        TypeKeys("115\r100\r15\r\r\x1b");
        QCOMPARE(results(), QStringList({"", "", "", ""}));
        for (QLineEdit* box : {window->txtRawScore, window->txtMean, window->txtSD, window->txtSampleN})
            QVERIFY(box->text().isEmpty());
        QVERIFY(window->chkReverse->isChecked() && window->chkUseTtest->isChecked());
        QCOMPARE(window->UpDown1->value(), 2);
        QCOMPARE(FocusName(), QString("txtRawScore"));
        window->txtMean->setText("100");
        window->txtMean->setFocus();
        QCOMPARE(window->txtMean->selectedText(), QString("100"));
    }

    void expansionTakes124StepsEachWay() {
        open();
        const int collapsedClearTop = window->cmdClear->y(), collapsedHeight = window->form()->height();
        QCOMPARE(window->outerHeightTwips(), 4671);
        window->chkUseTtest->click();
        QCOMPARE(window->outerHeightTwips(), 4671 + 124 * 6);
        QCOMPARE(window->cmdClear->y() - collapsedClearTop, TwipsToPixels(3780) - TwipsToPixels(3780 - 744));
        QCOMPARE(window->form()->height() - collapsedHeight, TwipsToPixels(4740) - TwipsToPixels(3996));
        QVERIFY(window->txtSampleN->isVisible() && window->txtSampleN->isEnabled());
        QCOMPARE(FocusName(), QString("txtSampleN"));
        QCOMPARE(window->cmdCopy->toolTip(), QString("Copy adjusted percentile to clipboard"));
        QCOMPARE(Settings().useTTest, 1);

        window->txtSampleN->setText("10");
        window->lblTScore->setText("0.9535");
        window->chkUseTtest->click();
        QCOMPARE(window->cmdClear->y(), collapsedClearTop);
        QCOMPARE(window->form()->height(), collapsedHeight);
        QVERIFY(!window->txtSampleN->isVisible() && !window->txtSampleN->isEnabled());
        QVERIFY(window->txtSampleN->text().isEmpty() && window->lblTScore->text().isEmpty());
        QCOMPARE(FocusName(), QString("txtRawScore"));
        QCOMPARE(Settings().useTTest, 0);
    }

    void decimalsChangeTheSettingButNotTheResults() {
        open(1);
        TypeKeys("115\r100\r15\r");
        window->UpDown1->setValue(4);
        QCOMPARE(Settings().numberOfDecimals, 4);
        QCOMPARE(window->lblNumberOfDecimals->text(), QString(" 4"));
        QCOMPARE(window->lblAnswer->text(), Shown("84.1"));
        window->UpDown1->setValue(9);
        QCOMPARE(window->UpDown1->value(), 4);
    }
};

QTEST_MAIN(TestRawScoreWindow)
#include "tst_rawscorewindow.moc"
