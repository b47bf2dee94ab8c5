#include <QtTest>
#include <cmath>

#include "change/reliablechange.h"
#include "rows.h"

using namespace modVelmora;
constexpr auto L90 = ConfidenceLevel::Ninety, L95 = ConfidenceLevel::NinetyFive;
// Entries X1, X2, M1, M2, S1, S2, r, n. Shown: each method as "expected se z (or t/df) p low high verdict", or the
// refused field and its message.
struct Row { const char* name; ChangeEntry entry; const char* shown; };
Q_DECLARE_METATYPE(Row)
const char* const kFields[] = {"test", "retest", "meanTest", "meanRetest", "sdTest", "sdRetest", "r", "n"};
ChangeEntry Example(ConfidenceLevel level, bool reverse = false) { return {"104", "96", "100", "104.3", "13.8", "15", ".95", "50", level, reverse}; }
// J&T alone with SE 1, so z is X2.
ChangeEntry Z(const char* x2, ConfidenceLevel level = L90) { return {"0", x2, "", "", "1", "", ".5", "", level}; }
const std::string kHuge(400, '9'), kTiny = "." + std::string(199, '0') + "1";
constexpr const char* kBadR = "r: Please enter a test–retest correlation greater than 0 and less than 1.";
constexpr const char* kBadN = "n: The size of the retest sample must be from 3 to 9999.";

const Row kRows[] = {
    {"worked example, 95%", Example(L95), "104.00 4.36 -1.83 0.067 95.45 112.55 no | 108.30 4.36 -2.82 0.005 99.75 116.85 down | 108.30 4.56 -2.70 0.007 99.37 117.23 down | 108.43 4.78 -2.60/48 0.012 98.81 118.05 down"},
    {"worked example, 90%: J&T a decline too", Example(L90), "104.00 4.36 -1.83 0.067 96.82 111.18 down | 108.30 4.36 -2.82 0.005 101.12 115.48 down | 108.30 4.56 -2.70 0.007 100.80 115.80 down | 108.43 4.78 -2.60/48 0.012 100.41 116.45 down"},
    {"worked example reversed, 95%", Example(L95, true), "104.00 4.36 -1.83 0.067 95.45 112.55 no | 108.30 4.36 -2.82 0.005 99.75 116.85 up | 108.30 4.56 -2.70 0.007 99.37 117.23 up | 108.43 4.78 -2.60/48 0.012 98.81 118.05 up"},
    {"worked example reversed, 90%", Example(L90, true), "104.00 4.36 -1.83 0.067 96.82 111.18 up | 108.30 4.36 -2.82 0.005 101.12 115.48 up | 108.30 4.56 -2.70 0.007 100.80 115.80 up | 108.43 4.78 -2.60/48 0.012 100.41 116.45 up"},
    {"no means: Iverson without practice, no regression", {"104", "96", "", "", "13.8", "15", ".95", "50", L95}, "104.00 4.36 -1.83 0.067 95.45 112.55 no | 104.00 4.56 -1.76 0.079 95.07 112.93 no"},
    {"J&T alone", {"104", "96", "", "", "13.8", "", ".95", "", L90}, "104.00 4.36 -1.83 0.067 96.82 111.18 down"},
    {"n 3: t on 1 df", {"12", "9", "10", "10.8", "3", "3.1", ".98", "3", L90}, "12.00 0.60 -5.00 < 0.001 11.01 12.99 down | 12.80 0.60 -6.33 < 0.001 11.81 13.79 down | 12.80 0.61 -6.23 < 0.001 11.80 13.80 down | 12.83 1.09 -3.52/1 0.176 5.96 19.70 no"},
    {"|z| just above the 90% critical value", Z("1.644854"), "0.00 1.00 1.64 0.100 -1.64 1.64 up"}, {"|z| just below it", Z("1.644853"), "0.00 1.00 1.64 0.100 -1.64 1.64 no"},
    {"|z| just above the 95% critical value", Z("-1.959964", L95), "0.00 1.00 -1.96 0.050 -1.96 1.96 down"}, {"|z| just below it", Z("-1.959963", L95), "0.00 1.00 -1.96 0.050 -1.96 1.96 no"},
    {"p 0.000501 shows 0.001", Z("3.48"), "0.00 1.00 3.48 0.001 -1.64 1.64 up"}, {"p 0.000483 shows < 0.001", Z("3.49"), "0.00 1.00 3.49 < 0.001 -1.64 1.64 up"},
    {"z -0.004 shows without a sign", Z("-0.004"), "0.00 1.00 0.00 0.997 -1.64 1.64 no"},
    // Refused: the first field in their order.
    {"all empty", {"", "", "", "", "", "", "", ""}, "test: Please enter the test score."}, {"no retest score", {"104", "", "", "", "", "", "1", ""}, "retest: Please enter the retest score."},
    {"a lone mean at test", {"104", "96", "100", "", "0", "", "1", ""}, "meanRetest: Please enter both means of the retest study, or neither."},
    {"a lone mean at retest", {"104", "96", "", "104.3", "13.8", "", ".95", ""}, "meanTest: Please enter both means of the retest study, or neither."},
    {"no SD at test", {"104", "96", "", "", "", "", "1", ""}, "sdTest: Please enter the SD at test."}, {"SD at test 0", {"104", "96", "", "", "0", "", "1", ""}, "sdTest: The SD at test must be greater than 0."},
    {"SD at test -13.8", {"104", "96", "", "", "-13.8", "", ".95", ""}, "sdTest: The SD at test must be greater than 0."},
    {"SD at retest 0", {"104", "96", "", "", "13.8", "0", "1", ""}, "sdRetest: The SD at retest must be greater than 0."},
    {"no r", {"104", "96", "", "", "13.8", "", "", "2"}, kBadR}, {"r 0", {"104", "96", "", "", "13.8", "", "0", ""}, kBadR},
    {"r 1", {"104", "96", "", "", "13.8", "", "1", ""}, kBadR}, {"r 1.2", {"104", "96", "", "", "13.8", "", "1.2", ""}, kBadR},
    {"n 2", {"104", "96", "", "", "13.8", "", ".95", "2"}, kBadN}, {"n 2.5 rounds to 2", {"104", "96", "100", "104.3", "13.8", "15", ".95", "2.5"}, kBadN},
    {"n 9999.5 rounds to 10000", {"104", "96", "", "", "13.8", "", ".95", "9999.5"}, kBadN},
    {"pasted scores whose difference leaves the double range", {kHuge, "-" + kHuge, "", "", "1", "", ".5", ""}, "test: The result is out of range."},
    {"a pasted SD so small its square is 0", {"1", "2", "0", "0", kTiny, "1", ".5", "10"}, "test: The result is out of range."},
};

