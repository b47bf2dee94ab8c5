#include <QProcess>
#include <QtTest>

#include "rows.h"

struct CliRow { const char* name; QStringList arguments; QByteArray input; QByteArray output; QByteArray errors; int status; };
Q_DECLARE_METATYPE(CliRow)

const QByteArray kScored =
    "z-score              1.00\npercentile           84.1\nt                    0.9535\nadjusted percentile  81.7\n"
    "95% CI               58.5 to 96.0\nz-CC                 1.00 (95% CI 0.21 to 1.75)\n";
const QByteArray kHelp = " (velmora-cli --help tells more)\n";

// velmora-cli as it is run: arguments and standard input, then standard output, standard error and exit status.
// The windows' figures hold digit for digit, with "." in every locale.
const CliRow kRows[] = {
    {"one score with the t-test", {"score", "115", "--mean", "100", "--sd", "15", "--n", "10"}, "", kScored, "", 0},
    {"one conversion prints its result", {"convert", "1.96", "--from", "z", "--to", "percentile"}, "", "97.5\n", "", 0},
    {"one age", {"age", "17 sep 98", "2018-01-14"}, "", "years                19\nmonths               3\ndays                 27\nage                  19 - 3 - 27\n", "", 0},
    {"a value that is not entirely a number", {"score", "12abc", "--mean", "100", "--sd", "15"}, "", "", "velmora-cli: raw is not a number: 12abc\n", 1},
    {"the window's message", {"convert", "100", "--from", "percentile", "--to", "z"}, "", "",
     "velmora-cli: Please enter a percentile that is greater than 0 and less than 100.\n", 1},
    {"an unknown command", {"frob"}, "", "", "velmora-cli: unknown command frob" + kHelp, 2},
    {"a missing option", {"score", "115", "--mean", "100"}, "", "", "velmora-cli: missing --sd" + kHelp, 2},
    {"an unreadable file", {"age", "--csv", "/no/such/file"}, "", "", "velmora-cli: cannot read /no/such/file: No such file or directory" + kHelp, 2},
    {"a file without a needed column", {"convert", "--csv"}, "value,from\n1,z\n", "", "velmora-cli: the file has no column \"to\"" + kHelp, 2},
    {"scores from a file: quoting both ways, bad rows kept", {"score", "--csv", "-"},
     "Name,raw,mean,SD,n,reverse,decimals\r\n\"Smith, \"\"J\"\"\",115,100,15,10,no,1\r\n"
     "b,115,100,15,10,yes,1\nc,85,100,15,,0,2\nd,12abc,100,15,,,\ne,1,2,0,,,\n\"f\ng\",130,100,15,5,,2\nh,1,2,3,1.4,,\ni,1,2,3,,maybe,\nj,1,2,3,,,5\n",
     "Name,raw,mean,SD,n,reverse,decimals,z,percentile,t,adjusted_percentile,ci_low,ci_high,zcc,zcc_low,zcc_high,error\n"
     "\"Smith, \"\"J\"\"\",115,100,15,10,no,1,1.00,84.1,0.9535,81.7,58.5,96.0,1.00,0.21,1.75,\n"
     "b,115,100,15,10,yes,1,-1.00,15.9,-0.9535,18.3,4.0,41.5,-1.00,-1.75,-0.21,\n"
     "c,85,100,15,,0,2,-1.00,15.87,,,,,,,,\n"
     "d,12abc,100,15,,,,,,,,,,,,,raw is not a number: 12abc\n"
     "e,1,2,0,,,,,,,,,,,,,The standard deviation cannot equal zero.\n"
     "\"f\ng\",130,100,15,5,,2,2.00,97.72,1.8257,92.9,64.85,99.98,2.00,0.38,3.57,\n"
     "h,1,2,3,1.4,,,,,,,,,,,,The normative sample size must be greater than 1.\n"
     "i,1,2,3,,maybe,,,,,,,,,,,\"reverse must be 0 or 1, true or false, yes or no: maybe\"\n"
     "j,1,2,3,,,5,,,,,,,,,,decimals must be a whole number from 0 to 4: 5\n",
     "line 5: raw is not a number: 12abc\nline 6: The standard deviation cannot equal zero.\n"
     "line 9: The normative sample size must be greater than 1.\nline 10: reverse must be 0 or 1, true or false, yes or no: maybe\n"
     "line 11: decimals must be a whole number from 0 to 4: 5\n", 1},
    {"conversions from a file", {"convert", "--csv"},
     "value,from,to,decimals\n1,z,percentile,\n97.5,percentile,z,\n45,T,standard,\n0,percentile,z,\n21,scaled,t,\n\"1,5\",z,t,\n1,z,t,,extra\n,z,t,\n5,z,stanine,\n",
     "value,from,to,decimals,result,error\n1,z,percentile,,84.1,\n97.5,percentile,z,,1.96,\n45,T,standard,,92,\n"
     "0,percentile,z,,,Please enter a percentile that is greater than 0 and less than 100.\n"
     "21,scaled,t,,,Scaled score values must be between 1 and 20\n"
     "\"1,5\",z,t,,,\"value is not a number: 1,5\"\n1,z,t,,,the row has more fields than the header\n,z,t,,,value is empty\n"
     "5,z,stanine,,,\"to must be percentile, scaled, standard, t or z: stanine\"\n",
     "line 5: Please enter a percentile that is greater than 0 and less than 100.\nline 6: Scaled score values must be between 1 and 20\n"
     "line 7: value is not a number: 1,5\nline 8: the row has more fields than the header\nline 9: value is empty\n"
     "line 10: to must be percentile, scaled, standard, t or z: stanine\n", 1},
    {"ages from a file", {"age", "--csv"}, "birth,test\n1998-09-17,2018-01-14\n2010-01-01,2010-12-31\nFeb 30 2000,2001-01-01\n2010-05-10,2010-05-09\n",
     "birth,test,years,months,days,age,error\n1998-09-17,2018-01-14,19,3,27,19 - 3 - 27,\n2010-01-01,2010-12-31,0,11,30,0 - 11 - 30,\n"
     "Feb 30 2000,2001-01-01,,,,,Invalid Date\n2010-05-10,2010-05-09,,,,,The test date cannot be less than the birth date.\n",
     "line 4: Invalid Date\nline 5: The test date cannot be less than the birth date.\n", 1},
};

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void runs_data() { AddRows(kRows); }
    void runs() {
        QFETCH(CliRow, row);
        QProcess cli;
        cli.start(VELMORA_CLI, row.arguments);
        cli.write(row.input);
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.readAllStandardOutput(), row.output);
        QCOMPARE(cli.readAllStandardError(), row.errors);
        QCOMPARE(cli.exitCode(), row.status);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
