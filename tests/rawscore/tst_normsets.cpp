#include <QSettings>
#include <QtTest>

#include "rawscore/normsets.h"
#include "rows.h"

using namespace modVelmora;

// A text read: its sets as "name|mean|sd|n|reverse|source|ages|notes; ...", or the first problem.
struct ReadRow { const char* name; QByteArray csv; QString sets; QString problem; };
// A change to a file another program wrote after the store was loaded: what became of it, and the file after.
struct StoreRow { const char* name; QByteArray before; QString change; QString result; QByteArray after; };
Q_DECLARE_METATYPE(ReadRow)
Q_DECLARE_METATYPE(StoreRow)

const QString kMean = "Line 2: The mean must be a number of at most 8 characters, with a point for decimals: ";
const QString kSD = "The SD must be a number greater than 0, of at most 8 characters, with a point for decimals: ";
const QString kN = "Line 2: n must be empty or a whole number from 2 to 9999: ";
const QString kQuotes = "Line 3: a quoted field is not closed, or a quote stands inside a field without quotes.";
const QString kColumns = "the first line must name the columns name, mean and sd (n, reverse, source, ages and notes may follow).";
const ReadRow kReadRows[] = {
    {"columns in any order and case, others ignored, BOM and CRLF", "\xEF\xBB\xBFSD,Name,x,MEAN\r\n5.2,WMS Local,y,31.4\r\n", "WMS Local|31.4|5.2||0|||", ""},
    {"blanks trimmed, reverse as a word, quotes, empty rows skipped", "name,mean,sd,n,reverse,x\n a ,-1.5,.5,0010, Yes,\"1\n2\"\n"
     "\"Smith, \"\"J\"\"\",2,3,,FALSE,\n,,,,,\n", "a|-1.5|.5|0010|1|||; Smith, \"J\"|2|3||0|||", ""},
    {"the limits of the window's boxes", "name,mean,sd,n\na,-1234567,0.000001,9999\nb,1,1,2\n", "a|-1234567|0.000001|9999|0|||; b|1|1|2|0|||", ""},
    {"a header alone", "name,mean,sd\n", "", ""},
    {"an empty file", "", "", "The file is empty: its first line must name the columns name, mean and sd."},
    {"a column missing", "Name,Mean\n", "", "Line 1: there is no column \"sd\"; " + kColumns},
    {"semicolons", "name;mean;sd\n", "", "Line 1: the columns are separated by semicolons; norm sets are read with commas between the "
     "columns and a point in numbers."},
    {"a name twice in another case", "name,mean,sd\nWMS,1,2\nwms,1,2\n", "", "Line 3: the name \"wms\" is given twice."},
    {"an empty name", "name,mean,sd\n ,1,2\n", "", "Line 2: A norm set needs a name."},
    {"source, ages and notes in any order, quoted", "notes,name,mean,sd,ages,source\n\"a, b\",TMT,1,2, 60–69 ,\"Heaton et al. 2004\"\n",
     "TMT|1|2||0|Heaton et al. 2004|60–69|a, b", ""},
    {"a line break in the notes", "name,mean,sd,notes\na,1,2,\"x\ny\"\n", "", "Line 2: A norm set's source, ages and notes cannot hold tabs, line "
     "breaks or other control characters."},
    {"a line break in a name", "name,mean,sd\n\"a\nb\",1,2\n", "", "Line 2: A norm set's name cannot hold tabs, line breaks or other control characters."},
    {"an unquoted decimal comma", "name,mean,sd\na,31,4,5\n", "", "Line 2: the row has more fields than the first line has columns."},
    {"a quoted decimal comma", "name,mean,sd\na,\"31,4\",5\n", "", kMean + "31,4"},
    {"a mean longer than its box", "name,mean,sd\na,123456789,5\n", "", kMean + "123456789"},
    {"no mean", "name,mean,sd\na,,5\n", "", "Line 2: The mean is missing."},
    {"a negative sd", "name,mean,sd\na,1,-2\n", "", "Line 2: " + kSD + "-2"},
    {"a sample of 1", "name,mean,sd,n\na,1,2,1\n", "", kN + "1"},
    {"a sample beyond its box", "name,mean,sd,n\na,1,2,10000\n", "", kN + "10000"},
    {"reverse maybe", "name,mean,sd,reverse\na,1,2,maybe\n", "", "Line 2: reverse must be 0 or 1, true or false, yes or no: maybe"},
    {"Latin-1", "name,mean,sd\nM\xFCnster,1,2\n", "", "Line 2: the text is not UTF-8; save the file as \"CSV UTF-8\"."},
    {"a quote left open, on its record's first line", "name,mean,sd\na,1,2\n\"b,1,2\n\n", "", kQuotes},
};

