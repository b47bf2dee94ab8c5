#include <QClipboard>
#include <QLabel>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include "agreement.h"
#include "cli/commands.h"
#include "profile/frmscoreprofile.h"
#include "profile/profiletable.h"
#include "rows.h"
#include "scenario.h"
#include "session/sessionexport.h"
#include "session/sessionlog.h"

using namespace modVelmora;
constexpr Module Profile = Module::ScoreProfile;

// A row typed or pasted: what is on the clipboard, the keys, then what is seen.
struct ProfileScenario { const char* name; QStringList stored; QString clipboard; QString steps; QStringList seen; };
Q_DECLARE_METATYPE(ProfileScenario)

const QString kBattery = "Test\tScore\tScale\tReliability\nVocabulary\t12\tscaled\t0,87\nSimilarities\t14\tScaled Score\t.86\n"
                         "Digit Span\t7\tscaled\t\nMatrix Reasoning\t12a\tscaled\t.9\nCoding\t5\tSCALED\t.8\nFull Scale IQ\t112\tstandard\t.97\n"
                         "Trail Making B\t35\tt\t\nRey Figure\t2\tpercentile\t\nFluency\t-1,6\tz\t.8\nGeneral Ability\t125\tstandard\t1.2\n";
const QString kNotANumber = "The score is not a number.";

