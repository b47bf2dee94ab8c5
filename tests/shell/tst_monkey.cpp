#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include "age/frmcalendar.h"
#include "modules.h"
#include "recordingplatform.h"
#include "shell/frmabout.h"
#include "shell/moduleframe.h"
#include "shell/modvelmora.h"
#include "shell/settingsrecord.h"
#include "program.h"

using namespace modVelmora;

// Thousands of random keys, clicks, pastes and module switches across the four
// windows and the About box: after every one the program is alive, shows
// exactly one module window, and no label or box shows "nan" or "inf".
class TestMonkey : public QObject {
    Q_OBJECT

    RecordingPlatform platform;
    QRandomGenerator random{20261206};

    template <class T>
    T pick(const QList<T>& items) { return items.at(random.bounded(int(items.size()))); }
    QString randomText() {
        const QString pool = "0123456789.-+eE, abcXYZ\t\n%/*";
        QString text;
        for (int i = random.bounded(12); i > 0; --i) text += pool.at(random.bounded(int(pool.size())));
        return text;
    }
    void pressKey(QWidget* target) {
        static const QList<Qt::Key> special{Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Backtab,
                                            Qt::Key_Left,   Qt::Key_Up,     Qt::Key_Delete,    Qt::Key_Space, Qt::Key_F1};
        const QString typable = "0123456789.-+*/%abcdtxyzT";
        switch (random.bounded(4)) {
            case 0: QTest::keyClick(target, pick(special)); break;
            case 1: QTest::keyClick(target, pick(QList<Qt::Key>{Qt::Key_A, Qt::Key_C, Qt::Key_R, Qt::Key_S, Qt::Key_V}), Qt::ControlModifier); break;
            default: QTest::keyClick(target, typable.at(random.bounded(int(typable.size()))).toLatin1());
        }
    }
    void workThePopUp(frmCalendar* calendar) {
        switch (random.bounded(3)) {
            case 0: QTest::keyClick(calendar->MonthView1->focusWidget() ? calendar->MonthView1->focusWidget() : calendar, Qt::Key_Escape); break;
            case 1: emit calendar->MonthView1->clicked(QDate(2000 + random.bounded(30), 1 + random.bounded(12), 1 + random.bounded(28))); break;
            default: QTest::keyClick(calendar->MonthView1, 't'); calendar->close();
        }
    }
    void workTheAboutBox() {
        frmAbout about;
        about.show();
        for (int i = random.bounded(4); i >= 0; --i) QTest::keyClick(&about, pick(QList<Qt::Key>{Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab}));
        for (int tick = 0; tick < 200 && about.isVisible(); ++tick) about.tmrExit_Timer();
        about.close();
    }

private slots:
    void randomUseLeavesOneSaneWindow() {
        ResetProgram();
        RegisterModuleWindows();
        StartUp();
        const QRegularExpression notANumber("\\b(nan|inf)", QRegularExpression::CaseInsensitiveOption);
        for (int step = 0; step < 3000; ++step) {
            ModuleWindow* window = ShownModules().value(0);
            QVERIFY2(window, qPrintable(QString("no window at step %1").arg(step)));
            auto* popUp = qobject_cast<frmCalendar*>(QApplication::activePopupWidget());
            QList<QWidget*> controls;
            for (QWidget* control : window->form()->centralWidget()->findChildren<QWidget*>())
                if (control->isVisible() && control->isEnabled() && control->focusPolicy() != Qt::NoFocus) controls << control;
            const int action = random.bounded(100);
            if (popUp) {
                workThePopUp(popUp);
            } else if (action < 45) {
                QWidget* focus = QApplication::focusWidget();
                pressKey(focus && focus->window() == window->form() ? focus : window->form());
            } else if (action < 85 && !controls.isEmpty()) {
                QTest::mouseClick(pick(controls), Qt::LeftButton);
            } else if (action < 92) {
                window->moduleEntry(pick(QList<int>{1, 2, 4, 5}))->trigger();
            } else if (action < 97) {
                if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
                    QApplication::clipboard()->setText(randomText());
                    box->paste();
                }
            } else {
                workTheAboutBox();
            }
            if (step % 25 == 0) QTest::qWait(0);  // lets unloaded forms go

            QCOMPARE(ShownModules().size(), 1);
            QCOMPARE(int(Settings().view), ShownModules().first()->moduleNumber());
            for (QWidget* shown : ShownModules().first()->form()->findChildren<QWidget*>()) {
                QString text;
                if (auto* label = qobject_cast<QLabel*>(shown)) text = label->text();
                if (auto* box = qobject_cast<QLineEdit*>(shown)) text = box->text();
                QVERIFY2(!notANumber.match(text).hasMatch(), qPrintable(shown->objectName() + ": " + text));
            }
        }
        QCOMPARE(platform.programEnds + platform.immediateEnds, 0);
        ReleaseProgram();
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