const QByteArray kHeader = "name,mean,sd,n,reverse\n";
const QByteArray kFullHeader = "name,mean,sd,n,reverse,source,ages,notes\n";
const QByteArray kWritten = "name,mean,sd,n,reverse,source,ages,notes\n";
const QByteArray kTwo = kHeader + "WMS,31.4,5.2,18,1\nTrails A,20,4,,0\n";
const StoreRow kStoreRows[] = {
    {"put adds, creating the folder, quoting only what it must", {}, "put:Smith, \"J\"|1|2|18|1|Heaton, 2004 |60–69|", "saved",
     kWritten + "\"Smith, \"\"J\"\"\",1,2,18,1,\"Heaton, 2004\",60–69,\n"},
    {"put replaces the set of its name in any case, trimmed", kTwo, "put: wms |1|2||0", "saved", kWritten + "wms,1,2,,0,,,\nTrails A,20,4,,0,,,\n"},
    {"put refuses what the window would", kTwo, "put:X|1|0||0", "refused: " + kSD + "0", kTwo},
    {"rename keeps the numbers", kTwo, "rename:wms|WMS Local", "saved", kWritten + "WMS Local,31.4,5.2,18,1,,,\nTrails A,20,4,,0,,,\n"},
    {"rename may change the letter case", kTwo, "rename:WMS|wms", "saved", kWritten + "wms,31.4,5.2,18,1,,,\nTrails A,20,4,,0,,,\n"},
    {"rename to another's name is refused", kTwo, "rename:WMS|trails a", "refused: There is already a norm set named \"Trails A\".", kTwo},
    {"rename to blanks is refused", kTwo, "rename:WMS|  ", "refused: A norm set needs a name.", kTwo},
    {"rename keeps the source, ages and notes", kWritten + "WMS,1,2,,0,\"Wechsler, 2009\",16–69,local\n", "rename:wms|WMS IV", "saved",
     kWritten + "WMS IV,1,2,,0,\"Wechsler, 2009\",16–69,local\n"},
    {"remove", kTwo, "remove:TRAILS A", "saved", kWritten + "WMS,31.4,5.2,18,1,,,\n"},
    {"import adds and replaces", kTwo, "import:name,mean,sd\nwms,1,2\nStroop,3,4\n", "saved 1 1",
     kWritten + "wms,1,2,,0,,,\nTrails A,20,4,,0,,,\nStroop,3,4,,0,,,\n"},
    {"an import with one bad row changes nothing", kTwo, "import:name,mean,sd\nStroop,3,4\nx,1,0\n",
     "refused: Nothing was imported from {import}. Line 3: " + kSD + "0", kTwo},
    // For a spreadsheet: a name it would run as a formula is kept as text, a number never changed; Import takes it back.
    {"export", kFullHeader + "=SUM(A1),-1.5,2,,0,+cite,-x,@x\n'+x,1,2,,0,,,\n-5,1,2,,0,,,\n@ b,1,2,,0,,,\n", "export:", "saved",
     kFullHeader + "'=SUM(A1),-1.5,2,,0,'+cite,'-x,'@x\n''+x,1,2,,0,,,\n-5,1,2,,0,,,\n'@ b,1,2,,0,,,\n"},
    {"import of an export", kFullHeader, "import:name,mean,sd,source\n'=SUM(A1),1,2,'=cite\n''+x,1,2,\n'plain,1,2,\n", "saved 3 0",
     kFullHeader + "=SUM(A1),1,2,,0,=cite,,\n'+x,1,2,,0,,,\n'plain,1,2,,0,,,\n"},
    {"a file damaged meanwhile is left as it is", "junk", "remove:WMS", "failed: Nothing was changed. Line 1: there is no column \"name\"; "
     + kColumns, "junk"},
};

class TestNormSets : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

