#include <QtTest>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <list>

#include "age/dateparse.h"
#include "common/operation.h"
#include "rows.h"
#include "cli/commands.h"
#include "session/sessionexport.h"
#include "session/sessionfile.h"

using namespace modVelmora;
using Rows = QList<SessionRow>;

QDateTime At(int second, int offsetMinutes = 60, int ms = 0) {
    return QDateTime(QDate(2026, 12, 6), QTime(14, 3, second, ms), Qt::OffsetFromUTC, offsetMinutes * 60);
}
SessionRow Score(QDateTime time = At(27)) {
    return {time, "score", "WAIS-IV Vocabulary", "raw 23, mean 31,4, SD 5,2, n 18", "z -1,58\npercentile 5,7",
            {{"raw", "23"}, {"mean", "31.4"}, {"sd", "5.2"}, {"n", "18"}, {"z", "-1.58"}, {"percentile", "5.7"}}};
}
SessionRow Age() { return {At(30), "age", "", "born 1.2.2019", "7;10;5", {{"birth", "2019-02-01"}, {"test", "2026-12-06"}, {"years", "7"}}}; }
SessionRow With(SessionRow row, void (*change)(SessionRow&)) { return change(row), row; }

struct EqualRow { const char* name; SessionRow a, b; bool equal; };
struct DamageRow { const char* name; const char* replace; const char* with; const char* reason; };
struct CsvRow { const char* name; Rows rows; QStringList order; QString csv; };
struct TableRow { const char* name; QList<QStringList> table; QString tabbed, html; };
// The files as a session's steps left them: two rows added, the whole copy written, a test named and a row deleted.
struct Steps { QString json, journal; QByteArray journalBefore, copy, marker, lastTwo; };
struct JournalRow { const char* name; void (*tamper)(const Steps&); int rows; qsizetype aside; bool tooLarge; const char* damage; };
Q_DECLARE_METATYPE(EqualRow) Q_DECLARE_METATYPE(DamageRow) Q_DECLARE_METATYPE(CsvRow) Q_DECLARE_METATYPE(TableRow) Q_DECLARE_METATYPE(JournalRow)

// velmora-cli's columns, in the order a saved session gives them.
QStringList CliColumnOrder() {
    QStringList order;
    for (const std::string_view column : cli::ColumnOrder()) order << QString::fromLatin1(column.data(), qsizetype(column.size()));
    return order;
}

const EqualRow kEqualRows[] = {
    {"another millisecond of the same second", Score(At(27, 60, 0)), Score(At(27, 60, 999)), true}, {"the next second", Score(At(27)), Score(At(28)), false},
    {"the same instant at another offset", Score(At(27, 60)), Score(At(27, 60).toOffsetFromUtc(7200)), false},
    {"another value", Score(), With(Score(), [](SessionRow& r) { r.fields[0].second = "24"; }), false},
    {"fields in another order", Score(), With(Score(), [](SessionRow& r) { std::swap(r.fields[0], r.fields[1]); }), false},
};

// Each case changes one thing in a whole, valid session text.
const char* const kSession = R"({"format": 1, "rows": [{"time": "2026-12-06T14:03:27+01:00", "module": "score", "test": "A",
  "entry": "raw 23", "results": "z 1", "fields": [["raw", "23"], ["z", "1"]]}]})";
