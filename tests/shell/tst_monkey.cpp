#include <QApplication>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include "scenario.h"
#include "shell/moduleframe.h"
#include "shell/modvelmora.h"

using namespace modVelmora;

// Thousands of random keys, clicks, pastes and module switches across the module
// windows, the calendar and the Session window: after every one the program runs on
// with exactly one module window, and no label or box shows "nan" or "inf".
class TestMonkey : public QObject {
    Q_OBJECT

    RecordingPlatform platform;
    QRandomGenerator random{20261206};

    QString pick(const QStringList& items) { return items.at(random.bounded(int(items.size()))); }
    QString randomText() {
        QString text;
        for (int i = random.bounded(12); i > 0; --i) text += pick(QString("0123456789.-+eE, abcXYZ%/*").split(""));
        return text;
    }
    // The calendar's month button runs its menu modally, and the test cannot answer it: no click
    // lands on it, whichever control (its navigation bar, say) the click aims at.
    static bool opensAMenu(const QWidget* control) {
        const QWidget* hit = control->window()->childAt(control->mapTo(control->window(), control->rect().center()));
        const auto* button = qobject_cast<const QToolButton*>(hit ? hit : control);
        return button && button->menu();
    }
    // One step as Play takes it: a key, a shortcut, a click on a control on screen, a paste or a switch.
    QString randomStep() {
        QStringList controls;
        for (QWidget* window : QApplication::topLevelWidgets())
            for (QWidget* control : window->findChildren<QWidget*>())
                // Qt's own parts ("qt_scrollarea_viewport") share names across windows, so a name would not find them.
                if (control->isVisible() && control->isEnabled() && !control->objectName().isEmpty() &&
                    !control->objectName().startsWith("qt_") && !opensAMenu(control))
                    controls << control->objectName();
        controls.sort();  // the same steps on every run, whatever order the windows are listed in
        const auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        switch (random.bounded(10)) {
            case 0: return pick({"\r", "\x1b", "\b", "\t", "{Shift+Tab}", "{Left}", "{Up}", "{PgDown}", "{Del}", " ", "{F1}", "t", "{Shift+T}"});
            case 1: return pick({"{Ctrl+A}", "{Ctrl+C}", "{Ctrl+R}", "{Ctrl+S}", "{Ctrl+V}", "{Ctrl+I}", "{Ctrl+T}", "{Ctrl+Shift+S}"});
            case 2: return "[mnuModule" + pick({"1", "2", "4", "5", "7", "8"}) + "]";
            case 3: return box ? "[" + box->objectName() + "=" + randomText() + "]" : QString();
            case 4: case 5: case 6: return "[" + pick(controls) + "]";
            default: return pick(QString("0123456789.-+*/%abcX").split("", Qt::SkipEmptyParts));
        }
    }

private slots:
    void randomUseLeavesOneSaneWindow() {
        StartProgram(Module::RawScore);
        const QRegularExpression notANumber("\\b(nan|inf)", QRegularExpression::CaseInsensitiveOption);
        for (int step = 0; step < 3000; ++step) {
            const QString played = randomStep();
            Play(played);
            if (step % 25 == 0) QTest::qWait(0);  // lets unloaded forms go
            QList<ModuleWindow*> shown;
            for (const Module module : kModules)
                if (TheProgram().window(module).isLoaded()) shown << &TheProgram().window(module);
            QVERIFY2(shown.size() == 1, qPrintable(QString("step %1: %2").arg(step).arg(played)));
            QCOMPARE(int(TheProgram().settings().record.view), int(shown.first()->module()));
            for (QWidget* control : shown.first()->form()->findChildren<QWidget*>()) {
                const QString text = control->property("text").toString();  // labels, boxes and buttons
                QVERIFY2(!notANumber.match(text).hasMatch(), qPrintable(control->objectName() + ": " + text));
            }
        }
        QCOMPARE(platform.programEnds + platform.immediateEnds, 0);
        StopProgram();
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