private slots:
    void reading_data() { AddRows(kReadRows); }
    void reading() {
        QFETCH(ReadRow, row);
        const NormSetsReading reading = ReadNormSets(row.csv);
        QStringList sets;
        for (const NormSet& set : reading.sets)
            sets << QStringList{set.name, set.mean, set.sd, set.n, set.reverse ? "1" : "0", set.source, set.ages, set.notes}.join('|');
        QCOMPARE(reading.problem, row.problem);
        QCOMPARE(sets.join("; "), row.sets);
    }

    void changes_data() { AddRows(kStoreRows); }
    void changes() {
        QFETCH(StoreRow, row);
        const QString path = folder.filePath(QString(row.name) + "/norms.csv"), imported = folder.filePath("import.csv");
        NormSetStore store(path);
        if (!row.before.isNull()) QVERIFY(QDir().mkpath(folder.filePath(row.name)) && WriteFile(path, row.before));
        const QString kind = row.change.section(':', 0, 0), arguments = row.change.section(':', 1);
        const QStringList a = arguments.split('|');
        QVERIFY(WriteFile(imported, arguments.toUtf8()));
        const NormSetsResult result = kind == "put"      ? store.put({a[0], a[1], a[2], a[3], a[4] == "1", a.value(5), a.value(6), a.value(7)})
                                      : kind == "rename" ? store.rename(a[0], a[1])
                                      : kind == "remove" ? store.remove(a[0])
                                      : kind == "export" ? (store.load(), store.exportTo(imported))
                                                         : store.importFrom(imported);
        const char* const statuses[] = {"saved", "refused: ", "failed: "};
        QCOMPARE(statuses[result.status] + result.reason + (result.added ? QString(" %1 %2").arg(result.added).arg(result.replaced) : ""),
                 QString(row.result).replace("{import}", QDir::toNativeSeparators(imported)));
        QCOMPARE(FileBytes(kind == "export" ? imported : path), row.after);
        if (result.status != NormSetsResult::Failed && kind != "export") QCOMPARE(store.sets(), ReadNormSets(row.after).sets);  // as on disk, even when refused
    }

    void aDamagedFileIsSetAsideNeverOverwritten() {
        const QString path = folder.filePath("damaged/norms.csv");
        QStringList aside;
        for (const QByteArray damaged : {"name,mean\n", "name,mean,sd\na,b,c\n"}) {  // most likely within one second
            QVERIFY(QDir().mkpath(folder.filePath("damaged")) && WriteFile(path, damaged));
            NormSetStore store(path);
            QVERIFY(QFileInfo(store.setAsideAs()).fileName().contains(QRegularExpression("^norms\\.damaged-\\d{8}-\\d{6}(-2)?\\.csv$")));
            QVERIFY(store.loadProblem().startsWith("The norm sets file was damaged and has been kept as " + QDir::toNativeSeparators(store.setAsideAs())));
            QCOMPARE(FileBytes(store.setAsideAs()), damaged);
            QVERIFY(store.sets().isEmpty() && !QFile::exists(path) && !aside.contains(store.setAsideAs()));
            aside << store.setAsideAs();
        }
    }

    void whatCannotBeReadOrWrittenIsToldAndChangesNothing() {
        const QString folderAsFile = folder.filePath("unreadable/norms.csv");
        QVERIFY(QDir().mkpath(folderAsFile));
        NormSetStore unreadable(folderAsFile);
        QVERIFY(unreadable.loadProblem().endsWith("No norm set can be saved until it can be read."));
        QVERIFY(unreadable.setAsideAs().isEmpty() && QFileInfo(folderAsFile).isDir());
        QCOMPARE(unreadable.put({"a", "1", "2", "", false, "", "", ""}).status, NormSetsResult::Failed);
        NormSetStore unwritable("/proc/self/Velmora/norms.csv");  // not even root writes there
        const NormSetsResult result = unwritable.put({"a", "1", "2", "", false, "", "", ""});
        QVERIFY(result.status == NormSetsResult::Failed && result.reason.startsWith("Nothing was changed. The file") && unwritable.sets().isEmpty());
        QCOMPARE(unwritable.exportTo("/proc/self/Velmora/export.csv").status, NormSetsResult::Failed);
    }

    // Names are found through a hash: 100,000 sets read, imported and changed at once, each in any case.
    void aHundredThousandSets() {
        QByteArray csv = kHeader;
        for (int i = 0; i < 100000; ++i) csv += "Set " + QByteArray::number(i) + ",1,2,,0\n";
        const QString path = folder.filePath("many/norms.csv"), imported = folder.filePath("many.csv");
        QVERIFY(WriteFile(imported, csv));
        NormSetStore store(path);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(store.importFrom(imported).added, 100000);
        QCOMPARE(store.remove("set 5").status, NormSetsResult::Saved);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(store.sets().size(), 99999);
        QCOMPARE(store.sets().find("SET 99999 ")->name, "Set 99999");
        QCOMPARE(store.sets().indexOf("set 6"), 5);
        QVERIFY(!store.sets().find("Set 5"));
    }

    void keptBesideTheSettings() {
        // Windows keeps the settings in the registry, and the norm sets in the user's Local AppData.
        if (QSysInfo::kernelType() == "winnt") {
            QCOMPARE(NormSetsPath(), QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA")) + "/Velmora/norms.csv");
            return;
        }
        const QFileInfo settings(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velmora", "Velmora").fileName());
        QCOMPARE(NormSetsPath(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Velmora/norms.csv");
        QCOMPARE(NormSetsPath(), settings.absolutePath() + "/norms.csv");
    }
};

QTEST_GUILESS_MAIN(TestNormSets)
#include "tst_normsets.moc"
