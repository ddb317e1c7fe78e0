#include "db/StorageValue.h"

#include <QTest>

using namespace tekvora::db;

class TestStorageValue : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void nullAndInvalidStayEmpty();
    void textAsFieldType();
};

void TestStorageValue::roundTrip_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("type");
    QTest::addRow("date") << QVariant(QDate(2024, 1, 5)) << QVariant("2024-01-05") << int(FieldType::Date);
    QTest::addRow("date-time") << QVariant(QDateTime(QDate(2024, 12, 31), QTime(23, 5, 9)))
                               << QVariant("2024-12-31 23:05:09") << int(FieldType::DateTime);
    QTest::addRow("time") << QVariant(QTime(7, 3)) << QVariant("07:03:00") << int(FieldType::Time);
    QTest::addRow("true") << QVariant(true) << QVariant(1) << int(FieldType::Bool);
    QTest::addRow("false") << QVariant(false) << QVariant(0) << int(FieldType::Bool);
    QTest::addRow("text") << QVariant("a'b;\r\nc") << QVariant("a'b;\r\nc") << int(FieldType::String);
}

void TestStorageValue::roundTrip()
{
    QFETCH(QVariant, value);
    QFETCH(QVariant, stored);
    QFETCH(int, type);
    QCOMPARE(toStorage(value), stored);
    QCOMPARE(toStorage(value, FieldType(type)), stored);
    QCOMPARE(fromStorage(stored, FieldType(type)), value);
}

void TestStorageValue::nullAndInvalidStayEmpty()
{
    QVERIFY(toStorage(QVariant(QDate())).isNull());
    QVERIFY(toStorage(QVariant()).isNull());
    QVERIFY(fromStorage(QVariant(), FieldType::Date).isNull());
    QVERIFY(fromStorage(QVariant("kein Datum"), FieldType::DateTime).isNull());
}

void TestStorageValue::textAsFieldType()
{
    // A date-time field given a plain date keeps midnight; a date field given a date-time keeps the day.
    QCOMPARE(toStorage(QVariant(QDate(2024, 2, 29)), FieldType::DateTime), QVariant("2024-02-29 00:00:00"));
    QCOMPARE(toStorage(QVariant(QDateTime(QDate(2024, 2, 29), QTime(8, 0))), FieldType::Date),
             QVariant("2024-02-29"));
    QCOMPARE(fromStorage(QVariant("2024-02-29"), FieldType::DateTime),
             QVariant(QDateTime(QDate(2024, 2, 29), QTime(0, 0))));
}

QTEST_GUILESS_MAIN(TestStorageValue)
#include "TestStorageValue.moc"
