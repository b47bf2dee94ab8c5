#include <QtTest>
#include <cmath>

#include "difference/differenceoperation.h"
#include "rows.h"

using namespace modVelmora;
using Against = DifferenceAgainst;

// A row of fields as velmora-cli reads them ("x=112 y=94 ..."), and what it gives: the results
// joined by blanks, or the refused field's column and the message ("(beep)" for none).
struct Row { const char* name; Against against; std::string fields; const char* shown; };
Q_DECLARE_METATYPE(Row)
const std::string kHuge(400, '9');
constexpr Against N = Against::Norms, C = Against::Controls;
using Record = QHash<QString, QString>;
const char* const kNormsColumns[] = {"x", "y", "rxx", "ryy", "rxy"};
const char* const kControlsColumns[] = {"x", "y", "mx", "sx", "my", "sy", "r", "n"};

const Row kRows[] = {
    {"the norms' example", N, "x=112 y=94 scale=standard rxx=.94 ryy=.88 rxy=.45", "18 12.47 yes 12.6 25.3"},
    {"z scores take two places and decimals", N, "x=1.5 y=-0.25 scale=z rxx=.9 ryy=.8 rxy=.6", "1.75 1.07 yes 2.5 5.0"},
    {"a whole 94.0 is whole", N, "x=112 y=94.0 scale=standard rxx=.94 ryy=.88 rxy=.45", "18 12.47 yes 12.6 25.3"},
    {"a correlation near -1", N, "x=1 y=2 scale=scaled rxx=.9 ryy=.9 rxy=-.99", "-1 2.63 no 43.4 86.7"},
    {"no X", N, "y=94 scale=t rxx=.9 ryy=.9 rxy=.5", "x: Please enter score X."},
    {"decimals on a whole scale", N, "x=112 y=94.5 scale=scaled rxx=.9 ryy=.9 rxy=.5",
     "y: Scores on this scale are whole numbers: please enter them without decimals."},
    {"a pasted score beyond a double", N, "x=" + kHuge + " y=1 scale=z rxx=.9 ryy=.8 rxy=.6", "x: (beep)"},
    {"no reliability of X", N, "x=1 y=2 scale=t ryy=.9 rxy=.5", "rxx: Please enter the reliability of X."},
    {"reliability of X 0", N, "x=1 y=2 scale=t rxx=0 ryy=.9 rxy=.5", "rxx: The reliability of X must be greater than 0 and less than 1."},
    {"no reliability of Y", N, "x=1 y=2 scale=t rxx=.9 rxy=.5", "ryy: Please enter the reliability of Y."},
    {"reliability of Y 1", N, "x=1 y=2 scale=t rxx=.9 ryy=1 rxy=.5", "ryy: The reliability of Y must be greater than 0 and less than 1."},
    {"no correlation", N, "x=1 y=2 scale=t rxx=.9 ryy=.9", "rxy: Please enter the correlation of X and Y."},
    {"correlation 1", N, "x=1 y=2 scale=t rxx=.9 ryy=.9 rxy=1", "rxy: The correlation of X and Y must be greater than -1 and less than 1."},
    {"the controls' example", C, "x=-3.857 y=-1.875 mx=0 sx=1 my=0 sy=1 r=.68 n=20",
     "-3.86 -1.88 -2.48 -2.30 19 0.033 1.65 Significant difference"},
    {"no difference: t 0 and p 1", C, "x=5 y=7 mx=4 sx=1 my=6 sy=1 r=.5 n=10", "1.00 1.00 0.00 0.00 9 1.000 50.00 No significant difference"},
    {"no Y", C, "x=1 mx=0 sx=1 my=0 sy=1 r=0 n=5", "y: Please enter score Y."},
    {"no mean of X", C, "x=1 y=2 sx=1 my=0 sy=1 r=0 n=5", "mx: Please enter the controls' mean on X."},
    {"SD of X -1", C, "x=1 y=2 mx=0 sx=-1 my=0 sy=1 r=0 n=5", "sx: The controls' SD on X must be greater than 0."},
    {"no SD of Y", C, "x=1 y=2 mx=0 sx=1 my=0 r=0 n=5", "sy: Please enter the controls' SD on Y."},
    {"correlation -1", C, "x=1 y=2 mx=0 sx=1 my=0 sy=1 r=-1 n=5", "r: The correlation of X and Y must be greater than -1 and less than 1."},
    {"no n", C, "x=1 y=2 mx=0 sx=1 my=0 sy=1 r=0", "n: Please enter the number of controls."},
    {"n 2.5 rounds to 2", C, "x=1 y=2 mx=0 sx=1 my=0 sy=1 r=0 n=2.5", "n: The number of controls must be from 3 to 9999."},
    {"n 10000", C, "x=1 y=2 mx=0 sx=1 my=0 sy=1 r=0 n=10000", "n: The number of controls must be from 3 to 9999."},
    {"a pasted mean beyond a double", C, "x=1 y=2 mx=-" + kHuge + " sx=1 my=0 sy=1 r=0 n=5", "mx: (beep)"},
    {"a distance from the mean beyond a double", C, "x=9" + std::string(307, '0') + " y=2 mx=-9" + std::string(307, '0') + " sx=1 my=0 sy=1 r=0 n=5",
     "x: (beep)"},
    {"z so far out that t overflows", C, "x=1" + std::string(200, '0') + " y=0 mx=0 sx=.00000001 my=0 sy=1 r=0 n=5", "x: The result is out of range."},
};

