#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "converter/frmscoreconverter.h"
#include "shell/updown.h"
#include "rows.h"
#include "windowfixture.h"

using namespace modVelmora;

struct RefusedRow { const char* name; int from; const char* entry; const char* message; const char* answerAfter; };
struct KeyRow { const char* name; int from; const char* keys; const char* text; int beeps; };
Q_DECLARE_METATYPE(RefusedRow)
Q_DECLARE_METATYPE(KeyRow)

const char* const kPercentileMessage = "Please enter a percentile that is greater than 0 and less than 100.";
const char* const kScaledMessage = "Scaled score values must be between 1 and 20";
const RefusedRow kRefusedRows[] = {
    {"empty input only beeps", 4, "", "", "previous"},
    {"percentile 0 empties the answer", 0, "0", kPercentileMessage, ""},
    {"percentile 100", 0, "100", kPercentileMessage, ""},
    {"a lone point", 0, ".", kPercentileMessage, ""},
    {"scaled 21 keeps the answer", 1, "21", kScaledMessage, "previous"},
    {"a lone minus reads as scaled 0", 1, "-", kScaledMessage, "previous"},
};
const KeyRow kKeyRows[] = {
    {"percentile takes a point", 0, "12.5", "12.5", 0}, {"z-score takes a point and minus", 4, "-1.5", "-1.5", 0},
    {"scaled score refuses a point", 1, "1.5", "15", 1}, {"standard score refuses a point", 2, "1.5", "15", 1},
    {"T-score refuses a point", 3, "1.5", "15", 1}, {"letters and blanks beep", 4, "1a b", "1", 3},
    {"minus anywhere, backspace", 2, "5-3\b", "5-", 0},
};

// The score converter window driven like a user: option clicks, typed keys, Enter and Esc.
class TestConverterWindow : public QObject, WindowFixture<frmScoreConverter> {
    Q_OBJECT

    // Clicks a source and a target; an option clicked when already selected keeps the focus.
    void choose(int from, int to) {
        QTest::mouseClick(window->optFrom[size_t(from)], Qt::LeftButton);
        QTest::mouseClick(window->optTo[size_t(to)], Qt::LeftButton);
        window->txtFrom->setFocus();
    }
    int highlighted(const std::array<QRadioButton*, 5>& group) const {
        QList<bool> yellow;
        for (const QRadioButton* option : group) yellow << (option->palette().color(QPalette::Window) == QColor(255, 255, 0));
        return yellow.count(true) == 1 ? int(yellow.indexOf(true)) : -1;
    }

private slots:
    void init() { ClearStore(); }
    void cleanup() { close(); }

    void firstRunConvertsZToPercentile() {
        open();
        QCOMPARE(highlighted(window->optFrom), 4);
        QCOMPARE(highlighted(window->optTo), 0);
        QCOMPARE(window->lblFrom->text() + " " + window->lblTo->text(), QString("Z-Score Percentile"));
        QVERIFY(window->UpDown1->isVisible());
        TypeKeys("1\r");
        QCOMPARE(window->lblAnswer->text(), Shown("84.1"));
        QCOMPARE(FocusName(), QString("cmdClear"));
        // A second Enter, here the keypad's, presses the focused Clear and returns to the input.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(window->lblAnswer->text().isEmpty() && window->txtFrom->text().isEmpty());
        QCOMPARE(FocusName(), QString("txtFrom"));
    }

