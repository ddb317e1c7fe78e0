#include "app/Dates.h"
#include "app/PackedDate.h"

#include <QtTest>

using namespace tekvora::app;

namespace {

PackedDate packed(int year, int month, int day)
{
    return (quint32(day) << 24) | (quint32(month) << 16) | quint32(year);
}

} // namespace

class TestDates : public QObject
{
    Q_OBJECT

private slots:
    void unpack_data();
    void unpack();
    void packRoundTrip();
    void packedText_data();
    void packedText();
    void nextMonth_data();
    void nextMonth();
    void textToDate_data();
    void textToDate();
    void textToDateTime_data();
    void textToDateTime();
    void daysInMonth_data();
    void daysInMonth();
    void names();
    void texts();
    void monthAndYearBounds();
    void dateInSpan_data();
    void dateInSpan();
};

void TestDates::unpack_data()
{
    QTest::addColumn<PackedDate>("value");
    QTest::addColumn<QDate>("expected");

    QTest::addRow("valid") << packed(2009, 3, 5) << QDate(2009, 3, 5);
    QTest::addRow("leap day") << packed(2008, 2, 29) << QDate(2008, 2, 29);
    QTest::addRow("first year") << packed(1899, 12, 30) << QDate(1899, 12, 30);
    QTest::addRow("day 0") << packed(2009, 3, 0) << QDate();
    QTest::addRow("zero") << PackedDate(0) << QDate();
    QTest::addRow("year too early") << packed(1898, 12, 31) << QDate();
    QTest::addRow("month 0") << packed(2009, 0, 1) << QDate();
    QTest::addRow("month 13") << packed(2009, 13, 1) << QDate();
    QTest::addRow("beyond month") << packed(2009, 2, 29) << QDate();
    QTest::addRow("day 255") << packed(2009, 1, 255) << QDate();
}

void TestDates::unpack()
{
    QFETCH(PackedDate, value);
    QFETCH(QDate, expected);
    QCOMPARE(unpackDate(value), expected);
}

void TestDates::packRoundTrip()
{
    QCOMPARE(packDate(QDate(2009, 3, 5)), packed(2009, 3, 5));
    QCOMPARE(packDate(QDate()), PackedDate(0));
    QCOMPARE(packDate(QDate(1500, 1, 1)), PackedDate(0));
    for (QDate d(1899, 1, 1); d.year() < 2101; d = d.addDays(97))
        QCOMPARE(unpackDate(packDate(d)), d);
}

void TestDates::packedText_data()
{
    QTest::addColumn<PackedDate>("value");
    QTest::addColumn<QString>("expected");

    QTest::addRow("two digits") << packed(2009, 3, 5) << "05.03.2009";
    QTest::addRow("day 0 is blank") << packed(2009, 3, 0) << "  .  .    ";
    QTest::addRow("zero is blank") << PackedDate(0) << "  .  .    ";
}

void TestDates::packedText()
{
    QFETCH(PackedDate, value);
    QFETCH(QString, expected);
    QCOMPARE(packedDateText(value), expected);
    QCOMPARE(packedDateText(value).size(), 10);
}

void TestDates::nextMonth_data()
{
    QTest::addColumn<PackedDate>("from");
    QTest::addColumn<PackedDate>("expected");

    QTest::addRow("end of January") << packed(2009, 1, 31) << packed(2009, 2, 28);
    QTest::addRow("leap year") << packed(2008, 1, 30) << packed(2008, 2, 29);
    QTest::addRow("December") << packed(2009, 12, 15) << packed(2010, 1, 15);
    QTest::addRow("to 30 days") << packed(2009, 3, 31) << packed(2009, 4, 30);
    QTest::addRow("no date") << PackedDate(0) << PackedDate(0);
}

void TestDates::nextMonth()
{
    QFETCH(PackedDate, from);
    QFETCH(PackedDate, expected);
    QCOMPARE(tekvora::app::nextMonth(from), expected);
}

void TestDates::textToDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::addRow("german") << "24.12.2009" << QDate(2009, 12, 24);
    QTest::addRow("one digit parts") << "1.2.2009" << QDate(2009, 2, 1);
    QTest::addRow("blanks") << " 1. 2.2009 " << QDate(2009, 2, 1);
    QTest::addRow("two-digit year") << "24.12.09" << QDate();
    QTest::addRow("year 999") << "1.1.999" << QDate();
    QTest::addRow("no such day") << "30.02.2009" << QDate();
    QTest::addRow("month 13") << "1.13.2009" << QDate();
    QTest::addRow("letters") << "a.b.c" << QDate();
    QTest::addRow("one point") << "24.12" << QDate();
    QTest::addRow("iso form") << "2009-12-24" << QDate();
    QTest::addRow("empty") << "" << QDate();
    QTest::addRow("blank date") << "  .  .    " << QDate();
    QTest::addRow("third point") << "24.12.2009." << QDate();
}

