#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include "age/datetext.h"
#include "agreement.h"
#include "rawscore/normsets.h"
#include "rows.h"
#include "scenario.h"
#include "session/frmsession.h"
#include "session/sessionfile.h"
#include "session/sessionlog.h"

using namespace modVelmora;

// A result calculated in a window, and the session row it leaves: its module, entry and results in words, and its report's sentence.
struct ResultRow { const char* name; Module module; QStringList stored; QString steps; QString session; QString sentence; };
Q_DECLARE_METATYPE(ResultRow)

const QString kChange = "104\t96\t100\t104.3\t13.8\t15\t.95\t50\r";
const ResultRow kResults[] = {
    {"raw score", Module::RawScore, {}, "23\r31.4\r5.2\r", "score | raw 23; mean 31.4; SD 5.2 | z -1.62; percentile 5.3; Below average score",
     "Raw 23 (mean 31.4, SD 5.2), {pr:5}, Below average score."},
    {"the sentence's percentile", Module::RawScore, {}, "115\r100\r15\r", "score | raw 115; mean 100; SD 15 | z 1.00; percentile 84.1; High average score",
     "Raw 115 (mean 100, SD 15), {pr:84}, High average score."},
    {"with the t-test", Module::RawScore, {"UseTTest=1"}, "115\r100\r15\r10\r", "score | raw 115; mean 100; SD 15; n 10 | z 1.00; "
     "percentile 84.1; t 0.9535; adjusted percentile 81.7; 95% CI 58.5 to 96.0; z-CC 1.00 (95% CI 0.21 to 1.75); High average score",
     "Raw 115 (mean 100, SD 15), {pr:82}, High average score."},
    {"converter", Module::ScoreConverter, {}, "1.5\r", "convert | Z-Score 1.5 | Percentile 93.3; Above average score", "Z-score 1.5, {pr:93}, Above average score."},
    {"age", Module::AgeCalculator, {}, "[txtBirthdate=2024-01-10][txtTestDate=2024-09-15][txtGestation=30+2][cmdCalculate]",
     "age | born {date:2024-01-10}; tested {date:2024-09-15}; gestation 30+2 | age 0 - 8 - 5; 8 months 5 days; corrected age 0 - 5 - 27",
     "Age 0 - 8 - 5 (8 months 5 days); corrected age 0 - 5 - 27 (5 months 27 days)."},
    {"score interval", Module::ScoreInterval, {}, "130\t0.9\r", "interval | Standard Score 130; reliability 0.9; 95% confidence; Obtained "
     "score | Percentile 97.7; Scaled Score 16; Standard Score 130; T-Score 70; Z-Score 2.00; Stanine 9; Sten 10; NCE 92; Exceptionally "
     "high score; 95% CI 121 to 139; Percentiles 91.6 to 99.6", "Standard score 130 (95% CI 121 to 139), {pr:98}, Exceptionally high score."},
    {"reliable change", Module::ReliableChange, {}, "104\t96\t\t\t13.8\t\t0.95\r", "change | Test score 104; Retest score 96; "
     "SD at test 13.8; Test–retest r 0.95; 95% confidence | Jacobson & Truax (1991): No reliable change (z -1.83, p 0.067)",
     "104 → 96, Jacobson & Truax (1991): No reliable change (z -1.83, p 0.067)."},
    {"score difference", Module::ScoreDifference, {}, "112\r94\r0.94\r0.88\r0.45\r", "difference | Against the test's norms; Score X 112; "
     "Score Y 94; Reliability of X 0.94; Reliability of Y 0.88; Correlation r 0.45; Standard Score; 95% confidence | Difference X − Y 18; "
     "Critical difference (95%) 12.47; Base rate, same direction 12.6%; Base rate, either direction 25.3%; Verdict Significant difference",
     "Standard score 112 and 94, difference 18, critical difference 12.47: Significant difference; base rate 12.6% (25.3% either direction)."},
    {"a refused entry adds nothing", Module::RawScore, {}, "23\r31.4\r0\r", "", ""},
    {"the calculator adds nothing", Module::Calculator, {}, "2+3=", "", ""},
    {"the same result twice is one row", Module::ScoreConverter, {}, "1.5\r[cmdCalculate]", "convert | Z-Score 1.5 | Percentile 93.3; Above average score",
     "Z-score 1.5, {pr:93}, Above average score."},
};

class TestSessionWindow : public QObject {
    Q_OBJECT
    RecordingPlatform platform;

