#include <QDate>
#include <QtTest>

#include "age/agerule.h"
#include "age/dateparse.h"

using namespace modVelmora;
using namespace std::chrono;

namespace {

year_month_day ymd(const QDate& date) {
    return {year(date.year()), month(unsigned(date.month())), day(unsigned(date.day()))};
}

QString parsed(const QString& text, bool dayFirst = false) {
    DateConventions conventions = DateConventions::English();
    conventions.dayBeforeMonth = dayFirst;
    const auto date = ParseDate(text.toStdString(), conventions);
    if (!date) return "invalid";
    return QDate(int(date->year()), int(unsigned(date->month())), int(unsigned(date->day()))).toString(Qt::ISODate);
}

}  // namespace

// The years-months-days rule of test manuals and the date forms users type.
class TestAgeRule : public QObject {
    Q_OBJECT
private slots:
    void ageBorrowsThirtyDaysAndTwelveMonths_data() {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("test");
        QTest::addColumn<QString>("age");
        const auto row = [](const char* birth, const char* test, const char* age) {
            QTest::newRow(qPrintable(QString("%1 to %2").arg(birth, test)))
                << QDate::fromString(birth, Qt::ISODate) << QDate::fromString(test, Qt::ISODate) << QString(age);
        };
        row("1998-09-17", "2018-01-14", "19 - 3 - 27");
        row("1998-09-17", "2017-09-16", "18 - 11 - 29");
        row("1998-09-17", "2018-09-17", "20 - 0 - 0");
        row("2010-05-10", "2010-05-10", "0 - 0 - 0");
        row("2010-05-10", "2011-05-09", "0 - 11 - 29");
        row("2010-01-01", "2010-12-31", "0 - 11 - 30");
        row("2010-12-31", "2011-01-01", "0 - 0 - 0");
        row("2000-01-31", "2000-02-29", "0 - 0 - 28");
        row("2000-01-31", "2000-03-01", "0 - 1 - 0");
        row("2000-01-31", "2000-03-02", "0 - 1 - 1");
        row("2000-01-30", "2000-03-01", "0 - 1 - 1");
        row("2010-03-31", "2010-04-30", "0 - 0 - 29");
        row("2010-03-31", "2010-05-01", "0 - 1 - 0");
        row("2000-02-29", "2001-02-28", "0 - 11 - 29");
        row("2000-02-29", "2001-03-01", "1 - 0 - 2");
        row("1990-10-31", "2018-03-01", "27 - 4 - 0");
    }
    void ageBorrowsThirtyDaysAndTwelveMonths() {
        QFETCH(QDate, birth);
        QFETCH(QDate, test);
        QFETCH(QString, age);
        QCOMPARE(QString::fromStdString(AgeText(ComputeAge(ymd(birth), ymd(test)))), age);
    }

    void noPartOfAnAgeIsEverNegative() {
        for (QDate birth(1999, 12, 1); birth <= QDate(2001, 3, 31); birth = birth.addDays(1)) {
            for (int later = 0; later <= 800; later += 3) {
                const QDate test = birth.addDays(later);
                const Age age = ComputeAge(ymd(birth), ymd(test));
                QVERIFY2(age.years >= 0 && age.months >= 0 && age.months <= 11 && age.days >= 0 && age.days <= 30,
                         qPrintable(birth.toString(Qt::ISODate) + " " + test.toString(Qt::ISODate)));
            }
        }
    }

    void datesAreReadInTheirForms_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("dayFirst");
        QTest::addColumn<QString>("date");
        const auto row = [](const char* name, const char* text, bool dayFirst, const char* date) {
            QTest::newRow(name) << QString(text) << dayFirst << QString(date);
        };
        row("full month name", "September 17, 1998", false, "1998-09-17");
        row("month name in capitals", "SEPTEMBER 17 1998", false, "1998-09-17");
        row("abbreviation after the day", "17 sep 98", false, "1998-09-17");
        row("abbreviation with a point", "Sept. 17, 1998", false, "1998-09-17");
        row("dashes", "17-Sep-1998", false, "1998-09-17");
        row("weekday before", "Thursday, September 17, 1998", false, "1998-09-17");
        row("numbers month first", "09/17/98", false, "1998-09-17");
        row("numbers day first", "17.09.1998", true, "1998-09-17");
        row("day-first locale reads month 17 as impossible", "09/17/98", true, "invalid");
        row("month-first locale reads month 17 as impossible", "17/09/98", false, "invalid");
        row("ISO", "1998-09-17", true, "1998-09-17");
        row("year first with a month name", "1998 Sep 17", false, "1998-09-17");
        row("time of day ignored", "09/17/98 10:30", false, "1998-09-17");
        row("time with seconds and pm", "Sep 17, 1998 10:30:15 pm", false, "1998-09-17");
        row("ISO date and time", "1998-09-17T10:30", false, "1998-09-17");
        row("00 is 2000", "1/1/00", false, "2000-01-01");
        row("29 is 2029", "1/1/29", false, "2029-01-01");
        row("30 is 1930", "1/1/30", false, "1930-01-01");
        row("99 is 1999", "1/1/99", false, "1999-01-01");
        row("leap day of a leap year", "Feb 29 2000", false, "2000-02-29");
        row("leap day of a century that is no leap year", "Feb 29 1900", false, "invalid");
        row("leap day of a common year", "2/29/2001", false, "invalid");
        row("February 30", "February 30, 2000", false, "invalid");
        row("month 13", "13/01/98", false, "invalid");
        row("day 0", "0/5/98", false, "invalid");
        row("a word", "abc", false, "invalid");
        row("empty", "", false, "invalid");
        row("two numbers only", "09/17", false, "invalid");
        row("mixed separators", "09/17-98", false, "invalid");
        row("three-digit year", "09/17/998", false, "invalid");
        row("an impossible time", "09/17/98 25:00", false, "invalid");
        row("an unknown month name", "17 foo 98", false, "invalid");
        row("two month names", "sep oct 98", false, "invalid");
        row("a long number", "09/17/19981998199819981998", false, "invalid");
        row("other characters", "09/17/98!", false, "invalid");
    }
    void datesAreReadInTheirForms() {
        QFETCH(QString, text);
        QFETCH(bool, dayFirst);
        QFETCH(QString, date);
        QCOMPARE(parsed(text, dayFirst), date);
    }

    void everyRealDayReadsBackAndNoOtherDoes() {
        for (int y : {1900, 1999, 2000, 2001, 2004, 2100}) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= 31; ++d) {
                    const QString text = QString("%1/%2/%3").arg(m).arg(d).arg(y);
                    const QDate expected(y, m, d);
                    QCOMPARE(parsed(text), expected.isValid() ? expected.toString(Qt::ISODate) : QString("invalid"));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestAgeRule)
#include "tst_agerule.moc"