const DamageRow kDamageRows[] = {
    {"the untouched text is a session", "", "", ""}, {"cut short", "]}]}", "]}", "not JSON"}, {"no bytes", kSession, "", "not JSON"},
    {"bytes that are not UTF-8", "\"A\"", "\"\xff\"", "not JSON"}, {"a list, not an object", kSession, "[]", "not an object"},
    {"format 3", "\"format\": 1", "\"format\": 3", "format"}, {"format as text", "\"format\": 1", "\"format\": \"1\"", "format"},
    {"no format", "\"format\": 1,", "", "not an object"}, {"a key of its own", "\"format\": 1", "\"format\": 1, \"x\": 0", "not an object"},
    {"rows not a list", kSession, "{\"format\": 1, \"rows\": {}}", "\"rows\" is not a list"}, {"a row that is a text", R"("rows": [)", R"("rows": ["r", )", "row 1:"},
    {"a row without fields", R"(, "fields": [["raw", "23"], ["z", "1"]])", "", "row 1: not an object"},
    {"a row with a key of its own", "\"test\": \"A\"", "\"test\": \"A\", \"note\": \"\"", "row 1: not an object"},
    {"a test that is a number", "\"test\": \"A\"", "\"test\": 1", "\"test\" is not a text"},
    {"a time without offset", "27+01:00", "27", "the time"}, {"a time with milliseconds", "27+01:00", "27.000+01:00", "the time"},
    {"an offset of -00:00", "27+01:00", "27-00:00", "the time"}, {"30 February", "2026-12-06", "2026-02-30", "the time"},
    {"hour 24", "14:03:27", "24:00:00", "the time"}, {"a date alone", "2026-12-06T14:03:27+01:00", "2026-12-06", "the time"},
    {"a module in capitals", "\"score\"", "\"Score\"", "unknown module"}, {"a field name with a capital", "\"raw\"", "\"raW\"", "lowercase"},
    {"a field name from a digit", "\"raw\"", "\"1raw\"", "lowercase"}, {"an empty field name", "\"raw\"", "\"\"", "lowercase"},
    {"a field named twice", "[\"z\", \"1\"]", "[\"raw\", \"1\"]", "comes twice"}, {"a field of three texts", "[\"z\", \"1\"]", "[\"z\", \"1\", \"\"]", "pair"},
    {"a field's value a number", "[\"z\", \"1\"]", "[\"z\", 1]", "pair"}, {"fields as an object", "\"fields\": [[\"raw\", \"23\"], [\"z\", \"1\"]]", "\"fields\": {}", "\"fields\" is not a list"},
    {"format 2 without patients", "\"format\": 1", "\"format\": 2", "not an object"},
    {"a row's patient in format 1", "\"test\": \"A\"", "\"test\": \"A\", \"patient\": 0", "row 1: not an object"},
    {"a patient the list lacks", "\"format\": 1, \"rows\": [{", "\"format\": 2, \"patients\": [\"\"], \"rows\": [{\"patient\": 1, ", "patient 1 is not one"},
    {"an identifier over 60 characters", "\"format\": 1, \"rows\": [{", "\"format\": 2, \"patients\": [\"123456789012345678901234567890123456789012345678901234567890X\"], "
     "\"rows\": [{\"patient\": 0, ", "longer than 60"},
    {"half a surrogate pair in a text", "\"A\"", "\"\\ud800\"", "Unicode"}, {"half a surrogate pair in a value", "\"23\"", "\"\\udfff\"", "Unicode"},
};

const CsvRow kCsvRows[] = {
    {"fields quoted where they hold a comma, quote, CR or LF", {{At(1), "convert", "a,b", "", "", {{"value", "say \"hi\""}, {"from", "x\ny"}, {"to", "c\rd"}, {"result", "1.5"}}}}, {},
     "time,patient,module,test,value,from,to,result\n2026-12-06T14:03:01,,convert,\"a,b\",\"say \"\"hi\"\"\",\"x\ny\",\"c\rd\",1.5\n"},
    {"velmora-cli's order, other names after as first met, absent fields empty",
     {{At(2), "convert", "", "", "", {{"result", "9"}, {"value", "1"}, {"note", "x"}}}, {At(3), "score", "", "", "", {{"z", "2"}, {"extra", "y"}, {"raw", "4"}}}},
     CliColumnOrder(), "time,patient,module,test,raw,z,value,result,note,extra\n2026-12-06T14:03:02,,convert,,,,1,9,x,\n2026-12-06T14:03:03,,score,,4,2,,,,y\n"},
    {"formulas kept as text, numbers as they are", {{At(7), "score", "=1+1", "", "", {{"raw", "-12"}, {"label", "-x"}, {"z", "+1.5e3"}, {"n", "@ 2"}}}}, {},
     "time,patient,module,test,raw,label,z,n\n2026-12-06T14:03:07,,score,'=1+1,-12,'-x,+1.5e3,'@ 2\n"},
    {"age's test date under a name of its own", {Age()}, CliColumnOrder(), "time,patient,module,test,birth,age_test,years\n2026-12-06T14:03:30,,age,,2019-02-01,2026-12-06,7\n"},
    {"interval's centre and its true score, each in its place", {{At(6), "interval", "", "", "", {{"score", "130"}, {"centre", "true"}, {"label", "x"}, {"true_score", "127.0"}, {"low", "118"}}}},
     CliColumnOrder(), "time,patient,module,test,label,score,centre,true_score,low\n2026-12-06T14:03:06,,interval,,x,130,true,127.0,118\n"},
    {"times as the clock showed them where each row was made", {Score(At(4, -300)), Score(At(5, 330))}, {"z"},
     "time,patient,module,test,z,raw,mean,sd,n,percentile\n2026-12-06T14:03:04,,score,WAIS-IV Vocabulary,-1.58,23,31.4,5.2,18,5.7\n"
     "2026-12-06T14:03:05,,score,WAIS-IV Vocabulary,-1.58,23,31.4,5.2,18,5.7\n"},
};

