#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "recordingplatform.h"
#include "shell/gradient.h"
#include "shell/moduleframe.h"
#include "shell/modvelmora.h"
#include "shell/settingsrecord.h"
#include "program.h"
#include "typing.h"

using namespace modVelmora;

namespace {

// A module window with a text box and a button, counting its loads.
class FakeModule : public ModuleWindow {
public:
    explicit FakeModule(int number) : ModuleWindow(number, QSize(4425, 3000)) {}
    int loads = 0;
    QLineEdit* txtBox = nullptr;

protected:
    void createControls(QWidget* client) override {
        txtBox = new QLineEdit(client);
        txtBox->setObjectName("txtBox");
        (new QPushButton("Button", client))->setObjectName("Button");
    }
    void initialise() override { ++loads; }
};

}  // namespace

// The frame every module window shares: menus, switching, exit, help, backdrop.
class TestModuleFrame : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

    FakeModule* module(int number) { return static_cast<FakeModule*>(ModuleWindowFor(number)); }
    FakeModule* shown() { return static_cast<FakeModule*>(ShownModules().value(0)); }
    QAction* entry(int index) { return shown()->moduleEntry(index); }

private slots:
    void init() {
        ResetProgram();
        for (int number : {1, 2, 4, 5}) RegisterModule(number, [number] { return std::make_unique<FakeModule>(number); });
        Settings().leftCoordinates = 1500;
        Settings().topCoordinates = 750;
        module(1)->show();
        QVERIFY(Activate(module(1)->form()));
        platform.reset();
    }
    void cleanup() {
        ReleaseProgram();
    }

    void switchingKeepsThePlaceAndStoresNothing() {
        StoreWriteLog log;
        QCOMPARE(module(1)->form()->minimumSize(), module(1)->form()->maximumSize());
        QVERIFY(entry(1)->isChecked() && !entry(2)->isChecked() && entry(3)->isSeparator());
        module(1)->form()->move(300, 200);
        entry(4)->trigger();
        QCOMPARE(shown(), module(4));
        QCOMPARE(module(4)->form()->pos(), QPoint(300, 200));
        QCOMPARE(Settings().view, 4);
        QVERIFY(entry(4)->isChecked() && !entry(1)->isChecked());
        QVERIFY(log.writes.isEmpty());
        QCOMPARE(platform.programEnds, 0);
        QVERIFY(!Settings().switching);
    }

    void theWindowsOwnEntryRebuildsIt() {
        QPointer<QLineEdit> old(module(1)->txtBox);
        module(1)->txtBox->setText("typed");
        entry(1)->trigger();
        QCOMPARE(shown(), module(1));
        QCOMPARE(module(1)->loads, 2);
        QCOMPARE(module(1)->txtBox->text(), QString());
        QTRY_VERIFY(old.isNull());
    }

    void shortcutsActWhateverHasTheFocus_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("chosen");
        for (const char* focus : {"txtBox", "Button"})
            for (const auto& [key, chosen] : {std::pair{Qt::Key_A, 4}, {Qt::Key_C, 5}, {Qt::Key_S, 2}, {Qt::Key_R, 1}})
                QTest::newRow(qPrintable(QString("Ctrl+%1 in %2").arg(QChar(key)).arg(focus))) << QString(focus) << int(key) << chosen;
    }
    void shortcutsActWhateverHasTheFocus() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, chosen);
        auto* control = module(1)->form()->findChild<QWidget*>(focus);
        control->setFocus();
        QTest::keyClick(control, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(shown(), module(chosen));
    }

    void exitSavesOnceWithTheWindowShown_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("File > Exit") << false;
        QTest::newRow("close box") << true;
    }
    void exitSavesOnceWithTheWindowShown() {
        QFETCH(bool, closeBox);
        entry(5)->trigger();
        module(5)->form()->move(20, 10);
        StoreWriteLog log;
        if (closeBox) module(5)->form()->close();
        else module(5)->form()->findChild<QAction*>("mnuExit")->trigger();
        QCOMPARE(log.writes, QStringList({"View=5", "Number of Decimals=1", "Left Coordinates=300", "Top Coordinates=150", "UseTTest=0"}));
        QCOMPARE(platform.programEnds, 1);
        QVERIFY(!shown());
    }

    void helpAboutShowsTheAboutBoxModally() {
        QString shown;
        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                shown = box->objectName();
                box->close();
            }
        });
        module(1)->form()->findChild<QAction*>("mnuAbout")->trigger();
        QCOMPARE(shown, QString("frmAbout"));
        ReleaseWindows();
    }

    void aPositionBeyondSixteenBitsIsKeptInRange() {
        module(1)->form()->move(2200, -2200);
        module(1)->recordPosition();
        QCOMPARE(Settings().leftCoordinates, 32767);
        QCOMPARE(Settings().topCoordinates, -32768);
    }

    void instructionsOpenTheHelpDocumentBesideTheProgram() {
        const QString path = QCoreApplication::applicationDirPath() + "/Velmora Help.pdf";
        QFile::remove(path);
        module(1)->form()->findChild<QAction*>("mnuInstructions")->trigger();
        QVERIFY(platform.openedUrls.isEmpty() && platform.messages.isEmpty());
        QCOMPARE(shown(), module(1));
        QFile document(path);
        QVERIFY(document.open(QIODevice::WriteOnly));
        document.close();
        QTest::keyClick(module(1)->txtBox, Qt::Key_F1);
        QFile::remove(path);
        QCOMPARE(platform.openedUrls, QStringList{QUrl::fromLocalFile(path).toString()});
    }

    void backdropRunsFromWhiteToBlueAtAnySize() {
        for (const QSize size : {QSize(3, 2), QSize(50, 1000), QSize(295, 316)}) {
            TwoToneGradientFill::GradientArea area;
            area.resize(size);
            TwoToneGradientFill::PaintGradient(&area, TwoToneGradientFill::RGB(255, 255, 255), TwoToneGradientFill::RGB(0, 128, 255), 1);
            const QImage image = area.grab().toImage();
            for (int x : {0, size.width() - 1}) {
                QCOMPARE(image.pixelColor(x, 0), QColor(255, 255, 255));
                QCOMPARE(image.pixelColor(x, size.height() - 1), QColor(0, 128, 255));
            }
            for (int y = 1; y < size.height(); ++y) QVERIFY(image.pixelColor(0, y).red() <= image.pixelColor(0, y - 1).red());
        }
    }
};

QTEST_MAIN(TestModuleFrame)
#include "tst_moduleframe.moc"