    static QString rowsInWords() {
        QStringList rows;
        for (const SessionRow& row : TheProgram().session().rows()) rows << row.module + " | " + row.entry + " | " + row.results;
        return rows.join('\n');
    }
    // Four results in four windows, the first with a pasted mean and its line end, then the Session window.
    frmSession* calculateAndShow() {
        StartProgram(Module::RawScore, {"UseTTest=1"});
        for (const QString& steps : QStringList{"[txtRawScore=115][txtMean=100\n][txtSD=15][txtSampleN=10][cmdCalculate]{Ctrl+S}", "1.5\r{Ctrl+I}", "130\t.9\r{Ctrl+T}", kChange + "{Ctrl+Shift+S}"}) {
            Activate(TheProgram().shownWindow()->form());
            Play(Shown(steps));
        }
        return TheProgram().sessionWindow();
    }

private slots:
    void cleanup() { StopProgram(); }

    void eachResultAddsARow_data() { AddRows(kResults); }
    void eachResultAddsARow() {
        QFETCH(ResultRow, row);
        StartProgram(row.module, row.stored);
        Play(Shown(row.steps));
        // Parts are listed after commas, or semicolons where the comma is the decimal separator.
        QString expected = Shown(row.session);
        if (QLocale().decimalPoint() == ".") expected.replace("; ", ", ");
        static const QRegularExpression date("\\{date:([0-9-]+)\\}");
        for (auto match = date.match(expected); match.hasMatch(); match = date.match(expected))
            expected.replace(match.captured(0), DateText(QDate::fromString(match.captured(1), Qt::ISODate)));
        QCOMPARE(rowsInWords(), expected);
        if (row.sentence.isEmpty()) return;
        Play("{Ctrl+Shift+S}[cmdCopySentences]");
        QString sentence = Shown(row.sentence);  // "{pr:84}" the percentile as the user's language writes it
        static const QRegularExpression percentile("\\{pr:([0-9]+)\\}");
        for (auto match = percentile.match(sentence); match.hasMatch(); match = percentile.match(sentence))
            sentence.replace(match.captured(0), PercentileInWords(match.captured(1).toStdString(), QLocale::system().language()));
        QCOMPARE(platform.clipboard, sentence + "\n");
    }

    void theWindowShowsCopiesPrintsAndClears() {
        frmSession* window = calculateAndShow();
        QVERIFY(window && window->isVisible());
        auto* table = window->findChild<QTableView*>("tblSession");
        QAbstractItemModel* model = table->model();
        QCOMPARE(model->rowCount(), 4);
        model->setData(model->index(1, 0), " WISC-V  Vocabulary");  // the test's name, typed in its cell
        Play("[cmdCopyTable]");  // every row
        QCOMPARE(platform.clipboard.section('\n', 0, 0), "Test\tScore\tPercentile\tConfidence interval\tDescriptive label\tDetails");
        QCOMPARE(platform.clipboard.count('\n'), 5);
        table->selectRow(1);
        Play("[cmdCopyTable]");  // the row selected
        QCOMPARE(platform.clipboard.section('\n', 1), Shown("WISC-V Vocabulary\tZ-Score 1.5\t93.3\t\tAbove average score\t\n"));
        QVERIFY(platform.clipboardHtml.contains("<td>WISC-V Vocabulary</td>"));
        Play("[cmdPrintSession]");
        QVERIFY(platform.printed.value(0).startsWith("Patient 1\nVelmora session") && platform.printed.value(0).contains("WISC-V Vocabulary"));
        QTemporaryDir folder;
        platform.savePath = folder.filePath("session");
        Play("[cmdPdfSession]");
        QVERIFY(FileBytes(folder.filePath("session.pdf")).startsWith("%PDF"));
        const QList<SessionRow> all = TheProgram().session().rows();
        const auto rowsAfter = [&](const QString& steps) { return Play(steps), TheProgram().session().rows().size(); };
        Activate(window);
        table->setFocus();
        model->setData(model->index(1, 0), "Vocabulary");
        QCOMPARE(rowsAfter("{Ctrl+Z}"), 4);
        QCOMPARE(TheProgram().session().rows(), all);  // the test's name as it was
        table->clearSelection();
        table->selectRow(0);
        QCOMPARE(rowsAfter("[cmdDeleteRows]"), 3);
        QCOMPARE(rowsAfter("{Ctrl+Z}"), 4);
        QCOMPARE(TheProgram().session().rows(), all);
        QCOMPARE(rowsAfter("{Ctrl+Y}[cmdClearSession]"), 3);  // No keeps the session
        QCOMPARE(platform.questions.last(), "confirm: Delete all 3 results of the session, of every patient? Undo brings them back.");
        platform.confirmAnswer = true;
        QCOMPARE(rowsAfter("[cmdClearSession]"), 0);
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(rowsAfter("[cmdUndo]"), 3);
        QCOMPARE(rowsAfter("{Ctrl+Shift+Z}[cmdUndo][cmdUndo]"), 4);
        QCOMPARE(rowsAfter("[cmdRedo]"), 3);
        const QSize before = table->size();
        window->resize(window->size() + QSize(300, 200));
        QCoreApplication::processEvents();
        QCOMPARE(table->size(), before + QSize(300, 200));
        QCOMPARE(rowsAfter("{Ctrl+Z}"), 4);  // the rows put back outlive a restart
        NewProgram().StartUp();
        QCOMPARE(TheProgram().session().rows(), all);
        StopProgram();
    }

