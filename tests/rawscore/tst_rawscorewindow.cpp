#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "rawscore/frmrawscoreconverter.h"
#include "recordingplatform.h"
#include "shell/settingsrecord.h"
#include "shell/twips.h"
#include "shell/updown.h"
#include "teststore.h"
#include "typing.h"

using namespace modVelmora;

// Drives the raw score window as a user would: keys into the focused box,
// clicks on its buttons, and reads what the labels, messages and clipboard show.
class TestRawScoreWindow : public QObject {
    Q_OBJECT

    RecordingPlatform platform;
    std::unique_ptr<frmRawScoreConverter> window;

    void open(int decimals = 1, int useTTest = 0) {
        Settings() = SettingsRecord{};
        Settings().numberOfDecimals = std::uint8_t(decimals);
        Settings().useTTest = std::uint8_t(useTTest);
        window = std::make_unique<frmRawScoreConverter>();
        window->show();
        QVERIFY(Activate(window->form()));
        window->txtRawScore->setFocus();
        platform.reset();
    }

    void useTTest(const QString& sampleSize) {
        window->chkUseTtest->click();
        window->txtSampleN->setText(sampleSize);
        window->txtRawScore->setFocus();
    }

    QStringList results() const {
        return {window->lblZscore->text(), window->lblAnswer->text(), window->lblTScore->text(),
                window->lblAdjustedPercentile->text()};
    }

private slots:
    void init() { ClearStore(); }
    void cleanup() {
        Settings().switching = true;
        window.reset();
        Settings().switching = false;
    }