// A result computed from its entry's fields, then read as a report: the table's line (with "," for the
// decimal point) and the sentence.
struct ReportRow { const char* name; const char* command; const char* entry; const char* test; const char* line; const char* sentence; };
Q_DECLARE_METATYPE(ReportRow)
const ReportRow kReportRows[] = {
    {"a conversion gives the percentile", "convert", "value=13 from=scaled to=percentile", "Vocabulary", "Scaled Score 13 | 84,1 |  | High average score | ",
     "Vocabulary: scaled score 13, 84th percentile, High average score."},
    {"from a percentile, the score is the other side", "convert", "value=97.5 from=percentile to=t", "", "T-Score 70 | 97,5 |  | Above average score | ",
     "T-score 70, 98th percentile, Above average score."},
    {"between two scores, the second in the details", "convert", "value=1.5 from=z to=standard", "", "Z-Score 1,5 |  |  | Above average score | Standard Score 122",
     "Z-score 1,5, Above average score."},
    {"an interval on the score's scale", "interval", "score=78 scale=standard reliability=.96", "FSIQ",
     "Standard Score 78 | 7,1 | 72 to 84 | Below average score | 95% confidence, reliability ,96; percentiles 3,2 to 14,1",
     "FSIQ: standard score 78 (95% CI 72 to 84), 7th percentile, Below average score."},
    {"the t-test's adjusted percentile and its interval", "score", "raw=115 mean=100 sd=15 n=10", "",
     "raw 115 (mean 100, SD 15) | 81,7 | 58,5 to 96,0 | High average score | z 1,00; t 0,9535 against a normative sample of 10; z-CC 1,00 (95% CI 0,21 to 1,75)",
     "Raw 115 (mean 100, SD 15), 82nd percentile, High average score."},
    {"a saved norm set with the score, its source in the details", "score", "raw=115 mean=100 sd=15 reverse=1 norm_set=TMT-A norm_source=Heaton-2004", "",
     "raw 115 (mean 100, SD 15, norm set TMT-A) | 15,9 |  | Low average score | z -1,00; low scores are good; norms from Heaton-2004",
     "Raw 115 (mean 100, SD 15), 16th percentile, Low average score."},
    {"an age, in its details", "age", "birth=2024-01-10 test=2024-09-15 gestation=30+2", "Age",
     " |  |  |  | age 0 - 8 - 5 (8 months 5 days); corrected age 0 - 5 - 27 (5 months 27 days)",
     "Age: age 0 - 8 - 5 (8 months 5 days); corrected age 0 - 5 - 27 (5 months 27 days)."},
    {"reliable change, its verdicts", "change", "x1=104 x2=96 sd1=13.8 sd2=15 r=.95", "",
     "104 → 96 |  |  |  | Jacobson & Truax (1991): No reliable change (z -1,83, p 0,067); Iverson (2001): No reliable change (z -1,76, p 0,079)",
     "104 → 96, Jacobson & Truax (1991): No reliable change (z -1,83, p 0,067); Iverson (2001): No reliable change (z -1,76, p 0,079)."},
    {"a difference against the norms", "difference", "against=norms x=112 y=94 scale=standard rxx=.94 ryy=.88 rxy=.45", "VCI − PSI",
     "Standard Score 112 and 94 |  |  |  | difference 18, critical difference 12,47: Significant difference; base rate 12,6% (25,3% either direction)",
     "VCI − PSI: standard score 112 and 94, difference 18, critical difference 12,47: Significant difference; base rate 12,6% (25,3% either direction)."},
    {"a profile's row, its interval on the standard scale", "profile", "test=Vocabulary score=13 scale=scaled reliability=.9", "Vocabulary",
     "Scaled Score 13 | 84,1 | 106 to 124 (Standard Score) | High average score | Standard Score 115; 95% confidence, reliability ,9",
     "Vocabulary: scaled score 13, 84th percentile, High average score."},
    {"and on that scale, in the sentence too", "profile", "test=FSIQ score=78 scale=standard reliability=.96 level=90", "FSIQ",
     "Standard Score 78 | 7,1 | 73 to 83 | Below average score | 90% confidence, reliability ,96",
     "FSIQ: standard score 78 (90% CI 73 to 83), 7th percentile, Below average score."},
};

