#include <QtTest>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "agreement.h"
#include "rows.h"
#include "workedexamples.h"

// config: the fixtures' folder that stands for ~/.config, where Velmora keeps its norm sets.
struct CliRow { const char* name; QStringList arguments; QByteArray input; QByteArray output; QByteArray errors; int status; const char* config = "config"; };
Q_DECLARE_METATYPE(CliRow)

const QByteArray kScored =
    "z-score              1.00\npercentile           84.1\nt                    0.9535\nadjusted percentile  81.7\n"
    "95% CI               58.5 to 96.0 (% below the score)\nz-CC                 1.00 (95% CI 0.21 to 1.75)\nlabel                High average score\n";
QByteArray Fixture(const char* name) {
    QFile file(VELMORA_TESTS_DIR "/cli/fixtures/" + QString(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<no fixture " + QByteArray(name) + ">";
}

const QByteArray kReversed =
    "z-score              -1.00\npercentile           15.9\nt                    -0.9535\nadjusted percentile  18.3\n"
    "95% CI               4.0 to 41.5 (% above the score)\nz-CC                 -1.00 (95% CI -1.75 to -0.21)\n";
const QByteArray kHelp = " (velmora-cli --help tells more)\n";
// The order of day, month and year in the regional settings the test runs in, en_US or de_DE.
const bool kDayFirst = QLocale::system().decimalPoint() == ",";
const QByteArray kRegionalOrder = kDayFirst ? "dates read as        dmy (day.month.year)\n" : "dates read as        mdy (month/day/year)\n";
const QByteArray kBom = "\xEF\xBB\xBF";

// velmora-cli as it is run: arguments and standard input, then standard output, standard error and exit status.
// The windows' figures hold digit for digit, with "." in every locale.
const CliRow kRows[] = {
    {"one score with the t-test", {"score", "115", "--mean", "100", "--sd", "15", "--n", "10"}, "", kScored, "", 0},
    {"reversed, its interval says so", {"score", "115", "--mean", "100", "--sd", "15", "--n", "10", "--reverse", "--labels", "none"}, "",
     kReversed, "", 0},
    {"one conversion prints its result", {"convert", "1.96", "--from", "z", "--to", "percentile", "--labels", "none"}, "", "97.5\n", "", 0},
    {"and its label", {"convert", "1.96", "--from", "z", "--to", "percentile", "--labels", "wechsler"}, "", "97.5\nlabel                Very high\n", "", 0},
    {"one age", {"age", "17 sep 98", "2018-01-14"}, "", "years                19\nmonths               3\ndays                 27\nage                  19 - 3 - 27\n"
     "months and days      231 months 27 days\n" + kRegionalOrder, "", 0},
    {"a value that is not entirely a number", {"score", "12abc", "--mean", "100", "--sd", "15"}, "", "", "velmora-cli: raw is not a number: 12abc\n", 1},
    {"the window's message", {"convert", "100", "--from", "percentile", "--to", "z"}, "", "",
     "velmora-cli: Please enter a percentile that is greater than 0 and less than 100.\n", 1},
    {"an unknown command", {"frob"}, "", "", "velmora-cli: unknown command frob" + kHelp, 2},
    {"a missing option", {"score", "115", "--mean", "100"}, "", "", "velmora-cli: missing --sd" + kHelp, 2},
    {"an unreadable file", {"age", "--csv", "/no/such/file"}, "", "", "velmora-cli: cannot read /no/such/file: No such file or directory" + kHelp, 2},
    {"a file without a needed column", {"convert", "--csv"}, "value,from\n1,z\n", "", "velmora-cli: the file has no column \"to\"" + kHelp, 2},
    // From a file: quoting both ways, line ends of either kind, bad rows kept with their error.
    {"scores from a file", {"score", "--csv", "-"}, Fixture("scores.csv"), Fixture("scores.expected.csv"), Fixture("scores.expected.txt"), 1},
    {"conversions from a file", {"convert", "--csv"}, Fixture("conversions.csv"), Fixture("conversions.expected.csv"),
     Fixture("conversions.expected.txt"), 1},
    {"ages from a file", {"age", "--csv"}, Fixture("ages.csv"), Fixture("ages.expected.csv"), Fixture("ages.expected.txt"), 1},
    {"ages corrected for prematurity", {"age", "--csv"}, Fixture("preterm.csv"), Fixture("preterm.expected.csv"), Fixture("preterm.expected.txt"), 1},
    {"one corrected age", {"age", "2024-01-10", "2024-09-15", "--gestation", "30+2"}, "",
     "years                0\nmonths               8\ndays                 5\nage                  0 - 8 - 5\nmonths and days      8 months 5 days\n"
     "due date             2024-03-18\ncorrected age        0 - 5 - 27\ncorrected in months  5 months 27 days\n" + kRegionalOrder, "", 0},
    // Three numbers are a date in the order given, or else the regional settings' order, and the output says which.
    {"the regional order", {"age", "02.10.2025", "2026-12-07"}, "", QByteArray(kDayFirst ? "years                1\nmonths               2\n"
     "days                 5\nage                  1 - 2 - 5\nmonths and days      14 months 5 days\n" : "years                1\n"
     "months               9\ndays                 27\nage                  1 - 9 - 27\nmonths and days      21 months 27 days\n") + kRegionalOrder, "", 0},
    {"day first, as given", {"age", "02.10.2025", "2026-12-07", "--date-order", "dmy"}, "", "years                1\nmonths               2\n"
     "days                 5\nage                  1 - 2 - 5\nmonths and days      14 months 5 days\ndates read as        dmy (day.month.year)\n", "", 0},
    {"the year first, of two digits", {"age", "25/10/02", "2026-12-07", "--date-order", "ymd"}, "", "years                1\nmonths               2\n"
     "days                 5\nage                  1 - 2 - 5\nmonths and days      14 months 5 days\ndates read as        ymd (year-month-day)\n", "", 0},
    {"a file's order, its byte-order mark kept", {"age", "--csv", "--date-order", "mdy"}, kBom + "birth,test\n10/02/2025,2026-12-07\n",
     kBom + "birth,test,years,months,days,age,total_months,error\n10/02/2025,2026-12-07,1,2,5,1 - 2 - 5,14,\n", "", 0},
    // Score intervals and reliable change.
    {"one score interval", {"interval", "35", "--scale", "t", "--reliability", ".80", "--level", "90", "--centre", "true"}, "",
     "percentile           6.7\nscaled score         6\nstandard score       78\nT-score              35\nz-score              -1.50\n"
     "stanine              2\nsten                 3\nNCE                  18\nlabel                Below average score\n"
     "estimated true score 38.0\n90% CI               31 to 45\npercentiles          3.2 to 29.4\n", "", 0},
    {"score intervals from a file", {"interval", "--csv"}, Fixture("intervals.csv"), Fixture("intervals.expected.csv"),
     Fixture("intervals.expected.txt"), 1},
    {"one reliable change, the methods its entries allow", {"change", "104", "96", "--sd1", "13.8", "--sd2", "15", "--r", ".95"}, "",
     "Jacobson & Truax (1991)      expected 104.00, SE 4.36, z -1.83, p 0.067: No reliable change\n"
     "Iverson (2001)               expected 104.00, SE 4.56, z -1.76, p 0.079: No reliable change\n", "", 0},
    {"reliable change from a file", {"change", "--csv"}, Fixture("changes.csv"), Fixture("changes.expected.csv"),
     Fixture("changes.expected.txt"), 1},
    // Score differences, against the norms unless --against says controls.
    {"one difference against the norms", {"difference", "112", "94", "--scale", "standard", "--rxx", ".94", "--ryy", ".88", "--rxy", ".45"}, "",
     "difference           18\ncritical difference  12.47 (95%)\nsignificant          yes\nbase rate            12.6% (25.3% either direction)\n", "", 0},
    {"one against controls at 90%", {"difference", "-3.857", "-1.875", "--against", "controls", "--mx", "0", "--sx", "1", "--my", "0", "--sy", "1",
                                     "--r", ".68", "--n", "20", "--level", "90"}, "",
     "z x                  -3.86\nz y                  -1.88\nZ-DCC                -2.48\nt                    -2.30 (19 df)\np                    0.033\n"
     "more extreme         1.65% of controls\nverdict              Significant difference (90%)\n", "", 0},
    {"a second score left out is no option", {"difference", "112", "--scale", "standard"}, "", "", "velmora-cli: missing y" + kHelp, 2},
    {"the controls' columns need --against controls", {"difference", "--csv"}, "x,y,mx,sx,my,sy,r,n\n1,2,0,1,0,1,.5,10\n", "",
     "velmora-cli: the file has no column \"scale\"" + kHelp, 2},
    {"an unknown choice", {"difference", "1", "2", "--against", "both"}, "", "",
     "velmora-cli: --against: both not in {norms,controls}" + kHelp, 2},
    {"differences from a file", {"difference", "--csv"}, Fixture("differences.csv"), Fixture("differences.expected.csv"),
     Fixture("differences.expected.txt"), 1},
    {"dissociations from a file", {"difference", "--against", "controls", "--csv", "-"}, Fixture("dissociations.csv"),
     Fixture("dissociations.expected.csv"), Fixture("dissociations.expected.txt"), 1},
    // A battery's profile: the interval's texts with a reliability, the converter's without; a picture only as SVG or PNG.
    {"one profile row", {"profile", "112", "--test", "IQ", "--scale", "standard", "--reliability", ".95", "--level", "90"}, "",
     "percentile           78.8\nstandard score       112\nlabel                High average score\n90% CI               106 to 118\n", "", 0},
    {"and without a reliability", {"profile", "7", "--test", "Digit Span", "--scale", "scaled", "--labels", "none"}, "",
     "percentile           15.9\nstandard score       85\n", "", 0},
    {"a battery from a file", {"profile", "--csv"}, Fixture("profiles.csv"), Fixture("profiles.expected.csv"), Fixture("profiles.expected.txt"), 1},
    {"a picture of another kind", {"profile", "--csv", "--picture", "profile.pdf"}, "", "",
     "velmora-cli: --picture must name a .svg or .png file: profile.pdf" + kHelp, 2},
    {"a picture that cannot be written", {"profile", "100", "--test", "A", "--scale", "standard", "--picture", "/no/such/folder/p.svg"}, "",
     "percentile           50.0\nstandard score       100\nlabel                Average score\n",
     "velmora-cli: the picture could not be written to /no/such/folder/p.svg: No such file or folder\n", 1},
    // A whole file of one kind, and European spreadsheets.
    {"options serve as the columns a file lacks, a column wins", {"convert", "--csv", "--from", "scaled", "--to", "percentile", "--labels", "none"},
     "id,value,to\na,13,\nb,13,z\n", "id,value,to,result,error\na,13,,,\"to must be percentile, scaled, standard, t or z: \"\nb,13,z,1.00,\n",
     "line 2: to must be percentile, scaled, standard, t or z: \n", 1},
    {"score norms from the command line", {"score", "--csv", "--mean", "100", "--sd", "15", "--n", "10", "--reverse", "--labels", "none"},
     "raw\n115\n", "raw,z,percentile,t,adjusted_percentile,ci_low,ci_high,zcc,zcc_low,zcc_high,error\n"
     "115,-1.00,15.9,-0.9535,18.3,4.0,41.5,-1.00,-1.75,-0.21,\n", "", 0},
    {"semicolons and decimal commas", {"score", "--csv", "--delimiter", ";", "--decimal-comma", "--labels", "none"},
     "id;raw;mean;sd\na;13,5;10;1,5\nb;13.5;10;1,5\n", "id;raw;mean;sd;z;percentile;error\na;13,5;10;1,5;2,33;99,0;\n"
     "b;13.5;10;1,5;;;raw is not a number: 13.5\n", "line 3: raw is not a number: 13.5\n", 1},
    {"a semicolon header without the option", {"convert", "--csv"}, "value;from;to\n1;z;t\n", "",
     "velmora-cli: the header has semicolons between its columns: give --delimiter ';' (and --decimal-comma for numbers written "
     "with a comma)" + kHelp, 2},
    {"tabs for pasting", {"convert", "--csv", "--tsv", "--labels", "none"}, "value,from,to\n1,z,t\n", "value\tfrom\tto\tresult\terror\n1\tz\tt\t60\t\n", "", 0},
    {"a value and a file at once", {"convert", "5", "--csv", "--from", "z", "--to", "t"}, "", "", "velmora-cli: --csv takes VALUE from the file" + kHelp, 2},
    {"labels at the band edges from every scale", {"convert", "--csv"}, Fixture("labels.csv"), Fixture("labels.aacn.csv"), "", 0},
    {"and in the Wechsler system", {"convert", "--csv", "-", "--labels", "wechsler"}, Fixture("labels.csv"), Fixture("labels.wechsler.csv"), "", 0},
    // Norm sets saved in Velmora, named in any letter case; a set's n brings the t-test, its Reverse the interval's side.
    {"a saved norm set with n", {"score", "115", "--norms", "wms local"}, "", kScored, "", 0},
    {"a reversed one", {"score", "115", "--norms", "Trails Local", "--labels", "none"}, "", kReversed, "", 0},
    {"one without n", {"score", "85", "--norms", "Stroop", "--labels", "none"}, "", "z-score              -1.00\npercentile           15.9\n", "", 0},
    {"a set and its own numbers at once", {"score", "115", "--norms", "Stroop", "--mean", "90", "--reverse"}, "", "",
     "velmora-cli: norm set \"Stroop\" gives mean, sd, n and reverse; leave out mean, reverse\n", 1},
    {"an unknown set", {"score", "115", "--norms", "WMS"}, "", "", "velmora-cli: no norm set named \"WMS\"\n", 1},
    {"a name beyond ASCII, as typed", {"score", "85", "--norms", "Wortflüssigkeit", "--labels", "none"}, "",
     "z-score              -1.00\npercentile           15.9\n", "", 0},
    {"sets named in a column", {"score", "--csv"}, Fixture("normed.csv"), Fixture("normed.expected.csv"), Fixture("normed.expected.txt"), 1},
    {"a set for every row brings the t-test's columns", {"score", "--csv", "--norms", "Stroop", "--labels", "none"}, "raw\n85\n",
     "raw,z,percentile,t,adjusted_percentile,ci_low,ci_high,zcc,zcc_low,zcc_high,error\n85,-1.00,15.9,,,,,,,,\n", "", 0},
    {"a NUL byte told whole, fields past the header told, not dropped", {"convert", "--csv", "--labels", "none"},
     "value,from,to\n1" + QByteArray(1, 0) + "x,z,t\nx,z,t,\"y,z\"\n", "value,from,to,result,error\n1" + QByteArray(1, 0) +
     "x,z,t,,value is not a number: 1" + QByteArray(1, 0) + "x\nx,z,t,,\"the row has more fields than the header: \"\"y,z\"\"\"\n",
     "line 2: value is not a number: 1" + QByteArray(1, 0) + "x\nline 3: the row has more fields than the header: \"y,z\"\n", 1},
    // A row is read to 1 MB at most: past it the row fails, and reading goes on at the next line.
    {"a file that ends inside a quote fails its last row", {"convert", "--csv", "--labels", "none"}, "value,from,to\n1,z,t\n\"2,z,t\n3,z,t\n",
     "value,from,to,result,error\n1,z,t,60,\n\"2,z,t\n3,z,t\n\",,,,the file ends inside a quoted field: an unmatched quote?\n",
     "line 3: the file ends inside a quoted field: an unmatched quote?\n", 1},
    {"a stray quote, and a line of 1 MB", {"convert", "--csv", "--labels", "none"}, "value,from,to\n1,z,t\n\"2" + QByteArray(1 << 20, 'x') +
     "\n4,z,t\n5" + QByteArray(1 << 20, '0') + ",z,t\n6,z,t\n", "value,from,to,result,error\n1,z,t,60,\n,,,,a quoted field runs past 1 MB: an "
     "unmatched quote?\n4,z,t,90,\n,z,t,,the row runs past 1 MB\n6,z,t,110,\n",
     "line 3: a quoted field runs past 1 MB: an unmatched quote?\nline 5: the row runs past 1 MB\n", 1},
    {"a damaged norms file is read, never set aside", {"score", "115", "--norms", "Stroop"}, "", "", "velmora-cli: the norm sets file "
     VELMORA_TESTS_DIR "/cli/fixtures/damaged/Velmora/norms.csv cannot be used: Line 1: there is no column \"sd\"; the first line must name "
     "the columns name, mean and sd (n, reverse, source, ages and notes may follow).\n", 1, "damaged"},
};

// A run whose output or input fails ends with exit status 2 and names the file. Standard output goes to
// the file named, or is closed when that is empty.
struct StreamRow { const char* name; QStringList arguments; QByteArray input; const char* output; QByteArray errors; };
Q_DECLARE_METATYPE(StreamRow)
const QByteArray kFull = "velmora-cli: cannot write standard output: No space left on device\n";
const StreamRow kStreamRows[] = {
    {"one value to a full disk", {"convert", "1", "--from", "z", "--to", "t"}, "", "/dev/full", kFull},
    {"a file's last rows to a full disk", {"convert", "--csv"}, "value,from,to\n1,z,t\n", "/dev/full", kFull},
    {"and its first ones", {"convert", "--csv"}, "value,from,to\n" + QByteArray("1,z,t\n").repeated(200000), "/dev/full", kFull},
    {"a closed output", {"convert", "--csv"}, "value,from,to\n1,z,t\n", "", "velmora-cli: cannot write standard output: Bad file descriptor\n"},
    {"a read error", {"convert", "--csv", "/proc/self/mem"}, "", nullptr, "velmora-cli: cannot read /proc/self/mem: Input/output error\n"},
    {"a folder", {"convert", "--csv", "/"}, "", nullptr, "velmora-cli: / is a folder, not a file" + kHelp},
};

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void runs_data() { AddRows(kRows); }
    void runs() {
        QFETCH(CliRow, row);
        const CliRun cli = RunCli(VELMORA_CLI, row.arguments, row.input, VELMORA_TESTS_DIR "/cli/fixtures/" + QString(row.config));
        QCOMPARE(cli.output, row.output);
        QCOMPARE(cli.errors, row.errors);
        QCOMPARE(cli.exitCode, row.status);
    }

    void failedStreams_data() { AddRows(kStreamRows); }
    void failedStreams() {
#ifndef Q_OS_UNIX
        QSKIP("Linux's /dev/full and /proc, not Windows'");
#else
        if (QString(VELMORA_CLI).endsWith(".sh")) QSKIP("Linux's /dev/full and /proc, not Windows'");
        QFETCH(StreamRow, row);
        QProcess cli;
        if (!row.output) cli.setStandardOutputFile(QProcess::nullDevice());
        else if (*row.output) cli.setStandardOutputFile(row.output);
        else cli.setChildProcessModifier([] { ::close(1); });
        cli.start(VELMORA_CLI, row.arguments);
        cli.write(row.input);
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.readAllStandardError(), row.errors);
        QCOMPARE(cli.exitCode(), 2);
#endif
    }

    // A stray quote early in 64 MB of rows, with 48 MB of memory to run in: the rows after it are read.
    void aStrayQuoteNeedsNoMoreMemory() {
#ifdef Q_OS_UNIX
        if (QString(VELMORA_CLI).endsWith(".sh")) QSKIP("a limit on Linux's memory, not Windows'");
#ifdef __SANITIZE_ADDRESS__
        QSKIP("AddressSanitizer's shadow memory alone is more than the limit");
#endif
        QProcess cli;
        cli.setChildProcessModifier([] {
            const rlimit data{48 << 20, 48 << 20};
            ::setrlimit(RLIMIT_DATA, &data);
        });
        cli.start(VELMORA_CLI, {"convert", "--csv", "--labels", "none"});
        cli.write("value,from,to\n1,z,t\n\"2,z,t\n" + QByteArray("3,z,t\n").repeated(11 << 20) + "4,z,t\n");
        cli.closeWriteChannel();
        QByteArray output;
        while (cli.state() != QProcess::NotRunning && cli.waitForReadyRead(30000)) output = output.right(64) + cli.readAllStandardOutput();
        cli.waitForFinished();
        output = output.right(64) + cli.readAllStandardOutput();
        QCOMPARE(cli.readAllStandardError(), "line 3: a quoted field runs past 1 MB: an unmatched quote?\n");
        QVERIFY(output.endsWith("\n3,z,t,80,\n4,z,t,90,\n"));
        QCOMPARE(cli.exitCode(), 1);
#endif
    }

    // Each worked example of the manual, filled in as the manual is built, is what velmora-cli gives
    // for the same fields from a file.
    void theManualsExamplesAreVelmoraClis() {
        QFile manual(VELMORA_TESTS_DIR "/../docs/manual.md");
        QVERIFY(manual.open(QIODevice::ReadOnly));
        static const QRegularExpression example("\\{\\{(score|convert|age|interval|change|difference|profile) ([^}]*) : ([^}]*)\\}\\}");
        int compared = 0;
        for (const auto& match : example.globalMatch(QString::fromUtf8(manual.readAll()))) {
            QStringList arguments = {match.captured(1), "--csv", "-"}, names, values;
            for (const QString& field : match.captured(2).split(' ', Qt::SkipEmptyParts)) {
                if (field.startsWith("labels=") || field.startsWith("against=")) arguments << "--" + field.section('=', 0, 0) << field.section('=', 1);
                else names << field.section('=', 0, 0), values << field.section('=', 1);
            }
            const CliRun cli = RunCli(VELMORA_CLI, arguments, (names.join(',') + '\n' + values.join(',') + '\n').toUtf8());
            QVERIFY2(cli.exitCode == 0, cli.errors.constData());
            const QStringList lines = QString::fromUtf8(cli.output).split('\n');
            const QStringList header = CsvFields(lines.value(0)), row = CsvFields(lines.value(1));
            QString expected = match.captured(3);
            // The longest names first, so that $ci_low is never read as $ci.
            QStringList columns = header;
            std::sort(columns.begin(), columns.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
            for (const QString& column : columns) expected.replace('$' + column, row.value(header.indexOf(column)));
            QCOMPARE(QString::fromStdString(helpdoc::FillWorkedExamples(match.captured(0).toStdString(), "").text), expected);
            ++compared;
        }
        QVERIFY(compared >= 60);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