    void calculation_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QString>("sampleSize");
        QTest::addColumn<QStringList>("shown");  // z, percentile, t, adjusted
        const QString none;
        QTest::newRow("115 100 15") << "115\r100\r15\r" << 1 << false << none << QStringList{"1.00", "84.1", "", ""};
        QTest::newRow("reversed") << "115\r100\r15\r" << 1 << true << none << QStringList{"-1.00", "15.9", "", ""};
        QTest::newRow("at the mean") << "100\r100\r15\r" << 1 << false << none << QStringList{"0.00", "50.0", "", ""};
        QTest::newRow("three decimals show z with three") << "115\r100\r15\r" << 3 << false << none
                                                         << QStringList{"1.000", "84.134", "", ""};
        QTest::newRow("no decimals still show z with two") << "115\r100\r15\r" << 0 << false << none
                                                          << QStringList{"1.00", "84", "", ""};
        QTest::newRow("negative sd changes the sign of z") << "115\r100\r-15\r" << 1 << false << none
                                                          << QStringList{"-1.00", "15.9", "", ""};
        QTest::newRow("z of -4 shows 0.0") << "40\r100\r15\r" << 1 << false << none
                                          << QStringList{"-4.00", "0.0", "", ""};
        QTest::newRow("z of 40 shows 100.0") << "700\r100\r15\r" << 1 << false << none
                                            << QStringList{"40.00", "100.0", "", ""};
        QTest::newRow("a huge z stays a number") << "99999999\r-9999999\r.0000001\r" << 1 << false << none
                                                << QStringList{"1099999978979330.00", "100.0", "", ""};
        QTest::newRow("t-test with n 10") << "115\r100\r15\r" << 1 << false << "10"
                                         << QStringList{"1.00", "84.1", "0.9535", "81.7"};
        QTest::newRow("t-test reversed") << "115\r100\r15\r" << 1 << true << "10"
                                        << QStringList{"-1.00", "15.9", "-0.9535", "18.3"};
        QTest::newRow("t-test n 5 two decimals") << "130\r100\r15\r" << 2 << false << "5"
                                                << QStringList{"2.00", "97.72", "1.8257", "92.9"};
        QTest::newRow("sample size 1.5 reads as 2") << "115\r100\r15\r" << 1 << false << "1.5"
                                                   << QStringList{"1.00", "84.1", "0.8165", "71.8"};
    }
    void calculation() {
        QFETCH(QString, keys);
        QFETCH(int, decimals);
        QFETCH(bool, reverse);
        QFETCH(QString, sampleSize);
        QFETCH(QStringList, shown);
        open(decimals);
        window->chkReverse->setChecked(reverse);
        if (!sampleSize.isEmpty()) {
            useTTest(sampleSize);
            keys += "\r";  // Enter in the SD box moves on to the sample size box
        }
        TypeKeys(keys);
        QCOMPARE(results(), shown);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(FocusName(), QString("cmdClear"));
    }

    void refusedInput_data() {
        QTest::addColumn<QStringList>("boxes");  // raw, mean, sd, sample size ("" = t-test off)
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("percentileEmptied");
        QTest::addColumn<bool>("sdEmptied");
        QTest::newRow("no raw score") << QStringList{"", "100", "15", ""} << "Please enter a raw score."
                                      << "txtRawScore" << false << false;
        QTest::newRow("no mean") << QStringList{"115", "", "15", ""} << "Please enter the sample mean." << "txtMean"
                                 << true << false;
        QTest::newRow("no sd") << QStringList{"115", "100", "", ""} << "Please enter the sample standard deviation."
                               << "txtSD" << true << false;
        QTest::newRow("zero sd") << QStringList{"115", "100", "0", ""} << "The standard deviation cannot equal zero."
                                 << "txtSD" << false << true;
        QTest::newRow("sd 0.0") << QStringList{"115", "100", "0.0", ""} << "The standard deviation cannot equal zero."
                                << "txtSD" << false << true;
        QTest::newRow("sd -0") << QStringList{"115", "100", "-0", ""} << "The standard deviation cannot equal zero."
                               << "txtSD" << false << true;
        QTest::newRow("lone minus reads as a zero sd")
            << QStringList{"115", "100", "-", ""} << "The standard deviation cannot equal zero." << "txtSD" << false
            << true;
        QTest::newRow("no sample size") << QStringList{"115", "100", "15", " "}
                                        << "Please enter the size of the normative sample." << "txtSampleN" << true
                                        << false;
        for (const char* n : {"0", "1", "01", "1.4", "-5", "abc"})
            QTest::newRow(qPrintable(QString("sample size %1").arg(n)))
                << QStringList{"115", "100", "15", n} << "The normative sample size must be greater than 1."
                << "txtSampleN" << false << false;
    }
    void refusedInput() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(bool, percentileEmptied);
        QFETCH(bool, sdEmptied);
        open();
        window->lblAnswer->setText("previous");
        if (!boxes[3].isEmpty()) useTTest(boxes[3].trimmed());
        window->txtRawScore->setText(boxes[0]);
        window->txtMean->setText(boxes[1]);
        window->txtSD->setText(boxes[2]);
        window->cmdCalculate->click();
        QCOMPARE(platform.messageTexts(), QStringList{message});
        QCOMPARE(platform.messages.first().icon, MessageIcon::Information);
        QCOMPARE(FocusName(), focus);
        QCOMPARE(window->lblAnswer->text(), percentileEmptied ? QString() : QString("previous"));
        QCOMPARE(window->txtSD->text(), sdEmptied ? QString() : boxes[2]);
        QCOMPARE(window->txtRawScore->text(), boxes[0]);
    }

    void numberBoxesFilterKeys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        QTest::newRow("digits, minus and point pass") << "-1.5" << "-1.5" << 0;
        QTest::newRow("letters beep") << "1a2" << "12" << 1;
        QTest::newRow("blank and comma beep") << "1 ,2" << "12" << 2;
        QTest::newRow("backspace passes") << "12\b3" << "13" << 0;
        QTest::newRow("eight characters at most") << "1234567890" << "12345678" << 0;
    }
    void numberBoxesFilterKeys() {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        open();
        for (QLineEdit* box : {window->txtRawScore, window->txtMean, window->txtSD}) {
            box->setFocus();
            platform.reset();
            TypeKeys(keys);
            QCOMPARE(box->text(), text);
            QCOMPARE(platform.beeps, beeps);
        }
    }

    void controlKeysAreRefusedInNumberBoxes() {
        open();
        window->txtRawScore->setText("12");
        window->txtRawScore->selectAll();
        QApplication::clipboard()->setText("99");
        for (Qt::Key key : {Qt::Key_V, Qt::Key_X, Qt::Key_Z})
            QTest::keyClick(window->txtRawScore, key, Qt::ControlModifier);
        QCOMPARE(window->txtRawScore->text(), QString("12"));
        QCOMPARE(platform.beeps, 3);
    }

    void sampleSizeBoxTakesAnyKey() {
        open();
        useTTest("");
        window->txtSampleN->setFocus();
        TypeKeys("a1 x");
        QCOMPARE(window->txtSampleN->text(), QString("a1 x"));
        QCOMPARE(platform.beeps, 0);
    }

    void pastedTextIsReadByItsPrefix() {
        open();
        window->txtRawScore->setText("115");
        window->txtMean->setText("100");
        QApplication::clipboard()->setText("15abc");
        window->txtSD->paste();
        QCOMPARE(window->txtSD->text(), QString("15abc"));
        window->cmdCalculate->click();
        QCOMPARE(window->lblAnswer->text(), QString("84.1"));
    }

    void copyTakesTheShownPercentile() {
        open();
        TypeKeys("115\r100\r15\r");
        window->cmdCopy->click();
        QCOMPARE(platform.clipboard, QString("84.1"));
        useTTest("10");
        TypeKeys("115\r100\r15\r\r");
        window->cmdCopy->click();
        QCOMPARE(platform.clipboard, QString("81.7"));
    }

    void copyOfAnEmptyResultIsEmptyText() {
        open();
        window->cmdCopy->click();
        QCOMPARE(platform.clipboardWrites, 1);
        QCOMPARE(platform.clipboard, QString());
    }

    void clearKeepsTheOptions() {
        open(2);
        useTTest("10");
        window->chkReverse->setChecked(true);
        TypeKeys("115\r100\r15\r\r");
        TypeKeys("\x1b");  // Escape presses Clear from anywhere
        QCOMPARE(results(), QStringList({"", "", "", ""}));
        for (QLineEdit* box : {window->txtRawScore, window->txtMean, window->txtSD, window->txtSampleN})
            QVERIFY(box->text().isEmpty());
        QVERIFY(window->chkReverse->isChecked());
        QVERIFY(window->chkUseTtest->isChecked());
        QCOMPARE(window->UpDown1->value(), 2);
        QCOMPARE(FocusName(), QString("txtRawScore"));
    }

    void sdEnterWithTTestMovesToSampleSize() {
        open();
        useTTest("");
        TypeKeys("115\r100\r15\r");
        QCOMPARE(FocusName(), QString("txtSampleN"));
        QCOMPARE(window->lblAnswer->text(), QString());
        TypeKeys("10\r");
        QCOMPARE(window->lblAdjustedPercentile->text(), QString("81.7"));
    }

    void boxesSelectTheirWholeTextOnFocus() {
        open();
        window->txtMean->setText("100");
        window->txtMean->setFocus();
        QCOMPARE(window->txtMean->selectedText(), QString("100"));
    }

    void expansionTakes124StepsEachWay() {
        open();
        QCOMPARE(window->outerHeightTwips(), frmRawScoreConverter::kCollapsedHeight);
        const int collapsedClearTop = window->cmdClear->y();
        const int collapsedHeight = window->form()->height();
        window->chkUseTtest->click();
        QCOMPARE(window->outerHeightTwips(), frmRawScoreConverter::kCollapsedHeight + 124 * 6);
        QCOMPARE(window->outerHeightTwips(), frmRawScoreConverter::kExpandedHeight);
        QCOMPARE(window->cmdClear->y() - collapsedClearTop, TwipsToPixels(3780) - TwipsToPixels(3780 - 744));
        QCOMPARE(window->form()->height() - collapsedHeight, TwipsToPixels(5415 - 675) - TwipsToPixels(4671 - 675));
        QVERIFY(window->txtSampleN->isVisible() && window->txtSampleN->isEnabled());
        QVERIFY(window->lblAdjustedPercentile->isVisible());
        QCOMPARE(FocusName(), QString("txtSampleN"));
        QCOMPARE(window->cmdCopy->toolTip(), QString("Copy adjusted percentile to clipboard"));
        QCOMPARE(window->UpDown1->toolTip(),
                 QString("Set number of decimal places in percentile and adjusted percentile"));
        QCOMPARE(Settings().useTTest, 1);

        window->txtSampleN->setText("10");
        window->lblTScore->setText("0.9535");
        window->chkUseTtest->click();
        QCOMPARE(window->outerHeightTwips(), frmRawScoreConverter::kCollapsedHeight);
        QCOMPARE(window->cmdClear->y(), collapsedClearTop);
        QCOMPARE(window->form()->height(), collapsedHeight);
        QVERIFY(!window->txtSampleN->isVisible() && !window->txtSampleN->isEnabled());
        QVERIFY(window->txtSampleN->text().isEmpty() && window->lblTScore->text().isEmpty());
        QCOMPARE(FocusName(), QString("txtRawScore"));
        QCOMPARE(window->cmdCopy->toolTip(), QString("Copy percentile to clipboard"));
        QCOMPARE(window->lblNumberOfDecimals->toolTip(), QString("Set number of decimal places in percentile"));
        QCOMPARE(Settings().useTTest, 0);
    }

    void loadRestoresTheSavedOption() {
        open(3, 1);
        QVERIFY(window->chkUseTtest->isChecked());
        QCOMPARE(window->outerHeightTwips(), frmRawScoreConverter::kExpandedHeight);
        QCOMPARE(window->lblNumberOfDecimals->text(), QString(" 3"));
        QCOMPARE(Settings().useTTest, 1);
    }

    void decimalsChangeTheSettingButNotTheResults() {
        open(1);
        TypeKeys("115\r100\r15\r");
        window->UpDown1->setValue(4);
        QCOMPARE(Settings().numberOfDecimals, 4);
        QCOMPARE(window->lblNumberOfDecimals->text(), QString(" 4"));
        QCOMPARE(window->lblAnswer->text(), QString("84.1"));
        window->UpDown1->setValue(9);
        QCOMPARE(window->UpDown1->value(), 4);
        window->UpDown1->setValue(0);
        QCOMPARE(window->lblNumberOfDecimals->text(), QString(" 0"));
    }
};

QTEST_MAIN(TestRawScoreWindow)
#include "tst_rawscorewindow.moc"
