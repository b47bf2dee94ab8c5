// Run on a small file system of its own (support/smallfs.sh): every file of the user's is written
// once with room, then again on the full disk, where each write must leave every file as it was
// and say once which file and why.
#include <QDirIterator>
#include <QComboBox>
#include <QtTest>
#include <cerrno>

#include "common/filewrite.h"
#include "rows.h"
#include "scenario.h"
#include "session/sessionfile.h"
#include "session/sessionlog.h"

using namespace modVelmora;

// A write as the user makes it: keys and clicks, the last part (after "|", which lets a window come up)
// the one that writes, "%1" a number that makes each time's entry new; and the file it writes under
// the home folder ("session." the session's files); Print prints to printed.pdf.
struct Write { const char* name; const char* steps; const char* file; };
const Write kWrites[] = {
    {"a result added to the session", "{Ctrl+R}|[txtRawScore=%1][txtMean=31.4][txtSD=5.2][cmdCalculate]", "session."},
    {"a norm set saved", "[txtMean=%1][txtSD=4][cmdSaveNorms]", "config/Velmora/norms.csv"},
    {"a choice written at once", "[mnuLabelswechsler][mnuLabelsaacn]", "config/Velmora/Velmora.conf"},
    {"the session saved as CSV", "{Ctrl+Shift+S}|[cmdSaveSession]", "session.csv"},
    {"the session as PDF", "[cmdPdfSession]", "session.pdf"},
    {"the session printed to a file", "[cmdPrintSession]", "printed.pdf"},
    {"the bell curve saved", "{Ctrl+I}|130\t.9\r|[cmdSavePicture]", "curve.png"},
};

class TestFullDisk : public QObject {
    Q_OBJECT
    RecordingPlatform platform;
    const QString home = QDir::homePath();
    QString pathOf(const Write& write) const {
        return QString(write.file) == "session." ? DefaultSessionPath().chopped(4) : home + '/' + write.file;
    }

    // Every file of the user's: its path under the home folder, its size and a digest of its bytes.
    QStringList files() const {
        QStringList found;
        for (QDirIterator it(home, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
            const QString path = it.next();
            const QByteArray bytes = FileBytes(path);
            if (!path.endsWith("/filler") && !path.endsWith(".lock"))
                found << QString("%1 %2 %3").arg(path.mid(home.size() + 1)).arg(bytes.size()).arg(qHash(bytes));
        }
        found.sort();
        return found;
    }
    void fill() const {
        QFile filler(home + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered));
        for (qint64 chunk = 1 << 16; chunk > 0; chunk /= 16)
            while (filler.write(QByteArray(chunk, 'x')) == chunk) {}
    }
    // Each write of the table, once with room, then on the full disk: there a write that still fits in the
    // last free bytes of a file's page goes through as a whole, and is made again until one does not.
    void writeEach(bool full) {
        for (const Write& write : kWrites) {
            platform.reset();
            for (int attempt = 0; attempt < 40 && platform.messages.isEmpty(); ++attempt) {
                const int number = full ? 100 + attempt : 20;
                platform.textAnswer = QString("Trails %1").arg(number);
                platform.savePath = pathOf(write);
                if (QString(write.file).startsWith("printed")) platform.printPath = platform.savePath;
                QStringList before;
                for (const QString& steps : QString(write.steps).replace("%1", QString::number(number)).split('|')) {
                    Activate(TheProgram().shownWindow()->form());
                    before = files();
                    Play(steps);
                }
                const QStringList written = files().filter(QRegularExpression('^' + QRegularExpression::escape(pathOf(write).mid(home.size() + 1))));
                QVERIFY2(full || (platform.messages.isEmpty() && !written.isEmpty()), qPrintable(QString(write.name) + ": " + platform.messages.join('|')));
                if (!full) break;
                if (platform.messages.isEmpty()) continue;
                QCOMPARE(files(), before);
            }
            QVERIFY2(!full || (platform.messages.size() == 1 && platform.messages[0].contains(QDir::toNativeSeparators(pathOf(write))) &&
                               platform.messages[0].contains(FileErrorText(ENOSPC))),
                     qPrintable(QString(write.name) + ": " + platform.messages.join('|')));
        }
    }

private slots:
    void cleanup() { StopProgram(); }
    void everyWriteOnAFullDiskLeavesTheFilesAsTheyWereAndSaysWhy() {
        NewProgram().StartUp();
        writeEach(false);
        fill();
        writeEach(true);
        // The norm set not saved is not listed as saved.
        Play("{Ctrl+R}");
        Activate(TheProgram().shownWindow()->form());
        auto* norms = TheProgram().shownWindow()->form()->findChild<QComboBox*>("cboNorms");
        QVERIFY(norms->findText("Trails 20") > 0 && norms->findText("Trails 100") < 0);

        // With room again the next change writes the session's results kept meanwhile.
        QVERIFY(QFile::remove(home + "/filler"));
        platform.reset();
        Play("[txtRawScore=30][txtMean=31.4][txtSD=5.2][cmdCalculate]");
        QCOMPARE(platform.messages.join('|'), QString());
        fill();
        const QStringList before = files();
        Play("[mnuExit]");
        QCOMPARE(files(), before);
        QVERIFY2(platform.messages.size() == 1 && platform.messages[0].contains(QDir::toNativeSeparators(home + "/config/Velmora/Velmora.conf")) &&
                     platform.messages[0].contains(FileErrorText(ENOSPC)), qPrintable(platform.messages.join('|')));
        const QList<SessionRow> rows = TheProgram().session().rows();
        StopProgram();
        // Every result, those calculated on the full disk too, the last after them.
        QVERIFY(rows.size() >= 5 && rows.last().fields[0].second == "30");
        QCOMPARE(SessionFile(DefaultSessionPath()).load().rows, rows);
    }
};

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