class TestDifference : public QObject {
    Q_OBJECT

    // The fields of "name=value" words, which keep the texts.
    static NamedTexts fieldsOf(const std::string& words, std::vector<std::string>& kept) {
        NamedTexts fields;
        for (const QString& word : QString::fromStdString(words).split(' ', Qt::SkipEmptyParts)) kept.push_back(word.toStdString());
        for (const std::string& word : kept) fields.add(std::string_view(word).substr(0, word.find('=')), word.substr(word.find('=') + 1));
        return fields;
    }

    template <class Report>
    static std::string shownOf(const Report& report, const char* const* columns, auto name) {
        if (report.refusal) return columns[int(report.refusal->field)] + std::string(": ") + (report.refusal->message ? report.refusal->message : "(beep)");
        NamedTexts results;
        name(report, results);
        std::string text;
        for (const auto& [column, result] : results.items) text += (text.empty() ? "" : " ") + result;
        return text;
    }

private slots:
    void shown_data() { AddRows(kRows); }
    void shown() {
        QFETCH(Row, row);
        std::vector<std::string> kept;
        const NamedTexts named = fieldsOf(row.fields, kept);
        const Fields fields(named);
        const FieldContext context{};
        const std::string got =
            row.against == N ? shownOf(CompareWithNorms(ReadNormsDifferenceEntry(fields, context)), kNormsColumns, NameNormsDifferenceResults)
                             : shownOf(CompareWithControls(ReadControlsDifferenceEntry(fields, context)), kControlsColumns, NameControlsDifferenceResults);
        QCOMPARE(got, std::string(row.shown));
    }

    // Every row of an independent SciPy computation (tools/difference_fixture.py): each text as shown,
    // and each unrounded value within 1e-9 of it.
    void fixture_data() {
        QTest::addColumn<int>("against");
        QTest::addColumn<Record>("record");
        for (const Against against : {N, C}) {
            const QString name = against == N ? "norms" : "controls";
            const auto records = FixtureRecords(VELMORA_TESTS_DIR "/difference/fixtures/" + name + ".csv");
            QVERIFY(records.size() >= 300);
            for (const auto& record : records)
                QTest::newRow(qPrintable(name + ": " + record["line"].left(70))) << int(against) << record;
        }
    }
    void fixture() {
        QFETCH(int, against);
        QFETCH(Record, record);
        const Operation& operation = DifferenceOperation(Against(against));
        std::string words;
        for (const std::string_view column : operation.requiredColumns())
            words += std::string(column) + "=" + record[QString::fromLatin1(column)].toStdString() + " ";
        std::vector<std::string> kept;
        const NamedTexts named = fieldsOf(words + "level=" + record["level"].toStdString(), kept);
        const Fields fields(named);
        Outcome outcome;
        operation.compute(fields, false, FieldContext{}, outcome);
        QCOMPARE(QString::fromStdString(outcome.error), QString());
        for (const auto& [name, result] : outcome.results.items) QCOMPARE(QString::fromStdString(result), record[QString::fromLatin1(name)]);

        // The values behind the texts, which the digits shown hide.
        const FieldContext context{};
        QHash<QString, double> value;
        if (Against(against) == N) {
            const NormsDifferenceReport report = CompareWithNorms(ReadNormsDifferenceEntry(fields, context));
            value = {{"critical_value", report.critical}, {"base_rate_value", report.baseRate}};
        } else {
            const ControlsDifferenceReport report = CompareWithControls(ReadControlsDifferenceEntry(fields, context));
            value = {{"zdcc_value", report.zdcc}, {"t_value", report.t}, {"p_value", report.p}};
        }
        for (auto column = value.begin(); column != value.end(); ++column) {
            const double want = record[column.key()].toDouble();
            QVERIFY2(std::fabs(column.value() - want) <= 1e-9 * std::max(std::fabs(want), column.key() == "p_value" ? 1e-300 : 1.0),
                     qPrintable(column.key() + " " + QString::number(column.value(), 'g', 17)));
        }
    }
};

QTEST_GUILESS_MAIN(TestDifference)
#include "tst_difference.moc"
