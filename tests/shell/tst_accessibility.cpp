#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "modules.h"
#include "recordingplatform.h"
#include "shell/moduleframe.h"
#include "shell/modvelmora.h"
#include "shell/settingsrecord.h"
#include "program.h"

using namespace modVelmora;

// What a screen reader finds in each module window: every control it can
// reach has a name, and every result speaks its value with what it means.
class TestAccessibility : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

    static QString accessible(QObject* object, QAccessible::Text text) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        return face ? face->text(text) : QString();
    }

private slots:
    void everyControlHasAName_data() {
        QTest::addColumn<int>("module");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("raw score") << 1 << QStringList{"lblZscore", "lblAnswer", "lblTScore", "lblAdjustedPercentile"};
        QTest::newRow("score converter") << 2 << QStringList{"lblAnswer"};
        QTest::newRow("age calculator") << 4 << QStringList{"lblAge"};
        QTest::newRow("calculator") << 5 << QStringList{"Readout", "lblMemoryValue"};
    }
    void everyControlHasAName() {
        QFETCH(int, module);
        QFETCH(QStringList, results);
        ResetProgram();
        RegisterModuleWindows();
        Settings().useTTest = 1;  // the t-test controls shown too
        ModuleWindow* window = ModuleWindowFor(module);
        window->show();
        for (QWidget* control : window->form()->centralWidget()->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisible()) continue;
            QVERIFY2(!accessible(control, QAccessible::Name).trimmed().isEmpty(), qPrintable(control->objectName()));
        }
        for (const QString& name : results) {
            auto* label = window->form()->findChild<QLabel*>(name);
            label->setText("42");
            QCOMPARE(accessible(label, QAccessible::Name), QString("42"));
            QVERIFY2(!accessible(label, QAccessible::Description).isEmpty(), qPrintable(name));
        }
        ReleaseProgram();
    }

    void tabVisitsTheControlsInTheirOrder_data() {
        QTest::addColumn<int>("module");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("raw score") << 1 << QStringList{"txtRawScore", "txtMean", "txtSD", "cmdCopy", "chkReverse", "chkUseTtest",
                                                       "txtSampleN", "cmdCalculate", "cmdClear", "UpDown1"};
        QTest::newRow("score converter") << 2 << QStringList{"txtFrom", "optFrom4", "optTo0", "cmdCalculate", "cmdClear", "cmdCopy", "UpDown1"};
        QTest::newRow("age calculator") << 4 << QStringList{"txtBirthdate", "txtTestDate", "cmdCalculate", "cmdClear",
                                                            "cmdShowBirthDateCalendar", "cmdShowTestDateCalendar"};
        QTest::newRow("calculator") << 5 << QStringList{"Number0", "Number1", "Number2", "Number3", "Number4", "Number5", "Number6",
                                                        "Number7", "Number8", "Number9", "cmdPlusMinus", "Decimal", "Operator1",
                                                        "Operator3", "Operator2", "Operator0", "Operator4", "cmdOneOverX"};
    }
    void tabVisitsTheControlsInTheirOrder() {
        QFETCH(int, module);
        QFETCH(QStringList, order);
        ResetProgram();
        RegisterModuleWindows();
        Settings().useTTest = 1;
        ModuleWindow* window = ModuleWindowFor(module);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window->form()));
        window->form()->findChild<QWidget*>(order.first())->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order);
        ReleaseProgram();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
