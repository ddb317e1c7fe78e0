#include "app/Holidays.h"

#include <QtTest>

using namespace tekvora::app;

namespace {

/// Easter Sunday by the Meeus/Jones/Butcher algorithm, an independent check for the Gregorian years
/// where Gauss's rule holds.
QDate referenceEaster(int year)
{
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

} // namespace

class TestHolidays : public QObject
{
    Q_OBJECT

private slots:
    void easter_data();
    void easter();
    void easterAgreesWithReference();
    void holidays_data();
    void holidays();
    void yearChangeRecomputes();
    void invalidDate();
};

void TestHolidays::easter_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("expected");

    QTest::addRow("2008 early") << 2008 << QDate(2008, 3, 23);
    QTest::addRow("2009") << 2009 << QDate(2009, 4, 12);
    QTest::addRow("2011 late") << 2011 << QDate(2011, 4, 24);
    QTest::addRow("1981 26 April rule") << 1981 << QDate(1981, 4, 19);
    QTest::addRow("1954 25 April rule") << 1954 << QDate(1954, 4, 18);
    QTest::addRow("2049 25 April rule") << 2049 << QDate(2049, 4, 18);
    QTest::addRow("2076 26 April rule") << 2076 << QDate(2076, 4, 19);
    QTest::addRow("1818 earliest") << 1818 << QDate(1818, 3, 22);
    QTest::addRow("1943 latest") << 1943 << QDate(1943, 4, 25);
    QTest::addRow("2024") << 2024 << QDate(2024, 3, 31);
}

void TestHolidays::easter()
{
    QFETCH(int, year);
    QFETCH(QDate, expected);
    QCOMPARE(easterSunday(year), expected);
}

void TestHolidays::easterAgreesWithReference()
{
    for (int year = 1900; year <= 2299; ++year)
        QVERIFY2(easterSunday(year) == referenceEaster(year), qPrintable(QString::number(year)));
}

void TestHolidays::holidays_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("name");

    QTest::addRow("new year") << QDate(2009, 1, 1) << "Neujahr";
    QTest::addRow("may day") << QDate(2009, 5, 1) << "Maifeiertag";
    QTest::addRow("3 October") << QDate(2009, 10, 3) << "Nationalfeiertag";
    QTest::addRow("3 October other year") << QDate(1995, 10, 3) << "Nationalfeiertag";
    QTest::addRow("Christmas") << QDate(2009, 12, 25) << "1. Weihnachtstag";
    QTest::addRow("Boxing day") << QDate(2009, 12, 26) << "2. Weihnachtstag";
    QTest::addRow("Good Friday") << QDate(2009, 4, 10) << "Karfreitag";
    QTest::addRow("Easter Sunday") << QDate(2009, 4, 12) << "1. Ostertag";
    QTest::addRow("Easter Monday") << QDate(2009, 4, 13) << "2. Ostertag";
    QTest::addRow("Ascension") << QDate(2009, 5, 21) << "Christi Himmelfahrt";
    QTest::addRow("Whit Sunday") << QDate(2009, 5, 31) << "1. Pfingsttag";
    QTest::addRow("Whit Monday") << QDate(2009, 6, 1) << "2. Pfingsttag";
    QTest::addRow("Corpus Christi") << QDate(2009, 6, 11) << "Fronleichnam";
    QTest::addRow("Easter Monday in April after March Easter") << QDate(2008, 3, 24) << "2. Ostertag";
    QTest::addRow("Good Friday in March") << QDate(2016, 3, 25) << "Karfreitag";
    QTest::addRow("4 October") << QDate(2009, 10, 4) << "";
    QTest::addRow("ordinary day") << QDate(2009, 4, 14) << "";
    QTest::addRow("24 December") << QDate(2009, 12, 24) << "";
}

void TestHolidays::holidays()
{
    QFETCH(QDate, date);
    QFETCH(QString, name);
    QCOMPARE(isHoliday(date), !name.isEmpty());
    QCOMPARE(isHoliday(date.year(), date.month(), date.day()), !name.isEmpty());
    QCOMPARE(holidayName(date.year(), date.month(), date.day()),
             name.isEmpty() ? QStringLiteral("Unbekannter Feiertag") : name);
}

void TestHolidays::yearChangeRecomputes()
{
    QVERIFY(isHoliday(QDate(2008, 3, 23)));
    QVERIFY(!isHoliday(QDate(2009, 3, 23)));
    QVERIFY(isHoliday(QDate(2009, 4, 12)));
    QVERIFY(!isHoliday(QDate(2008, 4, 12)));
    QCOMPARE(holidaysOf(2009).size(), 12);
}

void TestHolidays::invalidDate()
{
    QVERIFY(!isHoliday(QDate()));
    QVERIFY(!isHoliday(2009, 2, 30));
    QCOMPARE(holidayName(2009, 13, 1), "Unbekannter Feiertag");
}

QTEST_GUILESS_MAIN(TestHolidays)
#include "TestHolidays.moc"