    // The file for spreadsheets in the region's separators; the file for velmora-cli, read by it, gives
    // again, row by row, the results saved in it.
    void savedCsvIsWhatVelmoraCliComputes() {
        calculateAndShow();
        QTemporaryDir folder;
        platform.savePath = folder.filePath("report");  // no suffix given
        Play("[cmdSaveSession]");
        const QString separator = QLocale().decimalPoint() == "," ? ";" : ",";
        const QStringList lines = QString::fromUtf8(FileBytes(folder.filePath("report.csv"))).split('\n');
        QCOMPARE(lines[0], QStringList({"\uFEFFTest", "Score", "Percentile", "Confidence interval", "Descriptive label", "Details"}).join(separator));
        QCOMPARE(lines[2], QStringList({"", "Z-Score " + Shown("1.5"), Shown("93.3"), "", "Above average score", ""}).join(separator));
        platform.saveFilter = 1;
        Play("[cmdSaveSession]");
        const QString saved = folder.filePath("report.csv");
        const QStringList header = CsvFields(QString::fromUtf8(FileBytes(saved)).section('\n', 0, 0));
        QCOMPARE(header.mid(0, 6).join(','), "time,patient,module,test,raw,mean");
        int compared = 0;
        for (const QString command : {"score", "convert", "interval", "change"}) {
            const QStringList lines = QString::fromUtf8(RunCli(VELMORA_CLI, {command, "--csv", saved}).output).split('\n', Qt::SkipEmptyParts);
            const QStringList out = CsvFields(lines[0]);
            for (const QString& line : lines.mid(1)) {
                const QStringList fields = CsvFields(line);
                if (fields[2] != command) continue;
                // Each result column velmora-cli adds after the file's own, against the saved one of that name.
                for (qsizetype i = header.size(); i < out.size() - 1; ++i) {
                    QVERIFY(!fields[i].isEmpty() || out[i] != "percentile");
                    QCOMPARE(fields[i], fields[header.indexOf(out[i])]);
                }
                QCOMPARE(fields.last(), QString());
                ++compared;
            }
        }
        QCOMPARE(compared, 4);
        StopProgram();
    }

    // The same result for the next patient is a row of its own; each patient's rows are shown, copied and printed
    // apart, and a restart keeps the patients and their identifiers.
    void eachPatientHasRowsOfItsOwn() {
        QWidget* converter = StartProgram(Module::ScoreConverter);
        Play("1.5\r{Ctrl+Shift+S}[txtPatient=Müller][cmdNewPatient]");
        Activate(converter);
        Play("[cmdCalculate]");
        auto* patients = TheProgram().sessionWindow()->findChild<QComboBox*>("cboPatients");
        QCOMPARE(QStringList({patients->itemText(0), patients->itemText(1)}), QStringList({"Patient 2", "Müller"}));
        Play("[cmdCopyTable]");
        Check({"rows:tblSession=1", "txtPatient=", "name:txtPatient=Patient"}, platform);
        QCOMPARE(platform.clipboard.count('\n'), 2);
        Activate(TheProgram().sessionWindow());
        patients->setFocus();
        Play("{Down}[cmdPrintSession]");  // Müller's rows
        QVERIFY2(platform.printed.last().startsWith("Müller\nVelmora session"), qPrintable(platform.printed.last()));
        Check({"rows:tblSession=1", "txtPatient=Müller"}, platform);
        Play("{Ctrl+N}{Ctrl+N}");  // a patient without results or identifier serves as the next
        Check({"rows:tblSession=0"}, platform);
        NewProgram().StartUp();
        QCOMPARE(TheProgram().session().patients(), QStringList({"Müller", "", ""}));
        QCOMPARE(TheProgram().session().rows().size(), 2);
        StopProgram();
    }