    void targetsShowOrHideTheDecimals_data() {
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("decimalsShown");
        const char* const names[] = {"percentile", "scaled score", "standard score", "T-score", "z-score"};
        for (int to = 0; to < 5; ++to) QTest::newRow(names[to]) << to << (to == 0 || to == 4);
    }
    void targetsShowOrHideTheDecimals() {
        QFETCH(int, to);
        QFETCH(bool, decimalsShown);
        open();
        choose(2, to == 1 ? 2 : 1);
        window->lblAnswer->setText("previous");
        QTest::mouseClick(window->optTo[size_t(to)], Qt::LeftButton);
        const QString caption = window->optTo[size_t(to)]->text();
        QCOMPARE(window->UpDown1->isVisible(), decimalsShown);
        QCOMPARE(window->lblNumberOfDecimals->isVisible(), decimalsShown);
        QCOMPARE(window->cmdCopy->toolTip(), "Copy " + caption + " to clipboard");
        QCOMPARE(window->UpDown1->toolTip(), "Set number of places in " + caption);
        QCOMPARE(window->lblTo->text(), caption);
        QVERIFY(window->lblAnswer->text().isEmpty());
        QCOMPARE(FocusName(), QString("txtFrom"));
        QCOMPARE(highlighted(window->optTo), to);
    }

    void choicesAreStoredAtOnceAndReadBack() {
        open();
        StoreWriteLog log;
        choose(3, 2);
        QCOMPARE(log.writes, QStringList({"Convert From=3", "Convert To=2"}));
        open();  // read back on the next load, without passing through Exit
        QVERIFY(window->optFrom[3]->isChecked() && window->optTo[2]->isChecked());
        QCOMPARE(window->lblFrom->text() + " " + window->lblTo->text(), QString("T-Score Standard Score"));
    }

    void arrowKeysMoveWithinAGroup() {
        open();
        window->optFrom[4]->setFocus();
        QTest::keyClick(window->optFrom[4], Qt::Key_Up);
        QVERIFY(window->optFrom[3]->isChecked());
        QCOMPARE(window->lblFrom->text(), QString("T-Score"));
        QCOMPARE(Stored("Convert From"), QString("3"));
    }

    void aDamagedChoiceOpensWithTheDefault() {
        Store("Convert From", "5");
        Store("Convert To", "abc");
        open();
        QVERIFY(window->optFrom[4]->isChecked() && window->optTo[0]->isChecked());
        QCOMPARE(Stored("Convert From"), QString("4"));
        QCOMPARE(Stored("Convert To"), QString("0"));
    }

    void refusedEntries_data() { AddRows(kRefusedRows); }
    void refusedEntries() {
        QFETCH(RefusedRow, row);
        open();
        choose(row.from, 3);
        window->lblAnswer->setText("previous");
        window->txtFrom->setText(row.entry);
        TypeKeys("\r");
        const bool beep = !*row.message;
        QCOMPARE(platform.messageTexts(), beep ? QStringList() : QStringList{row.message});
        QCOMPARE(platform.beeps, beep ? 1 : 0);
        QVERIFY(beep || platform.messages.first().icon == MessageIcon::Information);
        QCOMPARE(window->lblAnswer->text(), QString(row.answerAfter));
        QVERIFY(window->txtFrom->text().isEmpty());
        QCOMPARE(FocusName(), QString("txtFrom"));
    }

    void keysAreFilteredBySource_data() { AddRows(kKeyRows); }
    void keysAreFilteredBySource() {
        QFETCH(KeyRow, row);
        open();
        choose(row.from, 0);
        platform.reset();
        TypeKeys(row.keys);
        QCOMPARE(window->txtFrom->text(), QString(row.text));
        QCOMPARE(platform.beeps, row.beeps);
    }

    void decimalsCopyAndEscape() {
        open();
        TypeKeys("1\r");
        window->UpDown1->setValue(3);
        QCOMPARE(Settings().numberOfDecimals, 3);
        QCOMPARE(window->lblAnswer->text(), Shown("84.1"));  // not recomputed until Calculate
        window->cmdCalculate->click();
        QCOMPARE(window->lblAnswer->text(), Shown("84.134"));
        window->cmdCopy->click();
        QCOMPARE(platform.clipboard, Shown("84.134"));
        TypeKeys("\x1b");
        QVERIFY(window->lblAnswer->text().isEmpty() && window->txtFrom->text().isEmpty());
        window->cmdCopy->click();
        QCOMPARE(platform.clipboard, QString());
        QCOMPARE(platform.clipboardWrites, 2);
    }
};

QTEST_MAIN(TestConverterWindow)
#include "tst_converterwindow.moc"
