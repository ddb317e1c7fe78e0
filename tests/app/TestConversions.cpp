#include "app/Conversions.h"

#include <QtTest>

using namespace tekvora::app;

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void integers_data();
    void integers();
    void floats_data();
    void floats();
    void textToInt_data();
    void textToInt();
    void textToFloat_data();
    void textToFloat();
    void justified();
    void trimmed();
    void cents_data();
    void cents();
};

void TestConversions::integers_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    QTest::addRow("plain width 0") << "text" << qint64(42) << 0 << "42";
    QTest::addRow("plain width 1") << "text" << qint64(42) << 1 << "42";
    QTest::addRow("plain right-aligned") << "text" << qint64(-42) << 5 << "  -42";
    QTest::addRow("zeros padded") << "zeros" << qint64(1) << 4 << "0001";
    QTest::addRow("zeros never cut") << "zeros" << qint64(123) << 2 << "123";
    QTest::addRow("thousands groups") << "thousands" << qint64(1234567) << 0 << "1.234.567";
    QTest::addRow("thousands three digits") << "thousands" << qint64(123) << 0 << "123";
    QTest::addRow("thousands exact group") << "thousands" << qint64(123456) << 0 << "123.456";
    QTest::addRow("thousands aligned") << "thousands" << qint64(1000) << 8 << "   1.000";
    QTest::addRow("thousands zero") << "thousands" << qint64(0) << 0 << "0";
}

void TestConversions::integers()
{
    QFETCH(QString, kind);
    QFETCH(qint64, value);
    QFETCH(int, width);
    QFETCH(QString, expected);
    const QString actual = kind == "text" ? intText(value, width)
                           : kind == "zeros" ? intZeros(value, width)
                                             : intThousands(value, width);
    QCOMPARE(actual, expected);
}

void TestConversions::floats_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::addRow("fixed aligned") << false << 8 << 2 << 3.14159 << "    3.14";
    QTest::addRow("fixed width 0") << false << 0 << 2 << 3.14159 << "3.14";
    QTest::addRow("fixed no decimals, half away from zero") << false << 3 << 0 << 2.5 << "  3";
    QTest::addRow("fixed too narrow") << false << 2 << 2 << 123.456 << "123.46";
    QTest::addRow("local width 0") << true << 0 << 2 << 3.14159 << "3,14";
    QTest::addRow("local negative") << true << 6 << 2 << -1.5 << " -1,50";
    QTest::addRow("local large has no grouping") << true << 0 << 1 << 12345.0 << "12345,0";
}

void TestConversions::floats()
{
    QFETCH(bool, local);
    QFETCH(int, width);
    QFETCH(int, decimals);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(local ? localText(width, decimals, value) : fixedText(width, decimals, value), expected);
}

void TestConversions::textToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("expectedWithDefault");

    QTest::addRow("plain") << "42" << 42 << 42;
    QTest::addRow("blanks") << "  -7 " << -7 << -7;
    QTest::addRow("letters") << "abc" << 0 << 99;
    QTest::addRow("empty") << "" << 0 << 99;
    QTest::addRow("decimal") << "1,5" << 0 << 99;
    QTest::addRow("overflow") << "99999999999" << 0 << 99;
}

void TestConversions::textToInt()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(int, expectedWithDefault);
    QCOMPARE(tekvora::app::textToInt(text), expected);
    QCOMPARE(tekvora::app::textToInt(text, 99), expectedWithDefault);
}

void TestConversions::textToFloat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::addRow("comma") << "1,5" << 1.5;
    QTest::addRow("point") << "2.25" << 2.25;
    QTest::addRow("blanks") << "  -0,75 " << -0.75;
    QTest::addRow("letters") << "abc" << 0.0;
    QTest::addRow("empty") << "" << 0.0;
    QTest::addRow("infinity") << "inf" << 0.0;
    QTest::addRow("grouped") << "1.234,5" << 0.0;
}

void TestConversions::textToFloat()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(tekvora::app::textToFloat(text), expected);
}

void TestConversions::justified()
{
    QCOMPARE(leftJustified("abc", 5), "abc  ");
    QCOMPARE(leftJustified("abcdef", 3), "abc");
    QCOMPARE(rightJustified("abc", 5), "  abc");
    QCOMPARE(rightJustified("abcdef", 3), "abc");
    QCOMPARE(leftJustified("abc", -1), "");
}

void TestConversions::trimmed()
{
    QCOMPARE(trimmedText(QStringLiteral("\t\x01 Müller \r\n")), QStringLiteral("Müller"));
    QCOMPARE(trimmedText(QStringLiteral("  ")), QString());
}

void TestConversions::cents_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::addRow("half up") << 2.675 << 2.68;
    QTest::addRow("stored below half") << 1.005 << 1.01;
    QTest::addRow("negative half away from zero") << -1.005 << -1.01;
    QTest::addRow("below half") << 1.004 << 1.0;
    QTest::addRow("exact") << 12.5 << 12.5;
}

void TestConversions::cents()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(centsValue(value), expected);
}

QTEST_GUILESS_MAIN(TestConversions)
#include "TestConversions.moc"
