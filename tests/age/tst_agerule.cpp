#include <QDate>
#include <QtTest>

#include "age/agerule.h"
#include "age/dateparse.h"
#include "rows.h"

using namespace modVelmora;
using namespace std::chrono;

struct AgeRow { const char* name; const char* birth; const char* test; const char* age; };
struct DateRow { const char* name; const char* text; bool dayFirst; const char* date; };
Q_DECLARE_METATYPE(AgeRow)
Q_DECLARE_METATYPE(DateRow)

const AgeRow kAgeRows[] = {
    {"borrow days and months", "1998-09-17", "2018-01-14", "19 - 3 - 27"},
    {"a day short of a birthday", "1998-09-17", "2017-09-16", "18 - 11 - 29"},
    {"the birthday", "1998-09-17", "2018-09-17", "20 - 0 - 0"},
    {"same day", "2010-05-10", "2010-05-10", "0 - 0 - 0"},
    {"a day short of a year", "2010-05-10", "2011-05-09", "0 - 11 - 29"},
    {"30 days from a 31st and a 1st", "2010-01-01", "2010-12-31", "0 - 11 - 30"},
    {"one calendar day later reads as no age", "2010-12-31", "2011-01-01", "0 - 0 - 0"},
    {"January 31 to February 29", "2000-01-31", "2000-02-29", "0 - 0 - 28"},
    {"January 31 to March 1", "2000-01-31", "2000-03-01", "0 - 1 - 0"},
    {"January 31 to March 2", "2000-01-31", "2000-03-02", "0 - 1 - 1"},
    {"January 30 to March 1", "2000-01-30", "2000-03-01", "0 - 1 - 1"},
    {"March 31 to April 30", "2010-03-31", "2010-04-30", "0 - 0 - 29"},
    {"March 31 to May 1", "2010-03-31", "2010-05-01", "0 - 1 - 0"},
    {"leap day to February 28", "2000-02-29", "2001-02-28", "0 - 11 - 29"},
    {"leap day to March 1", "2000-02-29", "2001-03-01", "1 - 0 - 2"},
    {"October 31 to March 1", "1990-10-31", "2018-03-01", "27 - 4 - 0"},
};

const DateRow kDateRows[] = {
    {"full month name", "September 17, 1998", false, "1998-09-17"},
    {"month name in capitals", "SEPTEMBER 17 1998", false, "1998-09-17"},
    {"abbreviation after the day", "17 sep 98", false, "1998-09-17"},
    {"abbreviation with a point", "Sept. 17, 1998", false, "1998-09-17"},
    {"dashes", "17-Sep-1998", false, "1998-09-17"},
    {"weekday before", "Thursday, September 17, 1998", false, "1998-09-17"},
    {"numbers month first", "09/17/98", false, "1998-09-17"},
    {"numbers day first", "17.09.1998", true, "1998-09-17"},
    {"day-first locale reads month 17 as impossible", "09/17/98", true, "invalid"},
    {"month-first locale reads month 17 as impossible", "17/09/98", false, "invalid"},
    {"ISO", "1998-09-17", true, "1998-09-17"},
    {"year first with a month name", "1998 Sep 17", false, "1998-09-17"},
    {"time of day ignored", "09/17/98 10:30", false, "1998-09-17"},
    {"time with seconds and pm", "Sep 17, 1998 10:30:15 pm", false, "1998-09-17"},
    {"ISO date and time", "1998-09-17T10:30", false, "1998-09-17"},
    {"00 is 2000", "1/1/00", false, "2000-01-01"}, {"29 is 2029", "1/1/29", false, "2029-01-01"},
    {"30 is 1930", "1/1/30", false, "1930-01-01"}, {"99 is 1999", "1/1/99", false, "1999-01-01"},
    {"February 30", "February 30, 2000", false, "invalid"}, {"day 0", "0/5/98", false, "invalid"},
    {"a word", "abc", false, "invalid"}, {"empty", "", false, "invalid"}, {"two numbers only", "09/17", false, "invalid"},
    {"mixed separators", "09/17-98", false, "invalid"}, {"three-digit year", "09/17/998", false, "invalid"},
    {"an impossible time", "09/17/98 25:00", false, "invalid"}, {"an unknown month name", "17 foo 98", false, "invalid"},
    {"two month names", "sep oct 98", false, "invalid"}, {"a long number", "09/17/19981998199819981998", false, "invalid"},
    {"other characters", "09/17/98!", false, "invalid"},
};

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
    void ageBorrowsThirtyDaysAndTwelveMonths_data() { AddRows(kAgeRows); }
    void ageBorrowsThirtyDaysAndTwelveMonths() {
        QFETCH(AgeRow, row);
        const auto age = ComputeAge(ymd(QDate::fromString(row.birth, Qt::ISODate)), ymd(QDate::fromString(row.test, Qt::ISODate)));
        QCOMPARE(AgeText(age), std::string(row.age));
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

    void datesAreReadInTheirForms_data() { AddRows(kDateRows); }
    void datesAreReadInTheirForms() {
        QFETCH(DateRow, row);
        QCOMPARE(parsed(row.text, row.dayFirst), QString(row.date));
    }

    void everyRealDayReadsBackAndNoOtherDoes() {
        for (int y : {1900, 1999, 2000, 2001, 2004, 2100}) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= 31; ++d) {
                    const QString text = QString("%1/%2/%3").arg(m).arg(d).arg(y);
                    const QDate expected(y, m, d);  // Feb 29 only in leap years, no day 31 in short months
                    QCOMPARE(parsed(text), expected.isValid() ? expected.toString(Qt::ISODate) : QString("invalid"));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestAgeRule)
#include "tst_agerule.moc"