// A percentile in a sentence: a whole number, as each language writes it.
struct WordsRow { const char* name; const char* percentile; const char* english, *german, *french, *spanish; };
Q_DECLARE_METATYPE(WordsRow)
const WordsRow kWordsRows[] = {
    {"th", "84.1", "84th percentile", "PR 84", "84e rang centile", "percentil 84"},
    {"the first", "1.2", "1st percentile", "PR 1", "1er rang centile", "percentil 1"},
    {"nd, rd and the teens", "22.3", "22nd percentile", "PR 22", "22e rang centile", "percentil 22"},
    {"eleventh", "11.4", "11th percentile", "PR 11", "11e rang centile", "percentil 11"},
    {"halves away from zero", "12.5", "13th percentile", "PR 13", "13e rang centile", "percentil 13"},
    {"below the first", "0.4", "< 1st percentile", "PR < 1", "rang centile < 1", "percentil < 1"},
    {"beyond the last step shown", "> 99.9", "> 99th percentile", "PR > 99", "rang centile > 99", "percentil > 99"},
    {"rounding to 100", "99.6", "> 99th percentile", "PR > 99", "rang centile > 99", "percentil > 99"},
};

const TableRow kTableRows[] = {
    {"plain cells", {{"time", "test"}, {"14:03", "TMT-B"}}, "time\ttest\n14:03\tTMT-B\n", "<tr><th>time</th><th>test</th></tr>\n<tr><td>14:03</td><td>TMT-B</td></tr>"},
    {"tabs and line breaks become spaces, CR LF one", {{"a\tb", "c\r\nd"}, {"e\nf", "g\rh"}}, "a b\tc d\ne f\tg h\n",
     "<tr><th>a\tb</th><th>c\r\nd</th></tr>\n<tr><td>e\nf</td><td>g\rh</td></tr>"},
    {"formulas kept as text, numbers with either point as they are", {{"=A1", "-1,5", "-.5"}, {"\tx", "'+y", "- 1"}}, "'=A1\t-1,5\t-.5\n' x\t''+y\t'- 1\n",
     "<tr><th>=A1</th><th>-1,5</th><th>-.5</th></tr>\n<tr><td>\tx</td><td>'+y</td><td>- 1</td></tr>"},
    {"markup and entities escaped", {{"<b>"}, {"1 < 2 & \"3\""}}, "<b>\n1 < 2 & \"3\"\n", "<tr><th>&lt;b&gt;</th></tr>\n<tr><td>1 &lt; 2 &amp; &quot;3&quot;</td></tr>"},
};

SessionChange Change(SessionChange::Kind kind, SessionRow row, qsizetype index = 0, QString test = {}) { return {kind, row, index, test, {index}}; }
void Put(const QString& name, const QByteArray& bytes) { QFile file(name); QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()); }
void Grow(const QString& name) { QVERIFY(QFile::resize(name, kLargestSessionFile + 1)); }
// The rows each case reads: none, the last two changes lost, all of them, another whole copy's.
const Rows kRead[] = {{}, {Score(), Age()}, {With(Score(), [](SessionRow& r) { r.test = "TMT-B"; })}, {Age()}};
const JournalRow kJournalRows[] = {
    {"every change", [](const Steps&) {}, 2, 0, false, ""},
    {"a change whose write never finished", [](const Steps& s) { QFile f(s.journal); QVERIFY(f.open(QIODevice::Append) && f.write("{\"add\": {\"ti")); }, 2, 0, false, ""},
    {"the program stopped between the mark and the whole copy", [](const Steps& s) { QFile::remove(s.json); Put(s.journal, s.journalBefore + s.marker); }, 1, 0, false, ""},
    {"the program stopped before a fresh journal", [](const Steps& s) { Put(s.journal, s.journalBefore + s.marker); }, 1, 0, false, ""},
    {"a fresh journal not written, the old one going on", [](const Steps& s) { Put(s.journal, s.journalBefore + s.marker + s.lastTwo); }, 2, 0, false, ""},
    {"a damaged change", [](const Steps& s) { Put(s.journal, JournalHeader(SnapshotIdentity(s.copy)) + "{\"tset\": [0, \"\"]}\n"); }, 1, 1, false, "line 2"},
    {"a change naming a row there is not", [](const Steps& s) { Put(s.journal, JournalHeader(SnapshotIdentity(s.copy)) + JournalLine(Change(SessionChange::Remove, {}, 2))); }, 1, 1, false, "change 1"},
    {"a journal of another whole copy", [](const Steps& s) { Put(s.json, WriteSession(kRead[3], {""})); }, 3, 1, false, "does not continue"},
    {"a whole copy over 256 MB", [](const Steps& s) { Grow(s.json); }, 0, 2, true, ""},
    {"a journal over 256 MB", [](const Steps& s) { Grow(s.journal); }, 1, 1, true, ""},
};