const ProfileScenario kRows[] = {
    {"ten rows pasted with a header fill the table and compute", {}, kBattery, "{Ctrl+V}",
     {"cell:tblProfile:0:0=Vocabulary", "cell:tblProfile:0:3=0,87", "cell:tblProfile:0:4=74.8", "cell:tblProfile:0:5=110",
      "cell:tblProfile:0:6=High average score", "cell:tblProfile:0:7=95% CI 99 to 121", "cell:tblProfile:2:4=15.9",
      "cell:tblProfile:2:7=", "cell:tblProfile:6:5=78", "cell:tblProfile:7:4=2.0", "cell:tblProfile:8:7=95% CI 63 to 89",
      "cell:tblProfile:10:0=", "messages=", "beeps=0", "focus=tblProfile"}},
    {"a row that cannot be read says why, the others compute", {}, kBattery, "{Ctrl+V}",
     {"cell:tblProfile:3:4=" + kNotANumber, "cell:tblProfile:3:5=", "colour:tblProfile:3:1=#ffe0e0", "colour:tblProfile:3:3=none",
      "tip:tblProfile:3:0=Matrix Reasoning: " + kNotANumber, "cell:tblProfile:4:4=4.8",
      "cell:tblProfile:9:4=Please enter a reliability greater than 0 and less than 1.", "colour:tblProfile:9:3=#ffe0e0"}},
    {"the picture tells its rows in words, the refused ones left out", {}, kBattery, "{Ctrl+V}",
     {"description:picProfile=Score profile (one line a test): Vocabulary: Scaled Score 12, percentile 74.8, standard score 110, High "
      "average score, 95% CI 99 to 121; Similarities: Scaled Score 14, percentile 90.9, standard score 120, Above average score, 95% CI "
      "109 to 131; Digit Span: Scaled Score 7, percentile 15.9, standard score 85, Low average score; Coding: Scaled Score 5, percentile "
      "4.8, standard score 75, Below average score, 95% CI 62 to 88; Full Scale IQ: Standard Score 112, percentile 78.8, standard score "
      "112, High average score, 95% CI 107 to 117; Trail Making B: T-Score 35, percentile 6.7, standard score 78, Below average score; "
      "Rey Figure: Percentile 2, percentile 2.0, standard score 69, Exceptionally low score; Fluency: Z-Score -1,6, percentile 5.5, "
      "standard score 76, Below average score, 95% CI 63 to 89."}},
    {"without a header the cells go from the chosen column on", {}, "112\n85\nx", "{Right}{Ctrl+V}",
     {"cell:tblProfile:0:1=112", "cell:tblProfile:0:0=", "cell:tblProfile:0:4=Please choose the score's scale.",
      "cell:tblProfile:2:4=" + kNotANumber}},
    {"a header in another order, its unknown columns left out", {}, "Reliability\tDomain\tscore\tSCALE\ttest\n.9\tMemory\t1" +
     QString(40, '0') + "\tz\tA\n",
     "{Ctrl+V}", {"cell:tblProfile:0:0=A", "cell:tblProfile:0:1=1" + QString(40, '0'), "cell:tblProfile:0:2=z",
                  "cell:tblProfile:0:4=The score is too large to convert.", "cell:tblProfile:1:0="}},
    {"an unknown scale", {}, "Test\tScore\tScale\nA\t5\tstanine\n", "{Ctrl+V}",
     {"cell:tblProfile:0:4=The scale is none of Percentile, Scaled Score, Standard Score, T-Score and Z-Score.",
      "colour:tblProfile:0:2=#ffe0e0"}},
    {"a score typed takes the scale above", {}, "A\t10\tscaled\n", "{Ctrl+V}{Down}{Right}9\r",
     {"cell:tblProfile:1:1=9", "cell:tblProfile:1:2=scaled", "cell:tblProfile:1:5=95", "cell:tblProfile:1:4=36.9", "focus=tblProfile"}},
    {"a scale's list left without a choice takes none", {}, "A\t10\n", "{Ctrl+V}{Right}{Right}{F2}\r",
     {"cell:tblProfile:0:2=", "cell:tblProfile:0:4=Please choose the score's scale."}},
    {"Delete removes the selected rows, Ctrl+Z brings them back", {}, kBattery, "{Ctrl+V}{Down}{Shift+Down}{Delete}",
     {"cell:tblProfile:0:0=Vocabulary", "cell:tblProfile:1:0=Matrix Reasoning", "cell:tblProfile:8:0=", "beeps=0"}},
    {"and Ctrl+Z", {}, kBattery, "{Ctrl+V}{Down}{Shift+Down}{Delete}{Ctrl+Z}",
     {"cell:tblProfile:1:0=Similarities", "cell:tblProfile:2:0=Digit Span", "cell:tblProfile:9:0=General Ability"}},
    {"Ctrl+Z takes back the paste", {}, kBattery, "{Ctrl+V}{Ctrl+Z}", {"cell:tblProfile:0:0=", "cell:tblProfile:0:4="}},
    {"Ctrl+Y does it again", {}, kBattery, "{Ctrl+V}{Ctrl+Z}{Ctrl+Y}", {"cell:tblProfile:0:4=74.8"}},
    {"Clear empties the table, Ctrl+Z brings it back", {}, kBattery, "{Ctrl+V}[cmdClear]{Ctrl+Z}", {"cell:tblProfile:0:4=74.8"}},
    {"the confidence and centre are stored at once and every row follows", {}, kBattery, "{Ctrl+V}[optConfidence0][optCentre1]",
     {"stored:Profile Confidence=90", "stored:Profile Centre=true", "cell:tblProfile:0:7=90% CI 100 to 117", "colour:optConfidence0=#ffff00"}},
    {"the stored choices and decimals", {"Profile Confidence=90", "Profile Centre=true", "Number of Decimals=3"}, kBattery, "{Ctrl+V}",
     {"checked:optConfidence0=1", "checked:optCentre1=1", "cell:tblProfile:0:4=74.751", "cell:tblProfile:0:7=90% CI 100 to 117"}},
    {"no labels under None", {"Descriptive Labels=none"}, kBattery, "{Ctrl+V}", {"cell:tblProfile:0:6=", "cell:tblProfile:0:5=110"}},
    {"the copy button copies the rows with the header", {"Descriptive Labels=none"}, "A\t12\tscaled\nB\tx\tz\n", "{Ctrl+V}[cmdCopy]",
     {"clipboard=Test\tScore\tScale\tReliability\tPercentile\tStandard Score\tInterval\nA\t12\tscaled\t\t74.8\t110\t\nB\tx\tz\t\t"
      + kNotANumber + "\t\t"}},
    {"more rows than the table holds", {}, QString("A\t1\tz\n").repeated(61), "{Ctrl+V}",
     {"messages=The table holds 60 rows: 1 pasted rows found no room and were left out.", "cell:tblProfile:59:5=115"}},
};

