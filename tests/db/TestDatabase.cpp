#include "db/Database.h"
#include "db/Schema.h"
#include "support/PresetPrompt.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::db;

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void createsThenOpens();
    void neverCreatesOverABrokenStore_data();
    void neverCreatesOverABrokenStore();
    void missingStoreIsNotCreatedByOpen();
    void failureMessageNamesAliasAndPath();
};

void TestDatabase::createsThenOpens()
{
    QTemporaryDir dir;
    QVERIFY(openOrCreateClientDatabase(dir.path()).ok);
    QVERIFY(tableExists("Firmen.db", database()));
    QSqlQuery query(database());
    QVERIFY(query.exec("PRAGMA journal_mode"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("wal"));
    QVERIFY(query.exec("update Firmen set F_Name1='Tekvora GmbH'"));
    query.finish();
    closeDatabase();

    QVERIFY(openOrCreateClientDatabase(dir.path()).ok);
    QSqlQuery again(database());
    QVERIFY(again.exec("select F_Name1 from Firmen"));
    QVERIFY(again.next());
    QCOMPARE(again.value(0).toString(), QStringLiteral("Tekvora GmbH"));
    again.finish();
    closeDatabase();
}

void TestDatabase::neverCreatesOverABrokenStore_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addRow("not a database") << QByteArray("This is a text file, not a database at all.\n").repeated(200);
    QTest::addRow("empty header") << QByteArray(4096, '\0');
}

void TestDatabase::neverCreatesOverABrokenStore()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QFile file(databaseFilePath(dir.path()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    tekvora::test::PresetPrompt prompt;
    QVERIFY(!openMainDatabase(dir.path(), prompt));
    QCOMPARE(prompt.shown.size(), 1);
    QVERIFY(!openOrCreateClientDatabase(dir.path()).ok);
    QVERIFY(!QSqlDatabase::contains(kConnectionName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

void TestDatabase::missingStoreIsNotCreatedByOpen()
{
    QTemporaryDir dir;
    const DbResult result = openDatabase(kConnectionName, dir.path());
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QVERIFY(!databaseFileExists(dir.path()));
}

void TestDatabase::failureMessageNamesAliasAndPath()
{
    QTemporaryDir dir;
    QFile file(databaseFilePath(dir.path()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("garbage").repeated(1000));
    file.close();
    tekvora::test::PresetPrompt prompt;
    QVERIFY(!openMainDatabase(dir.path(), prompt));
    const QString expectedStart = "! Datenbank-Alias (Daten)Vidizavid\nin Pfad:" + dir.path()
                                + "\nkann nicht erstellt werden!\nMessage: ";
    QVERIFY2(prompt.shown.value(0).startsWith(expectedStart), qPrintable(prompt.shown.value(0)));
    QVERIFY(prompt.shown.value(0).size() > expectedStart.size());
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "TestDatabase.moc"