void TestDates::textToDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(tekvora::app::textToDate(text), expected);
}

void TestDates::textToDateTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");

    QTest::addRow("minutes") << "05.03.2009 14:07" << QDateTime(QDate(2009, 3, 5), QTime(14, 7));
    QTest::addRow("seconds") << "05.03.2009 14:07:09" << QDateTime(QDate(2009, 3, 5), QTime(14, 7, 9));
    QTest::addRow("date only") << "05.03.2009" << QDateTime(QDate(2009, 3, 5), QTime(0, 0));
    QTest::addRow("bad time") << "05.03.2009 25:00" << QDateTime();
    QTest::addRow("bad date") << "35.03.2009 10:00" << QDateTime();
    QTest::addRow("empty") << "" << QDateTime();
}

void TestDates::textToDateTime()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    QCOMPARE(tekvora::app::textToDateTime(text), expected);
}

void TestDates::daysInMonth_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("expected");

    QTest::addRow("January") << 2009 << 1 << 31;
    QTest::addRow("April") << 2009 << 4 << 30;
    QTest::addRow("February") << 2009 << 2 << 28;
    QTest::addRow("leap year") << 2008 << 2 << 29;
    QTest::addRow("century") << 1900 << 2 << 28;
    QTest::addRow("400 years") << 2000 << 2 << 29;
    QTest::addRow("year 0") << 0 << 2 << 0;
    QTest::addRow("month 0") << 2009 << 0 << 0;
    QTest::addRow("month 13") << 2009 << 13 << 0;
}

void TestDates::daysInMonth()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, expected);
    QCOMPARE(tekvora::app::daysInMonth(year, month), expected);
}

void TestDates::names()
{
    QCOMPARE(weekdayLetters(1), "Mo");
    QCOMPARE(weekdayLetters(3), "Mi");
    QCOMPARE(weekdayLetters(7), "So");
    QCOMPARE(weekdayLetters(0), "??");
    QCOMPARE(weekdayLetters(8), "??");
    QCOMPARE(monthName(3), QStringLiteral("März"));
    QCOMPARE(monthName(12), "Dezember");
    QCOMPARE(monthName(0), QString());
    QCOMPARE(shortMonthName(1), "Jan");
    QCOMPARE(shortMonthName(10), "Okt");
    QCOMPARE(shortMonthName(13), QString());
}

void TestDates::texts()
{
    const QDateTime moment(QDate(2009, 3, 5), QTime(14, 7, 9));
    QCOMPARE(dateText(QDate(2009, 3, 5)), "05.03.2009");
    QCOMPARE(dateText(QDate()), "  .  .    ");
    QCOMPARE(dateTimeText(moment), "05.03.2009 14:07");
    QCOMPARE(sqlDateLiteral(QDate(2009, 12, 24)), "'24.12.2009'");
    QCOMPARE(sqlDateTimeLiteral(moment), "'05.03.2009 14:07'");
    QCOMPARE(stamp(moment, true), "2009-03-05_14-07-09");
    QCOMPARE(stamp(moment, false), "2009-03-05");
    QCOMPARE(timeText(QTime(8, 5, 3)), "08:05:03");
    QCOMPARE(shortTimeText(QTime(8, 5, 3)), "08:05");
}

void TestDates::monthAndYearBounds()
{
    const QDate d(2008, 2, 14);
    QCOMPARE(firstOfMonth(d), QDate(2008, 2, 1));
    QCOMPARE(lastOfMonth(d), QDate(2008, 2, 29));
    QCOMPARE(firstOfYear(d), QDate(2008, 1, 1));
    QCOMPARE(lastOfYear(d), QDate(2008, 12, 31));
}

void TestDates::dateInSpan_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<bool>("expected");

    const QDate from(2009, 3, 1);
    const QDate to(2009, 3, 31);
    QTest::addRow("inside") << QDate(2009, 3, 15) << from << to << true;
    QTest::addRow("first day") << from << from << to << true;
    QTest::addRow("last day") << to << from << to << true;
    QTest::addRow("before") << QDate(2009, 2, 28) << from << to << false;
    QTest::addRow("after") << QDate(2009, 4, 1) << from << to << false;
    QTest::addRow("no date") << QDate() << from << to << true;
    QTest::addRow("no start") << QDate(2010, 1, 1) << QDate() << to << true;
    QTest::addRow("no end") << QDate(2000, 1, 1) << from << QDate() << true;
}

void TestDates::dateInSpan()
{
    QFETCH(QDate, date);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(bool, expected);
    QCOMPARE(tekvora::app::dateInSpan(date, from, to), expected);
}

QTEST_GUILESS_MAIN(TestDates)
#include "TestDates.moc"
