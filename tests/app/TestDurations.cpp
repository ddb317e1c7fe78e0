#include "app/Durations.h"

#include <QtTest>

using namespace tekvora::app;

class TestDurations : public QObject
{
    Q_OBJECT

private slots:
    void minutes_data();
    void minutes();
    void durationText_data();
    void durationText();
    void textToMinutes_data();
    void textToMinutes();
    void spanHours_data();
    void spanHours();
    void display_data();
    void display();
};

void TestDurations::minutes_data()
{
    QTest::addColumn<double>("hours");
    QTest::addColumn<int>("expected");

    QTest::addRow("whole") << 1.5 << 90;
    QTest::addRow("one minute") << 1.0 / 60 << 1;
    QTest::addRow("half rounds to even down") << 0.5 / 60 << 0;
    QTest::addRow("half rounds to even up") << 1.5 / 60 << 2;
    QTest::addRow("negative") << -1.25 << -75;
    QTest::addRow("not a number") << std::nan("") << 0;
}

void TestDurations::minutes()
{
    QFETCH(double, hours);
    QFETCH(int, expected);
    QCOMPARE(hoursToMinutes(hours), expected);
}

void TestDurations::durationText_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("hours");
    QTest::addColumn<QString>("expected");

    QTest::addRow("aligned") << 3 << 1.5 << "  1:30";
    QTest::addRow("wide hours") << 1 << 12.25 << "12:15";
    QTest::addRow("negative aligned") << 3 << -1.5 << "- 1:30";
    QTest::addRow("negative plain") << 1 << -1.5 << "-1:30";
    QTest::addRow("negative below an hour") << 1 << -0.5 << "-:30";
    QTest::addRow("negative filling the width") << 2 << -10.5 << "-10:30";
    QTest::addRow("zero") << 2 << 0.0 << " 0:00";
    QTest::addRow("minute rounding") << 2 << 1.0 / 3 << " 0:20";
    QTest::addRow("width capped") << 40 << 1.0 << QString(16, ' ') + "1:00";
}

void TestDurations::durationText()
{
    QFETCH(int, width);
    QFETCH(double, hours);
    QFETCH(QString, expected);
    QCOMPARE(tekvora::app::durationText(width, hours), expected);
}

void TestDurations::textToMinutes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::addRow("colon") << "1:30" << 90;
    QTest::addRow("one-digit minutes are tens") << "1:5" << 110;
    QTest::addRow("comma") << "1,5" << 110;
    QTest::addRow("empty minutes") << "2:" << 120;
    QTest::addRow("no hours") << ":30" << 30;
    QTest::addRow("whole hours") << "3" << 180;
    QTest::addRow("letters") << "abc" << 0;
    QTest::addRow("empty") << "" << 0;
    QTest::addRow("aligned") << "  1:30" << 90;
    QTest::addRow("negative") << "-1:30" << -90;
    QTest::addRow("negative aligned") << "- 1:30" << -90;
    QTest::addRow("negative below an hour") << "-:30" << -30;
}

void TestDurations::textToMinutes()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(tekvora::app::textToMinutes(text), expected);
    QCOMPARE(textToHours(text), expected / 60.0);
}

void TestDurations::spanHours_data()
{
    QTest::addColumn<QTime>("end");
    QTest::addColumn<QTime>("start");
    QTest::addColumn<double>("expected");

    QTest::addRow("same day") << QTime(10, 30) << QTime(8, 0) << 2.5;
    QTest::addRow("across midnight") << QTime(0, 15) << QTime(23, 45) << 0.5;
    QTest::addRow("equal") << QTime(10, 0) << QTime(10, 0) << 0.0;
    QTest::addRow("seconds ignored") << QTime(10, 1, 59) << QTime(10, 0, 1) << 1.0 / 60;
}

void TestDurations::spanHours()
{
    QFETCH(QTime, end);
    QFETCH(QTime, start);
    QFETCH(double, expected);
    QCOMPARE(tekvora::app::spanHours(end, start), expected);
}

void TestDurations::display_data()
{
    QTest::addColumn<bool>("hourMinute");
    QTest::addColumn<double>("hours");
    QTest::addColumn<QString>("expected");

    QTest::addRow("decimal") << false << 1.5 << "  1,50 Std";
    QTest::addRow("decimal negative") << false << -1.5 << " -1,50 Std";
    QTest::addRow("decimal large") << false << 1234.5 << "1234,50 Std";
    QTest::addRow("hh:mm") << true << 1.5 << " 1:30 Std";
    QTest::addRow("hh:mm quarter") << true << 1.25 << " 1:15 Std";
    QTest::addRow("hh:mm negative") << true << -1.5 << "-1:30 Std";
    QTest::addRow("hh:mm two-digit negative") << true << -12.5 << "-12:30 Std";
}

void TestDurations::display()
{
    QFETCH(bool, hourMinute);
    QFETCH(double, hours);
    QFETCH(QString, expected);
    const QString text = hoursDisplayText(hours, hourMinute);
    QCOMPARE(text, expected);
    QCOMPARE(hoursFromDisplayText(text, hourMinute), hours);
}

QTEST_GUILESS_MAIN(TestDurations)
#include "TestDurations.moc"
