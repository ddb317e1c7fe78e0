#include "db/BulkStatement.h"
#include "support/TempDatabase.h"

#include <QSqlQuery>
#include <QTest>

using namespace tekvora::db;

class TestBulkStatement : public QObject
{
    Q_OBJECT

private slots:
    void bindsLikeQSqlQuery_data();
    void bindsLikeQSqlQuery();
    void readsRowsBack();
    void reportsFailures_data();
    void reportsFailures();

private:
    /// The value as stored: its type name and text, e.g. "text:a'b" or "null:".
    static QString storedValue(QSqlDatabase db);
};

QString TestBulkStatement::storedValue(QSqlDatabase db)
{
    QSqlQuery query(db);
    query.exec("SELECT typeof(v), v FROM Probe");
    return query.next() ? query.value(0).toString() + ':' + query.value(1).toString() : QString();
}

void TestBulkStatement::bindsLikeQSqlQuery_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("stored");
    QTest::addRow("null variant") << QVariant() << "null:";
    QTest::addRow("null string") << QVariant(QString()) << "null:";
    QTest::addRow("empty string") << QVariant(QString("")) << "text:";
    QTest::addRow("quotes, semicolon, line break") << QVariant("a'b\";\r\nc --") << "text:a'b\";\r\nc --";
    QTest::addRow("umlauts") << QVariant("Müller €") << "text:Müller €";
    QTest::addRow("integer") << QVariant(-42) << "integer:-42";
    QTest::addRow("large integer") << QVariant(qint64(1) << 40) << "integer:1099511627776";
    QTest::addRow("bool") << QVariant(true) << "integer:1";
    QTest::addRow("real") << QVariant(1.25) << "real:1.25";
    QTest::addRow("date") << QVariant(QDate(2026, 3, 29)) << "text:2026-03-29";
    QTest::addRow("date-time") << QVariant(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 1)))
                               << "text:2026-12-31 23:59:01";
    QTest::addRow("invalid date") << QVariant(QDate()) << "null:";
}

void TestBulkStatement::bindsLikeQSqlQuery()
{
    QFETCH(QVariant, value);
    QFETCH(QString, stored);
    tekvora::test::TempDatabase store;
    QSqlDatabase db = store.database();
    QVERIFY(QSqlQuery(db).exec("CREATE TABLE Probe (v)"));

    BulkStatement insert(db, "INSERT INTO Probe (v) VALUES (?)");
    QVERIFY2(insert.exec({value}), qPrintable(insert.lastError()));
    QCOMPARE(storedValue(db), stored);
}

void TestBulkStatement::readsRowsBack()
{
    tekvora::test::TempDatabase store;
    QSqlDatabase db = store.database();
    QVERIFY(QSqlQuery(db).exec("CREATE TABLE Probe (n INTEGER, t TEXT, b BLOB)"));
    BulkStatement insert(db, "INSERT INTO Probe VALUES (?, ?, ?)");
    const QByteArray bytes("a\0b", 3);
    for (int n = 1; n <= 3; ++n)
        QVERIFY(insert.exec({n, QString("Zeile %1").arg(n), bytes}));

    // The statement is reused with new values after each run.
    BulkStatement select(db, "SELECT n, t, b FROM Probe WHERE n >= ? ORDER BY n");
    QVERIFY(select.exec({2}));
    QStringList rows;
    while (select.next()) {
        QCOMPARE(select.value(2).toByteArray(), bytes);
        rows << select.value(0).toString() + '|' + select.value(1).toString();
    }
    QCOMPARE(rows, (QStringList{"2|Zeile 2", "3|Zeile 3"}));
    QVERIFY(select.exec({4}));
    QVERIFY(!select.next());
}

void TestBulkStatement::reportsFailures_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QString>("message");
    QTest::addRow("malformed") << "INSERT INTO Probe VALUE (?)" << QVariantList{1} << "syntax error";
    QTest::addRow("unknown table") << "INSERT INTO Fehlt VALUES (?)" << QVariantList{1} << "no such table";
    QTest::addRow("duplicate key") << "INSERT INTO Probe VALUES (?)" << QVariantList{1} << "UNIQUE constraint failed";
}

void TestBulkStatement::reportsFailures()
{
    QFETCH(QString, sql);
    QFETCH(QVariantList, values);
    QFETCH(QString, message);
    tekvora::test::TempDatabase store;
    QSqlDatabase db = store.database();
    QVERIFY(QSqlQuery(db).exec("CREATE TABLE Probe (n INTEGER PRIMARY KEY)"));
    QVERIFY(QSqlQuery(db).exec("INSERT INTO Probe VALUES (1)"));

    BulkStatement statement(db, sql);
    QVERIFY(!statement.exec(values));
    QVERIFY2(statement.lastError().contains(message), qPrintable(statement.lastError()));
    QSqlQuery count(db);
    QVERIFY(count.exec("SELECT count(*) FROM Probe") && count.next());
    QCOMPARE(count.value(0).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestBulkStatement)
#include "TestBulkStatement.moc"