    void aRestartKeepsTheSessionAndADamagedOneIsSetAside() {
        calculateAndShow();
        const QList<SessionRow> before = TheProgram().session().rows();
        NewProgram().StartUp();
        QCOMPARE(TheProgram().session().rows(), before);
        StopProgram();
        const auto setAside = [] { return QDir(QFileInfo(DefaultSessionPath()).path()).entryList({"session.damaged-*.json"}).size(); };
        const qsizetype earlier = setAside();
        WriteFile(DefaultSessionPath(), "{\"format\": 1, \"rows\": [");
        platform.reset();
        NewProgram().StartUp();
        QVERIFY(TheProgram().shownWindow() && TheProgram().session().rows().isEmpty());
        QVERIFY(platform.messages.value(0).startsWith("!The saved session was damaged"));
        QCOMPARE(setAside(), earlier + 1);
        StopProgram();
    }

    // A second Velmora cannot keep its results on disk: at exit it says so again and offers them as CSV.
    void aSecondVelmoraOffersItsResultsAtExit() {
        QFile::remove(DefaultSessionPath());
        SessionFile first(DefaultSessionPath());
        QVERIFY(first.load().failure.isEmpty());
        platform.reset();
        NewProgram().StartUp();
        QVERIFY(platform.messages.value(0).contains("cannot be kept on disk"));
        Activate(TheProgram().window(Module::RawScore).form());
        Play("[txtRawScore=23][txtMean=31][txtSD=5][txtSampleN=10][cmdCalculate]");
        QTemporaryDir folder;
        platform.savePath = folder.filePath("kept.csv");
        platform.confirmAnswer = true;
        TheProgram().ExitProgram(*TheProgram().shownWindow());
        QVERIFY(platform.questions.join('\n').contains("confirm: The results of this session (1) could not be kept on disk"));
        QVERIFY(QString::fromUtf8(FileBytes(folder.filePath("kept.csv"))).contains(",score,"));
        StopProgram();
    }

    void normSetsFillTheBoxesAndOutliveARestart() {
        WriteFile(NormSetsPath(), "name,mean,sd,n,reverse,source\nWMS Local,31.4,5.2,18,1,Wechsler 2009\n");
        NewProgram().StartUp();  // kept, unlike StartProgram's fresh start
        Activate(TheProgram().shownWindow()->form());
        auto* norms = TheProgram().window(Module::RawScore).form()->findChild<QComboBox*>("cboNorms");
        QCOMPARE(norms->itemText(1), "WMS Local");
        norms->setFocus();
        Play("{Down}");
        Check({"txtMean=" + Shown("31.4"), "txtSD=" + Shown("5.2"), "txtSampleN=18", "checked:chkReverse=1", "checked:chkUseTtest=1"}, platform);
        platform.textAnswer = "WMS Local";  // saved again over itself: its source stays
        platform.confirmAnswer = true;
        // The result names the set and its source, chosen still once Manage Norm Sets has closed.
        Play("[cmdSaveNorms][cmdManageNorms][cmdClose][txtRawScore=23][cmdCalculate]");
        const auto& fields = TheProgram().session().rows().last().fields;
        QVERIFY(std::count(fields.begin(), fields.end(), std::pair<QString, QString>("norm_set", "WMS Local")) == 1 &&
                std::count(fields.begin(), fields.end(), std::pair<QString, QString>("norm_source", "Wechsler 2009")) == 1);
        Play("\x1b");  // emptied boxes no longer hold the set
        QCOMPARE(norms->currentIndex(), 0);
        platform.textAnswer = "Trails A";
        Play("[txtMean=20][txtSD=4][cmdSaveNorms]");
        NewProgram().StartUp();
        QCOMPARE(ReadNormSetsFile(NormSetsPath()).sets.size(), 2);
        QCOMPARE(ReadNormSetsFile(NormSetsPath()).sets[0].source, "Wechsler 2009");
        QCOMPARE(TheProgram().window(Module::RawScore).form()->findChild<QComboBox*>("cboNorms")->itemText(2), "Trails A");
        Play("[cmdManageNorms]{F2}WMS II[cmdClose]");  // Trails A renamed in its cell, then Close: the Norms list has it at once
        QCOMPARE(TheProgram().window(Module::RawScore).form()->findChild<QComboBox*>("cboNorms")->itemText(2), "WMS II");
        StopProgram();
        WriteFile(NormSetsPath(), "name,mean\n\"open");
        platform.reset();
        NewProgram().StartUp();
        QVERIFY(platform.messages.value(0).startsWith("!The norm sets file was damaged"));
        StopProgram();
    }
};

QTEST_MAIN(TestSessionWindow)
#include "tst_sessionwindow.moc"