class TestScoreProfile : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

    static frmScoreProfile& window() { return static_cast<frmScoreProfile&>(TheProgram().window(Profile)); }

    // velmora-cli's rows for the input, by column name.
    static QList<QHash<QString, QString>> cliRows(const QString& command, const QString& labels, const QString& input) {
        QTemporaryDir dir;
        WriteFile(dir.filePath("in.csv"), input.toUtf8());
        const CliRun run = RunCli(VELMORA_CLI, {command, "--csv", dir.filePath("in.csv"), "--labels", labels});
        if (run.exitCode != 0) qWarning("velmora-cli %s: %s", qPrintable(command), run.errors.constData());
        WriteFile(dir.filePath("out.csv"), run.output);
        return FixtureRecords(dir.filePath("out.csv"));
    }

private slots:
    void scenarios_data() { AddRows(kRows); }
    void scenarios() {
        QFETCH(ProfileScenario, row);
        platform.reset();
        StartProgram(Profile, row.stored);
        QGuiApplication::clipboard()->setText(row.clipboard);
        Play(row.steps);
        QCoreApplication::processEvents();  // a cell's editor hands its text over after Enter
        // Parts of a sentence follow semicolons where the comma is the decimal separator.
        QStringList seen = row.seen;
        if (QLocale::system().decimalPoint() == ",")
            for (QString& entry : seen)
                if (entry.startsWith("description:")) entry.replace(", ", "; ");
        Check(seen, platform);
        StopProgram();
    }

    // Every row of velmora-cli's fixture as the window shows it, against velmora-cli interval for a row with a
    // reliability and convert (to a percentile and to a standard score) for one without, in both label systems.
    void everyRowIsWhatIntervalOrTheConverterShows() {
        QList<QHash<QString, QString>> fixture = FixtureRecords(VELMORA_TESTS_DIR "/cli/fixtures/profiles.expected.csv");
        fixture.removeIf([](const auto& record) { return !record["error"].isEmpty(); });  // refused rows: see the scenarios
        const auto decimals = [](const QHash<QString, QString>& record) { return record["decimals"].isEmpty() ? 1u : record["decimals"].toUInt(); };
        // Every row in one velmora-cli run a command: each run is slow under Wine.
        QString intervals = "score,scale,reliability,level,centre,decimals\n", conversions = "value,from,to,decimals\n";
        for (const auto& record : fixture) {
            const QString places = QString::number(decimals(record));
            if (!record["reliability"].isEmpty())
                intervals += QStringList{record["score"], record["scale"], record["reliability"], record["level"], record["centre"], places}.join(',') + "\n";
            else
                for (const QString to : {"percentile", "standard"})
                    conversions += QStringList{record["score"], record["scale"], to, places}.join(',') + "\n";
        }
        int compared = 0;
        for (const QString labels : {"aacn", "wechsler"}) {
            const auto interval = cliRows("interval", labels, intervals), converted = cliRows("convert", labels, conversions);
            qsizetype nextInterval = 0, nextConversion = 0;
            for (const auto& record : fixture) {
                ProfileEntry choices(*LabelSystemNamed(labels.toStdString()));
                choices.decimals = decimals(record);
                const bool level90 = record["level"] == "90";
                choices.level = level90 ? ConfidenceLevel::Ninety : ConfidenceLevel::NinetyFive;
                choices.centre = record["centre"] == "true" ? IntervalCentre::EstimatedTrue : IntervalCentre::Obtained;
                ProfileTable table(choices);
                table.paste(QStringList{record["test"], record["score"], record["scale"], record["reliability"]}.join('\t'), 0, 0);
                const auto cell = [&](ProfileTableColumn column) { return table.index(0, int(column)).data().toString(); };
                QStringList expected, seen{cell(ProfileTableColumn::Percentile), cell(ProfileTableColumn::Standard), cell(ProfileTableColumn::Label)};
                if (!record["reliability"].isEmpty()) {
                    const auto shown = interval.value(nextInterval++);
                    expected << shown["percentile"] << shown["standard"] << shown["label"];
                    // On the standard scale the bounds are the interval's own.
                    if (record["scale"] == "standard") {
                        expected << QString("%1% CI %2 to %3").arg(level90 ? "90" : "95", shown["low"], shown["high"]);
                        seen << cell(ProfileTableColumn::Interval);
                    }
                } else {
                    const auto percentile = converted.value(nextConversion++), standard = converted.value(nextConversion++);
                    expected << percentile["result"] << standard["result"] << standard["label"] << "";
                    seen << cell(ProfileTableColumn::Interval);
                }
                expected.replaceInStrings(QRegularExpression("(\\d)\\.(\\d)"), "\\1" + QLocale::system().decimalPoint() + "\\2");
                QVERIFY2(seen == expected, qPrintable(record["line"] + ": " + seen.join('|') + " against " + expected.join('|')));
                ++compared;
            }
        }
        QCOMPARE(compared, 2 * 21);
    }

    // Add to Session: a session row for each computed row with its test's name, whose CSV velmora-cli profile reads back.
    void theSessionRowsReadBackThroughVelmoraCli() {
        StartProgram(Profile);
        QGuiApplication::clipboard()->setText(kBattery);
        Play("{Ctrl+V}[cmdAddToSession][cmdAddToSession]");
        const QList<SessionRow> rows = TheProgram().session().rows();
        QCOMPARE(rows.size(), 8);
        QCOMPARE(rows[3].test, QString("Coding"));
        QCOMPARE(rows[3].module, QString("profile"));
        QCOMPARE(rows[3].results, Shown("Percentile 4.8, Standard Score 75, Below average score, 95% CI 62 to 88").replace(", ", QLocale::system().decimalPoint() == "," ? "; " : ", "));
        QCOMPARE(window().form()->findChild<QLabel*>("lblAdded")->text(), QString("Rows added to the session: 8."));
        // The session's file as the Session window saves it; velmora-cli adds its results after the session's own.
        QStringList columns;
        for (const std::string_view column : cli::ColumnOrder()) columns << QString::fromLatin1(column.data(), qsizetype(column.size()));
        QTemporaryDir dir;
        WriteFile(dir.filePath("session.csv"), SessionCsv(rows, columns).toUtf8());
        const CliRun cli = RunCli(VELMORA_CLI, {"profile", "--csv", dir.filePath("session.csv")});
        QCOMPARE(cli.exitCode, 0);
        const QStringList lines = QString::fromUtf8(cli.output).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), rows.size() + 1);
        const QStringList header = CsvFields(lines[0]);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QStringList read = CsvFields(lines[i + 1]);
            QCOMPARE(read[header.indexOf("test")], rows[i].test);
            for (const char* result : {"percentile", "standard", "label", "low", "high"})
                QCOMPARE(read[header.lastIndexOf(result)], read[header.indexOf(result)]);
        }
        StopProgram();
    }

    // One mark a computed row, in the window's file and in velmora-cli's.
    void theSavedPictureHoldsAMarkForEachComputedRow() {
        QTemporaryDir dir;
        StartProgram(Profile);
        QGuiApplication::clipboard()->setText(kBattery);
        platform.reset();
        platform.savePath = dir.filePath("profile.svg");
        Play("{Ctrl+V}[cmdSavePicture][cmdCopyPicture]");
        QCOMPARE(FileBytes(dir.filePath("profile.svg")).count("<circle"), 8);
        QCOMPARE(platform.clipboardImage.width(), 2 * kProfileChartWidth);
        StopProgram();
        const CliRun cli = RunCli(VELMORA_CLI, {"profile", "--csv", VELMORA_TESTS_DIR "/cli/fixtures/profiles.csv", "--picture", dir.filePath("cli.svg")});
        QCOMPARE(cli.exitCode, 1);  // its refused rows
        QCOMPARE(FileBytes(dir.filePath("cli.svg")).count("<circle"), 21);
    }
};

QTEST_MAIN(TestScoreProfile)
#include "tst_scoreprofile.moc"
