#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "converter/frmscoreconverter.h"
#include "recordingplatform.h"
#include "shell/settingsrecord.h"
#include "shell/updown.h"
#include "teststore.h"
#include "typing.h"

using namespace modVelmora;

// The score converter window driven like a user: option clicks, typed keys, Enter and Esc.
class TestConverterWindow : public QObject {
    Q_OBJECT

    RecordingPlatform platform;
    std::unique_ptr<frmScoreConverter> window;

    void open() {
        window = std::make_unique<frmScoreConverter>();
        window->show();
        QVERIFY(Activate(window->form()));
        window->txtFrom->setFocus();
        platform.reset();
    }
    void reopen() {
        Settings().switching = true;
        window->unload();
        Settings().switching = false;
        window->show();
        QVERIFY(Activate(window->form()));
    }
    void choose(int from, int to) {
        QTest::mouseClick(window->optFrom[size_t(from)], Qt::LeftButton);
        QTest::mouseClick(window->optTo[size_t(to)], Qt::LeftButton);
    }
    bool highlighted(const QRadioButton* option) const {
        return option->palette().color(QPalette::Window) == QColor(255, 255, 0);
    }

private slots:
    void init() {
        ClearStore();
        Settings() = SettingsRecord{};
    }
    void cleanup() {
        Settings().switching = true;
        window.reset();
        Settings().switching = false;
    }

    void firstRunConvertsZToPercentile() {
        open();
        QVERIFY(window->optFrom[4]->isChecked() && window->optTo[0]->isChecked());
        QVERIFY(highlighted(window->optFrom[4]) && highlighted(window->optTo[0]));
        QVERIFY(!highlighted(window->optFrom[0]) && !highlighted(window->optTo[4]));
        QCOMPARE(window->lblFrom->text(), QString("Z-Score"));
        QCOMPARE(window->lblTo->text(), QString("Percentile"));
        QVERIFY(window->UpDown1->isVisible() && window->lblNumberOfDecimals->isVisible());
        QCOMPARE(window->lblNumberOfDecimals->text(), QString(" 1"));
        QCOMPARE(window->cmdCopy->toolTip(), QString("Copy Percentile to clipboard"));
        QCOMPARE(window->UpDown1->toolTip(), QString("Set number of places in Percentile"));
        TypeKeys("1\r");
        QCOMPARE(window->lblAnswer->text(), QString("84.1"));
        QCOMPARE(FocusName(), QString("cmdClear"));
        // A second Enter clears the window and returns to the input.
        TypeKeys("\r");
        QVERIFY(window->lblAnswer->text().isEmpty() && window->txtFrom->text().isEmpty());
        QCOMPARE(FocusName(), QString("txtFrom"));
    }

    void targetsShowOrHideTheDecimals_data() {
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("decimalsShown");
        QTest::addColumn<QString>("copyTip");
        QTest::newRow("percentile") << 0 << true << "Copy Percentile to clipboard";
        QTest::newRow("scaled score") << 1 << false << "Copy Scaled Score to clipboard";
        QTest::newRow("standard score") << 2 << false << "Copy Standard Score to clipboard";
        QTest::newRow("T-score") << 3 << false << "Copy T-Score to clipboard";
        QTest::newRow("z-score") << 4 << true << "Copy Z-Score to clipboard";
    }
    void targetsShowOrHideTheDecimals() {
        QFETCH(int, to);
        QFETCH(bool, decimalsShown);
        QFETCH(QString, copyTip);
        open();
        // Starting from another target, so that the chosen one becomes selected.
        choose(2, to == 1 ? 2 : 1);
        window->lblAnswer->setText("previous");
        QTest::mouseClick(window->optTo[size_t(to)], Qt::LeftButton);
        QCOMPARE(window->UpDown1->isVisible(), decimalsShown);
        QCOMPARE(window->lblNumberOfDecimals->isVisible(), decimalsShown);
        QCOMPARE(window->cmdCopy->toolTip(), copyTip);
        QCOMPARE(window->lblTo->text(), window->optTo[size_t(to)]->text());
        QCOMPARE(window->lblFrom->text(), QString("Standard Score"));
        QVERIFY(window->lblAnswer->text().isEmpty());
        QCOMPARE(FocusName(), QString("txtFrom"));
        for (int i = 0; i < 5; ++i) QCOMPARE(highlighted(window->optTo[size_t(i)]), i == to);
    }

    void choicesAreStoredAtOnceAndReadBack() {
        open();
        StoreWriteLog log;
        choose(3, 2);
        QCOMPARE(log.writes, QStringList({"Convert From=3", "Convert To=2"}));
        // Read back on the next load, without passing through Exit.
        window.reset();
        open();
        QVERIFY(window->optFrom[3]->isChecked() && window->optTo[2]->isChecked());
        QCOMPARE(window->lblFrom->text(), QString("T-Score"));
        QCOMPARE(window->lblTo->text(), QString("Standard Score"));
        QVERIFY(!window->UpDown1->isVisible());
    }