const QStringList kMethods{"jt", "chelune", "iverson", "cg"};  // the fixture's column prefixes, in ChangeMethod's order

class TestChange : public QObject {
    Q_OBJECT

    QStringList columns_;

private slots:
    void shown_data() { AddRows(kRows); }
    void shown() {
        QFETCH(Row, row);
        const ChangeReport report = ComputeReliableChange(row.entry);
        const auto& refusal = report.refusal;
        std::string shown = refusal ? kFields[int(refusal->field)] + std::string(": ") + (refusal->message ? refusal->message : "(beep)") : "";
        for (const MethodResult& m : report.methods)
            shown += (shown.empty() ? "" : " | ") + m.texts.expected + " " + m.texts.se + " " + m.texts.statistic +
                     (m.df ? "/" + std::to_string(*m.df) : "") + " " + m.texts.p + " " + m.texts.low + " " + m.texts.high + " " +
                     std::vector{"up", "down", "no"}[int(m.verdict)];
        QCOMPARE(shown, std::string(row.shown));
        QVERIFY(!refusal || (report.methods.empty() && refusal->results == ShownResults::EmptiedFirst && !refusal->emptiesEntry &&
                             (refusal->notice == Notice::Beep) == !refusal->message));
    }

    // Every value of an independent SciPy computation (tools/change_fixture.py), at both levels.
    void fixture_data() {
        QFile file(VELMORA_TESTS_DIR "/change/fixtures/reliablechange.csv");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString(file.readAll()).trimmed().split('\n');
        QVERIFY(lines.size() > 300);
        columns_ = lines[0].split(',');
        QTest::addColumn<QStringList>("cells");
        for (int i = 1; i < lines.size(); ++i) QTest::newRow(qPrintable(QString("line %1: %2").arg(i + 1).arg(lines[i].section(',', 0, 7)))) << lines[i].split(',');
    }
    void fixture() {
        QFETCH(QStringList, cells);
        const auto cell = [&](const QString& column) { return cells.value(columns_.indexOf(column)); };
        const auto text = [&](const char* column) { return cell(column).toStdString(); };
        QStringList given = kMethods;
        given.removeIf([&](const QString& name) { return cell(name + "_expected").isEmpty(); });
        for (const ConfidenceLevel level : {L90, L95}) {
            const ChangeReport report = ComputeReliableChange({text("x1"), text("x2"), text("m1"), text("m2"), text("sd1"), text("sd2"), text("r"), text("n"), level});
            QStringList shown;
            for (const MethodResult& m : report.methods) {
                const QString name = kMethods[int(m.method)], at = QString::number(int(level));
                shown << name;
                const std::pair<QString, double> values[] = {{"_expected", m.expected}, {"_se", m.se}, {m.df ? "_t" : "_z", m.statistic},
                                                             {"_p", m.p}, {"_low" + at, m.low}, {"_high" + at, m.high}};
                // p relative to itself, so a tail taken as 1 - cdf shows; the rest within 1e-6 of the value or of 1.
                for (const auto& [column, value] : values) {
                    const double want = cell(name + column).toDouble(), scale = column == "_p" ? std::max(want, 1e-300) : std::max(1.0, std::fabs(want));
                    QVERIFY2(std::fabs(value - want) <= 1e-6 * scale, qPrintable(name + column + " " + QString::number(value, 'g', 17)));
                }
                QCOMPARE(m.df.value_or(0), name == "cg" ? cell("cg_df").toInt() : 0);
            }
            QCOMPARE(shown, given);
        }
    }
};

QTEST_GUILESS_MAIN(TestChange)
#include "tst_change.moc"