class TestSession : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path(const QString& name = "session/session.json") const { return dir_.filePath(name); }
    static QByteArray bytes(const QString& name) { QFile file(name); return file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)"; }

private slots:
    void equality_data() { AddRows(kEqualRows); }
    void equality() { QFETCH(EqualRow, row); QCOMPARE(row.a == row.b, row.equal); }

    void roundTrip() {
        SessionRow odd{At(59, -210, 999), "change", "ü \"q\" \\ \t\n\u2028 ", "", "€", {{"jt_verdict", "down"}, {"x_1", ""}, {"x_2", "two"}}, 1};
        odd.test.append(QChar(0));
        for (const Rows& rows : {Rows{Score(QDateTime::currentDateTime()), Score(At(0, 0)), Age(), odd, {At(1, 840), "interval", "", "", "", {}}}, Rows()}) {
            const QStringList patients{"", "Müller \"M\"\t"};
            const QByteArray written = WriteSession(rows, patients);
            const SessionText read = ReadSession(written);
            QCOMPARE(read.damage, QString());
            QCOMPARE(read.rows, rows);
            QCOMPARE(read.patients, patients);
            // Strict JSON for other readers too: control characters escaped, a line a row.
            QVERIFY(std::none_of(written.begin(), written.end(), [](char c) { return c >= 0 && c < 0x20 && c != '\n'; }));
            QCOMPARE(written.count('\n'), rows.size() + 2);
        }
    }

    // Kept before the interval's results were named apart: its T-score was "t", its true score a second "centre".
    void anEarlierIntervalRowGetsItsResultsNamed() {
        const SessionText read = ReadSession(R"({"format": 1, "rows": [{"time": "2026-12-06T14:03:27+01:00", "module": "interval",
          "test": "", "entry": "", "results": "", "fields": [["centre", "true"], ["t", "70"], ["centre", "127.0"]]}]})");
        QStringList names;
        for (const auto& [name, value] : read.rows.value(0).fields) names << name + "=" + value;
        QCOMPARE(names.join(' '), "centre=true t_score=70 true_score=127.0");
    }

    // A session and its journal kept before the patients: one patient's rows, and the next change writes them whole,
    // so that no line naming a patient follows the old journal's.
    void anEarlierSessionIsOnePatients() {
        QTemporaryDir dir;
        Put(dir.filePath("session.json"), kSession);
        Put(dir.filePath("session.journal"), JournalHeader(SnapshotIdentity(kSession)).replace("\"journal\": 2", "\"journal\": 1") +
            R"({"add": {"time": "2026-12-06T14:03:28Z", "module": "age", "test": "", "entry": "", "results": "", "fields": []}})" "\n");
        auto file = std::make_unique<SessionFile>(dir.filePath("session.json"));
        SessionLoad load = file->load();
        QCOMPARE(load.rows.size(), 2);
        QCOMPARE(load.patients, QStringList{""});
        QVERIFY(!file->record(Change(SessionChange::NewPatient, {}), load.rows, load.patients << "K-17"));
        file.reset();
        load = SessionFile(dir.filePath("session.json")).load();
        QVERIFY(load.rows.size() == 2 && load.setAside.isEmpty());
        QCOMPARE(load.patients, QStringList({"", "K-17"}));
    }

    void damage_data() { AddRows(kDamageRows); }
    void damage() {
        QFETCH(DamageRow, row);
        const SessionText read = ReadSession(QByteArray(kSession).replace(row.replace, row.with));
        QVERIFY2(read.damage.contains(row.reason) && read.damage.isEmpty() == !*row.reason, qPrintable(read.damage));
        QCOMPARE(read.rows.size(), *row.reason ? 0 : 1);
        QCOMPARE(read.patients, *row.reason ? QStringList() : QStringList{""});  // a file from before the patients is one patient's
    }

    // A damaged session is moved aside, never over an earlier one, and a fresh one starts and is kept.
    void damagedFileSetAside() {
        const QString stem = path("session/session.damaged-20261206-143005");
        const QStringList asides{stem + ".json", stem + "-2.json", stem + "-4.json"};
        const QByteArray damaged[] = {"{\"format\": 2}", "not JSON", ""};
        QVERIFY(QDir().mkpath(path("session")) && QFile::link(path("nowhere"), stem + "-3.json"));  // a dangling link is no free name
        for (int i = 0; i < 3; ++i) {
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(damaged[i]) == damaged[i].size());
            file.close();
            auto session = std::make_unique<SessionFile>(path());
            const SessionLoad load = session->load(QDateTime(QDate(2026, 12, 6), QTime(14, 30, 5)));
            QCOMPARE(load.setAside.value(0), asides[i]);  // and the journal, kept beside it
            QVERIFY(load.rows.isEmpty() && load.failure.isEmpty() && !load.damage.isEmpty() && !QFile::exists(path()));
            QCOMPARE(bytes(asides[0]), damaged[0]);
            QCOMPARE(bytes(asides[i]), damaged[i]);
            QCOMPARE(session->rewrite({Score()}).reason, QString());
            session.reset();
            QCOMPARE(SessionFile(path()).load().rows, Rows{Score()});
        }
        QVERIFY(!QFile::exists(path("nowhere")));
    }

    // Every failure to keep the session is told, and leaves what is on disk alone.
    void saveFailures() {
        QVERIFY(QFile(path("blocker")).open(QIODevice::WriteOnly) && QDir().mkpath(path("folder/session.json")));
        QStringList notFiles{"folder/session.json"};
#ifdef Q_OS_UNIX
        QVERIFY(mkfifo(QFile::encodeName(path("pipe.json")).constData(), 0600) == 0);  // reading it would wait for a writer
        notFiles << "pipe.json";
#endif
        SessionFile underFile(path("blocker/session.json")), second(path("fresh/session.json"));
        auto fresh = std::make_unique<SessionFile>(path("fresh/session.json"));
        QVERIFY(!underFile.load().failure.isEmpty() && underFile.rewrite({Score()}));
        for (const QString& notAFile : notFiles) {
            SessionFile file(path(notAFile));
            QVERIFY(!file.load().failure.isEmpty() && file.rewrite({Score()}) && QFileInfo(path(notAFile)).exists() && !QFileInfo(path(notAFile)).isFile());
        }
        SessionFile moved(path("moved/session.json"));  // its folder replaced by a file since it was read
        QVERIFY(moved.load().failure.isEmpty() && QDir().rename(path("moved"), path("moved-away")) && QFile(path("moved")).open(QIODevice::WriteOnly));
        QVERIFY(moved.rewrite({Score()}));
        QVERIFY(fresh->rewrite({Score()}));  // not loaded yet
        QVERIFY(fresh->load().failure.isEmpty() && !fresh->rewrite({Score()}));
        QVERIFY(fresh->rewrite({Score(), With(Score(), [](SessionRow& r) { r.module = "calculator"; })}).reason.contains("row 2"));
        QVERIFY(fresh->rewrite({Score(QDateTime())}).reason.contains("row 1"));
        QVERIFY(second.load().failure.contains("another Velmora") && second.rewrite({}));  // while fresh holds it
        fresh.reset();
        QCOMPARE(second.load().rows, Rows{Score()});
    }

    // Whatever step the program stopped at, every change written whole is read once, and the session goes on from it;
    // a journal that does not fit its whole copy is set aside and the copy's rows kept.
    void journal_data() { AddRows(kJournalRows); }
    void journal() {
        QFETCH(JournalRow, row);
        QTemporaryDir dir;
        Steps steps{dir.filePath("session.json"), dir.filePath("session.journal"), {}, {}, {}, {}};
        auto file = std::make_unique<SessionFile>(steps.json);
        QVERIFY(file->load().failure.isEmpty() && !file->record(Change(SessionChange::Add, Score()), {}) && !file->record(Change(SessionChange::Add, Age()), {}));
        steps.journalBefore = bytes(steps.journal);
        QVERIFY(!file->rewrite(kRead[1]));
        steps.copy = bytes(steps.json);
        steps.marker = JournalMarker(SnapshotIdentity(steps.copy), 2);
        for (const SessionChange& change : {Change(SessionChange::SetTest, {}, 0, "TMT-B"), Change(SessionChange::Remove, {}, 1)}) {
            QVERIFY(!file->record(change, {}));
            steps.lastTwo += JournalLine(change);
        }
        file.reset();
        row.tamper(steps);
        file = std::make_unique<SessionFile>(steps.json);
        const SessionLoad load = file->load();
        QCOMPARE(load.rows, kRead[row.rows]);
        QVERIFY2(load.setAside.size() == row.aside && load.tooLarge == row.tooLarge && load.damage.contains(row.damage), qPrintable(load.damage));
        QVERIFY(!file->record(Change(SessionChange::Add, Age()), {}) && !file->record(Change(SessionChange::NewPatient, {}), {}));
        QVERIFY(!file->record(Change(SessionChange::SetPatient, {}, 1, "Müller"), {}));
        file.reset();
        QCOMPARE(SessionFile(steps.json).load().rows, kRead[row.rows] + Rows{Age()});
        QCOMPARE(SessionFile(steps.json).load().patients, QStringList({"", "Müller"}));
    }

    void csv_data() { AddRows(kCsvRows); }
    void csv() { QFETCH(CsvRow, row); QCOMPARE(SessionCsv(row.rows, row.order), row.csv); }

    void reportLines_data() { AddRows(kReportRows); }
    void reportLines() {
        QFETCH(ReportRow, row);
        static std::list<std::string> names;  // the fields' names outlive the row, as operations' names do
        NamedTexts fields;
        SessionRow session{At(1), row.command, row.test, {}, {}, {}};
        for (const QString& word : QString(row.entry).split(' ')) fields.add(names.emplace_back(word.section('=', 0, 0).toStdString()), word.section('=', 1).toStdString());
        for (const auto& [name, text] : fields.items) session.fields.emplace_back(QString::fromStdString(std::string(name)), QString::fromStdString(text));
        const Operation* operation = RowOperation(cli::Commands(), session);
        QVERIFY(operation);
        const std::vector<std::string_view> extending = operation->extendingColumns();
        const bool extended = std::any_of(extending.begin(), extending.end(), [&](std::string_view column) { return !fields[column].empty(); });
        Outcome outcome;
        const auto iso = [](std::string_view text) { return ParseDate(text, DateConventions::English()); };
        operation->compute(Fields(fields), extended, {iso, {}, LabelSystem::Aacn, false, {}}, outcome);
        QCOMPARE(QString::fromStdString(outcome.error), QString());
        for (const auto& [name, text] : outcome.results.items) session.fields.emplace_back(QString::fromStdString(std::string(name)), QString::fromStdString(text));
        const ReportLine line = RowReportLine(cli::Commands(), session, ",");
        QCOMPARE(QStringList({line.score, line.percentile, line.interval, line.label, line.details}).join(" | "), QString(row.line));
        QCOMPARE(ReportSentence(row.test, line, QLocale::English), QString(row.sentence));
    }

    void percentilesInWords_data() { AddRows(kWordsRows); }
    void percentilesInWords() {
        QFETCH(WordsRow, row);
        QStringList said;
        for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French, QLocale::Spanish})
            said << PercentileInWords(row.percentile, language);
        QCOMPARE(said, QStringList({row.english, row.german, row.french, row.spanish}));
    }

    void tables_data() { AddRows(kTableRows); }
    void tables() {
        QFETCH(TableRow, row);
        QCOMPARE(TabSeparated(row.table), row.tabbed);
        const QString html = HtmlTable(row.table);  // the cells between the table's tags, in a UTF-8 document
        QCOMPARE(html.section("<meta charset=\"utf-8\"></head><body>\n<table border=\"1\">\n", 1).section("\n</table>", 0, 0), row.html);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_sessionrecord.moc"