    void aDamagedChoiceOpensWithTheDefault_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("out of range") << "5" << "-1";
        QTest::newRow("not a number") << "abc" << "";
        QTest::newRow("not whole") << "1.0" << "2x";
    }
    void aDamagedChoiceOpensWithTheDefault() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        Store("Convert From", from);
        Store("Convert To", to);
        open();
        QVERIFY(window->optFrom[4]->isChecked() && window->optTo[0]->isChecked());
        QCOMPARE(Stored("Convert From"), QString("4"));
        QCOMPARE(Stored("Convert To"), QString("0"));
    }

    void emptyInputOnlyBeeps() {
        open();
        window->lblAnswer->setText("previous");
        window->cmdCalculate->click();
        QCOMPARE(platform.beeps, 1);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(window->lblAnswer->text(), QString("previous"));
        QCOMPARE(FocusName(), QString("txtFrom"));
    }

    void refusedEntries_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("answerAfter");
        const QString percentile = "Please enter a percentile that is greater than 0 and less than 100.";
        const QString scaled = "Scaled score values must be between 1 and 20";
        QTest::newRow("percentile 0 empties the answer") << 0 << "0" << percentile << "";
        QTest::newRow("percentile 100") << 0 << "100" << percentile << "";
        QTest::newRow("percentile -5") << 0 << "-5" << percentile << "";
        QTest::newRow("a lone point") << 0 << "." << percentile << "";
        QTest::newRow("scaled 21 keeps the answer") << 1 << "21" << scaled << "previous";
        QTest::newRow("scaled 0") << 1 << "0" << scaled << "previous";
        QTest::newRow("a lone minus reads as scaled 0") << 1 << "-" << scaled << "previous";
    }
    void refusedEntries() {
        QFETCH(int, from);
        QFETCH(QString, entry);
        QFETCH(QString, message);
        QFETCH(QString, answerAfter);
        open();
        choose(from, 3);
        window->lblAnswer->setText("previous");
        window->txtFrom->setText(entry);
        TypeKeys("\r");
        QCOMPARE(platform.messageTexts(), QStringList{message});
        QCOMPARE(platform.messages.first().icon, MessageIcon::Information);
        QCOMPARE(window->lblAnswer->text(), answerAfter);
        QVERIFY(window->txtFrom->text().isEmpty());
        QCOMPARE(FocusName(), QString("txtFrom"));
    }

    void keysAreFilteredBySource_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        QTest::newRow("percentile takes a point") << 0 << "12.5" << "12.5" << 0;
        QTest::newRow("z-score takes a point and minus") << 4 << "-1.5" << "-1.5" << 0;
        QTest::newRow("scaled score refuses a point") << 1 << "1.5" << "15" << 1;
        QTest::newRow("standard score refuses a point") << 2 << "1.5" << "15" << 1;
        QTest::newRow("T-score refuses a point") << 3 << "1.5" << "15" << 1;
        QTest::newRow("letters and blanks beep") << 4 << "1a b" << "1" << 3;
        QTest::newRow("minus anywhere") << 2 << "5-3" << "5-3" << 0;
        QTest::newRow("backspace passes") << 2 << "12\b" << "1" << 0;
    }
    void keysAreFilteredBySource() {
        QFETCH(int, from);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        open();
        choose(from, 0);
        window->txtFrom->setFocus();
        platform.reset();
        TypeKeys(keys);
        QCOMPARE(window->txtFrom->text(), text);
        QCOMPARE(platform.beeps, beeps);
    }

    void decimalsApplyFromTheNextCalculation() {
        open();
        TypeKeys("1\r");
        window->UpDown1->setValue(3);
        QCOMPARE(Settings().numberOfDecimals, 3);
        QCOMPARE(window->lblAnswer->text(), QString("84.1"));
        window->cmdCalculate->click();
        QCOMPARE(window->lblAnswer->text(), QString("84.134"));
    }

    void escClearsAndCopyTakesTheAnswer() {
        open();
        window->cmdCopy->click();
        QCOMPARE(platform.clipboardWrites, 1);
        QCOMPARE(platform.clipboard, QString());
        TypeKeys("1.96\r");
        window->cmdCopy->click();
        QCOMPARE(platform.clipboard, QString("97.5"));
        TypeKeys("\x1b");
        QVERIFY(window->lblAnswer->text().isEmpty() && window->txtFrom->text().isEmpty());
    }

    void reloadingKeepsTheScalesButNotTheEntry() {
        open();
        choose(1, 3);
        TypeKeys("13\r");
        QCOMPARE(window->lblAnswer->text(), QString("60"));
        reopen();
        QVERIFY(window->txtFrom->text().isEmpty() && window->lblAnswer->text().isEmpty());
        QVERIFY(window->optFrom[1]->isChecked() && window->optTo[3]->isChecked());
    }
};

QTEST_MAIN(TestConverterWindow)
#include "tst_converterwindow.moc"
